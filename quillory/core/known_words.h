#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

namespace ql {

class Prompter;
struct LanguageSession;
struct ShownWords;
struct Workspace;

// Known-word moves. Each moves one entry from a student file to the end of another, with the
// review schedule kept in step (`today` dates a word newly known); the files change together or
// not at all. On failure `error` says why and nothing changed. The caller reloads what it shows.

// Moves entry `index` of the shown entries (an entry index, not a window row).
bool move_word(const LanguageSession& lang, const ShownWords& shown, const QString& destination, const QString& source,
               int index, QDate today, QString* error);
// The chosen list's unknown file to its known file, and back, as a view makes the move: a failure is
// reported through `prompter`, a success reloads `shown` from its file (the caller shows it again).
bool mark_word_known(Prompter* prompter, const LanguageSession& lang, ShownWords& shown, QDate today, int index);
bool mark_word_unknown(Prompter* prompter, const LanguageSession& lang, ShownWords& shown, QDate today, int index);
// Moves the first entry equal to `line`. False when the source holds no such entry.
bool move_entry(const LanguageSession& lang, const QString& destination, const QString& source, const QString& line,
                QDate today, QString* error);

// Makes a list's unknown file when it is missing: the list less the known words. False when it
// could not be written (`error` says why).
bool make_unknown_file(const LanguageSession& lang, const QString& list_file, const QString& known_file,
                       const QString& unknown_file, QString* error);
// Chooses a list of the chosen language: names its list file and the student's known and unknown
// files in `lang`, and makes the unknown file when it is missing (a failure is reported).
void generate_unknowns_file(const Workspace& w, LanguageSession& lang, Prompter* prompter);
// Names of the student's known lists for the chosen language (deleting known files under 2 bytes).
QStringList known_list_names(const Workspace& w, const LanguageSession& lang);

// Reloads the shown entries from the file they came from, when they came from one.
void reload_shown(ShownWords& shown);

}  // namespace ql
