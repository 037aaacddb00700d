#include "support/window_test.h"
#include "core/search.h"
#include "support/run_session.h"
#include "windows/main_window.h"
#include "windows/window_openers.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace ql;
using namespace ql::testing;

namespace {

class MainWindowTexts : public WindowTest {
protected:
    void SetUp() override {
        clear_master_cache();
        t.copy_sample_lists();
        openers.test_results = [this](const QString& text) { opened << text; };
        w = start_main_window();  // chooses the first language, english
        select_language(QStringLiteral("spanish"));
    }
    void select_language(const QString& name) {
        auto* langs = w->findChild<QListWidget*>(QStringLiteral("lang_list"));
        const int row = rows(langs).indexOf(name);
        ASSERT_GE(row, 0);
        langs->setCurrentRow(row);
    }
    template <class T>
    T* get(const char* name) {
        T* c = w->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    void trigger(const char* action) { get<QAction>(action)->trigger(); }

    QStringList opened;
    std::unique_ptr<MainWindow> w;
};

}  // namespace

TEST_F(MainWindowTexts, TypingInEitherSearchBoxShowsTheHits) {
    auto* words = get<QListWidget>("words_list");
    auto* translations = get<QListWidget>("words_liste");
    QTest::keyClicks(get<QLineEdit>("txt_word_search"), QStringLiteral("Ca"));
    EXPECT_EQ(rows(words), (QStringList{"caballo", "casa", "cama", QStringLiteral("café")}));
    EXPECT_EQ(rows(translations), (QStringList{"horse", "house, home", "bed", "coffee"}));
    QTest::keyClicks(get<QLineEdit>("txt_word_search"), QStringLiteral("s"));
    EXPECT_EQ(rows(words), QStringList{"casa"});
    // Deleting back to one letter leaves the columns alone.
    QTest::keyClick(get<QLineEdit>("txt_word_search"), Qt::Key_Backspace);
    QTest::keyClick(get<QLineEdit>("txt_word_search"), Qt::Key_Backspace);
    EXPECT_EQ(rows(words), (QStringList{"caballo", "casa", "cama", QStringLiteral("café")}));

    QTest::keyClicks(get<QLineEdit>("txt_word_search2"), QStringLiteral("eat"));
    EXPECT_EQ(rows(translations), (QStringList{"to eat", "food, eat", "to devour, eat up"}));
    EXPECT_EQ(rows(words), (QStringList{"comer", "comida", "devorar"}));
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(MainWindowTexts, ShowSelectedWordListNeedsAListAndOpensTheResultsWindow) {
    QTest::mouseClick(get<QPushButton>("print_list"), Qt::LeftButton);
    EXPECT_EQ(prompter.messages(), QStringList{"You must first select one of the word/phrase lists."});
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(w->isVisible());

    t.write_lines(QStringLiteral("users/ann/spanish/tres-u.txt"), {"a|b|1"});
    m.shown_file = m.user_folder + QStringLiteral("spanish/tres-u.txt");
    m.shown_words = QStringList{"rojo", "azul", "verde", ""};
    m.shown_translations = QStringList{"red", "blue", "green", ""};
    QTest::mouseClick(get<QPushButton>("print_list"), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_FALSE(w->isVisible());
    const QByteArray text = opened[0].toUtf8();
    const QByteArray header = "User: ann List: " + m.shown_file.toUtf8() + "  ";
    ASSERT_TRUE(text.startsWith(header)) << text.toStdString();
    // The header ends with the moment in the US form, then the rows.
    const qsizetype eol = text.indexOf("\r\n");
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{1,2}/\\d{1,2}/\\d{4} \\d{1,2}:\\d{2}:\\d{2} [AP]M$"))
                    .match(QString::fromUtf8(text.mid(header.size(), eol - header.size())))
                    .hasMatch());
    EXPECT_EQ(text.mid(eol), QByteArray("\r\n\r\n"
                                        "rojo             \tred\r\n"
                                        "azul             \tblue\r\n"
                                        "verde            \tgreen\r\n"
                                        "                 \t"));
}

TEST_F(MainWindowTexts, ShowTestResultsReadsTheWholeFileOrShowsNothing) {
    QTest::mouseClick(get<QPushButton>("show_test_results"), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QString());
    EXPECT_TRUE(prompter.messages().isEmpty());
    EXPECT_FALSE(w->isVisible());

    w->show_main();
    t.write("test_results.txt", "ann\tspanish\tcolores\t2\t100%\t00:03 \tSpelling\tSound Only\t12/7/2026 2:30:00 PM\r\n");
    QTest::mouseClick(get<QPushButton>("show_test_results"), Qt::LeftButton);
    EXPECT_EQ(opened.value(1), QStringLiteral("ann\tspanish\tcolores\t2\t100%\t00:03 \tSpelling\tSound Only\t12/7/2026 2:30:00 PM\r\n"));
}

TEST_F(MainWindowTexts, TheMenusShowTheirTextsUnderTheirTitles) {
    prompter.clear();
    for (const char* a : {"mnu_instructions_text", "mnu_help_text", "mnu_troubleshooting", "mnu_about"}) trigger(a);
    ASSERT_EQ(prompter.shown().size(), 4u);
    EXPECT_EQ(prompter.shown()[0].title, u"Instructions");
    EXPECT_TRUE(prompter.shown()[0].text.contains(u"Click on 'flash cards' to randomnly play words"));
    EXPECT_EQ(prompter.shown()[1].title, u"Help");
    EXPECT_EQ(prompter.shown()[2].title, u"Troubleshooting");
    EXPECT_EQ(prompter.shown()[3].title, u"About www.quillory.org Vocabulary Tutor");
    for (const auto& s : prompter.shown()) EXPECT_EQ(s.kind, u"message");
}

TEST_F(MainWindowTexts, AMissingMasterIsNamedWhenSearching) {
    QFile::remove(t.path("languages/spanish/master_spanish.txt"));
    QTest::keyClicks(get<QLineEdit>("txt_word_search"), QStringLiteral("ca"));
    EXPECT_EQ(prompter.messages(),
              QStringList{QStringLiteral("Required master list file was not found. You need ") +
                          t.path("languages/spanish/master_spanish.txt")});
}

TEST_F(MainWindowTexts, ProgressOpensFromTheButtonAndTheFileMenuBesideTheMainWindow) {
    int opened_progress = 0;
    openers.progress = [&] { ++opened_progress; };
    w = std::make_unique<MainWindow>(m, openers);
    w->show();
    auto* button = get<QPushButton>("show_progress");
    EXPECT_EQ(button->text(), u"Progress");
    QTest::mouseClick(button, Qt::LeftButton);
    trigger("mnu_progress");
    EXPECT_EQ(opened_progress, 2);
    EXPECT_TRUE(w->isVisible());
}
