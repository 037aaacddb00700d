#include "lrc_captions.h"

#include "text_file.h"

#include <QFileInfo>
#include <cmath>

namespace ql {

QString lrc_time_stamp(double seconds) {
    // Rounded once, as a whole number of hundredths, so that 59.996 s carries into the minute.
    const qint64 cs = seconds > 0.0 ? qint64(std::llround(seconds * 100.0)) : 0;
    return QStringLiteral("[%1:%2.%3]")
        .arg(cs / 6000, 2, 10, QLatin1Char('0'))
        .arg(cs / 100 % 60, 2, 10, QLatin1Char('0'))
        .arg(cs % 100, 2, 10, QLatin1Char('0'));
}

QString caption_text(const QString& word, const QString& translation) {
    return word + QStringLiteral(" - ") + translation;
}

QString caption_path(const QString& mp3_path) {
    const QFileInfo info(mp3_path);
    const QString suffix = info.suffix();
    const QString base = suffix.isEmpty() ? mp3_path : mp3_path.chopped(suffix.size() + 1);
    return base + QStringLiteral(".lrc");
}

QStringList lrc_lines(const QList<Caption>& captions) {
    QStringList lines;
    lines.reserve(captions.size());
    for (const Caption& c : captions) {
        // A line break in a word would start a line without a time stamp.
        QString text = c.text;
        text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        lines << lrc_time_stamp(c.seconds) + text;
    }
    return lines;
}

bool write_captions(const QString& lrc_path, const QList<Caption>& captions, QString* error) {
    return write_lines(lrc_path, lrc_lines(captions), error);
}

bool add_caption(const QString& lrc_path, const Caption& caption, QString* error) {
    QStringList lines;
    if (file_exists(lrc_path)) {
        auto old = read_lines(lrc_path);
        if (!old) {
            // Rewriting without the lines that could not be read would lose them.
            if (error) *error = QStringLiteral("Could not read the file %1").arg(lrc_path);
            return false;
        }
        lines = *old;
    }
    lines << lrc_lines({caption});
    return write_lines(lrc_path, lines, error);
}

}  // namespace ql
