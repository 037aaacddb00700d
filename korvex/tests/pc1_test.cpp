// PC1 against RFC 6229 and OpenSSL's RC4.
#include <gtest/gtest.h>

#include <unistd.h>

#include "korvex.h"
#include "test_util.h"

using namespace kxtest;

namespace {

TEST(Pc1, Rfc6229KeyStreams) {
    struct { const char* key; const char* offset0; const char* offset16; } v[] = {
        {"0102030405", "B2396305F03DC027CCC3524A0A1118A8", "6982944F18FC82D589C403A47A0D0919"},
        {"0102030405060708", "97AB8A1BF0AFB96132F2F67258DA15A8", nullptr},
        {"0102030405060708090A0B0C0D0E0F10", "9AC7CC9A609D1EF7B2932899CDE41B97", nullptr},
    };
    for (const auto& c : v) {
        const Bytes key = from_hex(c.key);
        const Bytes zeros(32, 0);
        Bytes out(32);
        ASSERT_EQ(PC1_Bytes(out.data(), zeros.data(), 32, key.data(), key.size()), 0);
        EXPECT_EQ(to_hex(Bytes(out.begin(), out.begin() + 16)), c.offset0) << c.key;
        if (c.offset16 != nullptr) EXPECT_EQ(to_hex(Bytes(out.begin() + 16, out.end())), c.offset16);
    }
}

TEST(Pc1, MatchesOpenSslRc4) {
    std::mt19937 rng(41);
    std::uniform_int_distribution<size_t> key_len(1, 300);
    std::vector<size_t> lengths;
    for (size_t n = 0; n <= 70; ++n) lengths.push_back(n);
    for (size_t n : {255u, 256u, 257u, 1000u, 65536u + 3}) lengths.push_back(n);
    for (size_t n : lengths) {
        const Bytes key = random_bytes(rng, key_len(rng)), data = random_bytes(rng, n);
        Bytes out(n);
        ASSERT_EQ(PC1_Bytes(out.data(), data.data(), n, key.data(), key.size()), 0);
        ASSERT_EQ(out, openssl_rc4(key, data)) << "length " << n << " key " << key.size();
        ASSERT_EQ(PC1_Bytes(out.data(), out.data(), n, key.data(), key.size()), 0);
        ASSERT_EQ(out, data);
    }
}

TEST(Pc1, KeyIsUsedCyclicallyAndRefusedWhenEmpty) {
    std::mt19937 rng(42);
    const Bytes key = random_bytes(rng, 5), data = random_bytes(rng, 64);
    Bytes twice = key;
    twice.insert(twice.end(), key.begin(), key.end());
    Bytes a(64), b(64);
    ASSERT_EQ(PC1_Bytes(a.data(), data.data(), 64, key.data(), 5), 0);
    ASSERT_EQ(PC1_Bytes(b.data(), data.data(), 64, twice.data(), 10), 0);
    EXPECT_EQ(a, b);
    Bytes untouched(64, 0xEE);
    EXPECT_EQ(PC1_Bytes(untouched.data(), data.data(), 64, key.data(), 0), 48);
    EXPECT_EQ(PC1_Bytes(untouched.data(), data.data(), 64, nullptr, 5), 48);
    EXPECT_EQ(untouched, Bytes(64, 0xEE));
    EXPECT_EQ(PC1_Bytes(nullptr, data.data(), 64, key.data(), 5), 39);
}

TEST(Pc1, Files) {
    TempDir dir;
    std::mt19937 rng(43);
    const std::string plain = dir.path("p"), enc = dir.path("e"), dec = dir.path("d");
    const Bytes key = random_bytes(rng, 16);
    for (size_t n : {0u, 1u, 32767u, 32768u, 100001u}) {
        const Bytes data = random_bytes(rng, n);
        write_file(plain, data);
        ASSERT_EQ(PC1_File(enc.c_str(), plain.c_str(), key.data(), key.size()), 0);
        ASSERT_EQ(read_file(enc), openssl_rc4(key, data)) << n;
        ASSERT_EQ(PC1_File(dec.c_str(), enc.c_str(), key.data(), key.size()), 0);
        ASSERT_EQ(read_file(dec), data);
    }
    const std::string missing = dir.path("missing");
    EXPECT_EQ(PC1_File(enc.c_str(), missing.c_str(), key.data(), key.size()), 1);
    EXPECT_EQ(PC1_File(dir.path("x/y").c_str(), plain.c_str(), key.data(), key.size()), 2);
    EXPECT_EQ(PC1_File(plain.c_str(), plain.c_str(), key.data(), key.size()), 2);
    EXPECT_EQ(PC1_File(dir.path("new").c_str(), plain.c_str(), key.data(), 0), 48);
    EXPECT_FALSE(file_exists(dir.path("new")));
    if (::access("/dev/full", W_OK) == 0)
        EXPECT_EQ(PC1_File("/dev/full", plain.c_str(), key.data(), key.size()), 4);
}

}  // namespace
