#include "audio/sdl_audio_engine.h"
#include "audio_test_util.h"
#include "support/data_tree.h"

#include <QElapsedTimer>
#include <cmath>
#include <gtest/gtest.h>

using namespace ql;
using namespace ql::testing;

namespace {

class Engine : public ::testing::Test {
protected:
    void SetUp() override {
        use_audio_driver("dummy");
        ASSERT_TRUE(engine.open());
    }
    // The channel `path` plays on; 0 when it failed to load or play.
    int play(const QString& path) {
        const AudioResult<int> sound = engine.load_file(path);
        const AudioResult<int> channel = sound ? engine.play(*sound) : sound;
        return channel ? *channel : 0;
    }
    SdlAudioEngine engine;
    DataTree tree;
};

std::vector<int16_t> tone(int samples) {
    std::vector<int16_t> s(static_cast<size_t>(samples));
    for (size_t i = 0; i < s.size(); ++i) s[i] = int16_t(8000 * std::sin(double(i) * 0.1));
    return s;
}

}  // namespace

TEST_F(Engine, AChannelPlaysForTheLengthOfTheSoundAndThenStops) {
    const AudioResult<int> sound = engine.load_file(test_data("buenos_dias.mp3"));
    ASSERT_TRUE(sound) << audio_error_text(sound.error()).toStdString();
    QElapsedTimer clock;
    clock.start();
    const AudioResult<int> played = engine.play(*sound);
    ASSERT_TRUE(played);
    const int channel = *played;
    ASSERT_GE(channel, 1);
    ASSERT_LE(channel, 64);
    EXPECT_TRUE(engine.is_playing(channel));
    ASSERT_TRUE(eventually([&] { return !engine.is_playing(channel); }));
    // The dummy device consumes sound in real time: the channel cannot stop before the word is over.
    EXPECT_GE(clock.elapsed(), 950);
    EXPECT_EQ(engine.held_samples(), 0);
}

TEST_F(Engine, PlaysWavFilesAndTwoSoundsAtOnceOnDifferentChannels) {
    // Language and folder names may hold any letter.
    tree.write("español/niño.wav", wav_bytes(tone(22050)));
    const int a = play(tree.path("español/niño.wav"));
    const int b = play(test_data("buenos_dias.mp3"));
    ASSERT_NE(a, 0);
    ASSERT_NE(b, 0);
    EXPECT_NE(a, b);
    EXPECT_TRUE(engine.is_playing(a));
    EXPECT_TRUE(engine.is_playing(b));
    EXPECT_EQ(engine.held_samples(), 2);
}

TEST_F(Engine, LoadFailuresSayWhyInTheProgramsWords) {
    tree.write("words.mp3", "casa|house|00412\r\n");
    tree.write("empty.mp3", "");
    tree.write("broken.wav", QByteArray("RIFF\x10\x00\x00\x00WAVEjunkjunkjunkjunk", 24));
    tree.mkdir("folder.mp3");
    struct Case {
        QString path;
        AudioError error;
        const char* text;
    };
    const Case cases[] = {
        {tree.path("missing.mp3"), AudioError::FileNotFound, "File not found"},
        {QString(), AudioError::FileNotFound, "File not found"},
        {tree.path("folder.mp3"), AudioError::FileNotFound, "File not found"},
        {tree.path("words.mp3"), AudioError::UnknownFormat, "Unknown file format"},
        {tree.path("empty.mp3"), AudioError::UnknownFormat, "Unknown file format"},
        {tree.path("broken.wav"), AudioError::BadFile, "Error loading file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const AudioResult<int> sound = engine.load_file(c.path);
        ASSERT_FALSE(sound);
        EXPECT_EQ(sound.error(), c.error);
        EXPECT_EQ(audio_error_text(sound.error()), QString::fromLatin1(c.text));
    }
    EXPECT_EQ(engine.held_samples(), 0);
}

TEST(AudioErrors, EachErrorShowsTheTextUsersHaveAlwaysSeen) {
    const std::pair<AudioError, const char*> texts[] = {
        {AudioError::AlreadyOpen, "Cannot call this command after FSOUND_Init.  Call FSOUND_Close first."},
        {AudioError::NotOpen, "This command failed because FSOUND_Init was not called"},
        {AudioError::NoOutputDevice, "Error initializing output device."},
        {AudioError::DeviceInUse, "The output device is already in use and cannot be reused."},
        {AudioError::PlayFailed, "Playing the sound failed."},
        {AudioError::FileNotFound, "File not found"},
        {AudioError::UnknownFormat, "Unknown file format"},
        {AudioError::BadFile, "Error loading file"},
        {AudioError::OutOfMemory, "Not enough memory "},
        {AudioError::InvalidArgument, "An invalid parameter was passed to this function"},
        {AudioError::NoFreeChannel, "Failed to allocate a new channel"},
        {AudioError::RecordingUnsupported, "Recording is not supported on this machine"},
    };
    for (const auto& [error, text] : texts) EXPECT_EQ(audio_error_text(error), QString::fromLatin1(text));
    EXPECT_EQ(audio_failure_message(QStringLiteral("Record Stop Error:"), AudioError::RecordingUnsupported),
              QStringLiteral("Record Stop Error:\r\nRecording is not supported on this machine"));
}

TEST_F(Engine, WhenEveryChannelIsBusyThePlayFailsAndTheSoundIsGivenBack) {
    engine.close();
    ASSERT_TRUE(engine.open(2));
    const QString fox = test_data("quick_brown_fox.mp3");
    ASSERT_NE(play(fox), 0);
    ASSERT_NE(play(fox), 0);
    const AudioResult<int> third = engine.load_file(fox);
    ASSERT_TRUE(third);
    AudioResult<int> played = engine.play(*third);
    ASSERT_FALSE(played);
    EXPECT_EQ(played.error(), AudioError::NoFreeChannel);
    EXPECT_EQ(engine.held_samples(), 2);
    // A handle that was given back is not played by accident later.
    played = engine.play(*third);
    ASSERT_FALSE(played);
    EXPECT_EQ(played.error(), AudioError::InvalidArgument);
}

TEST_F(Engine, MemoryStaysFlatOverALongRunOfWords) {
    tree.write("click.wav", wav_bytes(tone(110)));
    int most_held = 0;
    for (int i = 0; i < 60; ++i) {
        const int channel = play(tree.path("click.wav"));
        ASSERT_NE(channel, 0) << i;
        most_held = std::max(most_held, engine.held_samples());
        ASSERT_TRUE(eventually([&] { return !engine.is_playing(channel); }));
    }
    EXPECT_LE(most_held, 2);
    EXPECT_EQ(engine.held_samples(), 0);
}

TEST_F(Engine, StopEndsASoundAtOnceAndGivesItBack) {
    const int fox = play(test_data("quick_brown_fox.mp3"));
    const int word = play(test_data("buenos_dias.mp3"));
    ASSERT_TRUE(engine.is_playing(fox));
    engine.stop(fox);
    EXPECT_FALSE(engine.is_playing(fox));
    EXPECT_TRUE(engine.is_playing(word));  // the other channel plays on
    EXPECT_EQ(engine.held_samples(), 1);
    // Stopping again, or a channel that never played, changes nothing.
    engine.stop(fox);
    engine.stop(64);
    engine.stop(0);
    engine.stop(65);
    EXPECT_EQ(engine.held_samples(), 1);
    // The channel is free for the next sound, which is released when it ends.
    const int next = play(test_data("buenos_dias.mp3"));
    ASSERT_NE(next, 0);
    EXPECT_EQ(engine.held_samples(), 2);
    ASSERT_TRUE(eventually([&] { return !engine.is_playing(next) && !engine.is_playing(word); }));
    EXPECT_EQ(engine.held_samples(), 0);
}

TEST_F(Engine, OnlyOneEngineOwnsTheDeviceAndOpeningTwiceIsRefused) {
    AudioResult<> again = engine.open();
    ASSERT_FALSE(again);
    EXPECT_EQ(again.error(), AudioError::AlreadyOpen);
    SdlAudioEngine second;
    again = second.open();
    ASSERT_FALSE(again);
    EXPECT_EQ(again.error(), AudioError::DeviceInUse);
    engine.close();
    EXPECT_TRUE(second.open());
}

TEST(EngineWithoutDevice, AFailedOpenLeavesEveryCallFailingCleanly) {
    use_audio_driver("no_such_driver");
    SdlAudioEngine engine;
    const AudioResult<> opened = engine.open();
    ASSERT_FALSE(opened);
    EXPECT_EQ(opened.error(), AudioError::NoOutputDevice);
    EXPECT_FALSE(engine.is_open());

    const auto not_open = [](const auto& result) { return !result && result.error() == AudioError::NotOpen; };
    EXPECT_TRUE(not_open(engine.load_file(test_data("buenos_dias.mp3"))));
    const std::vector<int16_t> pcm(100, 1);
    EXPECT_TRUE(not_open(engine.load_samples(pcm)));
    EXPECT_TRUE(not_open(engine.play(1)));
    EXPECT_FALSE(engine.is_playing(1));
    engine.stop(1);
    EXPECT_TRUE(not_open(engine.new_take(22050)));
    EXPECT_TRUE(not_open(engine.start_recording(1)));
    EXPECT_EQ(engine.recorded_samples(), 0);
    EXPECT_TRUE(not_open(engine.stop_recording()));
    EXPECT_TRUE(not_open(engine.take_samples(1, 2)));
    engine.free_take(1);
    engine.close();

    // Sound comes back once a device is there.
    use_audio_driver("dummy");
    EXPECT_TRUE(engine.open());
}

TEST_F(Engine, TakesAreZeroedBoundedAndNeverPlayed) {
    AudioResult<int> take = engine.new_take(0);
    ASSERT_FALSE(take);
    EXPECT_EQ(take.error(), AudioError::InvalidArgument);
    take = engine.new_take(SdlAudioEngine::kMaxAllocSamples + 1);
    ASSERT_FALSE(take);
    EXPECT_EQ(take.error(), AudioError::OutOfMemory);

    take = engine.new_take(1000);
    ASSERT_TRUE(take);
    const AudioResult<std::vector<int16_t>> samples = engine.take_samples(*take, 2000);
    ASSERT_TRUE(samples);
    EXPECT_EQ(*samples, std::vector<int16_t>(1000, 0));  // never more than the take holds
    EXPECT_EQ(engine.take_samples(*take, 0)->size(), 0u);
    EXPECT_EQ(engine.take_samples(*take, -2).error(), AudioError::InvalidArgument);
    EXPECT_EQ(engine.take_samples(*take + 1, 2).error(), AudioError::InvalidArgument);
    // A take is not a sound to play, and it is kept until it is freed.
    EXPECT_EQ(engine.play(*take).error(), AudioError::InvalidArgument);
    EXPECT_EQ(engine.held_samples(), 1);
    // A loaded sound is neither read back as a take nor freed as one.
    const AudioResult<int> sound = engine.load_file(test_data("buenos_dias.mp3"));
    ASSERT_TRUE(sound);
    EXPECT_EQ(engine.take_samples(*sound, 2).error(), AudioError::InvalidArgument);
    engine.free_take(*sound);
    EXPECT_EQ(engine.held_samples(), 2);
    engine.free_take(*take);
    EXPECT_EQ(engine.held_samples(), 1);
    // About 1.04 s of speech, and the decoder's padding to whole frames.
    EXPECT_GT(engine.sound_seconds(*sound), 1.0);
    EXPECT_LT(engine.sound_seconds(*sound), 1.15);
    EXPECT_EQ(engine.sound_seconds(*take), 0.0);
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
        ASSERT_TRUE(engine.open());
    }
    void TearDown() override {
        engine.close();
        ::unsetenv("SDL_DISKAUDIOFILEIN");
        ::unsetenv("SDL_DISKAUDIOFILE");
    }
    std::vector<int16_t> signal = std::vector<int16_t>(22050);
    DataTree tree;
    SdlAudioEngine engine;
};

}  // namespace

TEST_F(Recording, ATakeHoldsExactlyTheSamplesTheMicrophoneGave) {
    const AudioResult<int> take = engine.new_take(11025);
    ASSERT_TRUE(take);
    const AudioResult<> started = engine.start_recording(*take);
    ASSERT_TRUE(started) << audio_error_text(started.error()).toStdString();
    // Without looping the take ends when it is full.
    ASSERT_TRUE(eventually([&] { return engine.recorded_samples() == 11025; }));
    ASSERT_TRUE(engine.stop_recording());
    EXPECT_EQ(engine.recorded_samples(), 11025);
    const AudioResult<std::vector<int16_t>> got = engine.take_samples(*take, 11025);
    ASSERT_TRUE(got);
    EXPECT_EQ(*got, std::vector<int16_t>(signal.begin(), signal.begin() + 11025));
    engine.free_take(*take);
    EXPECT_EQ(engine.held_samples(), 0);
}

TEST_F(Recording, StoppingEarlyKeepsThePositionAndTheSamplesSoFar) {
    const AudioResult<int> take = engine.new_take(22050 * 10);
    ASSERT_TRUE(take);
    ASSERT_TRUE(engine.start_recording(*take));
    // Read while it records: what is there so far, nothing torn.
    ASSERT_TRUE(eventually([&] { return engine.recorded_samples() >= 1000; }));
    const AudioResult<std::vector<int16_t>> early = engine.take_samples(*take, 1000);
    ASSERT_TRUE(early);
    EXPECT_EQ(*early, std::vector<int16_t>(signal.begin(), signal.begin() + 1000));
    ASSERT_TRUE(eventually([&] { return engine.recorded_samples() >= 2000; }));
    ASSERT_TRUE(engine.stop_recording());
    const int pos = engine.recorded_samples();
    EXPECT_GE(pos, 2000);
    EXPECT_LT(pos, 22050 * 10);
    QThread::msleep(100);
    EXPECT_EQ(engine.recorded_samples(), pos);
    const AudioResult<std::vector<int16_t>> got = engine.take_samples(*take, pos);
    ASSERT_TRUE(got);
    ASSERT_EQ(got->size(), size_t(pos));
    const int compared = std::min(pos, int(signal.size()));
    EXPECT_TRUE(std::equal(got->begin(), got->begin() + compared, signal.begin()));
    // Freeing the take while it records stops the recording first.
    ASSERT_TRUE(engine.start_recording(*take));
    engine.free_take(*take);
    EXPECT_EQ(engine.held_samples(), 0);
    EXPECT_TRUE(engine.stop_recording());
}

TEST(RecordingWithoutMicrophone, StartFailsAsUnsupported) {
    DataTree tree;
    use_audio_driver("disk");
    ::setenv("SDL_DISKAUDIOFILEIN", tree.path("no_such_microphone.raw").toLocal8Bit().constData(), 1);
    ::setenv("SDL_DISKAUDIOFILE", tree.path("speaker.raw").toLocal8Bit().constData(), 1);
    SdlAudioEngine engine;
    ASSERT_TRUE(engine.open());
    const AudioResult<int> take = engine.new_take(22050);
    ASSERT_TRUE(take);
    const AudioResult<> started = engine.start_recording(*take);
    ASSERT_FALSE(started);
    EXPECT_EQ(started.error(), AudioError::RecordingUnsupported);
    EXPECT_EQ(engine.recorded_samples(), 0);
    engine.close();
    ::unsetenv("SDL_DISKAUDIOFILEIN");
    ::unsetenv("SDL_DISKAUDIOFILE");
}
