#include "core/audio_engine.h"
#include "core/korvex_binding.h"
#include "core/new_recordings.h"
#include "support/run_pieces.h"
#include "core/recording.h"
#include "core/silence_trim.h"
#include "core/wav_header.h"
#include "support/data_tree.h"
#include "support/fake_audio.h"
#include "support/fake_prompter.h"
#include "support/fake_clock.h"
#include "support/run_session.h"
#include "support/recording_oracle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <cmath>

using ql::testing::RunPieces;

using namespace ql;
using namespace ql::testing;

namespace {

// Half a second of a vowel-like tone between stretches of faint hiss, long enough for any take.
std::vector<short> voice(double seconds = 31.0) {
    std::vector<short> s(size_t(seconds * 22050));
    for (size_t k = 0; k < s.size(); ++k) {
        const double t = double(k) / 22050.0;
        const double hiss = double(int(k * 7919 % 5)) - 2.0;
        const double tone = (t > 0.25 && t < 0.75) ? 9000.0 * std::sin(2 * M_PI * 220 * t) : 0.0;
        s[k] = short(std::lround(tone + hiss));
    }
    return s;
}

struct Rig {
    DataTree tree;
    RunPieces m;
    FakeClock pump;
    FakeAudio audio{&pump};
    FakePrompter prompter;
    Rig() {
        tree.attach(m);
        m.current_language = QStringLiteral("spanish");
        m.clock = &pump;
        m.audio = &audio;
        m.prompter = &prompter;
        audio.microphone = voice();
    }
    QString folder() const { return tree.path("languages/spanish/new_str/70/"); }
    QStringList files() const { return QDir(folder()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot); }
};

// Samples recorded up to the stop, found from an untrimmed take of the same length.
int recorded_samples(const QByteArray& plain) { return int(plain.size() / 2); }

}  // namespace

TEST(Take, LengthComesFromTheSinglePrecisionSeconds) {
    EXPECT_EQ(take_length_samples(22050, 1.4f), 30869);
    EXPECT_EQ(take_length_samples(22050, 1.8f), 39689);
    EXPECT_EQ(take_length_samples(22050, 0.8f), 17640);
    EXPECT_EQ(take_length_samples(22050, 1.2f), 26460);
    EXPECT_EQ(take_length_samples(22050, 2.0f), 44100);
    EXPECT_EQ(take_length_samples(22050, 30.0f), 661500);
}

TEST(Take, StoresTheWholeTakeOrItsTrimmedSamplesEnciphered) {
    Rig r;
    const QString path = prepare_new_recording(r.m, r.m, QStringLiteral("70012"));
    EXPECT_EQ(path, r.tree.path("languages/spanish/new_str/70/70012.str"));

    // Whole take: polling stops at the first position of at least 30869 - 1300.
    ASSERT_EQ(run_session(r.m.clock, record_sound(r.m, r.m.cancel, path, 22050, 1.4f, 1, 2, true)), TakeResult::Stored);
    EXPECT_EQ(r.audio.take_length, 30869);
    const QByteArray stored_whole = read_file(path);
    const QByteArray whole = openssl_decipher_recording(stored_whole);
    const int p = recorded_samples(whole);
    EXPECT_GE(p, 29569);
    EXPECT_LT(p, 29569 + 221);  // one 0.01 s poll later at most
    EXPECT_EQ(whole, pcm_bytes(r.audio.microphone, size_t(p)));

    // Recording the word again replaces it, trimmed this time.
    ASSERT_EQ(run_session(r.m.clock, record_sound(r.m, r.m.cancel, prepare_new_recording(r.m, r.m, QStringLiteral("70012")), 22050, 1.4f, 1, 2, false)),
              TakeResult::Stored);
    const QByteArray stored = read_file(path);
    const QByteArray plain = openssl_decipher_recording(stored);
    EXPECT_EQ(plain, trim_silence(pcm_bytes(r.audio.microphone, size_t(p))));
    EXPECT_LT(plain.size(), whole.size() / 2);  // the tone is half a second of 1.34
    EXPECT_GE(stored.size() - plain.size(), 1);
    EXPECT_LE(stored.size() - plain.size(), 8);
    // The program's own decipher agrees with OpenSSL.
    ASSERT_TRUE(decipher_sound_file(path, r.tree.path("plain.bin")).ok());
    EXPECT_EQ(read_file(r.tree.path("plain.bin")), plain);

    EXPECT_EQ(r.files(), QStringList{QStringLiteral("70012.str")});  // no .tmp stays
    EXPECT_TRUE(r.prompter.shown().empty());
    EXPECT_EQ(r.audio.takes_freed, 2);
}

TEST(Take, TwoSecondsStopAtTheMarginAndStopEndsATakeEarly) {
    Rig r;
    const QString path = prepare_new_recording(r.m, r.m, QStringLiteral("70001"));
    ASSERT_EQ(run_session(r.m.clock, record_sound(r.m, r.m.cancel, path, 22050, 2.0f, 1, 2, true)), TakeResult::Stored);
    EXPECT_EQ(r.audio.take_length, 44100);
    int p = recorded_samples(openssl_decipher_recording(read_file(path)));
    EXPECT_GE(p, 42800);
    EXPECT_LT(p, 42800 + 221);

    // An unlimited take stopped after three seconds is still stored.
    r.pump.after(3.0, [&] { r.m.cancel.set_playback(Playback::Stop); });
    ASSERT_EQ(run_session(r.m.clock, record_sound(r.m, r.m.cancel, prepare_new_recording(r.m, r.m, QStringLiteral("70001")), 22050, 30.0f, 1, 2, true)),
              TakeResult::Stored);
    EXPECT_EQ(r.audio.take_length, 661500);
    p = recorded_samples(openssl_decipher_recording(read_file(path)));
    EXPECT_NEAR(p, 3 * 22050, 221);
}

TEST(Take, AStopBeforeFourBytesWritesNothing) {
    Rig r;
    r.m.cancel.set_playback(Playback::Stop);
    const QString path = prepare_new_recording(r.m, r.m, QStringLiteral("70002"));
    EXPECT_EQ(run_session(r.m.clock, record_sound(r.m, r.m.cancel, path, 22050, 1.4f, 1, 2, false)), TakeResult::TooShort);
    EXPECT_TRUE(r.files().isEmpty());
    EXPECT_TRUE(r.prompter.shown().empty());
    EXPECT_EQ(r.audio.takes_freed, 1);
}

TEST(Take, EachFailedAudioStepIsReportedAndLeavesNoFile) {
    struct Case {
        bool FakeAudio::*flag;
        QString message;
        int freed;
    };
    const Case cases[] = {
        {&FakeAudio::fail_new_take, QStringLiteral("Sample Alloc Error:\r\nNot enough memory "), 0},
        {&FakeAudio::fail_record_start, QStringLiteral("Record StartSample Error:\r\nRecording is not supported on this machine"), 1},
        {&FakeAudio::fail_record_stop, QStringLiteral("Record Stop Error:\r\nRecording is not supported on this machine"), 1},
        {&FakeAudio::fail_take_samples,
         QStringLiteral("Sample Lock Error:\r\nAn invalid parameter was passed to this function"), 1},
    };
    for (const Case& c : cases) {
        Rig r;
        // An old recording of the word is gone before the take starts, so a failure leaves none.
        r.tree.write("languages/spanish/new_str/70/70003.str", QByteArray(16, 'x'));
        r.audio.*c.flag = true;
        const QString path = prepare_new_recording(r.m, r.m, QStringLiteral("70003"));
        EXPECT_EQ(run_session(r.m.clock, record_sound(r.m, r.m.cancel, path, 22050, 0.8f, 1, 2, false)), TakeResult::Failed) << c.message.toStdString();
        EXPECT_EQ(r.prompter.messages(), QStringList{c.message});
        EXPECT_TRUE(r.files().isEmpty()) << c.message.toStdString();
        EXPECT_EQ(r.audio.takes_freed, c.freed) << c.message.toStdString();
    }
}

TEST(Take, AFailedEncipherKeepsTheRawTakeAndSaysWhere) {
    Rig r;
    const QString path = prepare_new_recording(r.m, r.m, QStringLiteral("70004"));
    r.tree.mkdir("languages/spanish/new_str/70/70004.str");  // the library cannot create its output
    const QByteArray take = pcm_bytes(r.audio.microphone, 22050);
    EXPECT_EQ(store_take(r.m.prompter, path, take, false), TakeResult::CipherFailed);
    const QString kept = r.tree.path("languages/spanish/new_str/70/70004.raw");
    EXPECT_EQ(read_file(kept), trim_silence(take));
    ASSERT_EQ(r.prompter.messages().size(), 1);
    const QString msg = r.prompter.messages().first();
    EXPECT_TRUE(msg.contains(kept)) << msg.toStdString();
    EXPECT_TRUE(msg.contains(QStringLiteral("error 2"))) << msg.toStdString();
    EXPECT_FALSE(QFile::exists(raw_take_path(path)));
}

TEST(NewRecordingPlayback, PlaysAWavMadeFromTheRecordingAndRemovesIt) {
    Rig r;
    // A folder name holding ".str" must not disturb the working file names.
    r.m.languages_folder = r.tree.path("my.stress/languages/");
    attach_new_recording_player(r.m, r.m);
    const QString folder = r.m.languages_folder + QStringLiteral("spanish/new_str/70/");
    QDir().mkpath(folder);
    const QByteArray plain = pcm_bytes(r.audio.microphone, 1001);  // odd sizes pad too
    r.tree.write("my.stress/languages/spanish/new_str/70/70005.str", openssl_sound_cipher(plain + QByteArray(6, '\x06'), true));

    const QString wav = decipher_to_wav(r.m.prompter, folder + QStringLiteral("70005.str"));
    EXPECT_EQ(wav, folder + QStringLiteral("70005.wav"));
    EXPECT_EQ(read_file(wav), wav_header(2002) + plain);
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("70005.tmp")));
    QFile::remove(wav);

    r.m.pause_seconds = 2.0f;
    run_session(r.m.clock, play_word_sound(r.m, r.m.on_show(), QStringLiteral("70005"), QStringLiteral("spanish"), {.include_new_recordings = true}));
    EXPECT_EQ(r.audio.played, QStringList{folder + QStringLiteral("70005.wav")});
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("70005.str")});
    EXPECT_TRUE(r.prompter.shown().empty());
}

TEST(NewRecordingPlayback, ADamagedRecordingEndsThePlayQuietly) {
    Rig r;
    attach_new_recording_player(r.m, r.m);
    r.m.pause_seconds = 2.0f;
    const QString folder = r.folder();
    // Shorter than a block; empty; a block whose padding byte deciphers to 32.
    r.tree.write("languages/spanish/new_str/70/70006.str", QByteArray("\x01\x02\x03\x04\x05", 5));
    r.tree.write("languages/spanish/new_str/70/70007.str", QByteArray());
    r.tree.write("languages/spanish/new_str/70/70008.str", openssl_sound_cipher(QByteArray(8, ' '), true));
    for (const char* n : {"70006", "70007", "70008"}) {
        EXPECT_TRUE(decipher_to_wav(r.m.prompter, folder + QLatin1String(n) + QStringLiteral(".str")).isEmpty()) << n;
        run_session(r.m.clock, play_word_sound(r.m, r.m.on_show(), QLatin1String(n), QStringLiteral("spanish"), {.include_new_recordings = true}));
    }
    EXPECT_TRUE(r.audio.played.isEmpty());
    EXPECT_TRUE(r.prompter.shown().empty());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files),
              (QStringList{QStringLiteral("70006.str"), QStringLiteral("70007.str"), QStringLiteral("70008.str")}));
}

TEST(Take, AMissingCipherLibraryIsReportedAndTheTakeKept) {
    Rig r;
    set_korvex_library_path(r.tree.path("nowhere/libkorvex.so.1"));
    const QString path = prepare_new_recording(r.m, r.m, QStringLiteral("70009"));
    const TakeResult result = run_session(r.m.clock, record_sound(r.m, r.m.cancel, path, 22050, 1.2f, 1, 2, true));
    const QStringList shown = r.prompter.messages();

    // Playing an existing recording without the library says so too, and leaves nothing behind.
    r.tree.write("languages/spanish/new_str/70/70010.str", QByteArray(16, 'x'));
    attach_new_recording_player(r.m, r.m);
    r.prompter.clear();
    run_session(r.m.clock, play_word_sound(r.m, r.m.on_show(), QStringLiteral("70010"), QStringLiteral("spanish"), {.include_new_recordings = true}));
    const QStringList on_play = r.prompter.messages();
    set_korvex_library_path(QString());

    EXPECT_EQ(result, TakeResult::CipherFailed);
    const QString kept = r.tree.path("languages/spanish/new_str/70/70009.raw");
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("The recording could not be stored as ") + path)) << shown[0].toStdString();
    EXPECT_TRUE(shown[0].contains(QStringLiteral("The cipher library could not be loaded"))) << shown[0].toStdString();
    EXPECT_TRUE(shown[0].endsWith(QStringLiteral("The recorded sound is kept, not enciphered, in ") + kept + u'.'));
    EXPECT_GE(QFileInfo(kept).size(), 2 * (26460 - 1300));
    ASSERT_EQ(on_play.size(), 1);
    EXPECT_TRUE(on_play[0].contains(QStringLiteral("The cipher library could not be loaded")));
    EXPECT_TRUE(r.audio.played.isEmpty());
    EXPECT_EQ(QDir(r.folder()).entryList(QDir::Files), (QStringList{QStringLiteral("70009.raw"), QStringLiteral("70010.str")}));
}
