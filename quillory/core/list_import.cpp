#include "list_import.h"

#include "core/shown_words.h"
#include "core/workspace.h"
#include "core/text_file.h"
#include "core/ui_text.h"

#include <QFile>
#include <QSet>

namespace ql {

namespace {

constexpr int kFirstNewNumber = 70000;
constexpr int kLastSoundNumber = 99999;
constexpr int kLinesShown = 5;

void note(ImportPairs::Skipped& s, int line) {
    ++s.count;
    if (s.lines.size() < kLinesShown) s.lines << line;
}

QString pair_key(const QString& word, const QString& translation) { return word + QChar(0) + translation; }


}  // namespace

ImportPairs collect_pairs(const WordTable& table, int word_column, int translation_column) {
    ImportPairs out;
    QSet<QString> seen;
    for (size_t i = 0; i < table.rows.size(); ++i) {
        const QStringList& row = table.rows[i];
        const int line = i < table.row_lines.size() ? table.row_lines[i] : int(i) + 1;
        const QString word = word_column >= 0 && word_column < row.size() ? row[word_column].trimmed() : QString();
        const QString translation =
            translation_column >= 0 && translation_column < row.size() ? row[translation_column].trimmed() : QString();
        if (word.contains(u'\n') || word.contains(u'\r') || translation.contains(u'\n') || translation.contains(u'\r')) {
            note(out.line_break, line);
        } else if (word.contains(u'|') || translation.contains(u'|')) {
            note(out.bar_inside, line);
        } else if (word.isEmpty() || translation.isEmpty()) {
            note(out.empty_field, line);
        } else if (seen.contains(pair_key(word, translation))) {
            note(out.repeated, line);
        } else if (int(out.pairs.size()) >= kMaxListEntries) {
            note(out.over_limit, line);
        } else {
            seen.insert(pair_key(word, translation));
            out.pairs.push_back({word, translation});
        }
    }
    return out;
}

QString skipped_summary(const ImportPairs& p, WordFileFormat format) {
    if (p.skipped() == 0) return QString();
    const bool entries = format == WordFileFormat::Kvtml;
    QStringList reasons;
    auto add = [&](const ImportPairs::Skipped& s, const QString& why) {
        if (s.count == 0) return;
        QStringList at;
        for (int l : s.lines) at << QString::number(l);
        if (s.count > s.lines.size()) at << QStringLiteral("...");
        reasons << Quillory::tr("%1 %2 (%3 %4)")
                       .arg(s.count)
                       .arg(why, s.lines.size() == 1 && s.count == 1 ? Quillory::tr("line") : Quillory::tr("lines"),
                            at.join(QStringLiteral(", ")));
    };
    add(p.empty_field, Quillory::tr("with an empty field"));
    add(p.bar_inside, Quillory::tr("with \"|\" inside a field"));
    add(p.line_break, Quillory::tr("with a line break inside a field"));
    add(p.repeated, Quillory::tr("repeating a pair above"));
    add(p.over_limit, Quillory::tr("beyond the %1 pairs one list holds").arg(kMaxListEntries));
    const int n = p.skipped();
    const QString sentence =
        entries ? (n == 1 ? Quillory::tr("%n entry will be skipped: %1.", nullptr, n)
                          : Quillory::tr("%n entries will be skipped: %1.", nullptr, n))
                : (n == 1 ? Quillory::tr("%n line will be skipped: %1.", nullptr, n)
                          : Quillory::tr("%n lines will be skipped: %1.", nullptr, n));
    return sentence.arg(reasons.join(QStringLiteral("; ")));
}

QString list_name_refusal(const Workspace& m, const QString& language, QString& name) {
    name.replace(u' ', u'_');
    if (name.isEmpty()) return Quillory::tr("Please type a name for the new list.");
    // A list's name also names the students' "-u.txt" and "-k.txt" files.
    if (const QString refusal = path_name_refusal(name, Quillory::tr("list name"), 6); !refusal.isEmpty())
        return refusal;
    // The master is a list file too; a list of its name would be written twice over.
    if (file_exists(m.languages_folder + language + u'/' + name + QStringLiteral(".txt")) ||
        name.compare(QStringLiteral("master_") + language, Qt::CaseInsensitive) == 0)
        return Quillory::tr("That list already exists for this language.  Please choose another list name.");
    return QString();
}

ImportOutcome import_word_pairs(const Workspace& m, const QString& language, QString list_name,
                                const std::vector<WordPair>& pairs) {
    ImportOutcome r;
    if (language.isEmpty()) {
        r.message = Quillory::tr("First select a language.");
        return r;
    }
    r.message = list_name_refusal(m, language, list_name);
    r.list_name = list_name;
    if (!r.message.isEmpty()) return r;
    if (pairs.empty()) {
        r.message = Quillory::tr("There are no word pairs to import.");
        return r;
    }
    const QString folder = m.languages_folder + language + u'/';
    const QString list_path = folder + list_name + QStringLiteral(".txt");
    const QString master_path = folder + QStringLiteral("master_") + language + QStringLiteral(".txt");
    const QString counter_path = folder + QStringLiteral("highest_num.dat");

    // Everything is worked out before the first byte is written.
    QByteArray master_bytes;
    if (file_exists(master_path)) {
        QFile f(master_path);
        if (!f.open(QIODevice::ReadOnly)) {
            r.message = Quillory::tr("Could not read the file %1: %2").arg(master_path, f.errorString());
            return r;
        }
        master_bytes = f.readAll();
    }
    // A pair standing twice in the master keeps the number of its first entry, the one search and the
    // editors find first.
    QHash<QString, QString> known;
    {
        const QStringList master_lines = decode_text(master_bytes).split(u'\n');
        for (auto it = master_lines.crbegin(); it != master_lines.crend(); ++it) {
            QString l = *it;
            if (l.endsWith(u'\r')) l.chop(1);
            if (const auto e = parse_entry(l); e && !e->sound_number.isEmpty())
                known.insert(pair_key(e->word, e->translation), e->sound_number);
        }
    }

    int next = kFirstNewNumber;
    const bool counter_exists = file_exists(counter_path);
    if (counter_exists) {
        const auto line = read_first_line(counter_path);
        bool ok = false;
        next = line ? line->trimmed().toInt(&ok) : -1;
        if (!line) {
            r.message = Quillory::tr("Could not read the file %1.").arg(counter_path);
            return r;
        }
        if (!ok || next < 0) {
            r.message = Quillory::tr("The file %1 does not hold a sound number. Please correct it so that it holds "
                                       "the next free number, for example 70000.")
                            .arg(counter_path);
            return r;
        }
    }

    QStringList list_lines, master_added;
    list_lines.reserve(qsizetype(pairs.size()));
    int number = next;
    for (const WordPair& p : pairs) {
        const QString key = pair_key(p.word, p.translation);
        QString sound = known.value(key);
        if (sound.isEmpty()) {
            if (number > kLastSoundNumber) {
                r.message = Quillory::tr("Only %1 sound numbers up to 99999 are still free in this language, too few "
                                           "for the new words of this file. Nothing was imported.")
                                .arg(std::max(0, kLastSoundNumber - next + 1));
                return r;
            }
            sound = QStringLiteral("%1").arg(number++, 5, 10, QChar(u'0'));
            known.insert(key, sound);
            master_added << format_entry(p.word, p.translation, sound);
            ++r.added;
        } else {
            ++r.reused;
        }
        list_lines << format_entry(p.word, p.translation, sound);
    }

    QString error;
    // The counter, the new list and the master's new lines change together or not at all: a failure
    // leaves the language as it was, with no number used up. The master keeps its character set.
    FileChanges changes;
    // The new list takes the language's set, as its master holds it.
    changes.new_files_follow({master_path});
    if (r.added > 0) changes.rewrite_lines(counter_path, {u' ' + QString::number(number) + u' '});
    changes.rewrite_lines(list_path, list_lines);
    if (r.added > 0) changes.append_lines(master_path, master_added);
    if (!changes.apply(&error)) {
        r.message = Quillory::tr("%1\r\nNothing was imported: the files of the language are as they were.").arg(error);
        return r;
    }
    r.ok = true;
    const int imported = int(pairs.size());
    r.message = (imported == 1 ? Quillory::tr("%n word pair was imported into the new list %1.", nullptr, imported)
                               : Quillory::tr("%n word pairs were imported into the new list %1.", nullptr, imported))
                    .arg(list_name);
    if (r.reused > 0)
        r.message += u' ' + (r.reused == 1
                                 ? Quillory::tr("%n of them was already in the language and kept its sound number.", nullptr, r.reused)
                                 : Quillory::tr("%n of them were already in the language and kept its sound number.", nullptr, r.reused));
    return r;
}

ExportFormat export_format_for(const QString& path) {
    return path.endsWith(QStringLiteral(".kvtml"), Qt::CaseInsensitive) ? ExportFormat::Kvtml : ExportFormat::Tsv;
}

bool export_word_list(const Workspace& m, const QString& language, const QString& list, const QString& path,
                      ExportFormat format, QString* error) {
    const QString folder = m.languages_folder + language + u'/';
    const QString list_path = folder + list + QStringLiteral(".txt");
    const auto lines = read_lines(list_path);
    if (!lines) {
        if (error) *error = Quillory::tr("Could not read the file %1.").arg(list_path);
        return false;
    }
    std::vector<WordPair> pairs;
    for (const QString& l : *lines)
        if (const auto e = parse_entry(l)) pairs.push_back({e->word, e->translation});
    if (format == ExportFormat::Tsv) return write_bytes(path, export_tsv(pairs), error);
    const QString target = read_first_line(folder + QStringLiteral("trans_") + language + QStringLiteral(".dat"))
                               .value_or(QString())
                               .trimmed();
    return write_bytes(path, export_kvtml(pairs, language, target, list), error);
}

}  // namespace ql
