// The voice heard through the real audio engine.
#include "audio/espeak_voice.h"
#include "support/run_session.h"
#include "audio/sdl_audio_engine.h"
#include "audio_test_util.h"
#include "core/drill.h"
#include "core/drill_fixture.h"
#include "core/clock.h"
#include "core/spoken_words.h"

#include <gtest/gtest.h>

using ql::testing::RunPieces;

using namespace ql;
using namespace ql::testing;

TEST(VoiceThroughTheEngine, SamplesPlayForTheirLengthAndAreReleasedAfterwards) {
    use_audio_driver("dummy");
    SdlAudioEngine engine;
    ASSERT_TRUE(engine.open());
    std::vector<int16_t> pcm(22050 / 5, 3000);
    const AudioResult<int> nothing = engine.load_samples({});
    ASSERT_FALSE(nothing);
    EXPECT_EQ(nothing.error(), AudioError::InvalidArgument);
    const AudioResult<int> sound = engine.load_samples(pcm);
    ASSERT_TRUE(sound);
    const AudioResult<int> played = engine.play(*sound);
    ASSERT_TRUE(played);
    const int channel = *played;
    EXPECT_TRUE(engine.is_playing(channel));
    ASSERT_TRUE(eventually([&] { return !engine.is_playing(channel); }, 3.0));
    engine.is_playing(channel);
    EXPECT_EQ(engine.held_samples(), 0);
}

// A drill on a list none of whose words has a recording, heard through SDL's disk driver: with the
// voice on, the speaker gets the spoken words; the drill counts nothing as missing.
TEST(VoiceThroughTheEngine, ADrillOnAListWithoutRecordingsIsHeard) {
    DataTree tree;
    use_audio_driver("disk");
    ::setenv("SDL_DISKAUDIOFILE", tree.path("speaker.raw").toLocal8Bit().constData(), 1);
    SdlAudioEngine engine;
    ASSERT_TRUE(engine.open());
    EspeakVoice voice;

    RunPieces m;
    FakePrompter prompter;
    RecordingView view;
    tree.attach(m);
    m.prompter = &prompter;
    m.clock = &qt_clock();
    m.audio = &engine;
    m.voice = &voice;
    m.current_language = QStringLiteral("spanish");
    m.target_language = QStringLiteral("english");
    m.repeat_count = 1;
    m.bottom_mode = BottomMode::TranslationFirst;
    m.pause_seconds = 1.5f;
    tree.write_lines("users/ann/spanish/l-u.txt", {QStringLiteral("hola|hello|01000"), QStringLiteral("gato|cat|01001"),
                                                   QStringLiteral("perro|dog|01002")});
    for (int i = 0; i < 3; ++i) m.target_sound_numbers[size_t(1000 + i)] = QStringLiteral("0200%1").arg(i);
    m.unknown_file = tree.path("users/ann/spanish/l-u.txt");
    m.known_file = tree.path("users/ann/spanish/l-k.txt");
    m.shown_file = m.unknown_file;
    create_array_of_words(m, m.shown_file);

    auto sound_bytes = [&] {
        const QByteArray speaker = tree.read("speaker.raw");
        return speaker.size() - speaker.count('\0');
    };
    auto drill_one_word = [&] {
        view.draws = 0;
        view.on_draw = [&](int d) {
            if (d == 2) m.cancel.set_playback(Playback::Stop);
        };
        m.cancel.set_playback(Playback::Idle);
        auto d = std::make_shared<Drill>(m, m, m, m, DrillKind::Large, &view);
        run_session(m.clock, d->playwords());
    };

    // Off: today's silent drill.
    drill_one_word();
    EXPECT_EQ(sound_bytes(), 0);

    m.speak_missing_words = true;
    m.missing_sound_count = 0;
    drill_one_word();
    // The translation and the word, each some tenths of a second of speech in stereo 16-bit.
    EXPECT_GT(sound_bytes(), 4 * 22050 / 2);
    EXPECT_EQ(m.missing_sound_count, 0);
    EXPECT_TRUE(prompter.shown().empty()) << prompter.texts().join(u'\n').toStdString();
    engine.close();
    ::unsetenv("SDL_DISKAUDIOFILE");
}
