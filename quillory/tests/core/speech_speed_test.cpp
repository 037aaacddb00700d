#include "core/mpeg_frames.h"
#include "core/speech_speed.h"
#include "support/data_tree.h"
#include "support/pitch_track.h"
#include "support/sound_maker.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace ql;
using namespace ql::testing;

namespace {

Pcm tone(double hz, double seconds, int rate = 22050) {
    Pcm p;
    p.rate = rate;
    p.samples.resize(size_t(seconds * rate));
    for (size_t i = 0; i < p.samples.size(); ++i)
        p.samples[i] = int16_t(std::lround(9000.0 * std::sin(2.0 * M_PI * hz * double(i) / rate)));
    return p;
}

Pcm test_data_word(const char* name) {
    const auto pcm = decode_mp3_pcm(test_data_file(name));
    EXPECT_TRUE(pcm);
    return pcm.value_or(Pcm{});
}

}  // namespace

TEST(SpeechSpeedSetting, RemembersTheChoiceBesideTheVoiceToggleAndRefusesOddValues) {
    DataTree tree;
    const QString ini = tree.path("users/ann/settings.ini");
    EXPECT_EQ(load_speech_speed(ini), 100);  // no file yet
    {
        QSettings voice(ini, QSettings::IniFormat);
        voice.setValue("voice/speak_words_without_recording", true);
    }
    ASSERT_TRUE(save_speech_speed(ini, 70));
    EXPECT_EQ(load_speech_speed(ini), 70);
    const QString text = QString::fromUtf8(tree.read("users/ann/settings.ini"));
    EXPECT_TRUE(text.contains("[speech]")) << qPrintable(text);
    EXPECT_TRUE(text.contains("speed_percent=70")) << qPrintable(text);
    EXPECT_TRUE(text.contains("speak_words_without_recording=true")) << qPrintable(text);

    // Edited by hand to a speed the menu does not offer: the natural speed, not a guess.
    for (const char* odd : {"33", "0", "-60", "fast", "1000"}) {
        QSettings(ini, QSettings::IniFormat).setValue("speech/speed_percent", odd);
        EXPECT_EQ(load_speech_speed(ini), 100) << odd;
    }
    EXPECT_EQ(speech_speed_choices(), (QList<int>{100, 90, 80, 70, 60, 50}));
    EXPECT_FALSE(save_speech_speed(QString(), 60));
}

TEST(SpeechStretch, LengthIsLengthOverSpeedWithinTwoPercent) {
    const Pcm word = test_data_word("buenos_dias.mp3");
    ASSERT_GT(word.seconds(), 0.5);
    for (const Pcm& clip : {tone(220.0, 1.0), word}) {
        for (int percent : {90, 80, 70, 60, 50}) {
            const double speed = percent / 100.0;
            const Pcm out = stretch_speech(clip, speed);
            EXPECT_EQ(out.rate, clip.rate);
            const double want = double(clip.samples.size()) / speed;
            EXPECT_NEAR(double(out.samples.size()), want, want * 0.02) << percent << " %";
        }
    }
}

TEST(SpeechStretch, PitchIsKeptWithinThreePercent) {
    const Pcm sine = tone(196.0, 1.0);
    ASSERT_NEAR(median_pitch(sine), 196.0, 196.0 * 0.01);
    for (const Pcm& clip : {sine, test_data_word("buenos_dias.mp3"), test_data_word("quick_brown_fox.mp3")}) {
        for (int percent : {90, 80, 70, 60, 50}) {
            const double speed = percent / 100.0;
            int pairs = 0;
            EXPECT_NEAR(aligned_pitch_ratio(clip, stretch_speech(clip, speed), speed, &pairs), 1.0, 0.03) << percent << " %";
            EXPECT_GE(pairs, 10) << "too few voiced frames to compare";
        }
    }
    // The measure itself tells a changed pitch: played faster by resampling, the pitch rises.
    const Pcm word = test_data_word("buenos_dias.mp3");
    Pcm faster;
    faster.rate = word.rate;
    for (double at = 0; at + 1 < double(word.samples.size()); at += 1.1) {
        const size_t i = size_t(at);
        const double f = at - double(i);
        faster.samples.push_back(int16_t(std::lround(word.samples[i] * (1 - f) + word.samples[i + 1] * f)));
    }
    int pairs = 0;
    EXPECT_NEAR(aligned_pitch_ratio(word, faster, 1.1, &pairs), 1.1, 0.02);
    EXPECT_GE(pairs, 5);
}

TEST(SpeechStretch, ResamplesToTheEngineRateKeepingPitchAndLength) {
    // A clip at 44100 Hz played by the 22050 Hz engine: half the samples per second, same pitch.
    const Pcm sine = tone(220.0, 1.0, 44100);
    const Pcm out = stretch_speech(sine, 0.6, 22050);
    EXPECT_EQ(out.rate, 22050);
    EXPECT_NEAR(double(out.samples.size()), 22050 / 0.6, 22050 / 0.6 * 0.02);
    EXPECT_NEAR(median_pitch(out), 220.0, 220.0 * 0.03);
}

TEST(SpeechStretch, NaturalSpeedLeavesSamplesAlone) {
    const Pcm word = test_data_word("buenos_dias.mp3");
    EXPECT_EQ(stretch_speech(word, 1.0).samples, word.samples);
    EXPECT_EQ(slowed_samples(word.samples, 100), word.samples);
    EXPECT_TRUE(stretch_speech(Pcm{{}, 22050}, 0.6).samples.empty());
}

TEST(SpeechDecode, WavAndMp3ByTheirHeadersAndDamageIsRefused) {
    QFile wav(QStringLiteral(QL_TEST_DATA "/palabra.wav"));
    ASSERT_TRUE(wav.open(QIODevice::ReadOnly));
    const QByteArray bytes = wav.readAll();
    const auto pcm = decode_sound_pcm(bytes);
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->rate, 22050);
    // Every sample after the 44-byte header, as written.
    ASSERT_EQ(qsizetype(pcm->samples.size()), (bytes.size() - 44) / 2);
    EXPECT_EQ(std::memcmp(pcm->samples.data(), bytes.constData() + 44, size_t(bytes.size() - 44)), 0);

    // A header that promises more than the file holds gives what is there.
    EXPECT_EQ(decode_wav_pcm(bytes.left(44 + 100))->samples.size(), 50u);
    EXPECT_FALSE(decode_sound_pcm(QByteArray("RIFF\0\0\0\0WAVEjunk", 16)));
    EXPECT_FALSE(decode_sound_pcm(QByteArray(3000, 'x')));
    EXPECT_FALSE(decode_sound_pcm(QByteArray()));
    EXPECT_FALSE(slowed_samples_of_file(QStringLiteral("/nonexistent/x.mp3"), 60));

    // The sample engine plays a file at 22050 Hz: a WAV at the natural speed comes back as it is.
    EXPECT_EQ(*slowed_samples_of_file(QStringLiteral(QL_TEST_DATA "/palabra.wav"), 100), pcm->samples);
}

TEST(SpeedClipCache, KeepsStretchedClipsOutsideTheLanguagesAndReusesThem) {
    DataTree tree;
    QFile f(QStringLiteral(QL_TEST_DATA "/buenos_dias.mp3"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray recording = f.readAll();
    const qint64 natural = decode_mp3(recording).samples;
    SpeedClipCache cache(tree.path("cache/speed"));
    EXPECT_EQ(cache.folder(), tree.path("cache/speed/"));

    // The natural speed gives the very bytes and stores nothing.
    EXPECT_EQ(*cache.stretched_mp3(recording, 100), recording);
    EXPECT_FALSE(tree.exists("cache/speed"));

    const auto slow = cache.stretched_mp3(recording, 60);
    ASSERT_TRUE(slow);
    EXPECT_EQ(cache.clips_made(), 1);
    EXPECT_EQ(QDir(tree.path("cache/speed")).entryList(QDir::Files).size(), 1);
    EXPECT_EQ(tree.read("cache/speed/" + QFileInfo(cache.clip_path(recording, 60)).fileName()), *slow);
    // The recordings' own format, so it joins a compiled file like one.
    const auto header = parse_mpeg_header(*slow);
    ASSERT_TRUE(header);
    EXPECT_EQ(header->version, 20);
    EXPECT_EQ(header->sample_rate, 22050);
    EXPECT_TRUE(header->mono);
    EXPECT_EQ(header->bitrate_kbps, 32);
    // Its length is the stretched length, plus at most the encoder's delay and padding.
    const double want = double(natural) / 0.6;
    const qint64 got = decode_mp3(*slow).samples;
    EXPECT_GE(double(got), want * 0.98);
    EXPECT_LE(double(got), want * 1.02 + 2 * 576 + 1105);

    // A second compilation reuses it; another speed is another clip.
    EXPECT_EQ(*cache.stretched_mp3(recording, 60), *slow);
    EXPECT_EQ(cache.clips_made(), 1);
    ASSERT_TRUE(cache.stretched_mp3(recording, 80));
    EXPECT_EQ(cache.clips_made(), 2);
    EXPECT_NE(cache.clip_path(recording, 60), cache.clip_path(recording, 80));

    // A kept clip damaged by hand is made again instead of being joined into a file.
    tree.write("cache/speed/" + QFileInfo(cache.clip_path(recording, 60)).fileName(), "not an mp3");
    EXPECT_EQ(*cache.stretched_mp3(recording, 60), *slow);
    EXPECT_EQ(cache.clips_made(), 3);

    // A clip that does not decode is not stretched and nothing is stored for it.
    EXPECT_FALSE(cache.stretched_mp3(QByteArray(500, 'z'), 60));
    EXPECT_EQ(QDir(tree.path("cache/speed")).entryList(QDir::Files).size(), 2);

    // The default folder sits beside the voice's clips under the user's cache, not in a data tree.
    EXPECT_TRUE(SpeedClipCache::default_folder().endsWith("/quillory/speed/"));
}
