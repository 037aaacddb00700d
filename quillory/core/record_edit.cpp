#include "record_edit.h"

#include "player.h"
#include "text_file.h"
#include "core/ui_text.h"

namespace ql {

namespace {

const QString kHighestFile = QStringLiteral("highest_num.dat");
constexpr int kFirstNewNumber = 70000;
constexpr int kLastSoundNumber = 99999;

void set_error(QString* error, const QString& text) {
    if (error) *error = text;
}

QString language_folder(const Workspace& w, const LanguageSession& lang) {
    return w.languages_folder + lang.current_language + u'/';
}

void add_to_group(SoundGroups& g, bool with_sound, const QString& word, const QString& translation,
                  const QString& number) {
    if (with_sound) {
        g.with_words << word;
        g.with_translations << translation;
        g.with_numbers << number;
    } else {
        g.without_words << word;
        g.without_translations << translation;
        g.without_numbers << number;
    }
}

}  // namespace

bool has_sound_file(const Workspace& w, const LanguageSession& lang, const QString& sound_number) {
    return file_exists(new_sound_path(w, sound_number, lang.current_language)) ||
           file_exists(installed_sound_path(w, sound_number, lang.current_language));
}

SoundGroups create_arrays(const Workspace& w, const LanguageSession& lang, const QString& list_file) {
    SoundGroups g;
    const auto lines = read_lines(list_file);
    if (!lines) return g;
    for (const QString& line : *lines) {
        // Only the first three fields count; a line without a sound number has nothing to record.
        const QStringList fields = line.split(u'|');
        if (fields.size() < 3 || fields[2].isEmpty()) continue;
        add_to_group(g, has_sound_file(w, lang, fields[2]), fields[0], fields[1], fields[2]);
    }
    return g;
}

SoundGroups create_word(const Workspace& w, const LanguageSession& lang, const ShownWords& shown, int i) {
    SoundGroups g;
    if (i < 0 || i >= shown.shown_count()) return g;
    const QString number = shown.shown_sound_numbers.value(i);
    add_to_group(g, has_sound_file(w, lang, number), shown.shown_words.value(i), shown.shown_translations.value(i),
                 number);
    return g;
}

QString highest_num_path(const Workspace& w, const LanguageSession& lang) {
    return language_folder(w, lang) + kHighestFile;
}

QString changes_path(const Workspace& w, const LanguageSession& lang) {
    return language_folder(w, lang) + QStringLiteral("changes_") + lang.current_language + QStringLiteral(".dat");
}

std::optional<QString> get_high(const Workspace& w, const LanguageSession& lang, QString* error) {
    const QString path = highest_num_path(w, lang);
    if (!file_exists(path) && !write_lines(path, {QString::number(kFirstNewNumber)}, error)) return std::nullopt;
    const auto line = read_first_line(path);
    if (!line) {
        set_error(error, Quillory::tr("Could not read the file %1.").arg(path));
        return std::nullopt;
    }
    bool ok = false;
    const int number = line->trimmed().toInt(&ok);
    if (!ok || number < 0) {
        set_error(error, Quillory::tr("The file %1 does not hold a sound number. Please correct it so that it holds "
                                        "the next free number, for example 70000.")
                             .arg(path));
        return std::nullopt;
    }
    if (number > kLastSoundNumber) {
        set_error(error, Quillory::tr("All sound numbers up to 99999 have been used in this language, so no new "
                                        "word or phrase can be added."));
        return std::nullopt;
    }
    // Written as the counter has always been written, with a blank on each side; readers strip the blanks.
    if (!write_lines(path, {u' ' + QString::number(number + 1) + u' '}, error)) return std::nullopt;
    return QStringLiteral("%1").arg(number, 5, 10, QChar(u'0'));
}

QString text_refusal(const QString& word, const QString& translation) {
    const QString both = word + translation;
    if (both.contains(u'|'))
        return Quillory::tr("The text may not contain the character \"|\", which separates the parts of a list line. "
                              "Please remove it and try again.");
    if (both.contains(u'\r') || both.contains(u'\n'))
        return Quillory::tr("The text may not contain line breaks. Please remove them and try again.");
    return QString();
}

bool append_entry(const QString& path, const QString& word, const QString& translation, const QString& sound_number,
                  QString* error) {
    return append_lines(path, {format_entry(word, translation, sound_number)}, error);
}

void queue_replace_or_delete(const LanguageSession& lang, const RecordEditState& rec, EntryEdit edit,
                             const QString& path, const QString& word, const QString& translation,
                             FileChanges& changes) {
    const QString number = rec.current_sound_number;
    if (number.isEmpty()) return;
    auto lines = read_lines(path);
    if (!lines) return;
    const bool deleting = edit == EntryEdit::Delete;
    const bool is_master = path == lang.master_file;
    const QString new_line = format_entry(word, translation, number);

    QStringList out;
    QStringList logged;
    bool matched = false;
    out.reserve(lines->size());
    for (const QString& line : *lines) {
        if (line.right(5) != number) {
            out << line;
            continue;
        }
        matched = true;
        if (deleting) {
            if (is_master) logged << QStringLiteral("word_deleted->") + new_line;
        } else {
            out << new_line;
            if (is_master) logged << line + QStringLiteral("->") + new_line;
        }
    }
    // A file without the number keeps its bytes exactly as they were.
    if (!matched) return;
    changes.rewrite_lines(path, out);
    if (!logged.isEmpty()) changes.append_lines(rec.changes_file, logged);
}

bool replace_or_delete(const LanguageSession& lang, const RecordEditState& rec, EntryEdit edit, const QString& path,
                       const QString& word, const QString& translation, QString* error) {
    FileChanges changes;
    queue_replace_or_delete(lang, rec, edit, path, word, translation, changes);
    return changes.apply(error);
}

namespace {

EditResult save_or_delete(const LanguageSession& m, const RecordEditState& rec, EntryEdit edit, const QString& word,
                          const QString& translation) {
    EditResult r;
    if (rec.current_sound_number.isEmpty()) {
        r.ok = false;
        r.messages << Quillory::tr("You have to select a word on one of the lists.");
        return r;
    }
    if (edit == EntryEdit::Replace) {
        const QString refusal = text_refusal(word, translation);
        if (!refusal.isEmpty()) {
            r.ok = false;
            r.messages << refusal;
            return r;
        }
    }
    QStringList files;
    if (m.master_file != m.list_file) files << m.list_file;
    files << m.master_file << m.unknown_file << m.known_file;
    // The list, the master, the student's files and the log change together or not at all: a list
    // saved without its student files would leave them disagreeing.
    FileChanges changes;
    changes.new_files_follow({m.list_file, m.master_file});
    for (const QString& f : files)
        if (!f.isEmpty()) queue_replace_or_delete(m, rec, edit, f, word, translation, changes);
    QString error;
    if (!changes.apply(&error)) {
        r.ok = false;
        r.messages << error;
    }
    return r;
}

}  // namespace

EditResult save_text(const LanguageSession& lang, const RecordEditState& rec, const QString& word,
                     const QString& translation) {
    return save_or_delete(lang, rec, EntryEdit::Replace, word, translation);
}

EditResult delete_word(const LanguageSession& lang, const RecordEditState& rec, const QString& word,
                       const QString& translation) {
    return save_or_delete(lang, rec, EntryEdit::Delete, word, translation);
}

EditResult add_word(const Workspace& w, const LanguageSession& m, const QString& word, const QString& translation) {
    EditResult r;
    const QString refusal = text_refusal(word, translation);
    if (!refusal.isEmpty()) {
        r.ok = false;
        r.messages << refusal;
        return r;
    }
    QString error;
    const std::optional<QString> number = get_high(w, m, &error);
    if (!number) {
        r.ok = false;
        r.messages << error;
        return r;
    }
    QStringList files;
    if (m.master_file != m.list_file) files << m.list_file;
    files << m.master_file << m.unknown_file;
    // The number stays taken whatever happens now; the entry goes into all three files or none.
    const QString line = format_entry(word, translation, *number);
    FileChanges changes;
    changes.new_files_follow({m.list_file, m.master_file});
    for (const QString& f : files)
        if (!f.isEmpty()) changes.append_lines(f, {line});
    if (!changes.apply(&error)) {
        r.ok = false;
        r.messages << error;
    }
    return r;
}

}  // namespace ql
