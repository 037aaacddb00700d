#include "drill_fixture.h"
#include "support/run_session.h"

#include "core/mp3_compile.h"
#include "support/sound_maker.h"

#include <QRegularExpression>

using namespace ql;
using namespace ql::testing;

namespace {

// A frame of the recordings' format: 576 samples at 22050 Hz.
constexpr double kFrame = 576.0 / 22050.0;

struct Line {
    double seconds = -1;
    QString text;
};

std::vector<Line> caption_lines(const QByteArray& lrc) {
    std::vector<Line> out;
    static const QRegularExpression re(QStringLiteral("^\\[(\\d+):(\\d\\d)\\.(\\d\\d)\\](.*)$"));
    for (const QString& l : QString::fromUtf8(lrc).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        const auto m = re.match(l);
        if (!m.hasMatch()) return {{-1, l}};
        out.push_back({m.captured(1).toInt() * 60 + m.captured(2).toInt() + m.captured(3).toInt() / 100.0, m.captured(4)});
    }
    return out;
}

}  // namespace

// Compilations made of real recordings, so that time stamps can be checked against a decoder.
class CaptionTest : public DrillTest {
protected:
    void SetUp() override {
        if (!have_sound_tools()) GTEST_SKIP() << "espeak-ng, lame or sox missing";
        word_ = recording_mp3(spoken_pcm("casa"));
        translation_ = recording_mp3(spoken_pcm("house", "en"));
        silence_ = recording_mp3(QByteArray(2 * 4410, '\0'));
        QByteArray beep;
        for (int i = 0; i < 3000; ++i) beep += (i / 20) % 2 ? QByteArray("\x00\x30", 2) : QByteArray("\x00\xd0", 2);
        beep_ = recording_mp3(beep);
        ASSERT_FALSE(word_.isEmpty() || translation_.isEmpty() || silence_.isEmpty() || beep_.isEmpty());
        tree.write("silence.mp3", silence_);
        tree.write("beep.mp3", beep_);
    }
    void real_recordings(int i) {
        tree.write("languages/spanish/" + word_sound(i).left(2) + "/" + word_sound(i) + ".mp3", word_);
        tree.write("languages/english/" + translation_sound(i).left(2) + "/" + translation_sound(i) + ".mp3",
                   translation_);
    }
    void no_recordings(int i) {
        QFile::remove(tree.path("languages/spanish/" + word_sound(i).left(2) + "/" + word_sound(i) + ".mp3"));
        QFile::remove(tree.path("languages/english/" + translation_sound(i).left(2) + "/" + translation_sound(i) + ".mp3"));
    }
    // Seconds a decoder plays for the clips, each decoded on its own and added up.
    static double decoded(const QList<QByteArray>& clips) {
        double s = 0;
        for (const QByteArray& c : clips) {
            const Decoded d = decode_mp3(c);
            EXPECT_GT(d.samples, 0);
            s += double(d.samples) / double(d.rate);
        }
        return s;
    }

    QByteArray word_, translation_, silence_, beep_;
};

TEST_F(CaptionTest, BlockCaptionsStartWhereEachEntrysClipsStart) {
    load_list(3);
    real_recordings(0);
    no_recordings(1);  // compiles nothing but silences and a beep: no line
    real_recordings(2);
    tree.write("100words1.lrc", "[00:00.00]old - track\r\n");
    prompter.answer_ok();
    prompter.answer_input("2");
    prompter.answer_input("0.4");
    run_session(m.clock, drill()->auto_mp3());
    EXPECT_EQ(prompter.messages(), QStringList{"1 files have been completed."});

    const auto lines = caption_lines(tree.read("100words1.lrc"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, u"w0 - t0");
    EXPECT_EQ(lines[1].text, u"w2 - t2");
    EXPECT_NEAR(lines[0].seconds, 0.0, 0.005);
    const QList<QByteArray> entry0{translation_, word_, silence_, silence_, translation_, word_, silence_, silence_, beep_};
    const QList<QByteArray> entry1{silence_, silence_, silence_, silence_, beep_};
    EXPECT_NEAR(lines[1].seconds, decoded(entry0) + decoded(entry1), kFrame);
    // The block file itself plays as long as its clips.
    EXPECT_NEAR(compiled_seconds(tree.path("100words1.mp3")), decoded(entry0 + entry1 + entry0), kFrame);
}

TEST_F(CaptionTest, BlockWithoutRecordingsLeavesNoOldTrack) {
    load_list(1);
    no_recordings(0);
    tree.write("100words1.lrc", "[00:00.00]old - track\r\n");
    prompter.answer_ok();
    prompter.answer_input("1");
    prompter.answer_input("0");
    run_session(m.clock, drill()->auto_mp3());
    EXPECT_TRUE(tree.exists("100words1.mp3"));  // the beep
    EXPECT_FALSE(tree.exists("100words1.lrc"));
}

TEST_F(CaptionTest, DrillCompilationCaptionsEachCompiledWordAtItsBeep) {
    load_list(3);
    for (int i = 0; i < 3; ++i) real_recordings(i);
    tree.write("out_file.lrc", "[00:00.00]old - track\r\n");
    m.repeat_count = 2;
    m.bottom_mode = BottomMode::WordOnly;
    m.pause_seconds = 0.4f;
    auto d = drill();
    prompter.answer_input("2");
    d->create_mp3();
    EXPECT_FALSE(tree.exists("out_file.lrc"));
    stop_at_draw(3);
    run_session(m.clock, d->playwords());
    ASSERT_EQ(drawn.size(), 3u);

    const auto lines = caption_lines(tree.read("out_file.lrc"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, QStringLiteral("w%1 - t%1").arg(drawn[0]));
    EXPECT_EQ(lines[1].text, QStringLiteral("w%1 - t%1").arg(drawn[1]));
    EXPECT_NEAR(lines[0].seconds, 0.0, 0.005);
    EXPECT_NEAR(lines[1].seconds, decoded({beep_, word_, silence_, silence_, word_, silence_, silence_}), kFrame);
}

TEST_F(CaptionTest, AnOldWindows1252TrackIsReplacedByAUtf8One) {
    load_list(1);
    real_recordings(0);
    m.shown_words[0] = QStringLiteral("marrón");
    m.shown_translations[0] = QStringLiteral("brown");
    tree.write("100words1.lrc", "[00:00.00]marr\xf3n - old\r\n");
    run_session(m.clock, write_word_blocks(m, m.on_show(), 1, 0));
    EXPECT_EQ(tree.read("100words1.lrc"), QByteArray("[00:00.00]marr\xc3\xb3n - brown\r\n"));
}

// A compilation stays pending after its window is closed; a word then clicked in the main window
// goes into out_file.mp3, and its caption with it.
TEST_F(CaptionTest, AWordPlayedFromTheMainWindowWhileACompilationIsPendingIsCaptioned) {
    load_list(3);
    for (int i = 0; i < 3; ++i) real_recordings(i);
    m.mp3.silence_clips = 2;
    {
        auto d = drill();
        prompter.answer_input("2");
        d->create_mp3();
        d->window_closed();
    }
    // A click on w1, then on its translation, as the main window plays them.
    run_session(m.clock, play_word_sound(m, m.on_show(), word_sound(1), m.current_language));
    run_session(m.clock, play_word_sound(m, m.on_show(), translation_sound(1), m.target_language));
    EXPECT_TRUE(audio.played.isEmpty());

    const auto lines = caption_lines(tree.read("out_file.lrc"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, u"w1 - t1");
    EXPECT_EQ(lines[1].text, u"w1 - t1");
    EXPECT_NEAR(lines[0].seconds, 0.0, 0.005);
    EXPECT_NEAR(lines[1].seconds, decoded({word_, silence_, silence_}), kFrame);
}
