#include "core/mp3_encode.h"
#include "core/review_mp3.h"
#include "core/text_file.h"
#include "support/data_tree.h"
#include "support/sound_maker.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <gtest/gtest.h>

#include <cerrno>
#include <cmath>

using namespace ql;
using namespace ql::testing;

namespace {

const QString kCasa = QStringLiteral("casa|house|00412");
const QString kNino = QStringLiteral("niño|child|00413");
const QString kPerro = QStringLiteral("perro|dog|00414");  // due tomorrow
const QString kGato = QStringLiteral("gato|cat|00415");     // due, but nothing to hear
const QString kLibro = QStringLiteral("libro|book|70001");  // only a new recording

class ReviewMp3Test : public ::testing::Test {
protected:
    void SetUp() override {
        word_ = test_data_file("buenos_dias.mp3");
        translation_ = test_data_file("quick_brown_fox.mp3");
        silence_ = encode_mp3(std::vector<int16_t>(4410, 0));
        ASSERT_FALSE(word_.isEmpty() || translation_.isEmpty() || silence_.isEmpty());
        tree.write("languages/spanish/00/00412.mp3", word_);
        tree.write("languages/spanish/00/00413.mp3", word_);
        tree.write("languages/spanish/00/00414.mp3", word_);
        tree.write("languages/english/00/00901.mp3", translation_);
        tree.write_lines("users/ann/spanish/colors-k.txt", {kCasa, kNino, kPerro, kGato});
        // Overdue first (the longest waiting leads), then today's; perro waits until tomorrow.
        tree.write_lines("users/ann/spanish/review.txt",
                         {"colors\t00412\t" + kCasa + "\t2\t2026-03-02\t2026-02-27",
                          "colors\t00413\t" + kNino + "\t1\t2026-02-20\t",
                          "colors\t00414\t" + kPerro + "\t1\t2026-03-03\t",
                          "colors\t00415\t" + kGato + "\t1\t2026-03-01\t"});
        sources.languages_folder = tree.path("languages/");
        sources.language = "spanish";
        sources.target_language = "english";
        // Only casa's translation is recorded.
        sources.translation_sound = [](const QString& s) { return s == "00412" ? QStringLiteral("00901") : QString(); };
        sources.silence = silence_;
        sources.repeats = 2;
        sources.silence_clips = 2;
    }
    QString folder() const { return tree.path("users/ann/spanish/"); }

    DataTree tree;
    QByteArray word_, translation_, silence_;
    ReviewClipSources sources;
    const QDate today{2026, 3, 2};
};

QByteArray joined(const QList<QByteArray>& clips) {
    QByteArray out;
    for (const QByteArray& c : clips) out += c + "\r\n";
    return out;
}

qint64 decoded_samples(const QList<QByteArray>& clips) {
    qint64 n = 0;
    for (const QByteArray& c : clips) n += decode_mp3(c).samples;
    return n;
}

QStringList file_lines(const DataTree& tree, const QString& rel) {
    return QString::fromUtf8(tree.read(rel)).split("\r\n", Qt::SkipEmptyParts);
}

}  // namespace

TEST_F(ReviewMp3Test, NaturalSpeedJoinsTheDueWordsByteForByteAndLeavesTheScheduleAlone) {
    const QByteArray schedule = tree.read("users/ann/spanish/review.txt");
    const QByteArray known = tree.read("users/ann/spanish/colors-k.txt");

    const ReviewMp3Outcome out = write_review_mp3(folder(), today, sources);
    ASSERT_TRUE(out.written) << qPrintable(out.error);
    EXPECT_EQ(out.mp3_path, folder() + "review_2026-03-02.mp3");
    EXPECT_EQ(out.lrc_path, folder() + "review_2026-03-02.lrc");
    EXPECT_EQ(out.due, 3);    // niño (overdue), gato (overdue), casa (today); not perro
    EXPECT_EQ(out.words, 2);  // gato has nothing to hear

    const QByteArray& w = word_;
    const QByteArray& t = translation_;
    const QByteArray& s = silence_;
    const QList<QByteArray> nino{w, s, s, w, s, s};
    const QList<QByteArray> casa{w, s, s, t, s, s, w, s, s, t, s, s};
    EXPECT_EQ(tree.read("users/ann/spanish/review_2026-03-02.mp3"), joined(nino + casa));

    // Decoded as a player hears the joined file: the sum of its parts.
    const qint64 whole = decode_mp3(tree.read("users/ann/spanish/review_2026-03-02.mp3")).samples;
    EXPECT_EQ(whole, decoded_samples(nino + casa));
    EXPECT_NEAR(out.seconds, double(whole) / 22050.0, 1e-9);

    // One caption per word that went in, stamped where its first clip starts, in UTF-8.
    const QString second = lrc_time_stamp(double(decoded_samples(nino)) / 22050.0);
    EXPECT_EQ(file_lines(tree, "users/ann/spanish/review_2026-03-02.lrc"),
              (QStringList{"[00:00.00]niño - child", second + "casa - house"}));
    EXPECT_TRUE(tree.read("users/ann/spanish/review_2026-03-02.lrc").contains("ni\xc3\xb1o"));

    // Listening is not answering.
    EXPECT_EQ(tree.read("users/ann/spanish/review.txt"), schedule);
    EXPECT_EQ(tree.read("users/ann/spanish/colors-k.txt"), known);

    EXPECT_EQ(review_mp3_message(out),
              QString("Today's review is ready: 2 words, playing " + play_time_text(out.seconds) +
                      ". 1 of the words due had no sound and were left out.\r\nIt was saved as " +
                      QDir::toNativeSeparators(out.mp3_path) + ", with its captions beside it."));
}

TEST_F(ReviewMp3Test, SlowedReviewIsTheSumOfItsStretchedPartsAndStampsFollowThem) {
    SpeedClipCache cache(tree.path("cache/speed/"));
    sources.cache = &cache;
    sources.speed_percent = 60;
    const ReviewMp3Outcome out = write_review_mp3(folder(), today, sources);
    ASSERT_TRUE(out.written) << qPrintable(out.error);
    EXPECT_EQ(cache.clips_made(), 2);  // the word's clip and the translation's, once each

    const QByteArray w = *cache.stretched_mp3(word_, 60), t = *cache.stretched_mp3(translation_, 60);
    EXPECT_EQ(cache.clips_made(), 2);
    const QByteArray& s = silence_;  // the student's pause is not stretched
    const QList<QByteArray> nino{w, s, s, w, s, s};
    const QList<QByteArray> casa{w, s, s, t, s, s, w, s, s, t, s, s};
    const QByteArray file = tree.read("users/ann/spanish/review_2026-03-02.mp3");
    EXPECT_EQ(file, joined(nino + casa));
    EXPECT_EQ(decode_mp3(file).samples, decoded_samples(nino + casa));
    // Slower than the natural review by the stretch of its four word clips and two translations.
    const double natural = double(decoded_samples({word_}));
    EXPECT_GT(double(decode_mp3(w).samples), natural / 0.6 * 0.98);
    EXPECT_EQ(file_lines(tree, "users/ann/spanish/review_2026-03-02.lrc"),
              (QStringList{"[00:00.00]niño - child",
                           lrc_time_stamp(double(decoded_samples(nino)) / 22050.0) + "casa - house"}));

    // A second compilation at the same speed makes nothing anew and writes the same bytes.
    SpeedClipCache warm(tree.path("cache/speed/"));
    sources.cache = &warm;
    ASSERT_TRUE(write_review_mp3(folder(), today, sources).written);
    EXPECT_EQ(warm.clips_made(), 0);
    EXPECT_EQ(tree.read("users/ann/spanish/review_2026-03-02.mp3"), file);
    EXPECT_FALSE(tree.exists("languages/spanish/speed"));
}

TEST_F(ReviewMp3Test, RecordingThenNewRecordingThenTheVoice) {
    tree.write_lines("users/ann/spanish/colors-k.txt", {kCasa, kGato, kLibro});
    tree.write_lines("users/ann/spanish/review.txt", {"colors\t00412\t" + kCasa + "\t1\t2026-03-01\t",
                                                      "colors\t00415\t" + kGato + "\t1\t2026-03-02\t",
                                                      "colors\t70001\t" + kLibro + "\t1\t2026-03-02\t"});
    tree.write("languages/spanish/new_str/70/70001.str", "enciphered");
    tree.write("languages/spanish/new_str/00/00412.str", "never used: casa has a recording");
    sources.repeats = 1;
    sources.silence_clips = 0;
    // Translations have sound numbers but no recordings.
    sources.translation_sound = [](const QString& s) { return "9" + s.right(4); };
    QStringList deciphered, spoken;
    const Pcm take{std::vector<int16_t>(11025, 300), 22050};
    sources.new_recording = [&](const QString& str) {
        deciphered << QFileInfo(str).fileName();
        return std::optional<Pcm>(take);
    };
    const QByteArray voice_clip = encode_mp3(std::vector<int16_t>(5000, 100));
    sources.voice = [&](const QString& text, const QString& language) {
        spoken << text + "/" + language;
        return std::optional<QByteArray>(voice_clip);
    };
    SpeedClipCache cache(tree.path("cache/speed/"));
    sources.cache = &cache;

    const ReviewMp3Outcome out = write_review_mp3(folder(), today, sources);
    ASSERT_TRUE(out.written);
    EXPECT_EQ(out.words, 3);
    EXPECT_EQ(deciphered, QStringList{"70001.str"});
    // The voice speaks gato (no recording of either kind) and every translation, none recorded.
    EXPECT_EQ(spoken, (QStringList{"house/english", "gato/spanish", "cat/english", "book/english"}));
    const QByteArray take_mp3 = encode_mp3(take.samples);
    EXPECT_EQ(tree.read("users/ann/spanish/review_2026-03-02.mp3"),
              joined({word_, voice_clip, voice_clip, voice_clip, take_mp3, voice_clip}));
}

TEST_F(ReviewMp3Test, NothingDueOrNothingToHearWritesNoFile) {
    tree.write_lines("users/ann/spanish/review.txt", {"colors\t00414\t" + kPerro + "\t1\t2026-03-03\t"});
    tree.write_lines("users/ann/spanish/colors-k.txt", {kPerro});
    ReviewMp3Outcome out = write_review_mp3(folder(), today, sources);
    EXPECT_FALSE(out.written);
    EXPECT_EQ(out.due, 0);
    EXPECT_FALSE(tree.exists("users/ann/spanish/review_2026-03-02.mp3"));
    EXPECT_FALSE(tree.exists("users/ann/spanish/review_2026-03-02.lrc"));
    EXPECT_EQ(review_mp3_message(out), QString("No words are due for review today, so no MP3 was made."));

    tree.write_lines("users/ann/spanish/review.txt", {"colors\t00415\t" + kGato + "\t1\t2026-03-02\t"});
    tree.write_lines("users/ann/spanish/colors-k.txt", {kGato});
    out = write_review_mp3(folder(), today, sources);
    EXPECT_FALSE(out.written);
    EXPECT_EQ(out.due, 1);
    EXPECT_FALSE(tree.exists("users/ann/spanish/review_2026-03-02.mp3"));
    EXPECT_EQ(review_mp3_message(out), QString("None of the 1 words due today has a sound, so no MP3 was made."));

    // A student with no known words and no schedule: nothing due, and no schedule made on disk.
    DataTree empty;
    empty.mkdir("users/bob/spanish");
    EXPECT_EQ(write_review_mp3(empty.path("users/bob/spanish/"), today, sources).due, 0);
    EXPECT_FALSE(empty.exists("users/bob/spanish/review.txt"));
}

TEST_F(ReviewMp3Test, AFailedWriteNamesTheFileAndLeavesNeitherFile) {
    // A full disk: the caption track must not appear without its MP3.
    struct FullDisk : WriteDevice {
        ssize_t write(int, const char*, size_t) override {
            errno = ENOSPC;
            return -1;
        }
    } full;
    set_write_device(&full);
    const ReviewMp3Outcome out = write_review_mp3(folder(), today, sources);
    set_write_device(nullptr);
    EXPECT_FALSE(out.written);
    EXPECT_TRUE(out.error.contains("review_2026-03-02")) << qPrintable(out.error);
    EXPECT_FALSE(tree.exists("users/ann/spanish/review_2026-03-02.mp3"));
    EXPECT_FALSE(tree.exists("users/ann/spanish/review_2026-03-02.lrc"));
    EXPECT_TRUE(review_mp3_message(out).startsWith("Today's review could not be saved.\r\n"));
}

TEST(ReviewMp3Text, PlayTimeInMinutesAndSeconds) {
    EXPECT_EQ(play_time_text(0), QString("0:00"));
    EXPECT_EQ(play_time_text(59.4), QString("0:59"));
    EXPECT_EQ(play_time_text(59.6), QString("1:00"));
    EXPECT_EQ(play_time_text(3725), QString("62:05"));
}
