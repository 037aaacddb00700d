#pragma once
#include "core/anki/anki_package.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <atomic>
#include <vector>

namespace ql {

// Which field of a note type is the word and which its translation.
struct FieldChoice {
    int word = 0;
    int translation = 1;
};
// By note type; a type left out takes its first two fields.
using FieldChoices = QHash<qint64, FieldChoice>;

// One pair a deck gives, with the sounds its two fields name (media names; empty when none).
struct DeckPair {
    QString word, translation;
    QString word_sound, translation_sound;
};

// The pairs of a deck for a choice of fields, in note order, and the notes left out by reason.
struct DeckPairs {
    std::vector<DeckPair> pairs;
    int notes = 0;          // notes in the deck
    int empty_field = 0;    // the word or the translation is empty once HTML is made text
    int bar_inside = 0;     // "|" would split the list line
    int repeated = 0;       // the same pair came in an earlier note
    int over_limit = 0;     // beyond what one list holds
    int unknown_type = 0;   // the note's type is not in the collection
    int skipped() const { return empty_field + bar_inside + repeated + over_limit + unknown_type; }
};

// Field text made list text: sound references dropped, HTML reduced to text, blanks trimmed.
QString deck_field_text(const QString& field);
// The first [sound:name] reference of a field, or an empty string.
QString deck_field_sound(const QString& field);

DeckPairs collect_deck_pairs(const AnkiDeck& deck, const FieldChoices& choices);
// One sentence saying how many notes are left out and why, or an empty string when none is.
QString deck_skipped_summary(const DeckPairs& pairs);

// Where the import writes. The folder ends in "/".
struct DeckImportTarget {
    QString languages_folder;
    QString language;
    QString target_language;  // the language of the translations; may be empty
    QString list_name;        // as typed; spaces become "_"
};

// The add-list rules for a typed list name (spaces made "_" in `name`): the message that refuses it,
// or an empty string.
QString deck_list_name_refusal(const QString& languages_folder, const QString& language, QString& name);

// Everything the import will write, worked out before any clip is converted.
struct DeckImportPlan {
    QString list_name;
    QString list_path, master_path, counter_path;
    QStringList list_lines, master_added;
    int next_number = 0;  // the counter after the import; written only when new numbers were handed out
    int added = 0, reused = 0;
    // A clip to convert, once however many entries use it, and the recordings it becomes.
    struct Clip {
        QString media;
        QStringList paths;
    };
    std::vector<Clip> clips;
    int translation_sounds_unmatched = 0;  // the target language has no entry of that translation
    int already_recorded = 0;              // the entry has a recording of its own, which is kept
    int missing_media = 0;                 // named by a note but not in the package: imported without sound
};

// Works out the plan; on refusal std::nullopt and `error` says why.
std::optional<DeckImportPlan> plan_deck_import(const AnkiDeck& deck, const DeckPairs& pairs,
                                               const DeckImportTarget& target, QString* error);

// Read from other threads while an import runs: how far the conversion is, and the request to stop.
struct DeckImportProgress {
    std::atomic<int> converted{0};
    std::atomic<int> total{0};
    std::atomic<bool> cancel{false};
};

struct DeckImportOutcome {
    bool ok = false;
    bool cancelled = false;
    QString message;
    QString list_name;
    int entries = 0;
    int recordings = 0;      // recording files written
    int missing_media = 0;   // sounds named by notes but not in the package: those entries have none
};

// Converts every clip on `threads` workers, then writes the list, the master's new lines, the counter
// and the recordings as one change: when a clip is broken, a write fails or the import is cancelled,
// every file stays as it was. Blocks until done; safe to run off the window's thread.
DeckImportOutcome run_deck_import(const AnkiDeck& deck, const DeckImportPlan& plan, DeckImportProgress& progress,
                                  int threads);

}  // namespace ql
