// The record-and-edit recording run as a session on the fake clock: the order of its steps and
// their times, the fast method, single takes, STOP at any step and the batches of ten.
#include "core/recording_session.h"
#include "support/fake_clock.h"
#include "support/fake_prompter.h"

#include <QRegularExpression>
#include <cstring>
#include <gtest/gtest.h>

using namespace ql;
using namespace ql::testing;

namespace {

// One list of words "w<row>" with sound numbers 70000 + row; every step is logged with the time
// (from 0) it happened at.
class LoggedView : public RecordingView {
public:
    explicit LoggedView(FakeClock& clock) : clock_(clock) {}

    int selected_row(const QString& list) const override { return list == kList ? selected : -1; }
    int row_count(const QString&) const override { return rows; }
    QString word(const QString&, int row) const override { return QStringLiteral("w%1").arg(row); }
    QString sound_number(const QString&, int row) const override { return QString::number(70000 + row); }
    void select_row(const QString&, int row) override {
        if (row < 0 || row >= rows) return;
        selected = row;
        add(QStringLiteral("select %1").arg(row));
    }
    void scroll_to_top(const QString&, int row) override { add(QStringLiteral("top %1").arg(row)); }
    void show_sound_number(const QString& n) override { add(QStringLiteral("file ") + n); }
    void show_prompt(const QString& text, RecordingPrompt colour) override {
        add(QStringLiteral("prompt '%1' %2").arg(text, colour == RecordingPrompt::Speak ? "speak" : "wait"));
        if (on_prompt) on_prompt(text);
    }
    void show_take(const QByteArray& take, const TakeCheck& check, bool trimmed, const QString& word) override {
        add(QStringLiteral("take shown %1 bytes of %2%3").arg(take.size()).arg(word, trimmed ? " trimmed" : ""));
        notes << word + QStringLiteral(": ") + check.notes.join(QStringLiteral(", "));
    }
    void show_ended() override { add(QStringLiteral("ended")); }
    void enable_run_buttons(bool enabled) override { add(enabled ? QStringLiteral("buttons on") : QStringLiteral("buttons off")); }
    bool fast_pause() const override { return fast; }
    bool keep_silence() const override { return keep; }

    void add(const QString& what) {
        log << what;
        timed << QStringLiteral("%1 %2").arg(clock_.now() - 1000.0, 0, 'f', 2).arg(what);
    }

    static inline const QString kList = QStringLiteral("without sounds");
    int rows = 4;
    int selected = 0;
    bool fast = false, keep = false;
    std::function<void(const QString&)> on_prompt;
    QStringList log, timed;
    QStringList notes;  // what the check of each take noticed

private:
    FakeClock& clock_;
};

// A take: `seconds` of the clock (STOP cuts it short), then its samples, then it is stored.
QCoro::Task<TakeResult> fake_take(Clock& clock, CancelToken& token, LoggedView& view, double take_seconds,
                                  QByteArray samples, QString number, float seconds, bool keep_silence,
                                  std::function<void(const QByteArray&)> on_take) {
    view.add(QStringLiteral("take %1 %2 s%3").arg(number, QString::number(double(seconds)), keep_silence ? " whole" : ""));
    co_await sleep_for(clock, take_seconds, &token, WaitEnds::OnStop);
    on_take(samples);
    view.add(QStringLiteral("stored ") + number);
    co_return TakeResult::Stored;
}

class RecordingSessionTest : public ::testing::Test {
protected:
    RecordingSessionTest() : view(clock) {
        RecordingServices s;
        s.clock = &clock;
        s.token = &token;
        s.prompter = &prompter;
        s.silence = [this](bool on) { view.add(on ? QStringLiteral("silent") : QStringLiteral("sound")); };
        s.take = [this](QString number, float seconds, bool keep, std::function<void(const QByteArray&)> on_take) {
            return fake_take(clock, token, view, take_seconds, microphone(number), number, seconds, keep,
                             std::move(on_take));
        };
        run = std::make_unique<RecordingSession>(std::move(s), view);
        run->ended = [this] { ++ended; };
    }
    void record(float seconds, bool single, const QString& list = LoggedView::kList) {
        run->start(RecordingSettings{list, seconds, single});
        clock.run();
    }

    FakeClock clock;
    CancelToken token;
    FakePrompter prompter;
    LoggedView view;
    std::unique_ptr<RecordingSession> run;
    double take_seconds = 1.0;
    // What each word's take records: four silent samples unless a test says otherwise.
    std::function<QByteArray(const QString& number)> microphone = [](const QString&) { return QByteArray(8, '\0'); };
    int ended = 0;
};

}  // namespace

// ---- the order and times of the steps ----

TEST_F(RecordingSessionTest, WordAfterWordEachGetsTheCountdownSpeakAndATakeToTheEndOfTheList) {
    view.rows = 3;
    view.selected = 1;
    record(1.2f, false);
    EXPECT_EQ(view.timed, (QStringList{
                              "0.00 silent", "0.00 buttons off",
                              "0.00 file 70001", "0.00 prompt '2' wait", "0.60 prompt '1' wait",
                              "1.20 prompt 'Speak' speak", "1.33 take 70001 1.2 s", "2.33 take shown 8 bytes of w1 trimmed",
                              "2.33 stored 70001", "2.33 prompt '' wait", "2.33 select 2",
                              "2.33 file 70002", "2.33 prompt '2' wait", "2.93 prompt '1' wait",
                              "3.53 prompt 'Speak' speak", "3.66 take 70002 1.2 s", "4.66 take shown 8 bytes of w2 trimmed",
                              "4.66 stored 70002", "4.66 prompt '' wait",
                              "4.66 sound", "4.66 ended", "4.66 buttons on"}));
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(token.playback(), Playback::Running);
    EXPECT_FALSE(run->under_way());
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(RecordingSessionTest, TheFastMethodCountsOnlyOneAfterTheFirstWordAndIsReadAtEveryWord) {
    view.fast = true;
    view.keep = true;
    // The contributor turns the fast method off during the third word's take.
    view.on_prompt = [this](const QString& text) {
        if (text == u"Speak" && view.selected == 2) view.fast = false;
    };
    record(0.8f, false);
    EXPECT_EQ(view.log.filter(QStringLiteral("prompt '")).join(u' '),
              QStringLiteral("prompt '2' wait prompt '1' wait prompt 'Speak' speak prompt '' wait "
                             "prompt '1' wait prompt 'Speak' speak prompt '' wait "
                             "prompt '1' wait prompt 'Speak' speak prompt '' wait "
                             "prompt '2' wait prompt '1' wait prompt 'Speak' speak prompt '' wait"));
    EXPECT_EQ(view.log.filter(QStringLiteral("take shown")),
              (QStringList{"take shown 8 bytes of w0", "take shown 8 bytes of w1", "take shown 8 bytes of w2",
                           "take shown 8 bytes of w3"}));
    EXPECT_TRUE(view.log.contains(QStringLiteral("take 70000 0.8 s whole")));
    // Countdowns of 1.2, 0.7, 0.7 and, slow again, 1.2 s.
    EXPECT_NEAR(clock.now() - 1000.0, (1.2 + 0.7 + 0.7 + 1.2) + 4 * (0.13 + 1.0), 1e-6);
}

TEST_F(RecordingSessionTest, ASingleTakeAlwaysCountsFromTwoAndMovesOnToTheNextWord) {
    view.fast = true;
    view.selected = 2;
    record(0.0f, true);  // no length set: the default take
    EXPECT_EQ(view.log, (QStringList{"silent", "buttons off", "file 70002", "prompt '2' wait", "prompt '1' wait",
                                     "prompt 'Speak' speak", "take 70002 1.4 s", "take shown 8 bytes of w2 trimmed",
                                     "stored 70002", "prompt '' wait", "select 3", "sound", "ended", "buttons on"}));
    // From the last word there is no next one to move to.
    view.log.clear();
    record(1.0f, true);
    EXPECT_FALSE(view.log.contains(QStringLiteral("select 4")));
    EXPECT_EQ(view.selected, 3);
    EXPECT_EQ(ended, 2);
}

TEST_F(RecordingSessionTest, EveryTenthWordBeginsABatchAtTheTopOfTheView) {
    view.rows = 25;
    record(1.0f, false);
    EXPECT_EQ(view.log.filter(QStringLiteral("top ")), (QStringList{"top 10", "top 20"}));
    EXPECT_EQ(view.log.filter(QStringLiteral("stored ")).size(), 25);
    EXPECT_EQ(view.log.indexOf(QStringLiteral("top 10")) + 1, view.log.indexOf(QStringLiteral("file 70010")));
}

// ---- STOP ----

TEST_F(RecordingSessionTest, StopAtAnyStepOfTheCountdownEndsTheRunThereWithoutATake) {
    // Stop at the "2", the "1" and the "Speak" of the fourth word (row 3): no take of it, and the
    // selection goes back two words.
    for (const char* at : {"2", "1", "Speak"}) {
        SCOPED_TRACE(at);
        view.log.clear();
        view.selected = 0;
        view.rows = 6;
        const QString stop_at = QString::fromLatin1(at);
        double stopped = -1;
        view.on_prompt = [&](const QString& text) {
            if (text == stop_at && view.selected == 3 && stopped < 0) {
                stopped = clock.now();
                run->stop();
            }
        };
        record(1.0f, false);
        EXPECT_NEAR(clock.now(), stopped, 1e-6);  // at once, not after the wait
        EXPECT_EQ(view.log.filter(QStringLiteral("stored ")), (QStringList{"stored 70000", "stored 70001", "stored 70002"}));
        EXPECT_FALSE(view.log.contains(QStringLiteral("take 70003 1 s")));
        EXPECT_EQ(view.log.mid(view.log.size() - 4), (QStringList{"select 1", "sound", "ended", "buttons on"}));
        EXPECT_EQ(view.selected, 1);
        EXPECT_EQ(token.playback(), Playback::Running);
    }
    // Stopped at the second word: too close to the top to go back.
    view.log.clear();
    view.selected = 0;
    view.on_prompt = [&](const QString& text) {
        if (text == u"1" && view.selected == 1) run->stop();
    };
    record(1.0f, false);
    EXPECT_EQ(view.log.filter(QStringLiteral("select")), QStringList{"select 1"});
}

TEST_F(RecordingSessionTest, StopDuringATakeStoresWhatWasRecordedAndEndsTheRun) {
    view.rows = 6;
    view.on_prompt = [&](const QString& text) {
        if (text == u"Speak" && view.selected == 4) clock.after(0.13 + 0.4, [&] { run->stop(); });
    };
    record(2.0f, false);
    EXPECT_EQ(view.log.filter(QStringLiteral("stored ")).size(), 5);
    const qsizetype stored = view.timed.indexOf(QRegularExpression(QStringLiteral(".* stored 70004")));
    ASSERT_GE(stored, 0);
    const qsizetype take = view.timed.indexOf(QRegularExpression(QStringLiteral(".* take 70004 2 s")));
    ASSERT_GE(take, 0);
    EXPECT_NEAR(view.timed[stored].section(u' ', 0, 0).toDouble() - view.timed[take].section(u' ', 0, 0).toDouble(), 0.4, 1e-6);
    // The run moved on to the next word, stopped at its countdown and went back two words.
    EXPECT_EQ(view.log.filter(QStringLiteral("select")).mid(4), (QStringList{"select 5", "select 3"}));
}

TEST_F(RecordingSessionTest, AStopOrSkipLeftFromBeforeTheRunDoesNotRushIt) {
    token.set_playback(Playback::Stop);
    token.set_skip(true);
    view.rows = 1;
    record(1.0f, false);
    EXPECT_EQ(view.log.filter(QStringLiteral("stored ")), QStringList{"stored 70000"});
    EXPECT_NEAR(clock.now() - 1000.0, 1.2 + 0.13 + 1.0, 1e-6);
}

// ---- runs that cannot begin ----

TEST_F(RecordingSessionTest, NoWordChosenIsExplainedAndSoundIsLetThroughAgain) {
    record(1.0f, false, QString());
    view.selected = -1;
    record(1.0f, false);
    EXPECT_EQ(prompter.messages(),
              (QStringList{QStringLiteral("You have to select a word on one of the lists. If you just added the word and "
                                          "don't see it, you need to click the refresh button and then look at the "
                                          "bottom of the list."),
                           QStringLiteral("You have to select a word on one of the lists.")}));
    EXPECT_EQ(view.log, (QStringList{"silent", "sound", "silent", "buttons off", "sound", "buttons on"}));
    EXPECT_EQ(ended, 2);
    EXPECT_FALSE(run->under_way());
}

TEST_F(RecordingSessionTest, ASecondStartDuringARunIsIgnored) {
    view.rows = 2;
    clock.after(0.5, [&] { run->start(RecordingSettings{LoggedView::kList, 3.0f, true}); });
    record(1.0f, false);
    EXPECT_EQ(view.log.filter(QStringLiteral("take 7")), (QStringList{"take 70000 1 s", "take 70001 1 s"}));
    EXPECT_EQ(ended, 1);
}

// ---- the take check ----

TEST_F(RecordingSessionTest, EveryTakeIsCheckedAndShownBeforeItIsStored) {
    view.rows = 3;
    // A second of a square wave: at full scale for the first word, well recorded for the second;
    // silence for the third.
    microphone = [](const QString& number) {
        QByteArray take(2 * 22050, '\0');
        const int level = number == u"70000" ? 32767 : number == u"70001" ? 12000 : 0;
        for (int k = 2205; k < 12000; ++k) {
            const qint16 v = qint16((k / 40) % 2 ? level : -level);
            std::memcpy(take.data() + 2 * k, &v, 2);
        }
        return take;
    };
    record(1.0f, false);
    EXPECT_EQ(view.notes, (QStringList{"w0: Clipped", "w1: ", "w2: Too quiet, Very short"}));
    for (const char* number : {"70000", "70001", "70002"}) {
        const qsizetype shown = view.log.indexOf(QRegularExpression(QStringLiteral("take shown .* of w%1 trimmed").arg(number[4])));
        EXPECT_EQ(view.log.value(shown + 1), QStringLiteral("stored ") + QLatin1String(number)) << number;
    }
}
