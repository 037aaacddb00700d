// Mode names, hex and base64 reading and writing.
#include <gtest/gtest.h>

#include <cstring>

#include "modes.h"
#include "test_util.h"

using namespace kxtest;
using korvex::base64_read;
using korvex::base64_write;
using korvex::hex_read;

namespace {

TEST(ModeNames, FirstOneOrTwoCharacters) {
    struct { const char* name; int mode; } cases[] = {
        {"ECB", korvex::kEcb}, {"e", korvex::kEcb}, {"Exyz", korvex::kEcb},
        {"CBC", korvex::kCbc}, {"cbc", korvex::kCbc}, {"C", korvex::kCbc}, {"Cxyz", korvex::kCbc},
        {"CFB", korvex::kCfb}, {"cf", korvex::kCfb}, {"cF", korvex::kCfb},
        {"OFB", korvex::kOfb}, {"o", korvex::kOfb},
        {"", korvex::kUnknownMode}, {"XTS", korvex::kUnknownMode}, {" CBC", korvex::kUnknownMode},
    };
    for (const auto& c : cases) EXPECT_EQ(korvex::mode_from_name(c.name), c.mode) << c.name;
    EXPECT_EQ(korvex::mode_from_name(nullptr), korvex::kUnknownMode);
}

TEST(HexReading, PairsFromTheStart) {
    uint8_t out[64];
    EXPECT_EQ(hex_read(out, "0a1B2", 8), 2u);  // trailing odd digit ignored
    EXPECT_EQ(out[0], 0x0A);
    EXPECT_EQ(out[1], 0x1B);
    EXPECT_EQ(hex_read(out, "zz", 8), 0u);
    EXPECT_EQ(hex_read(out, "", 8), 0u);
    EXPECT_EQ(hex_read(out, "7", 8), 0u);
    EXPECT_EQ(hex_read(out, nullptr, 8), 0u);
    // A pair whose second character is no digit is the first digit alone.
    ASSERT_EQ(hex_read(out, "1zA ", 8), 2u);
    EXPECT_EQ(out[0], 0x01);
    EXPECT_EQ(out[1], 0x0A);
    // A bad first character anywhere fails the whole reading.
    EXPECT_EQ(hex_read(out, "0011 z22", 8), 0u);
    EXPECT_EQ(hex_read(out, "00+1", 8), 0u);
}

TEST(HexReading, StopsAtTheMaximum) {
    std::string digits;
    for (int i = 0; i < 60; ++i) digits += "A5";  // 120 digits
    uint8_t out[64] = {};
    EXPECT_EQ(hex_read(out, digits.c_str(), 56), 56u);
    EXPECT_EQ(out[55], 0xA5);
    EXPECT_EQ(out[56], 0x00);
    // Characters past 2 * max are not even looked at: a bad one there is fine.
    EXPECT_EQ(hex_read(out, "0102zz", 2), 2u);
    // And a text that is not terminated is not read past 2 * max characters.
    const char unterminated[4] = {'1', '2', '3', '4'};
    EXPECT_EQ(hex_read(out, unterminated, 2), 2u);
}

TEST(HexWriting, UpperCaseAndTerminated) {
    const uint8_t bytes[] = {0x00, 0xAB, 0x7F};
    char out[7];
    std::memset(out, 'x', sizeof out);
    korvex::hex_write(out, bytes, 3);
    EXPECT_STREQ(out, "00AB7F");
}

TEST(Base64, WritingMatchesRfc4648AndTheCapacity) {
    const uint8_t abc[] = {'a', 'b', 'c', 'd', 'e'};
    char out[16];
    EXPECT_EQ(base64_write(out, sizeof out, abc, 3), 4u);
    EXPECT_STREQ(out, "YWJj");
    EXPECT_EQ(base64_write(out, sizeof out, abc, 1), 4u);
    EXPECT_STREQ(out, "YQ==");
    EXPECT_EQ(base64_write(out, sizeof out, abc, 2), 4u);
    EXPECT_STREQ(out, "YWI=");
    EXPECT_EQ(base64_write(out, sizeof out, abc, 0), 0u);
    EXPECT_STREQ(out, "");
    // Capacity counts the zero byte; output stops at the last whole group.
    EXPECT_EQ(base64_write(out, 5, abc, 3), 4u);
    EXPECT_EQ(base64_write(out, 4, abc, 3), 0u);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(base64_write(out, 8, abc, 5), 4u);
    EXPECT_STREQ(out, "YWJj");
    EXPECT_EQ(base64_write(out, 9, abc, 5), 8u);
    EXPECT_STREQ(out, "YWJjZGU=");
    std::memset(out, 'x', sizeof out);
    EXPECT_EQ(base64_write(out, 0, abc, 3), 0u);
    EXPECT_EQ(out[0], 'x') << "no capacity means not even the zero byte";
}

TEST(Base64, ReadingSkipsForeignCharactersAndStopsAtPadding) {
    uint8_t out[16];
    ASSERT_EQ(base64_read(out, sizeof out, "YW Jj"), 3u);
    EXPECT_EQ(std::string(out, out + 3), "abc");
    ASSERT_EQ(base64_read(out, sizeof out, "Y\r\nW\xC3\xA9Jj"), 3u);
    EXPECT_EQ(std::string(out, out + 3), "abc");
    ASSERT_EQ(base64_read(out, sizeof out, "YQ==YWJj"), 1u);
    EXPECT_EQ(out[0], 'a');
    ASSERT_EQ(base64_read(out, sizeof out, "YWI"), 2u);
    EXPECT_EQ(std::string(out, out + 2), "ab");
    EXPECT_EQ(base64_read(out, sizeof out, "Y"), 0u) << "a single sextet is dropped";
    EXPECT_EQ(base64_read(out, sizeof out, "!!"), 0u);
}

TEST(Base64, ReadingRespectsTheCapacity) {
    uint8_t out[8];
    std::memset(out, 0xEE, sizeof out);
    // Room for 4: the second group does not fit and reading stops there.
    EXPECT_EQ(base64_read(out, 4, "YWJjZGVm"), 3u);
    EXPECT_EQ(out[3], 0xEE);
    EXPECT_EQ(base64_read(out, 4, "YWJjZGU"), 3u);  // leftover 3 sextets need 2, only 1 room
    EXPECT_EQ(base64_read(out, 5, "YWJjZGU"), 5u);
    EXPECT_EQ(base64_read(out, 0, "YQ"), 0u);
}

TEST(Base64, RoundTripsEveryLengthWithinKeySizes) {
    std::mt19937 rng(3);
    for (size_t n = 1; n <= 56; ++n) {
        const Bytes data = random_bytes(rng, n);
        const std::string text = to_base64(data);
        std::vector<char> written(text.size() + 1);
        ASSERT_EQ(base64_write(written.data(), written.size(), data.data(), n), text.size());
        EXPECT_EQ(std::string(written.data()), text);
        uint8_t back[56];
        ASSERT_EQ(base64_read(back, 56, text.c_str()), n) << "a key of " << n << " bytes fits";
        EXPECT_EQ(Bytes(back, back + n), data);
    }
}

}  // namespace
