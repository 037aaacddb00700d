#include "modes.h"

#include <cstring>

#include "wipe.h"

namespace korvex {

int mode_from_name(const char* name) {
    if (name == nullptr) return kUnknownMode;
    switch (name[0]) {
        case 'E': case 'e': return kEcb;
        case 'O': case 'o': return kOfb;
        case 'C': case 'c': return (name[1] == 'F' || name[1] == 'f') ? kCfb : kCbc;
        default: return kUnknownMode;
    }
}

namespace {

#define KX_PE(i) P[i]
#define KX_PD(i) P[17 - (i)]

// Four independent blocks advance round by round together: one block's
// rounds are a chain of dependent table look-ups, so interleaving them lets
// the look-ups of the other blocks fill the wait.
template <bool kEncipher>
inline void rounds4(const uint32_t* S, const uint32_t* P, uint32_t* l, uint32_t* r) {
    auto key = [P](int i) { return kEncipher ? P[i] : P[17 - i]; };
#pragma GCC unroll 4
    for (int k = 0; k < 4; ++k) l[k] ^= key(0);
#pragma GCC unroll 8
    for (int i = 1; i < 17; i += 2) {
        const uint32_t ka = key(i), kb = key(i + 1);
#pragma GCC unroll 4
        for (int k = 0; k < 4; ++k) r[k] ^= KX_F(S, l[k]) ^ ka;
#pragma GCC unroll 4
        for (int k = 0; k < 4; ++k) l[k] ^= KX_F(S, r[k]) ^ kb;
    }
    const uint32_t klast = key(17);
#pragma GCC unroll 4
    for (int k = 0; k < 4; ++k) {
        const uint32_t t = l[k];
        l[k] = r[k] ^ klast;
        r[k] = t;
    }
}

template <bool kEncipher>
void ecb_blocks(const BlowfishState* st, uint8_t* out, const uint8_t* in, size_t nblocks) {
    const uint32_t* S = &st->S[0][0];
    const uint32_t* P = st->P;
    size_t b = 0;
    for (; b + 4 <= nblocks; b += 4) {
        const uint8_t* src = in + b * 8;
        uint32_t l[4], r[4];
#pragma GCC unroll 4
        for (int k = 0; k < 4; ++k) {
            l[k] = load_be32(src + 8 * k);
            r[k] = load_be32(src + 8 * k + 4);
        }
        rounds4<kEncipher>(S, P, l, r);
        uint8_t* dst = out + b * 8;
#pragma GCC unroll 4
        for (int k = 0; k < 4; ++k) {
            store_be32(dst + 8 * k, l[k]);
            store_be32(dst + 8 * k + 4, r[k]);
        }
    }
    for (; b < nblocks; ++b) {
        uint32_t l = load_be32(in + b * 8), r = load_be32(in + b * 8 + 4);
        if constexpr (kEncipher) KX_ROUNDS(S, KX_PE, l, r);
        else KX_ROUNDS(S, KX_PD, l, r);
        store_be32(out + b * 8, l);
        store_be32(out + b * 8 + 4, r);
    }
}

void cbc_encipher(BlowfishState* st, uint8_t* out, const uint8_t* in, size_t nblocks) {
    const uint32_t* S = &st->S[0][0];
    const uint32_t* P = st->P;
    uint32_t l = st->reg[0], r = st->reg[1];
    for (size_t b = 0; b < nblocks; ++b) {
        l ^= load_be32(in + b * 8);
        r ^= load_be32(in + b * 8 + 4);
        KX_ROUNDS(S, KX_PE, l, r);
        store_be32(out + b * 8, l);
        store_be32(out + b * 8 + 4, r);
    }
    st->reg[0] = l;
    st->reg[1] = r;
}

void cbc_decipher(BlowfishState* st, uint8_t* out, const uint8_t* in, size_t nblocks) {
    const uint32_t* S = &st->S[0][0];
    const uint32_t* P = st->P;
    uint32_t pl = st->reg[0], pr = st->reg[1];
    size_t b = 0;
    for (; b + 4 <= nblocks; b += 4) {
        const uint8_t* src = in + b * 8;
        uint32_t cl[4], cr[4], l[4], r[4];
#pragma GCC unroll 4
        for (int k = 0; k < 4; ++k) {
            l[k] = cl[k] = load_be32(src + 8 * k);
            r[k] = cr[k] = load_be32(src + 8 * k + 4);
        }
        rounds4<false>(S, P, l, r);
        // Every input block is in registers before anything is stored, so
        // deciphering in place is safe.
        uint8_t* dst = out + b * 8;
        store_be32(dst, l[0] ^ pl);
        store_be32(dst + 4, r[0] ^ pr);
#pragma GCC unroll 3
        for (int k = 1; k < 4; ++k) {
            store_be32(dst + 8 * k, l[k] ^ cl[k - 1]);
            store_be32(dst + 8 * k + 4, r[k] ^ cr[k - 1]);
        }
        pl = cl[3];
        pr = cr[3];
    }
    for (; b < nblocks; ++b) {
        const uint32_t cl = load_be32(in + b * 8), cr = load_be32(in + b * 8 + 4);
        uint32_t l = cl, r = cr;
        KX_ROUNDS(S, KX_PD, l, r);
        store_be32(out + b * 8, l ^ pl);
        store_be32(out + b * 8 + 4, r ^ pr);
        pl = cl;
        pr = cr;
    }
    st->reg[0] = pl;
    st->reg[1] = pr;
}

// CFB and OFB over whole blocks; the tail block is zero-filled by the caller.
template <int kMode>
void feedback_blocks(BlowfishState* st, uint8_t* out, const uint8_t* in, size_t nblocks) {
    const uint32_t* S = &st->S[0][0];
    const uint32_t* P = st->P;
    const bool encipher = st->direction != 0;
    uint32_t l = st->reg[0], r = st->reg[1];
    for (size_t b = 0; b < nblocks; ++b) {
        KX_ROUNDS(S, KX_PE, l, r);
        const uint32_t il = load_be32(in + b * 8), ir = load_be32(in + b * 8 + 4);
        const uint32_t ol = il ^ l, orr = ir ^ r;
        store_be32(out + b * 8, ol);
        store_be32(out + b * 8 + 4, orr);
        if (kMode == kCfb) {
            l = encipher ? ol : il;
            r = encipher ? orr : ir;
        }
    }
    st->reg[0] = l;
    st->reg[1] = r;
}

}  // namespace

int transform(BlowfishState* st, uint8_t* out, const uint8_t* in, size_t len) {
    const size_t nblocks = len / kBlockSize;
    const size_t tail = len % kBlockSize;
    switch (st->mode) {
        case kEcb:
            return transform_ecb(st, out, in, len, st->direction != 0);
        case kCbc:
            if (tail != 0) return 8;
            if (st->direction != 0) cbc_encipher(st, out, in, nblocks);
            else cbc_decipher(st, out, in, nblocks);
            return 0;
        case kCfb:
        case kOfb: {
            if (st->mode == kCfb) feedback_blocks<kCfb>(st, out, in, nblocks);
            else feedback_blocks<kOfb>(st, out, in, nblocks);
            if (tail != 0) {
                // The register moves on by a whole block even for a short tail.
                uint8_t block[kBlockSize] = {};
                KX_TRACK(block, sizeof block);
                std::memcpy(block, in + nblocks * kBlockSize, tail);
                if (st->mode == kCfb) feedback_blocks<kCfb>(st, block, block, 1);
                else feedback_blocks<kOfb>(st, block, block, 1);
                std::memcpy(out + nblocks * kBlockSize, block, tail);
                secure_wipe(block, sizeof block);
            }
            return 0;
        }
        default:
            return 35;
    }
}

int transform_ecb(const BlowfishState* st, uint8_t* out, const uint8_t* in, size_t len,
                  bool encipher) {
    if (len % kBlockSize != 0) return 8;
    if (encipher) ecb_blocks<true>(st, out, in, len / kBlockSize);
    else ecb_blocks<false>(st, out, in, len / kBlockSize);
    return 0;
}

// ---- hexadecimal -----------------------------------------------------------

namespace {

int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

size_t hex_read(uint8_t* out, const char* s, size_t max_bytes) {
    if (s == nullptr || max_bytes == 0) return 0;
    // Never look past the characters that can matter, so a long text costs
    // nothing and a text without its zero is not read beyond 2 * max_bytes.
    const size_t limit = max_bytes > (SIZE_MAX / 2) ? SIZE_MAX : max_bytes * 2;
    const size_t L = strnlen(s, limit);
    size_t n = 0;
    for (size_t i = 0; i + 1 < L; i += 2) {
        const int hi = hex_digit(s[i]);
        if (hi < 0) {
            if (n != 0) secure_wipe(out, n);
            return 0;
        }
        // Only the first character read as a digit: the pair is a one-digit number.
        const int lo = hex_digit(s[i + 1]);
        out[n++] = uint8_t(lo < 0 ? hi : (hi << 4) | lo);
    }
    return n;
}

void hex_write(char* out, const uint8_t* bytes, size_t n) {
    static const char kDigits[] = "0123456789ABCDEF";
    for (size_t i = 0; i < n; ++i) {
        out[2 * i] = kDigits[bytes[i] >> 4];
        out[2 * i + 1] = kDigits[bytes[i] & 15];
    }
    out[2 * n] = '\0';
}

// ---- base64 ------------------------------------------------------------------

namespace {

const char kB64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int b64_value(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return c - 'A';
    if (c >= 'a' && c <= 'z') return c - 'a' + 26;
    if (c >= '0' && c <= '9') return c - '0' + 52;
    if (c == '+') return 62;
    if (c == '/') return 63;
    return -1;
}

}  // namespace

size_t base64_write(char* out, size_t capacity, const uint8_t* bytes, size_t n) {
    if (capacity == 0) return 0;  // not even room for the terminating zero
    size_t c = capacity, w = 0, i = 0;
    while (n - i >= 3 && c >= 5) {
        const uint32_t v = (uint32_t(bytes[i]) << 16) | (uint32_t(bytes[i + 1]) << 8) | bytes[i + 2];
        out[w++] = kB64[v >> 18];
        out[w++] = kB64[(v >> 12) & 63];
        out[w++] = kB64[(v >> 6) & 63];
        out[w++] = kB64[v & 63];
        c -= 4;
        i += 3;
    }
    const size_t left = n - i;
    if (left == 1 && c > 4) {
        const uint32_t v = uint32_t(bytes[i]) << 16;
        out[w++] = kB64[v >> 18];
        out[w++] = kB64[(v >> 12) & 63];
        out[w++] = '=';
        out[w++] = '=';
    } else if (left == 2 && c > 4) {
        const uint32_t v = (uint32_t(bytes[i]) << 16) | (uint32_t(bytes[i + 1]) << 8);
        out[w++] = kB64[v >> 18];
        out[w++] = kB64[(v >> 12) & 63];
        out[w++] = kB64[(v >> 6) & 63];
        out[w++] = '=';
    }
    out[w] = '\0';
    return w;
}

size_t base64_read(uint8_t* out, size_t capacity, const char* s) {
    if (s == nullptr) return 0;
    size_t w = 0;
    uint32_t acc = 0;
    int sextets = 0;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(s); *p != 0; ++p) {
        if (*p == '=') break;
        const int v = b64_value(*p);
        if (v < 0) continue;
        acc = (acc << 6) | uint32_t(v);
        if (++sextets == 4) {
            if (capacity - w < 3) break;  // the group no longer fits: stop, drop it
            out[w++] = uint8_t(acc >> 16);
            out[w++] = uint8_t(acc >> 8);
            out[w++] = uint8_t(acc);
            acc = 0;
            sextets = 0;
        }
    }
    if (sextets == 2 && capacity - w >= 1) {
        out[w++] = uint8_t(acc >> 4);
    } else if (sextets == 3 && capacity - w >= 2) {
        out[w++] = uint8_t(acc >> 10);
        out[w++] = uint8_t(acc >> 2);
    }
    acc = 0;
    secure_wipe(&acc, sizeof acc);
    return w;
}

}  // namespace korvex
