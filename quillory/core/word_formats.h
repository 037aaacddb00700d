#pragma once
#include "core/text_file.h"

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>
#include <vector>

namespace ql {

// Word lists made by other tutors, read into columns of fields, and our lists written back in forms
// they read. Nothing here touches the language folders: list_import does that.

enum class WordFileFormat {
    Delimited,  // TSV or CSV: fields quoted as RFC 4180 has them, separated by tab, comma or semicolon
    CardTutor,  // the plain-text export of card tutors: "#key:value" header lines, then delimited fields
    Kvtml,      // KDE's vocabulary document, version 2
};

// Whether the first record of a delimited file names the columns rather than holding a pair.
enum class HeaderRow { Guess, No, Yes };

struct WordTable {
    WordFileFormat format = WordFileFormat::Delimited;
    bool header_row = false;   // the first record was taken as the column names
    QChar separator;           // text formats only
    bool separator_from_file = false;  // named by a "#separator:" header rather than guessed
    QStringList column_names;  // one per column: "Column 1"..., the header's names, or a KVTML language
    QStringList column_locales;  // KVTML: each identifier's locale (may be empty)
    std::vector<QStringList> rows;  // one per record; a record may be shorter than column_names
    std::vector<int> row_lines;     // the file line each record starts on (1-based); KVTML: the entry's line
    // The columns proposed as word and translation.
    int word_column = 0, translation_column = 1;
    // Not empty when nothing can be imported from the file; says why, in words for the user.
    QString error;
};

// Reads bytes as one of the formats: KVTML when the name ends in ".kvtml" or the text is XML; card
// tutor text when it starts with a recognised "#key:value" line; otherwise delimited. A separator
// given overrides the one named or guessed (text formats only). A delimited file's first record is
// guessed to name the columns when none of its fields is empty and each is a column's name (a language
// or a word such as "translation", alone or together: "Spanish word"), or each is capitalised above
// at least three entries of its column none of which is.
WordTable parse_word_file(const QByteArray& bytes, const QString& file_name, QChar separator = QChar(),
                          HeaderRow header = HeaderRow::Guess);
// The same for a file on disk; a file that cannot be read gives a table with the error set.
WordTable read_word_file(const QString& path, QChar separator = QChar(), HeaderRow header = HeaderRow::Guess);

// The separator among tab, semicolon and comma that splits the first records into the same number
// (two or more) of fields most often; tab, then semicolon, then comma when they tie.
QChar detect_separator(const QString& text);

// Text of an HTML fragment: tags dropped, line breaks and block boundaries made ", ", character
// references decoded, white space collapsed.
QString html_to_text(const QString& html);

// Card tutors keep sound references in the field text; they name files we do not have.
QString drop_sound_references(const QString& text);

// The language a column holds, in lower case, when the file says: a KVTML identifier's locale or
// language name, or a header field that names a language. Empty otherwise.
QString column_language(const WordTable& table, int column);

// When a column is named after the language (or its target), propose it as the word (translation).
void propose_columns(WordTable& table, const QString& language, const QString& target_language);

// ---- export ----
struct WordPair {
    QString word, translation;
    bool operator==(const WordPair&) const = default;
};

// Tab-separated UTF-8 that card tutors import: "#separator:tab" and "#html:false" lines, then word TAB
// translation per line (CR LF); a field holding a quote or a tab is quoted.
QByteArray export_tsv(const std::vector<WordPair>& pairs);
// A KVTML 2.0 document with two identifiers, named after the language and its target, and one lesson
// named after the list holding every entry.
QByteArray export_kvtml(const std::vector<WordPair>& pairs, const QString& language, const QString& target_language,
                        const QString& title);

}  // namespace ql
