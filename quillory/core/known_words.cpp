#include "main_view.h"
#include "prompter.h"
#include "app_state.h"
#include "text_file.h"

#include <QFile>
#include <QSet>

namespace ql {

namespace {

void report(AppState& m, const QString& error) {
    if (m.prompter && !error.isEmpty()) m.prompter->message(error);
}

}  // namespace

void generate_unknowns_file(AppState& m) {
    const QString folder = m.user_folder + m.current_language + u'/';
    m.list_file = m.languages_folder + m.current_language + u'/' + m.current_list + QStringLiteral(".txt");
    m.known_file = folder + m.current_list + QStringLiteral("-k.txt");
    m.unknown_file = folder + m.current_list + QStringLiteral("-u.txt");
    if (file_exists(m.unknown_file) || !file_exists(m.list_file)) return;

    QString error;
    if (!file_exists(m.known_file)) {
        QFile list(m.list_file);
        if (!list.open(QIODevice::ReadOnly)) return;
        if (!write_bytes(m.unknown_file, list.readAll(), &error)) report(m, error);
        return;
    }
    // Every known line is kept, however long the known file: a cut-off table would bring learned
    // words back as unknown.
    const auto known = read_lines(m.known_file).value_or(QStringList());
    QSet<QString> known_set(known.begin(), known.end());
    known_set.insert(QString());
    QStringList unknown;
    for (const QString& line : read_lines(m.list_file).value_or(QStringList()))
        if (!known_set.contains(line)) unknown << line;
    if (!write_lines(m.unknown_file, unknown, &error)) report(m, error);
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
    QStringList kept;
    for (const QString& line : read_lines(source).value_or(QStringList()))
        if (auto e = parse_entry(line)) kept << format_entry(*e);
    const QString moved_line = format_entry(moved);
    qsizetype at = -1;
    if (m.shown_file == source && !m.shown_are_search_results && index < kept.size() && kept[index] == moved_line)
        at = index;
    else
        at = kept.indexOf(moved_line);
    if (at < 0) return false;
    kept.removeAt(at);

    // Both files change together or neither does. The append goes in before the source is replaced,
    // so that a process killed between the two leaves the word in both files, never in neither.
    FileChanges changes;
    changes.rewrite_lines(source, kept);
    changes.append_lines(destination, {moved_line});
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

bool mark_word_known(AppState& m, int index) { return move_word(m, m.known_file, m.unknown_file, index); }

bool mark_word_unknown(AppState& m, int index) { return move_word(m, m.unknown_file, m.known_file, index); }

}  // namespace ql
