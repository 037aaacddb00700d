// The pause rules, flags and compilation branch of word playback, on a fake clock and a fake engine
// so that waited time is exact.
#include "core/main_view.h"
#include "support/run_pieces.h"
#include "support/fake_main_view.h"
#include "support/data_tree.h"
#include "support/fake_audio.h"
#include "support/fake_prompter.h"
#include "support/fake_clock.h"
#include "support/run_session.h"

#include <gtest/gtest.h>
#include <set>

// Not the whole of ql: its Playback would clash with the fixture of that name.
using ql::testing::RunPieces;
using ql::append_file_bytes;
using ql::SoundSuppression;
using namespace ql::testing;

namespace {

class Playback : public ::testing::Test {
protected:
    void SetUp() override {
        tree.attach(m);
        m.clock = &pump;
        m.audio = &audio;
        m.prompter = &prompter;
        m.main_view = &view;
        audio.duration_of = [](const QString&) { return 3.0; };
        tree.write("languages/spanish/01/01001.mp3", QByteArray("ID3\x03rojo-bytes", 14));
        tree.write("languages/spanish/01/01002.mp3", QByteArray("\xff\xfb" "azul", 6));
    }
    QString installed(const char* number) { return installed_sound_path(m, QString::fromLatin1(number), "spanish"); }

    DataTree tree;
    RunPieces m;
    FakeClock pump;
    FakeAudio audio{&pump};
    FakePrompter prompter;
    FakeMainView view;
};

}  // namespace

TEST_F(Playback, SuppressedSoundPlaysNothingAndWaitsNothingNotEvenForAMissingFile) {
    m.sound_suppression = SoundSuppression::On;
    m.pause_seconds = 2.0f;
    run_session(m.clock, play_word_sound(m, m.on_show(), "01001", "spanish"));
    run_session(m.clock, play_word_sound(m, m.on_show(), "03999", "spanish"));
    EXPECT_TRUE(audio.played.isEmpty());
    EXPECT_EQ(pump.total_waited(), 0.0);
    EXPECT_EQ(pump.waits(), 0);
    // The lookup itself still happens: the missing one is counted and both are shown.
    EXPECT_EQ(m.missing_sound_count, 1);
    EXPECT_EQ(view.sound_file_texts, (QStringList{"File # 01001", "File # 03999"}));
}

TEST_F(Playback, AMissingFileCostsOneSecondPlusThePauseAndIsCountedUntilOneIsFound) {
    m.pause_seconds = 0.5f;
    run_session(m.clock, play_word_sound(m, m.on_show(), "03999", "spanish"));
    EXPECT_DOUBLE_EQ(pump.total_waited(), 1.5);
    run_session(m.clock, play_word_sound(m, m.on_show(), "04000", "spanish"));
    EXPECT_EQ(m.missing_sound_count, 2);
    EXPECT_TRUE(audio.played.isEmpty());
    EXPECT_TRUE(prompter.shown().empty());
    run_session(m.clock, play_word_sound(m, m.on_show(), "01001", "spanish"));
    EXPECT_EQ(m.missing_sound_count, 0);
    EXPECT_EQ(audio.played, QStringList{installed("01001")});

    // An empty sound number is not a lookup at all.
    const double before = pump.total_waited();
    run_session(m.clock, play_word_sound(m, m.on_show(), QString(), "spanish"));
    EXPECT_EQ(pump.total_waited(), before);
    EXPECT_EQ(view.sound_file_texts.size(), 3);
}

TEST_F(Playback, APauseOfOneAndAHalfSecondsOrMoreWaitsForTheEndOfTheSound) {
    m.pause_seconds = 1.5f;
    run_session(m.clock, play_word_sound(m, m.on_show(), "01001", "spanish"));
    // 3 s of sound polled in 0.01 s steps, then the pause.
    EXPECT_NEAR(pump.total_waited(), 4.5, 0.011);
    EXPECT_FALSE(audio.is_playing(m.last_channel));
}

TEST_F(Playback, AShorterPauseDoesNotAskWhetherTheSoundHasEnded) {
    m.pause_seconds = 1.49f;
    run_session(m.clock, play_word_sound(m, m.on_show(), "01001", "spanish"));
    EXPECT_NEAR(pump.total_waited(), 0.8 + 1.49, 1e-6);
    EXPECT_TRUE(audio.is_playing(m.last_channel));  // it plays on under the next one
}

TEST_F(Playback, StopEndsTheSoundPollingAtOnceWithoutThePause) {
    m.pause_seconds = 2.0f;
    pump.after(1.0, [&] { m.cancel.set_playback(ql::Playback::Stop); });
    run_session(m.clock, play_word_sound(m, m.on_show(), "01001", "spanish"));
    EXPECT_NEAR(pump.total_waited(), 1.0, 0.011);
}

TEST_F(Playback, SkipNeverCutsASoundShortButSkipsThePause) {
    m.pause_seconds = 2.0f;
    bool delivered_late = false;
    pump.after(0.5, [&] { m.cancel.set_skip(true); });
    pump.after(0.7, [&] { delivered_late = true; });
    run_session(m.clock, play_word_sound(m, m.on_show(), "01001", "spanish"));
    // Heard to its end (3 s) and no pause after it; clicks still run while it is heard out.
    EXPECT_NEAR(pump.total_waited(), 3.0, 0.011);
    EXPECT_FALSE(audio.is_playing(m.last_channel));
    EXPECT_TRUE(delivered_late);
}

TEST_F(Playback, SkipBelowTheThresholdReturnsAtOnceAndTheSoundPlaysOn) {
    m.pause_seconds = 1.0f;
    pump.after(0.5, [&] { m.cancel.set_skip(true); });
    run_session(m.clock, play_word_sound(m, m.on_show(), "01001", "spanish"));
    EXPECT_NEAR(pump.total_waited(), 0.5, 1e-9);
    EXPECT_TRUE(audio.is_playing(m.last_channel));
    // While the flag stays set, the next word starts and returns without waiting.
    run_session(m.clock, play_word_sound(m, m.on_show(), "01002", "spanish"));
    EXPECT_EQ(audio.played.size(), 2);
    EXPECT_NEAR(pump.total_waited(), 0.5, 1e-9);
}

TEST_F(Playback, WaitsTestTheFlagsBeforeDeliveringAnyEvent) {
    bool delivered = false;
    pump.at(pump.now(), [&] { delivered = true; });
    for (const char* flag : {"stop", "skip"}) {
        m.cancel.set_playback(flag == std::string("stop") ? ql::Playback::Stop : ql::Playback::Running);
        m.cancel.set_skip(flag == std::string("skip"));
        run_session(m.clock, wait_seconds(m, 5.0f));
        EXPECT_FALSE(delivered) << flag;
        EXPECT_EQ(pump.total_waited(), 0.0) << flag;
    }
    // The test's Stop and Exit set Quit, which ends a wait too; Running and Idle do not.
    m.cancel.set_playback(ql::Playback::Quit);
    m.cancel.set_skip(false);
    run_session(m.clock, wait_seconds(m, 5.0f));
    EXPECT_FALSE(delivered) << "quit";
    EXPECT_EQ(pump.total_waited(), 0.0) << "quit";
    m.cancel.set_playback(ql::Playback::Running);
    run_session(m.clock, wait_seconds(m, 2.0f));
    EXPECT_TRUE(delivered);
    EXPECT_DOUBLE_EQ(pump.total_waited(), 2.0);
    run_session(m.clock, wait_seconds(m, std::numeric_limits<float>::quiet_NaN()));
    run_session(m.clock, wait_seconds(m, -1.0f));
    EXPECT_DOUBLE_EQ(pump.total_waited(), 2.0);
}

TEST_F(Playback, APendingCompilationGetsTheSoundBytesAndTheSilencesInsteadOfAPlay) {
    const QByteArray silence("\xff\xf3SILENCE", 9);
    tree.write("silence.mp3", silence);
    m.mp3.words_pending = 3;
    m.mp3.silence_clips = 2;
    m.pause_seconds = 2.0f;
    run_session(m.clock, play_word_sound(m, m.on_show(), "01001", "spanish"));
    run_session(m.clock, play_word_sound(m, m.on_show(), "01002", "spanish"));
    const QByteArray crlf("\r\n");
    EXPECT_EQ(tree.read("out_file.mp3"), tree.read("languages/spanish/01/01001.mp3") + crlf + silence + crlf +
                                             silence + crlf + tree.read("languages/spanish/01/01002.mp3") + crlf +
                                             silence + crlf + silence + crlf);
    EXPECT_TRUE(audio.played.isEmpty());
    EXPECT_EQ(pump.total_waited(), 0.0);

    // A missing recording adds only its silences and is counted.
    run_session(m.clock, play_word_sound(m, m.on_show(), "03999", "spanish"));
    EXPECT_EQ(m.missing_sound_count, 1);
    EXPECT_TRUE(tree.read("out_file.mp3").endsWith(crlf + silence + crlf + silence + crlf + silence + crlf));
    EXPECT_EQ(tree.read("out_file.mp3").count("SILENCE"), 6);
}

TEST_F(Playback, AppendingFromAMissingSourceWritesNothing) {
    EXPECT_FALSE(append_file_bytes(tree.path("none.mp3"), tree.path("out.mp3")));
    EXPECT_FALSE(tree.exists("out.mp3"));
    tree.write("a.mp3", "AB");
    EXPECT_TRUE(append_file_bytes(tree.path("a.mp3"), tree.path("out.mp3")));
    EXPECT_TRUE(append_file_bytes(tree.path("a.mp3"), tree.path("out.mp3")));
    EXPECT_EQ(tree.read("out.mp3"), QByteArray("AB\r\nAB\r\n"));
}

TEST_F(Playback, NewRecordingsArePlayedOnlyWhenAskedForAndTheirWavIsDeleted) {
    tree.write("languages/spanish/new_str/01/01001.str", "enciphered");
    QStringList deciphered;
    m.decipher_to_wav = [&](const QString& str) {
        deciphered << str;
        tree.write("tmp_play.wav", "RIFF....WAVE");
        return tree.path("tmp_play.wav");
    };
    m.pause_seconds = 0.0f;
    run_session(m.clock, play_word_sound(m, m.on_show(), "01001", "spanish"));  // a main-window click: the installed one
    EXPECT_EQ(audio.played, QStringList{installed("01001")});
    EXPECT_TRUE(deciphered.isEmpty());

    ql::WordSoundOptions record_edit;
    record_edit.include_new_recordings = true;
    m.mp3.words_pending = 1;  // a new recording is never compiled
    tree.write("silence.mp3", "S");
    run_session(m.clock, play_word_sound(m, m.on_show(), "01001", "spanish", record_edit));
    EXPECT_EQ(deciphered, QStringList{new_sound_path(m, "01001", "spanish")});
    EXPECT_EQ(audio.played.value(1), tree.path("tmp_play.wav"));
    EXPECT_FALSE(tree.exists("tmp_play.wav"));
    EXPECT_FALSE(tree.exists("out_file.mp3"));

    // Without a new recording the record-and-edit window falls back to the installed one.
    m.mp3.words_pending = 0;
    run_session(m.clock, play_word_sound(m, m.on_show(), "01002", "spanish", record_edit));
    EXPECT_EQ(audio.played.value(2), installed("01002"));

    // Reached from elsewhere, a .str path is not played at all.
    run_session(m.clock, play_sound_file(m, new_sound_path(m, "01001", "spanish")));
    EXPECT_EQ(audio.played.size(), 3);
    EXPECT_EQ(deciphered.size(), 1);
}

TEST_F(Playback, EngineFailuresAreShownAndTheFlowGoesOn) {
    m.pause_seconds = 0.0f;
    run_session(m.clock, play_word_sound(m, m.on_show(), "01001", "spanish"));
    ASSERT_NE(m.last_channel, 0);
    prompter.clear();
    const double before = pump.total_waited();
    audio.fail_load = true;
    run_session(m.clock, play_word_sound(m, m.on_show(), "01001", "spanish"));
    EXPECT_EQ(m.last_channel, 0);
    audio.fail_load = false;
    audio.fail_play = true;
    run_session(m.clock, play_word_sound(m, m.on_show(), "01002", "spanish"));
    EXPECT_EQ(prompter.messages(),
              (QStringList{"An error occured opening the sound file.\r\nFile not found",
                           "An error occured playing the sample!\r\nPlaying the sound failed."}));
    EXPECT_NEAR(pump.total_waited() - before, 1.6, 1e-6);  // each still costs its 0.8 s
}

TEST(RandomBetween, DrawsEveryWholeNumberOfTheRangeAndNothingElse) {
    RunPieces m;
    std::set<int> seen;
    for (int i = 0; i < 5000; ++i) {
        const int r = random_between(m, -3, 6);
        ASSERT_GE(r, -3);
        ASSERT_LE(r, 6);
        seen.insert(r);
    }
    EXPECT_EQ(seen.size(), 10u);
    EXPECT_EQ(random_between(m, 7, 7), 7);
}
