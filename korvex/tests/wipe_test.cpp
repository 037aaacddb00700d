// Every state, key, vector and data copy an export makes is zero-filled
// before it is released, on success and on failure. The test build reports
// each sensitive region when it is made and each wipe; at the wipe the
// region is still alive, so its bytes can be read safely.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>

#include "blowfish.h"
#include "exports_internal.h"
#include "korvex.h"
#include "test_util.h"
#include "wipe.h"

using namespace kxtest;

namespace {

struct Tracker {
    std::map<uintptr_t, size_t> live;  // tracked and not yet wiped
    size_t tracked = 0;
    bool wiped_nonzero = false;
};
Tracker* g_tracker = nullptr;

void observe(korvex::testing::Event event, uintptr_t address, size_t n) {
    if (g_tracker == nullptr) return;
    if (event == korvex::testing::kTrack) {
        g_tracker->live[address] = n;
        ++g_tracker->tracked;
        return;
    }
    const auto* p = reinterpret_cast<const uint8_t*>(address);
    for (size_t i = 0; i < n; ++i)
        if (p[i] != 0) g_tracker->wiped_nonzero = true;
    auto it = g_tracker->live.find(address);
    if (it != g_tracker->live.end() && n >= it->second) g_tracker->live.erase(it);
}

// Runs one export call and checks that everything it tracked was wiped.
void expect_all_wiped(const std::string& what, const std::function<int()>& call, int expected_rc) {
    Tracker t;
    g_tracker = &t;
    korvex::testing::set_observer(observe);
    const int rc = call();
    korvex::testing::set_observer(nullptr);
    g_tracker = nullptr;
    EXPECT_EQ(rc, expected_rc) << what;
    EXPECT_GT(t.tracked, 0u) << what << ": nothing was tracked";
    EXPECT_TRUE(t.live.empty()) << what << ": " << t.live.size() << " region(s) released unwiped";
    EXPECT_FALSE(t.wiped_nonzero) << what;
}

bool all_zero(const void* p, size_t n) {
    const auto* b = static_cast<const uint8_t*>(p);
    for (size_t i = 0; i < n; ++i)
        if (b[i] != 0) return false;
    return true;
}

TEST(Wipe, OneShotExportsOnEveryPath) {
    TempDir dir;
    const std::string plain = dir.path("p"), enc = dir.path("e"), dec = dir.path("d");
    std::mt19937 rng(51);
    write_file(plain, random_bytes(rng, 70000));
    const Bytes key = random_bytes(rng, 16), iv = random_bytes(rng, 8), data = random_bytes(rng, 21);
    const std::string kh = to_hex(key), ih = to_hex(iv), kb = to_base64(key), ib = to_base64(iv);
    Bytes out(64);
    std::string hex = to_hex(data);
    std::string b64 = to_base64(data);
    std::vector<char> b64out(b64.size() + 1);

    expect_all_wiped("BytesMode CFB", [&] { return BLF_BytesMode(out.data(), data.data(), 21, key.data(), 16, 1, "CFB", iv.data()); }, 0);
    expect_all_wiped("BytesMode length", [&] { return BLF_BytesMode(out.data(), data.data(), 21, key.data(), 16, 1, "CBC", iv.data()); }, 8);
    expect_all_wiped("HexMode OFB", [&] { return BLF_HexMode(hex.data(), hex.c_str(), kh.c_str(), 1, "OFB", ih.c_str()); }, 0);
    expect_all_wiped("HexMode bad vector", [&] { return BLF_HexMode(hex.data(), hex.c_str(), kh.c_str(), 1, "OFB", "00"); }, 50);
    expect_all_wiped("HexMode length", [&] { return BLF_HexMode(hex.data(), hex.c_str(), kh.c_str(), 1, "CBC", ih.c_str()); }, 8);
    expect_all_wiped("B64Mode CFB", [&] { return BLF_B64Mode(b64out.data(), b64.c_str(), kb.c_str(), 0, "CFB", ib.c_str()); }, 0);
    expect_all_wiped("B64Mode mode", [&] { return BLF_B64Mode(b64out.data(), b64.c_str(), kb.c_str(), 0, "?", ib.c_str()); }, 35);
    expect_all_wiped("FileHex enc", [&] { return BLF_FileHex(enc.c_str(), plain.c_str(), kh.c_str(), -1, "CBC", ih.c_str()); }, 0);
    expect_all_wiped("FileHex dec", [&] { return BLF_FileHex(dec.c_str(), enc.c_str(), kh.c_str(), 0, "CBC", ih.c_str()); }, 0);
    write_file(dir.path("short"), Bytes(5, 1));
    expect_all_wiped("FileHex short ciphertext", [&] { return BLF_FileHex(dec.c_str(), dir.path("short").c_str(), kh.c_str(), 0, "CBC", ih.c_str()); }, 18);
    expect_all_wiped("FileHex missing input", [&] { return BLF_FileHex(enc.c_str(), dir.path("none").c_str(), kh.c_str(), -1, "CBC", ih.c_str()); }, 1);
    expect_all_wiped("FileHex mode", [&] { return BLF_FileHex(enc.c_str(), plain.c_str(), kh.c_str(), -1, "?", ih.c_str()); }, 35);
    expect_all_wiped("FileB64 OFB", [&] { return BLF_FileB64(enc.c_str(), plain.c_str(), kb.c_str(), -1, "OFB", ib.c_str()); }, 0);
    expect_all_wiped("File raw 33", [&] { return BLF_File(enc.c_str(), plain.c_str(), key.data(), 57, -1, "CBC", iv.data()); }, 33);
    expect_all_wiped("bf_FileEnc", [&] { return bf_FileEnc(enc.c_str(), plain.c_str(), key.data(), 16); }, 0);
    expect_all_wiped("PC1_Bytes", [&] { return PC1_Bytes(out.data(), data.data(), 21, key.data(), 16); }, 0);
    expect_all_wiped("PC1_File", [&] { return PC1_File(enc.c_str(), plain.c_str(), key.data(), 16); }, 0);
}

TEST(Wipe, StreamingContextAfterFinalAndFailedInit) {
    korvex::BlowfishState* ctx = korvex::internal::streaming_context();
    const Bytes key(16, 0x33), iv(8, 0x44);
    int h = BLF_Init(key.data(), 16, 1, "CBC", iv.data());
    ASSERT_NE(h, 0);
    Bytes data(64, 1);
    ASSERT_EQ(BLF_Update(h, data.data(), 64), 0);
    EXPECT_FALSE(all_zero(ctx, sizeof *ctx));
    ASSERT_EQ(BLF_Final(h), 0);
    EXPECT_TRUE(all_zero(ctx, sizeof *ctx));

    h = BLF_InitHex("00112233", 1, "OFB", "0011223344556677");
    ASSERT_NE(h, 0);
    const Bytes long_key(57, 1);
    EXPECT_EQ(BLF_Init(long_key.data(), 57, 1, "OFB", iv.data()), 0);
    EXPECT_TRUE(all_zero(ctx, sizeof *ctx)) << "a failed init leaves no key material behind";

    expect_all_wiped("InitHex copies", [&] { return BLF_InitHex("00112233", 1, "OFB", "0011223344556677") != 0 ? 0 : 1; }, 0);
    expect_all_wiped("UpdateHex buffer", [&] {
        std::string t = "00112233445566778899";
        return BLF_UpdateHex(BLF_InitHex("00112233", 1, "OFB", "0011223344556677"), t.data());
    }, 0);
    BLF_Final(h);
}

}  // namespace
