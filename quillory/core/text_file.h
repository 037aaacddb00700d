#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace ql {

// Text files are read as UTF-8 when the bytes are valid UTF-8 (a byte-order mark is skipped) and as
// Windows-1252 otherwise, with lines ended by CR LF or LF; they are written as UTF-8 with CR LF.
QString decode_text(const QByteArray& bytes);
QByteArray encode_line(const QString& line);  // the line's bytes followed by CR LF

// All lines of a file (a final line without an ending counts); std::nullopt when it cannot be read.
std::optional<QStringList> read_lines(const QString& path);
// First line of a file, or std::nullopt.
std::optional<QString> read_first_line(const QString& path);
// Whole file as text.
std::optional<QString> read_text(const QString& path);

// Replaces the file atomically with the given lines, each ended by CR LF. On failure the old file
// is untouched and `error` (when given) says what went wrong.
bool write_lines(const QString& path, const QStringList& lines, QString* error = nullptr);
bool write_bytes(const QString& path, const QByteArray& bytes, QString* error = nullptr);
// Appends lines, each ended by CR LF, creating the file when missing.
bool append_lines(const QString& path, const QStringList& lines, QString* error = nullptr);

bool file_exists(const QString& path);   // a file or a folder
qint64 file_size(const QString& path);   // -1 when missing

// Names in a folder (files and folders, without "." and ".."), sorted by name case-insensitively as
// the original platform listed them.
QStringList folder_entries(const QString& folder);

// A typed name that becomes part of a path must stay inside its folder.
bool is_safe_path_name(const QString& name);
QString unsafe_name_message(const QString& what);

// ---- entries ----
struct Entry {
    QString word, translation, sound_number;
};
// A line is an entry when it splits at "|" into exactly three fields.
std::optional<Entry> parse_entry(const QString& line);
QString format_entry(const Entry& e);
QString format_entry(const QString& word, const QString& translation, const QString& sound_number);

}  // namespace ql
