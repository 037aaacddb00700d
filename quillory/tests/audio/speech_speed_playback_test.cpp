// Slower speech in playback and in the two compile commands, on a fake clock and a fake engine: the
// stretched samples are what is played, and the timing follows their length.
#include "core/drill.h"
#include "core/mp3_compile.h"
#include "core/lrc_captions.h"
#include "core/mp3_encode.h"
#include "core/speech_speed.h"
#include "support/data_tree.h"
#include "support/fake_audio.h"
#include "support/fake_main_view.h"
#include "support/fake_prompter.h"
#include "support/fake_clock.h"
#include "support/run_pieces.h"
#include "support/run_session.h"
#include "support/sound_maker.h"

#include <QFile>
#include <gtest/gtest.h>

using ql::testing::RunPieces;
using namespace ql::testing;

namespace {

class SlowedPlayback : public ::testing::Test {
protected:
    void SetUp() override {
        tree.attach(m);
        m.clock = &pump;
        m.audio = &audio;
        m.prompter = &prompter;
        m.main_view = &view;
        m.current_language = "spanish";
        recording = test_data_file("buenos_dias.mp3");
        natural_samples = ql::decode_mp3_pcm(recording)->samples.size();
        tree.write("languages/spanish/01/01001.mp3", recording);
        tree.write("languages/spanish/01/01002.mp3", QByteArray("\xff\xfb" "azul", 6));
        m.speed_clips = &cache;
    }
    // Plays one word of the chosen language on the fake clock, to the end of its waits.
    void play(RunPieces& p, const char* number, bool include_new_recordings = false) {
        ql::WordSoundOptions options;
        options.include_new_recordings = include_new_recordings;
        run_session(p.clock, play_word_sound(p, p.on_show(), QString::fromLatin1(number), "spanish", options));
    }
    // The length in samples of what the engine was handed, from "pcm:<count>".
    static double played_samples(const QString& played) {
        EXPECT_TRUE(played.startsWith("pcm:")) << qPrintable(played);
        return played.mid(4).toDouble();
    }

    DataTree tree;
    RunPieces m;
    FakeClock pump;
    FakeAudio audio{&pump};
    FakePrompter prompter;
    FakeMainView view;
    ql::SpeedClipCache cache{tree.path("cache/speed/")};
    QByteArray recording;
    size_t natural_samples = 0;
};

}  // namespace

TEST_F(SlowedPlayback, AWordPlaysStretchedAndTheEndOfTheSoundIsTheStretchedEnd) {
    m.speech_speed = 60;
    m.pause_seconds = 1.5f;
    play(m, "01001");
    ASSERT_EQ(audio.played.size(), 1);
    const double n = played_samples(audio.played[0]);
    EXPECT_NEAR(n, natural_samples / 0.6, natural_samples / 0.6 * 0.02);
    // The sound is polled to its (stretched) end, then the pause.
    EXPECT_NEAR(pump.total_waited(), n / 22050.0 + 1.5, 0.011);
}

TEST_F(SlowedPlayback, BelowOneAndAHalfSecondsTheFixedWaitStretchesToo) {
    m.speech_speed = 80;
    m.pause_seconds = 0.4f;
    play(m, "01001");
    EXPECT_NEAR(pump.total_waited(), 0.8 / 0.8 + 0.4, 1e-6);
    EXPECT_NEAR(played_samples(audio.played[0]), natural_samples / 0.8, natural_samples / 0.8 * 0.02);
}

TEST_F(SlowedPlayback, AtTheNaturalSpeedTheFileItselfIsPlayedAsBefore) {
    m.speech_speed = 100;
    m.pause_seconds = 0.4f;
    play(m, "01001");
    EXPECT_EQ(audio.played, QStringList{installed_sound_path(m.workspace, "01001", "spanish")});
    EXPECT_NEAR(pump.total_waited(), 0.8 + 0.4, 1e-6);
    EXPECT_FALSE(tree.exists("cache/speed"));
}

TEST_F(SlowedPlayback, AFileThatDoesNotDecodeGoesToTheEngineAsItIs) {
    m.speech_speed = 60;
    m.pause_seconds = 0.4f;
    play(m, "01002");
    EXPECT_EQ(audio.played, QStringList{installed_sound_path(m.workspace, "01002", "spanish")});
}

TEST_F(SlowedPlayback, SpokenWordsAndDecipheredTakesAreStretchedAndTheTakeIsStillDeleted) {
    m.speech_speed = 50;
    m.pause_seconds = 0.4f;
    run_session(m.clock, ql::play_spoken_samples(m, std::vector<int16_t>(22050, 1000)));
    EXPECT_NEAR(played_samples(audio.played.value(0)), 44100, 44100 * 0.02);

    // Record-and-edit plays a take through its deciphered WAV; the WAV is stretched and then deleted.
    const QByteArray wav = test_data_file("palabra.wav");
    tree.write("languages/spanish/new_str/70/70001.str", "enciphered");
    m.decipher_to_wav = [&](const QString& str) {
        const QString w = str.chopped(3) + "wav";
        QFile f(w);
        f.open(QIODevice::WriteOnly);
        f.write(wav);
        return w;
    };
    play(m, "70001", true);
    const double take = double(wav.size() - 44) / 2;
    EXPECT_NEAR(played_samples(audio.played.value(1)), take / 0.5, take / 0.5 * 0.02);
    EXPECT_FALSE(tree.exists("languages/spanish/new_str/70/70001.wav"));
}

TEST_F(SlowedPlayback, TheDrillsCompilationTakesStretchedClipsAndKeepsItsSilences) {
    const QByteArray silence = ql::encode_mp3(std::vector<int16_t>(4410, 0));
    tree.write("silence.mp3", silence);
    m.speech_speed = 70;
    m.mp3.words_pending = 1;
    m.mp3.silence_clips = 2;
    play(m, "01001");
    const QByteArray slowed = *cache.stretched_mp3(recording, 70);
    EXPECT_EQ(tree.read("out_file.mp3"), slowed + "\r\n" + silence + "\r\n" + silence + "\r\n");
    EXPECT_TRUE(audio.played.isEmpty());
    EXPECT_EQ(cache.clips_made(), 1);

    // At the natural speed the recording's own bytes, as before.
    QFile::remove(tree.path("out_file.mp3"));
    m.speech_speed = 100;
    play(m, "01001");
    EXPECT_EQ(tree.read("out_file.mp3"), recording + "\r\n" + silence + "\r\n" + silence + "\r\n");
}

TEST_F(SlowedPlayback, WordBlocksTakeStretchedClipsAndTheirCaptionsFollowThem) {
    const QByteArray silence = ql::encode_mp3(std::vector<int16_t>(4410, 0));
    tree.write("silence.mp3", silence);
    tree.write_lines("languages/spanish/colors.txt", {"buenos|good|01001", "otro|other|01001"});
    ASSERT_TRUE(ql::create_array_of_words(m, tree.path("languages/spanish/colors.txt")));
    m.speech_speed = 60;
    const auto result = run_session(m.clock, ql::write_word_blocks(m, m.on_show(), 1, 1));
    EXPECT_EQ(result.files_completed, 1);
    const QByteArray slowed = *cache.stretched_mp3(recording, 60);
    EXPECT_EQ(cache.clips_made(), 1);
    const QByteArray block = tree.read("100words1.mp3");
    EXPECT_EQ(block, slowed + "\r\n" + silence + "\r\n" + slowed + "\r\n" + silence + "\r\n");
    // The second entry starts after the first's stretched clip and its silence.
    const double second = double(decode_mp3(slowed).samples + decode_mp3(silence).samples) / 22050.0;
    EXPECT_EQ(QString::fromUtf8(tree.read("100words1.lrc")),
              "[00:00.00]buenos - good\r\n" + ql::lrc_time_stamp(second) + "otro - other\r\n");
}
