#include "audio/sdl_audio_engine.h"
#include "audio_test_util.h"
#include "support/data_tree.h"

#include <QElapsedTimer>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

using namespace ql;
using namespace ql::testing;

namespace {

class Engine : public ::testing::Test {
protected:
    void SetUp() override {
        use_audio_driver("dummy");
        ASSERT_TRUE(fmod.init(22050, 64, 0)) << fmod_error_text(fmod.get_error()).toStdString();
    }
    SdlAudioEngine fmod;
    DataTree tree;
};

std::vector<int16_t> tone(int samples) {
    std::vector<int16_t> s(static_cast<size_t>(samples));
    for (size_t i = 0; i < s.size(); ++i) s[i] = int16_t(8000 * std::sin(double(i) * 0.1));
    return s;
}

}  // namespace

TEST_F(Engine, AChannelPlaysForTheLengthOfTheSoundAndThenStops) {
    const int sample = fmod.sample_load(test_data("buenos_dias.mp3"));
    ASSERT_NE(sample, 0) << fmod_error_text(fmod.get_error()).toStdString();
    QElapsedTimer clock;
    clock.start();
    const int channel = fmod.play_sound(sample);
    ASSERT_GE(channel, 1);
    ASSERT_LE(channel, 64);
    EXPECT_TRUE(fmod.is_playing(channel));
    ASSERT_TRUE(eventually([&] { return !fmod.is_playing(channel); }));
    // The dummy device consumes sound in real time: the channel cannot stop before the word is over.
    EXPECT_GE(clock.elapsed(), 950);
    EXPECT_EQ(fmod.held_samples(), 0);
}

TEST_F(Engine, PlaysWavFilesAndTwoSoundsAtOnceOnDifferentChannels) {
    // Language and folder names may hold any letter.
    tree.write("español/niño.wav", wav_bytes(tone(22050)));
    const int a = fmod.play_sound(fmod.sample_load(tree.path("español/niño.wav")));
    const int b = fmod.play_sound(fmod.sample_load(test_data("buenos_dias.mp3")));
    ASSERT_NE(a, 0);
    ASSERT_NE(b, 0);
    EXPECT_NE(a, b);
    EXPECT_TRUE(fmod.is_playing(a));
    EXPECT_TRUE(fmod.is_playing(b));
    EXPECT_EQ(fmod.held_samples(), 2);
}

TEST_F(Engine, LoadFailuresGiveTheOldLibrarysCodes) {
    tree.write("words.mp3", "casa|house|00412\r\n");
    tree.write("empty.mp3", "");
    tree.write("broken.wav", QByteArray("RIFF\x10\x00\x00\x00WAVEjunkjunkjunkjunk", 24));
    tree.mkdir("folder.mp3");
    struct Case {
        QString path;
        int code;
        const char* text;
    };
    const Case cases[] = {
        {tree.path("missing.mp3"), FMOD_ERR_FILE_NOTFOUND, "File not found"},
        {QString(), FMOD_ERR_FILE_NOTFOUND, "File not found"},
        {tree.path("folder.mp3"), FMOD_ERR_FILE_NOTFOUND, "File not found"},
        {tree.path("words.mp3"), FMOD_ERR_FILE_FORMAT, "Unknown file format"},
        {tree.path("empty.mp3"), FMOD_ERR_FILE_FORMAT, "Unknown file format"},
        {tree.path("broken.wav"), FMOD_ERR_FILE_BAD, "Error loading file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        EXPECT_EQ(fmod.sample_load(c.path), 0);
        EXPECT_EQ(fmod.get_error(), c.code);
        EXPECT_EQ(fmod_error_text(fmod.get_error()), QString::fromLatin1(c.text));
    }
    EXPECT_EQ(fmod.held_samples(), 0);
}

TEST_F(Engine, WhenEveryChannelIsBusyThePlayFailsAndTheSampleIsGivenBack) {
    fmod.close();
    ASSERT_TRUE(fmod.init(22050, 2, 0));
    const QString fox = test_data("quick_brown_fox.mp3");
    ASSERT_NE(fmod.play_sound(fmod.sample_load(fox)), 0);
    ASSERT_NE(fmod.play_sound(fmod.sample_load(fox)), 0);
    const int third = fmod.sample_load(fox);
    ASSERT_NE(third, 0);
    EXPECT_EQ(fmod.play_sound(third), 0);
    EXPECT_EQ(fmod.get_error(), FMOD_ERR_CHANNEL_ALLOC);
    EXPECT_EQ(fmod_error_text(fmod.get_error()), "Failed to allocate a new channel");
    EXPECT_EQ(fmod.held_samples(), 2);
    // A handle that was given back is not played by accident later.
    EXPECT_EQ(fmod.play_sound(third), 0);
    EXPECT_EQ(fmod.get_error(), FMOD_ERR_INVALID_PARAM);
}

TEST_F(Engine, MemoryStaysFlatOverALongRunOfWords) {
    tree.write("click.wav", wav_bytes(tone(110)));
    int most_held = 0;
    for (int i = 0; i < 60; ++i) {
        const int channel = fmod.play_sound(fmod.sample_load(tree.path("click.wav")));
        ASSERT_NE(channel, 0) << i;
        most_held = std::max(most_held, fmod.held_samples());
        ASSERT_TRUE(eventually([&] { return !fmod.is_playing(channel); }));
    }
    EXPECT_LE(most_held, 2);
    EXPECT_EQ(fmod.held_samples(), 0);
}

TEST_F(Engine, FreeingASampleStopsItsChannel) {
    const int sample = fmod.sample_load(test_data("quick_brown_fox.mp3"));
    const int channel = fmod.play_sound(sample);
    ASSERT_TRUE(fmod.is_playing(channel));
    fmod.sample_free(sample);
    EXPECT_FALSE(fmod.is_playing(channel));
    EXPECT_EQ(fmod.held_samples(), 0);
    fmod.sample_free(sample);
    EXPECT_EQ(fmod.get_error(), FMOD_ERR_INVALID_PARAM);
}

TEST_F(Engine, OnlyOneEngineOwnsTheDeviceAndInitTwiceIsRefused) {
    EXPECT_FALSE(fmod.init(22050, 64, 0));
    EXPECT_EQ(fmod.get_error(), FMOD_ERR_BUSY);
    SdlAudioEngine second;
    EXPECT_FALSE(second.init(22050, 64, 0));
    EXPECT_EQ(second.get_error(), FMOD_ERR_ALLOCATED);
    fmod.close();
    EXPECT_TRUE(second.init(22050, 64, 0));
}

TEST(EngineWithoutDevice, AFailedInitLeavesEveryCallFailingCleanly) {
    use_audio_driver("no_such_driver");
    SdlAudioEngine fmod;
    EXPECT_FALSE(fmod.init(22050, 64, 0));
    EXPECT_EQ(fmod.get_error(), FMOD_ERR_INIT);
    EXPECT_EQ(fmod_error_text(fmod.get_error()), "Error initializing output device.");
    EXPECT_FALSE(fmod.is_open());

    EXPECT_EQ(fmod.sample_load(test_data("buenos_dias.mp3")), 0);
    EXPECT_EQ(fmod.get_error(), FMOD_ERR_UNINITIALIZED);
    EXPECT_EQ(fmod.play_sound(1), 0);
    EXPECT_FALSE(fmod.is_playing(1));
    EXPECT_EQ(fmod.sample_alloc(22050), 0);
    EXPECT_FALSE(fmod.record_start_sample(1));
    EXPECT_EQ(fmod.record_get_position(), 0);
    EXPECT_FALSE(fmod.record_stop());
    void* p = nullptr;
    unsigned n = 0;
    EXPECT_FALSE(fmod.sample_lock(1, 0, 2, &p, &n, nullptr, nullptr));
    EXPECT_FALSE(fmod.sample_unlock(1, p, nullptr, n, 0));
    fmod.sample_free(1);
    EXPECT_EQ(fmod.get_error(), FMOD_ERR_UNINITIALIZED);
    fmod.close();

    // Sound comes back once a device is there.
    use_audio_driver("dummy");
    EXPECT_TRUE(fmod.init(22050, 64, 0));
}

TEST_F(Engine, AllocatedBuffersAreZeroedLockableAndBounded) {
    EXPECT_EQ(fmod.sample_alloc(0), 0);
    EXPECT_EQ(fmod.get_error(), FMOD_ERR_INVALID_PARAM);
    EXPECT_EQ(fmod.sample_alloc(SdlAudioEngine::kMaxAllocSamples + 1), 0);
    EXPECT_EQ(fmod.get_error(), FMOD_ERR_MEMORY);

    const int sample = fmod.sample_alloc(1000);
    ASSERT_NE(sample, 0);
    void* p1 = nullptr;
    void* p2 = reinterpret_cast<void*>(1);
    unsigned l1 = 0, l2 = 7;
    ASSERT_TRUE(fmod.sample_lock(sample, 0, 4000, &p1, &l1, &p2, &l2));
    EXPECT_EQ(l1, 2000u);  // never more than the buffer holds
    EXPECT_EQ(p2, nullptr);
    EXPECT_EQ(l2, 0u);
    const std::vector<char> zeros(2000, 0);
    EXPECT_EQ(std::memcmp(p1, zeros.data(), 2000), 0);
    EXPECT_TRUE(fmod.sample_unlock(sample, p1, p2, l1, l2));
    EXPECT_FALSE(fmod.sample_lock(sample, 2002, 2, &p1, &l1, nullptr, nullptr));
    EXPECT_FALSE(fmod.sample_lock(sample, -2, 2, &p1, &l1, nullptr, nullptr));
    // A recording buffer is not a sound to play, and it is kept until it is freed.
    EXPECT_EQ(fmod.play_sound(sample), 0);
    EXPECT_EQ(fmod.held_samples(), 1);
    fmod.sample_free(sample);
    EXPECT_EQ(fmod.held_samples(), 0);
}

namespace {

// The disk driver reads the "microphone" from a raw file in the device's format (16-bit little-endian
// mono here), which gives a recording test a known signal.
class Recording : public ::testing::Test {
protected:
    void SetUp() override {
        for (size_t i = 0; i < signal.size(); ++i) signal[i] = int16_t((int(i) * 37) % 60000 - 30000);
        QByteArray raw(reinterpret_cast<const char*>(signal.data()), int(signal.size() * 2));
        tree.write("mic.raw", raw);
        use_audio_driver("disk");
        ::setenv("SDL_DISKAUDIOFILEIN", tree.path("mic.raw").toLocal8Bit().constData(), 1);
        ::setenv("SDL_DISKAUDIOFILE", tree.path("speaker.raw").toLocal8Bit().constData(), 1);
        ASSERT_TRUE(fmod.init(22050, 64, 0)) << fmod_error_text(fmod.get_error()).toStdString();
    }
    void TearDown() override {
        fmod.close();
        ::unsetenv("SDL_DISKAUDIOFILEIN");
        ::unsetenv("SDL_DISKAUDIOFILE");
    }
    std::vector<int16_t> signal = std::vector<int16_t>(22050);
    DataTree tree;
    SdlAudioEngine fmod;
};

}  // namespace

TEST_F(Recording, ATakeHoldsExactlyTheSamplesTheMicrophoneGave) {
    const int take = fmod.sample_alloc(11025);
    ASSERT_NE(take, 0);
    ASSERT_TRUE(fmod.record_start_sample(take)) << fmod_error_text(fmod.get_error()).toStdString();
    // Without looping the take ends when the buffer is full.
    ASSERT_TRUE(eventually([&] { return fmod.record_get_position() == 11025; }));
    ASSERT_TRUE(fmod.record_stop());
    EXPECT_EQ(fmod.record_get_position(), 11025);
    void* data = nullptr;
    unsigned len = 0;
    ASSERT_TRUE(fmod.sample_lock(take, 0, 11025 * 2, &data, &len, nullptr, nullptr));
    ASSERT_EQ(len, 11025u * 2);
    const auto* got = static_cast<const int16_t*>(data);
    EXPECT_TRUE(std::equal(got, got + 11025, signal.begin()));
    EXPECT_TRUE(fmod.sample_unlock(take, data, nullptr, len, 0));
    fmod.sample_free(take);
}

TEST_F(Recording, StoppingEarlyKeepsThePositionAndTheSamplesSoFar) {
    const int take = fmod.sample_alloc(22050 * 10);
    ASSERT_TRUE(fmod.record_start_sample(take));
    ASSERT_TRUE(eventually([&] { return fmod.record_get_position() >= 2000; }));
    ASSERT_TRUE(fmod.record_stop());
    const int pos = fmod.record_get_position();
    EXPECT_GE(pos, 2000);
    EXPECT_LT(pos, 22050 * 10);
    QThread::msleep(100);
    EXPECT_EQ(fmod.record_get_position(), pos);
    void* data = nullptr;
    unsigned len = 0;
    ASSERT_TRUE(fmod.sample_lock(take, 0, pos * 2, &data, &len, nullptr, nullptr));
    const auto* got = static_cast<const int16_t*>(data);
    const int compared = std::min(pos, int(signal.size()));
    EXPECT_TRUE(std::equal(got, got + compared, signal.begin()));
    // Freeing the buffer while it records stops the capture first.
    ASSERT_TRUE(fmod.record_start_sample(take));
    fmod.sample_free(take);
    EXPECT_EQ(fmod.held_samples(), 0);
}

TEST(RecordingWithoutMicrophone, StartFailsWithTheRecordingCode) {
    DataTree tree;
    use_audio_driver("disk");
    ::setenv("SDL_DISKAUDIOFILEIN", tree.path("no_such_microphone.raw").toLocal8Bit().constData(), 1);
    ::setenv("SDL_DISKAUDIOFILE", tree.path("speaker.raw").toLocal8Bit().constData(), 1);
    SdlAudioEngine fmod;
    ASSERT_TRUE(fmod.init(22050, 64, 0));
    const int take = fmod.sample_alloc(22050);
    EXPECT_FALSE(fmod.record_start_sample(take));
    EXPECT_EQ(fmod.get_error(), FMOD_ERR_RECORD);
    EXPECT_EQ(fmod_error_text(fmod.get_error()), "Recording is not supported on this machine");
    EXPECT_EQ(fmod.record_get_position(), 0);
    fmod.close();
    ::unsetenv("SDL_DISKAUDIOFILEIN");
    ::unsetenv("SDL_DISKAUDIOFILE");
}
