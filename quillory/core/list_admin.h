#pragma once
#include "contact.h"

#include <QString>
#include <optional>

namespace ql {

class Prompter;
struct LanguageSession;
struct Workspace;

// Asks for a new language and its target language and lays out its folder; when the target is on
// disk its lists are derived for the new language. Returns true when the language box must be
// filled again from disk.
bool add_language(Prompter& p, const Workspace& w);

// Asks for the name of a new list of the current language and writes its template line. Returns the
// list's name (spaces made "_") when the file was made.
std::optional<QString> add_word_list(Prompter& p, const Workspace& w, const LanguageSession& lang);

// The line of a derived list and of the translation index for one line of the target's list.
QString derived_list_line(const QString& target_line);
QString derived_index_line(const QString& target_line);

}  // namespace ql
