#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <sys/types.h>
#include <vector>

namespace ql {

// ---- character sets ----
// Files are read as UTF-8 when their bytes are valid UTF-8 (a byte-order mark is skipped) and as
// Windows-1252 otherwise, with lines ended by CR LF or LF. A file that exists is written back in the
// set it was read in, so that no file ever mixes two; new files take their language's set (see
// new_file_charset), UTF-8 without a byte-order mark when they have none.
enum class Charset { Utf8, Utf8WithBom, Windows1252 };

Charset detect_charset(const QByteArray& bytes);
QString decode_text(const QByteArray& bytes);
// The text's bytes in the given set; std::nullopt when a character has no place in Windows-1252.
std::optional<QByteArray> encode_text(const QString& text, Charset charset);
QByteArray encode_line(const QString& line);  // the line's bytes (UTF-8) followed by CR LF
// The set a file is written in: its own, or UTF-8 when it is missing or empty.
Charset file_charset(const QString& path);

// All lines of a file (a final line without an ending counts); std::nullopt when it cannot be read.
std::optional<QStringList> read_lines(const QString& path);
// First line of a file, or std::nullopt.
std::optional<QString> read_first_line(const QString& path);
// Whole file as text.
std::optional<QString> read_text(const QString& path);

// ---- writing ----
// Changes to one or more files that take effect all together or not at all, across a failed write
// and across a kill at any moment, as a database's journal makes them. Every new content is written
// to a hidden temporary file beside its target and synced before any target is touched; a change of
// more than one file, or one that appends, first writes and syncs a journal naming every step it
// may take, so that whatever a killed process leaves half done is rolled back by
// recover_interrupted_changes, run at start-up and before every change. Several changes to one path
// act in the order given.
class FileChanges {
public:
    // The lines, each ended by CR LF, in the file's own character set (UTF-8 when a line does not fit
    // it; a new file's set is that of new_files_follow).
    void rewrite_lines(const QString& path, const QStringList& lines);
    // The text as it stands, in the given set, or in the file's own set when none is given.
    void rewrite_text(const QString& path, const QString& text, std::optional<Charset> charset = std::nullopt);
    void rewrite_bytes(const QString& path, const QByteArray& bytes);
    // Lines, each ended by CR LF, added at the end in the file's own set; the file is made when
    // missing. When a line does not fit an 8-bit file, the whole file is rewritten as UTF-8 instead.
    void append_lines(const QString& path, const QStringList& lines);
    // The files whose set a new file of this change takes (a language's list and master); see
    // new_file_charset. Without them new files are UTF-8.
    void new_files_follow(const QStringList& language_files) { language_files_ = language_files; }

    bool empty() const { return changes_.empty(); }
    // Carries the changes out. On failure nothing is left changed (as far as can be undone) and
    // `error` names the file and the system's reason ("Could not write the file ...: No space left
    // on device").
    bool apply(QString* error = nullptr);

private:
    class Run;
    enum class Kind { Text, Bytes, Append };
    struct Change {
        Kind kind;
        QString path;
        QString text;
        QByteArray bytes;
        std::optional<Charset> charset;
    };
    std::vector<Change> changes_;
    QStringList language_files_;
};

// The set of a file the program makes for a language (an imported list, a student's new known
// file, a rebuilt unknown file): Windows-1252 when one of the language's files given (its list, its
// master) is Windows-1252, so that a language's files keep one set; UTF-8 otherwise. A file holding
// nothing but ASCII is in both sets and takes this one too. A text that does not fit Windows-1252
// is written as UTF-8 all the same.
Charset new_file_charset(const QStringList& language_files);

// One-file forms of the above.
bool write_lines(const QString& path, const QStringList& lines, QString* error = nullptr);
bool write_bytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);
bool append_lines(const QString& path, const QStringList& lines, QString* error = nullptr);

// Rolls back every change a killed process left half done in the data folder (its own files, the
// languages and the students' folders), so that each file is exactly as before that change, and
// removes the temporary files such a process left behind. Running it again, even after a kill in
// the middle of it, gives the same result. Returns a message naming the file that could not be put
// back, or an empty string.
QString recover_interrupted_changes(const QString& data_folder);

// Every step of this layer that writes, syncs, names or cuts a file goes through the installed
// device, so that tests can stand in a disk that fills up or fails, or a process killed after any
// step. The calls behave as write(2), fsync(2), link(2), rename(2), unlink(2) and truncate(2) do,
// errno included.
class WriteDevice {
public:
    virtual ~WriteDevice() = default;
    virtual ssize_t write(int fd, const char* data, size_t size);
    virtual int sync(int fd);
    virtual int link(const char* from, const char* to);
    virtual int rename(const char* from, const char* to);
    virtual int unlink(const char* path);
    virtual int truncate(const char* path, off_t size);
};
// nullptr puts the real device back.
void set_write_device(WriteDevice* device);

bool file_exists(const QString& path);   // a file or a folder
qint64 file_size(const QString& path);   // -1 when missing

// Names in a folder (files and folders, without "." and ".."), sorted by name case-insensitively as
// the original platform listed them.
QStringList folder_entries(const QString& folder);

// A typed name that becomes part of a path must stay inside its folder.
bool is_safe_path_name(const QString& name);
QString unsafe_name_message(const QString& what);
// File systems hold at most this many bytes in one file or folder name.
constexpr int kMaxNameBytes = 255;
// Why a typed name cannot become a file or folder name that adds `extra_bytes` of its own (such as
// "-k.txt"), or an empty string when it can. `what` names it in the message ("list name").
QString path_name_refusal(const QString& name, const QString& what, int extra_bytes = 0);

// ---- entries ----
struct Entry {
    QString word, translation, sound_number;
};
// A line is an entry when it splits at "|" into exactly three fields.
std::optional<Entry> parse_entry(const QString& line);
QString format_entry(const Entry& e);
QString format_entry(const QString& word, const QString& translation, const QString& sound_number);

}  // namespace ql
