#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct zip;

namespace ql {

// The collection inside a package, oldest form first. A package of the current form still carries a
// collection.anki2 that only tells old versions to update, so the newest collection present wins.
enum class AnkiForm {
    Anki2,    // collection.anki2: SQLite, note types in col.models
    Anki21,   // collection.anki21: the same, newer scheduler
    Anki21b,  // collection.anki21b: zstd-compressed SQLite with notetypes and fields tables
};

struct AnkiNoteType {
    qint64 id = 0;
    QString name;
    QStringList fields;  // in their order on the card editor
};

struct AnkiNote {
    qint64 id = 0;
    qint64 type_id = 0;
    QStringList fields;  // as stored: HTML, with [sound:...] references
};

// What an Anki package (.apkg) holds that a word list can use.
struct AnkiDeck {
    QString path;
    AnkiForm form = AnkiForm::Anki2;
    std::vector<AnkiNoteType> note_types;  // in id order
    std::vector<AnkiNote> notes;           // in the order they were made
    // The media file a note names (as in [sound:name]) and the zip entry that holds it.
    QHash<QString, QString> media;
    // Current packages store every media file zstd-compressed.
    bool media_compressed = false;

    const AnkiNoteType* note_type(qint64 id) const;
};

// Reads the note types, the notes and the media list of a package. On failure std::nullopt and
// `error` names the file and the reason (not a zip, no collection, not SQLite, ...). A package of 0
// notes reads; the import refuses it with its own message.
std::optional<AnkiDeck> read_anki_package(const QString& path, QString* error);

// Reads the media files of a package. libzip's handles cannot be shared between threads, so each
// converting thread opens its own reader.
class AnkiMediaReader {
public:
    explicit AnkiMediaReader(const AnkiDeck& deck);
    ~AnkiMediaReader();
    AnkiMediaReader(const AnkiMediaReader&) = delete;
    AnkiMediaReader& operator=(const AnkiMediaReader&) = delete;

    // Whether the notes' name is in the media list and its entry in the archive.
    bool has(const QString& name) const;
    // The file the notes call `name`, decompressed; std::nullopt with `error` naming the file and
    // the reason when it is missing or cannot be read.
    std::optional<QByteArray> read(const QString& name, QString* error);

private:
    const AnkiDeck& deck_;
    zip* archive_ = nullptr;
    QString open_error_;
};

// zstd frames of any length (the collection and the media of current packages). std::nullopt
// when the bytes are not a whole zstd stream or would unpack past `limit` bytes.
std::optional<QByteArray> zstd_decompress(const QByteArray& bytes, qint64 limit);
bool is_zstd(const QByteArray& bytes);

}  // namespace ql
