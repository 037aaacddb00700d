// PC1: the ARCFOUR-compatible stream cipher, for byte arrays and files.
#include <cstring>

#include "file_io.h"
#include "korvex.h"
#include "wipe.h"

using namespace korvex;

namespace {

struct Pc1State {
    uint8_t S[256];
    uint8_t i;
    uint8_t j;
};

void pc1_setup(Pc1State* st, const uint8_t* key, size_t key_len) {
    for (int k = 0; k < 256; ++k) st->S[k] = uint8_t(k);
    uint8_t j = 0;
    size_t kpos = 0;
    for (int k = 0; k < 256; ++k) {
        const uint8_t t = st->S[k];
        j = uint8_t(j + t + key[kpos]);
        if (++kpos == key_len) kpos = 0;
        st->S[k] = st->S[j];
        st->S[j] = t;
    }
    st->i = 0;
    st->j = 0;
    j = 0;
}

// Eight key-stream bytes are gathered into one word and XORed with eight data
// bytes at once, halving the loads and stores that are not the permutation's
// own. The next S[i] is loaded before this byte's swap is stored and mended in
// the rare case (1 in 256) that the swap wrote it, by a branch rather than a
// conditional move: that keeps the loop-carried chain down to the addition
// into j instead of leaning on the processor's guess about store and load order.
void pc1_stream(Pc1State* st, uint8_t* out, const uint8_t* in, size_t len) {
    uint8_t* S = st->S;
    uint8_t i = st->i, j = st->j;
    size_t n = 0;
    if (len >= 8) {
        uint8_t x = S[uint8_t(i + 1)];
        for (; n + 8 <= len; n += 8) {
            uint64_t ks = 0;
#pragma GCC unroll 8
            for (int b = 0; b < 8; ++b) {
                i = uint8_t(i + 1);
                j = uint8_t(j + x);
                const uint8_t y = S[j];
                const uint8_t next_i = uint8_t(i + 1);
                uint8_t next = S[next_i];
                S[i] = y;
                S[j] = x;
                ks |= uint64_t(S[uint8_t(x + y)]) << (8 * b);
                if (__builtin_expect(next_i == j, 0)) {
                    next = x;
                    __asm__ volatile("");  // keeps this a branch
                }
                x = next;
            }
            // The word was built first byte lowest; match the data's byte order.
            if constexpr (__BYTE_ORDER__ == __ORDER_BIG_ENDIAN__) ks = __builtin_bswap64(ks);
            uint64_t data;
            std::memcpy(&data, in + n, 8);
            data ^= ks;
            std::memcpy(out + n, &data, 8);
        }
    }
    for (; n < len; ++n) {
        i = uint8_t(i + 1);
        const uint8_t x = S[i];
        j = uint8_t(j + x);
        const uint8_t y = S[j];
        S[i] = y;
        S[j] = x;
        out[n] = in[n] ^ S[uint8_t(x + y)];
    }
    st->i = i;
    st->j = j;
}

bool usable_key(const unsigned char* key, size_t key_len) { return key != nullptr && key_len != 0; }

}  // namespace

extern "C" {

KORVEX_API int PC1_Bytes(unsigned char* out, const unsigned char* in, size_t length,
                         const unsigned char* key, size_t key_length) {
    if (!usable_key(key, key_length)) return 48;
    if (length != 0 && (out == nullptr || in == nullptr)) return 39;
    Pc1State st;
    KX_TRACK(&st, sizeof st);
    pc1_setup(&st, key, key_length);
    pc1_stream(&st, out, in, length);
    secure_wipe(&st, sizeof st);
    return 0;
}

KORVEX_API int PC1_File(const char* out_file, const char* in_file, const unsigned char* key,
                        size_t key_length) {
    if (!usable_key(key, key_length)) return 48;
    FilePair files;
    int rc = open_pair(out_file, in_file, &files);
    if (rc != 0) return rc;
    Pc1State st;
    KX_TRACK(&st, sizeof st);
    pc1_setup(&st, key, key_length);
    uint8_t buf[kFileChunk];
    KX_TRACK(buf, sizeof buf);
    for (;;) {
        const ssize_t got = read_full(files.in, buf, sizeof buf);
        if (got < 0) {
            rc = 1;
            break;
        }
        if (got == 0) break;
        pc1_stream(&st, buf, buf, size_t(got));
        // A failed write is reported rather than left for the close to notice.
        if (!write_full(files.out, buf, size_t(got))) {
            rc = 4;
            break;
        }
        if (size_t(got) < sizeof buf) break;
    }
    secure_wipe(&st, sizeof st);
    secure_wipe(buf, sizeof buf);
    return close_pair(&files, rc);
}

}  // extern "C"
