#include "text_file.h"
#include "core/ui_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringDecoder>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <functional>
#include <fcntl.h>
#include <sys/file.h>
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
    return Quillory::tr("Could not write the file %1: %2").arg(path, system_error(code));
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

// A descriptor closed however its scope is left, a simulated kill included, so that a journal's
// lock goes with it as it would with the process.
class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { reset(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }
    void reset(int fd = -1) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = fd;
    }
    // Closes now; a write error the file system reports late shows here.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return fd < 0 || ::close(fd) == 0;
    }

private:
    int fd_;
};

QByteArray folder_of(const QByteArray& native) {
    const qsizetype slash = native.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : native.left(slash);
}

QByteArray join_path(const QByteArray& folder, const QByteArray& name) {
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// The folder's entries reach the disk: a new name, a rename or a removal survives a power cut.
bool sync_folder(const QByteArray& folder, bool through_device) {
    Fd fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!fd.ok()) return false;
    return through_device ? sync_fd(fd.get()) : ::fsync(fd.get()) == 0;
}

bool unlink_if_there(const QByteArray& path) { return g_device->unlink(path.constData()) == 0 || errno == ENOENT; }

// The hidden files this layer makes beside a target end in ".ql-new-<tag>" (a new content on its way
// in) or ".ql-old-<tag>" (the content it replaces, kept until the change is complete). Such names are
// ours in any folder, so that one left behind is removed wherever it lies.
const QRegularExpression& layer_file_pattern() {
    static const QRegularExpression re(QStringLiteral("^\\.(.+\\.)?ql-(new|old)-[0-9a-z]{1,8}$"));
    return re;
}
// What versions before the journal left: ".<name>.new<tag>" and ".<name>.old<tag>". Looked for only in
// the data folder's own folders, where nothing else makes hidden files.
const QRegularExpression& earlier_layer_file_pattern() {
    static const QRegularExpression re(QStringLiteral("^\\.(.+\\.|ql-)(new|old)[0-9a-z]{1,8}$"));
    return re;
}

// A name in the same folder that nobody else uses, hidden and not ending in ".txt", so that no list
// box ever shows it even when a killed process leaves it behind.
QByteArray sibling_name(const QByteArray& native, const char* kind) {
    const QByteArray dir = folder_of(native);
    const QByteArray base = native.mid(native.lastIndexOf('/') + 1);
    for (;;) {
        const QByteArray tag =
            QByteArray::number(QRandomGenerator::global()->generate64() & 0xFFFFFFFFFFull, 36);
        QByteArray name = '.' + base + ".ql-" + kind + '-' + tag;
        if (name.size() > kMaxNameBytes) name = QByteArray(".ql-") + kind + '-' + tag;
        const QByteArray path = join_path(dir, name);
        struct stat st {};
        if (::lstat(path.constData(), &st) != 0) return path;
    }
}

// ---- the journal ----
//
// A change of several files is made crash-safe by a journal written, synced and named in its folder
// before any target is touched, and removed (the commit) only once every target holds its new
// content and every folder is synced. It names each step: a file appended to with its old size (or
// -1 when the append makes it), a file replaced with the hidden names of its new content and of the
// kept old content (or "-" when the file is new). A change left with its journal is rolled back by
// recover_interrupted_changes; from the file system alone the rollback knows how far the change got,
// and each of its steps leaves a state that the same steps take to the same end, so it may itself be
// cut short and run again. A kill after the journal's removal leaves a complete change and at most
// its kept old contents, which are removed as leftovers.
//
// One journal covers the whole change, even when its files lie in several folders (a list in
// languages/<language>/ and the students' files in users/<student>/<language>/): it lies in the
// deepest folder holding every target, and names them relative to that folder (so a data folder
// moved after a crash is still put right). A change in a folder therefore looks for journals in
// that folder and in each folder above it, and start-up looks in every folder of the data folder
// where a change may have begun.
//
// The journal is locked (flock) for as long as its change runs. A second Quillory on the same
// data never rolls back a change that is still running; the lock dies with a killed process.
//
// A change of one file by replacement alone needs no journal: the rename is atomic, and a kill
// leaves at most its hidden new content, a leftover.

constexpr char kJournalName[] = ".quillory-journal";
constexpr char kJournalHead[] = "quillory file changes 1";

struct Step {
    bool append = false;
    bool keep = false;        // a replacement that never took place and whose file is left alone
    QByteArray path;          // absolute
    qint64 old_size = -1;     // an append's: -1 when the append makes the file
    QByteArray temp, backup;  // a replacement's: absolute; backup empty when the file is new
};

// FNV-1a: a journal cut short or damaged is told from a whole one.
quint64 journal_hash(const QByteArray& bytes) {
    quint64 h = 14695981039346656037ull;
    for (char c : bytes) {
        h ^= quint8(c);
        h *= 1099511628211ull;
    }
    return h;
}

QByteArray relative_to(const QByteArray& folder, const QByteArray& path) {
    return folder == "/" ? path.mid(1) : path.mid(folder.size() + 1);
}

QByteArray base_name(const QByteArray& path) { return path.mid(path.lastIndexOf('/') + 1); }

QByteArray journal_text(const QByteArray& folder, const std::vector<Step>& steps) {
    QByteArray text = QByteArray(kJournalHead) + '\n';
    for (const Step& s : steps) {
        const QByteArray rel = relative_to(folder, s.path).toPercentEncoding("/");
        if (s.append)
            text += "append " + rel + ' ' + QByteArray::number(s.old_size) + '\n';
        else
            text += "replace " + rel + ' ' + base_name(s.temp).toPercentEncoding() + ' ' +
                    (s.backup.isEmpty() ? QByteArray("-") : base_name(s.backup).toPercentEncoding()) + '\n';
    }
    return text + "end " + QByteArray::number(journal_hash(text), 16) + '\n';
}

// The steps of a whole journal; std::nullopt when it is not whole (a kill while it was written, when
// no target had been touched yet).
std::optional<std::vector<Step>> parse_journal(const QByteArray& folder, const QByteArray& text) {
    if (!text.endsWith('\n')) return std::nullopt;
    const qsizetype last = text.lastIndexOf('\n', text.size() - 2) + 1;  // the start of the last line
    const QByteArray body = text.left(last), seal = text.mid(last).trimmed();
    bool ok = false;
    if (!seal.startsWith("end ") || seal.mid(4).toULongLong(&ok, 16) != journal_hash(body) || !ok) return std::nullopt;
    QList<QByteArray> lines = body.split('\n');
    lines.removeLast();  // after the last '\n'
    if (lines.isEmpty() || lines.takeFirst() != kJournalHead) return std::nullopt;
    std::vector<Step> steps;
    for (const QByteArray& line : lines) {
        const QList<QByteArray> f = line.split(' ');
        Step s;
        if (f.size() < 3) return std::nullopt;
        s.path = join_path(folder, QByteArray::fromPercentEncoding(f[1]));
        const QByteArray dir = folder_of(s.path);
        if (f[0] == "append" && f.size() == 3) {
            s.append = true;
            s.old_size = f[2].toLongLong(&ok);
            if (!ok) return std::nullopt;
        } else if (f[0] == "replace" && f.size() == 4) {
            s.temp = join_path(dir, QByteArray::fromPercentEncoding(f[2]));
            if (f[3] != "-") s.backup = join_path(dir, QByteArray::fromPercentEncoding(f[3]));
        } else {
            return std::nullopt;
        }
        steps.push_back(s);
    }
    return steps;
}

QString restore_error(const QByteArray& path, int code) {
    return Quillory::tr("Could not put back the file %1 after a change that was cut short: %2")
        .arg(QFile::decodeName(path), system_error(code));
}

// Puts every file back as it was before the journal's change; an empty string when all went back.
QString roll_back(const std::vector<Step>& steps) {
    QString error;
    auto failed = [&](const QByteArray& path) {
        if (error.isEmpty()) error = restore_error(path, errno);
    };
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        const Step& s = *it;
        if (s.append) {
            struct stat st {};
            if (s.old_size < 0) {
                if (!unlink_if_there(s.path)) failed(s.path);
            } else if (::stat(s.path.constData(), &st) == 0 && st.st_size > s.old_size) {
                if (g_device->truncate(s.path.constData(), off_t(s.old_size)) != 0) failed(s.path);
            }
            continue;
        }
        if (s.backup.isEmpty() && !s.keep) {
            if (!unlink_if_there(s.path)) failed(s.path);
        } else if (!s.keep) {
            struct stat b {}, t {};
            if (::lstat(s.backup.constData(), &b) == 0) {
                // Before the new content went in, the kept name is a second link to the file itself,
                // which a rename would leave standing.
                const bool same = ::stat(s.path.constData(), &t) == 0 && t.st_dev == b.st_dev && t.st_ino == b.st_ino;
                if ((same ? g_device->unlink(s.backup.constData()) : g_device->rename(s.backup.constData(), s.path.constData())) != 0)
                    failed(s.path);
            }
        }
        if (!unlink_if_there(s.temp)) failed(s.temp);
    }
    if (!error.isEmpty()) return error;
    QList<QByteArray> folders;
    for (const Step& s : steps)
        if (!folders.contains(folder_of(s.path))) folders << folder_of(s.path);
    for (const QByteArray& f : folders)
        if (!sync_folder(f, true)) failed(f);
    return error;
}

enum class Found { Nothing, Live, RolledBack, Failed };

// Rolls back the change whose journal lies in `folder`, unless its process still runs.
Found recover_journal(const QByteArray& folder, QString* error) {
    const QByteArray path = join_path(folder, kJournalName);
    Fd fd(::open(path.constData(), O_RDONLY | O_CLOEXEC));
    if (!fd.ok()) {
        // A folder the program cannot read holds no journal of its changes.
        if (errno == ENOENT || errno == ENOTDIR || errno == EACCES) return Found::Nothing;
        *error = restore_error(path, errno);
        return Found::Failed;
    }
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) return Found::Live;
    // Another start may have finished with it between the open and the lock.
    struct stat opened {}, named {};
    if (::fstat(fd.get(), &opened) != 0 || ::stat(path.constData(), &named) != 0 ||
        opened.st_ino != named.st_ino || opened.st_dev != named.st_dev)
        return Found::Nothing;
    QByteArray text;
    char buf[4096];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            *error = restore_error(path, errno);
            return Found::Failed;
        }
        if (n == 0) break;
        text.append(buf, n);
    }
    if (const auto steps = parse_journal(folder, text)) {
        *error = roll_back(*steps);
        if (!error->isEmpty()) return Found::Failed;
    }
    if (g_device->unlink(path.constData()) != 0 && errno != ENOENT) {
        *error = restore_error(path, errno);
        return Found::Failed;
    }
    sync_folder(folder, false);
    return Found::RolledBack;
}

// Removes the hidden files of this layer that no journal needs any more.
void remove_leftovers(const QByteArray& folder, bool earlier_names_too) {
    DIR* dir = ::opendir(folder.constData());
    if (!dir) return;
    QList<QByteArray> names;
    while (const dirent* e = ::readdir(dir)) {
        if (e->d_name[0] != '.') continue;
        const QString name = QFile::decodeName(e->d_name);
        if (layer_file_pattern().match(name).hasMatch() ||
            (earlier_names_too && earlier_layer_file_pattern().match(name).hasMatch()))
            names << e->d_name;
    }
    ::closedir(dir);
    for (const QByteArray& name : names) {
        const QByteArray path = join_path(folder, name);
        struct stat st {};
        if (::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode)) unlink_if_there(path);
    }
}

// Before a change in `folder`: every journal that may cover it (in it or above it) rolled back, then
// the folder's leftovers removed, unless a change still runs there.
QString recover_before_change(const QByteArray& folder) {
    bool live = false;
    for (QByteArray f = folder;; f = folder_of(f)) {
        QString error;
        const Found found = recover_journal(f, &error);
        if (found == Found::Failed) return error;
        if (found == Found::Live) live = true;
        if (f == "/") break;
    }
    if (!live) remove_leftovers(folder, false);
    return QString();
}

QByteArray absolute_native(const QString& path) {
    const QFileInfo info(path);
    // A link is written through, as QSaveFile does: a dangling one fails rather than turn into a file.
    const QString file = !info.isSymLink() ? info.absoluteFilePath()
                         : info.exists()   ? info.canonicalFilePath()
                                           : QFileInfo(info.absolutePath(), info.symLinkTarget()).absoluteFilePath();
    return QFile::encodeName(QDir::cleanPath(file));
}

// The deepest folder that holds every one of the paths.
QByteArray common_folder(const QList<QByteArray>& paths) {
    QByteArray common = folder_of(paths.first());
    for (const QByteArray& p : paths) {
        while (common != "/" && !(p.startsWith(common) && p.size() > common.size() && p[common.size()] == '/'))
            common = folder_of(common);
    }
    return common;
}

bool is_ascii(const QByteArray& bytes) {
    for (char c : bytes)
        if (quint8(c) >= 0x80) return false;
    return true;
}

bool is_ascii(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x80) return false;
    return true;
}

// One file as the changes leave it.
struct Target {
    QString path;          // as the caller named it, for messages
    QByteArray native;     // absolute; what the system calls use (a link is followed to its file)
    bool existed = false;
    mode_t mode = 0;
    bool read = false;     // `content` holds what the file holds now (plus what the plan adds)
    QByteArray content;
    bool rewrite = false;  // `content` replaces the file; otherwise `tail` is appended
    QByteArray tail;
    QByteArray temp, backup;
    off_t old_size = 0;
    bool keep = false;     // see Step
};

}  // namespace

ssize_t WriteDevice::write(int fd, const char* data, size_t size) { return ::write(fd, data, size); }
int WriteDevice::sync(int fd) { return ::fsync(fd); }
int WriteDevice::link(const char* from, const char* to) { return ::link(from, to); }
int WriteDevice::rename(const char* from, const char* to) { return ::rename(from, to); }
int WriteDevice::unlink(const char* path) { return ::unlink(path); }
int WriteDevice::truncate(const char* path, off_t size) { return ::truncate(path, size); }

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

Charset new_file_charset(const QStringList& language_files) {
    for (const QString& path : language_files) {
        if (path.isEmpty()) continue;
        QFile f(path);
        if (f.open(QIODevice::ReadOnly) && detect_charset(f.readAll()) == Charset::Windows1252)
            return Charset::Windows1252;
    }
    return Charset::Utf8;
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

// One carrying-out of the changes. The plan (what every file holds afterwards) is worked out before
// anything is written; the writes then go in the one order that a kill after any step leaves for the
// journal to undo: journal, new contents beside their targets, appends, swaps, folder syncs, commit.
class FileChanges::Run {
public:
    Run(const FileChanges& changes, QString* error) : changes_(changes), error_(error) {}
    bool carry_out();

private:
    bool recover_leftovers();
    bool plan();
    Target& target_for(const QString& path, const QByteArray& native);
    bool load(Target& t, int* code);
    Charset set_for(const QByteArray& content, const QString& text);
    bool plan_change(const Change& c, Target& t, int* code);
    bool name_replacements();
    std::vector<Step> steps() const;
    bool write_journal();
    bool fail(const Target& t, int why);
    bool write_new_contents();
    bool write_appends();
    bool swap_in();
    bool sync_target_folders();
    bool commit();

    const FileChanges& changes_;
    QString* error_;
    std::vector<QByteArray> natives_;  // one for each change
    std::vector<Target> targets_;
    std::optional<Charset> language_set_;
    bool journaled_ = false;
    Fd journal_;
    QByteArray journal_folder_, journal_path_;
};

bool FileChanges::apply(QString* error) { return Run(*this, error).carry_out(); }

bool FileChanges::Run::carry_out() {
    if (!recover_leftovers() || !plan()) return false;
    if (targets_.empty()) return true;
    journaled_ = targets_.size() > 1 || !targets_.front().rewrite;
    if (!name_replacements() || !write_journal()) return false;
    return write_new_contents() && write_appends() && swap_in() && sync_target_folders() && commit();
}

// Whatever a killed change left in these folders goes back first, before anything is read.
bool FileChanges::Run::recover_leftovers() {
    QList<QByteArray> folders;
    for (const Change& c : changes_.changes_) {
        natives_.push_back(absolute_native(c.path));
        const QByteArray folder = folder_of(natives_.back());
        if (!folders.contains(folder)) folders << folder;
    }
    for (const QByteArray& folder : folders) {
        const QString left = recover_before_change(folder);
        if (!left.isEmpty()) {
            set_error(error_, left);
            return false;
        }
    }
    return true;
}

Target& FileChanges::Run::target_for(const QString& path, const QByteArray& native) {
    for (Target& t : targets_)
        if (t.native == native) return t;
    Target t;
    t.path = path;
    t.native = native;
    struct stat st {};
    if (::stat(t.native.constData(), &st) == 0) {
        t.existed = true;
        t.mode = st.st_mode & 07777;
        t.old_size = st.st_size;
    }
    targets_.push_back(t);
    return targets_.back();
}

bool FileChanges::Run::load(Target& t, int* code) {
    if (t.read || !t.existed) {
        t.read = true;
        return true;
    }
    auto bytes = read_bytes(t.native, code);
    if (!bytes) return false;
    t.content = *bytes;
    t.read = true;
    return true;
}

// A file that holds nothing yet, or only ASCII (which reads the same in both sets), takes the
// language's set for what it receives; any other keeps its own.
Charset FileChanges::Run::set_for(const QByteArray& content, const QString& text) {
    if (!is_ascii(content)) return detect_charset(content);
    if (is_ascii(text)) return Charset::Utf8;
    if (!language_set_) language_set_ = new_file_charset(changes_.language_files_);
    return *language_set_;
}

// The plan: what every file holds afterwards. An append of nothing leaves its file as it is.
bool FileChanges::Run::plan() {
    int code = 0;
    for (size_t i = 0; i < changes_.changes_.size(); ++i) {
        const Change& c = changes_.changes_[i];
        Target& t = target_for(c.path, natives_[i]);
        if (!plan_change(c, t, &code)) {
            set_error(error_, write_error(t.path, code));
            return false;
        }
    }
    targets_.erase(std::remove_if(targets_.begin(), targets_.end(),
                                  [](const Target& t) { return !t.rewrite && t.tail.isEmpty(); }),
                   targets_.end());
    return true;
}

bool FileChanges::Run::plan_change(const Change& c, Target& t, int* code) {
    if (c.kind == Kind::Bytes) {
        t.content = c.bytes;
        t.read = t.rewrite = true;
        t.tail.clear();
        return true;
    }
    if ((c.kind == Kind::Append || !c.charset) && !load(t, code)) return false;
    const Charset own = set_for(t.content, c.text);
    if (c.kind == Kind::Text) {
        const Charset wanted = c.charset.value_or(own);
        t.content = encode_text(c.text, wanted).value_or(c.text.toUtf8());
        t.read = t.rewrite = true;
        t.tail.clear();
        return true;
    }
    // An unended last line gets its CR LF first, or the new line would run into it.
    const bool unended = !t.content.isEmpty() && t.content != kBom && !t.content.endsWith('\n');
    const QByteArray joint = unended ? QByteArray("\r\n") : QByteArray();
    if (auto bytes = encode_text(c.text, own == Charset::Utf8WithBom ? Charset::Utf8 : own)) {
        t.content += joint + *bytes;
        if (!t.rewrite) t.tail += joint + *bytes;
        return true;
    }
    // A character the 8-bit set cannot hold: the whole file becomes UTF-8 in the same replacement.
    t.content = join_lines(split_lines(decode_text(t.content)) + split_lines(c.text)).toUtf8();
    t.rewrite = true;
    t.tail.clear();
    return true;
}

bool FileChanges::Run::name_replacements() {
    for (Target& t : targets_) {
        if (!t.rewrite) continue;
        // A file the user made read-only stays as it is, as an in-place write would leave it.
        if (t.existed && ::access(t.native.constData(), W_OK) != 0) {
            set_error(error_, write_error(t.path, errno));
            return false;
        }
        t.temp = sibling_name(t.native, "new");
        if (journaled_ && t.existed) t.backup = sibling_name(t.native, "old");
    }
    return true;
}

std::vector<Step> FileChanges::Run::steps() const {
    std::vector<Step> list;
    for (const Target& t : targets_) {
        Step s;
        s.append = !t.rewrite;
        s.path = t.native;
        s.old_size = t.existed ? qint64(t.old_size) : -1;
        s.temp = t.temp;
        s.backup = t.backup;
        s.keep = t.keep;
        list.push_back(s);
    }
    return list;
}

// The journal, whole on the disk and named in its folder before any target is touched.
bool FileChanges::Run::write_journal() {
    if (!journaled_) return true;
    QList<QByteArray> paths;
    for (const Target& t : targets_) paths << t.native;
    journal_folder_ = common_folder(paths);
    journal_path_ = join_path(journal_folder_, kJournalName);
    journal_.reset(::open(journal_path_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!journal_.ok()) {
        set_error(error_, write_error(targets_.front().path, errno));
        return false;
    }
    ::flock(journal_.get(), LOCK_EX);
    if (!write_all(journal_.get(), journal_text(journal_folder_, steps())) || !sync_fd(journal_.get()) ||
        !sync_folder(journal_folder_, true)) {
        const int why = errno;
        journal_.reset();
        ::unlink(journal_path_.constData());
        set_error(error_, write_error(targets_.front().path, why));
        return false;
    }
    return true;
}

// A failure after the journal undoes what was done: the journal's own roll-back, so that a kill in
// the middle of it leaves the journal to finish the work at the next start.
bool FileChanges::Run::fail(const Target& t, int why) {
    set_error(error_, write_error(t.path, why));
    if (!journaled_) {
        if (!t.temp.isEmpty()) ::unlink(t.temp.constData());
        return false;
    }
    if (roll_back(steps()).isEmpty() && unlink_if_there(journal_path_)) sync_folder(journal_folder_, false);
    return false;
}

// Every new content complete on the disk beside its target.
bool FileChanges::Run::write_new_contents() {
    for (Target& t : targets_) {
        if (!t.rewrite) continue;
        Fd fd(::open(t.temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!fd.ok()) return fail(t, errno);
        if (t.existed) ::fchmod(fd.get(), t.mode);
        if (!write_all(fd.get(), t.content) || !sync_fd(fd.get())) return fail(t, errno);
        if (!fd.close()) return fail(t, errno);
    }
    return true;
}

// Appends, each synced.
bool FileChanges::Run::write_appends() {
    for (Target& t : targets_) {
        if (t.rewrite) continue;
        Fd fd(::open(t.native.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666));
        if (!fd.ok()) return fail(t, errno);
        if (!write_all(fd.get(), t.tail) || !sync_fd(fd.get())) return fail(t, errno);
        if (!fd.close()) return fail(t, errno);
    }
    return true;
}

// The replacements; each old content keeps a second name until the change is complete.
bool FileChanges::Run::swap_in() {
    for (Target& t : targets_) {
        if (!t.rewrite) continue;
        if (!t.backup.isEmpty() && g_device->link(t.native.constData(), t.backup.constData()) != 0) {
            // A file system without hard links: the old file takes the kept name itself. The target
            // is then missing until its new content is in, which the journal puts right after a kill.
            if (errno == EEXIST) {
                t.keep = true;
                return fail(t, EEXIST);
            }
            if (g_device->rename(t.native.constData(), t.backup.constData()) != 0) return fail(t, errno);
        }
        if (g_device->rename(t.temp.constData(), t.native.constData()) != 0) return fail(t, errno);
    }
    return true;
}

// Every folder synced, so that no rename is lost in a power cut once the journal is gone.
bool FileChanges::Run::sync_target_folders() {
    QList<QByteArray> target_folders;
    for (const Target& t : targets_) {
        const QByteArray folder = folder_of(t.native);
        if (target_folders.contains(folder)) continue;
        target_folders << folder;
        if (!sync_folder(folder, true)) return fail(t, errno);
    }
    return true;
}

// Without its journal the change stands: nothing is undone after the journal is gone, and the kept
// old contents are let go.
bool FileChanges::Run::commit() {
    if (!journaled_) return true;
    if (g_device->unlink(journal_path_.constData()) != 0) return fail(targets_.front(), errno);
    journal_.reset();
    sync_folder(journal_folder_, false);
    for (const Target& t : targets_)
        if (!t.backup.isEmpty()) g_device->unlink(t.backup.constData());
    return true;
}

QString recover_interrupted_changes(const QString& data_folder) {
    if (data_folder.isEmpty()) return QString();
    const QByteArray root = absolute_native(data_folder);
    // Where a change may have begun: the folder itself, the languages with their sound folders, and
    // the students with their languages. Journals first, everywhere, for one may need kept contents
    // in another folder; the leftovers after.
    QList<QByteArray> folders{root};
    auto add_below = [&](const QByteArray& folder, int depth) {
        std::function<void(const QByteArray&, int)> walk = [&](const QByteArray& f, int d) {
            folders << f;
            if (d == 0) return;
            const QDir dir(QFile::decodeName(f));
            for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden))
                walk(join_path(f, QFile::encodeName(name)), d - 1);
        };
        if (QFileInfo(QFile::decodeName(folder)).isDir()) walk(folder, depth);
    };
    add_below(join_path(root, "languages"), 2);
    add_below(join_path(root, "users"), 2);
    QString error;
    bool live = false;
    for (const QByteArray& f : folders) {
        QString e;
        const Found found = recover_journal(f, &e);
        if (found == Found::Failed && error.isEmpty()) error = e;
        if (found == Found::Live) live = true;
    }
    // A second Quillory in the middle of a change keeps its hidden files.
    if (error.isEmpty() && !live)
        for (const QByteArray& f : folders) remove_leftovers(f, true);
    return error;
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
    return Quillory::tr("The %1 may not contain \"/\", \"\\\" or control characters, and may not be \".\" or \"..\". Please choose another.")
        .arg(what);
}

QString path_name_refusal(const QString& name, const QString& what, int extra_bytes) {
    if (!is_safe_path_name(name)) return unsafe_name_message(what);
    const int room = kMaxNameBytes - extra_bytes;
    if (QFile::encodeName(name).size() <= room) return QString();
    return Quillory::tr("The %1 is too long: the files made from it may have names of at most %2 bytes, which leaves "
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
