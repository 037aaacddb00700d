#include "audio/qlfmod.h"
#include "audio_test_util.h"
#include "core/event_pump.h"
#include "core/new_recordings.h"
#include "core/qlmod.h"
#include "core/recording.h"
#include "core/silence_trim.h"
#include "support/data_tree.h"
#include "support/fake_prompter.h"
#include "support/recording_oracle.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace ql;
using namespace ql::testing;

namespace {

// The spoken word of tests/data/palabra.wav (espeak-ng, 22050 Hz mono 16-bit) after a quarter
// second of silence, followed by silence to two seconds: what the microphone hears in a take.
QByteArray spoken_word_pcm() {
    const QByteArray wav = read_file(test_data("palabra.wav"));
    const qsizetype data = wav.indexOf("data");
    if (data < 0) return {};
    QByteArray pcm = QByteArray(2 * 5512, '\0') + wav.mid(data + 8);
    pcm += QByteArray(2 * 44100 - pcm.size(), '\0');
    return pcm;
}

}  // namespace

// The real capture path: SDL's disk driver reads the file named by SDL_DISKAUDIOFILEIN as the microphone.
TEST(TakeCapture, ASpokenWordTakeIsStoredTrimmedAndPlaysWithoutLeftovers) {
    DataTree tree;
    const QByteArray mic = spoken_word_pcm();
    ASSERT_EQ(mic.size(), 88200);
    tree.write("mic.raw", mic);
    // ctest starts every test with the dummy driver; SDL reads these when its audio starts.
    use_audio_driver("disk");
    ::setenv("SDL_DISKAUDIOFILEIN", tree.path("mic.raw").toLocal8Bit().constData(), 1);
    ::setenv("SDL_DISKAUDIOFILE", tree.path("speaker.raw").toLocal8Bit().constData(), 1);

    Qlfmod fmod;
    ASSERT_TRUE(fmod.init(22050, 64, 0)) << fmod_error_text(fmod.get_error()).toStdString();
    Qlmod m;
    FakePrompter prompter;
    tree.attach(m);
    m.current_language = QStringLiteral("spanish");
    m.audio = &fmod;
    m.pump = &qt_event_pump();
    m.prompter = &prompter;

    const QString path = prepare_new_recording(m, QStringLiteral("70100"));
    ASSERT_EQ(record_sound(m, path, kTakeRate, 1.4f, kTakeChannels, kTakeBytesPerSample, false), TakeResult::Stored)
        << prompter.texts().join(u'\n').toStdString();
    EXPECT_TRUE(prompter.shown().empty()) << prompter.texts().join(u'\n').toStdString();

    const QByteArray stored = read_file(path);
    const QByteArray plain = openssl_decipher_recording(stored);
    // The word ends well before the take does, so where exactly polling stopped does not matter.
    const QByteArray expected = trim_silence(mic.left(2 * 30869));
    EXPECT_GT(expected.size(), 2 * 4410);  // the word is there, not just two samples
    EXPECT_EQ(plain, expected);
    EXPECT_GE(stored.size() - plain.size(), 1);
    EXPECT_LE(stored.size() - plain.size(), 8);
    ASSERT_TRUE(decipher_sound_file(path, tree.path("plain.raw")).ok());
    EXPECT_EQ(read_file(tree.path("plain.raw")), plain);

    // Heard at once: deciphered to a WAV, played, and nothing but the recording stays on disk.
    attach_new_recording_player(m);
    m.include_new_recordings = true;
    m.pause_seconds = 1.5f;  // waits for the end of the sound
    play_word_sound(m, QStringLiteral("70100"), m.current_language);
    EXPECT_TRUE(prompter.shown().empty()) << prompter.texts().join(u'\n').toStdString();
    EXPECT_EQ(QDir(tree.path("languages/spanish/new_str/70")).entryList(QDir::Files),
              QStringList{QStringLiteral("70100.str")});
    fmod.close();
}
