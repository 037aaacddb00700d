// PC1 against RFC 6229 and OpenSSL's RC4.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>

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

// Both loops, on buffers that start anywhere within a word, separate and in
// place: the loops run whole groups of eight from an aligned index and hand
// the rest to single steps, and mend the rare step whose swap writes the cell
// the next step has already read (many times over in the long cases).
TEST(Pc1, EveryLoopMatchesRc4AtEveryOffsetAndInPlace) {
    on_every_kernel([] {
        std::mt19937 rng(44);
        std::uniform_int_distribution<size_t> key_len(1, 300), offset(0, 7);
        std::vector<size_t> lengths;
        for (size_t n = 0; n <= 64; ++n) lengths.push_back(n);
        for (size_t n : {263u, 4096u + 5, 65536u + 3}) lengths.push_back(n);
        for (size_t n : lengths) {
            const Bytes key = random_bytes(rng, key_len(rng)), data = random_bytes(rng, n);
            const Bytes want = openssl_rc4(key, data);
            const size_t in_off = offset(rng), out_off = offset(rng);
            SCOPED_TRACE("length " + std::to_string(n) + " offsets " + std::to_string(in_off) + "/" +
                         std::to_string(out_off));
            Bytes in(n + 8, 0xA5), out(n + 16, 0x5A);
            std::copy(data.begin(), data.end(), in.begin() + long(in_off));
            ASSERT_EQ(PC1_Bytes(out.data() + out_off, in.data() + in_off, n, key.data(), key.size()), 0);
            ASSERT_EQ(Bytes(out.begin() + long(out_off), out.begin() + long(out_off + n)), want);
            // Nothing written outside the output.
            ASSERT_EQ(std::count(out.begin(), out.begin() + long(out_off), 0x5A), long(out_off));
            ASSERT_EQ(std::count(out.begin() + long(out_off + n), out.end(), 0x5A), long(16 - out_off));
            ASSERT_EQ(PC1_Bytes(in.data() + in_off, in.data() + in_off, n, key.data(), key.size()), 0);
            ASSERT_EQ(Bytes(in.begin() + long(in_off), in.begin() + long(in_off + n)), want);
        }
        // A file goes through in chunks: the state runs on across them.
        TempDir dir;
        const std::string plain = dir.path("p"), enc = dir.path("e");
        const Bytes key = random_bytes(rng, 7), data = random_bytes(rng, 2 * 32768 + 13);
        write_file(plain, data);
        ASSERT_EQ(PC1_File(enc.c_str(), plain.c_str(), key.data(), key.size()), 0);
        ASSERT_EQ(read_file(enc), openssl_rc4(key, data));
    });
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
