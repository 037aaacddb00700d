#include "main_view.h"
#include "prompter.h"
#include "app_state.h"
#include "known_words.h"
#include "review_schedule.h"
#include "text_file.h"

#include <QFile>
#include <QSet>

namespace ql {

namespace {

void report(AppState& m, const QString& error) {
    if (m.prompter && !error.isEmpty()) m.prompter->message(error);
}

// The lines of a student file that are entries, as a move writes them back.
QStringList entry_lines(const QString& path) {
    QStringList lines;
    for (const QString& line : read_lines(path).value_or(QStringList()))
        if (auto e = parse_entry(line)) lines << format_entry(*e);
    return lines;
}

// Writes a move whose source keeps `kept`, with the review schedule's change, then reloads the
// shown entries.
bool commit_move(AppState& m, const QString& destination, const QString& source, const QStringList& kept,
                 const QString& moved_line) {
    // Both files change together or neither does. The append goes in before the source is replaced,
    // so that a process killed between the two leaves the word in both files, never in neither.
    FileChanges changes;
    changes.rewrite_lines(source, kept);
    changes.append_lines(destination, {moved_line});
    changes.new_files_follow({m.list_file, m.master_file});
    schedule_move(m, destination, source, moved_line, changes);
    QString error;
    if (!changes.apply(&error)) {
        report(m, error);
        return false;
    }
    if (!m.shown_file.isEmpty()) {
        create_array_of_words(m, m.shown_file);
        if (m.main_view) m.main_view->display_words();
    }
    return true;
}

}  // namespace

void generate_unknowns_file(AppState& m) {
    const QString folder = m.user_folder + m.current_language + u'/';
    m.list_file = m.languages_folder + m.current_language + u'/' + m.current_list + QStringLiteral(".txt");
    m.known_file = folder + m.current_list + QStringLiteral("-k.txt");
    m.unknown_file = folder + m.current_list + QStringLiteral("-u.txt");
    make_unknown_file(m, m.list_file, m.known_file, m.unknown_file);
}

bool make_unknown_file(AppState& m, const QString& list_file, const QString& known_file, const QString& unknown_file) {
    if (file_exists(unknown_file) || !file_exists(list_file)) return true;

    QString error;
    if (!file_exists(known_file)) {
        QFile list(list_file);
        if (!list.open(QIODevice::ReadOnly)) return false;
        if (write_bytes(unknown_file, list.readAll(), &error)) return true;
        report(m, error);
        return false;
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
    changes.new_files_follow({list_file, m.master_file});
    if (changes.apply(&error)) return true;
    report(m, error);
    return false;
}

QStringList known_list_names(AppState& m) {
    const QString folder = m.user_folder + m.current_language + u'/';
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

bool move_word(AppState& m, const QString& destination, const QString& source, int index) {
    if (index < 0 || index >= m.shown_count()) return false;
    const Entry moved{m.shown_words[index], m.shown_translations[index], m.shown_sound_numbers[index]};

    // The source is rebuilt from its own entries, never from whatever the columns show (search
    // results, another file's words).
    QStringList kept = entry_lines(source);
    const QString moved_line = format_entry(moved);
    qsizetype at = -1;
    if (m.shown_file == source && !m.shown_are_search_results && index < kept.size() && kept[index] == moved_line)
        at = index;
    else
        at = kept.indexOf(moved_line);
    if (at < 0) return false;
    kept.removeAt(at);
    return commit_move(m, destination, source, kept, moved_line);
}

bool move_entry(AppState& m, const QString& destination, const QString& source, const QString& line) {
    QStringList kept = entry_lines(source);
    const qsizetype at = kept.indexOf(line);
    if (at < 0) return false;
    kept.removeAt(at);
    return commit_move(m, destination, source, kept, line);
}

bool mark_word_known(AppState& m, int index) { return move_word(m, m.known_file, m.unknown_file, index); }

bool mark_word_unknown(AppState& m, int index) { return move_word(m, m.unknown_file, m.known_file, index); }

}  // namespace ql
