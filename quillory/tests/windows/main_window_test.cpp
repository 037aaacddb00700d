#include "core/audio_engine.h"
#include "core/text_file.h"
#include "support/run_session.h"
#include "support/window_test.h"
#include "windows/main_window.h"
#include "windows/test_window.h"
#include "windows/window_openers.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using ql::testing::RunPieces;
using ql::AudioError;
using ql::kMaxListEntries;
using ql::kProgramTitle;
using ql::SoundSuppression;
using ql::unsafe_name_message;
using ql::WindowOpeners;
using ql::testing::crlf;
using ql::testing::WindowTest;

// Readable failure output for Qt strings.
void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

const QString kNamePrompt =
    QStringLiteral("What is your first name?  This is for the program to remember which words you have learned.");

class MainWindow : public WindowTest {
protected:
    // Starts a window on the tree as the app does, answering the name prompt with `student`.
    ql::MainWindow& start(const QString& student = QStringLiteral("ann")) {
        w.reset();
        w = start_main_window(student);
        return *w;
    }

    template <class T = QListWidget>
    T* get(const char* name) {
        T* c = w->findChild<T*>(QString::fromLatin1(name));
        EXPECT_TRUE(c) << name;
        return c;
    }
    QString label(const char* name) { return get<QLabel>(name)->text(); }

    void click(const char* list_name, int row) {
        QListWidget* list = get(list_name);
        ASSERT_LT(row, list->count()) << list_name;
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }
    void double_click(const char* list_name, int row) {
        QListWidget* list = get(list_name);
        ASSERT_LT(row, list->count()) << list_name;
        list->scrollToItem(list->item(row));
        // As a real mouse does it: press, release, then the second press arrives as a double-click.
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
    }
    void press(const char* button) { QTest::mouseClick(get<QPushButton>(button), Qt::LeftButton); }
    void click_list_named(const char* list_name, const QString& text) {
        const int row = rows(get(list_name)).indexOf(text);
        ASSERT_GE(row, 0) << text.toStdString();
        click(list_name, row);
    }

    // A sound file that exists, so that playing it reaches the audio engine.
    void recording(const QString& language, const QString& number) {
        t.write(QStringLiteral("languages/%1/%2/%3.mp3").arg(language, number.left(2), number), "mp3");
    }
    QString sound(const QString& language, const QString& number) {
        return t.path(QStringLiteral("languages/%1/%2/%3.mp3").arg(language, number.left(2), number));
    }

    std::unique_ptr<ql::MainWindow> w;
};

TEST_F(MainWindow, EveryControlHasItsNameAndCaption) {
    start();
    EXPECT_EQ(w->windowTitle(), kProgramTitle);
    const std::pair<const char*, const char*> buttons[] = {
        {"flash_cards", "Large Flash Cards and MP3"},
        {"small_flash", "Small Flash Card (Stays On Top)"},
        {"record_word_word", "Record and Edit Selected Word"},
        {"record_word_list", "Record and Edit Selected List"},
        {"test_me", "Start Student Test"},
        {"show_test_results", "Show Test Results"},
        {"print_list", "Show Selected Word List"},
        {"new_language", "Add new language"},
        {"add_list", "Add new word list"},
        {"toggle_font", "Increase Font"},
        {"exit_program", "Exit Program"}};
    for (auto [name, caption] : buttons) EXPECT_EQ(get<QPushButton>(name)->text(), QString::fromUtf8(caption));
    EXPECT_EQ(label("Label1"), u"Click A Language");
    EXPECT_EQ(label("Label3"), u"Click Unknown List");
    EXPECT_EQ(label("Label2"), u"Known Lists");
    EXPECT_EQ(label("Label4"),
              u"Double-click a word to move it from your unknown to your known list, or vice versa.");
    EXPECT_TRUE(label("Label5").startsWith(u"To obtain more words, go to "));
    EXPECT_TRUE(label("Label5").endsWith(u'.'));
    EXPECT_EQ(label("Label9"), u"<--- Search ");
    EXPECT_EQ(label("Label6"), u"");
    EXPECT_EQ(label("Label8"), u"");
    const std::pair<const char*, const char*> lists[] = {{"lang_list", "Languages"},
                                                         {"lists_list", "Word lists"},
                                                         {"known_lists", "Known lists"},
                                                         {"words_list", "Foreign words"},
                                                         {"words_liste", "Translations"}};
    for (auto [name, accessible] : lists) EXPECT_EQ(get(name)->accessibleName(), QString::fromUtf8(accessible));
    EXPECT_FALSE(get<QLineEdit>("txt_word_search")->accessibleName().isEmpty());
    EXPECT_FALSE(get<QLineEdit>("txt_word_search2")->accessibleName().isEmpty());

    // The translations stand to the right of the words, level with them.
    const QRect words = get("words_list")->geometry(), trans = get("words_liste")->geometry();
    EXPECT_GE(trans.left(), words.right());
    EXPECT_EQ(trans.top(), words.top());

    // Colours: light orange words and known lists, cyan lists, light green translations.
    auto base = [&](const char* name) { return get(name)->palette().color(QPalette::Base); };
    EXPECT_EQ(base("words_list"), base("known_lists"));
    EXPECT_GT(base("words_list").red(), base("words_list").blue());
    EXPECT_GT(base("lists_list").blue(), base("lists_list").red());
    EXPECT_GT(base("words_liste").green(), base("words_liste").red());
    EXPECT_EQ(get("words_list")->font().pointSizeF(), 8.25);

    std::map<QString, QString> menu;  // caption -> shortcut
    for (QAction* top : w->menuBar()->actions()) {
        menu[top->text()] = QString();
        for (QAction* a : top->menu()->actions()) menu[a->text()] = a->shortcut().toString();
    }
    const std::map<QString, QString> expected = {{"&File", ""},         {"E&xit", "Ctrl+X"},
                                                 {"&Import Word List...", ""}, {"&Export Word List...", ""},
                                                 {"Import &Anki Deck...", ""}, {"Export as Anki &Deck...", ""},
                                                 {"&Progress...", ""},          {"Today's &Review as MP3...", ""},
                                                 {"&Options", ""},              {"&Speech Speed", ""},
                                                 {"&Instructions", ""},  {"Instructions", "Ctrl+S"},
                                                 {"&Help", ""},          {"Hel&p", ""},
                                                 {"&Troubleshooting", "Ctrl+T"}, {"&About", "Ctrl+A"}};
    EXPECT_EQ(menu, expected);
}

TEST_F(MainWindow, StartUpWithNoneOneOrTwoLanguagesChoosesTheFirst) {
    // None: empty boxes, no message, search hidden.
    start();
    EXPECT_TRUE(rows(get("lang_list")).isEmpty());
    EXPECT_TRUE(rows(get("lists_list")).isEmpty());
    EXPECT_FALSE(get<QLineEdit>("txt_word_search")->isVisible());
    EXPECT_FALSE(get<QLabel>("Label9")->isVisible());
    EXPECT_TRUE(prompter.messages().isEmpty());
    EXPECT_EQ(prompter.shown().at(0).text, kNamePrompt);
    EXPECT_EQ(prompter.shown().at(0).title, u"Student Name");
    EXPECT_TRUE(t.exists("users/ann"));
    EXPECT_EQ(m.user_folder, t.root() + "users/ann/");
    EXPECT_EQ(m.languages_folder, t.root() + "languages/");

    // One language.
    t.write_lines("languages/spanish/colores.txt", {"rojo|red|00001"});
    t.write_lines("languages/spanish/master_spanish.txt", {"rojo|red|00001"});
    t.write("languages/spanish/empty.txt", "x");  // under 2 bytes: deleted, not listed
    t.write_lines("languages/spanish/trans_spanish.dat", {"english"});
    t.write_lines("languages/spanish/trans_index_spanish_english.dat", {"00001|00042"});
    start();
    EXPECT_EQ(rows(get("lang_list")), QStringList{"spanish"});
    EXPECT_EQ(get("lang_list")->currentRow(), 0);
    EXPECT_EQ(rows(get("lists_list")), QStringList{"colores"});
    EXPECT_FALSE(t.exists("languages/spanish/empty.txt"));
    EXPECT_TRUE(get<QLineEdit>("txt_word_search")->isVisible());
    EXPECT_TRUE(get<QLineEdit>("txt_word_search2")->isVisible());
    EXPECT_TRUE(get<QLabel>("Label9")->isVisible());
    EXPECT_EQ(m.current_language, u"spanish");
    EXPECT_EQ(m.target_language, u"english");
    EXPECT_EQ(m.target_sound_numbers[1], u"00042");
    EXPECT_TRUE(t.exists("users/ann/spanish"));
    EXPECT_TRUE(m.shown_file.isEmpty());

    // Two languages: the first in the listing is chosen and its lists shown.
    t.write_lines("languages/English/animals.txt", {"cat|gato|00007", "dog|perro|00008"});
    start();
    EXPECT_EQ(rows(get("lang_list")), (QStringList{"English", "spanish"}));
    EXPECT_EQ(get("lang_list")->currentRow(), 0);
    EXPECT_EQ(m.current_language, u"English");
    EXPECT_EQ(rows(get("lists_list")), QStringList{"animals"});
    EXPECT_TRUE(rows(get("words_list")).isEmpty());

    // Clicking the other language lists its lists instead.
    click("lang_list", 1);
    EXPECT_EQ(m.current_language, u"spanish");
    EXPECT_EQ(rows(get("lists_list")), QStringList{"colores"});
}

TEST_F(MainWindow, AudioFailureIsReportedAndStartUpGoesOn) {
    audio.open_fails = AudioError::NoOutputDevice;
    t.write_lines("languages/spanish/colores.txt", {"rojo|red|00001"});
    start();
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_EQ(prompter.messages()[0],
              QStringLiteral("An error occured. Please turn off other programs that may be using sound and start this "
                             "program again. The specific error message is:\r\nError initializing output device."));
    // The sound is started before the student is asked for a name.
    ASSERT_EQ(prompter.shown().size(), 2u);
    EXPECT_EQ(prompter.shown()[0].kind, u"message");
    EXPECT_EQ(prompter.shown()[1].text, kNamePrompt);
    EXPECT_EQ(rows(get("lists_list")), QStringList{"colores"});
}

TEST_F(MainWindow, StudentNamesThatLeaveTheUsersFolderAreAskedAgain) {
    prompter.answer_input(QStringLiteral("../evil"));
    prompter.answer_input(QStringLiteral(".."));
    start(QStringLiteral("bob"));  // the third answer
    EXPECT_EQ(m.student_name, u"bob");
    EXPECT_EQ(prompter.messages(), QStringList(2, unsafe_name_message(QStringLiteral("name"))));
    int asked = 0;
    for (const auto& s : prompter.shown()) asked += s.kind == u"input" && s.text == kNamePrompt;
    EXPECT_EQ(asked, 3);
    EXPECT_FALSE(t.exists("evil"));
    EXPECT_TRUE(t.exists("users/bob"));

    // Cancel gives the empty name: the student's files lie directly under users/.
    w.reset();
    w = std::make_unique<ql::MainWindow>(m, openers);
    prompter.cancel_input();
    w->start_up();
    EXPECT_EQ(m.student_name, u"");
    EXPECT_EQ(m.user_folder, t.root() + "users/");
}

TEST_F(MainWindow, ListClicksShowCountsColoursAndTheUnknownCopy) {
    QStringList lines;
    for (int i = 0; i < 25; ++i) lines << QStringLiteral("w%1|t%1|%2").arg(i).arg(i + 1, 5, 10, QChar(u'0'));
    lines.insert(3, "not an entry");
    t.write_lines("languages/spanish/many.txt", lines);
    start();
    click_list_named("lists_list", "many");
    EXPECT_EQ(label("Label8"), u"25 Unknown Words");
    EXPECT_EQ(get("words_list")->count(), 25);
    EXPECT_EQ(get("words_liste")->item(24)->text(), u"t24");
    // The first click copies the list byte for byte, lines that are not entries included.
    EXPECT_EQ(t.read("users/ann/spanish/many-u.txt"), t.read("languages/spanish/many.txt"));
    EXPECT_EQ(m.shown_file, t.path("users/ann/spanish/many-u.txt"));
    EXPECT_EQ(get("words_list")->palette().color(QPalette::Text), QColor(0, 0, 96));
    EXPECT_EQ(get("words_liste")->palette().color(QPalette::Text), QColor(0, 0, 96));
    EXPECT_TRUE(rows(get("known_lists")).isEmpty());

    t.write_lines("users/ann/spanish/many-k.txt", {"w0|t0|00001", "w1|t1|00002"});
    w->refresh_known_list();
    click("known_lists", 0);
    EXPECT_EQ(label("Label8"), u"2 Known Words");
    EXPECT_EQ(get<QLabel>("Label8")->palette().color(QPalette::WindowText), QColor(0, 0, 192));
    EXPECT_EQ(get("words_list")->palette().color(QPalette::Text), QColor(0, 0, 160));
    EXPECT_EQ(m.shown_file, t.path("users/ann/spanish/many-k.txt"));
    EXPECT_TRUE(prompter.messages().isEmpty());

    // Choosing the language again empties the columns, the shown file and their count.
    click("lang_list", 0);
    EXPECT_EQ(get("words_list")->count(), 0);
    EXPECT_TRUE(m.shown_file.isEmpty());
    EXPECT_EQ(label("Label8"), u"");
    EXPECT_EQ(rows(get("known_lists")), QStringList{"many"});
}

TEST_F(MainWindow, DoubleClicksMoveWordsBetweenTheStudentFilesAndSurviveARestart) {
    t.write_lines("languages/spanish/colores.txt", {"rojo|red|00001", "verde|green|00002", "azul|blue|00003"});
    recording("spanish", "00001");
    recording("spanish", "00002");
    start();
    click_list_named("lists_list", "colores");
    audio.played.clear();

    double_click("words_list", 1);
    EXPECT_EQ(t.read("users/ann/spanish/colores-u.txt"), crlf({"rojo|red|00001", "azul|blue|00003"}));
    EXPECT_EQ(t.read("users/ann/spanish/colores-k.txt"), crlf({"verde|green|00002"}));
    EXPECT_EQ(rows(get("known_lists")), QStringList{"colores"});
    EXPECT_EQ(rows(get("words_list")), (QStringList{"rojo", "azul"}));
    EXPECT_EQ(label("Label8"), u"2 Words");
    // The row that held the moved word now holds the next one, selected in both columns, and the
    // program's own selections played nothing beyond the click of the double-click.
    EXPECT_EQ(get("words_list")->currentRow(), 1);
    EXPECT_EQ(get("words_liste")->currentRow(), 1);
    EXPECT_EQ(audio.played, QStringList{sound("spanish", "00002")});
    EXPECT_EQ(m.sound_suppression, ql::SoundSuppression::Lifted);

    // Double-clicking down the list: the last row moves too.
    double_click("words_list", 1);
    EXPECT_EQ(t.read("users/ann/spanish/colores-k.txt"), crlf({"verde|green|00002", "azul|blue|00003"}));
    EXPECT_EQ(t.read("users/ann/spanish/colores-u.txt"), crlf({"rojo|red|00001"}));

    // A new window on the same folder finds the moves.
    start();
    EXPECT_EQ(rows(get("known_lists")), QStringList{"colores"});
    click_list_named("lists_list", "colores");
    EXPECT_EQ(rows(get("words_list")), QStringList{"rojo"});
    EXPECT_EQ(label("Label8"), u"1 Unknown Words");
    click("known_lists", 0);
    EXPECT_EQ(rows(get("words_list")), (QStringList{"verde", "azul"}));

    // Back to unknown: the word goes to the end of -u.txt; the last one empties -k.txt, which goes.
    double_click("words_list", 0);
    EXPECT_EQ(t.read("users/ann/spanish/colores-u.txt"), crlf({"rojo|red|00001", "verde|green|00002"}));
    EXPECT_EQ(label("Label8"), u"1 Words");
    EXPECT_EQ(rows(get("known_lists")), QStringList{"colores"});
    double_click("words_list", 0);
    EXPECT_EQ(t.read("users/ann/spanish/colores-u.txt"),
              crlf({"rojo|red|00001", "verde|green|00002", "azul|blue|00003"}));
    EXPECT_FALSE(t.exists("users/ann/spanish/colores-k.txt"));
    EXPECT_TRUE(rows(get("known_lists")).isEmpty());
    EXPECT_TRUE(rows(get("words_list")).isEmpty());
    EXPECT_TRUE(prompter.messages().isEmpty());
}

TEST_F(MainWindow, KeyboardPlaysAndMovesWords) {
    t.write_lines("languages/spanish/colores.txt", {"rojo|red|00001", "verde|green|00002"});
    recording("spanish", "00001");
    recording("spanish", "00002");
    start();
    click_list_named("lists_list", "colores");
    QListWidget* words = get("words_list");
    words->setFocus();
    QTest::keyClick(words, Qt::Key_Down);  // nothing selected yet: the first row
    EXPECT_EQ(words->currentRow(), 0);
    QTest::keyClick(words, Qt::Key_Down);
    EXPECT_EQ(words->currentRow(), 1);
    QTest::keyClick(words, Qt::Key_Space);  // hear it again
    EXPECT_EQ(audio.played, (QStringList{sound("spanish", "00001"), sound("spanish", "00002"), sound("spanish", "00002")}));
    QTest::keyClick(words, Qt::Key_Return);  // as a double-click
    EXPECT_EQ(t.read("users/ann/spanish/colores-k.txt"), crlf({"verde|green|00002"}));
}

TEST_F(MainWindow, ClickingTheSelectedWordAgainPlaysItAgain) {
    t.write_lines("languages/spanish/colores.txt", {"rojo|red|00001"});
    recording("spanish", "00001");
    start();
    click_list_named("lists_list", "colores");
    click("words_list", 0);
    click("words_list", 0);
    EXPECT_EQ(audio.played, QStringList(2, sound("spanish", "00001")));
}

TEST_F(MainWindow, TranslationClickSelectsTheWordRowAndPlaysOnlyTheTranslation) {
    t.write_lines("languages/spanish/colores.txt", {"rojo|red|00001", "verde|green|00002"});
    t.write_lines("languages/spanish/trans_spanish.dat", {"english"});
    t.write_lines("languages/spanish/trans_index_spanish_english.dat", {"00001|00101", "00002|00102"});
    recording("spanish", "00001");
    recording("spanish", "00002");
    recording("english", "00102");
    start();
    click_list_named("lang_list", "spanish");  // english, holding the recordings, comes first
    click_list_named("lists_list", "colores");
    click("words_liste", 1);
    EXPECT_EQ(get("words_list")->currentRow(), 1);
    EXPECT_EQ(audio.played, QStringList{sound("english", "00102")});
    EXPECT_EQ(label("Label6"), u"File # 00102");

    // And a word click selects the translation row and plays only the word.
    audio.played.clear();
    click("words_list", 0);
    EXPECT_EQ(get("words_liste")->currentRow(), 0);
    EXPECT_EQ(audio.played, QStringList{sound("spanish", "00001")});
}

TEST_F(MainWindow, AHiddenEntryDoesNotShiftTheRowsAfterIt) {
    t.write_lines("languages/spanish/trans_spanish.dat", {"english"});
    t.write_lines("languages/spanish/trans_index_spanish_english.dat", {"00003|00203", "00004|00204"});
    t.write_lines("languages/spanish/mix.txt", {"uno|one|00001", "dos|two|", "tres|three|00003", "cuatro|four|00004"});
    for (auto n : {"00001", "00003", "00004"}) recording("spanish", n);
    for (auto n : {"00203", "00204"}) recording("english", n);
    start();
    click_list_named("lang_list", "spanish");
    click_list_named("lists_list", "mix");
    EXPECT_EQ(label("Label8"), u"4 Unknown Words");  // the hidden entry counts
    EXPECT_EQ(rows(get("words_list")), (QStringList{"uno", "tres", "cuatro"}));
    EXPECT_EQ(rows(get("words_liste")), (QStringList{"one", "three", "four"}));

    click("words_list", 1);
    EXPECT_EQ(audio.played, QStringList{sound("spanish", "00003")});
    click("words_liste", 2);
    EXPECT_EQ(audio.played.last(), sound("english", "00204"));

    // The record button hands over the entry, not the row.
    std::optional<int> handed_over;
    openers.record_and_edit = [&](std::optional<int> single_entry) { handed_over = single_entry; };
    click("words_list", 2);
    press("record_word_word");
    EXPECT_EQ(handed_over, 3);
    w->show_main();

    double_click("words_list", 1);
    EXPECT_EQ(t.read("users/ann/spanish/mix-k.txt"), crlf({"tres|three|00003"}));
    EXPECT_EQ(t.read("users/ann/spanish/mix-u.txt"), crlf({"uno|one|00001", "dos|two|", "cuatro|four|00004"}));
    EXPECT_EQ(rows(get("words_list")), (QStringList{"uno", "cuatro"}));
    EXPECT_EQ(get("words_list")->currentRow(), 1);
}

TEST_F(MainWindow, DoubleClickOnSearchResultsLeavesTheStudentFilesAlone) {
    t.write_lines("languages/spanish/colores.txt", {"rojo|red|00001", "verde|green|00002"});
    start();
    click_list_named("lists_list", "colores");
    const QByteArray before = t.read("users/ann/spanish/colores-u.txt");
    // What a search leaves behind: hits from the master file, shown in the columns.
    m.shown_words = QStringList{"gato", ""};
    m.shown_translations = QStringList{"cat", ""};
    m.shown_sound_numbers = QStringList{"00050", ""};
    m.shown_are_search_results = true;
    w->display_words();
    double_click("words_list", 0);
    EXPECT_EQ(t.read("users/ann/spanish/colores-u.txt"), before);
    EXPECT_FALSE(t.exists("users/ann/spanish/colores-k.txt"));
    EXPECT_EQ(rows(get("words_list")), QStringList{"gato"});
}

TEST_F(MainWindow, ARowActsOnItsOwnWordAfterAStudentTestOnOtherWords) {
    t.write_lines("languages/spanish/colores.txt", {"rojo|red|00001", "verde|green|00002"});
    t.write_lines("languages/spanish/master_spanish.txt", {"uno|one|00011", "dos|two|00012"});
    // A whole-language test, timed out unanswered, then Exit back to the main window.
    openers.student_test = [&] {
        ql::TestWindow* test = ql::TestWindow::open(m);
        child<QListWidget>(test, "list1")->setCurrentRow(2);
        child<QLineEdit>(test, "num_qs")->setText("1");
        child<QLineEdit>(test, "num_secs")->setText("1");
        WindowTest::click(test, "begin_test");
        pump.run();
        WindowTest::click(test, "exit");
    };
    start();
    click_list_named("lists_list", "colores");
    press("test_me");
    delete_closed_windows();
    EXPECT_TRUE(t.read("test_results.txt").contains("\tspanish\tmaster\t1\t0%\t"));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(m.shown_words, (QStringList{"rojo", "verde", ""}));
    double_click("words_list", 1);
    EXPECT_EQ(t.read("users/ann/spanish/colores-k.txt"), crlf({"verde|green|00002"}));
    EXPECT_EQ(t.read("users/ann/spanish/colores-u.txt"), crlf({"rojo|red|00001"}));
    EXPECT_FALSE(t.exists("users/ann/spanish/master_spanish-u.txt"));
}

TEST_F(MainWindow, KnownListDoubleClickStartsTheFlashCardsWithTheWindowVisible) {
    t.write_lines("languages/spanish/colores.txt", {"rojo|red|00001"});
    t.write_lines("users/ann/spanish/colores-k.txt", {"verde|green|00002"});
    std::vector<bool> calls;
    openers.large_flash_cards = [&](bool visible) {
        calls.push_back(visible);
        EXPECT_EQ(m.shown_file, t.path("users/ann/spanish/colores-k.txt"));
        EXPECT_EQ(m.shown_words.value(0), u"verde");
    };
    start();
    double_click("known_lists", 0);
    EXPECT_EQ(calls, std::vector<bool>{true});
    EXPECT_TRUE(w->isVisible());
}

TEST_F(MainWindow, OpenerButtonsCheckTheirPreconditions) {
    t.write_lines("languages/spanish/colores.txt", {"rojo|red|00001"});
    QStringList opened;
    openers.large_flash_cards = [&](bool visible) { opened << (visible ? "large visible" : "large"); };
    openers.small_flash_card = [&] { opened << "small"; };
    openers.record_and_edit = [&](std::optional<int> single_entry) {
        opened << (single_entry ? "record yes " + QString::number(*single_entry) : QStringLiteral("record no "));
    };
    openers.student_test = [&] { opened << "test"; };
    start();

    for (auto b : {"flash_cards", "small_flash", "record_word_word", "record_word_list", "test_me"}) press(b);
    EXPECT_EQ(prompter.messages(), (QStringList{"You must first select a list to start the flash cards.",
                                                "You must first select a list to start the flash cards.",
                                                "First select a word to record or edit.",
                                                "First select a list of words to record or edit.",
                                                "You must first select a list to start the test."}));
    EXPECT_TRUE(opened.isEmpty());
    EXPECT_TRUE(w->isVisible());

    prompter.clear();
    click_list_named("lists_list", "colores");
    press("record_word_word");  // a list but no word yet
    EXPECT_EQ(prompter.messages(), QStringList{"First select a word to record or edit."});
    click("words_list", 0);
    for (auto b : {"flash_cards", "small_flash", "record_word_word", "record_word_list", "test_me"}) {
        press(b);
        EXPECT_FALSE(w->isVisible()) << b;
        w->show_main();
    }
    EXPECT_EQ(opened, (QStringList{"large", "small", "record yes 0", "record no ", "test"}));
    EXPECT_EQ(prompter.messages().size(), 1);

    // A window this build lacks is named, and the main window stays.
    openers = WindowOpeners{};
    prompter.clear();
    press("flash_cards");
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].contains(u"not available"));
    EXPECT_TRUE(w->isVisible());
}

TEST_F(MainWindow, FontToggleAndExit) {
    start();
    QPushButton* toggle = get<QPushButton>("toggle_font");
    press("toggle_font");
    EXPECT_EQ(toggle->text(), u"Decrease Font");
    for (auto n : {"lists_list", "words_list", "words_liste"}) EXPECT_EQ(get(n)->font().pointSizeF(), 10.0) << n;
    press("toggle_font");
    EXPECT_EQ(toggle->text(), u"Increase Font");
    for (auto n : {"lists_list", "words_list", "words_liste"}) EXPECT_EQ(get(n)->font().pointSizeF(), 8.0) << n;

    press("exit_program");
    EXPECT_TRUE(audio.closed);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(MainWindow, AListLongerThanTheTableShowsItsFirstEntriesAndSaysSo) {
    QByteArray bytes;
    for (int i = 0; i < kMaxListEntries + 5; ++i) bytes += QStringLiteral("w%1|t|00001\r\n").arg(i).toUtf8();
    t.write("languages/spanish/huge.txt", bytes);
    start();
    click_list_named("lists_list", "huge");
    EXPECT_EQ(get("words_list")->count(), kMaxListEntries);
    EXPECT_EQ(label("Label8"), QStringLiteral("30001 Unknown Words"));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].contains(u"30001"));
}

}  // namespace
