#pragma once
#include "core/anki/anki_package.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace ql::testing {

// Anki packages made byte by byte as Anki lays them out (SQLite, zip, zstd, protocol buffers), and
// the clips to put in them.

// A sine tone framed by silence, as interleaved 16-bit samples.
QByteArray tone_pcm(int rate, int channels, double silence_s, double tone_s);
QByteArray wav_clip(int rate, int channels, double silence_s, double tone_s);
QByteArray mp3_clip(int rate, int channels, double silence_s, double tone_s);  // 128 kbit/s, lame
QByteArray ogg_clip(int rate, int channels, double silence_s, double tone_s);  // Vorbis, quality 0.4
QByteArray flac_clip(int rate, int channels, double silence_s, double tone_s);  // 16-bit

// Protocol-buffer wire format, written by hand.
QByteArray proto_varint(quint64 v);
QByteArray proto_field(int field, quint64 varint);
QByteArray proto_field(int field, const QByteArray& bytes);

struct MadeNoteType {
    qint64 id = 0;
    QString name;
    QStringList fields;
};
struct MadeNote {
    qint64 type = 0;
    QStringList fields;
};
struct MadeDeck {
    AnkiForm form = AnkiForm::Anki2;
    std::vector<MadeNoteType> types;
    std::vector<MadeNote> notes;
    std::vector<std::pair<QString, QByteArray>> media;  // name as the notes use it, bytes
};

// The collection as an SQLite file's bytes, in the schema of the deck's form.
QByteArray collection_bytes(const MadeDeck& deck);
// The whole package: for the current form a compressed collection, a stub collection.anki2,
// `meta`, a compressed protobuf media list and compressed media files; for the older forms plain
// ones and a JSON media list.
void write_apkg(const QString& path, const MadeDeck& deck);
// A zip of the given entries.
void write_zip(const QString& path, const std::vector<std::pair<QString, QByteArray>>& entries);
// Every entry of a zip (for looking into exported decks).
std::vector<std::pair<QString, QByteArray>> read_zip(const QString& path);

}  // namespace ql::testing
