#include "core/list_import.h"
#include "support/run_pieces.h"
#include "core/text_file.h"
#include "core/word_formats.h"
#include "support/data_tree.h"

#include <QDirIterator>
#include <QFile>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <map>

using ql::testing::RunPieces;

using namespace ql;
using ql::testing::crlf;
using ql::testing::DataTree;

namespace {

QString fixture(const char* name) { return QStringLiteral(QL_TEST_DATA "/") + QString::fromLatin1(name); }

std::vector<WordPair> pairs_of(const WordTable& t) {
    return collect_pairs(t, t.word_column, t.translation_column).pairs;
}

// Every file under the tree, byte for byte.
std::map<QString, QByteArray> snapshot(const DataTree& tree) {
    std::map<QString, QByteArray> files;
    QDirIterator it(tree.root(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        QFile f(p);
        files[p] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    return files;
}

}  // namespace

// ---- reading the formats ----

TEST(WordFormats, SpreadsheetCsvKeepsQuotedCommasAndQuotesAndSaysWhatItSkips) {
    WordTable t = read_word_file(fixture("import_spreadsheet.csv"));
    ASSERT_TRUE(t.error.isEmpty()) << t.error.toStdString();
    EXPECT_EQ(t.format, WordFileFormat::Delimited);
    EXPECT_EQ(t.separator, u',');
    // The byte-order mark does not stick to the first name, so "Spanish,English" is known for a header.
    EXPECT_TRUE(t.header_row);
    EXPECT_EQ(t.column_names, (QStringList{"Spanish", "English"}));
    const ImportPairs p = collect_pairs(t, 0, 1);
    EXPECT_EQ(p.pairs, (std::vector<WordPair>{{"casa", "house"},
                                              {"el, la", "the, it"},
                                              {"comilla", "the \"quote\" mark"},
                                              {"niño", "child"},
                                              {"año", "year"}}));
    EXPECT_EQ(p.line_break.lines, QList<int>{5});
    EXPECT_EQ(p.empty_field.lines, QList<int>{7});  // line numbers count the line inside the quoted field
    EXPECT_EQ(p.bar_inside.lines, QList<int>{8});
    EXPECT_EQ(p.repeated.lines, QList<int>{11});
    EXPECT_EQ(skipped_summary(p, t.format),
              "4 lines will be skipped: 1 with an empty field (line 7); 1 with \"|\" inside a field (line 8); 1 with a "
              "line break inside a field (line 5); 1 repeating a pair above (line 11).");

    // Taken as a pair when the user says the first line is not a header.
    const WordTable plain = read_word_file(fixture("import_spreadsheet.csv"), QChar(), HeaderRow::No);
    EXPECT_FALSE(plain.header_row);
    EXPECT_EQ(pairs_of(plain).front(), (WordPair{"Spanish", "English"}));
}

TEST(WordFormats, SeparatorIsGuessedFromTheLinesAndCanBeOverridden) {
    const WordTable semi = read_word_file(fixture("import_semicolon.csv"));
    EXPECT_EQ(semi.separator, u';');
    EXPECT_EQ(pairs_of(semi),
              (std::vector<WordPair>{{"perro", "dog"}, {"gato", "cat; puss"}, {"uno, dos", "one, two"}}));
    // Commas inside translations do not outvote the tab that stands on every line.
    EXPECT_EQ(detect_separator("el\tthe, it\nuno\tone\nlos\tthe, them\n"), u'\t');
    EXPECT_EQ(detect_separator("a,b\nc,d\n"), u',');

    const WordTable forced = read_word_file(fixture("import_semicolon.csv"), u',');
    EXPECT_EQ(forced.separator, u',');
    EXPECT_EQ(pairs_of(forced), (std::vector<WordPair>{{"uno", "dos;one"}}));
}

TEST(WordFormats, EightBitFileIsReadAsWindows1252AndUtf16AsUnicode) {
    const WordTable t = read_word_file(fixture("import_cp1252.tsv"));
    ASSERT_TRUE(t.error.isEmpty());
    EXPECT_EQ(t.separator, u'\t');
    EXPECT_EQ(pairs_of(t), (std::vector<WordPair>{{"café", "coffee"},
                                                 {"niño", "boy"},
                                                 {QStringLiteral("euro \u20AC"), "euro"},
                                                 {QStringLiteral("\u201Ccomillas\u201D"), "quotes"}}));
    QByteArray utf16("\xFF\xFE", 2);
    const QString text = QStringLiteral("caf\u00E9\tcoffee\r\n");
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    EXPECT_EQ(pairs_of(parse_word_file(utf16, "words.txt")), (std::vector<WordPair>{{"café", "coffee"}}));
}

TEST(WordFormats, CardTutorExportHonoursItsHeadersAndReducesHtml) {
    const WordTable t = read_word_file(fixture("import_cards.txt"));
    ASSERT_TRUE(t.error.isEmpty()) << t.error.toStdString();
    EXPECT_EQ(t.format, WordFileFormat::CardTutor);
    EXPECT_TRUE(t.separator_from_file);
    EXPECT_EQ(t.column_names, (QStringList{"Note type", "Deck", "Column 3", "Column 4", "Tags"}));
    EXPECT_EQ(t.word_column, 2);
    EXPECT_EQ(t.translation_column, 3);
    const ImportPairs p = collect_pairs(t, t.word_column, t.translation_column);
    EXPECT_EQ(p.pairs, (std::vector<WordPair>{{"la manzana", "the apple"},
                                              {"el café", "coffee, a coffee"},
                                              {"pan", "bread"},
                                              {"sal & pimienta", QStringLiteral("salt & pepper \u2013 \u2014 <b>")},
                                              {"la \"fresa\"", "the strawberry"}}));
    EXPECT_EQ(p.empty_field.lines, QList<int>{10});  // a field holding a sound and nothing else
}

TEST(WordFormats, HtmlReductionLeavesPlainTextAlone) {
    EXPECT_EQ(html_to_text("a < b and c > d"), "a < b and c > d");
    EXPECT_EQ(html_to_text("<p>one</p>\n<p>two &amp;&#32;three</p><!-- <br> -->"), "one, two & three");
    EXPECT_EQ(html_to_text("x<style>b{color:red}</style>y &unknown; &#0;"), "xy &unknown; &#0;");
    EXPECT_EQ(html_to_text("<a href=\"x>y\">link</a>"), "link");
    EXPECT_EQ(drop_sound_references("[sound:a.mp3]word[sound:b.mp3] [sound:unclosed"), "word [sound:unclosed");
}

TEST(WordFormats, KvtmlWithThreeLanguagesOffersEachAndReadsOnlyTheEntries) {
    WordTable t = read_word_file(fixture("import_three_languages.kvtml"));
    ASSERT_TRUE(t.error.isEmpty()) << t.error.toStdString();
    EXPECT_EQ(t.format, WordFileFormat::Kvtml);
    EXPECT_EQ(t.column_names, (QStringList{"English (en)", "Deutsch (de)", "Español (es)"}));
    ASSERT_EQ(t.rows.size(), 4u);  // the lessons' entry references add no rows
    EXPECT_EQ(t.word_column, 0);
    EXPECT_EQ(t.translation_column, 1);

    // Named in English by the program, found by the document's locale or name.
    propose_columns(t, "spanish", "german");
    EXPECT_EQ(t.word_column, 2);
    EXPECT_EQ(t.translation_column, 1);
    const ImportPairs p = collect_pairs(t, t.word_column, t.translation_column);
    EXPECT_EQ(p.pairs, (std::vector<WordPair>{{"el perro", "der Hund"}, {"la casa", "das Haus"}, {"el agua", "das Wasser"}}));
    EXPECT_EQ(p.empty_field.count, 1);  // "cat" has no Spanish
    EXPECT_EQ(skipped_summary(p, t.format).left(33), "1 entry will be skipped: 1 with a");

    propose_columns(t, "english", "spanish");
    EXPECT_EQ(collect_pairs(t, t.word_column, t.translation_column).pairs.at(1), (WordPair{"house & home", "la casa"}));
}

TEST(WordFormats, MalformedFilesGiveAClearMessage) {
    const WordTable csv = read_word_file(fixture("import_malformed.csv"));
    EXPECT_EQ(csv.error.toStdString(),
              "The quoted field that starts on line 2 is never closed: a quotation mark is missing, so the lines "
              "after it cannot be read as words.");
    const WordTable xml = read_word_file(fixture("import_malformed.kvtml"));
    EXPECT_TRUE(xml.error.startsWith("The file is not a well-formed KVTML document: ")) << xml.error.toStdString();
    EXPECT_TRUE(xml.error.endsWith("(line 6).")) << xml.error.toStdString();
    EXPECT_EQ(parse_word_file("<?xml version=\"1.0\"?><html/>", "a.xml").error,
              "The file is XML but not a KVTML vocabulary document.");
    EXPECT_EQ(parse_word_file("<kvtml version=\"1.0\"/>", "a.kvtml").error,
              "Only KVTML version 2 documents can be imported; this one is version 1.0.");
    EXPECT_EQ(parse_word_file("one word\nper line\n", "a.txt").error,
              "No line of the file holds a word and its translation side by side, separated by a tab, a comma or a "
              "semicolon.");
    EXPECT_EQ(parse_word_file(QByteArray("\x7F" "ELF\0\0\x01", 7), "a.txt").error,
              "The file is not a text file: it holds binary data.");
    EXPECT_FALSE(read_word_file(fixture("no_such_file.csv")).error.isEmpty());
}

// ---- export and round trips ----

TEST(WordFormats, ExportsReadBackAsTheSamePairs) {
    const std::vector<WordPair> pairs = {{"casa", "house"},
                                         {"el, la", "the, it"},
                                         {"\"hola\"", "hello; hi"},
                                         {"#1", "number one"},
                                         {"tab\there", "<b>not html</b> &amp; [sound:x]"},
                                         {QStringLiteral("\u00F1o\u00F1o \u20AC"), QStringLiteral("\u4E2D\u6587")}};
    const QByteArray tsv = export_tsv(pairs);
    EXPECT_TRUE(tsv.startsWith("#separator:tab\r\n#html:false\r\ncasa\thouse\r\n"));
    const WordTable back = parse_word_file(tsv, "list.txt");
    ASSERT_TRUE(back.error.isEmpty()) << back.error.toStdString();
    // With "#html:false" the tags and references are text; only a sound reference is dropped.
    std::vector<WordPair> expected = pairs;
    expected[4].translation = "<b>not html</b> &amp;";
    EXPECT_EQ(pairs_of(back), expected);

    const QByteArray kvtml = export_kvtml(pairs, "spanish", "english", "food & drink");
    WordTable k = parse_word_file(kvtml, "list.kvtml");
    ASSERT_TRUE(k.error.isEmpty()) << k.error.toStdString();
    EXPECT_EQ(k.column_names, (QStringList{"spanish (es)", "english (en)"}));
    EXPECT_EQ(pairs_of(k), pairs);
    EXPECT_EQ(k.word_column, 0);
}

TEST(WordFormats, KvtmlExportHasTheDocumentStructure) {
    const QByteArray doc = export_kvtml({{"uno", "one"}}, "klingon", "", "numbers");
    EXPECT_TRUE(doc.contains("<!DOCTYPE kvtml PUBLIC \"kvtml2.dtd\" \"http://edu.kde.org/kvtml/kvtml2.dtd\">"));
    QXmlStreamReader r(doc);
    QStringList path, seen;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            path << r.name().toString();
            seen << path.join(u'/');
        } else if (r.isEndElement()) {
            path.removeLast();
        }
    }
    ASSERT_FALSE(r.hasError()) << r.errorString().toStdString();
    EXPECT_EQ(seen, (QStringList{"kvtml", "kvtml/information", "kvtml/information/generator", "kvtml/information/title",
                                 "kvtml/identifiers", "kvtml/identifiers/identifier", "kvtml/identifiers/identifier/name",
                                 "kvtml/identifiers/identifier/locale", "kvtml/identifiers/identifier",
                                 "kvtml/identifiers/identifier/name", "kvtml/identifiers/identifier/locale",
                                 "kvtml/entries", "kvtml/entries/entry", "kvtml/entries/entry/translation",
                                 "kvtml/entries/entry/translation/text", "kvtml/entries/entry/translation",
                                 "kvtml/entries/entry/translation/text", "kvtml/lessons", "kvtml/lessons/container",
                                 "kvtml/lessons/container/name", "kvtml/lessons/container/inpractice",
                                 "kvtml/lessons/container/entry"}));
    // A language without a target still gets a second identifier.
    EXPECT_TRUE(doc.contains("<name>translation</name>"));
}

// ---- writing an import into a language ----

class ImportWriter : public ::testing::Test {
protected:
    void SetUp() override { t.attach(m); }
    DataTree t;
    RunPieces m;
};

TEST_F(ImportWriter, NewPairsTakeNumbersFromTheCounterAndKnownPairsKeepTheirs) {
    t.write_lines("languages/spanish/master_spanish.txt", {"casa|house|00412", "perro|dog|00007", "casa|house|00999"});
    t.write("languages/spanish/highest_num.dat", " 70005 \r\n");
    const ImportOutcome r =
        import_word_pairs(m, "spanish", "my words", {{"gato", "cat"}, {"casa", "house"}, {"perro", "hound"}});
    ASSERT_TRUE(r.ok) << r.message.toStdString();
    EXPECT_EQ(r.list_name, "my_words");
    EXPECT_EQ(r.added, 2);
    EXPECT_EQ(r.reused, 1);
    EXPECT_EQ(r.message, "3 word pairs were imported into the new list my_words. 1 of them was already in the language "
                         "and kept its sound number.");
    EXPECT_EQ(t.read("languages/spanish/my_words.txt"), crlf({"gato|cat|70005", "casa|house|00412", "perro|hound|70006"}));
    EXPECT_EQ(t.read("languages/spanish/master_spanish.txt"),
              crlf({"casa|house|00412", "perro|dog|00007", "casa|house|00999", "gato|cat|70005", "perro|hound|70006"}));
    EXPECT_EQ(t.read("languages/spanish/highest_num.dat"), " 70007 \r\n");

    // A language without a counter starts at 70000, as an added pair does; no master yet is fine.
    t.mkdir("languages/french");
    ASSERT_TRUE(import_word_pairs(m, "french", "a", {{"chat", "cat"}}).ok);
    EXPECT_EQ(t.read("languages/french/a.txt"), crlf({"chat|cat|70000"}));
    EXPECT_EQ(t.read("languages/french/master_french.txt"), crlf({"chat|cat|70000"}));
    EXPECT_EQ(t.read("languages/french/highest_num.dat"), " 70001 \r\n");
}

TEST_F(ImportWriter, AMasterInWindows1252StaysSoUnlessANewWordCannotBeWrittenInIt) {
    const QByteArray old("ni\xF1o|boy|00001", 14);  // no line ending after the last line
    t.write("languages/spanish/master_spanish.txt", old);
    ASSERT_TRUE(import_word_pairs(m, "spanish", "a", {{"café", "coffee"}, {"niño", "boy"}}).ok);
    EXPECT_EQ(t.read("languages/spanish/master_spanish.txt"), old + "\r\ncaf\xE9|coffee|70000\r\n");
    EXPECT_EQ(t.read("languages/spanish/a.txt"), QByteArray("caf\xE9|coffee|70000\r\nni\xF1o|boy|00001\r\n"));

    ASSERT_TRUE(import_word_pairs(m, "spanish", "b", {{QStringLiteral("\u4E2D"), "middle"}}).ok);
    EXPECT_EQ(t.read("languages/spanish/master_spanish.txt"),
              crlf({"niño|boy|00001", "café|coffee|70000", QStringLiteral("\u4E2D|middle|70001")}));
}

TEST_F(ImportWriter, RefusedNamesAndFullCountersWriteNothing) {
    t.write_lines("languages/spanish/colors.txt", {"rojo|red|00001"});
    t.write("languages/spanish/highest_num.dat", "99999\r\n");
    const auto before = snapshot(t);
    EXPECT_EQ(import_word_pairs(m, "spanish", "colors", {{"a", "b"}}).message,
              "That list already exists for this language.  Please choose another list name.");
    EXPECT_EQ(import_word_pairs(m, "spanish", "Master spanish", {{"a", "b"}}).message,
              "That list already exists for this language.  Please choose another list name.");
    EXPECT_EQ(import_word_pairs(m, "spanish", "../x", {{"a", "b"}}).message,
              unsafe_name_message("list name"));
    EXPECT_EQ(import_word_pairs(m, "", "x", {{"a", "b"}}).message, "First select a language.");
    const ImportOutcome full = import_word_pairs(m, "spanish", "new", {{"a", "b"}, {"c", "d"}});
    EXPECT_FALSE(full.ok);
    EXPECT_EQ(full.message, "Only 1 sound numbers up to 99999 are still free in this language, too few for the new "
                            "words of this file. Nothing was imported.");
    EXPECT_EQ(snapshot(t), before);
    // The last free number is still handed out.
    EXPECT_TRUE(import_word_pairs(m, "spanish", "new", {{"a", "b"}}).ok);
    EXPECT_EQ(t.read("languages/spanish/new.txt"), crlf({"a|b|99999"}));
}

TEST_F(ImportWriter, AMasterThatCannotBeWrittenLeavesTheLanguageAsItWas) {
    t.write_lines("languages/spanish/colors.txt", {"rojo|red|00001"});
    t.write("languages/spanish/highest_num.dat", "70004\r\n");
    // The master is a link into a folder that does not exist: it reads as absent and cannot be written.
    t.mkdir("languages/spanish");
    ASSERT_TRUE(QFile::link(t.path("gone/master_spanish.txt"), t.path("languages/spanish/master_spanish.txt")));
    const ImportOutcome r = import_word_pairs(m, "spanish", "new", {{"a", "b"}});
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(r.message.endsWith("Nothing was imported: the files of the language are as they were."))
        << r.message.toStdString();
    EXPECT_FALSE(t.exists("languages/spanish/new.txt"));
    EXPECT_EQ(QFileInfo(t.path("languages/spanish/master_spanish.txt")).symLinkTarget(), t.path("gone/master_spanish.txt"));
    EXPECT_EQ(t.read("languages/spanish/colors.txt"), crlf({"rojo|red|00001"}));
    EXPECT_EQ(t.read("languages/spanish/highest_num.dat"), "70004\r\n");
}

TEST_F(ImportWriter, ExportThenImportGivesTheSameEntries) {
    const QStringList list = {"casa|house|00412", "el|the, it|00007", "\"si\"|yes; ok|70001", "añ#o|<year>|70002"};
    t.write_lines("languages/spanish/basics.txt", list);
    t.write_lines("languages/spanish/master_spanish.txt", list);
    t.write_lines("languages/spanish/trans_spanish.dat", {"english"});
    t.write("languages/spanish/highest_num.dat", "70003\r\n");
    for (const QString& file : {QStringLiteral("out.txt"), QStringLiteral("out.kvtml")}) {
        QString error;
        ASSERT_TRUE(export_word_list(m, "spanish", "basics", t.path(file), export_format_for(file), &error))
            << error.toStdString();
        WordTable table = read_word_file(t.path(file));
        ASSERT_TRUE(table.error.isEmpty()) << table.error.toStdString();
        propose_columns(table, "spanish", "english");
        const ImportPairs p = collect_pairs(table, table.word_column, table.translation_column);
        EXPECT_EQ(p.skipped(), 0);
        const QString name = QStringLiteral("back_") + file.section(u'.', 1);
        const ImportOutcome r = import_word_pairs(m, "spanish", name, p.pairs);
        ASSERT_TRUE(r.ok) << r.message.toStdString();
        EXPECT_EQ(r.reused, 4);
        EXPECT_EQ(t.read("languages/spanish/" + name + ".txt"), crlf(list)) << file.toStdString();
    }
    EXPECT_EQ(t.read("languages/spanish/master_spanish.txt"), crlf(list));
    EXPECT_EQ(t.read("languages/spanish/highest_num.dat"), "70003\r\n");
}
