#pragma once
#include "core/word_formats.h"

#include <QList>
#include <QString>
#include <vector>

namespace ql {

struct Workspace;

// The pairs a table gives for a choice of columns, and the records left out, by reason.
struct ImportPairs {
    struct Skipped {
        int count = 0;
        QList<int> lines;  // the first few file lines, to point at
    };
    std::vector<WordPair> pairs;
    Skipped empty_field;    // the word or the translation is empty (or missing)
    Skipped bar_inside;     // "|" would split the list line
    Skipped line_break;     // a list line cannot hold a line break
    Skipped repeated;       // the same pair stands earlier in the file
    Skipped over_limit;     // beyond what one list holds
    int skipped() const {
        return empty_field.count + bar_inside.count + line_break.count + repeated.count + over_limit.count;
    }
};

// Fields are trimmed of surrounding blanks.
ImportPairs collect_pairs(const WordTable& table, int word_column, int translation_column);
// One sentence saying how many lines (KVTML: entries) are left out and why, or an empty string when
// none is.
QString skipped_summary(const ImportPairs& pairs, WordFileFormat format);

// The add-list rules for a typed list name: spaces become "_" in `name`. Returns the message that
// refuses it, or an empty string when the language has no list of that name.
QString list_name_refusal(const Workspace& m, const QString& language, QString& name);

struct ImportOutcome {
    bool ok = false;
    QString message;    // what to tell the user, success or failure
    QString list_name;  // as written (spaces made "_")
    int added = 0;      // pairs given new sound numbers
    int reused = 0;     // pairs already in the master, keeping their numbers
};

// Writes the pairs as a new list of the language. A pair already in the master (same word and
// translation) keeps its sound number; the others get new numbers from the language's counter, as
// an added pair does, and are appended to the master. The counter, the list and the master change
// together: when one of them cannot be written, none is changed.
ImportOutcome import_word_pairs(const Workspace& m, const QString& language, QString list_name,
                                const std::vector<WordPair>& pairs);

enum class ExportFormat { Tsv, Kvtml };
// KVTML for a ".kvtml" name, tab-separated text otherwise.
ExportFormat export_format_for(const QString& path);
// Writes the entries of a list of the language to `path` (replaced atomically).
bool export_word_list(const Workspace& m, const QString& language, const QString& list, const QString& path,
                      ExportFormat format, QString* error);

}  // namespace ql
