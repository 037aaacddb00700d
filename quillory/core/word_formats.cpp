#include "word_formats.h"
#include "core/ui_text.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <algorithm>
#include <map>

namespace ql {

namespace {

// ---------------------------------------------------------------- text decoding

// Spreadsheets save "Unicode text" as UTF-16 with a byte-order mark; everything else goes through the
// program's own rule (UTF-8 when valid, Windows-1252 otherwise).
QString decode_any(const QByteArray& bytes) {
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder d(bytes.startsWith("\xFF\xFE") ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        return d.decode(QByteArrayView(bytes).sliced(2));
    }
    return decode_text(bytes);
}

// ---------------------------------------------------------------- RFC 4180 records

struct Records {
    std::vector<QStringList> rows;
    std::vector<int> lines;
    int unterminated_line = 0;  // the line a quoted field that never closes starts on
};

// Splits text into records. A quoted field may hold separators, doubled quotes and line breaks; text
// after its closing quote up to the separator is kept, as spreadsheets do. Records that are one empty
// field (blank lines) are left out. Stops after `max_records` when it is not negative.
Records split_records(QStringView text, QChar sep, int first_line, int max_records = -1) {
    Records out;
    const qsizetype n = text.size();
    qsizetype i = 0;
    int line = first_line;
    QString quoted;
    while (i < n && (max_records < 0 || int(out.rows.size()) < max_records)) {
        QStringList fields;
        const int record_line = line;
        bool end_of_record = false;
        while (!end_of_record) {
            QString field;
            if (i < n && text[i] == u'"') {
                ++i;
                const int open_line = line;
                bool closed = false;
                quoted.clear();
                while (i < n) {
                    const QChar c = text[i];
                    if (c == u'"') {
                        if (i + 1 < n && text[i + 1] == u'"') {
                            quoted += u'"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        closed = true;
                        break;
                    }
                    if (c == u'\n') ++line;
                    quoted += c;
                    ++i;
                }
                if (!closed) {
                    out.unterminated_line = open_line;
                    return out;
                }
                field = quoted;
            }
            const qsizetype start = i;
            while (i < n && text[i] != sep && text[i] != u'\n' && text[i] != u'\r') ++i;
            field += text.sliced(start, i - start);
            fields << field;
            if (i < n && text[i] == sep) {
                ++i;
                continue;
            }
            end_of_record = true;
            if (i < n && text[i] == u'\r') ++i;
            if (i < n && text[i] == u'\n') ++i;
            ++line;
        }
        if (fields.size() == 1 && fields[0].isEmpty()) continue;
        out.rows.push_back(std::move(fields));
        out.lines.push_back(record_line);
    }
    return out;
}

// ---------------------------------------------------------------- card tutor headers

struct CardHeader {
    int line_count = 0;  // header lines read
    QChar separator;
    bool html = false;
    QString columns;             // raw "#columns:" value, split once the separator is known
    std::map<int, QString> meta;  // 0-based column -> what it holds (tags, deck, note type, guid)
};

QChar separator_named(const QString& value) {
    const QString v = value.trimmed().toLower();
    if (v == u"tab" || value == u"\t") return u'\t';
    if (v == u"comma" || v == u",") return u',';
    if (v == u"semicolon" || v == u";") return u';';
    if (v == u"space" || value == u" ") return u' ';
    if (v == u"pipe" || v == u"|") return u'|';
    if (v == u"colon" || v == u":") return u':';
    return QChar();
}

bool is_card_header_key(const QString& key) {
    static const QSet<QString> keys = {
        QStringLiteral("separator"), QStringLiteral("html"),         QStringLiteral("columns"),
        QStringLiteral("tags"),      QStringLiteral("deck"),         QStringLiteral("notetype"),
        QStringLiteral("tags column"), QStringLiteral("deck column"), QStringLiteral("notetype column"),
        QStringLiteral("guid column"), QStringLiteral("if matches"),  QStringLiteral("match scope")};
    return keys.contains(key);
}

// Reads the "#key:value" lines at the top of the text; `pos` is left at the first other line.
CardHeader read_card_header(const QString& text, qsizetype& pos) {
    CardHeader h;
    pos = 0;
    while (pos < text.size() && text[pos] == u'#') {
        qsizetype end = text.indexOf(u'\n', pos);
        if (end < 0) end = text.size();
        QString line = text.mid(pos, end - pos);
        if (line.endsWith(u'\r')) line.chop(1);
        const qsizetype colon = line.indexOf(u':');
        if (colon < 0) break;
        const QString key = line.mid(1, colon - 1).trimmed().toLower();
        if (!is_card_header_key(key)) break;
        const QString value = line.mid(colon + 1);
        if (key == u"separator") h.separator = separator_named(value);
        else if (key == u"html") h.html = value.trimmed().compare(u"true", Qt::CaseInsensitive) == 0;
        else if (key == u"columns") h.columns = value;
        else if (key.endsWith(u" column")) {
            bool ok = false;
            const int column = value.trimmed().toInt(&ok);
            if (ok && column >= 1) h.meta[column - 1] = key.chopped(7);
        }
        ++h.line_count;
        pos = end < text.size() ? end + 1 : end;
    }
    return h;
}

QString meta_column_name(const QString& key) {
    if (key == u"tags") return Quillory::tr("Tags");
    if (key == u"deck") return Quillory::tr("Deck");
    if (key == u"notetype") return Quillory::tr("Note type");
    return Quillory::tr("Note id");
}

// ---------------------------------------------------------------- HTML

const char* const kLatin1Entities[96] = {
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",   "ordf",
    "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",   "acute",  "micro",
    "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12", "frac34", "iquest", "Agrave",
    "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil", "Egrave", "Eacute", "Ecirc",  "Euml",
    "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde", "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",
    "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",  "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute",
    "acirc",  "atilde", "auml",   "aring",  "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave",
    "iacute", "icirc",  "iuml",   "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide",
    "oslash", "ugrave", "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml"};

const QHash<QString, char32_t>& entity_table() {
    static const QHash<QString, char32_t> table = [] {
        QHash<QString, char32_t> t;
        for (int i = 0; i < 96; ++i) t.insert(QString::fromLatin1(kLatin1Entities[i]), char32_t(0xA0 + i));
        const std::pair<const char*, char32_t> more[] = {
            {"amp", u'&'},      {"lt", u'<'},       {"gt", u'>'},       {"quot", u'"'},     {"apos", u'\''},
            {"OElig", 0x152},   {"oelig", 0x153},   {"Scaron", 0x160},  {"scaron", 0x161},  {"Yuml", 0x178},
            {"fnof", 0x192},    {"circ", 0x2C6},    {"tilde", 0x2DC},   {"ensp", 0x2002},   {"emsp", 0x2003},
            {"thinsp", 0x2009}, {"ndash", 0x2013},  {"mdash", 0x2014},  {"lsquo", 0x2018},  {"rsquo", 0x2019},
            {"sbquo", 0x201A},  {"ldquo", 0x201C},  {"rdquo", 0x201D},  {"bdquo", 0x201E},  {"dagger", 0x2020},
            {"Dagger", 0x2021}, {"bull", 0x2022},   {"hellip", 0x2026}, {"permil", 0x2030}, {"lsaquo", 0x2039},
            {"rsaquo", 0x203A}, {"euro", 0x20AC},   {"trade", 0x2122}};
        for (const auto& [name, code] : more) t.insert(QString::fromLatin1(name), code);
        return t;
    }();
    return table;
}

QString decode_entities(QStringView s) {
    QString out;
    out.reserve(s.size());
    qsizetype i = 0;
    while (i < s.size()) {
        if (s[i] != u'&') {
            out += s[i++];
            continue;
        }
        const qsizetype semi = s.indexOf(u';', i + 1);
        if (semi > i + 1 && semi - i <= 12) {
            const QStringView name = s.sliced(i + 1, semi - i - 1);
            char32_t code = 0;
            if (name.startsWith(u'#')) {
                bool ok = false;
                const uint v = (name.size() > 1 && (name[1] == u'x' || name[1] == u'X')) ? name.sliced(2).toUInt(&ok, 16)
                                                                                       : name.sliced(1).toUInt(&ok, 10);
                if (ok && v > 0 && v <= 0x10FFFF && (v < 0xD800 || v > 0xDFFF)) code = v;
            } else {
                code = entity_table().value(name.toString(), 0);
            }
            if (code) {
                out += QString::fromUcs4(&code, 1);
                i = semi + 1;
                continue;
            }
        }
        out += s[i++];
    }
    return out;
}

bool is_break_tag(const QString& name) {
    static const QSet<QString> tags = {
        QStringLiteral("br"), QStringLiteral("div"), QStringLiteral("p"),  QStringLiteral("li"),
        QStringLiteral("tr"), QStringLiteral("ul"),  QStringLiteral("ol"), QStringLiteral("table"),
        QStringLiteral("hr"), QStringLiteral("h1"),  QStringLiteral("h2"), QStringLiteral("h3"),
        QStringLiteral("h4"), QStringLiteral("h5"),  QStringLiteral("h6"), QStringLiteral("blockquote")};
    return tags.contains(name);
}

// ---------------------------------------------------------------- KVTML

QString locale_language_name(const QString& locale) {
    if (locale.trimmed().isEmpty()) return QString();
    const QLocale l(locale.trimmed());
    if (l.language() == QLocale::C) return QString();
    return QLocale::languageToString(l.language());
}

// The two-letter code of a language named in English ("spanish" -> "es"), or an empty string.
QString locale_of_language(const QString& language) {
    for (int i = QLocale::AnyLanguage + 1; i <= int(QLocale::LastLanguage); ++i) {
        const auto lang = QLocale::Language(i);
        if (QLocale::languageToString(lang).compare(language, Qt::CaseInsensitive) == 0) {
            const QString name = QLocale(lang).name();
            return name.section(u'_', 0, 0);
        }
    }
    return QString();
}

WordTable parse_kvtml(const QByteArray& bytes) {
    WordTable t;
    t.format = WordFileFormat::Kvtml;
    QXmlStreamReader r(bytes);
    QHash<QString, int> column_of_id;
    auto column_for = [&](const QString& id) {
        auto it = column_of_id.find(id);
        if (it != column_of_id.end()) return *it;
        const int c = int(t.column_names.size());
        column_of_id.insert(id, c);
        t.column_names << Quillory::tr("Language %1").arg(id);
        t.column_locales << QString();
        return c;
    };
    if (!r.readNextStartElement() || r.name() != u"kvtml") {
        t.error = r.hasError() ? QString() : Quillory::tr("The file is XML but not a KVTML vocabulary document.");
    } else if (!r.attributes().value(QLatin1StringView("version")).startsWith(u"2")) {
        t.error = Quillory::tr("Only KVTML version 2 documents can be imported; this one is version %1.")
                      .arg(r.attributes().value(QLatin1StringView("version")).toString());
    } else {
        while (r.readNextStartElement()) {
            if (r.name() == u"identifiers") {
                while (r.readNextStartElement()) {
                    if (r.name() != u"identifier") {
                        r.skipCurrentElement();
                        continue;
                    }
                    const int c = column_for(r.attributes().value(QLatin1StringView("id")).toString());
                    while (r.readNextStartElement()) {
                        if (r.name() == u"name")
                            t.column_names[c] = r.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
                        else if (r.name() == u"locale")
                            t.column_locales[c] = r.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
                        else
                            r.skipCurrentElement();
                    }
                    if (t.column_names[c].isEmpty()) t.column_names[c] = t.column_locales[c];
                }
            } else if (r.name() == u"entries") {
                while (r.readNextStartElement()) {
                    if (r.name() != u"entry") {
                        r.skipCurrentElement();
                        continue;
                    }
                    const int line = int(r.lineNumber());
                    QStringList fields;
                    while (r.readNextStartElement()) {
                        if (r.name() != u"translation") {
                            r.skipCurrentElement();
                            continue;
                        }
                        const int c = column_for(r.attributes().value(QLatin1StringView("id")).toString());
                        QString text;
                        while (r.readNextStartElement()) {
                            if (r.name() == u"text") text = r.readElementText(QXmlStreamReader::IncludeChildElements);
                            else r.skipCurrentElement();
                        }
                        while (fields.size() <= c) fields << QString();
                        fields[c] = text;
                    }
                    t.rows.push_back(std::move(fields));
                    t.row_lines.push_back(line);
                }
            } else {
                r.skipCurrentElement();
            }
        }
    }
    if (r.hasError())
        t.error = Quillory::tr("The file is not a well-formed KVTML document: %1 (line %2).")
                      .arg(r.errorString())
                      .arg(r.lineNumber());
    if (t.error.isEmpty() && t.rows.empty()) t.error = Quillory::tr("The file holds no words.");
    if (t.error.isEmpty() && t.column_names.size() < 2)
        t.error = Quillory::tr("The document holds words of one language only, so there are no translations to import.");
    for (int c = 0; c < int(t.column_names.size()); ++c)
        if (!t.column_locales[c].isEmpty() && t.column_names[c] != t.column_locales[c])
            t.column_names[c] += QStringLiteral(" (%1)").arg(t.column_locales[c]);
    return t;
}

bool looks_like_xml(const QString& text) {
    const QString head = text.left(512).trimmed();
    return head.startsWith(u"<?xml") || head.startsWith(u"<kvtml") || head.startsWith(u"<!DOCTYPE kvtml");
}

// The English name, lower case, of a language named in English or in its own language ("german" or
// "deutsch" -> "german"); empty when the text names no language.
QString english_language_name(const QString& text) {
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> n;
        for (int i = QLocale::AnyLanguage + 1; i <= int(QLocale::LastLanguage); ++i) {
            const auto lang = QLocale::Language(i);
            const QString english = QLocale::languageToString(lang).toLower();
            n.insert(english, english);
            const QString native = QLocale(lang).nativeLanguageName().toLower();
            if (!native.isEmpty() && !n.contains(native)) n.insert(native, english);
        }
        return n;
    }();
    return names.value(text.trimmed().toLower());
}

bool is_language_name(const QString& text) { return !english_language_name(text).isEmpty(); }

// Words that name a column of a word list rather than hold a word.
bool is_header_word(const QString& word) {
    static const QSet<QString> words{
        QStringLiteral("word"),       QStringLiteral("words"),       QStringLiteral("term"),
        QStringLiteral("terms"),      QStringLiteral("vocabulary"),  QStringLiteral("vocab"),
        QStringLiteral("phrase"),     QStringLiteral("phrases"),     QStringLiteral("expression"),
        QStringLiteral("foreign"),    QStringLiteral("native"),      QStringLiteral("translation"),
        QStringLiteral("translations"), QStringLiteral("meaning"),   QStringLiteral("meanings"),
        QStringLiteral("definition"), QStringLiteral("definitions"), QStringLiteral("front"),
        QStringLiteral("back"),       QStringLiteral("question"),    QStringLiteral("answer"),
        QStringLiteral("source"),     QStringLiteral("target"),      QStringLiteral("language"),
    };
    return words.contains(word);
}

// "Spanish", "Word", "English translation", "Word (Spanish)": every word of the field names a
// language or a column.
bool is_header_field(const QString& field) {
    static const QRegularExpression apart(QStringLiteral("[\\s()\\[\\]:_/-]+"));
    const QStringList parts = field.toLower().split(apart, Qt::SkipEmptyParts);
    if (parts.isEmpty()) return false;
    for (const QString& p : parts)
        if (!is_header_word(p) && !is_language_name(p)) return false;
    return true;
}

// The first record names the columns when each of its fields is a column name, or when each
// stands apart from its column: capitalised above at least three entries none of which is.
bool first_record_is_header(const std::vector<QStringList>& rows) {
    const QStringList& first = rows.front();
    bool named = true, apart = rows.size() >= 4;
    for (qsizetype c = 0; c < first.size(); ++c) {
        const QString field = first[c].trimmed();
        if (field.isEmpty()) return false;
        named = named && is_header_field(field);
        if (!apart) continue;
        apart = field.front().isUpper();
        for (size_t r = 1; r < rows.size() && apart; ++r) {
            const QString other = rows[r].value(c).trimmed();
            if (!other.isEmpty() && other.front().isUpper()) apart = false;
        }
    }
    return named || apart;
}

WordTable parse_text(const QString& text, QChar separator, HeaderRow header_row) {
    WordTable t;
    qsizetype body = 0;
    CardHeader header = read_card_header(text, body);
    const bool card = header.line_count > 0;
    if (card) t.format = WordFileFormat::CardTutor;
    const QStringView rest = QStringView(text).sliced(body);
    if (!separator.isNull()) t.separator = separator;
    else if (!header.separator.isNull()) {
        t.separator = header.separator;
        t.separator_from_file = true;
    } else {
        t.separator = detect_separator(rest.toString());
    }
    Records rec = split_records(rest, t.separator, header.line_count + 1);
    if (rec.unterminated_line) {
        t.error = Quillory::tr("The quoted field that starts on line %1 is never closed: a quotation mark is missing, "
                                 "so the lines after it cannot be read as words.")
                      .arg(rec.unterminated_line);
        return t;
    }
    t.rows = std::move(rec.rows);
    t.row_lines = std::move(rec.lines);
    QStringList first_names;
    if (!card && !t.rows.empty() && t.rows.front().size() >= 2) {
        bool names = header_row == HeaderRow::Yes;
        if (header_row == HeaderRow::Guess) names = first_record_is_header(t.rows);
        if (names) {
            first_names = t.rows.front();
            t.rows.erase(t.rows.begin());
            t.row_lines.erase(t.row_lines.begin());
            t.header_row = true;
        }
    }
    if (card) {
        for (QStringList& row : t.rows)
            for (QString& field : row) field = drop_sound_references(header.html ? html_to_text(field) : field);
    }
    qsizetype columns = 0;
    for (const QStringList& row : t.rows) columns = std::max(columns, row.size());
    const QStringList named = t.header_row          ? first_names
                              : header.columns.isEmpty() ? QStringList()
                                                         : header.columns.split(t.separator);
    if (t.header_row) columns = std::max(columns, named.size());
    for (qsizetype c = 0; c < columns; ++c) {
        if (header.meta.count(int(c))) t.column_names << meta_column_name(header.meta[int(c)]);
        else if (c < named.size() && !named[c].trimmed().isEmpty()) t.column_names << named[c].trimmed();
        else t.column_names << Quillory::tr("Column %1").arg(c + 1);
    }
    t.column_locales = QStringList(t.column_names.size(), QString());
    // Propose the first two columns that hold card text rather than the note's bookkeeping.
    std::vector<int> text_columns;
    for (int c = 0; c < int(columns); ++c)
        if (!header.meta.count(c)) text_columns.push_back(c);
    if (text_columns.size() >= 2) {
        t.word_column = text_columns[0];
        t.translation_column = text_columns[1];
    }
    if (t.rows.empty()) {
        t.error = Quillory::tr("The file holds no words.");
    } else if (text_columns.size() < 2) {
        t.error = Quillory::tr("No line of the file holds a word and its translation side by side, separated by a "
                                 "tab, a comma or a semicolon.");
    }
    return t;
}

// ---------------------------------------------------------------- export helpers

QString tsv_field(const QString& s) {
    if (s.contains(u'"') || s.contains(u'\t') || s.contains(u'\r') || s.contains(u'\n') || s.startsWith(u'#'))
        return u'"' + QString(s).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
    return s;
}

// XML 1.0 has no room for control characters other than tab and line breaks.
QString xml_safe(const QString& s) {
    QString out = s;
    for (QChar& c : out)
        if (c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r') c = u' ';
    return out;
}

}  // namespace

QChar detect_separator(const QString& text) {
    const QChar candidates[] = {u'\t', u';', u','};
    QChar best = u'\t';
    int best_score = -1;
    for (QChar sep : candidates) {
        const Records rec = split_records(text, sep, 1, 100);
        std::map<qsizetype, int> counts;
        for (const QStringList& row : rec.rows) ++counts[row.size()];
        int score = 0;
        for (const auto& [fields, n] : counts)
            if (fields >= 2) score = std::max(score, n);
        if (score > best_score) {
            best_score = score;
            best = sep;
        }
    }
    return best;
}

QString html_to_text(const QString& html) {
    // First pass: drop tags and comments, turn breaks into '\n' (raw line breaks are only white space
    // in HTML, so they become blanks first).
    QString flat;
    flat.reserve(html.size());
    const qsizetype n = html.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = html[i];
        if (c == u'\r' || c == u'\n' || c == u'\t') {
            flat += u' ';
            ++i;
            continue;
        }
        if (c != u'<' || i + 1 >= n) {
            flat += c;
            ++i;
            continue;
        }
        if (html.mid(i, 4) == u"<!--") {
            const qsizetype end = html.indexOf(u"-->", i + 4);
            i = end < 0 ? n : end + 3;
            continue;
        }
        const QChar next = html[i + 1];
        if (!next.isLetter() && next != u'/' && next != u'!' && next != u'?') {
            flat += c;  // a bare "<", as in "a < b"
            ++i;
            continue;
        }
        qsizetype j = i + 1;
        QChar quote;
        while (j < n) {
            const QChar d = html[j];
            if (!quote.isNull()) {
                if (d == quote) quote = QChar();
            } else if (d == u'"' || d == u'\'') {
                quote = d;
            } else if (d == u'>') {
                break;
            }
            ++j;
        }
        qsizetype k = i + 1;
        const bool closing = k < n && html[k] == u'/';
        if (closing) ++k;
        qsizetype name_end = k;
        while (name_end < j && html[name_end].isLetterOrNumber()) ++name_end;
        const QString name = html.mid(k, name_end - k).toLower();
        i = j < n ? j + 1 : n;
        if (!closing && (name == u"script" || name == u"style")) {
            const qsizetype end = html.indexOf(QStringLiteral("</") + name, i, Qt::CaseInsensitive);
            if (end < 0) {
                i = n;
            } else {
                const qsizetype gt = html.indexOf(u'>', end);
                i = gt < 0 ? n : gt + 1;
            }
            continue;
        }
        if (is_break_tag(name)) flat += u'\n';
    }
    QStringList parts;
    for (QStringView segment : QStringView(flat).split(u'\n')) {
        QString text = decode_entities(segment);
        text.replace(QChar(0xA0), u' ');
        text = text.simplified();
        if (!text.isEmpty()) parts << text;
    }
    return parts.join(QStringLiteral(", "));
}

QString drop_sound_references(const QString& text) {
    if (!text.contains(u"[sound:")) return text;
    QString out;
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype at = text.indexOf(u"[sound:", i);
        if (at < 0) break;
        const qsizetype end = text.indexOf(u']', at);
        if (end < 0) break;
        out += QStringView(text).sliced(i, at - i);
        i = end + 1;
    }
    out += QStringView(text).sliced(i);
    return out;
}

WordTable parse_word_file(const QByteArray& bytes, const QString& file_name, QChar separator, HeaderRow header) {
    const QString text = decode_any(bytes);
    if (file_name.endsWith(QStringLiteral(".kvtml"), Qt::CaseInsensitive) || looks_like_xml(text)) {
        // The reader honours the document's own encoding declaration, so it gets the bytes.
        return parse_kvtml(bytes);
    }
    if (text.contains(QChar(0))) {
        WordTable t;
        t.error = Quillory::tr("The file is not a text file: it holds binary data.");
        return t;
    }
    return parse_text(text, separator, header);
}

WordTable read_word_file(const QString& path, QChar separator, HeaderRow header) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        WordTable t;
        t.error = Quillory::tr("The file %1 could not be read: %2").arg(path, f.errorString());
        return t;
    }
    return parse_word_file(f.readAll(), QFileInfo(path).fileName(), separator, header);
}

QString column_language(const WordTable& table, int column) {
    if (column < 0 || column >= int(table.column_names.size())) return QString();
    const QString locale = table.column_locales.value(column);
    QString name = table.column_names[column];
    if (!locale.isEmpty() && name.endsWith(QStringLiteral(" (%1)").arg(locale))) name.chop(locale.size() + 3);
    // The locale names the language in English, as the language folders are named, even when the
    // identifier is named in its own language ("Deutsch").
    const QString from_locale = locale_language_name(locale);
    if (!from_locale.isEmpty()) return from_locale.toLower();
    return english_language_name(name);
}

void propose_columns(WordTable& table, const QString& language, const QString& target_language) {
    auto find = [&](const QString& wanted) {
        if (wanted.isEmpty()) return -1;
        for (int c = 0; c < int(table.column_names.size()); ++c) {
            const QString locale = c < table.column_locales.size() ? table.column_locales[c] : QString();
            QString name = table.column_names[c];
            if (!locale.isEmpty() && name.endsWith(QStringLiteral(" (%1)").arg(locale))) name.chop(locale.size() + 3);
            if (name.compare(wanted, Qt::CaseInsensitive) == 0 ||
                locale_language_name(locale).compare(wanted, Qt::CaseInsensitive) == 0)
                return c;
        }
        return -1;
    };
    const int word = find(language);
    const int translation = find(target_language);
    if (word >= 0 && translation >= 0 && word != translation) {
        table.word_column = word;
        table.translation_column = translation;
    } else if (word >= 0 && word != table.word_column) {
        if (table.translation_column == word) table.translation_column = table.word_column;
        table.word_column = word;
    } else if (translation >= 0 && translation != table.translation_column) {
        if (table.word_column == translation) table.word_column = table.translation_column;
        table.translation_column = translation;
    }
}

QByteArray export_tsv(const std::vector<WordPair>& pairs) {
    QByteArray out = "#separator:tab\r\n#html:false\r\n";
    out.reserve(out.size() + qsizetype(pairs.size()) * 32);
    for (const WordPair& p : pairs) out += (tsv_field(p.word) + u'\t' + tsv_field(p.translation)).toUtf8() + "\r\n";
    return out;
}

QByteArray export_kvtml(const std::vector<WordPair>& pairs, const QString& language, const QString& target_language,
                        const QString& title) {
    QByteArray out;
    QXmlStreamWriter w(&out);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(1);
    w.writeStartDocument();
    w.writeDTD(QStringLiteral("<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">"));
    w.writeStartElement(QStringLiteral("kvtml"));
    w.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    w.writeStartElement(QStringLiteral("information"));
    w.writeTextElement(QStringLiteral("generator"), QStringLiteral("Quillory"));
    w.writeTextElement(QStringLiteral("title"), xml_safe(title));
    w.writeEndElement();

    const QString names[2] = {language, target_language.isEmpty() ? QStringLiteral("translation") : target_language};
    w.writeStartElement(QStringLiteral("identifiers"));
    for (int id = 0; id < 2; ++id) {
        w.writeStartElement(QStringLiteral("identifier"));
        w.writeAttribute(QStringLiteral("id"), QString::number(id));
        w.writeTextElement(QStringLiteral("name"), xml_safe(names[id]));
        const QString locale = locale_of_language(names[id]);
        w.writeTextElement(QStringLiteral("locale"), locale.isEmpty() ? xml_safe(names[id]) : locale);
        w.writeEndElement();
    }
    w.writeEndElement();

    w.writeStartElement(QStringLiteral("entries"));
    for (size_t i = 0; i < pairs.size(); ++i) {
        w.writeStartElement(QStringLiteral("entry"));
        w.writeAttribute(QStringLiteral("id"), QString::number(i));
        const QString* texts[2] = {&pairs[i].word, &pairs[i].translation};
        for (int id = 0; id < 2; ++id) {
            w.writeStartElement(QStringLiteral("translation"));
            w.writeAttribute(QStringLiteral("id"), QString::number(id));
            w.writeTextElement(QStringLiteral("text"), xml_safe(*texts[id]));
            w.writeEndElement();
        }
        w.writeEndElement();
    }
    w.writeEndElement();

    // KDE's tutors show the entries of lessons; one lesson named after the list holds them all.
    w.writeStartElement(QStringLiteral("lessons"));
    w.writeStartElement(QStringLiteral("container"));
    w.writeTextElement(QStringLiteral("name"), xml_safe(title));
    w.writeTextElement(QStringLiteral("inpractice"), QStringLiteral("true"));
    for (size_t i = 0; i < pairs.size(); ++i) {
        w.writeEmptyElement(QStringLiteral("entry"));
        w.writeAttribute(QStringLiteral("id"), QString::number(i));
    }
    w.writeEndElement();
    w.writeEndElement();

    w.writeEndElement();
    w.writeEndDocument();
    return out;
}

}  // namespace ql
