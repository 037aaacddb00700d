#include "support/window_test.h"
#include "support/accessible.h"
#include "support/event_loop.h"
#include "support/run_session.h"
#include "windows/test_window.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include "core/clock.h"
#include <gtest/gtest.h>
#include <map>

using namespace ql;
using namespace ql::testing;

namespace {

// Types as a keyboard would; letters outside ASCII arrive as key events carrying their text.
void type_text(QWidget* w, const QString& text) {
    for (QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(w, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

const QDateTime kStart(QDate(2026, 12, 7), QTime(14, 30, 0));

struct TestWindowFixture : public WindowTest {
    std::map<QString, QString> translation_of;  // word -> translation of the test list
    std::map<QString, QString> word_of_sound;   // sound number -> word

    void SetUp() override {
        t.copy_sample_lists();
        t.attach(m, QStringLiteral("ann"));
        m.rng.seed(7);
        m.current_language = QStringLiteral("spanish");
        m.master_file = m.languages_folder + QStringLiteral("spanish/master_spanish.txt");
        use_list(QStringLiteral("colores"), {"rojo|red|01001", "azul|blue|01002", "verde|green|01003"});
    }

    void use_list(const QString& name, const QStringList& lines) {
        t.write_lines(QStringLiteral("languages/spanish/") + name + QStringLiteral(".txt"), lines);
        m.current_list = name;
        m.list_file = m.languages_folder + QStringLiteral("spanish/") + name + QStringLiteral(".txt");
        m.unknown_file = m.user_folder + QStringLiteral("spanish/") + name + QStringLiteral("-u.txt");
        translation_of.clear();
        word_of_sound.clear();
        for (const QString& l : lines) {
            translation_of[l.section(u'|', 0, 0)] = l.section(u'|', 1, 1);
            word_of_sound[l.section(u'|', 2, 2)] = l.section(u'|', 0, 0);
        }
    }

    void record_all_sounds() {
        for (const auto& [s, w] : word_of_sound) t.write(QStringLiteral("languages/spanish/") + s.left(2) + u'/' + s + QStringLiteral(".mp3"), "mp3");
    }

    std::unique_ptr<TestWindow> make_window() {
        auto w = std::make_unique<TestWindow>(m);
        w->clock = [] { return kStart; };
        w->show();
        return w;
    }

    static void setup(QWidget& w, const char* kind, int presentation, const QString& questions, const QString& seconds) {
        child<QRadioButton>(w, kind)->click();  // a click on its caption
        child<QListWidget>(w, "List2")->setCurrentRow(presentation);
        child<QLineEdit>(w, "num_qs")->setText(questions);
        child<QLineEdit>(w, "num_secs")->setText(seconds);
    }

    // Clicks the choice carrying the shown word's translation (right) or one that does not (wrong).
    void click_choice(QWidget& w, bool right) {
        const QString expected = translation_of[text_of(w, "test_word")];
        for (int b = 1; b <= 6; ++b) {
            auto* button = child<QPushButton>(w, QStringLiteral("c%1").arg(b).toLatin1().constData());
            if ((button->text() == expected) == right) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        }
        ADD_FAILURE() << "no " << (right ? "right" : "wrong") << " choice for " << expected.toStdString();
    }

    // Begins a test and runs the clock until nothing waits any more (the test has ended).
    void begin(QWidget& w) {
        QTest::mouseClick(child<QPushButton>(w, "begin_test"), Qt::LeftButton);
        pump.run();
    }

    QByteArray results() const { return t.read("test_results.txt"); }
};

}  // namespace

TEST_F(TestWindowFixture, ControlsAndCaptions) {
    auto w = make_window();
    EXPECT_EQ(w->objectName(), u"test");
    EXPECT_EQ(w->windowTitle(), u"Test");
    EXPECT_EQ(text_of(*w, "language_name"), u"Language: spanish");
    EXPECT_EQ(text_of(*w, "list_name"), u"List Name: colores");
    EXPECT_EQ(text_of(*w, "user_name"), u"Username: ann");
    EXPECT_EQ(child<QRadioButton>(*w, "multiple_choice")->text(), u"Multiple Coice");
    EXPECT_EQ(child<QRadioButton>(*w, "spelling")->text(), u"Spelling Only");
    EXPECT_EQ(child<QRadioButton>(*w, "fill_in_blank")->text(), u"Fill In The Blank");
    EXPECT_EQ(text_of(*w, "Label3"), u"Choose Word List");
    EXPECT_EQ(text_of(*w, "Label2"), u"Choose Text or Sound");
    EXPECT_EQ(text_of(*w, "q_lbl"), u"Number of Questions");
    EXPECT_EQ(text_of(*w, "sec_lbl"), u"Time allowed for each question in seconds");
    EXPECT_EQ(text_of(*w, "answer_lbl"), u"Enter Answer:");
    EXPECT_EQ(child<QPushButton>(*w, "begin_test")->text(), u"Begin Test");
    EXPECT_EQ(child<QPushButton>(*w, "stop")->text(), u"Stop Test");
    EXPECT_EQ(child<QPushButton>(*w, "exit")->text(), u"Exit");
    for (const char* c : {"c1", "c2", "c3", "c4", "c5", "c6", "test_word", "remaining", "time_remaining", "previous_word", "Text1"})
        EXPECT_NE(w->findChild<QWidget*>(QString::fromLatin1(c)), nullptr) << c;

    auto* list1 = child<QListWidget>(*w, "list1");
    ASSERT_EQ(list1->count(), 3);
    EXPECT_EQ(list1->item(0)->text(), u"All Words on Selected List");
    EXPECT_EQ(list1->item(1)->text(), u"Unkown Words on Selected List");
    EXPECT_EQ(list1->item(2)->text(), u"All words in selected language");
    EXPECT_EQ(list1->currentRow(), 0);
    auto* presentation_list = child<QListWidget>(*w, "List2");
    EXPECT_EQ(presentation_list->item(0)->text(), u"Show the text of the word");
    EXPECT_EQ(presentation_list->item(1)->text(), u"Play the sound of the word");
    EXPECT_EQ(presentation_list->item(2)->text(), u"Both");
    EXPECT_EQ(presentation_list->currentRow(), 0);

    // A spelling test is sound only: the presentation choice goes away and the answer box appears.
    child<QRadioButton>(*w, "spelling")->click();
    EXPECT_FALSE(presentation_list->isVisible());
    EXPECT_TRUE(child<QLineEdit>(*w, "Text1")->isVisible());
    child<QRadioButton>(*w, "fill_in_blank")->click();
    EXPECT_TRUE(presentation_list->isVisible());

    // Without a master file the whole-language row is not offered.
    m.master_file = m.languages_folder + QStringLiteral("english/none.txt");
    TestWindow without(m);
    EXPECT_EQ(child<QListWidget>(without, "list1")->count(), 2);
}

TEST_F(TestWindowFixture, StartRefusesBadNumbers) {
    auto w = make_window();
    setup(*w, "multiple_choice", 0, QStringLiteral("abc"), QStringLiteral("10"));
    begin(*w);
    setup(*w, "multiple_choice", 0, QStringLiteral("0"), QStringLiteral("10"));
    begin(*w);
    setup(*w, "multiple_choice", 0, QStringLiteral("40000"), QStringLiteral("10"));
    begin(*w);
    setup(*w, "multiple_choice", 0, QStringLiteral("3"), QStringLiteral("0"));
    begin(*w);
    setup(*w, "multiple_choice", 0, QStringLiteral("3"), QStringLiteral("x"));
    begin(*w);
    EXPECT_EQ(prompter.messages(),
              (QStringList{"The number of questions must be a number greater than 0.",
                           "The number of questions must be a number greater than 0.",
                           "The number of questions must be a number greater than 0 and no more than 32767.",
                           "The number of seconds per question must be a number greater than 0.",
                           "The number of seconds per question must be a number greater than 0."}));
    // The answer box follows the chosen kind even when the test does not begin.
    EXPECT_FALSE(child<QLineEdit>(*w, "Text1")->isVisibleTo(w.get()));
    EXPECT_FALSE(t.exists("test_results.txt"));
}

TEST_F(TestWindowFixture, MultipleChoiceAnsweredByClicking) {
    auto w = make_window();
    setup(*w, "multiple_choice", 0, QStringLiteral("3"), QStringLiteral("10"));
    int answered = 0;
    QStringList progress;
    std::function<void()> answer = [&] {
        progress << text_of(*w, "remaining");
        const QString right = translation_of[text_of(*w, "test_word")];
        int carrying_right = 0;
        for (int b = 1; b <= 6; ++b) {
            EXPECT_TRUE(translation_of.count(text_of(*w, "test_word")));
            const QString c = w->choice_text(b);
            EXPECT_TRUE(c == u"red" || c == u"blue" || c == u"green") << c.toStdString();
            carrying_right += c == right;
        }
        EXPECT_GE(carrying_right, 1);
        click_choice(*w, true);
        if (++answered < 3) pump.after(2.0, answer);
    };
    pump.after(2.0, answer);
    begin(*w);

    EXPECT_EQ(answered, 3);
    EXPECT_EQ(progress, (QStringList{"1 of 3", "2 of 3", "3 of 3"}));
    EXPECT_TRUE(prompter.shown().empty());  // a click gets no "found in" box
    EXPECT_EQ(text_of(*w, "test_word"), u"Test finished in 00:06 \n3 of 3 correct 100%");
    EXPECT_TRUE(text_of(*w, "previous_word").contains(u" = "));
    EXPECT_EQ(child<QLabel>(*w, "previous_word")->palette().color(QPalette::Window), w->palette().color(QPalette::Button));
    EXPECT_TRUE(text_of(*w, "remaining").isEmpty());
    EXPECT_TRUE(text_of(*w, "time_remaining").isEmpty());
    for (int b = 1; b <= 6; ++b) EXPECT_TRUE(w->choice_text(b).isEmpty());
    EXPECT_EQ(results(), QByteArray("ann\tspanish\tcolores\t3\t100%\t00:06 \tMultiple Choice\tText Only\t12/7/2026 2:30:00 PM\r\n"));
}

TEST_F(TestWindowFixture, AWrongClickIsColouredAndNamed) {
    use_list(QStringLiteral("dos"), {"rojo|red|01001", "azul|blue|01002"});
    m.rng.seed(3);
    auto w = make_window();
    setup(*w, "multiple_choice", 0, QStringLiteral("1"), QStringLiteral("10"));
    QString shown;
    QString clicked;
    pump.after(1.0, [&] {
        shown = text_of(*w, "test_word");
        for (int b = 1; b <= 6; ++b)
            if (w->choice_text(b) != translation_of[shown]) clicked = w->choice_text(b);
        if (clicked.isEmpty()) return;  // every choice carried the right text this time
        click_choice(*w, false);
    });
    begin(*w);
    ASSERT_FALSE(clicked.isEmpty()) << "pick another seed";
    EXPECT_EQ(text_of(*w, "previous_word"), shown + QStringLiteral(" = ") + translation_of[shown] + QStringLiteral("\nnot ") + clicked);
    EXPECT_EQ(child<QLabel>(*w, "previous_word")->palette().color(QPalette::Window), QColor(255, 128, 0));
    EXPECT_TRUE(results().contains("\t1\t0%\t"));
}

TEST_F(TestWindowFixture, SpellingAnsweredByTypingAndEnter) {
    use_list(QStringLiteral("acentos"), {QStringLiteral("café|coffee|04005"), QStringLiteral("niño|child, boy|04004")});
    record_all_sounds();
    auto w = make_window();
    setup(*w, "spelling", 0, QStringLiteral("2"), QStringLiteral("10"));
    QStringList typed;
    int question = 0;
    std::function<void()> type = [&] {
        EXPECT_TRUE(text_of(*w, "test_word").isEmpty());  // spelling never shows the word
        const QString number = audio.played.last().section(u'/', -1).left(5);
        const QString word = word_of_sound[number];
        // First question: the plain letters (right); second: with the accent (wrong).
        const QString answer = question == 0 ? QString(word).replace(QStringLiteral("é"), QStringLiteral("e")).replace(QStringLiteral("ñ"), QStringLiteral("n")) : word;
        typed << answer;
        type_text(child<QLineEdit>(*w, "Text1"), answer);
        QTest::keyClick(child<QLineEdit>(*w, "Text1"), Qt::Key_Return);
        if (++question < 2) pump.after(3.0, type);
    };
    pump.after(3.0, type);
    begin(*w);

    ASSERT_EQ(typed.size(), 2);
    EXPECT_EQ(audio.played.size(), 2);
    EXPECT_EQ(prompter.messages(), QStringList{typed[0] + QStringLiteral(" found in ") + typed[0]});
    EXPECT_TRUE(text_of(*w, "previous_word").endsWith(QStringLiteral("\nnot ") + typed[1]));
    EXPECT_TRUE(text_of(*w, "test_word").endsWith(u"1 of 2 correct 50%"));
    EXPECT_TRUE(child<QLineEdit>(*w, "Text1")->text().isEmpty());
    EXPECT_TRUE(results().contains("\tSpelling\tSound Only\t"));
}

TEST_F(TestWindowFixture, ATimedOutQuestionCountsDownAndTakesTheTypedText) {
    use_list(QStringLiteral("una"), {"casa|house, home|04001"});
    auto w = make_window();
    setup(*w, "fill_in_blank", 0, QStringLiteral("1"), QStringLiteral("10"));
    const double t0 = pump.now();
    std::vector<int> bar;
    for (int j = 0; j < 20; ++j)
        pump.at(t0 + 0.25 + 0.5 * j, [&] { bar.push_back(int(text_of(*w, "time_remaining").size())); });
    pump.at(t0 + 4.0, [&] { QTest::keyClicks(child<QLineEdit>(*w, "Text1"), QStringLiteral("house")); });
    begin(*w);

    std::vector<int> expected;
    for (int k = 19; k >= 1; --k) expected.push_back(k);
    expected.push_back(1);  // the last half second after the bar reached 1
    EXPECT_EQ(bar, expected);
    EXPECT_DOUBLE_EQ(pump.now() - t0, 10.0);
    EXPECT_EQ(prompter.messages(), QStringList{"house found in house, home"});
    EXPECT_EQ(text_of(*w, "test_word"), u"Test finished in 00:10 \n1 of 1 correct 100%");
    EXPECT_EQ(text_of(*w, "previous_word"), u"casa = house, home");
}

TEST_F(TestWindowFixture, MissingSoundOkDrawsAgainAndCancelFinishes) {
    const QString missing = QStringLiteral(
        "Sound file for this word was not found.  Click OK to go to next word or Cancel to stop test.");
    auto w = make_window();
    setup(*w, "multiple_choice", 1, QStringLiteral("1"), QStringLiteral("10"));
    // OK: nothing is counted, another word is drawn; once the recordings exist the question is asked.
    prompter.answer_ok();
    prompter.on_shown = [&](const FakePrompter::Shown& s) {
        if (s.text == missing) record_all_sounds();
    };
    begin(*w);
    EXPECT_EQ(prompter.texts(), QStringList{missing});
    EXPECT_EQ(audio.played.size(), 1);
    // Nobody clicked: an unanswered choice is wrong.
    EXPECT_TRUE(text_of(*w, "test_word").contains(u"\n0 of 1 correct 0%"));
    EXPECT_TRUE(text_of(*w, "previous_word").endsWith(u"\nnot "));
    EXPECT_TRUE(results().contains("\tcolores\t1\t0%\t"));
    EXPECT_TRUE(results().contains("\tMultiple Choice\tSound Only\t"));

    // Cancel: the test finishes with what was answered so far.
    use_list(QStringLiteral("sin_sonido"), {"gato|cat|03001", "perro|dog|03002"});
    prompter.on_shown = nullptr;
    prompter.clear();
    prompter.answer_ok();
    prompter.answer_cancel();
    begin(*w);
    EXPECT_EQ(prompter.texts(), (QStringList{missing, missing}));
    EXPECT_EQ(text_of(*w, "test_word"), u"Test finished in 00:00 \n0 of 0 correct 0%");
    EXPECT_TRUE(results().endsWith("ann\tspanish\tsin_sonido\t0\t0%\t00:00 \tMultiple Choice\tSound Only\t12/7/2026 2:30:00 PM\r\n"));
    EXPECT_FALSE(w->test_running());
}

TEST_F(TestWindowFixture, StopAfterThreeQuestionsAndTheResultsFileOverTwoTests) {
    auto w = make_window();
    setup(*w, "multiple_choice", 0, QStringLiteral("5"), QStringLiteral("10"));
    int step = 0;
    std::function<void()> act = [&] {
        if (step++ < 2) {
            click_choice(*w, true);
            pump.after(1.0, act);
        } else {
            EXPECT_EQ(text_of(*w, "remaining"), u"3 of 5");
            QTest::mouseClick(child<QPushButton>(*w, "stop"), Qt::LeftButton);
        }
    };
    pump.after(1.0, act);
    begin(*w);
    EXPECT_EQ(text_of(*w, "test_word"), u"Test finished in 00:03 \n2 of 2 correct 100%");
    EXPECT_FALSE(w->test_running());

    // Stop with no test running does nothing.
    QTest::mouseClick(child<QPushButton>(*w, "stop"), Qt::LeftButton);

    // A second test, of the unknown words, typed and timed out.
    t.write_lines(QStringLiteral("users/ann/spanish/colores-u.txt"), {"azul|blue|01002"});
    setup(*w, "fill_in_blank", 2, QStringLiteral("1"), QStringLiteral("4"));
    record_all_sounds();
    child<QListWidget>(*w, "list1")->setCurrentRow(1);
    pump.after(2.0, [&] { QTest::keyClicks(child<QLineEdit>(*w, "Text1"), QStringLiteral("blue")); });
    begin(*w);
    EXPECT_EQ(prompter.messages(), QStringList{"blue found in blue"});

    EXPECT_EQ(results(), QByteArray("ann\tspanish\tcolores\t2\t100%\t00:03 \tMultiple Choice\tText Only\t12/7/2026 2:30:00 PM\r\n"
                                    "ann\tspanish\tcolores (unknowns only)\t1\t100%\t00:05 \tFill In Blank\tText and Sound\t12/7/2026 2:30:00 PM\r\n"));
}

TEST_F(TestWindowFixture, BeginDuringATestEndsTheOldOneWithoutJudgingOrALine) {
    auto w = make_window();
    setup(*w, "multiple_choice", 0, QStringLiteral("2"), QStringLiteral("10"));
    bool restarted = false;
    int answered_after = 0;
    std::function<void()> answer_new = [&] {
        click_choice(*w, true);
        if (++answered_after < 2) pump.after(1.0, answer_new);
    };
    pump.after(1.0, [&] {
        // The old test's first question is waiting: a click now would not be judged.
        restarted = true;
        setup(*w, "fill_in_blank", 0, QStringLiteral("3"), QStringLiteral("10"));
        setup(*w, "multiple_choice", 0, QStringLiteral("2"), QStringLiteral("10"));
        QTest::mouseClick(child<QPushButton>(*w, "begin_test"), Qt::LeftButton);  // the clock runs on outside
        EXPECT_TRUE(results().isEmpty());
        pump.after(1.0, answer_new);
    });
    begin(*w);
    EXPECT_TRUE(restarted);
    EXPECT_EQ(answered_after, 2);
    EXPECT_EQ(text_of(*w, "test_word"), u"Test finished in 00:02 \n2 of 2 correct 100%");
    // Exactly one line: the old test wrote none.
    EXPECT_EQ(results().count("\r\n"), 1);
    EXPECT_TRUE(results().contains("\tcolores\t2\t100%\t"));
}

TEST_F(TestWindowFixture, ExitWhileAQuestionWaitsEndsQuietlyAndDeletesTheWindowAfterwards) {
    const QStringList before{"kept", ""};
    m.shown_words = before;
    m.shown_translations = before;
    m.shown_sound_numbers = QStringList{"01001", ""};
    compute_shown_rows(m);
    QPointer<TestWindow> w = TestWindow::open(m);
    setup(*w, "fill_in_blank", 0, QStringLiteral("3"), QStringLiteral("10"));
    pump.after(1.0, [&] {
        QTest::keyClicks(child<QLineEdit>(*w, "Text1"), QStringLiteral("red"));
        QTest::mouseClick(child<QPushButton>(*w, "exit"), Qt::LeftButton);
        EXPECT_FALSE(w.isNull());  // still on the stack below this click
    });
    begin(*w);
    EXPECT_TRUE(prompter.shown().empty());  // the typed answer was never judged
    EXPECT_FALSE(t.exists("test_results.txt"));
    EXPECT_EQ(main_view.shown, 1);
    EXPECT_EQ(m.cancel.playback(), Playback::Running);
    // The test read its words into its own list: the main window's entries are as they were.
    EXPECT_EQ(m.shown_words, before);
    EXPECT_EQ(m.shown_rows, std::vector<int>{0});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(w.isNull());
}

TEST_F(TestWindowFixture, StopAndExitDuringASpokenQuestionEndItAtOnce) {
    record_all_sounds();
    audio.duration_of = [](const QString&) { return 5.0; };
    auto w = make_window();
    // A long pause polls the sound to its end; a short one waits a fixed time after it.
    for (const auto& [pause, button] : {std::pair{2.0f, "stop"}, std::pair{1.0f, "exit"}}) {
        m.pause_seconds = pause;
        setup(*w, "multiple_choice", 1, QStringLiteral("3"), QStringLiteral("10"));
        double pressed_at = 0;
        pump.after(0.3, [&, button = button] {
            pressed_at = pump.now();
            QTest::mouseClick(child<QPushButton>(*w, button), Qt::LeftButton);
        });
        begin(*w);
        EXPECT_NEAR(pump.now(), pressed_at, 0.02) << button;
    }
}

TEST_F(TestWindowFixture, ScreenReadersHearTheQuestionItsChoicesAndTheVerdict) {
    auto w = make_window();
    setup(*w, "multiple_choice", 0, QStringLiteral("1"), QStringLiteral("10"));
    pump.after(1.0, [&] {
        for (const char* name : {"test_word", "remaining", "time_remaining"}) {
            EXPECT_FALSE(text_of(*w, name).isEmpty()) << name;
            EXPECT_EQ(accessible_name(child<QLabel>(*w, name)), text_of(*w, name)) << name;
        }
        for (int b = 1; b <= 6; ++b) {
            auto* choice = child<QPushButton>(*w, QStringLiteral("c%1").arg(b).toLatin1().constData());
            EXPECT_EQ(accessible_name(choice), choice->text());
        }
        click_choice(*w, false);
    });
    begin(*w);
    EXPECT_TRUE(text_of(*w, "previous_word").contains(u"\nnot "));
    EXPECT_EQ(accessible_name(child<QLabel>(*w, "previous_word")), text_of(*w, "previous_word"));
}

TEST_F(TestWindowFixture, AnUnwritableResultsFileIsReportedAndTheSummaryKept) {
    t.mkdir("test_results.txt");
    auto w = make_window();
    setup(*w, "multiple_choice", 0, QStringLiteral("1"), QStringLiteral("1"));
    begin(*w);
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].startsWith(QStringLiteral("The result of this test could not be added to the results file.")));
    EXPECT_TRUE(prompter.messages()[0].contains(t.path("test_results.txt")));
    EXPECT_EQ(text_of(*w, "test_word"), u"Test finished in 00:01 \n0 of 1 correct 0%");
}

TEST_F(TestWindowFixture, AnEmptyWordSourceIsRefused) {
    t.write("users/ann/spanish/colores-u.txt", "");
    auto w = make_window();
    setup(*w, "multiple_choice", 0, QStringLiteral("3"), QStringLiteral("10"));
    child<QListWidget>(*w, "list1")->setCurrentRow(1);
    begin(*w);
    EXPECT_EQ(prompter.messages(), QStringList{"There are no words to test on the chosen word list."});
    EXPECT_FALSE(t.exists("test_results.txt"));
}

TEST_F(TestWindowFixture, ChoicesShowAmpersandsAndAnswerWithThem) {
    use_list(QStringLiteral("una"), {"sal y pimienta|salt & pepper|05001"});
    auto w = make_window();
    setup(*w, "multiple_choice", 0, QStringLiteral("1"), QStringLiteral("10"));
    pump.after(1.0, [&] {
        EXPECT_EQ(child<QPushButton>(*w, "c1")->text(), u"salt && pepper");
        QTest::mouseClick(child<QPushButton>(*w, "c1"), Qt::LeftButton);  // a list of one: every choice is right
    });
    begin(*w);
    EXPECT_TRUE(text_of(*w, "test_word").endsWith(u"1 of 1 correct 100%"));
}

// The same endings through Qt's own event loop, where a closed window's deletion is really deferred.
TEST_F(TestWindowFixture, ExitAndRestartThroughTheRealEventLoop) {
    m.clock = &qt_clock();
    QPointer<TestWindow> w = TestWindow::open(m);
    w->clock = [] { return kStart; };
    setup(*w, "multiple_choice", 0, QStringLiteral("2"), QStringLiteral("2"));
    // Begin again while the first question waits, answer the new test's first question, then Exit.
    std::function<void()> leave = [&] {
        EXPECT_EQ(w->correct_count(), 1);
        EXPECT_EQ(text_of(*w, "remaining"), u"2 of 2");
        QTest::mouseClick(child<QPushButton>(*w, "exit"), Qt::LeftButton);
    };
    std::function<void()> answer = [&] {
        click_choice(*w, true);
        QTimer::singleShot(200, w, leave);
    };
    QTimer::singleShot(150, w, [&] {
        begin(*w);
        QTimer::singleShot(250, w, answer);
    });
    begin(*w);
    // The window goes once its session has unwound.
    run_until([&] { return w.isNull(); });
    EXPECT_TRUE(w.isNull());
    EXPECT_FALSE(t.exists("test_results.txt"));
    EXPECT_EQ(main_view.shown, 1);
    EXPECT_EQ(m.cancel.playback(), Playback::Running);
}
