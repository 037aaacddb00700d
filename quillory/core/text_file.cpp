#include "text_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ql {

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; the five unassigned codes map to themselves.
const char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

const QByteArray kBom("\xEF\xBB\xBF");

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

std::optional<QByteArray> encode_cp1252(const QString& text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    char* d = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            d[i] = char(u);
            continue;
        }
        const char16_t* hit = std::find(std::begin(kCp1252High), std::end(kCp1252High), u);
        if (hit == std::end(kCp1252High)) return std::nullopt;
        d[i] = char(0x80 + (hit - kCp1252High));
    }
    return out;
}

// Decodes and says in which set the bytes were.
QString decode(const QByteArray& bytes, Charset* charset) {
    QByteArrayView view(bytes);
    const bool bom = view.startsWith(kBom);
    if (bom) view = view.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError()) {
        if (charset) *charset = bom ? Charset::Utf8WithBom : Charset::Utf8;
        return text;
    }
    if (charset) *charset = Charset::Windows1252;
    return decode_cp1252(bytes);
}

QStringList split_lines(const QString& text) {
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
    for (QString& l : lines)
        if (l.endsWith(u'\r')) l.chop(1);
    return lines;
}

QString join_lines(const QStringList& lines) {
    QString text;
    for (const QString& l : lines) text += l + QStringLiteral("\r\n");
    return text;
}

void set_error(QString* error, const QString& text) {
    if (error) *error = text;
}

QString system_error(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

QString write_error(const QString& path, int code) {
    return QStringLiteral("Could not write the file %1: %2").arg(path, system_error(code));
}

WriteDevice g_real_device;
WriteDevice* g_device = &g_real_device;

std::optional<QByteArray> read_bytes(const QByteArray& native, int* code) {
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        *code = errno;
        return std::nullopt;
    }
    QByteArray bytes;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            *code = errno;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        bytes.append(buf, n);
    }
    ::close(fd);
    return bytes;
}

// Every byte through the device, or false with errno set. A disk that takes nothing more reports no
// error on a zero-length write; that is a full disk too.
bool write_all(int fd, const QByteArray& bytes) {
    const char* p = bytes.constData();
    size_t left = size_t(bytes.size());
    while (left > 0) {
        const ssize_t n = g_device->write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        p += n;
        left -= size_t(n);
    }
    return true;
}

bool sync_fd(int fd) {
    for (;;) {
        if (g_device->sync(fd) == 0) return true;
        if (errno != EINTR) return false;
    }
}

// A name in the same folder that nobody else uses, hidden and not ending in ".txt", so that no list
// box ever shows it even when a killed process leaves it behind.
QByteArray sibling_name(const QByteArray& native, const char* kind) {
    const qsizetype slash = native.lastIndexOf('/');
    const QByteArray dir = native.left(slash + 1);
    const QByteArray base = native.mid(slash + 1);
    const QByteArray tag = QByteArray::number(QRandomGenerator::global()->generate64() & 0xFFFFFFFFFFull, 36);
    QByteArray name = '.' + base + '.' + kind + tag;
    if (name.size() > kMaxNameBytes) name = QByteArray(".ql-") + kind + tag;
    return dir + name;
}

void sync_folder(const QByteArray& native) {
    const qsizetype slash = native.lastIndexOf('/');
    const QByteArray dir = slash <= 0 ? QByteArray(slash == 0 ? "/" : ".") : native.left(slash);
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// One file as the changes leave it.
struct Target {
    QString path;          // as the caller named it, for messages
    QByteArray native;     // what the system calls use (a link is followed to its file)
    bool existed = false;
    mode_t mode = 0;
    bool read = false;     // `content` holds what the file holds now (plus what the plan adds)
    QByteArray content;
    bool rewrite = false;  // `content` replaces the file; otherwise `tail` is appended
    QByteArray tail;
    QByteArray temp, backup;
    off_t old_size = 0;
    bool appended = false, replaced = false;
};

}  // namespace

ssize_t WriteDevice::write(int fd, const char* data, size_t size) { return ::write(fd, data, size); }

int WriteDevice::sync(int fd) { return ::fsync(fd); }

void set_write_device(WriteDevice* device) { g_device = device ? device : &g_real_device; }

Charset detect_charset(const QByteArray& bytes) {
    Charset c = Charset::Utf8;
    decode(bytes, &c);
    return c;
}

QString decode_text(const QByteArray& bytes) { return decode(bytes, nullptr); }

std::optional<QByteArray> encode_text(const QString& text, Charset charset) {
    switch (charset) {
    case Charset::Utf8: return text.toUtf8();
    case Charset::Utf8WithBom: return kBom + text.toUtf8();
    case Charset::Windows1252: return encode_cp1252(text);
    }
    return std::nullopt;
}

QByteArray encode_line(const QString& line) {
    QByteArray b = line.toUtf8();
    b.append("\r\n", 2);
    return b;
}

Charset file_charset(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return Charset::Utf8;
    const QByteArray bytes = f.readAll();
    return bytes.isEmpty() ? Charset::Utf8 : detect_charset(bytes);
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

// ---- FileChanges ----

void FileChanges::rewrite_lines(const QString& path, const QStringList& lines) {
    changes_.push_back({Kind::Text, path, join_lines(lines), {}, std::nullopt});
}

void FileChanges::rewrite_text(const QString& path, const QString& text, std::optional<Charset> charset) {
    changes_.push_back({Kind::Text, path, text, {}, charset});
}

void FileChanges::rewrite_bytes(const QString& path, const QByteArray& bytes) {
    changes_.push_back({Kind::Bytes, path, {}, bytes, std::nullopt});
}

void FileChanges::append_lines(const QString& path, const QStringList& lines) {
    changes_.push_back({Kind::Append, path, join_lines(lines), {}, std::nullopt});
}

bool FileChanges::apply(QString* error) {
    std::vector<Target> targets;
    int code = 0;
    QString failed_path;

    // The plan: what every file holds afterwards, worked out before anything is written.
    auto target_for = [&](const QString& path) -> Target* {
        for (Target& t : targets)
            if (t.path == path) return &t;
        Target t;
        t.path = path;
        const QFileInfo info(path);
        // A link is written through, as QSaveFile does: a dangling one fails rather than turn into a file.
        t.native = QFile::encodeName(!info.isSymLink() ? path
                                     : info.exists()   ? info.canonicalFilePath()
                                                       : info.symLinkTarget());
        struct stat st {};
        if (::stat(t.native.constData(), &st) == 0) {
            t.existed = true;
            t.mode = st.st_mode & 07777;
            t.old_size = st.st_size;
        }
        targets.push_back(t);
        return &targets.back();
    };
    auto load = [&](Target& t) -> bool {
        if (t.read || !t.existed) {
            t.read = true;
            return true;
        }
        auto bytes = read_bytes(t.native, &code);
        if (!bytes) return false;
        t.content = *bytes;
        t.read = true;
        return true;
    };
    for (const Change& c : changes_) {
        Target& t = *target_for(c.path);
        if (c.kind == Kind::Bytes) {
            t.content = c.bytes;
            t.read = t.rewrite = true;
            t.tail.clear();
            continue;
        }
        if ((c.kind == Kind::Append || !c.charset) && !load(t)) {
            failed_path = t.path;
            break;
        }
        const Charset own = t.content.isEmpty() ? Charset::Utf8 : detect_charset(t.content);
        if (c.kind == Kind::Text) {
            const Charset wanted = c.charset.value_or(own);
            t.content = encode_text(c.text, wanted).value_or(c.text.toUtf8());
            t.read = t.rewrite = true;
            t.tail.clear();
            continue;
        }
        // An unended last line gets its CR LF first, or the new line would run into it.
        const bool unended = !t.content.isEmpty() && t.content != kBom && !t.content.endsWith('\n');
        const QByteArray joint = unended ? QByteArray("\r\n") : QByteArray();
        if (auto bytes = encode_text(c.text, own == Charset::Utf8WithBom ? Charset::Utf8 : own)) {
            t.content += joint + *bytes;
            if (!t.rewrite) t.tail += joint + *bytes;
            continue;
        }
        // A character the 8-bit set cannot hold: the whole file becomes UTF-8 in the same replacement.
        t.content = join_lines(split_lines(decode_text(t.content)) + split_lines(c.text)).toUtf8();
        t.rewrite = true;
        t.tail.clear();
    }

    auto undo = [&] {
        for (auto it = targets.rbegin(); it != targets.rend(); ++it) {
            Target& t = *it;
            if (t.replaced) {
                if (!t.backup.isEmpty())
                    ::rename(t.backup.constData(), t.native.constData());
                else if (!t.existed)
                    ::unlink(t.native.constData());
            }
            if (t.appended) {
                if (t.existed)
                    ::truncate(t.native.constData(), t.old_size);
                else
                    ::unlink(t.native.constData());
            }
            if (!t.temp.isEmpty()) ::unlink(t.temp.constData());
            if (!t.backup.isEmpty()) ::unlink(t.backup.constData());
        }
    };
    auto fail = [&](const Target& t, int why) {
        set_error(error, write_error(t.path, why));
        undo();
        return false;
    };
    if (!failed_path.isEmpty()) {
        set_error(error, write_error(failed_path, code));
        return false;
    }

    // 1. Every new content complete on the disk beside its target.
    for (Target& t : targets) {
        if (!t.rewrite) continue;
        // A file the user made read-only stays as it is, as an in-place write would leave it.
        if (t.existed && ::access(t.native.constData(), W_OK) != 0) return fail(t, errno);
        int fd = -1;
        for (int tries = 0; fd < 0 && tries < 100; ++tries) {
            t.temp = sibling_name(t.native, "new");
            fd = ::open(t.temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd < 0 && errno != EEXIST) break;
        }
        if (fd < 0) {
            const int why = errno;
            t.temp.clear();
            return fail(t, why);
        }
        if (t.existed) ::fchmod(fd, t.mode);
        if (!write_all(fd, t.content) || !sync_fd(fd)) {
            const int why = errno;
            ::close(fd);
            return fail(t, why);
        }
        if (::close(fd) != 0) return fail(t, errno);
    }

    // 2. Appends, each cut back to its old size should it not go in whole.
    for (Target& t : targets) {
        if (t.rewrite || t.tail.isEmpty()) continue;
        const int fd = ::open(t.native.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
        if (fd < 0) return fail(t, errno);
        struct stat st {};
        if (::fstat(fd, &st) == 0) t.old_size = st.st_size;
        t.appended = true;
        if (!write_all(fd, t.tail) || !sync_fd(fd)) {
            const int why = errno;
            ::close(fd);
            return fail(t, why);
        }
        if (::close(fd) != 0) return fail(t, errno);
    }

    // 3. The replacements; each old file keeps a second name until all are in, to be put back.
    for (Target& t : targets) {
        if (!t.rewrite) continue;
        if (t.existed) {
            t.backup = sibling_name(t.native, "old");
            if (::link(t.native.constData(), t.backup.constData()) != 0) t.backup.clear();
        }
        if (::rename(t.temp.constData(), t.native.constData()) != 0) return fail(t, errno);
        t.temp.clear();
        t.replaced = true;
    }
    for (Target& t : targets) {
        if (!t.backup.isEmpty()) ::unlink(t.backup.constData());
        if (t.rewrite || t.appended) sync_folder(t.native);
    }
    return true;
}

bool write_bytes(const QString& path, const QByteArray& bytes, QString* error) {
    FileChanges c;
    c.rewrite_bytes(path, bytes);
    return c.apply(error);
}

bool write_lines(const QString& path, const QStringList& lines, QString* error) {
    FileChanges c;
    c.rewrite_lines(path, lines);
    return c.apply(error);
}

bool append_lines(const QString& path, const QStringList& lines, QString* error) {
    FileChanges c;
    c.append_lines(path, lines);
    return c.apply(error);
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

QString path_name_refusal(const QString& name, const QString& what, int extra_bytes) {
    if (!is_safe_path_name(name)) return unsafe_name_message(what);
    const int room = kMaxNameBytes - extra_bytes;
    if (QFile::encodeName(name).size() <= room) return QString();
    return QStringLiteral("The %1 is too long: the files made from it may have names of at most %2 bytes, which leaves "
                          "%3 bytes for the %1 (a letter outside the English alphabet takes two or more). Please "
                          "choose a shorter one.")
        .arg(what)
        .arg(kMaxNameBytes)
        .arg(std::max(room, 0));
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
