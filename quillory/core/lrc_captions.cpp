#include "lrc_captions.h"

#include "text_file.h"
#include "core/ui_text.h"

#include <QFileInfo>
#include <QRegularExpression>
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

namespace {

// A caption file is written whole in UTF-8, whatever set an old file was in: lyrics readers take it
// as UTF-8, and words of any language must fit.
bool write_utf8_lines(const QString& path, const QStringList& lines, QString* error) {
    QString text;
    for (const QString& l : lines) text += l + QStringLiteral("\r\n");
    FileChanges change;
    change.rewrite_text(path, text, Charset::Utf8);
    return change.apply(error);
}

// Hundredths of a second of a line's time stamp; -1 for a line without one.
qint64 stamp_of(const QString& line) {
    static const QRegularExpression stamp(QStringLiteral("^\\[(\\d+):(\\d\\d)\\.(\\d\\d)\\]"));
    const auto m = stamp.match(line);
    if (!m.hasMatch()) return -1;
    return m.captured(1).toLongLong() * 6000 + m.captured(2).toLongLong() * 100 + m.captured(3).toLongLong();
}

}  // namespace

bool write_captions(const QString& lrc_path, const QList<Caption>& captions, QString* error) {
    return write_utf8_lines(lrc_path, lrc_lines(captions), error);
}

bool add_caption(const QString& lrc_path, const Caption& caption, QString* error) {
    QStringList lines;
    if (file_exists(lrc_path)) {
        auto old = read_lines(lrc_path);
        if (!old) {
            // Rewriting without the lines that could not be read would lose them.
            if (error) *error = Quillory::tr("Could not read the file %1").arg(lrc_path);
            return false;
        }
        lines = *old;
    }
    // Lines stay in time order: a word played from another window goes in at once, while the drill's
    // word around it is captioned only when the drill leaves it.
    const QString line = lrc_lines({caption}).first();
    const qint64 at = stamp_of(line);
    qsizetype i = lines.size();
    while (i > 0 && stamp_of(lines[i - 1]) > at) --i;
    lines.insert(i, line);
    return write_utf8_lines(lrc_path, lines, error);
}

}  // namespace ql
