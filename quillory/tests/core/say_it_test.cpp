#include "core/audio_engine.h"
#include "core/mp3_encode.h"
#include "core/say_it/practice.h"
#include "core/say_it/pronunciation.h"
#include "core/text_file.h"
#include "core/workspace.h"
#include "support/data_tree.h"
#include "support/fake_audio.h"
#include "support/fake_clock.h"
#include "support/speech_synth.h"

#include <QDir>
#include <QFile>
#include <cmath>
#include <gtest/gtest.h>

using namespace ql;
using namespace ql::say_it;
using namespace ql::testing;

namespace {

constexpr int kRate = 22050;

Utterance of(const std::vector<int16_t>& pcm) { return analyse(pcm, kRate); }

QByteArray bytes_of(const std::vector<int16_t>& pcm) {
    return QByteArray(reinterpret_cast<const char*>(pcm.data()), qsizetype(pcm.size() * 2));
}

}  // namespace

TEST(SayIt, ConstructedSignalsScoreAsALearnerWouldExpect) {
    const auto word = synthesise(word_asimuo(), 1.0, 130.0, 0.2, 0.3);
    const Utterance reference = of(word);
    ASSERT_TRUE(reference.has_speech());

    const Comparison same = compare(reference, of(word));
    ASSERT_TRUE(same.score);
    EXPECT_EQ(*same.score, 100);
    EXPECT_EQ(same.verdict, "Very close");

    // Said slower or faster, with the silence around it of another length: still the same word.
    for (double stretch : {0.8, 0.9, 1.1, 1.25}) {
        const Comparison c = compare(reference, of(synthesise(word_asimuo(), stretch, 130.0, 0.05, 0.5)));
        ASSERT_TRUE(c.score) << stretch;
        EXPECT_GE(*c.score, 90) << "stretched " << stretch << ", distance " << c.distance;
    }
    // And with a higher voice (a shorter vocal tract, every formant up by a fifth, a higher pitch).
    auto higher = word_asimuo();
    for (SpeechSound& s : higher) s.f1 *= 1.2, s.f2 *= 1.2, s.f3 *= 1.2;
    const Comparison high = compare(reference, of(synthesise(higher, 1.0, 210.0)));
    ASSERT_TRUE(high.score);
    EXPECT_GE(*high.score, 85) << high.distance;

    const Comparison other = compare(reference, of(synthesise(word_efolai(), 1.0, 130.0)));
    ASSERT_TRUE(other.score);
    EXPECT_LT(*other.score, kCloseScore) << other.distance;
    EXPECT_EQ(other.verdict, "Try again");

    const Comparison noise = compare(reference, of(white_noise(0.7, 6000)));
    ASSERT_TRUE(noise.score);
    EXPECT_LT(*noise.score, 40) << noise.distance;
    EXPECT_EQ(noise.verdict, "Try again");

    // Silence, or a hiss far below speech, has nothing to compare: no number at all.
    for (const auto& quiet : {std::vector<int16_t>(size_t(kRate), 0), white_noise(1.0, 60)}) {
        const Comparison c = compare(reference, of(quiet));
        EXPECT_FALSE(c.score);
        EXPECT_EQ(c.no_score, NoScore::TakeSilent);
        EXPECT_TRUE(c.verdict.isEmpty());
    }
    const Comparison silent_ref = compare(of(std::vector<int16_t>(size_t(kRate), 0)), reference);
    EXPECT_FALSE(silent_ref.score);
    EXPECT_EQ(silent_ref.no_score, NoScore::ReferenceSilent);

    // More than twice as long cannot be lined up under the slope limit: it is no match, not a crash.
    const Comparison drawn_out = compare(reference, of(synthesise(word_asimuo(), 2.6)));
    EXPECT_FALSE(drawn_out.aligned);
    EXPECT_EQ(drawn_out.score, 0);
    EXPECT_EQ(drawn_out.verdict, "Try again");
}

TEST(SayIt, AlignmentPutsTheTakeOnTheReferenceTimeScale) {
    // The take starts 0.3 s later than the reference and is 1.25 times as slow.
    const double lead_ref = 0.1, lead_take = 0.4, stretch = 1.25;
    const Utterance reference = of(synthesise(word_asimuo(), 1.0, 130.0, lead_ref, 0.2));
    const Utterance take = of(synthesise(word_asimuo(), stretch, 130.0, lead_take, 0.2));
    const Comparison c = compare(reference, take);
    ASSERT_TRUE(c.aligned);
    const TimeMap& map = c.time_map;
    ASSERT_FALSE(map.points().empty());
    for (size_t k = 1; k < map.points().size(); ++k) {
        EXPECT_GT(map.points()[k].first, map.points()[k - 1].first);
        EXPECT_GE(map.points()[k].second, map.points()[k - 1].second);
    }
    // Sounds land where they belong: the start of each sound of the reference maps to the start of the
    // same sound in the take, within three frames.
    double at = 0;
    for (const SpeechSound& s : word_asimuo()) {
        const double ref_t = lead_ref + at + 0.02, want = lead_take + at * stretch + 0.02 * stretch;
        EXPECT_NEAR(map.take_seconds(ref_t), want, 0.035) << "sound starting at " << at;
        at += s.seconds;
    }
    // Outside the spoken stretch the two run side by side.
    const double first_ref = map.points().front().first, first_take = map.points().front().second;
    EXPECT_DOUBLE_EQ(map.take_seconds(first_ref - 0.05), first_take - 0.05);
}

TEST(SayIt, PitchContourFollowsTheVoice) {
    const Utterance u = of(synthesise(word_asimuo(), 1.0, 150.0, 0.2, 0.2));
    ASSERT_EQ(u.pitch_hz.size(), u.level_db.size());
    int voiced = 0;
    for (int k = u.speech_first; k <= u.speech_last; ++k) {
        if (u.pitch_hz[size_t(k)] <= 0) continue;
        ++voiced;
        // The synthesised pitch falls from 150 to 127.5 Hz over the word.
        EXPECT_GT(u.pitch_hz[size_t(k)], 120.0f) << k;
        EXPECT_LT(u.pitch_hz[size_t(k)], 160.0f) << k;
    }
    EXPECT_GT(voiced, (u.speech_last - u.speech_first + 1) / 2);
    // Nothing outside the spoken stretch is called voiced.
    for (int k = 0; k < u.speech_first; ++k) EXPECT_EQ(u.pitch_hz[size_t(k)], 0.0f);
}

TEST(SayIt, ScoreAnchorsAndWords) {
    const Calibration c{2.0, 3.0, 4.0};
    EXPECT_EQ(score_from_distance(0.0, c), 100);
    EXPECT_EQ(score_from_distance(2.0, c), 85);
    EXPECT_EQ(score_from_distance(3.0, c), 70);
    EXPECT_EQ(score_from_distance(4.0, c), 30);
    EXPECT_EQ(score_from_distance(5.0, c), 0);
    EXPECT_EQ(score_from_distance(50.0, c), 0);
    EXPECT_EQ(score_from_distance(std::nan(""), c), 0);
    // Just past an anchor is below it.
    EXPECT_EQ(score_from_distance(3.001, c), 69);
    int last = 101;
    for (double d = 0; d < 6; d += 0.01) {
        const int s = score_from_distance(d, c);
        EXPECT_LE(s, last) << d;
        last = s;
    }
    EXPECT_EQ(verdict_for(100), "Very close");
    EXPECT_EQ(verdict_for(85), "Very close");
    EXPECT_EQ(verdict_for(84), "Close");
    EXPECT_EQ(verdict_for(70), "Close");
    EXPECT_EQ(verdict_for(69), "Try again");
    EXPECT_EQ(verdict_for(0), "Try again");
}

TEST(SayIt, CaptureRecordsThroughTheEngineAndReportsAMissingMicrophone) {
    FakeClock pump;
    FakeAudio audio(&pump);
    CancelToken token;
    const auto word = synthesise(word_asimuo(), 1.0, 130.0, 0.2, 0.0);
    audio.microphone.assign(word.begin(), word.end());

    std::vector<double> left;
    const Capture c = pump.run(capture_take(audio, pump, token, 1.5, [&](double s) { left.push_back(s); }));
    ASSERT_EQ(c.status, Capture::Status::Recorded);
    EXPECT_EQ(audio.take_length, int(1.5 * kRate));
    EXPECT_EQ(audio.takes_freed, 1);
    // Polling stops at the same margin as a contributor's take.
    const qsizetype samples = c.take.size() / 2;
    EXPECT_GE(samples, int(1.5 * kRate) - 1300);
    EXPECT_LT(samples, int(1.5 * kRate) - 1300 + 300);
    EXPECT_EQ(c.take.left(qsizetype(word.size()) * 2), bytes_of(word));
    ASSERT_GE(left.size(), 2u);
    EXPECT_NEAR(left.front(), (1.5 * kRate - 1300) / kRate, 0.01);
    EXPECT_EQ(left.back(), 0.0);

    // Stopped half-way: what was recorded up to then.
    pump.after(0.5, [&] { token.set_playback(Playback::Stop); });
    const Capture early = pump.run(capture_take(audio, pump, token, 1.5));
    ASSERT_EQ(early.status, Capture::Status::Recorded);
    EXPECT_NEAR(double(early.take.size() / 2) / kRate, 0.5, 0.02);
    token.set_playback(Playback::Running);

    audio.fail_new_take = true;
    const Capture none = pump.run(capture_take(audio, pump, token, 1.5));
    EXPECT_EQ(none.status, Capture::Status::NoMicrophone);
    EXPECT_EQ(none.message, "No microphone was found\r\n" + audio_error_text(AudioError::OutOfMemory));
    EXPECT_TRUE(none.take.isEmpty());

    audio.fail_new_take = false;
    audio.fail_record_start = true;
    const Capture no_start = pump.run(capture_take(audio, pump, token, 1.5));
    EXPECT_EQ(no_start.status, Capture::Status::NoMicrophone);
    EXPECT_EQ(no_start.message, "No microphone was found\r\n" + audio_error_text(AudioError::RecordingUnsupported));
    EXPECT_EQ(audio.takes_freed, 3);  // every allocated sample is released, failed takes too
}

TEST(SayIt, TakeProblemsAreWordsNotNumbers) {
    const auto word = synthesise(word_asimuo(), 1.0, 130.0, 0.3, 0.5);
    EXPECT_EQ(take_problem(bytes_of(word), kRate), QString());
    EXPECT_EQ(take_problem(bytes_of(std::vector<int16_t>(size_t(2 * kRate), 0)), kRate),
              "Nothing was heard. Say the word when \"Speak\" shows.");
    auto loud = word;
    for (int16_t& s : loud) s = int16_t(std::clamp(int(s) * 8, -32768, 32767));
    EXPECT_EQ(take_problem(bytes_of(loud), kRate),
              "Your take was too loud and is clipped. Move back from the microphone or turn its level down, then try "
              "again.");
    auto soft = word;
    for (int16_t& s : soft) s = int16_t(s / 15);
    EXPECT_EQ(take_problem(bytes_of(soft), kRate),
              "Your take was too quiet to compare. Speak closer to the microphone or turn its level up, then try again.");

    // The take as compared is cut as a contributor's take is.
    const std::vector<int16_t> kept = trimmed_samples(bytes_of(word));
    EXPECT_LT(kept.size(), word.size() - size_t(0.6 * kRate));
    EXPECT_GT(kept.size(), size_t(0.5 * kRate));
}

TEST(SayIt, KeepMyTakeWritesAnMp3UnderTheStudentsTakes) {
    DataTree tree;
    const QString user = tree.path("users/ann/");
    const auto word = synthesise(word_asimuo(), 1.0, 130.0, 0.0, 0.0);
    QString error;
    ASSERT_TRUE(keep_take(user, "spanish", "03002", word, &error)) << qPrintable(error);
    const QString path = tree.path("users/ann/spanish/takes/03002.mp3");
    EXPECT_EQ(practice_take_path(user, "spanish", "03002"), path);
    // The file is the encoder's output byte for byte, and decodes to the take's length.
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), encode_mp3(word));
    const auto back = decode_recording(path);
    ASSERT_TRUE(back);
    EXPECT_NEAR(double(back->size()), double(word.size()), 0.1 * kRate);
    // Nothing is written into the language folder, and no temporary file is left beside the take.
    EXPECT_FALSE(tree.exists("languages"));
    EXPECT_EQ(QDir(tree.path("users/ann/spanish/takes")).entryList(QDir::Files), QStringList{"03002.mp3"});

    // Keeping the word again replaces the take.
    const auto other = synthesise(word_efolai());
    ASSERT_TRUE(keep_take(user, "spanish", "03002", other, &error));
    EXPECT_EQ(tree.read("users/ann/spanish/takes/03002.mp3"), encode_mp3(other));

    // A sound number from a damaged list cannot lead the file out of its folder.
    EXPECT_FALSE(keep_take(user, "spanish", "../../x", word, &error));
    EXPECT_EQ(error, "Your take could not be kept: the word's sound number \"../../x\" cannot name a file.");
    EXPECT_FALSE(tree.exists("users/x.mp3"));

    // A folder that cannot be made is told, naming it.
    tree.write("users/bob", "a file where the student folder should be");
    EXPECT_FALSE(keep_take(tree.path("users/bob/"), "spanish", "03002", word, &error));
    EXPECT_EQ(error, "Your take could not be kept: the folder " + tree.path("users/bob/spanish/takes") +
                         " could not be made.");
}

TEST(SayIt, RecordingsDecodeAndBrokenOnesSaySo) {
    DataTree tree;
    const auto word = synthesise(word_asimuo(), 1.0, 130.0, 0.1, 0.1);
    tree.write("languages/spanish/03/03002.mp3", encode_mp3(word));
    const auto pcm = decode_recording(tree.path("languages/spanish/03/03002.mp3"));
    ASSERT_TRUE(pcm);
    // The encoder's delay and padding add a little; the word is the same word.
    EXPECT_NEAR(double(pcm->size()), double(word.size()), 0.1 * kRate);
    // 32 kbit/s takes the top of the spectrum away; the word stays very close to itself.
    const Comparison c = compare(of(word), of(*pcm));
    ASSERT_TRUE(c.score);
    EXPECT_GE(*c.score, kVeryCloseScore);
    EXPECT_DOUBLE_EQ(take_seconds_for(*pcm, kRate), double(pcm->size()) / kRate + 1.0);

    QString error;
    EXPECT_FALSE(decode_recording(tree.path("languages/spanish/03/03009.mp3"), &error));
    EXPECT_EQ(error, "The recording " + tree.path("languages/spanish/03/03009.mp3") + " could not be read: there is no such file");
    tree.write("languages/spanish/03/03003.mp3", QByteArray(3000, 'x'));
    EXPECT_FALSE(decode_recording(tree.path("languages/spanish/03/03003.mp3"), &error));
    EXPECT_TRUE(error.startsWith("The recording " + tree.path("languages/spanish/03/03003.mp3") + " could not be read: "));
}

TEST(SayIt, AWordIsPractisedAgainstItsRecordingElseTheVoice) {
    DataTree tree;
    const Workspace w = with_student(workspace_of(tree.root()), "ann");
    const auto word = synthesise(word_asimuo(), 1.0, 130.0, 0.1, 0.1);
    tree.write("languages/spanish/03/03002.mp3", encode_mp3(word));
    int voice_asked = 0;
    const std::vector<int16_t> voiced(5000, 7);
    const VoiceSamples voice = [&]() -> std::optional<std::vector<int16_t>> {
        ++voice_asked;
        return voiced;
    };
    QString error = "left over";

    const auto recorded = practice_word(w, "spanish", "perro", "03002", voice, &error);
    ASSERT_TRUE(recorded);
    EXPECT_EQ(recorded->reference, *decode_recording(tree.path("languages/spanish/03/03002.mp3")));
    EXPECT_EQ(recorded->user_folder, tree.path("users/ann/"));
    EXPECT_EQ(recorded->word, "perro");
    EXPECT_EQ(voice_asked, 0);  // a recording is never replaced by the voice
    EXPECT_EQ(unavailable_reason(w, "spanish", "03002", false), QString());

    // No recording: the voice's word, when the voice is on.
    const auto spoken = practice_word(w, "spanish", "gato", "03009", voice, &error);
    ASSERT_TRUE(spoken);
    EXPECT_EQ(spoken->reference, voiced);
    EXPECT_EQ(unavailable_reason(w, "spanish", "03009", true), QString());
    EXPECT_EQ(unavailable_reason(w, "spanish", "03009", false), no_reference_reason("03009", false, false));
    EXPECT_FALSE(practice_word(w, "spanish", "gato", "03009", {}, &error));
    EXPECT_EQ(error, QString());
    EXPECT_FALSE(practice_word(w, "spanish", "gato", "", voice, &error));
    EXPECT_EQ(unavailable_reason(w, "spanish", "", true), no_reference_reason("", false, true));

    // A recording that cannot be read is told, and the voice does not stand in for it.
    tree.write("languages/spanish/03/03004.mp3", QByteArray(3000, 'x'));
    EXPECT_FALSE(practice_word(w, "spanish", "casa", "03004", voice, &error));
    EXPECT_TRUE(error.startsWith("The recording " + tree.path("languages/spanish/03/03004.mp3") + " could not be read: "))
        << error.toStdString();
    EXPECT_EQ(voice_asked, 1);
}

TEST(SayIt, PlayToEndWaitsForTheSoundAndReportsFailures) {
    FakeClock pump;
    FakeAudio audio(&pump);
    CancelToken token;
    const std::vector<int16_t> half_second(kRate / 2, 100);
    const double start = pump.now();
    EXPECT_EQ(pump.run(play_to_end(audio, pump, token, half_second)), QString());
    EXPECT_NEAR(pump.now() - start, 0.5, 0.011);
    EXPECT_EQ(audio.played, QStringList{"pcm:11025"});

    audio.fail_play = true;
    EXPECT_EQ(pump.run(play_to_end(audio, pump, token, half_second)),
              "An error occured playing the sample!\r\n" + audio_error_text(AudioError::PlayFailed));
}

TEST(SayIt, ALongPhraseIsComparedAtACoarserStep) {
    // 24 s of speech would need a table of 5.8 million cells; it is compared in bounded memory and
    // still lines up: the same phrase said a tenth slower scores as the same.
    std::vector<SpeechSound> phrase;
    for (int i = 0; i < 40; ++i) {
        const auto w = i % 2 ? word_efolai() : word_asimuo();
        phrase.insert(phrase.end(), w.begin(), w.end());
    }
    const Utterance reference = of(synthesise(phrase, 1.0, 130.0, 0.2, 0.2));
    const Utterance take = of(synthesise(phrase, 1.1, 130.0, 0.2, 0.2));
    ASSERT_GT(double(reference.features.size()) * double(take.features.size()), double(1 << 21));
    const Comparison c = compare(reference, take);
    ASSERT_TRUE(c.aligned);
    ASSERT_TRUE(c.score);
    EXPECT_GE(*c.score, 85) << c.distance;
    // The path runs from the first frames to the last of both, in frame numbers of the full sounds.
    EXPECT_NEAR(c.time_map.take_seconds(reference.speech_end_seconds() - 0.1), take.speech_end_seconds() - 0.11, 0.1);
}
