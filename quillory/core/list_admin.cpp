#include "list_admin.h"

#include "prompter.h"
#include "language_session.h"
#include "workspace.h"
#include "text_file.h"
#include "core/ui_text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ql {

namespace {

bool make_folder(Prompter& p, const QString& path) {
    if (QFileInfo(path).isDir() || QDir().mkpath(path)) return true;
    p.message(Quillory::tr("The folder %1 could not be created.").arg(path));
    return false;
}

// `language_files` give a new file its character set (see new_file_charset).
bool write_or_report(Prompter& p, const QString& path, const QStringList& lines, const QStringList& language_files = {}) {
    FileChanges changes;
    changes.rewrite_lines(path, lines);
    changes.new_files_follow(language_files);
    QString error;
    if (changes.apply(&error)) return true;
    p.message(error);
    return false;
}

// Lays the target's lists into the new language: the target's words become the translations and the
// sound numbers stay, so that the target's recordings speak the translations.
void derive_lists(Prompter& p, const Workspace& w, const QString& language, const QString& target) {
    const QString from = w.languages_folder + target + u'/';
    const QString to = w.languages_folder + language + u'/';
    QStringList index;
    for (const QString& name : folder_entries(from)) {
        if (!name.endsWith(QStringLiteral(".txt")) || !QFileInfo(from + name).isFile()) continue;
        const auto lines = read_lines(from + name);
        if (!lines) {
            p.message(Quillory::tr("Could not read the file %1.").arg(from + name));
            continue;
        }
        QString out_name = name;
        out_name.replace(QStringLiteral("master_") + target, QStringLiteral("master_") + language);
        QStringList derived;
        derived.reserve(lines->size());
        for (const QString& line : *lines) {
            derived << derived_list_line(line);
            index << derived_index_line(line);
        }
        // A derived list holds the target's words, in the set of the list they come from.
        write_or_report(p, to + out_name, derived, {from + name});
    }
    write_or_report(p, to + QStringLiteral("trans_index_") + language + u'_' + target + QStringLiteral(".dat"), index);
}

}  // namespace

QString derived_list_line(const QString& target_line) {
    const qsizetype bar = target_line.indexOf(u'|');
    return u'|' + target_line.left(bar + 1) + target_line.right(5);
}

QString derived_index_line(const QString& target_line) {
    const QString number = target_line.right(5);
    return number + u'|' + number;
}

bool add_language(Prompter& p, const Workspace& w) {
    const auto answer = p.input(
        Quillory::tr("This button is for the user to add their own language to the Quillory program.  It's best to "
                     "first email me at %1 or call me at %2 to find out if I already have word lists for the language "
                     "you want to add.  If you want to begin work on a new language, what do you want to call it?  Use "
                     "8 or fewer english letters and numbers, but not spaces.")
            .arg(contact::kEmail, contact::kPhone));
    const QString language = answer.value_or(QString()).toLower();
    if (language.isEmpty()) return false;
    // The longest name made from a language is its translation index, "trans_index_<language>_<target>.dat",
    // with a target of one letter at least; its other files ("master_<language>-u.txt",
    // "changes_<language>.dat", "<language>_str_NN.zip") are shorter.
    if (const QString refusal = path_name_refusal(language, Quillory::tr("language name"), 18); !refusal.isEmpty()) {
        p.message(refusal);
        return false;
    }
    const QString folder = w.languages_folder + language;
    if (file_exists(folder)) {
        p.message(Quillory::tr("That language already exits.  Please choose another name."));
        return false;
    }
    if (!make_folder(p, folder)) return false;

    const QString target =
        p
            .input(Quillory::tr(
                "You need to connect this new language to a 'target' language. The target language will be the "
                "other language in this language pair that the students already know.  Usually, the target language "
                "will be english.  If the target language you type below already exists on this computer, you will "
                "not have to type those target translations or record the target sounds.  What is the 'target' "
                "language?  Be sure to spell it correctly.  The name must be 8 or fewer english letters."))
            .value_or(QString())
            .toLower();
    // Abandoned here, the language leaves nothing behind: its folder is still empty.
    auto abandon = [&] {
        QDir().rmdir(folder);
        return false;
    };
    if (target.isEmpty()) return abandon();
    // Both names go into the translation index's name, "trans_index_<language>_<target>.dat".
    const int index_name_bytes = 17 + int(QFile::encodeName(language).size());
    if (const QString refusal = path_name_refusal(target, Quillory::tr("target language name"), index_name_bytes);
        !refusal.isEmpty()) {
        p.message(refusal);
        return abandon();
    }

    const QString target_folder = w.languages_folder + target;
    if (!file_exists(target_folder)) {
        p.message(
            Quillory::tr("That language folder is not on this computer, but your selection is being recorded."));
        if (make_folder(p, target_folder))
            write_or_report(p, target_folder + QStringLiteral("/trans_") + target + QStringLiteral(".dat"), {language});
    } else {
        p.message(Quillory::tr(
            "Thank you, that language was found on this computer.  Words lists from that language will now be "
            "formatted to be used in the new language you are adding so that the exiting words/phrases of the "
            "student's native language do not have to be retyped.  After clicking OK below you can select the new "
            "language in the list of languages, then select one of the word lists, and then select 'Record and "
            "Edit' to type the translations and record words for the new language."));
        derive_lists(p, w, language, target);
    }
    write_or_report(p, folder + QStringLiteral("/trans_") + language + QStringLiteral(".dat"), {target});
    return true;
}

std::optional<QString> add_word_list(Prompter& p, const Workspace& w, const LanguageSession& lang) {
    if (lang.current_language.isEmpty()) {
        p.message(Quillory::tr("First select a language."));
        return std::nullopt;
    }
    QString name =
        p
            .input(Quillory::tr("This creates a new word/phrase list to be added to the currently selected language (%1).  If this "
                                 "is not what you want to do, click cancel.  After creating this new list, you can add "
                                 "words and phrases to it using the 'Record and Edit Selected List' button. What is the "
                                 "name of the new list?  Use only english characters and numbers.")
                        .arg(lang.current_language))
            .value_or(QString());
    if (name.isEmpty()) return std::nullopt;
    name.replace(u' ', u'_');
    // A list's name also names the students' "-u.txt" and "-k.txt" files.
    if (const QString refusal = path_name_refusal(name, Quillory::tr("list name"), 6); !refusal.isEmpty()) {
        p.message(refusal);
        return std::nullopt;
    }
    const QString path = w.languages_folder + lang.current_language + u'/' + name + QStringLiteral(".txt");
    if (file_exists(path)) {
        p.message(
            Quillory::tr("That list already exists for this language.  Please choose another list name."));
        return std::nullopt;
    }
    if (!write_or_report(p, path, {lang.current_language + QStringLiteral(" word or phrase|student's language translation|99999")},
                         {lang.master_file}))
        return std::nullopt;
    p.message(name);
    return name;
}

}  // namespace ql
