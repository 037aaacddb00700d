#include "core/review_schedule.h"
#include "support/run_pieces.h"
#include "core/list_import.h"
#include "core/record_edit.h"
#include "core/test_session.h"
#include "core/text_file.h"
#include "support/data_tree.h"

#include <QDateTime>
#include <gtest/gtest.h>

using namespace ql;
using ql::testing::crlf;
using ql::testing::DataTree;
using ql::testing::RunPieces;

namespace {

// The lines in Windows-1252, each ended by CR LF. Every character used here is in Latin-1, where the
// two sets agree, so Qt's own Latin-1 encoder stands in for an independent one.
QByteArray cp1252(const QStringList& lines) {
    QByteArray out;
    for (const QString& l : lines) out += l.toLatin1() + "\r\n";
    return out;
}

// A working folder kept in the Windows-1252 code page: list, master, the student's files,
// the change log, the counter and the results file.
class EightBitFolder : public ::testing::Test {
protected:
    void SetUp() override {
        t.attach(m);
        t.write("languages/spanish/colores.txt", cp1252(list));
        t.write("languages/spanish/master_spanish.txt", cp1252(QStringList{"perro|dog|00412"} + list));
        t.write("languages/spanish/highest_num.dat", " 70013 \r\n");
        t.write("languages/spanish/changes_spanish.dat", cp1252({"señal|sing|70000->señal|sign|70000"}));
        t.write("users/ann/spanish/colores-u.txt", cp1252({"pájaro|bird|01001", "café|coffee|01003"}));
        t.write("users/ann/spanish/colores-k.txt", cp1252({"niño|child|70012"}));
        t.write("test_results.txt", cp1252({"José\tspanish\tcolores\t3\t100%\t00:41 \tSpelling\tSound Only\t3/2/2026 9:15:00 AM"}));
        static_cast<LanguageSession&>(m) = choose_language(m, "spanish").session;
        m.current_list = "colores";
        generate_unknowns_file(m, m, m.prompter);
        edit.changes_file = changes_path(m, m);
    }
    void show(const QString& file) {
        m.shown_file = file;
        create_array_of_words(m, file);
    }
    const QStringList list{"pájaro|bird|01001", "niño|child|70012", "café|coffee|01003"};
    DataTree t;
    RunPieces m;
    RecordEditState edit;  // the record-and-edit window's chosen word
};

}  // namespace

TEST_F(EightBitFolder, MovesAddSaveAndATestKeepEveryFileInItsOwnSet) {
    show(m.unknown_file);
    ASSERT_TRUE(mark_word_known(m.prompter, m, m, review_today(m.date_clock), 0));  // pájaro
    show(m.known_file);
    ASSERT_TRUE(mark_word_unknown(m.prompter, m, m, review_today(m.date_clock), 0));  // niño
    EXPECT_TRUE(add_word(m, m, "añil", "indigo").ok);
    edit.current_sound_number = "70012";
    EXPECT_TRUE(save_text(m, edit, "niño", "little boy").ok);
    ResultsLine r;
    r.student = "Begoña";
    r.language = "spanish";
    r.word_source = "colores (unknowns only)";
    r.asked_count = 2;
    r.percent = 50;
    r.elapsed_seconds = 12;
    r.kind = TestKind::FillInBlank;
    r.started = QDateTime(QDate(2026, 3, 2), QTime(10, 0, 0));
    QString error;
    ASSERT_TRUE(append_results_line(m, r, &error)) << error.toStdString();

    EXPECT_EQ(t.read("languages/spanish/colores.txt"),
              cp1252({"pájaro|bird|01001", "niño|little boy|70012", "café|coffee|01003", "añil|indigo|70013"}));
    EXPECT_EQ(t.read("languages/spanish/master_spanish.txt"),
              cp1252({"perro|dog|00412", "pájaro|bird|01001", "niño|little boy|70012", "café|coffee|01003",
                      "añil|indigo|70013"}));
    EXPECT_EQ(t.read("users/ann/spanish/colores-u.txt"),
              cp1252({"café|coffee|01003", "niño|little boy|70012", "añil|indigo|70013"}));
    EXPECT_EQ(t.read("users/ann/spanish/colores-k.txt"), cp1252({"pájaro|bird|01001"}));
    EXPECT_EQ(t.read("languages/spanish/changes_spanish.dat"),
              cp1252({"señal|sing|70000->señal|sign|70000", "niño|child|70012->niño|little boy|70012"}));
    EXPECT_EQ(t.read("languages/spanish/highest_num.dat"), QByteArray(" 70014 \r\n"));
    EXPECT_EQ(t.read("test_results.txt"),
              cp1252({"José\tspanish\tcolores\t3\t100%\t00:41 \tSpelling\tSound Only\t3/2/2026 9:15:00 AM",
                      format_results_line(r)}));
    EXPECT_TRUE(format_results_line(r).startsWith(u"Begoña\t"));
}

TEST_F(EightBitFolder, AWordTheSetCannotHoldTurnsTheWholeFileIntoUtf8) {
    EXPECT_TRUE(add_word(m, m, "дом", "house").ok);
    const QStringList lines = list + QStringList{"дом|house|70013"};
    EXPECT_EQ(t.read("languages/spanish/colores.txt"), crlf(lines));
    EXPECT_EQ(t.read("languages/spanish/master_spanish.txt"), crlf(QStringList{"perro|dog|00412"} + lines));
    EXPECT_EQ(t.read("users/ann/spanish/colores-u.txt"), crlf({"pájaro|bird|01001", "café|coffee|01003", "дом|house|70013"}));
    // The file that took nothing new stays as it was.
    EXPECT_EQ(t.read("users/ann/spanish/colores-k.txt"), cp1252({"niño|child|70012"}));

    // A rewrite too: the known file becomes UTF-8 only when the moved word needs it.
    show(m.unknown_file);
    ASSERT_TRUE(mark_word_known(m.prompter, m, m, review_today(m.date_clock), 2));
    EXPECT_EQ(t.read("users/ann/spanish/colores-k.txt"), crlf({"niño|child|70012", "дом|house|70013"}));
}

TEST_F(EightBitFolder, FilesInTwoSetsStillMatchByTheirText) {
    // A known file kept in UTF-8 beside an 8-bit list: the unknown file is rebuilt without its word, in
    // the list's set.
    t.write("users/ann/spanish/colores-k.txt", crlf({"niño|child|70012"}));
    QFile::remove(m.unknown_file);
    generate_unknowns_file(m, m, m.prompter);
    EXPECT_EQ(t.read("users/ann/spanish/colores-u.txt"), cp1252({"pájaro|bird|01001", "café|coffee|01003"}));
    // And a move from the UTF-8 known file into the 8-bit unknown file finds its line.
    t.write("users/ann/spanish/colores-u.txt", cp1252({"pájaro|bird|01001", "café|coffee|01003"}));
    show(m.known_file);
    ASSERT_TRUE(mark_word_unknown(m.prompter, m, m, review_today(m.date_clock), 0));
    EXPECT_EQ(t.read("users/ann/spanish/colores-u.txt"),
              cp1252({"pájaro|bird|01001", "café|coffee|01003", "niño|child|70012"}));
    EXPECT_EQ(t.read("users/ann/spanish/colores-k.txt"), QByteArray());
}

TEST(Charsets, RewritesKeepTheSetAndTheByteOrderMark) {
    DataTree t;
    t.write("bom.txt", "\xEF\xBB\xBFuno|one|00001\r\n");
    t.write("bare.txt", "\xEF\xBB\xBF");
    t.write("latin.txt", "a\xF1o|year|00001");  // no ending on the last line
    ASSERT_TRUE(write_lines(t.path("bom.txt"), {"año|year|00002"}));
    EXPECT_EQ(t.read("bom.txt"), "\xEF\xBB\xBF" + crlf({"año|year|00002"}));
    ASSERT_TRUE(append_lines(t.path("bom.txt"), {"€|euro|00003"}));
    EXPECT_EQ(t.read("bom.txt"), "\xEF\xBB\xBF" + crlf({"año|year|00002", "€|euro|00003"}));
    ASSERT_TRUE(append_lines(t.path("bare.txt"), {"año|year|00002"}));
    EXPECT_EQ(t.read("bare.txt"), "\xEF\xBB\xBF" + crlf({"año|year|00002"}));
    // An appended line never runs into an unended last line; the euro sign has its 8-bit code.
    ASSERT_TRUE(append_lines(t.path("latin.txt"), {"€|euro|00003"}));
    EXPECT_EQ(t.read("latin.txt"), QByteArray("a\xF1o|year|00001\r\n\x80|euro|00003\r\n"));

    // The list editor's two saves: the file's own set, and UTF-8 behind a byte-order mark.
    FileChanges plain;
    plain.rewrite_text(t.path("latin.txt"), QStringLiteral("Œuvre|work|00004\r\n"));
    ASSERT_TRUE(plain.apply());
    EXPECT_EQ(t.read("latin.txt"), QByteArray("\x8Cuvre|work|00004\r\n"));
    FileChanges unicode;
    unicode.rewrite_text(t.path("latin.txt"), QStringLiteral("Œuvre|work|00004\r\n"), Charset::Utf8WithBom);
    ASSERT_TRUE(unicode.apply());
    EXPECT_EQ(t.read("latin.txt"), "\xEF\xBB\xBF" + crlf({"Œuvre|work|00004"}));

    // New files are UTF-8 without a mark.
    ASSERT_TRUE(append_lines(t.path("new.txt"), {"año|year|00002"}));
    EXPECT_EQ(t.read("new.txt"), crlf({"año|year|00002"}));
}

// Files the program makes in an 8-bit language take its set, so that a student's two files of a list
// and the language's lists never differ in it; a character the set cannot hold makes the file UTF-8.
TEST_F(EightBitFolder, NewFilesTakeTheLanguagesSet) {
    // A first known word makes the known file; a deleted unknown file is rebuilt from the list.
    QFile::remove(m.known_file);
    show(m.unknown_file);
    ASSERT_TRUE(mark_word_known(m.prompter, m, m, review_today(m.date_clock), 0));
    EXPECT_EQ(t.read("users/ann/spanish/colores-k.txt"), cp1252({"pájaro|bird|01001"}));
    QFile::remove(m.unknown_file);
    generate_unknowns_file(m, m, m.prompter);
    EXPECT_EQ(t.read("users/ann/spanish/colores-u.txt"), cp1252({"niño|child|70012", "café|coffee|01003"}));
    // A known file of English words only is in either set, and takes the language's.
    t.write("users/ann/spanish/colores-k.txt", crlf({"dog|dog|00412"}));
    show(m.unknown_file);
    ASSERT_TRUE(mark_word_known(m.prompter, m, m, review_today(m.date_clock), 0));
    EXPECT_EQ(t.read("users/ann/spanish/colores-k.txt"), cp1252({"dog|dog|00412", "niño|child|70012"}));

    ASSERT_TRUE(import_word_pairs(m, "spanish", "comida", {{"piña", "pineapple"}, {"café", "coffee"}}).ok);
    EXPECT_EQ(t.read("languages/spanish/comida.txt"), cp1252({"piña|pineapple|70013", "café|coffee|01003"}));
    ASSERT_TRUE(import_word_pairs(m, "spanish", "casas", {{"casa", "дом"}, {"año", "year"}}).ok);
    EXPECT_EQ(t.read("languages/spanish/casas.txt"), crlf({"casa|дом|70014", "año|year|70015"}));
}
