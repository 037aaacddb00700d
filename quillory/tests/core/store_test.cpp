#include "core/review_schedule.h"
#include "support/run_pieces.h"
#include "core/text_file.h"
#include "support/data_tree.h"

#include <gtest/gtest.h>

using ql::testing::RunPieces;

using namespace ql;
using ql::testing::crlf;
using ql::testing::DataTree;

TEST(Entries, OnlyLinesOfExactlyThreeFieldsAreEntries) {
    auto e = parse_entry(QStringLiteral("casa|house|00412"));
    ASSERT_TRUE(e);
    EXPECT_EQ(e->word, u"casa");
    EXPECT_EQ(e->translation, u"house");
    EXPECT_EQ(e->sound_number, u"00412");
    EXPECT_EQ(parse_entry(QStringLiteral("el|the, it|00007"))->translation, u"the, it");
    EXPECT_FALSE(parse_entry(QStringLiteral("casa|house")));
    EXPECT_FALSE(parse_entry(QStringLiteral("casa|big|house|00412")));
    EXPECT_FALSE(parse_entry(QString()));
    auto empty = parse_entry(QStringLiteral("|house|"));
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->word.isEmpty());
    EXPECT_TRUE(empty->sound_number.isEmpty());
}

TEST(TextFiles, ReadsUtf8Cp1252AndBothLineEndings) {
    DataTree t;
    t.write("a.txt", QByteArray("ni\xc3\xb1o|child|00001\r\ncaf\xc3\xa9|coffee|00002\n"));
    t.write("b.txt", QByteArray("\xef\xbb\xbfni\xc3\xb1o|child|00001"));
    t.write("c.txt", QByteArray("ni\xf1o|child|00001\r\n\x80|euro|00003\r\n"));
    auto a = read_lines(t.path("a.txt"));
    ASSERT_TRUE(a);
    EXPECT_EQ(*a, (QStringList{QStringLiteral("niño|child|00001"), QStringLiteral("café|coffee|00002")}));
    EXPECT_EQ(read_lines(t.path("b.txt"))->value(0), QStringLiteral("niño|child|00001"));
    auto c = read_lines(t.path("c.txt"));
    EXPECT_EQ(c->value(0), QStringLiteral("niño|child|00001"));
    EXPECT_EQ(c->value(1), QStringLiteral("€|euro|00003"));
    EXPECT_FALSE(read_lines(t.path("missing.txt")));
}

TEST(TextFiles, WritesUtf8WithCrLfAndReplacesWhole) {
    DataTree t;
    t.write("x.txt", "old content that is longer than the new one\r\n");
    ASSERT_TRUE(write_lines(t.path("x.txt"), {QStringLiteral("дом|house|00001"), QStringLiteral("猫|cat|00002")}));
    EXPECT_EQ(t.read("x.txt"), QByteArray("\xd0\xb4\xd0\xbe\xd0\xbc|house|00001\r\n\xe7\x8c\xab|cat|00002\r\n"));
    QString error;
    EXPECT_FALSE(write_lines(t.path("no/such/folder/x.txt"), {QStringLiteral("a")}, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("no/such/folder/x.txt")));
}

TEST(TextFiles, FolderEntriesAreSortedWithoutRegardToCase) {
    DataTree t;
    for (auto n : {"b.txt", "A.txt", "c.txt", "B2.txt"}) t.write(n, "x");
    EXPECT_EQ(folder_entries(t.root()), (QStringList{"A.txt", "b.txt", "B2.txt", "c.txt"}));
}

TEST(TextFiles, PathNamesMustStayInTheirFolder) {
    EXPECT_TRUE(is_safe_path_name(QStringLiteral("ann")));
    EXPECT_TRUE(is_safe_path_name(QStringLiteral("José María")));
    EXPECT_TRUE(is_safe_path_name(QString()));
    for (auto bad : {"..", ".", "a/b", "a\\b", "a\tb", "../x"}) EXPECT_FALSE(is_safe_path_name(QString::fromLatin1(bad))) << bad;
}

TEST(ShownWords, LoadsEntriesSkipsOtherLinesAndKeepsRowsAligned) {
    DataTree t;
    RunPieces m;
    t.write_lines("l.txt", {"uno|one|00001", "", "bad line", "dos|two|", "tres|three|00003"});
    EXPECT_TRUE(create_array_of_words(m, t.path("l.txt")));
    EXPECT_EQ(m.shown_count(), 3);
    EXPECT_EQ(m.shown_words, (QStringList{"uno", "dos", "tres", ""}));
    // "dos" has no sound number: it is loaded but not shown, and row 1 shows "tres".
    EXPECT_EQ(entry_at_row(m, 0), 0);
    EXPECT_EQ(entry_at_row(m, 1), 2);
    EXPECT_EQ(entry_at_row(m, 2), -1);
    EXPECT_EQ(row_of_entry(m, 2), 1);
    EXPECT_EQ(row_of_entry(m, 1), -1);

    EXPECT_TRUE(create_array_of_words(m, t.path("missing.txt")));
    EXPECT_EQ(m.shown_count(), 0);
    EXPECT_EQ(m.shown_words.size(), 1);
}

TEST(ShownWords, ALongerListLoadsItsFirst30001Entries) {
    DataTree t;
    RunPieces m;
    QStringList lines;
    for (int i = 0; i < kMaxListEntries + 5; ++i) lines << QStringLiteral("w%1|t%1|%2").arg(i).arg(i % 100000, 5, 10, QChar(u'0'));
    t.write_lines("big.txt", lines);
    EXPECT_FALSE(create_array_of_words(m, t.path("big.txt")));
    EXPECT_EQ(m.shown_count(), kMaxListEntries);
    EXPECT_EQ(m.shown_words[kMaxListEntries - 1], QStringLiteral("w30000"));
}

TEST(Language, ListsTxtFilesDeletesTinyOnesAndReadsTheTranslationIndex) {
    DataTree t;
    RunPieces m;
    t.attach(m);
    t.write_lines("languages/spanish/colors.txt", {"rojo|red|00001"});
    t.write_lines("languages/spanish/animals.txt", {"gato|cat|00002"});
    t.write_lines("languages/spanish/master_spanish.txt", {"rojo|red|00001"});
    t.write("languages/spanish/empty.txt", "x");
    t.write_lines("languages/spanish/trans_spanish.dat", {"english"});
    t.write_lines("languages/spanish/trans_index_spanish_english.dat",
                  {"00001|00101", "00002|00102", "junk", "abc|00001", "123456|00001", "-4|00001"});
    t.write_lines("languages/spanish/trans_index_spanish_french.dat", {"00001|00999"});
    const LanguageChoice chosen = choose_language(m, "spanish");
    EXPECT_EQ(chosen.lists, (QStringList{"animals", "colors"}));
    EXPECT_FALSE(t.exists("languages/spanish/empty.txt"));
    EXPECT_TRUE(t.exists("users/ann/spanish"));
    const LanguageSession& s = chosen.session;
    EXPECT_EQ(s.current_language, u"spanish");
    EXPECT_EQ(s.target_language, u"english");
    EXPECT_EQ(s.target_sound_numbers[1], u"00101");
    EXPECT_EQ(s.target_sound_numbers[2], u"00102");
    EXPECT_EQ(s.master_file, t.path("languages/spanish/master_spanish.txt"));

    // A language without a translation file keeps nothing of the one chosen before.
    t.write_lines("languages/italian/parole.txt", {"rosso|red|00001"});
    const LanguageSession italian = choose_language(m, "italian").session;
    EXPECT_TRUE(italian.target_language.isEmpty());
    EXPECT_TRUE(italian.target_sound_numbers[1].isEmpty());
}

class KnownWords : public ::testing::Test {
protected:
    void SetUp() override {
        t.attach(m);
        t.write_lines("languages/spanish/colors.txt", {"rojo|red|00001", "azul|blue|00002", "", "verde|green|00003"});
        static_cast<LanguageSession&>(m) = choose_language(m, "spanish").session;
        m.current_list = "colors";
    }
    void show(const QString& file) {
        m.shown_file = file;
        create_array_of_words(m, file);
    }
    DataTree t;
    RunPieces m;
};

TEST_F(KnownWords, FirstUnknownFileIsAByteCopyOfTheList) {
    generate_unknowns_file(m, m, m.prompter);
    EXPECT_EQ(t.read("users/ann/spanish/colors-u.txt"), t.read("languages/spanish/colors.txt"));
    EXPECT_TRUE(known_list_names(m, m).isEmpty());
}

TEST_F(KnownWords, MovesAreByteExactAndSurviveRegeneration) {
    generate_unknowns_file(m, m, m.prompter);
    show(m.unknown_file);
    ASSERT_TRUE(mark_word_known(m.prompter, m, m, review_today(m.date_clock), 1));
    EXPECT_EQ(t.read("users/ann/spanish/colors-u.txt"), crlf({"rojo|red|00001", "verde|green|00003"}));
    EXPECT_EQ(t.read("users/ann/spanish/colors-k.txt"), crlf({"azul|blue|00002"}));
    EXPECT_EQ(known_list_names(m, m), QStringList{"colors"});
    EXPECT_EQ(m.shown_words, (QStringList{"rojo", "verde", ""}));

    // A deleted unknown file comes back without the known words (and without empty lines).
    QFile::remove(m.unknown_file);
    generate_unknowns_file(m, m, m.prompter);
    EXPECT_EQ(t.read("users/ann/spanish/colors-u.txt"), crlf({"rojo|red|00001", "verde|green|00003"}));

    // Moving the only known word back empties the known file, which then disappears.
    show(m.known_file);
    ASSERT_TRUE(mark_word_unknown(m.prompter, m, m, review_today(m.date_clock), 0));
    EXPECT_EQ(t.read("users/ann/spanish/colors-u.txt"), crlf({"rojo|red|00001", "verde|green|00003", "azul|blue|00002"}));
    EXPECT_TRUE(known_list_names(m, m).isEmpty());
    EXPECT_FALSE(t.exists("users/ann/spanish/colors-k.txt"));
}

TEST_F(KnownWords, AMoveNeverWritesAnotherFilesEntriesIntoTheSource) {
    generate_unknowns_file(m, m, m.prompter);
    show(m.unknown_file);
    ASSERT_TRUE(mark_word_known(m.prompter, m, m, review_today(m.date_clock), 0));  // rojo is known now
    // The columns show the known file; "marking known" its entry must not rewrite the unknown file
    // with the known words.
    show(m.known_file);
    EXPECT_FALSE(mark_word_known(m.prompter, m, m, review_today(m.date_clock), 0));
    EXPECT_EQ(t.read("users/ann/spanish/colors-u.txt"), crlf({"azul|blue|00002", "verde|green|00003"}));
    EXPECT_EQ(t.read("users/ann/spanish/colors-k.txt"), crlf({"rojo|red|00001"}));
}
