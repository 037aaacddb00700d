#include "support/run_pieces.h"
#include "core/record_edit.h"
#include "core/text_file.h"
#include "support/data_tree.h"

#include <gtest/gtest.h>

using namespace ql;
using ql::testing::crlf;
using ql::testing::DataTree;
using ql::testing::RunPieces;

namespace {

// A spanish list "colores" whose entry 70012 stands in the list, the master and the student's files.
class ListEdits : public ::testing::Test {
protected:
    void SetUp() override {
        t.attach(m);
        m.current_language = "spanish";
        m.current_list = "colores";
        m.list_file = t.path("languages/spanish/colores.txt");
        m.master_file = t.path("languages/spanish/master_spanish.txt");
        m.unknown_file = t.path("users/ann/spanish/colores-u.txt");
        m.known_file = t.path("users/ann/spanish/colores-k.txt");
        edit.changes_file = changes_path(m, m);
        t.write_lines("languages/spanish/colores.txt", {"rojo|red|01001", "casa|hause|70012", "verde|green|01003"});
        t.write_lines("languages/spanish/master_spanish.txt",
                      {"perro|dog|00412", "rojo|red|01001", "casa|hause|70012", "verde|green|01003"});
        t.write_lines("users/ann/spanish/colores-u.txt", {"casa|hause|70012", "verde|green|01003"});
        t.write_lines("users/ann/spanish/colores-k.txt", {"rojo|red|01001", "casa|hause|70012"});
    }
    QByteArray changes() const { return t.read("languages/spanish/changes_spanish.dat"); }

    DataTree t;
    RunPieces m;
    RecordEditState edit;  // the record-and-edit window's chosen word
};

}  // namespace

TEST_F(ListEdits, GetHighStartsAt70000AndWritesTheNextNumberWithBlanks) {
    QString error;
    EXPECT_EQ(get_high(m, m, &error), u"70000") << error.toStdString();
    EXPECT_EQ(t.read("languages/spanish/highest_num.dat"), QByteArray(" 70001 \r\n"));
    EXPECT_EQ(get_high(m, m, &error), u"70001");
    EXPECT_EQ(t.read("languages/spanish/highest_num.dat"), QByteArray(" 70002 \r\n"));

    // A counter written by hand without blanks, or with LF only, reads the same.
    t.write("languages/spanish/highest_num.dat", "70450\n");
    EXPECT_EQ(get_high(m, m, &error), u"70450");
    EXPECT_EQ(t.read("languages/spanish/highest_num.dat"), QByteArray(" 70451 \r\n"));
}

TEST_F(ListEdits, GetHighRefusesPast99999AndUnreadableCounters) {
    t.write("languages/spanish/highest_num.dat", " 99999 \r\n");
    QString error;
    EXPECT_EQ(get_high(m, m, &error), u"99999");

    EXPECT_EQ(get_high(m, m, &error), std::nullopt);
    EXPECT_EQ(error, u"All sound numbers up to 99999 have been used in this language, so no new word or phrase can be added.");
    EXPECT_EQ(t.read("languages/spanish/highest_num.dat"), QByteArray(" 100000 \r\n"));

    t.write("languages/spanish/highest_num.dat", "seventy\r\n");
    EXPECT_EQ(get_high(m, m, &error), std::nullopt);
    EXPECT_TRUE(error.contains(u"highest_num.dat"));
    EXPECT_EQ(t.read("languages/spanish/highest_num.dat"), QByteArray("seventy\r\n"));
}

TEST_F(ListEdits, AddingAPairAppendsToListMasterAndUnknownFile) {
    t.write("languages/spanish/highest_num.dat", " 70013 \r\n");
    const EditResult r = add_word(m, m, "blanco", "white");
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.messages.isEmpty());
    EXPECT_EQ(t.read("languages/spanish/colores.txt"),
              crlf({"rojo|red|01001", "casa|hause|70012", "verde|green|01003", "blanco|white|70013"}));
    EXPECT_EQ(t.read("languages/spanish/master_spanish.txt"),
              crlf({"perro|dog|00412", "rojo|red|01001", "casa|hause|70012", "verde|green|01003", "blanco|white|70013"}));
    EXPECT_EQ(t.read("users/ann/spanish/colores-u.txt"), crlf({"casa|hause|70012", "verde|green|01003", "blanco|white|70013"}));
    EXPECT_EQ(t.read("users/ann/spanish/colores-k.txt"), crlf({"rojo|red|01001", "casa|hause|70012"}));
    EXPECT_EQ(t.read("languages/spanish/highest_num.dat"), QByteArray(" 70014 \r\n"));
    EXPECT_FALSE(t.exists("languages/spanish/changes_spanish.dat"));
}

TEST_F(ListEdits, AddingToTheMasterChosenAsListWritesItOnce) {
    m.list_file = m.master_file;
    m.unknown_file = t.path("users/ann/spanish/master_spanish-u.txt");
    ASSERT_TRUE(add_word(m, m, "gato", "cat").ok);
    EXPECT_EQ(t.read("languages/spanish/master_spanish.txt"),
              crlf({"perro|dog|00412", "rojo|red|01001", "casa|hause|70012", "verde|green|01003", "gato|cat|70000"}));
    EXPECT_EQ(t.read("users/ann/spanish/master_spanish-u.txt"), crlf({"gato|cat|70000"}));
}

TEST_F(ListEdits, SavingACorrectionRewritesAllFourFilesAndLogsTheMasterChange) {
    edit.current_sound_number = "70012";
    const EditResult r = save_text(m, edit, "casa", "house");
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(t.read("languages/spanish/colores.txt"), crlf({"rojo|red|01001", "casa|house|70012", "verde|green|01003"}));
    EXPECT_EQ(t.read("languages/spanish/master_spanish.txt"),
              crlf({"perro|dog|00412", "rojo|red|01001", "casa|house|70012", "verde|green|01003"}));
    EXPECT_EQ(t.read("users/ann/spanish/colores-u.txt"), crlf({"casa|house|70012", "verde|green|01003"}));
    EXPECT_EQ(t.read("users/ann/spanish/colores-k.txt"), crlf({"rojo|red|01001", "casa|house|70012"}));
    EXPECT_EQ(changes(), crlf({"casa|hause|70012->casa|house|70012"}));

    // A second save logs again, after the first line.
    ASSERT_TRUE(save_text(m, edit, "la casa", "house").ok);
    EXPECT_EQ(changes(), crlf({"casa|hause|70012->casa|house|70012", "casa|house|70012->la casa|house|70012"}));
}

TEST_F(ListEdits, DeletingRemovesTheEntryEverywhereAndLogsTheBoxTexts) {
    edit.current_sound_number = "70012";
    const EditResult r = delete_word(m, edit, "casa", "house (as typed)");
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(t.read("languages/spanish/colores.txt"), crlf({"rojo|red|01001", "verde|green|01003"}));
    EXPECT_EQ(t.read("languages/spanish/master_spanish.txt"), crlf({"perro|dog|00412", "rojo|red|01001", "verde|green|01003"}));
    EXPECT_EQ(t.read("users/ann/spanish/colores-u.txt"), crlf({"verde|green|01003"}));
    EXPECT_EQ(t.read("users/ann/spanish/colores-k.txt"), crlf({"rojo|red|01001"}));
    EXPECT_EQ(changes(), crlf({"word_deleted->casa|house (as typed)|70012"}));
}

TEST_F(ListEdits, EveryDuplicateOfTheNumberChangesAndOtherFilesKeepTheirBytes) {
    t.write_lines("languages/spanish/master_spanish.txt", {"casa|hause|70012", "perro|dog|00412", "la casa|hause|70012"});
    // A list with LF endings in the old 8-bit code page that does not hold the number stays byte for byte.
    t.write("users/ann/spanish/colores-k.txt", QByteArray("ni\xf1o|child|00033\n"));
    edit.current_sound_number = "70012";
    ASSERT_TRUE(save_text(m, edit, "casa", "house").ok);
    EXPECT_EQ(t.read("languages/spanish/master_spanish.txt"),
              crlf({"casa|house|70012", "perro|dog|00412", "casa|house|70012"}));
    EXPECT_EQ(changes(), crlf({"casa|hause|70012->casa|house|70012", "la casa|hause|70012->casa|house|70012"}));
    EXPECT_EQ(t.read("users/ann/spanish/colores-k.txt"), QByteArray("ni\xf1o|child|00033\n"));
}

TEST_F(ListEdits, MissingStudentFilesAreSkippedAndTheRestIsSaved) {
    QFile::remove(m.known_file);
    QFile::remove(m.unknown_file);
    edit.current_sound_number = "70012";
    EXPECT_TRUE(save_text(m, edit, "casa", "house").ok);
    EXPECT_FALSE(t.exists("users/ann/spanish/colores-k.txt"));
    EXPECT_EQ(t.read("languages/spanish/colores.txt"), crlf({"rojo|red|01001", "casa|house|70012", "verde|green|01003"}));
}

TEST_F(ListEdits, TextsThatWouldBreakTheLineAreRefusedAndNothingIsWritten) {
    const QByteArray list_before = t.read("languages/spanish/colores.txt");
    edit.current_sound_number = "70012";
    const QString refusal = QStringLiteral(
        "The text may not contain the character \"|\", which separates the parts of a list line. Please remove it and try again.");
    EditResult r = save_text(m, edit, "casa|grande", "house");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.messages, QStringList{refusal});
    r = add_word(m, m, "blanco", "white|pale");
    EXPECT_EQ(r.messages, QStringList{refusal});
    EXPECT_EQ(t.read("languages/spanish/colores.txt"), list_before);
    EXPECT_FALSE(t.exists("languages/spanish/highest_num.dat"));
    EXPECT_FALSE(t.exists("languages/spanish/changes_spanish.dat"));
}

TEST_F(ListEdits, SavingWithNoPairChosenChangesNothing) {
    // Empty lines end in an empty "number": without this guard they would be replaced by the box texts.
    t.write_lines("languages/spanish/colores.txt", {"rojo|red|01001", "", "verde|green|01003"});
    const QByteArray before = t.read("languages/spanish/colores.txt");
    const EditResult r = save_text(m, edit, "", "");
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.messages, QStringList{"You have to select a word on one of the lists."});
    EXPECT_EQ(t.read("languages/spanish/colores.txt"), before);
}

TEST_F(ListEdits, AChangeLogThatCannotBeWrittenIsReported) {
    t.mkdir("languages/spanish/changes_spanish.dat");  // a folder where the log should be
    edit.current_sound_number = "70012";
    const EditResult r = save_text(m, edit, "casa", "house");
    EXPECT_FALSE(r.ok);
    ASSERT_EQ(r.messages.size(), 1);
    EXPECT_TRUE(r.messages[0].contains(u"changes_spanish.dat"));
    // The save goes in whole or not at all: no file takes the change that the log could not record.
    EXPECT_EQ(t.read("languages/spanish/master_spanish.txt"),
              crlf({"perro|dog|00412", "rojo|red|01001", "casa|hause|70012", "verde|green|01003"}));
    EXPECT_EQ(t.read("users/ann/spanish/colores-k.txt"), crlf({"rojo|red|01001", "casa|hause|70012"}));
}

TEST_F(ListEdits, LargeFilesAreRewrittenWhole) {
    QStringList lines;
    for (int i = 0; i < 30010; ++i) lines << QStringLiteral("w%1|t%1|%2").arg(i).arg(i % 100000, 5, 10, QChar(u'0'));
    lines << "casa|hause|70012" << "last|line|00001";
    t.write_lines("languages/spanish/master_spanish.txt", lines);
    edit.current_sound_number = "70012";
    ASSERT_TRUE(save_text(m, edit, "casa", "house").ok);
    lines[30010] = "casa|house|70012";
    EXPECT_EQ(t.read("languages/spanish/master_spanish.txt"), crlf(lines));
}

TEST_F(ListEdits, GroupsFollowTheRecordingsOnDisk) {
    t.write_lines("languages/spanish/colores.txt",
                  {"rojo|red|01001", "casa|hause|70012", "no number|x", "empty number|x|", "", "verde|green|01003",
                   "gato|cat|70020|extra field"});
    t.write("languages/spanish/01/01001.mp3", "mp3");
    t.write("languages/spanish/new_str/70/70012.str", "str");
    const SoundGroups g = create_arrays(m, m, m.list_file);
    EXPECT_EQ(g.with_words, (QStringList{"rojo", "casa"}));
    EXPECT_EQ(g.with_translations, (QStringList{"red", "hause"}));
    EXPECT_EQ(g.with_numbers, (QStringList{"01001", "70012"}));
    EXPECT_EQ(g.without_words, (QStringList{"verde", "gato"}));
    EXPECT_EQ(g.without_numbers, (QStringList{"01003", "70020"}));

    EXPECT_EQ(create_arrays(m, m, t.path("languages/spanish/missing.txt")).with_count(), 0);
}

TEST_F(ListEdits, AGroupLargerThanTheOldTableLoadsWhole) {
    QStringList lines;
    for (int i = 0; i < 20050; ++i) lines << QStringLiteral("w%1|t%1|%2").arg(i).arg(20000 + i, 5, 10, QChar(u'0'));
    t.write_lines("languages/spanish/big.txt", lines);
    const SoundGroups g = create_arrays(m, m, t.path("languages/spanish/big.txt"));
    ASSERT_EQ(g.without_count(), 20050);
    EXPECT_EQ(g.without_words.last(), u"w20049");
    EXPECT_EQ(g.without_numbers.last(), u"40049");
}

TEST_F(ListEdits, OneWordComesFromTheMainWindowsEntry) {
    m.shown_words = QStringList{"rojo", "sin", "casa", ""};
    m.shown_translations = QStringList{"red", "none", "house", ""};
    m.shown_sound_numbers = QStringList{"01001", "", "70012", ""};
    compute_shown_rows(m);
    t.write("languages/spanish/new_str/70/70012.str", "str");
    const SoundGroups g = create_word(m, m, m, 2);
    EXPECT_EQ(g.with_words, QStringList{"casa"});
    EXPECT_EQ(g.with_numbers, QStringList{"70012"});
    EXPECT_EQ(g.without_count(), 0);

    // The empty element past the last entry, and no entry at all.
    for (int index : {3, -1}) EXPECT_EQ(create_word(m, m, m, index).with_count() + create_word(m, m, m, index).without_count(), 0);
}
