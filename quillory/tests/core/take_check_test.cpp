#include "core/take_check.h"
#include "support/sound_maker.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace ql;
using namespace ql::testing;

namespace {

constexpr int kRate = 22050;

QByteArray pcm(const std::vector<qint16>& s) {
    return QByteArray(reinterpret_cast<const char*>(s.data()), qsizetype(s.size() * 2));
}

std::vector<qint16> tone(double seconds, double amplitude, double hz = 220.0) {
    std::vector<qint16> s(size_t(seconds * kRate));
    for (size_t i = 0; i < s.size(); ++i) s[i] = qint16(std::lround(amplitude * std::sin(2 * M_PI * hz * i / kRate)));
    return s;
}

}  // namespace

TEST(TakeCheck, ConstructedTakesGetTheirNotes) {
    std::vector<qint16> square(size_t(1.4 * kRate));
    for (size_t i = 0; i < square.size(); ++i) square[i] = (i / 50) % 2 ? qint16(-32768) : qint16(32767);
    // A word-length burst of 0.1 s in a second of silence.
    std::vector<qint16> burst(size_t(kRate), 0);
    const auto b = tone(0.1, 12000);
    std::copy(b.begin(), b.end(), burst.begin() + kRate / 2);

    struct Case {
        const char* name;
        QByteArray take;
        QStringList notes;
    } cases[] = {
        {"silence", pcm(std::vector<qint16>(size_t(1.4 * kRate), 0)), {"Too quiet", "Very short"}},
        {"clipped square", pcm(square), {"Clipped"}},
        {"quiet tone", pcm(tone(1.0, 800)), {"Too quiet"}},  // -32 dBFS peak, still above the trimming's threshold
        {"short burst", pcm(burst), {"Very short"}},
        {"normal tone", pcm(tone(1.0, 12000)), {}},
    };
    for (const Case& c : cases) EXPECT_EQ(check_take(c.take, kRate).notes, c.notes) << c.name;

    const TakeCheck quiet = check_take(pcm(tone(1.0, 800)), kRate);
    EXPECT_NEAR(quiet.peak_dbfs, 20 * std::log10(800 / 32768.0), 0.01);
    ASSERT_TRUE(quiet.loudness_lufs);
    EXPECT_LT(*quiet.loudness_lufs, -30.0);
    const TakeCheck burst_check = check_take(pcm(burst), kRate);
    EXPECT_NEAR(burst_check.speech_seconds, 0.1, 0.01);
}

TEST(TakeCheck, ClippedFromOneSampleInAThousand) {
    auto s = tone(1.0, 12000);
    const size_t n = s.size();  // 22050: 23 samples reach 0.1 %, 22 do not
    for (size_t k = 0; k < 22; ++k) s[k * 500] = k % 2 ? qint16(-32768) : qint16(32767);
    EXPECT_FALSE(check_take(pcm(s), kRate).notes.contains("Clipped"));
    s[n - 1] = 32767;
    EXPECT_TRUE(check_take(pcm(s), kRate).notes.contains("Clipped"));
}

TEST(TakeCheck, SpokenWordIsFine) {
    if (!have_sound_tools()) GTEST_SKIP() << "espeak-ng, lame or sox missing";
    QByteArray take(int(0.3 * kRate) * 2, '\0');  // the contributor starts a little after "Speak"
    take += spoken_pcm("casa");
    take += QByteArray(int(0.3 * kRate) * 2, '\0');
    const TakeCheck c = check_take(take, kRate);
    EXPECT_TRUE(c.notes.isEmpty()) << c.notes.join(", ").toStdString();
    EXPECT_GT(c.speech_seconds, 0.15);
    ASSERT_TRUE(c.loudness_lufs);
    EXPECT_GT(*c.loudness_lufs, -35.0);
}
