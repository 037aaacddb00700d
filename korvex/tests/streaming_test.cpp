// The streaming family on the one shared context.
#include <gtest/gtest.h>

#include <cstring>

#include "korvex.h"
#include "test_util.h"

using namespace kxtest;

namespace {

const Bytes kKey = from_hex("FEDCBA98765432100123456789ABCDEF");
const Bytes kIv = from_hex("0011223344556677");

TEST(Streaming, CbcInTwoCallsEqualsOne) {
    std::mt19937 rng(31);
    const Bytes data = random_bytes(rng, 16);
    Bytes one = data, two = data;
    int h = BLF_Init(kKey.data(), kKey.size(), 1, "CBC", kIv.data());
    ASSERT_NE(h, 0);
    ASSERT_EQ(BLF_Update(h, one.data(), 16), 0);
    h = BLF_Init(kKey.data(), kKey.size(), 1, "CBC", kIv.data());
    ASSERT_EQ(BLF_Update(h, two.data(), 8), 0);
    ASSERT_EQ(BLF_Update(h, two.data() + 8, 8), 0);
    EXPECT_EQ(one, two);
    EXPECT_EQ(BLF_Update(h, two.data(), 7), 8);
    EXPECT_EQ(BLF_Final(h), 0);
}

TEST(Streaming, ShortTailMovesTheRegisterByAWholeBlock) {
    // OFB: a 5-byte call uses keystream block 1, the next call block 2.
    const Bytes zeros(16, 0);
    const Bytes keystream = openssl_bf(3, kKey, kIv, zeros, true);
    const int h = BLF_Init(kKey.data(), kKey.size(), 1, "OFB", kIv.data());
    Bytes a(5, 0), b(8, 0);
    ASSERT_EQ(BLF_Update(h, a.data(), 5), 0);
    ASSERT_EQ(BLF_Update(h, b.data(), 8), 0);
    EXPECT_EQ(a, Bytes(keystream.begin(), keystream.begin() + 5));
    EXPECT_EQ(b, Bytes(keystream.begin() + 8, keystream.end()));
    // CFB enciphering: the register holds the 5 output bytes and 3 keystream bytes.
    const int h2 = BLF_Init(kKey.data(), kKey.size(), 1, "CFB", kIv.data());
    Bytes c = {1, 2, 3, 4, 5}, d(8, 0);
    ASSERT_EQ(BLF_Update(h2, c.data(), 5), 0);
    ASSERT_EQ(BLF_Update(h2, d.data(), 8), 0);
    Bytes reg(8);
    std::copy(c.begin(), c.end(), reg.begin());
    std::copy(keystream.begin() + 5, keystream.begin() + 8, reg.begin() + 5);
    EXPECT_EQ(d, openssl_bf(0, kKey, {}, reg, true));
    BLF_Final(h2);
}

TEST(Streaming, HandlesAcrossInitAndFinal) {
    const int h1 = BLF_Init(kKey.data(), kKey.size(), 1, "ECB", nullptr);
    ASSERT_NE(h1, 0);
    EXPECT_EQ(BLF_InitError(), 0);
    const int h2 = bf_Init(kKey.data(), kKey.size());
    EXPECT_EQ(h1, h2) << "one context, one handle value";
    Bytes block(8, 1);
    EXPECT_EQ(BLF_Update(h1, block.data(), 8), 0) << "an old handle names the new context";
    EXPECT_EQ(BLF_Update(h1 + 1, block.data(), 8), 64);
    EXPECT_EQ(BLF_Update(0, block.data(), 8), 64);
    EXPECT_EQ(BLF_Update(h1, nullptr, 8), 39);
    EXPECT_EQ(BLF_Final(h1 + 1), 64);
    EXPECT_EQ(BLF_Final(h1), 0);
    EXPECT_EQ(BLF_Update(h1, block.data(), 8), 64);
    EXPECT_EQ(BLF_Ecb(h1, block.data(), 8, 1), 64);
    EXPECT_EQ(bf_BlockEnc(h1, block.data()), 64);
    EXPECT_EQ(BLF_Final(h1), 64);
    EXPECT_EQ(bf_Final(h1), 64);
}

TEST(Streaming, FailedInitInvalidatesAndReportsItsReason) {
    const Bytes long_key(57, 1);
    const int h = BLF_Init(kKey.data(), kKey.size(), 1, "CBC", kIv.data());
    ASSERT_NE(h, 0);
    EXPECT_EQ(BLF_Init(long_key.data(), 57, 1, "CBC", kIv.data()), 0);
    EXPECT_EQ(BLF_InitError(), 33);
    Bytes block(8, 1);
    EXPECT_EQ(BLF_Update(h, block.data(), 8), 64) << "a failed init leaves no valid handle";
    EXPECT_EQ(BLF_Init(nullptr, 8, 1, "CBC", kIv.data()), 0);
    EXPECT_EQ(BLF_InitError(), 48);
    EXPECT_EQ(BLF_Init(kKey.data(), 0, 1, "CBC", kIv.data()), 0);
    EXPECT_EQ(BLF_InitError(), 48);
    EXPECT_EQ(BLF_Init(kKey.data(), 16, 1, "Q", kIv.data()), 0);
    EXPECT_EQ(BLF_InitError(), 35);
    EXPECT_EQ(BLF_Init(kKey.data(), 16, 1, "OFB", nullptr), 0);
    EXPECT_EQ(BLF_InitError(), 51);
    EXPECT_EQ(BLF_InitHex("zz", 1, "CBC", "0011223344556677"), 0);
    EXPECT_EQ(BLF_InitError(), 48);
    EXPECT_EQ(BLF_InitHex("0011", 1, "?", "0011223344556677"), 0);
    EXPECT_EQ(BLF_InitError(), 35);
    EXPECT_EQ(BLF_InitHex("0011", 1, "CFB", "00112233445566"), 0) << "7-byte vector";
    EXPECT_EQ(BLF_InitError(), 51);
    EXPECT_EQ(BLF_InitHex("0011", 1, "ECB", nullptr), h);
    EXPECT_EQ(BLF_InitError(), 0);
    EXPECT_EQ(BLF_Final(h), 0);
}

TEST(Streaming, EcbCallsUseTheScheduleWhateverTheMode) {
    std::mt19937 rng(32);
    const Bytes data = random_bytes(rng, 8);
    Bytes expected(8);
    ASSERT_EQ(BLF_Bytes(expected.data(), data.data(), 8, kKey.data(), kKey.size(), 1), 0);
    // A deciphering CBC context still enciphers single blocks on request.
    const int h = BLF_Init(kKey.data(), kKey.size(), 0, "CBC", kIv.data());
    Bytes block = data;
    ASSERT_EQ(bf_BlockEnc(h, block.data()), 0);
    EXPECT_EQ(block, expected);
    ASSERT_EQ(bf_BlockDec(h, block.data()), 0);
    EXPECT_EQ(block, data);
    ASSERT_EQ(BLF_Ecb(h, block.data(), 8, -1), 0);
    EXPECT_EQ(block, expected);
    EXPECT_EQ(BLF_Ecb(h, block.data(), 9, -1), 8);
    // Hex forms write back in place, upper case.
    std::string text = to_hex(data);
    for (auto& ch : text) ch = char(std::tolower(ch));
    ASSERT_EQ(BLF_EcbHex(h, text.data(), 1), 0);
    EXPECT_EQ(text, to_hex(expected));
    EXPECT_EQ(BLF_EcbHex(h, nullptr, 1), 39);
    char bad[] = "xy00";
    EXPECT_EQ(BLF_EcbHex(h, bad, 1), 50);
    char odd[] = "0011223344";
    EXPECT_EQ(BLF_EcbHex(h, odd, 1), 8);
    EXPECT_STREQ(odd, "0011223344");
    // The context's own mode and direction for the update forms.
    std::string ct = to_hex(openssl_bf(1, kKey, kIv, data, true));
    ASSERT_EQ(BLF_UpdateHex(h, ct.data()), 0);
    EXPECT_EQ(ct, to_hex(data));
    EXPECT_EQ(BLF_UpdateHex(h + 1, ct.data()), 64);
    EXPECT_EQ(BLF_Final(h), 0);
    EXPECT_EQ(BLF_EcbHex(h, text.data(), 1), 64);
}

}  // namespace
