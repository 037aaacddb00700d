// The shipped libkorvex.so.1 itself: its exports resolve and work.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

#include "korvex.h"

namespace {

TEST(SharedObject, BlockKnownAnswer) {
    const unsigned char key[8] = {0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF};
    const unsigned char plain[8] = {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11};
    const unsigned char expected[8] = {0x61, 0xF9, 0xC3, 0x80, 0x22, 0x81, 0xB0, 0x96};
    unsigned char out[8];
    ASSERT_EQ(BLF_Bytes(out, plain, 8, key, 8, -1), 0);
    EXPECT_EQ(std::vector<unsigned char>(out, out + 8), std::vector<unsigned char>(expected, expected + 8));
    const int h = bf_Init(key, 8);
    ASSERT_NE(h, 0);
    unsigned char block[8] = {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x11};
    ASSERT_EQ(bf_BlockEnc(h, block), 0);
    EXPECT_EQ(std::vector<unsigned char>(block, block + 8), std::vector<unsigned char>(expected, expected + 8));
    EXPECT_EQ(bf_Final(h), 0);
    EXPECT_EQ(BLF_Final(h), 64);
}

TEST(SharedObject, FileHexRoundTripAsTheProgramCallsIt) {
    char dir_template[] = "/tmp/korvex_so_XXXXXX";
    ASSERT_NE(mkdtemp(dir_template), nullptr);
    const std::string dir = dir_template;
    const std::string plain = dir + "/word.raw", enc = dir + "/word.str", dec = dir + "/word.out";
    std::vector<char> data(1000);
    for (size_t i = 0; i < data.size(); ++i) data[i] = char(i * 7 + 3);
    std::ofstream(plain, std::ios::binary).write(data.data(), std::streamsize(data.size()));
    const char* key = "00112233445566778899AABBCCDDEEFF";
    const char* iv = "0102030405060708";
    ASSERT_EQ(BLF_FileHex(enc.c_str(), plain.c_str(), key, -1, "CBC", iv), 0);
    std::ifstream e(enc, std::ios::binary);
    EXPECT_EQ(std::vector<char>(std::istreambuf_iterator<char>(e), {}).size(), 1008u);
    ASSERT_EQ(BLF_FileHex(dec.c_str(), enc.c_str(), key, 0, "CBC", iv), 0);
    std::ifstream d(dec, std::ios::binary);
    EXPECT_EQ(std::vector<char>(std::istreambuf_iterator<char>(d), {}), data);
    std::system(("rm -rf '" + dir + "'").c_str());
}

}  // namespace
