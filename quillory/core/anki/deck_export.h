#pragma once
#include <QString>

namespace ql {

// The list to export. The folder ends in "/".
struct DeckExportSource {
    QString languages_folder;
    QString language;
    QString list;
    QString target_language;  // the translations' language; empty: no translation sounds
};

struct DeckExportOutcome {
    bool ok = false;
    QString message;
    int notes = 0;
    int sounds = 0;           // media files in the package
    int left_out = 0;         // entries without a foreign word: Anki makes no card of an empty front
    int unreadable_sounds = 0;  // recordings that could not be read or deciphered
};

// Writes the list as an Anki package (.apkg) that every Anki since 2.1 and AnkiDroid import: the
// legacy collection.anki2 with one Basic note type (Front, Back) and one card per note in a deck named
// after the language and the list. Front is the word and its recording, Back the translation and,
// when the target language has one for it, its recording. Installed recordings go in as they are,
// new (enciphered) ones are deciphered and encoded. The package replaces `destination` atomically.
DeckExportOutcome export_anki_deck(const DeckExportSource& source, const QString& destination);

}  // namespace ql
