// Every mode of the byte, text and file exports against OpenSSL's libcrypto
// on random keys (1-56 bytes), vectors and data of every length 0-64 and a
// few large ones.
#include <gtest/gtest.h>

#include "korvex.h"
#include "modes.h"
#include "test_util.h"

using namespace kxtest;

namespace {

const char* kModeNames[4] = {"ECB", "CBC", "CFB", "OFB"};

std::vector<size_t> lengths() {
    std::vector<size_t> v;
    for (size_t n = 0; n <= 64; ++n) v.push_back(n);
    for (size_t n : {1000u, 4096u + 3, 32768u, 32768u + 8, 65536u + 5, 200000u}) v.push_back(n);
    return v;
}

struct Case {
    Bytes key, iv, data;
};

Case random_case(std::mt19937& rng, size_t n) {
    std::uniform_int_distribution<size_t> key_len(1, 56);
    return {random_bytes(rng, key_len(rng)), random_bytes(rng, 8), random_bytes(rng, n)};
}

bool whole_blocks(int mode, size_t n) { return mode >= 2 || n % 8 == 0; }

TEST(AgainstOpenSsl, ByteExportsEveryMode) {
    on_every_kernel([] {
        std::mt19937 rng(11);
        for (int mode = 0; mode < 4; ++mode) {
            for (size_t n : lengths()) {
                const Case c = random_case(rng, n);
                SCOPED_TRACE(std::string(kModeNames[mode]) + " length " + std::to_string(n));
                Bytes out(n, 0xEE);
                const int rc = BLF_BytesMode(out.data(), c.data.data(), n, c.key.data(), c.key.size(), -1,
                                             kModeNames[mode], c.iv.data());
                if (!whole_blocks(mode, n)) {
                    EXPECT_EQ(rc, 8);
                    EXPECT_EQ(out, Bytes(n, 0xEE));
                    continue;
                }
                ASSERT_EQ(rc, 0);
                const Bytes expected = openssl_bf(mode, c.key, c.iv, c.data, true);
                ASSERT_EQ(out, expected);
                // Deciphering in place gives the data back.
                ASSERT_EQ(BLF_BytesMode(out.data(), out.data(), n, c.key.data(), c.key.size(), 0,
                                        kModeNames[mode], c.iv.data()),
                          0);
                ASSERT_EQ(out, c.data);
                if (mode == 0) {
                    Bytes e(n);
                    ASSERT_EQ(bf_StringEnc(e.data(), c.data.data(), n, c.key.data(), c.key.size()), 0);
                    ASSERT_EQ(e, expected);
                    ASSERT_EQ(bf_StringDec(e.data(), e.data(), n, c.key.data(), c.key.size()), 0);
                    ASSERT_EQ(e, c.data);
                }
            }
        }
    });
}

TEST(AgainstOpenSsl, HexAndBase64ExportsEveryMode) {
    std::mt19937 rng(12);
    for (int mode = 0; mode < 4; ++mode) {
        for (size_t n : lengths()) {
            if (n == 0 || n > 70000) continue;  // empty data has its own result code
            const Case c = random_case(rng, n);
            SCOPED_TRACE(std::string(kModeNames[mode]) + " length " + std::to_string(n));
            const std::string key_hex = to_hex(c.key), iv_hex = to_hex(c.iv);
            std::string text = to_hex(c.data);
            const int rc = mode == 0 && (n % 3 == 0)
                               ? BLF_Hex(text.data(), text.c_str(), key_hex.c_str(), 1)
                               : BLF_HexMode(text.data(), text.c_str(), key_hex.c_str(), 1,
                                             kModeNames[mode], iv_hex.c_str());
            if (!whole_blocks(mode, n)) {
                EXPECT_EQ(rc, 8);
                EXPECT_EQ(text, to_hex(c.data)) << "nothing written on failure";
                continue;
            }
            ASSERT_EQ(rc, 0);
            const Bytes expected = openssl_bf(mode, c.key, c.iv, c.data, true);
            ASSERT_EQ(text, to_hex(expected));
            ASSERT_EQ(BLF_HexMode(text.data(), text.c_str(), key_hex.c_str(), 0, kModeNames[mode],
                                  iv_hex.c_str()),
                      0);
            ASSERT_EQ(text, to_hex(c.data));

            const std::string b64 = to_base64(c.data);
            std::vector<char> out(b64.size() + 1, 'x');
            ASSERT_EQ(BLF_B64Mode(out.data(), b64.c_str(), to_base64(c.key).c_str(), 1,
                                  kModeNames[mode], to_base64(c.iv).c_str()),
                      0);
            ASSERT_EQ(std::string(out.data()), to_base64(expected));
            std::vector<char> back(b64.size() + 1, 'x');
            ASSERT_EQ(BLF_B64Mode(back.data(), out.data(), to_base64(c.key).c_str(), 0,
                                  kModeNames[mode], to_base64(c.iv).c_str()),
                      0);
            ASSERT_EQ(std::string(back.data()), b64);
        }
    }
}

TEST(AgainstOpenSsl, FileExportsEveryMode) {
    std::mt19937 rng(13);
    TempDir dir;
    const std::string plain = dir.path("plain"), enc = dir.path("enc"), dec = dir.path("dec");
    for (int mode = 0; mode < 4; ++mode) {
        for (size_t n : lengths()) {
            const Case c = random_case(rng, n);
            SCOPED_TRACE(std::string(kModeNames[mode]) + " length " + std::to_string(n));
            write_file(plain, c.data);
            const Bytes expected = mode <= 1 ? openssl_bf(mode, c.key, c.iv, pkcs5_pad(c.data), true)
                                             : openssl_bf(mode, c.key, c.iv, c.data, true);
            const std::string key_hex = to_hex(c.key), iv_hex = to_hex(c.iv);
            const std::string key_b64 = to_base64(c.key), iv_b64 = to_base64(c.iv);

            ASSERT_EQ(BLF_File(enc.c_str(), plain.c_str(), c.key.data(), c.key.size(), -1,
                               kModeNames[mode], c.iv.data()),
                      0);
            ASSERT_EQ(read_file(enc), expected);
            ASSERT_EQ(BLF_File(dec.c_str(), enc.c_str(), c.key.data(), c.key.size(), 0,
                               kModeNames[mode], c.iv.data()),
                      0);
            ASSERT_EQ(read_file(dec), c.data);

            ASSERT_EQ(BLF_FileHex(enc.c_str(), plain.c_str(), key_hex.c_str(), -1, kModeNames[mode],
                                  iv_hex.c_str()),
                      0);
            ASSERT_EQ(read_file(enc), expected);
            ASSERT_EQ(BLF_FileHex(dec.c_str(), enc.c_str(), key_hex.c_str(), 0, kModeNames[mode],
                                  iv_hex.c_str()),
                      0);
            ASSERT_EQ(read_file(dec), c.data);

            ASSERT_EQ(BLF_FileB64(enc.c_str(), plain.c_str(), key_b64.c_str(), 1, kModeNames[mode],
                                  iv_b64.c_str()),
                      0);
            ASSERT_EQ(read_file(enc), expected);
            ASSERT_EQ(BLF_FileB64(dec.c_str(), enc.c_str(), key_b64.c_str(), 0, kModeNames[mode],
                                  iv_b64.c_str()),
                      0);
            ASSERT_EQ(read_file(dec), c.data);

            if (mode == 0) {
                ASSERT_EQ(bf_FileEnc(enc.c_str(), plain.c_str(), c.key.data(), c.key.size()), 0);
                ASSERT_EQ(read_file(enc), expected);
                ASSERT_EQ(bf_FileDec(dec.c_str(), enc.c_str(), c.key.data(), c.key.size()), 0);
                ASSERT_EQ(read_file(dec), c.data);
            }
        }
    }
}

TEST(AgainstOpenSsl, StreamingMatchesOneLongMessage) {
    // The chaining register carries across calls: uneven whole-block pieces
    // in CBC, and pieces in CFB/OFB that are whole blocks until the last.
    std::mt19937 rng(14);
    for (int mode = 0; mode < 4; ++mode) {
        const Case c = random_case(rng, 8 * 97 + 5 * (mode >= 2));
        const Bytes expected = openssl_bf(mode, c.key, c.iv, c.data, true);
        const int h = BLF_Init(c.key.data(), c.key.size(), 1, kModeNames[mode], c.iv.data());
        ASSERT_NE(h, 0);
        Bytes buf = c.data;
        size_t pos = 0;
        std::uniform_int_distribution<size_t> blocks(0, 12);
        while (buf.size() - pos >= 8) {
            const size_t take = std::min(8 * blocks(rng), (buf.size() - pos) / 8 * 8);
            ASSERT_EQ(BLF_Update(h, buf.data() + pos, take), 0);
            pos += take;
        }
        ASSERT_EQ(BLF_Update(h, buf.data() + pos, buf.size() - pos), 0);
        EXPECT_EQ(buf, expected) << kModeNames[mode];
        ASSERT_EQ(BLF_Final(h), 0);
    }
}

}  // namespace
