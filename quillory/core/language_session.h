#pragma once
#include <QString>
#include <QStringList>
#include <vector>

namespace ql {

struct Workspace;

// The language the student chose and the list chosen in it, with the files they name.
struct LanguageSession {
    QString current_language;
    QString master_file, trans_file, target_language, trans_index_file;
    // For each sound number (0-99999) of the language, the sound number of its translation.
    std::vector<QString> target_sound_numbers = std::vector<QString>(100000);

    // The chosen list and the student's files for it; empty until a list is chosen.
    QString current_list;
    QString list_file, unknown_file, known_file;
};

struct LanguageChoice {
    LanguageSession session;
    QStringList lists;  // the language's list names, to show
};

// The file work of a language click: folders, list names (deleting lists under 2 bytes), the target
// language and its translation index.
LanguageChoice choose_language(const Workspace& w, const QString& language);

}  // namespace ql
