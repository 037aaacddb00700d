// The file exports: format, padding, order of checks and the file system's
// failures.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include "korvex.h"
#include "test_util.h"

using namespace kxtest;

namespace {

const char* kKeyHex = "0123456789ABCDEFFEDCBA9876543210";
const char* kIvHex = "A1B2C3D4E5F60718";

class FileExports : public ::testing::Test {
protected:
    TempDir dir;
    std::string plain = dir.path("plain.raw"), enc = dir.path("enc.str"), dec = dir.path("dec.raw");
    std::mt19937 rng{21};
    Bytes key = from_hex(kKeyHex), iv = from_hex(kIvHex);
};

TEST_F(FileExports, ThousandBytesBecomeThousandAndEightAndBack) {
    const Bytes data = random_bytes(rng, 1000);
    write_file(plain, data);
    ASSERT_EQ(BLF_FileHex(enc.c_str(), plain.c_str(), kKeyHex, -1, "CBC", kIvHex), 0);
    const Bytes cipher = read_file(enc);
    ASSERT_EQ(cipher.size(), 1008u);
    EXPECT_EQ(cipher, openssl_bf(1, key, iv, pkcs5_pad(data), true)) << "no header: bare CBC";
    ASSERT_EQ(BLF_FileHex(dec.c_str(), enc.c_str(), kKeyHex, 0, "CBC", kIvHex), 0);
    EXPECT_EQ(read_file(dec), data);
}

TEST_F(FileExports, PaddingLengths) {
    for (size_t n : {0u, 13u, 16u}) {
        const Bytes data = random_bytes(rng, n);
        write_file(plain, data);
        ASSERT_EQ(BLF_FileHex(enc.c_str(), plain.c_str(), kKeyHex, -1, "CBC", kIvHex), 0);
        const Bytes cipher = read_file(enc);
        ASSERT_EQ(cipher.size(), 8 * (n / 8 + 1)) << n;
        const Bytes raw = openssl_bf(1, key, iv, cipher, false);
        const size_t pad = 8 - n % 8;
        EXPECT_EQ(Bytes(raw.end() - pad, raw.end()), Bytes(pad, uint8_t(pad)));
        ASSERT_EQ(BLF_FileHex(dec.c_str(), enc.c_str(), kKeyHex, 0, "CBC", kIvHex), 0);
        EXPECT_EQ(read_file(dec), data);
    }
    // CFB and OFB files keep their length.
    const Bytes data = random_bytes(rng, 13);
    write_file(plain, data);
    for (const char* mode : {"CFB", "OFB"}) {
        ASSERT_EQ(BLF_FileHex(enc.c_str(), plain.c_str(), kKeyHex, -1, mode, kIvHex), 0);
        EXPECT_EQ(read_file(enc).size(), 13u);
        write_file(dir.path("empty"), {});
        ASSERT_EQ(BLF_FileHex(enc.c_str(), dir.path("empty").c_str(), kKeyHex, -1, mode, kIvHex), 0);
        EXPECT_EQ(read_file(enc).size(), 0u);
    }
}

TEST_F(FileExports, UnpaddingRules) {
    // A last byte of 0 keeps the whole last block.
    Bytes plain_blocks = random_bytes(rng, 16);
    plain_blocks[15] = 0;
    write_file(enc, openssl_bf(1, key, iv, plain_blocks, true));
    ASSERT_EQ(BLF_FileHex(dec.c_str(), enc.c_str(), kKeyHex, 0, "CBC", kIvHex), 0);
    EXPECT_EQ(read_file(dec), plain_blocks);
    // Bytes past the last whole block are ignored.
    const Bytes data = random_bytes(rng, 20);
    Bytes cipher = openssl_bf(0, key, {}, pkcs5_pad(data), true);
    cipher.push_back(0x55);
    cipher.push_back(0x66);
    write_file(enc, cipher);
    ASSERT_EQ(BLF_FileHex(dec.c_str(), enc.c_str(), kKeyHex, 0, "ECB", nullptr), 0);
    EXPECT_EQ(read_file(dec), data);
    // Shorter than a block, or empty: nothing to unpad, an empty output and 18.
    for (size_t n : {0u, 5u}) {
        write_file(enc, random_bytes(rng, n));
        write_file(dec, Bytes(3, 1));
        EXPECT_EQ(BLF_FileHex(dec.c_str(), enc.c_str(), kKeyHex, 0, "CBC", kIvHex), 18) << n;
        EXPECT_EQ(read_file(dec).size(), 0u);
    }
}

TEST_F(FileExports, WrongKeyGivesEighteenWithTheGarbledLastBlock) {
    const Bytes data = random_bytes(rng, 100);
    write_file(plain, data);
    ASSERT_EQ(BLF_FileHex(enc.c_str(), plain.c_str(), kKeyHex, -1, "CBC", kIvHex), 0);
    const Bytes cipher = read_file(enc);
    bool saw18 = false, saw0 = false;
    for (int k = 0; k < 200 && !(saw18 && saw0); ++k) {
        const Bytes wrong = random_bytes(rng, 16);
        const Bytes raw = openssl_bf(1, wrong, iv, cipher, false);
        const int rc = BLF_FileHex(dec.c_str(), enc.c_str(), to_hex(wrong).c_str(), 0, "CBC", kIvHex);
        const Bytes got = read_file(dec);
        if (raw.back() > 8) {
            EXPECT_EQ(rc, 18);
            EXPECT_EQ(got, raw) << "the whole last block is written";
            saw18 = true;
        } else {
            EXPECT_EQ(rc, 0);
            EXPECT_EQ(got, Bytes(raw.begin(), raw.end() - raw.back()));
            saw0 = true;
        }
    }
    EXPECT_TRUE(saw18);
}

TEST_F(FileExports, VectorAndModeChecks) {
    write_file(plain, random_bytes(rng, 40));
    EXPECT_EQ(BLF_FileHex(enc.c_str(), plain.c_str(), kKeyHex, -1, "CBC", "A1B2C3D4E5F607"), 51);
    EXPECT_EQ(BLF_FileHex(enc.c_str(), plain.c_str(), kKeyHex, -1, "CBC", ""), 51);
    EXPECT_EQ(BLF_FileHex(enc.c_str(), plain.c_str(), kKeyHex, -1, "CBC", nullptr), 51);
    EXPECT_EQ(BLF_FileHex(enc.c_str(), plain.c_str(), kKeyHex, -1, "XYZ", kIvHex), 35);
    EXPECT_EQ(BLF_FileHex(enc.c_str(), plain.c_str(), kKeyHex, -1, "XYZ", "zz"), 51) << "vector read first";
    EXPECT_EQ(BLF_FileHex(enc.c_str(), plain.c_str(), kKeyHex, -1, "XYZ", nullptr), 35);
    EXPECT_EQ(BLF_FileHex(enc.c_str(), plain.c_str(), "", -1, "XYZ", "zz"), 48) << "key read first";
    EXPECT_EQ(BLF_FileHex(enc.c_str(), plain.c_str(), nullptr, -1, "CBC", kIvHex), 48);
    EXPECT_EQ(BLF_FileB64(enc.c_str(), plain.c_str(), "ASNFZ4mrze8=", -1, "CBC", "ASNFZ4mr"), 51);
    EXPECT_EQ(BLF_FileB64(enc.c_str(), plain.c_str(), "%%", -1, "CBC", "ASNFZ4mrze8="), 48);
    EXPECT_FALSE(file_exists(enc)) << "nothing opened before the checks pass";
    // ECB ignores even an unreadable vector.
    EXPECT_EQ(BLF_FileHex(enc.c_str(), plain.c_str(), kKeyHex, -1, "ECB", "zz"), 0);
    // More than 16 digits: only the first 16 count.
    const std::string long_iv = std::string(kIvHex) + "FFFF";
    ASSERT_EQ(BLF_FileHex(enc.c_str(), plain.c_str(), kKeyHex, -1, "CBC", long_iv.c_str()), 0);
    const Bytes a = read_file(enc);
    ASSERT_EQ(BLF_FileHex(enc.c_str(), plain.c_str(), kKeyHex, -1, "CBC", kIvHex), 0);
    EXPECT_EQ(read_file(enc), a);
}

TEST_F(FileExports, RawKeyLimits) {
    write_file(plain, random_bytes(rng, 40));
    const Bytes key57(57, 9);
    EXPECT_EQ(BLF_File(enc.c_str(), plain.c_str(), key57.data(), 57, 1, "CBC", iv.data()), 33);
    EXPECT_EQ(BLF_File(enc.c_str(), plain.c_str(), key57.data(), 0, 1, "CBC", iv.data()), 33);
    EXPECT_EQ(BLF_File(enc.c_str(), plain.c_str(), key57.data(), 8, 1, "CBC", nullptr), 51);
    EXPECT_EQ(bf_FileEnc(enc.c_str(), plain.c_str(), key57.data(), 57), 33);
    EXPECT_FALSE(file_exists(enc));
    EXPECT_EQ(BLF_File(enc.c_str(), plain.c_str(), key57.data(), 56, 1, "CBC", iv.data()), 0);
}

TEST_F(FileExports, FileSystemFailures) {
    write_file(plain, random_bytes(rng, 40));
    // Missing input: 1 and no output created.
    EXPECT_EQ(BLF_FileHex(enc.c_str(), dir.path("missing").c_str(), kKeyHex, -1, "CBC", kIvHex), 1);
    EXPECT_FALSE(file_exists(enc));
    EXPECT_EQ(BLF_FileHex(enc.c_str(), nullptr, kKeyHex, -1, "CBC", kIvHex), 1);
    // A folder is not a readable file.
    EXPECT_EQ(BLF_FileHex(enc.c_str(), dir.path("").c_str(), kKeyHex, -1, "CBC", kIvHex), 1);
    EXPECT_FALSE(file_exists(enc));
    // Uncreatable output.
    EXPECT_EQ(BLF_FileHex(dir.path("no/such/dir").c_str(), plain.c_str(), kKeyHex, -1, "CBC", kIvHex), 2);
    EXPECT_EQ(BLF_FileHex(nullptr, plain.c_str(), kKeyHex, -1, "CBC", kIvHex), 2);
    // The output naming the input itself must not destroy the input.
    const Bytes before = read_file(plain);
    EXPECT_EQ(BLF_FileHex(plain.c_str(), plain.c_str(), kKeyHex, -1, "CBC", kIvHex), 2);
    const std::string alias = dir.path("alias");
    ASSERT_EQ(::symlink(plain.c_str(), alias.c_str()), 0);
    EXPECT_EQ(BLF_FileHex(alias.c_str(), plain.c_str(), kKeyHex, -1, "CBC", kIvHex), 2);
    EXPECT_EQ(read_file(plain), before);
    // A full device: the write failure is reported, not hidden.
    if (::access("/dev/full", W_OK) == 0) {
        EXPECT_EQ(BLF_FileHex("/dev/full", plain.c_str(), kKeyHex, -1, "CBC", kIvHex), 4);
        EXPECT_EQ(BLF_FileHex("/dev/full", plain.c_str(), kKeyHex, -1, "OFB", kIvHex), 4);
    }
}

TEST_F(FileExports, LargeFilesCrossTheReadChunks) {
    // Sizes around the internal chunk so the held-back block and the padding
    // land on every side of a chunk edge.
    for (size_t n : {32760u, 32767u, 32768u, 32769u, 32776u, 65536u, 65543u}) {
        const Bytes data = random_bytes(rng, n);
        write_file(plain, data);
        for (const char* mode : {"ECB", "CBC", "CFB", "OFB"}) {
            ASSERT_EQ(BLF_FileHex(enc.c_str(), plain.c_str(), kKeyHex, -1, mode, kIvHex), 0);
            ASSERT_EQ(BLF_FileHex(dec.c_str(), enc.c_str(), kKeyHex, 0, mode, kIvHex), 0);
            ASSERT_EQ(read_file(dec), data) << mode << " " << n;
        }
    }
}

}  // namespace
