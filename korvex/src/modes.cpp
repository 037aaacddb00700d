#include "modes.h"

#include <atomic>
#include <cstring>

#if defined(__x86_64__)
#include <cpuid.h>
#include <immintrin.h>
#define KX_HAVE_BMI 1
#else
#define KX_HAVE_BMI 0
#endif

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

#define KX_PE(i) P[i]
#define KX_PD(i) P[17 - (i)]

namespace {

namespace portable {
#define KX_KF KX_F
#define KX_BYTE2(x) (((x) >> 16) & 0xFF)
#define KX_KERNEL
#include "block_kernels.inc"
#undef KX_KF
#undef KX_BYTE2
#undef KX_KERNEL
}  // namespace portable

#if KX_HAVE_BMI
// Processors with BMI1 pull a middle byte out of a word in one instruction
// (bextr) instead of a shift and a zero-extension; that byte feeds the first
// look-up of every round, so the serial modes gain about a tenth.
namespace bmi {
#define KX_KF KX_F_BMI
#define KX_BYTE2(x) _bextr_u64((x), 16, 8)
#define KX_KERNEL __attribute__((target("bmi")))
#include "block_kernels.inc"
#undef KX_KF
#undef KX_BYTE2
#undef KX_KERNEL
}  // namespace bmi

bool cpu_has_bmi() {
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (__get_cpuid_max(0, nullptr) < 7) return false;
    __cpuid_count(7, 0, a, b, c, d);
    return (b & (1u << 3)) != 0;
}

#ifdef KORVEX_TEST_HOOKS
std::atomic<bool> g_force_portable{false};
#endif

// Asked at first use rather than at load, so loading the library runs nothing.
bool use_bmi() {
#ifdef KORVEX_TEST_HOOKS
    if (g_force_portable.load(std::memory_order_relaxed)) return false;
#endif
    static std::atomic<int> known{0};  // 0 not asked yet, 1 no, 2 yes
    int v = known.load(std::memory_order_relaxed);
    if (v == 0) {
        v = cpu_has_bmi() ? 2 : 1;
        known.store(v, std::memory_order_relaxed);
    }
    return v == 2;
}
#else
bool use_bmi() { return false; }
#endif

#ifdef KORVEX_TEST_HOOKS
}  // namespace
namespace testing {
bool portable_kernels_forced() {
#if KX_HAVE_BMI
    return g_force_portable.load(std::memory_order_relaxed);
#else
    return false;
#endif
}
bool force_portable_kernels(bool on) {
#if KX_HAVE_BMI
    g_force_portable.store(on, std::memory_order_relaxed);
    return true;
#else
    (void)on;
    return false;
#endif
}
}  // namespace testing
namespace {
#endif

#if KX_HAVE_BMI
#define KX_DISPATCH(call) (use_bmi() ? bmi::call : portable::call)
#else
#define KX_DISPATCH(call) (portable::call)
#endif

}  // namespace

int transform(BlowfishState* st, uint8_t* out, const uint8_t* in, size_t len) {
    const size_t nblocks = len / kBlockSize;
    const size_t tail = len % kBlockSize;
    switch (st->mode) {
        case kEcb:
            return transform_ecb(st, out, in, len, st->direction != 0);
        case kCbc:
            if (tail != 0) return 8;
            if (st->direction != 0) KX_DISPATCH(cbc_encipher(st, out, in, nblocks));
            else KX_DISPATCH(cbc_decipher(st, out, in, nblocks));
            return 0;
        case kCfb:
        case kOfb: {
            if (st->mode == kCfb) KX_DISPATCH(feedback_blocks<kCfb>(st, out, in, nblocks));
            else KX_DISPATCH(feedback_blocks<kOfb>(st, out, in, nblocks));
            if (tail != 0) {
                // The register moves on by a whole block even for a short tail.
                uint8_t block[kBlockSize] = {};
                KX_TRACK(block, sizeof block);
                std::memcpy(block, in + nblocks * kBlockSize, tail);
                if (st->mode == kCfb) portable::feedback_blocks<kCfb>(st, block, block, 1);
                else portable::feedback_blocks<kOfb>(st, block, block, 1);
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
    if (encipher) KX_DISPATCH(ecb_blocks<true>(st, out, in, len / kBlockSize));
    else KX_DISPATCH(ecb_blocks<false>(st, out, in, len / kBlockSize));
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
