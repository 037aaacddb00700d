// Words without a recording spoken by the voice, while the student's toggle is on.
#include "drill_fixture.h"
#include "support/run_session.h"

#include "core/mp3_compile.h"
#include "core/mpeg_frames.h"
#include "core/spoken_words.h"
#include "core/voice_clips.h"
#include "support/fake_voice.h"

#include <QSettings>

using ql::testing::RunPieces;

using namespace ql;
using namespace ql::testing;

namespace {

class SpokenWords : public DrillTest {
protected:
    SpokenWords() {
        m.voice = &voice;
        m.voice_clips = &clips;
    }
    void speak_on() { m.speak_missing_words = true; }
    FakeVoice voice;
    VoiceClipCache clips{tree.path("cache/voice/")};
};

}  // namespace

TEST_F(SpokenWords, OffAWordWithoutRecordingStaysSilentAndCountsAsMissing) {
    load_list(2, false);
    run_session(m.clock, play_word_sound(m, m.on_show(), word_sound(0), m.current_language));
    EXPECT_TRUE(audio.played.isEmpty());
    EXPECT_TRUE(voice.spoken.isEmpty());
    EXPECT_EQ(m.missing_sound_count, 1);
}

TEST_F(SpokenWords, OnTheWordAndItsTranslationAreSpokenInTheirLanguagesVoicesAndNotMissing) {
    load_list(2, false);
    speak_on();
    m.pause_seconds = 1.5f;
    const double start = pump.now();
    run_session(m.clock, play_word_sound(m, m.on_show(), word_sound(1), m.current_language));
    run_session(m.clock, play_word_sound(m, m.on_show(), translation_sound(1), m.target_language));
    EXPECT_EQ(voice.spoken, (QStringList{"es:w1", "en-gb:t1"}));
    // Two characters at 0.1 s each: played through the engine and waited for like a recording.
    EXPECT_EQ(audio.played, (QStringList{"pcm:4410", "pcm:4410"}));
    EXPECT_NEAR(pump.now() - start, 2 * (0.2 + 1.5), 0.05);
    EXPECT_EQ(m.missing_sound_count, 0);
    EXPECT_EQ(main_view.sound_file_texts.last(), "File # " + translation_sound(1));
    EXPECT_TRUE(prompter.shown().empty());

    // A recording that exists is still the one played.
    tree.write("languages/spanish/01/01000.mp3", "W");
    run_session(m.clock, play_word_sound(m, m.on_show(), word_sound(0), m.current_language));
    EXPECT_EQ(audio.played.last(), tree.path("languages/spanish/01/01000.mp3"));
    EXPECT_EQ(voice.spoken.size(), 2);
}

TEST_F(SpokenWords, StopAndSkipActOnASpokenWordAsOnARecording) {
    load_list(1, false);
    speak_on();
    m.pause_seconds = 2.0f;
    m.cancel.set_skip(true);
    const double start = pump.now();
    run_session(m.clock, play_word_sound(m, m.on_show(), word_sound(0), m.current_language));
    // Heard to its end, then no pause.
    EXPECT_NEAR(pump.now() - start, 0.2, 0.02);
    m.cancel.set_skip(false);
    m.cancel.set_playback(Playback::Stop);
    run_session(m.clock, play_word_sound(m, m.on_show(), word_sound(0), m.current_language));
    EXPECT_EQ(audio.played.size(), 2);
    m.sound_suppression = SoundSuppression::On;
    m.cancel.set_playback(Playback::Idle);
    run_session(m.clock, play_word_sound(m, m.on_show(), word_sound(0), m.current_language));
    EXPECT_EQ(audio.played.size(), 2);
}

TEST_F(SpokenWords, AFailingVoiceIsReportedOnceThenWordsAreMissingAsBefore) {
    load_list(2, false);
    speak_on();
    voice.failing_voices << QStringLiteral("es");
    run_session(m.clock, play_word_sound(m, m.on_show(), word_sound(0), m.current_language));
    run_session(m.clock, play_word_sound(m, m.on_show(), word_sound(1), m.current_language));
    ASSERT_EQ(prompter.messages().size(), 1);
    EXPECT_TRUE(prompter.messages()[0].startsWith(QStringLiteral("Words that have no recording cannot be spoken:")));
    EXPECT_TRUE(audio.played.isEmpty());
    EXPECT_EQ(m.missing_sound_count, 2);

    // An engine without data: no voice can be chosen; told once as well.
    FakeVoice dead;
    dead.fail_start = true;
    m.voice = &dead;
    m.voice_failure_shown = false;
    run_session(m.clock, play_word_sound(m, m.on_show(), translation_sound(0), m.target_language));
    run_session(m.clock, play_word_sound(m, m.on_show(), translation_sound(1), m.target_language));
    EXPECT_EQ(prompter.messages().size(), 2);
    EXPECT_EQ(m.missing_sound_count, 4);
}

TEST_F(SpokenWords, ALanguageWithoutAVoiceOrAnEntryWithoutTextStaysSilentWithoutAMessage) {
    load_list(1, false);
    speak_on();
    m.current_language = QStringLiteral("klingon");
    run_session(m.clock, play_word_sound(m, m.on_show(), word_sound(0), m.current_language));
    m.current_language = QStringLiteral("spanish");
    run_session(m.clock, play_word_sound(m, m.on_show(), QStringLiteral("05555"), m.current_language));
    EXPECT_TRUE(audio.played.isEmpty());
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_EQ(m.missing_sound_count, 2);
}

TEST_F(SpokenWords, TheRecordAndEditWindowsWordsAreFoundInTheListFile) {
    tree.write_lines("languages/spanish/l.txt", {QStringLiteral("nuevo|new|70001")});
    m.list_file = tree.path("languages/spanish/l.txt");
    speak_on();
    run_session(m.clock, play_word_sound(m, m.on_show(), QStringLiteral("70001"), m.current_language, {.include_new_recordings = true}));
    EXPECT_EQ(voice.spoken, QStringList{"es:nuevo"});
}

TEST_F(SpokenWords, ACompilingDrillWritesSpokenClipsForWordsWithoutRecordings) {
    load_list(1, false);
    speak_on();
    m.mp3.words_pending = 1;
    m.mp3.silence_clips = 1;
    run_session(m.clock, play_word_sound(m, m.on_show(), word_sound(0), m.current_language));
    const QByteArray out = tree.read("out_file.mp3");
    const auto clip = clips.clip(QStringLiteral("spanish"), QStringLiteral("es"), QStringLiteral("w0"), voice);
    ASSERT_TRUE(clip);
    EXPECT_EQ(out, *clip + "\r\nSIL\r\n");
    EXPECT_TRUE(audio.played.isEmpty());
    EXPECT_EQ(m.missing_sound_count, 0);
}

TEST_F(SpokenWords, WordBlocksOfAListWithoutRecordingsPlayTheSpokenEntriesWithTheirCaptions) {
    load_list(3, false);
    tree.write("silence.mp3", QByteArray());
    tree.write("beep.mp3", QByteArray());
    speak_on();
    const auto result = run_session(m.clock, write_word_blocks(m, m.on_show(), 2, 0));
    EXPECT_EQ(result.files_completed, 1);
    const QByteArray block = tree.read("100words1.mp3");
    // Per entry two repeats of translation and word, each a clip of two characters.
    const auto one = clips.clip(QStringLiteral("spanish"), QStringLiteral("es"), QStringLiteral("w0"), voice);
    ASSERT_TRUE(one);
    EXPECT_GE(mpeg_play_length(*one).seconds, 0.2);
    EXPECT_NEAR(mpeg_play_length(block).seconds, 3 * 2 * 2 * mpeg_play_length(*one).seconds, 0.01);
    const QString lrc = QString::fromUtf8(tree.read("100words1.lrc"));
    EXPECT_TRUE(lrc.contains(QStringLiteral("w0 - t0")) && lrc.contains(QStringLiteral("w2 - t2"))) << lrc.toStdString();
    // Each text synthesised once for the run, and the second run takes every clip from the cache.
    EXPECT_EQ(voice.spoken.size(), 6);
    run_session(m.clock, write_word_blocks(m, m.on_show(), 2, 0));
    EXPECT_EQ(voice.spoken.size(), 6);
    EXPECT_EQ(tree.read("100words1.mp3"), block);
    EXPECT_FALSE(QDir(tree.path("languages")).entryList(QStringList{"*.mp3"}, QDir::Files).size());

    // Off: nothing but the beeps, as before.
    m.speak_missing_words = false;
    run_session(m.clock, write_word_blocks(m, m.on_show(), 2, 0));
    EXPECT_FALSE(tree.exists("100words1.mp3") && mpeg_play_length(tree.read("100words1.mp3")).frames > 0);
}

TEST_F(SpokenWords, TheToggleIsRememberedPerStudentAndOffByDefault) {
    EXPECT_FALSE(load_speak_missing_words(m));
    ASSERT_TRUE(save_speak_missing_words(m, true));
    EXPECT_TRUE(load_speak_missing_words(m));
    EXPECT_TRUE(QSettings(tree.path("users/ann/settings.ini"), QSettings::IniFormat)
                    .value(QStringLiteral("voice/speak_words_without_recording")).toBool());
    RunPieces other;
    tree.attach(other, QStringLiteral("bob"));
    EXPECT_FALSE(load_speak_missing_words(other));
}

TEST_F(SpokenWords, ACompilingDrillCaptionsItsSpokenWords) {
    load_list(3, false);
    speak_on();
    m.repeat_count = 1;
    m.bottom_mode = BottomMode::WordOnly;
    m.pause_seconds = 0.4f;
    auto d = drill();
    prompter.answer_input("2");
    d->create_mp3();
    stop_at_draw(3);
    run_session(m.clock, d->playwords());
    ASSERT_EQ(drawn.size(), 3u);
    const QStringList lines = QString::fromUtf8(tree.read("out_file.lrc")).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("w%1 - t%1").arg(drawn[0]))) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].endsWith(QStringLiteral("w%1 - t%1").arg(drawn[1]))) << lines[1].toStdString();
    EXPECT_GT(mpeg_play_length(tree.read("out_file.mp3")).frames, 0);
}

// A whole-list compilation with a voice that cannot speak says how many words it left out and why,
// instead of counting a file of beeps as done.
TEST_F(SpokenWords, WordBlocksSayHowManyWordsTheFailingVoiceLeftOut) {
    load_list(3, false);
    speak_on();
    voice.fail_start = true;
    prompter.answer_ok();
    prompter.answer_input("1");
    prompter.answer_input("0");
    run_session(m.clock, drill()->auto_mp3());
    const QString error = QStringLiteral("The speech engine could not start: no data.");
    EXPECT_EQ(prompter.messages(),
              (QStringList{voice_failure_text(error),
                           "1 files have been completed.\r\n3 words were left out: they have no recording and the voice "
                           "could not speak them.\r\n" + error}));
}
