// Order of checks and result codes of the one-shot byte and text exports.
#include <gtest/gtest.h>

#include <cstring>

#include "korvex.h"
#include "test_util.h"

using namespace kxtest;

namespace {

const Bytes kKey = from_hex("00112233445566778899AABBCCDDEEFF");
const Bytes kIv = from_hex("0102030405060708");
const char* kKeyHex = "00112233445566778899AABBCCDDEEFF";
const char* kIvHex = "0102030405060708";

TEST(ByteExports, OrderOfChecks) {
    Bytes data(16, 7), out(16, 0xEE);
    // Mode before vector before key before length.
    EXPECT_EQ(BLF_BytesMode(out.data(), data.data(), 15, kKey.data(), 57, 1, "XYZ", nullptr), 35);
    EXPECT_EQ(BLF_BytesMode(out.data(), data.data(), 15, kKey.data(), 57, 1, "CBC", nullptr), 51);
    EXPECT_EQ(BLF_BytesMode(out.data(), data.data(), 15, kKey.data(), 57, 1, "CBC", kIv.data()), 33);
    EXPECT_EQ(BLF_BytesMode(out.data(), data.data(), 15, kKey.data(), 16, 1, "CBC", kIv.data()), 8);
    EXPECT_EQ(BLF_BytesMode(out.data(), data.data(), 15, kKey.data(), 16, 1, nullptr, kIv.data()), 35);
    // ECB ignores a missing vector; CFB takes any length.
    EXPECT_EQ(BLF_BytesMode(out.data(), data.data(), 16, kKey.data(), 16, 1, "ecb", nullptr), 0);
    EXPECT_EQ(BLF_BytesMode(out.data(), data.data(), 15, kKey.data(), 16, 1, "cf", kIv.data()), 0);
    EXPECT_EQ(BLF_Bytes(out.data(), data.data(), 12, kKey.data(), 16, 1), 8);
    // Missing buffers with data to transform are refused, not dereferenced.
    EXPECT_EQ(BLF_Bytes(nullptr, data.data(), 16, kKey.data(), 16, 1), 39);
    EXPECT_EQ(BLF_Bytes(out.data(), nullptr, 16, kKey.data(), 16, 1), 39);
    EXPECT_EQ(BLF_Bytes(nullptr, nullptr, 0, kKey.data(), 16, 1), 0);
}

TEST(ByteExports, DirectionUsesTheLowSixteenBits) {
    const Bytes data(8, 3);
    Bytes a(8), b(8), c(8);
    ASSERT_EQ(BLF_Bytes(a.data(), data.data(), 8, kKey.data(), 16, 1), 0);
    ASSERT_EQ(BLF_Bytes(b.data(), data.data(), 8, kKey.data(), 16, -1), 0);
    ASSERT_EQ(BLF_Bytes(c.data(), data.data(), 8, kKey.data(), 16, 0x10000), 0);  // low bits zero
    EXPECT_EQ(a, b);
    // 0x10000 deciphers: enciphering its result gives the data back.
    EXPECT_NE(c, a);
    Bytes c_enc(8);
    ASSERT_EQ(BLF_Bytes(c_enc.data(), c.data(), 8, kKey.data(), 16, 1), 0);
    EXPECT_EQ(c_enc, data);
}

TEST(HexExports, OrderOfChecks) {
    char out[64];
    std::strcpy(out, "untouched");
    EXPECT_EQ(BLF_HexMode(nullptr, "00", kKeyHex, 1, "ECB", nullptr), 39);
    EXPECT_EQ(BLF_HexMode(out, nullptr, kKeyHex, 1, "ECB", nullptr), 39);
    EXPECT_EQ(BLF_HexMode(out, "0011223344556677", "zz", 1, "XX", "zz"), 50);  // key first
    EXPECT_EQ(BLF_HexMode(out, "0011223344556677", nullptr, 1, "ECB", nullptr), 50);
    EXPECT_EQ(BLF_HexMode(out, "", kKeyHex, 1, "XX", "zz"), 50);  // then data
    EXPECT_EQ(BLF_HexMode(out, "q011223344556677", kKeyHex, 1, "XX", "zz"), 50);
    EXPECT_EQ(BLF_HexMode(out, "0011223344556677", kKeyHex, 1, "XX", "zz"), 35);  // then mode
    EXPECT_EQ(BLF_HexMode(out, "0011223344556677", kKeyHex, 1, "CBC", "zz"), 50);  // then vector
    EXPECT_EQ(BLF_HexMode(out, "0011223344556677", kKeyHex, 1, "CBC", nullptr), 50);
    // A vector of fewer than 8 bytes is refused rather than read past.
    EXPECT_EQ(BLF_HexMode(out, "0011223344556677", kKeyHex, 1, "OFB", "01020304050607"), 50);
    EXPECT_EQ(BLF_HexMode(out, "00112233445566", kKeyHex, 1, "CBC", kIvHex), 8);
    EXPECT_STREQ(out, "untouched");
    EXPECT_EQ(BLF_Hex(out, "00112233445566778", kKeyHex, 1), 0) << "trailing odd digit ignored";
    EXPECT_EQ(std::strlen(out), 16u);
}

TEST(HexExports, LongKeyTextIsCutAtFiftySixBytes) {
    std::mt19937 rng(5);
    const Bytes key = random_bytes(rng, 60);
    const std::string key_hex = to_hex(key);
    const Bytes key56(key.begin(), key.begin() + 56);
    const Bytes data = random_bytes(rng, 24);
    std::string text = to_hex(data);
    ASSERT_EQ(BLF_Hex(text.data(), text.c_str(), key_hex.c_str(), 1), 0);
    Bytes expected(24);
    ASSERT_EQ(BLF_Bytes(expected.data(), data.data(), 24, key56.data(), 56, 1), 0);
    EXPECT_EQ(text, to_hex(expected));
    // A longer vector text is cut to its first 8 bytes.
    text = to_hex(data);
    ASSERT_EQ(BLF_HexMode(text.data(), text.c_str(), key_hex.c_str(), 1, "CBC", "0102030405060708FFFF"), 0);
    std::string text2 = to_hex(data);
    ASSERT_EQ(BLF_HexMode(text2.data(), text2.c_str(), key_hex.c_str(), 1, "CBC", kIvHex), 0);
    EXPECT_EQ(text, text2);
}

TEST(Base64Export, OrderOfChecksAndCapacity) {
    char out[64];
    std::strcpy(out, "untouched");
    const char* key = "ABEiM0RVZneImaq7zN3u/w==";  // kKey
    const char* iv = "AQIDBAUGBwg=";               // kIv
    EXPECT_EQ(BLF_B64Mode(nullptr, "AAAAAAAAAAA=", key, 1, "ECB", nullptr), 39);
    EXPECT_EQ(BLF_B64Mode(out, nullptr, key, 1, "ECB", nullptr), 39);
    EXPECT_EQ(BLF_B64Mode(out, "AAAAAAAAAAA=", "!!", 1, "XX", "!"), 48);
    EXPECT_EQ(BLF_B64Mode(out, "AAAAAAAAAAA=", nullptr, 1, "XX", "!"), 48);
    EXPECT_EQ(BLF_B64Mode(out, "=", key, 1, "XX", "!"), 49);
    EXPECT_EQ(BLF_B64Mode(out, "AAAAAAAAAAA=", key, 1, "XX", "!"), 35);
    EXPECT_EQ(BLF_B64Mode(out, "AAAAAAAAAAA=", key, 1, "CBC", "!"), 51);
    EXPECT_EQ(BLF_B64Mode(out, "AAAAAAAAAAA=", key, 1, "CBC", nullptr), 51);
    EXPECT_EQ(BLF_B64Mode(out, "AAAAAAAAAAA=", key, 1, "CBC", "AQIDBAUG"), 51) << "6-byte vector";
    EXPECT_EQ(BLF_B64Mode(out, "AAAAAAA=", key, 1, "CBC", iv), 8);
    EXPECT_STREQ(out, "untouched");

    // The output capacity is the input's length plus one: an unpadded input
    // leaves no room for the padded output, which then stops at a whole group.
    const Bytes data(5, 0x61);
    Bytes enc(5);
    ASSERT_EQ(BLF_BytesMode(enc.data(), data.data(), 5, kKey.data(), 16, 1, "OFB", kIv.data()), 0);
    std::string unpadded = to_base64(data);
    unpadded.pop_back();  // "YWFhYWE" : 7 characters
    char small[16];
    std::memset(small, 'x', sizeof small);
    ASSERT_EQ(BLF_B64Mode(small, unpadded.c_str(), key, 1, "OFB", iv), 0);
    EXPECT_EQ(std::string(small), to_base64(enc).substr(0, 4));
    EXPECT_EQ(small[8], 'x') << "nothing written past the described capacity";
}

}  // namespace
