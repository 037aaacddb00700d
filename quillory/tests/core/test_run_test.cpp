// The student test as a session on the fake clock: which words it asks in which order, when a
// question ends by an answer or by its time, what Stop, Exit and a new Begin Test leave behind, and
// the results line byte for byte.
#include "core/test_run.h"
#include "support/fake_audio.h"
#include "support/fake_clock.h"
#include "support/fake_prompter.h"

#include <QFile>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>

using namespace ql;
using namespace ql::testing;

namespace {

// Everything the session showed, as text, in order.
class RecordedView : public TestView {
public:
    void show_question(const QString& word) override {
        typed.clear();
        word_shown = word;
        log << QStringLiteral("question ") + word;
    }
    void show_asked(int asked, int count) override { log << QStringLiteral("asked %1 of %2").arg(asked).arg(count); }
    void show_choices(const std::array<QString, 6>& c) override {
        choices = c;
        log << QStringLiteral("choices ") + QStringList(c.begin(), c.end()).join(u',');
    }
    void enable_choices(bool enabled) override { choices_enabled = enabled; }
    void show_time_left(int b) override { bars.push_back(b); }
    QString typed_answer() const override { return typed; }
    void clear_typed_answer() override { typed.clear(); }
    void show_judged(const QString& text, bool right) override {
        log << (right ? QStringLiteral("right ") : QStringLiteral("wrong ")) + text;
    }
    void show_summary(const QString& text) override { log << QStringLiteral("summary ") + text; }
    void clear_progress() override { bars.push_back(0); }

    QStringList log;
    QString word_shown, typed;
    std::array<QString, 6> choices;
    bool choices_enabled = false;
    std::vector<int> bars;
};

// A word's sound on the fake audio engine: heard to its end, or ended at once by Stop or Quit.
QCoro::Task<> fake_play(FakeAudio& audio, Clock& clock, CancelToken& token, QString number) {
    const auto sound = audio.load_file(number + QStringLiteral(".mp3"));
    if (!sound) co_return;
    const auto channel = audio.play(*sound);
    if (channel) co_await audio.sound_end(*channel, clock, token);
}

const QDateTime kStart(QDate(2026, 12, 7), QTime(14, 30, 0));

class TestRunTest : public ::testing::Test {
protected:
    TestRunTest() {
        token.set_playback(Playback::Running);
        plan.kind = TestKind::MultipleChoice;
        plan.question_count = 2;
        plan.seconds_per_question = 10;
        plan.entries = {{"rojo", "red", "01001"}, {"azul", "blue", "01002"}, {"verde", "green", "01003"}};
        plan.student = QStringLiteral("ann");
        plan.language = QStringLiteral("spanish");
        plan.word_source = QStringLiteral("colores");
        plan.started = kStart;
    }

    TestRun& make() {
        TestServices s;
        s.clock = &clock;
        s.token = &token;
        s.prompter = &prompter;
        s.draw = [this](int low, int high) {
            draws.emplace_back(low, high);
            if (script.empty()) return low;
            const int v = script.front();
            script.pop_front();
            return v;
        };
        s.can_sound = [this](const QString& n) { return !silent.contains(n); };
        s.play = [this](QString n) { return fake_play(audio, clock, token, n); };
        s.missed = [this](const QString& entry) { missed << entry; };
        s.results_file = dir.filePath(QStringLiteral("test_results.txt"));
        run = std::make_unique<TestRun>(std::move(s), view);
        run->unwound = [this] { ++unwound; };
        return *run;
    }
    // Begins a test with `plan` (read when it starts) and runs the clock until nothing waits.
    void begin() {
        run->begin([this] { return std::optional<TestPlan>(plan); });
        clock.run();
    }
    double elapsed() { return clock.now() - 1000.0; }
    QByteArray results() const {
        QFile f(dir.filePath(QStringLiteral("test_results.txt")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    FakeClock clock;
    FakeAudio audio{&clock};
    CancelToken token;
    FakePrompter prompter;
    RecordedView view;
    QTemporaryDir dir;
    TestPlan plan;
    std::unique_ptr<TestRun> run;
    std::deque<int> script;                 // the draws' results, in order
    std::vector<std::pair<int, int>> draws; // the ranges drawn from, in order
    QStringList silent;                     // sound numbers with no sound
    QStringList missed;
    // The sound numbers heard, in order.
    QStringList heard() const {
        QStringList out;
        for (const QString& path : audio.played) out << path.section(u'.', 0, 0);
        return out;
    }
    int unwound = 0;
};

}  // namespace

// ---- the order of draws and questions ----

TEST_F(TestRunTest, EachQuestionDrawsItsWordThenThePlaceOfTheRightChoiceThenTheOthers) {
    make();
    // Question 1: word 2 (verde), right choice at 3; question 2: word 0 (rojo), right choice at 6.
    script = {2, 3, 0, 1, 1, 0, 2, /**/ 0, 6, 2, 2, 1, 0, 1};
    clock.after(1.0, [&] { run->choose(3); });
    clock.after(2.0, [&] { run->choose(6); });
    begin();
    const std::vector<std::pair<int, int>> ranges = {{0, 2}, {1, 6}, {0, 2}, {0, 2}, {0, 2}, {0, 2}, {0, 2}};
    std::vector<std::pair<int, int>> expected = ranges;
    expected.insert(expected.end(), ranges.begin(), ranges.end());
    EXPECT_EQ(draws, expected);
    EXPECT_EQ(view.log, (QStringList{"question verde", "asked 1 of 2", "choices red,blue,green,blue,red,green",
                                     "right verde = green", "question rojo", "asked 2 of 2",
                                     "choices green,green,blue,red,blue,red", "right rojo = red",
                                     "summary Test finished in 00:02 \n2 of 2 correct 100%", "choices ,,,,,"}));
    EXPECT_TRUE(heard().isEmpty());  // text only
    EXPECT_EQ(results(), QByteArray("ann\tspanish\tcolores\t2\t100%\t00:02 \tMultiple Choice\tText Only\t12/7/2026 2:30:00 PM\r\n"));
}

TEST_F(TestRunTest, AWordWithoutSoundAsksOkToDrawAgainAndCancelFinishesTheTest) {
    make();
    plan.presentation = Presentation::SoundOnly;
    plan.question_count = 1;
    silent = {"01001", "01002"};
    const QString missing = QStringLiteral(
        "Sound file for this word was not found.  Click OK to go to next word or Cancel to stop test.");
    // rojo: OK, azul: OK, verde has a sound and is asked; nobody answers.
    script = {0, 1, 2, 4};
    prompter.answer_ok();
    prompter.answer_ok();
    begin();
    EXPECT_EQ(prompter.texts(), (QStringList{missing, missing}));
    EXPECT_EQ(heard(), QStringList{"01003"});
    // Sound only: no word is shown, not even while the student is asked about a missing sound.
    EXPECT_EQ(view.log.filter(QStringLiteral("question")), (QStringList{"question ", "question ", "question "}));
    EXPECT_TRUE(view.log.contains(QStringLiteral("wrong verde = green\nnot ")));
    EXPECT_EQ(missed, QStringList{"verde|green|01003"});
    // 1 s of sound and its 10 s of time.
    EXPECT_NEAR(elapsed(), 11.0, 1e-9);

    // Cancel ends the test with what was answered so far: nothing.
    prompter.clear();
    prompter.answer_cancel();
    script = {0};
    begin();
    EXPECT_EQ(prompter.texts(), QStringList{missing});
    EXPECT_EQ(view.log.last(), u"choices ,,,,,");
    EXPECT_TRUE(view.log.contains(QStringLiteral("summary Test finished in 00:00 \n0 of 0 correct 0%")));
    EXPECT_TRUE(results().endsWith("ann\tspanish\tcolores\t0\t0%\t00:00 \tMultiple Choice\tSound Only\t12/7/2026 2:30:00 PM\r\n"));
    EXPECT_FALSE(run->active());
}

// ---- an answer or the time ----

TEST_F(TestRunTest, AnUnansweredQuestionRunsItsBarDownThenTakesTheTypedText) {
    make();
    plan.kind = TestKind::FillInBlank;
    plan.question_count = 1;
    plan.entries = {{"casa", "house, home", "04001"}};
    clock.after(4.0, [&] { view.typed = QStringLiteral("home"); });
    begin();
    // 20 bars, then 19 waits of a twentieth of 10 s, then half a second more; 0: cleared at the end.
    std::vector<int> expected{20};
    for (int k = 19; k >= 1; --k) expected.push_back(k);
    expected.push_back(0);
    EXPECT_EQ(view.bars, expected);
    EXPECT_NEAR(elapsed(), 10.0, 1e-9);
    EXPECT_EQ(prompter.messages(), QStringList{"home found in house, home"});
    EXPECT_TRUE(view.log.contains(QStringLiteral("right casa = house, home")));
    EXPECT_TRUE(view.typed.isEmpty());
    EXPECT_FALSE(view.choices_enabled);
    EXPECT_EQ(results(), QByteArray("ann\tspanish\tcolores\t1\t100%\t00:10 \tFill In Blank\tText Only\t12/7/2026 2:30:00 PM\r\n"));
}

TEST_F(TestRunTest, AnAnswerEndsTheQuestionAtTheNextTurnAndAnUnansweredChoiceIsWrong) {
    make();
    plan.question_count = 2;
    script = {0, 1, 1, 1, 1, 1, 1, /**/ 1, 2, 0, 0, 0, 0, 0};
    clock.after(2.3, [&] {
        EXPECT_TRUE(view.choices_enabled);
        run->choose(1);  // red: right
    });
    begin();
    // The first question ends 2.3 s in; the second runs its whole 10 s.
    EXPECT_NEAR(elapsed(), 2.3 + 10.0, 1e-9);
    EXPECT_TRUE(view.log.contains(QStringLiteral("right rojo = red")));
    EXPECT_TRUE(view.log.contains(QStringLiteral("wrong azul = blue\nnot ")));
    EXPECT_EQ(missed, QStringList{"azul|blue|01002"});
    EXPECT_TRUE(results().contains("\t2\t50%\t00:12 \t"));
}

TEST_F(TestRunTest, SpellingIsSoundOnlyAndAcceptsThePlainLetters) {
    make();
    plan.kind = TestKind::Spelling;
    plan.presentation = Presentation::TextOnly;  // the window's row is ignored
    plan.question_count = 2;
    plan.entries = {{QStringLiteral("niño"), "child", "04004"}};
    std::function<void()> type = [&] {
        view.typed = heard().size() == 1 ? QStringLiteral("nino") : QStringLiteral("niño");
        run->enter_typed_answer();
        if (heard().size() == 1) clock.after(3.0, type);
    };
    clock.after(3.0, type);
    begin();
    EXPECT_EQ(heard(), (QStringList{"04004", "04004"}));
    EXPECT_EQ(view.log.filter(QStringLiteral("question")), (QStringList{"question ", "question "}));
    EXPECT_EQ(prompter.messages(), QStringList{"nino found in nino"});
    EXPECT_TRUE(view.log.contains(QStringLiteral("wrong niño = child\nnot niño")));
    EXPECT_TRUE(results().contains("\t2\t50%\t00:06 \tSpelling\tSound Only\t"));
}

// ---- Stop, Exit and a new Begin Test ----

TEST_F(TestRunTest, StopFinishesAtOnceWithoutTheQuestionOnScreen) {
    make();
    plan.question_count = 5;
    clock.after(1.0, [&] { run->choose(1); });  // rojo/red at 1: right
    clock.after(2.0, [&] { run->choose(2); });  // wrong
    clock.after(3.5, [&] { run->stop(); });
    script = {0, 1, 1, 1, 1, 1, 1, /**/ 0, 1, 1, 1, 1, 1, 1, /**/ 2};
    begin();
    EXPECT_NEAR(elapsed(), 3.5, 1e-9);
    EXPECT_FALSE(run->active());
    EXPECT_FALSE(run->waiting());
    EXPECT_EQ(token.playback(), Playback::Running);
    EXPECT_EQ(results(), QByteArray("ann\tspanish\tcolores\t2\t50%\t00:04 \tMultiple Choice\tText Only\t12/7/2026 2:30:00 PM\r\n"));
    // Stop with no test running writes nothing more.
    run->stop();
    EXPECT_EQ(results().count("\r\n"), 1);
}

TEST_F(TestRunTest, ExitWhileAQuestionWaitsJudgesNothingAndWritesNoLine) {
    make();
    plan.kind = TestKind::FillInBlank;
    clock.after(1.0, [&] {
        view.typed = QStringLiteral("red");
        EXPECT_TRUE(run->close());  // a question is waiting
        EXPECT_EQ(unwound, 0);      // not before it has left
    });
    begin();
    EXPECT_EQ(unwound, 1);
    EXPECT_NEAR(elapsed(), 1.0, 1e-9);
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_TRUE(view.log.filter(QStringLiteral("right")).isEmpty());
    EXPECT_TRUE(view.log.filter(QStringLiteral("wrong")).isEmpty());
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("test_results.txt"))));
    EXPECT_EQ(token.playback(), Playback::Running);
    EXPECT_FALSE(view.choices_enabled);

    // Closed with nothing waiting: nothing to unwind.
    make();
    EXPECT_FALSE(run->close());
    EXPECT_EQ(token.playback(), Playback::Running);
}

TEST_F(TestRunTest, BeginDuringATestEndsTheOldOneUnjudgedAndStartsTheNewOneAfterIt) {
    make();
    int prepared = 0;
    auto prepare = [&] {
        ++prepared;
        TestPlan p = plan;
        p.question_count = 1;
        p.word_source = QStringLiteral("second");
        return std::optional<TestPlan>(p);
    };
    clock.after(1.0, [&] {
        run->begin(prepare);
        EXPECT_EQ(prepared, 0);  // read only once the old test has unwound
        EXPECT_TRUE(results().isEmpty());
        // A choice clicked now belongs to no question.
        run->choose(1);
        clock.after(2.0, [&] { run->choose(1); });
    });
    begin();
    EXPECT_EQ(prepared, 1);
    EXPECT_EQ(unwound, 0);
    EXPECT_EQ(view.log.filter(QStringLiteral("right")), QStringList{"right rojo = red"});
    EXPECT_TRUE(view.log.filter(QStringLiteral("wrong")).isEmpty());
    EXPECT_EQ(results(), QByteArray("ann\tspanish\tsecond\t1\t100%\t00:02 \tMultiple Choice\tText Only\t12/7/2026 2:30:00 PM\r\n"));
}

TEST_F(TestRunTest, ATestThatDoesNotStartLeavesNothingRunning) {
    make();
    run->begin([] { return std::optional<TestPlan>(); });
    EXPECT_FALSE(clock.waiting());
    EXPECT_FALSE(run->active());
    plan.entries.clear();
    begin();
    EXPECT_EQ(prompter.messages(), QStringList{"There are no words to test on the chosen word list."});
    EXPECT_FALSE(run->active());
    EXPECT_TRUE(results().isEmpty());
}

// ---- the two number boxes ----

TEST(TestNumbers, OnlyWholeCountsUpTo32767AndPositiveSecondsPass) {
    FakePrompter prompter;
    const QString count = QStringLiteral("The number of questions must be a number greater than 0.");
    const QString seconds = QStringLiteral("The number of seconds per question must be a number greater than 0.");
    for (const char* bad : {"abc", "0", "0.9", "-3", "", "nan", "inf"}) {
        EXPECT_FALSE(read_test_numbers(QString::fromLatin1(bad), "10", &prompter)) << bad;
        EXPECT_EQ(prompter.messages().last(), count) << bad;
    }
    EXPECT_FALSE(read_test_numbers("32768", "10", &prompter));
    EXPECT_EQ(prompter.messages().last(), u"The number of questions must be a number greater than 0 and no more than 32767.");
    for (const char* bad : {"0", "-1", "x", "nan"}) {
        EXPECT_FALSE(read_test_numbers("3", QString::fromLatin1(bad), &prompter)) << bad;
        EXPECT_EQ(prompter.messages().last(), seconds) << bad;
    }
    const auto ok = read_test_numbers(" 3.7 ", "2.5", &prompter);
    ASSERT_TRUE(ok);
    EXPECT_EQ(ok->questions, 3);
    EXPECT_FLOAT_EQ(ok->seconds, 2.5f);
    EXPECT_EQ(read_test_numbers("32767", "1", nullptr)->questions, 32767);
}
