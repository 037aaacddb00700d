#include "core/help_texts.h"
#include "support/run_pieces.h"
#include "core/text_views.h"
#include "support/data_tree.h"

#include <gtest/gtest.h>

using ql::testing::RunPieces;

using namespace ql;
using ql::testing::DataTree;

TEST(WordListText, HeaderBlankLinePaddedRowsAndTheLastEmptyRow) {
    RunPieces m;
    m.student_name = QStringLiteral("ann");
    m.shown_file = QStringLiteral("/w/users/ann/spanish/colores-u.txt");
    m.shown_words = QStringList{"rojo", "sixteen_letters_", "fifteen_letters", ""};
    m.shown_translations = QStringList{"red", "x", QStringLiteral("niño"), ""};
    m.shown_sound_numbers = QStringList{"01001", "01002", "01003", ""};
    const QString text = word_list_text(m, m, QDateTime(QDate(2026, 12, 7), QTime(16, 20, 1)));
    EXPECT_EQ(text.toUtf8(),
              QByteArray("User: ann List: /w/users/ann/spanish/colores-u.txt  12/7/2026 4:20:01 PM\r\n"
                         "\r\n"
                         "rojo             \tred\r\n"
                         "sixteen_letters_\tx\r\n"
                         "fifteen_letters  \tni\xc3\xb1o\r\n"
                         "                 \t"));
}

TEST(WordListText, TestResultsTextIsTheWholeFileOrNothing) {
    DataTree t;
    RunPieces m;
    t.attach(m);
    EXPECT_EQ(test_results_text(m), QString());
    t.write("test_results.txt", "a\tb\r\nc\td\r\n");
    EXPECT_EQ(test_results_text(m), QStringLiteral("a\tb\r\nc\td\r\n"));
}

TEST(HelpTexts, ContactDetailsAndTheLinuxNamesInTroubleshooting) {
    EXPECT_EQ(help_text().text, QStringLiteral("For general instructions on how to use the program, click on Instructions. "
                                               "For additional words, go to www.quillory.org.  For additional help contact "
                                               "Orrin Vale at orrin.vale@quillory.org or +1 555 0142."));
    EXPECT_EQ(about_text().text, u"Quillory version 1.0 www.quillory.org. ");
    const HelpText t = troubleshooting_text();
    EXPECT_FALSE(t.text.contains(QStringLiteral(".exe")));
    EXPECT_FALSE(t.text.contains(QStringLiteral(".dll")));
    EXPECT_FALSE(t.text.contains(u'\\'));
    EXPECT_TRUE(t.text.contains(QStringLiteral("\n\nquillory\t\tin 'quillory' folder\n")));
    EXPECT_TRUE(t.text.endsWith(QStringLiteral("\nthe users known word lists\texample: quillory/users/kestrel/spanish/most_common_words-u.txt")));
}
