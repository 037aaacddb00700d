#pragma once
#include <QString>
#include <QStringList>
#include <optional>

namespace ql {

class FileChanges;
struct LanguageSession;
struct ShownWords;
struct Workspace;

// A word list split by whether each entry's word has been recorded yet. Element i of each group is
// row i of that group's two list boxes.
struct SoundGroups {
    QStringList with_words, with_translations, with_numbers;
    QStringList without_words, without_translations, without_numbers;
    int with_count() const { return int(with_numbers.size()); }
    int without_count() const { return int(without_numbers.size()); }
};

// The record-and-edit window's selected entry: what its edits act on.
struct RecordEditState {
    QString chosen_list;           // kWithSounds or kWithoutSounds; empty until a word is chosen
    QString current_sound_number;  // the chosen word's; empty until a word is chosen
    QString changes_file;          // the language's log of changes to its master file
};

inline const QString kWithSounds = QStringLiteral("with sounds");
inline const QString kWithoutSounds = QStringLiteral("without sounds");

// True when the word of this sound number has a new recording (.str) or an installed one (.mp3) in
// the current language.
bool has_sound_file(const Workspace& w, const LanguageSession& lang, const QString& sound_number);

// Groups every line of `list_file` whose third field is present and not empty; a missing file gives
// empty groups. Lists of any length are grouped whole.
SoundGroups create_arrays(const Workspace& w, const LanguageSession& lang, const QString& list_file);
// One shown entry alone (the main window's selected word, by its entry index); empty groups when the
// index is not an entry.
SoundGroups create_word(const Workspace& w, const LanguageSession& lang, const ShownWords& shown, int index);

// Paths of the language's number counter and change log.
QString highest_num_path(const Workspace& w, const LanguageSession& lang);
QString changes_path(const Workspace& w, const LanguageSession& lang);

// Hands out the language's next sound number (five digits) and advances the counter on disk.
// std::nullopt (with `error` set, nothing handed out) when the counter cannot be read or written or
// has run past 99999.
std::optional<QString> get_high(const Workspace& w, const LanguageSession& lang, QString* error);

// A text that would break the list line it is written into, or an empty string when it is fine.
QString text_refusal(const QString& word, const QString& translation);

// Appends word|translation|sound_number to the file, creating it when missing.
bool append_entry(const QString& path, const QString& word, const QString& translation, const QString& sound_number,
                  QString* error);

// Whether an entry edit keeps the entry with new texts or removes it.
enum class EntryEdit { Replace, Delete };

// Rewrites every line of `path` that ends in the selected word's sound number (rec.current_sound_number):
// replaced by the given texts, or removed. Changes to the master file are logged in rec.changes_file.
// A file that cannot be read is left alone (true); a failed rewrite leaves the old file whole and
// returns false.
bool replace_or_delete(const LanguageSession& lang, const RecordEditState& rec, EntryEdit edit, const QString& path,
                       const QString& word, const QString& translation, QString* error);
// The same change, added to `changes` (with its log line) to be carried out with other files'.
void queue_replace_or_delete(const LanguageSession& lang, const RecordEditState& rec, EntryEdit edit,
                             const QString& path, const QString& word, const QString& translation,
                             FileChanges& changes);

// The outcome of a save, an add or a delete: the messages to show, in order. Empty when all went well.
struct EditResult {
    bool ok = true;
    QStringList messages;
};

// Saves the two texts over the entry of rec.current_sound_number in the list, master, unknown and
// known files.
EditResult save_text(const LanguageSession& lang, const RecordEditState& rec, const QString& word,
                     const QString& translation);
// Removes the entry of rec.current_sound_number from the four files and logs it.
EditResult delete_word(const LanguageSession& lang, const RecordEditState& rec, const QString& word,
                       const QString& translation);
// Adds the pair under a new sound number to the list, the master and the student's unknown file.
EditResult add_word(const Workspace& w, const LanguageSession& lang, const QString& word, const QString& translation);

}  // namespace ql
