#pragma once
#include <QString>
#include <QStringList>
#include <optional>

namespace ql {

struct AppState;
class FileChanges;

// A word list split by whether each entry's word has been recorded yet. Element i of each group is
// row i of that group's two list boxes.
struct SoundGroups {
    QStringList with_words, with_translations, with_numbers;
    QStringList without_words, without_translations, without_numbers;
    int with_count() const { return int(with_numbers.size()); }
    int without_count() const { return int(without_numbers.size()); }
};

inline const QString kWithSounds = QStringLiteral("with sounds");
inline const QString kWithoutSounds = QStringLiteral("without sounds");

// True when the word of this sound number has a new recording (.str) or an installed one (.mp3) in
// the current language.
bool has_sound_file(const AppState& m, const QString& sound_number);

// Groups every line of `list_file` whose third field is present and not empty; a missing file gives
// empty groups. Lists of any length are grouped whole.
SoundGroups create_arrays(const AppState& m, const QString& list_file);
// The main window's selected entry alone (record_word_index is an index into the shown arrays).
SoundGroups create_word(const AppState& m);

// Paths of the language's number counter and change log.
QString highest_num_path(const AppState& m);
QString changes_path(const AppState& m);

// Hands out the language's next sound number into m.new_sound_number and advances the counter on
// disk. Returns false (with `error` set, nothing handed out) when the counter cannot be read or
// written or has run past 99999.
bool get_high(AppState& m, QString* error);

// A text that would break the list line it is written into, or an empty string when it is fine.
QString text_refusal(const QString& word, const QString& translation);

// Appends word|translation|new_sound_number to the file, creating it when missing.
bool append_entry(AppState& m, const QString& path, const QString& word, const QString& translation, QString* error);

// Rewrites every line of `path` that ends in m.current_sound_number: replaced by the given texts, or
// removed while m.deleting is set. Changes to the master file are logged. A file that cannot be
// read is left alone (true); a failed rewrite leaves the old file whole and returns false.
bool replace_or_delete(AppState& m, const QString& path, const QString& word, const QString& translation,
                       QString* error);
// The same change, added to `changes` (with its log line) to be carried out with other files'.
void queue_replace_or_delete(AppState& m, const QString& path, const QString& word, const QString& translation,
                             FileChanges& changes);

// The outcome of a save, an add or a delete: the messages to show, in order. Empty when all went well.
struct EditResult {
    bool ok = true;
    QStringList messages;
};

// Saves the two texts over the entry of m.current_sound_number in the list, master, unknown and known
// files (while deleting, it is removed instead).
EditResult save_text(AppState& m, const QString& word, const QString& translation);
// Removes the entry of m.current_sound_number from the four files and logs it.
EditResult delete_word(AppState& m, const QString& word, const QString& translation);
// Adds the pair under a new sound number to the list, the master and the student's unknown file.
EditResult add_word(AppState& m, const QString& word, const QString& translation);

}  // namespace ql
