#include "known_words.h"

#include "language_session.h"
#include "prompter.h"
#include "shown_words.h"
#include "workspace.h"
#include "review_schedule.h"
#include "text_file.h"

#include <QFile>
#include <QSet>

namespace ql {

namespace {

// The lines of a student file that are entries, as a move writes them back.
QStringList entry_lines(const QString& path) {
    QStringList lines;
    for (const QString& line : read_lines(path).value_or(QStringList()))
        if (auto e = parse_entry(line)) lines << format_entry(*e);
    return lines;
}

// Writes a move whose source keeps `kept`, with the review schedule's change.
bool commit_move(const LanguageSession& lang, const QString& destination, const QString& source,
                 const QStringList& kept, const QString& moved_line, QDate today, QString* error) {
    // Both files change together or neither does. The append goes in before the source is replaced,
    // so that a process killed between the two leaves the word in both files, never in neither.
    FileChanges changes;
    changes.rewrite_lines(source, kept);
    changes.append_lines(destination, {moved_line});
    changes.new_files_follow({lang.list_file, lang.master_file});
    schedule_move(today, destination, source, moved_line, changes);
    return changes.apply(error);
}

}  // namespace

void generate_unknowns_file(const Workspace& w, LanguageSession& m, Prompter* prompter) {
    const QString folder = w.user_folder + m.current_language + u'/';
    m.list_file = w.languages_folder + m.current_language + u'/' + m.current_list + QStringLiteral(".txt");
    m.known_file = folder + m.current_list + QStringLiteral("-k.txt");
    m.unknown_file = folder + m.current_list + QStringLiteral("-u.txt");
    QString error;
    if (!make_unknown_file(m, m.list_file, m.known_file, m.unknown_file, &error) && prompter && !error.isEmpty())
        prompter->message(error);
}

bool make_unknown_file(const LanguageSession& lang, const QString& list_file, const QString& known_file,
                       const QString& unknown_file, QString* error) {
    if (file_exists(unknown_file) || !file_exists(list_file)) return true;

    if (!file_exists(known_file)) {
        QFile list(list_file);
        if (!list.open(QIODevice::ReadOnly)) return false;
        return write_bytes(unknown_file, list.readAll(), error);
    }
    // Every known line is kept, however long the known file: a cut-off table would bring learned
    // words back as unknown.
    const auto known = read_lines(known_file).value_or(QStringList());
    QSet<QString> known_set(known.begin(), known.end());
    known_set.insert(QString());
    QStringList unknown;
    for (const QString& line : read_lines(list_file).value_or(QStringList()))
        if (!known_set.contains(line)) unknown << line;
    FileChanges changes;
    changes.rewrite_lines(unknown_file, unknown);
    changes.new_files_follow({list_file, lang.master_file});
    return changes.apply(error);
}

QStringList known_list_names(const Workspace& w, const LanguageSession& lang) {
    const QString folder = w.user_folder + lang.current_language + u'/';
    QStringList names;
    for (const QString& name : folder_entries(folder)) {
        if (!name.endsWith(QStringLiteral("-k.txt"))) continue;
        if (file_size(folder + name) < 2) {
            QFile::remove(folder + name);
            continue;
        }
        names << name.left(name.size() - 6);
    }
    return names;
}

bool move_word(const LanguageSession& lang, const ShownWords& shown, const QString& destination, const QString& source,
               int index, QDate today, QString* error) {
    if (index < 0 || index >= shown.shown_count()) return false;
    const Entry moved{shown.shown_words[index], shown.shown_translations[index], shown.shown_sound_numbers[index]};

    // The source is rebuilt from its own entries, never from whatever the columns show (search
    // results, another file's words).
    QStringList kept = entry_lines(source);
    const QString moved_line = format_entry(moved);
    qsizetype at = -1;
    if (shown.shown_file == source && !shown.shown_are_search_results && index < kept.size() && kept[index] == moved_line)
        at = index;
    else
        at = kept.indexOf(moved_line);
    if (at < 0) return false;
    kept.removeAt(at);
    return commit_move(lang, destination, source, kept, moved_line, today, error);
}

bool move_entry(const LanguageSession& lang, const QString& destination, const QString& source, const QString& line,
                QDate today, QString* error) {
    QStringList kept = entry_lines(source);
    const qsizetype at = kept.indexOf(line);
    if (at < 0) return false;
    kept.removeAt(at);
    return commit_move(lang, destination, source, kept, line, today, error);
}

namespace {

bool move_shown_word(Prompter* prompter, const LanguageSession& lang, ShownWords& shown, const QString& destination,
                     const QString& source, QDate today, int index) {
    QString error;
    if (!move_word(lang, shown, destination, source, index, today, &error)) {
        if (prompter && !error.isEmpty()) prompter->message(error);
        return false;
    }
    reload_shown(shown);
    return true;
}

}  // namespace

bool mark_word_known(Prompter* prompter, const LanguageSession& lang, ShownWords& shown, QDate today, int index) {
    return move_shown_word(prompter, lang, shown, lang.known_file, lang.unknown_file, today, index);
}

bool mark_word_unknown(Prompter* prompter, const LanguageSession& lang, ShownWords& shown, QDate today, int index) {
    return move_shown_word(prompter, lang, shown, lang.unknown_file, lang.known_file, today, index);
}

void reload_shown(ShownWords& shown) {
    if (!shown.shown_file.isEmpty()) create_array_of_words(shown, shown.shown_file);
}

}  // namespace ql
