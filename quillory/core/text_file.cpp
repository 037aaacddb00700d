#include "text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>

namespace ql {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five unassigned codes map to themselves.
const char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString decode_cp1252(const QByteArray& bytes) {
    QString out;
    out.resize(bytes.size());
    QChar* d = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        d[i] = (c >= 0x80 && c < 0xA0) ? QChar(kCp1252High[c - 0x80]) : QChar(c);
    }
    return out;
}

QStringList split_lines(const QString& text) {
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (QString& l : lines)
        if (l.endsWith(u'\r')) l.chop(1);
    return lines;
}

void set_error(QString* error, const QString& text) {
    if (error) *error = text;
}

}  // namespace

QString decode_text(const QByteArray& bytes) {
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF")) view = view.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError()) return text;
    return decode_cp1252(bytes);
}

QByteArray encode_line(const QString& line) {
    QByteArray b = line.toUtf8();
    b.append("\r\n", 2);
    return b;
}

std::optional<QString> read_text(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    return decode_text(f.readAll());
}

std::optional<QStringList> read_lines(const QString& path) {
    auto text = read_text(path);
    if (!text) return std::nullopt;
    return split_lines(*text);
}

std::optional<QString> read_first_line(const QString& path) {
    auto lines = read_lines(path);
    if (!lines) return std::nullopt;
    return lines->isEmpty() ? QString() : lines->first();
}

bool write_bytes(const QString& path, const QByteArray& bytes, QString* error) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        set_error(error, QStringLiteral("Could not write the file %1: %2").arg(path, f.errorString()));
        return false;
    }
    if (f.write(bytes) != bytes.size() || !f.commit()) {
        set_error(error, QStringLiteral("Could not write the file %1: %2").arg(path, f.errorString()));
        f.cancelWriting();
        return false;
    }
    return true;
}

bool write_lines(const QString& path, const QStringList& lines, QString* error) {
    QByteArray bytes;
    for (const QString& l : lines) bytes += encode_line(l);
    return write_bytes(path, bytes, error);
}

bool append_lines(const QString& path, const QStringList& lines, QString* error) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Append)) {
        set_error(error, QStringLiteral("Could not write the file %1: %2").arg(path, f.errorString()));
        return false;
    }
    QByteArray bytes;
    for (const QString& l : lines) bytes += encode_line(l);
    if (f.write(bytes) != bytes.size() || !f.flush()) {
        set_error(error, QStringLiteral("Could not write the file %1: %2").arg(path, f.errorString()));
        return false;
    }
    return true;
}

bool file_exists(const QString& path) { return !path.isEmpty() && QFileInfo::exists(path); }

qint64 file_size(const QString& path) {
    QFileInfo fi(path);
    return fi.exists() ? fi.size() : -1;
}

QStringList folder_entries(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int c = a.compare(b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a < b;
    });
    return names;
}

bool is_safe_path_name(const QString& name) {
    if (name == u"." || name == u"..") return false;
    for (QChar c : name)
        if (c == u'/' || c == u'\\' || c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
    return true;
}

QString unsafe_name_message(const QString& what) {
    return QStringLiteral("The %1 may not contain \"/\", \"\\\" or control characters, and may not be \".\" or \"..\". Please choose another.")
        .arg(what);
}

std::optional<Entry> parse_entry(const QString& line) {
    const qsizetype a = line.indexOf(u'|');
    if (a < 0) return std::nullopt;
    const qsizetype b = line.indexOf(u'|', a + 1);
    if (b < 0 || line.indexOf(u'|', b + 1) >= 0) return std::nullopt;
    return Entry{line.left(a), line.mid(a + 1, b - a - 1), line.mid(b + 1)};
}

QString format_entry(const QString& word, const QString& translation, const QString& sound_number) {
    return word + u'|' + translation + u'|' + sound_number;
}

QString format_entry(const Entry& e) { return format_entry(e.word, e.translation, e.sound_number); }

}  // namespace ql
