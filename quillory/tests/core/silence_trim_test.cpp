#include "core/silence_trim.h"
#include "core/wav_header.h"

#include <gtest/gtest.h>

#include <vector>

using namespace ql;

namespace {

QByteArray pcm(const std::vector<int>& samples) {
    QByteArray out;
    for (int v : samples) {
        const auto u = std::uint16_t(std::int16_t(v));
        out += char(u & 0xff);
        out += char(u >> 8);
    }
    return out;
}

std::vector<int> silence(int n) { return std::vector<int>(size_t(n), 0); }

std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST(SilenceTrim, CutsAtTheNegativeSamplesFramingTheLoudSwings) {
    // Negatives before the first loud sample (samples 2 and 4) and after the last (8 and 10): the
    // cut keeps 4 ... 8, the ones nearest the word.
    const auto take = pcm(std::vector<int>{0, 0, -5, 0, -300, 1000, -1000, 1000, -20, 0, -7} + silence(19));
    const TrimBounds b = silence_bounds(take);
    EXPECT_EQ(b.start, 8);
    EXPECT_EQ(b.end, 17);
    // The kept stretch begins and ends with a zero sample.
    EXPECT_EQ(trim_silence(take), pcm({0, 1000, -1000, 1000, 0}));
}

TEST(SilenceTrim, OnlyHighBytesFrom2To127WithLowByteAbove5AreLoud) {
    // None of 262 (high 1), 517 (low 5), 0x0305, -32768 and -32513 (high byte exactly 128) stops the
    // scan or counts as negative; 518 is the first loud sample and nothing before it is negative.
    const auto take = pcm(std::vector<int>{0, 262, 517, 0x0305, -32768, int(std::int16_t(0x80ff)), 0, 0, 518, 40, -1} +
                          silence(20));
    const TrimBounds b = silence_bounds(take);
    EXPECT_EQ(b.start, 16);  // the loud sample itself
    EXPECT_EQ(b.end, 21);    // the negative after it
    EXPECT_EQ(trim_silence(take), pcm({0, 40, 0}));

    // The backward scan stopping on the very sample the forward scan stopped on leaves too short a
    // stretch: the first two samples are kept instead, zeroed.
    const auto lone = pcm(std::vector<int>{0, 0, 0, 518} + silence(20));
    EXPECT_EQ(silence_bounds(lone).start, 0);
    EXPECT_EQ(silence_bounds(lone).end, 3);
    EXPECT_EQ(trim_silence(lone), QByteArray(4, '\0'));

    const auto loud_high = pcm(std::vector<int>{0, 0, 0x7f10, 0x0306, -1} + silence(20));
    EXPECT_EQ(silence_bounds(loud_high).start, 4);
    EXPECT_EQ(silence_bounds(loud_high).end, 9);  // the negative after the last loud sample
}

TEST(SilenceTrim, ForwardScanSkipsTheFirstAndTheLastEightSamples) {
    // 20 samples: the forward scan looks at samples 1 ... 11 only. The negative first sample is not
    // seen, so with no loud sample in range the start is the first index past the scan (24).
    std::vector<int> s = silence(20);
    s[0] = -9000;
    s[15] = 4000;  // loud, found by the backward scan
    s[17] = -12;   // negative after it
    const auto take = pcm(s);
    const TrimBounds b = silence_bounds(take);
    EXPECT_EQ(b.start, 24);
    EXPECT_EQ(b.end, 35);
    const QByteArray kept = trim_silence(take);
    EXPECT_EQ(kept, pcm({0, 0, 0, 4000, 0, 0}));
}

TEST(SilenceTrim, BackwardScanWithoutLoudSampleEndsAtTheEarliestNegative) {
    // No loud sample and no negative in the forward range: the start is the first index past the
    // forward scan (sample 12), and the end the earliest negative the backward scan met (sample 18).
    std::vector<int> s = silence(20);
    s[18] = -3;
    s[19] = -4;
    TrimBounds b = silence_bounds(pcm(s));
    EXPECT_EQ(b.start, 24);
    EXPECT_EQ(b.end, 37);
    EXPECT_EQ(trim_silence(pcm(s)), QByteArray(14, '\0'));

    // A negative in the forward range becomes the start, and the backward scan, which goes down to
    // that very sample, ends on it too: nothing is left but the two zeroed samples.
    s[3] = -2;
    b = silence_bounds(pcm(s));
    EXPECT_EQ(b.start, 0);
    EXPECT_EQ(b.end, 3);
}

TEST(SilenceTrim, SilentAndTinyTakesKeepOnlyTwoZeroSamples) {
    EXPECT_EQ(trim_silence(pcm(silence(30869))), QByteArray(4, '\0'));
    std::vector<int> hiss(2000);
    for (size_t k = 0; k < hiss.size(); ++k) hiss[k] = int(k % 7) - 3;  // small noise both ways
    EXPECT_EQ(trim_silence(pcm(hiss)), QByteArray(4, '\0'));
    EXPECT_EQ(trim_silence(pcm({700, 900})), QByteArray(4, '\0'));
    // Under four bytes there is nothing to cut.
    EXPECT_EQ(trim_silence(QByteArray("\x07\x05", 2)), QByteArray("\x07\x05", 2));
}

TEST(WavHeader, FortyFourBytesWithLittleEndianLengths) {
    EXPECT_EQ(le32_chars(0x12345678u), QByteArray("\x78\x56\x34\x12", 4));
    EXPECT_EQ(le32_chars(0), QByteArray(4, '\0'));
    const QByteArray h = wav_header(0x00010203u);
    const QByteArray expected("RIFF\x27\x02\x01\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00"
                              "\x22\x56\x00\x00\x44\xac\x00\x00\x02\x00\x10\x00"
                              "data\x03\x02\x01\x00",
                              44);
    EXPECT_EQ(h, expected);
}
