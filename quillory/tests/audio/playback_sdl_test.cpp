// Word playback through the real SDL engine and the real Qt event pump.
#include "audio/sdl_audio_engine.h"
#include "audio_test_util.h"
#include "core/clock.h"
#include "support/run_pieces.h"
#include "support/data_tree.h"
#include "support/fake_prompter.h"
#include "support/fake_clock.h"
#include "support/event_loop.h"
#include "support/run_session.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

using ql::testing::RunPieces;

using namespace ql;
using namespace ql::testing;

namespace {

class RealPlayback : public ::testing::Test {
protected:
    void SetUp() override {
        use_audio_driver("dummy");
        ASSERT_TRUE(engine.open());
        tree.attach(m);
        m.audio = &engine;
        m.clock = &qt_clock();
        m.prompter = &prompter;
    }
    SdlAudioEngine engine;
    DataTree tree;
    RunPieces m;
    FakePrompter prompter;
};

}  // namespace

// The fox takes 3.29 s: longer than the 0.8 s + 1.49 s a short pause waits, so the two rules give
// opposite answers to "is it still playing when the call returns" without any tight timing.
TEST_F(RealPlayback, APauseOfOneAndAHalfWaitsForTheEndOfTheSoundAndJustBelowDoesNot) {
    const QString fox = test_data("quick_brown_fox.mp3");
    m.pause_seconds = 1.49f;
    QElapsedTimer clock;
    clock.start();
    run_session(m.clock, play_sound_file(m, fox));
    EXPECT_GE(clock.elapsed(), 2290);
    EXPECT_TRUE(engine.is_playing(m.last_channel));
    ASSERT_TRUE(eventually([&] { return !engine.is_playing(m.last_channel); }));

    m.pause_seconds = 1.5f;
    clock.restart();
    run_session(m.clock, play_sound_file(m, fox));
    EXPECT_FALSE(engine.is_playing(m.last_channel));
    EXPECT_GE(clock.elapsed(), qint64((kFoxSeconds + 1.5) * 1000) - 20);
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(RealPlayback, LoadAndPlayFailuresShowTheEngineText) {
    m.clock = nullptr;  // no waiting needed here
    tree.write("words.mp3", "not a sound at all");
    run_session(m.clock, play_sound_file(m, tree.path("words.mp3")));

    engine.close();
    ASSERT_TRUE(engine.open(1));
    ASSERT_TRUE(engine.play(*engine.load_file(test_data("quick_brown_fox.mp3"))));
    run_session(m.clock, play_sound_file(m, test_data("buenos_dias.mp3")));
    EXPECT_EQ(prompter.messages(),
              (QStringList{"An error occured opening the sound file.\r\nUnknown file format",
                           "An error occured playing the sample!\r\nFailed to allocate a new channel"}));
}

TEST_F(RealPlayback, WithoutAWorkingDeviceEveryWordSaysSoAndTheProgramGoesOn) {
    engine.close();
    use_audio_driver("no_such_driver");
    EXPECT_FALSE(engine.open());
    FakeClock pump;
    m.clock = &pump;
    m.pause_seconds = 2.0f;
    run_session(m.clock, play_sound_file(m, test_data("buenos_dias.mp3")));
    EXPECT_EQ(prompter.messages(),
              QStringList{"An error occured opening the sound file.\r\nThis command failed because FSOUND_Init was not called"});
    EXPECT_DOUBLE_EQ(pump.total_waited(), 2.0);
}

TEST_F(RealPlayback, WaitsDeliverEventsAndEndOnAFlagSetByOne) {
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(20);
    QElapsedTimer clock;
    clock.start();
    run_session(m.clock, wait_seconds(m, 0.3f));
    EXPECT_GE(clock.elapsed(), 300);
    // The slot ran inside the wait; how often depends on the machine's load, not on the wait.
    EXPECT_GE(ticks, 1);
    ticker.stop();

    // A click (here a timer) that sets skip_word ends a long wait early.
    QTimer::singleShot(100, [&] { m.cancel.set_skip(true); });
    clock.restart();
    run_session(m.clock, wait_seconds(m, 20.0f));
    EXPECT_TRUE(m.cancel.skip());
    EXPECT_LT(clock.elapsed(), 10000);

    // With a flag already set nothing is delivered at all.
    bool delivered = false;
    QTimer::singleShot(0, [&] { delivered = true; });
    run_session(m.clock, wait_seconds(m, 20.0f));
    EXPECT_FALSE(delivered);
    m.cancel.set_skip(false);
    m.cancel.set_playback(Playback::Stop);
    run_session(m.clock, wait_seconds(m, 20.0f));
    EXPECT_FALSE(delivered);
    event_loop_turn();
    EXPECT_TRUE(delivered);
}
