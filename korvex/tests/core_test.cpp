// Blowfish core: the initial tables, published known answers and the key
// schedule's properties.
#include <gtest/gtest.h>

#include <cstring>

#include "blowfish.h"
#include "korvex.h"
#include "test_util.h"

using namespace kxtest;

namespace {

// Fixed-point number: word 0 is the integer part, the rest fraction words,
// most significant first. Enough for pi by Machin's formula.
using Fixed = std::vector<uint32_t>;

void div_small(Fixed& a, uint32_t d) {
    uint64_t rem = 0;
    for (auto& w : a) {
        const uint64_t cur = (rem << 32) | w;
        w = uint32_t(cur / d);
        rem = cur % d;
    }
}
void mul_small(Fixed& a, uint32_t m) {
    uint64_t carry = 0;
    for (size_t i = a.size(); i-- > 0;) {
        const uint64_t cur = uint64_t(a[i]) * m + carry;
        a[i] = uint32_t(cur);
        carry = cur >> 32;
    }
}
void add_to(Fixed& a, const Fixed& b, bool subtract) {
    int64_t carry = 0;
    for (size_t i = a.size(); i-- > 0;) {
        int64_t cur = int64_t(a[i]) + (subtract ? -int64_t(b[i]) : int64_t(b[i])) + carry;
        carry = cur < 0 ? -1 : (cur >> 32);
        a[i] = uint32_t(cur);
    }
}
bool is_zero(const Fixed& a) {
    for (auto w : a) if (w != 0) return false;
    return true;
}
Fixed arctan_inv(uint32_t x, size_t words) {
    Fixed sum(words, 0), term(words, 0), part;
    term[0] = 1;
    div_small(term, x);
    sum = term;
    bool subtract = true;
    for (uint32_t k = 3; !is_zero(term); k += 2, subtract = !subtract) {
        div_small(term, x * x);
        part = term;
        div_small(part, k);
        add_to(sum, part, subtract);
    }
    return sum;
}

TEST(BlowfishCore, InitialTablesAreTheHexDigitsOfPi) {
    const size_t words = 1 + 18 + 1024 + 6;  // integer part, tables, guard words
    Fixed pi = arctan_inv(5, words);
    mul_small(pi, 16);
    Fixed b = arctan_inv(239, words);
    mul_small(b, 4);
    add_to(pi, b, true);
    ASSERT_EQ(pi[0], 3u);
    for (int i = 0; i < 18; ++i) ASSERT_EQ(korvex::kInitialP[i], pi[1 + i]) << "P" << i;
    for (int s = 0; s < 4; ++s)
        for (int i = 0; i < 256; ++i)
            ASSERT_EQ(korvex::kInitialS[s][i], pi[1 + 18 + 256 * s + i]) << "S" << s << "[" << i << "]";
}

struct EcbVector {
    const char* key;
    const char* plain;
    const char* cipher;
};

// The published 8-byte-key set.
const EcbVector kEcbVectors[] = {
    {"0000000000000000", "0000000000000000", "4EF997456198DD78"},
    {"FFFFFFFFFFFFFFFF", "FFFFFFFFFFFFFFFF", "51866FD5B85ECB8A"},
    {"3000000000000000", "1000000000000001", "7D856F9A613063F2"},
    {"1111111111111111", "1111111111111111", "2466DD878B963C9D"},
    {"0123456789ABCDEF", "1111111111111111", "61F9C3802281B096"},
    {"1111111111111111", "0123456789ABCDEF", "7D0CC630AFDA1EC7"},
    {"FEDCBA9876543210", "0123456789ABCDEF", "0ACEAB0FC6A0A28D"},
    {"7CA110454A1A6E57", "01A1D6D039776742", "59C68245EB05282B"},
    {"0131D9619DC1376E", "5CD54CA83DEF57DA", "B1B8CC0B250F09A0"},
    {"07A1133E4A0B2686", "0248D43806F67172", "1730E5778BEA1DA4"},
    {"3849674C2602319E", "51454B582DDF440A", "A25E7856CF2651EB"},
    {"04B915BA43FEB5B6", "42FD443059577FA2", "353882B109CE8F1A"},
    {"0113B970FD34F2CE", "059B5E0851CF143A", "48F4D0884C379918"},
    {"0170F175468FB5E6", "0756D8E0774761D2", "432193B78951FC98"},
    {"43297FAD38E373FE", "762514B829BF486A", "13F04154D69D1AE5"},
    {"07A7137045DA2A16", "3BDD119049372802", "2EEDDA93FFD39C79"},
    {"04689104C2FD3B2F", "26955F6835AF609A", "D887E0393C2DA6E3"},
    {"37D06BB516CB7546", "164D5E404F275232", "5F99D04F5B163969"},
    {"1F08260D1AC2465E", "6B056E18759F5CCA", "4A057A3B24D3977B"},
    {"584023641ABA6176", "004BD6EF09176062", "452031C1E4FADA8E"},
    {"025816164629B007", "480D39006EE762F2", "7555AE39F59B87BD"},
    {"49793EBC79B3258F", "437540C8698F3CFA", "53C55F9CB49FC019"},
    {"4FB05E1515AB73A7", "072D43A077075292", "7A8E7BFA937E89A3"},
    {"49E95D6D4CA229BF", "02FE55778117F12A", "CF9C5D7A4986ADB5"},
    {"018310DC409B26D6", "1D9D5C5018F728C2", "D1ABB290658BC778"},
    {"1C587F1C13924FEF", "305532286D6F295A", "55CB3774D13EF201"},
    {"0101010101010101", "0123456789ABCDEF", "FA34EC4847B268B2"},
    {"1F1F1F1F0E0E0E0E", "0123456789ABCDEF", "A790795108EA3CAE"},
    {"E0FEE0FEF1FEF1FE", "0123456789ABCDEF", "C39E072D9FAC631D"},
    {"0000000000000000", "FFFFFFFFFFFFFFFF", "014933E0CDAFF6E4"},
    {"FFFFFFFFFFFFFFFF", "0000000000000000", "F21E9A77B71C49BC"},
    {"0123456789ABCDEF", "0000000000000000", "245946885754369A"},
    {"FEDCBA9876543210", "FFFFFFFFFFFFFFFF", "6B5C5A9C5D9E0A5A"},
};

TEST(BlowfishKnownAnswers, EcbWithEightByteKeys) {
    for (const auto& v : kEcbVectors) {
        const Bytes key = from_hex(v.key), plain = from_hex(v.plain), cipher = from_hex(v.cipher);
        Bytes out(8), back(8);
        ASSERT_EQ(BLF_Bytes(out.data(), plain.data(), 8, key.data(), key.size(), 1), 0);
        EXPECT_EQ(to_hex(out), v.cipher) << "key " << v.key;
        ASSERT_EQ(BLF_Bytes(back.data(), cipher.data(), 8, key.data(), key.size(), 0), 0);
        EXPECT_EQ(to_hex(back), v.plain) << "key " << v.key;
    }
}

TEST(BlowfishKnownAnswers, VariableKeyLength) {
    // Key prefixes of 1 to 24 bytes, one plaintext.
    const Bytes key = from_hex("F0E1D2C3B4A5968778695A4B3C2D1E0F0011223344556677");
    const Bytes plain = from_hex("FEDCBA9876543210");
    const char* expected[24] = {
        "F9AD597C49DB005E", "E91D21C1D961A6D6", "E9C2B70A1BC65CF3", "BE1E639408640F05",
        "B39E44481BDB1E6E", "9457AA83B1928C0D", "8BB77032F960629D", "E87A244E2CC85E82",
        "15750E7A4F4EC577", "122BA70B3AB64AE0", "3A833C9AFFC537F6", "9409DA87A90F6BF2",
        "884F80625060B8B4", "1F85031C19E11968", "79D9373A714CA34F", "93142887EE3BE15C",
        "03429E838CE2D14B", "A4299E27469FF67B", "AFD5AED1C1BC96A8", "10851C0E3858DA9F",
        "E6F51ED79B9DB21F", "64A6E14AFD36B46F", "80C7D7D45A5479AD", "05044B62FA52D080"};
    for (size_t n = 1; n <= 24; ++n) {
        Bytes out(8);
        ASSERT_EQ(BLF_Bytes(out.data(), plain.data(), 8, key.data(), n, -1), 0);
        EXPECT_EQ(to_hex(out), expected[n - 1]) << "key length " << n;
    }
}

TEST(BlowfishKnownAnswers, ChainedModes) {
    const Bytes key = from_hex("0123456789ABCDEFF0E1D2C3B4A59687");
    const Bytes iv = from_hex("FEDCBA9876543210");
    const std::string text = "7654321 Now is the time for ";
    Bytes data(text.begin(), text.end());
    data.push_back(0);  // 29 bytes, the terminating zero included
    Bytes padded = data;
    padded.resize(32, 0);

    Bytes out(32);
    ASSERT_EQ(BLF_BytesMode(out.data(), padded.data(), 32, key.data(), key.size(), 1, "CBC", iv.data()), 0);
    EXPECT_EQ(to_hex(out), "6B77B4D63006DEE605B156E27403979358DEB9E7154616D959F1652BD5FF92CC");

    out.assign(29, 0);
    ASSERT_EQ(BLF_BytesMode(out.data(), data.data(), 29, key.data(), key.size(), 1, "CFB", iv.data()), 0);
    EXPECT_EQ(to_hex(out), "E73214A2822139CAF26ECF6D2EB9E76E3DA3DE04D1517200519D57A6C3");
    Bytes back(29);
    ASSERT_EQ(BLF_BytesMode(back.data(), out.data(), 29, key.data(), key.size(), 0, "CFB", iv.data()), 0);
    EXPECT_EQ(back, data);

    ASSERT_EQ(BLF_BytesMode(out.data(), data.data(), 29, key.data(), key.size(), 1, "OFB", iv.data()), 0);
    EXPECT_EQ(to_hex(out), "E73214A2822139CA62B343CC5B65587310DD908D0C241B2263C2CF80DA");
}

TEST(BlowfishKeySchedule, KeyPositionRunsOnAcrossWords) {
    std::mt19937 rng(7);
    const Bytes plain = random_bytes(rng, 64);
    // A key and the same key repeated give the same schedule, also for
    // lengths that do not divide 4.
    for (size_t n : {1u, 3u, 5u, 8u, 13u, 28u}) {
        const Bytes key = random_bytes(rng, n);
        Bytes twice = key;
        twice.insert(twice.end(), key.begin(), key.end());
        Bytes a(64), b(64);
        ASSERT_EQ(BLF_Bytes(a.data(), plain.data(), 64, key.data(), n, 1), 0);
        ASSERT_EQ(BLF_Bytes(b.data(), plain.data(), 64, twice.data(), twice.size(), 1), 0);
        EXPECT_EQ(a, b) << "key length " << n;
    }
    // One byte fills every key word with itself four times.
    const uint8_t one = 0x5A;
    const Bytes four(4, 0x5A);
    Bytes a(8), b(8);
    ASSERT_EQ(BLF_Bytes(a.data(), plain.data(), 8, &one, 1, 1), 0);
    ASSERT_EQ(BLF_Bytes(b.data(), plain.data(), 8, four.data(), 4, 1), 0);
    EXPECT_EQ(a, b);
}

TEST(BlowfishKeySchedule, KeyLengthLimits) {
    const Bytes key(57, 0x42), plain(8, 1);
    Bytes out(8, 0xEE);
    EXPECT_EQ(BLF_Bytes(out.data(), plain.data(), 8, key.data(), 56, 1), 0);
    out.assign(8, 0xEE);
    EXPECT_EQ(BLF_Bytes(out.data(), plain.data(), 8, key.data(), 57, 1), 33);
    EXPECT_EQ(out, Bytes(8, 0xEE)) << "a refused key must write nothing";
    // An empty or missing key is refused instead of read.
    EXPECT_EQ(BLF_Bytes(out.data(), plain.data(), 8, key.data(), 0, 1), 33);
    EXPECT_EQ(BLF_Bytes(out.data(), plain.data(), 8, nullptr, 8, 1), 33);
    EXPECT_EQ(out, Bytes(8, 0xEE));
}

TEST(BlowfishCore, BlocksAreBigEndianWords) {
    // Driving the block function with words and the export with bytes must
    // agree when the bytes are taken most significant first.
    const Bytes key = from_hex("0123456789ABCDEF");
    korvex::BlowfishState st;
    ASSERT_EQ(korvex::init_ecb(&st, key.data(), key.size(), 1), 0);
    uint32_t l = 0x11111111, r = 0x11111111;
    korvex::encipher_block(&st, &l, &r);
    EXPECT_EQ(l, 0x61F9C380u);
    EXPECT_EQ(r, 0x2281B096u);
    korvex::decipher_block(&st, &l, &r);
    EXPECT_EQ(l, 0x11111111u);
    EXPECT_EQ(r, 0x11111111u);
    EXPECT_EQ(korvex::init_ecb(&st, key.data(), 57, 1), 33);
}

}  // namespace
