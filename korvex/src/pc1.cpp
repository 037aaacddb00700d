// PC1: the ARCFOUR-compatible stream cipher, for byte arrays and files.
#include <cstring>

#include "file_io.h"
#include "korvex.h"
#include "modes.h"
#include "wipe.h"

using namespace korvex;

namespace {

// Word cells rather than byte cells: with bytes, the swaps' stores and the
// next look-ups land in the same words far more often than the permutation
// makes them collide, and the processor then holds the loads back behind the
// stores. Words made the same loop about 40% faster.
struct Pc1State {
    uint32_t S[256];
    uint32_t i;
    uint32_t j;
};

// The swap of step k may write S[k + 1], which the next step reads before the
// swap is stored; that rare case (1 in 256) is mended by a branch, which keeps
// the chain from one step to the next down to the additions into j.
void pc1_setup(Pc1State* st, const uint8_t* key, size_t key_len) {
    uint32_t* S = st->S;
    for (uint32_t k = 0; k < 256; ++k) S[k] = k;
    uint8_t j = 0;
    size_t kpos = 0;
    uint32_t t = S[0];
    for (uint32_t k = 0; k < 256; ++k) {
        j = uint8_t(j + uint8_t(t + key[kpos]));
        if (++kpos == key_len) kpos = 0;
        uint32_t next = S[(k + 1) & 255];
        S[k] = S[j];
        S[j] = t;
        if (__builtin_expect(j == k + 1, 0)) {
            next = t;
            __asm__ volatile("");  // keeps this a branch
        }
        t = next;
    }
    st->i = 0;
    st->j = 0;
}

inline void pc1_byte(uint32_t* S, uint32_t& i, uint32_t& j, uint8_t* out, const uint8_t* in) {
    i = (i + 1) & 255;
    const uint32_t x = S[i];
    j = (j + x) & 255;
    const uint32_t y = S[j];
    S[i] = y;
    S[j] = x;
    *out = uint8_t(*in ^ S[(x + y) & 255]);
}

// Single steps until the next i starts a group of eight cells, so that a
// group never wraps past S[255] and its cells are fixed offsets from one base.
size_t pc1_align(Pc1State* st, uint8_t* out, const uint8_t* in, size_t len) {
    size_t n = 0;
    while (n < len && (st->i & 7) != 7) {
        pc1_byte(st->S, st->i, st->j, out + n, in + n);
        ++n;
    }
    return n;
}

void pc1_tail(Pc1State* st, uint8_t* out, const uint8_t* in, size_t len) {
    for (size_t n = 0; n < len; ++n) pc1_byte(st->S, st->i, st->j, out + n, in + n);
}

// Eight key-stream bytes are gathered into one word and XORed with eight data
// bytes at once. Each step loads the next i's cell before its own swap is
// stored and mends it when the swap wrote that cell, as in the key setup.
void pc1_groups_portable(Pc1State* st, uint8_t* out, const uint8_t* in, size_t groups) {
    uint32_t* S = st->S;
    uint32_t g = (st->i + 1) & 255;
    uint8_t j = uint8_t(st->j);
    for (size_t n = 0; n < groups; ++n, in += 8, out += 8) {
        uint32_t* G = S + g;
        uint64_t ks = 0;
        uint32_t x = G[0];
#pragma GCC unroll 8
        for (uint32_t b = 0; b < 8; ++b) {
            j = uint8_t(j + x);
            const uint32_t y = S[j];
            uint32_t next = b < 7 ? G[b + 1] : 0;
            S[j] = x;
            G[b] = y;
            ks |= uint64_t(uint8_t(S[uint8_t(x + y)])) << (8 * b);
            if (b < 7 && __builtin_expect(j == g + b + 1, 0)) {
                next = x;
                __asm__ volatile("");
            }
            x = next;
        }
        // The word was built first byte lowest; match the data's byte order.
        if constexpr (__BYTE_ORDER__ == __ORDER_BIG_ENDIAN__) ks = __builtin_bswap64(ks);
        uint64_t data;
        std::memcpy(&data, in, 8);
        data ^= ks;
        std::memcpy(out, &data, 8);
        g = (g + 8) & 255;
    }
    st->i = (g - 1) & 255;
    st->j = j;
}

#if defined(__x86_64__)
// The same steps written out for x86-64. Compilers mask j and x + y with
// separate zero-extensions; adding the low bytes only (addb) keeps the upper
// bits of registers that hold values below 256 clear, so the sums serve as
// indices directly and the step from one j to the next is a single addition.
#define KX_STR2(x) #x
#define KX_STR(x) KX_STR2(x)
// One step: X holds S[i], NX receives S[i + 1]; KS puts the key-stream byte
// in its place in the word.
#define KX_STEP(b, X, NX, KS)                            \
    "addb %b[" X "], %b[j]\n\t"                          \
    "movl (%[S],%[j],4), %k[y]\n\t"                      \
    "movl " KX_STR(4 * (b + 1)) "(%[S],%[g],4), %k[" NX "]\n\t" \
    "movl %k[" X "], (%[S],%[j],4)\n\t"                  \
    "movl %k[y], " KX_STR(4 * b) "(%[S],%[g],4)\n\t"     \
    "addb %b[" X "], %b[y]\n\t"                          \
    KS                                                   \
    "leal " KX_STR(b + 1) "(%[g]), %k[t]\n\t"            \
    "cmpl %k[t], %k[j]\n\t"                              \
    "jne 1f\n\t"                                         \
    "movl %k[" X "], %k[" NX "]\n"                       \
    "1:\n\t"
#define KX_KS(shift)                                     \
    "movzbl (%[S],%[y],4), %k[t]\n\t"                    \
    "shlq $" #shift ", %[t]\n\t"                         \
    "orq %[t], %[ks]\n\t"
// The last step advances g to the next group (wrapping past S[255]) and
// loads that group's first cell before its own S[j] is stored. S[i] is
// stored before S[j], while g still names this group; when i equals j both
// stores write the same value, so their order does not matter.
#define KX_LAST(X, NX)                                   \
    "addb %b[" X "], %b[j]\n\t"                          \
    "movl (%[S],%[j],4), %k[y]\n\t"                      \
    "movl %k[y], 28(%[S],%[g],4)\n\t"                    \
    "addb $8, %b[g]\n\t"                                 \
    "movl (%[S],%[g],4), %k[" NX "]\n\t"                 \
    "movl %k[" X "], (%[S],%[j],4)\n\t"                  \
    "addb %b[" X "], %b[y]\n\t"                          \
    KX_KS(56)                                            \
    "cmpl %k[g], %k[j]\n\t"                              \
    "jne 1f\n\t"                                         \
    "movl %k[" X "], %k[" NX "]\n"                       \
    "1:\n\t"

// in and out point past the groups and idx counts up from minus their
// length to zero, so the loop's own bookkeeping is one addition.
void pc1_groups_x86(Pc1State* st, uint8_t* out, const uint8_t* in, size_t groups) {
    uint32_t* S = st->S;
    uint64_t g = (st->i + 1) & 255, j = st->j, x0 = S[g], x1, y, t, ks;
    const uint8_t* in_end = in + 8 * groups;
    uint8_t* out_end = out + 8 * groups;
    int64_t idx = -int64_t(8 * groups);
    __asm__ volatile(
        "2:\n\t"
        KX_STEP(0, "x0", "x1", "movzbl (%[S],%[y],4), %k[ks]\n\t")
        KX_STEP(1, "x1", "x0", KX_KS(8))
        KX_STEP(2, "x0", "x1", KX_KS(16))
        KX_STEP(3, "x1", "x0", KX_KS(24))
        KX_STEP(4, "x0", "x1", KX_KS(32))
        KX_STEP(5, "x1", "x0", KX_KS(40))
        KX_STEP(6, "x0", "x1", KX_KS(48))
        KX_LAST("x1", "x0")
        "xorq (%[in],%[idx]), %[ks]\n\t"
        "movq %[ks], (%[out],%[idx])\n\t"
        "addq $8, %[idx]\n\t"
        "jnz 2b\n\t"
        : [g] "+r"(g), [j] "+r"(j), [idx] "+r"(idx), [x0] "+r"(x0), [x1] "=&r"(x1), [y] "=&r"(y),
          [t] "=&r"(t), [ks] "=&r"(ks)
        : [S] "r"(S), [in] "r"(in_end), [out] "r"(out_end)
        : "cc", "memory");
    st->i = uint32_t(g - 1) & 255;
    st->j = uint32_t(j);
}
#undef KX_STEP
#undef KX_KS
#undef KX_LAST
#undef KX_STR
#undef KX_STR2
#endif

#if defined(__x86_64__)
// Needs nothing beyond the x86-64 base set, so there is nothing to ask the
// processor; tests may still ask for the portable loop.
bool use_x86_kernel() {
#ifdef KORVEX_TEST_HOOKS
    return !testing::portable_kernels_forced();
#else
    return true;
#endif
}
#endif

void pc1_stream(Pc1State* st, uint8_t* out, const uint8_t* in, size_t len) {
    size_t n = pc1_align(st, out, in, len);
    const size_t groups = (len - n) / 8;
    if (groups != 0) {
#if defined(__x86_64__)
        if (use_x86_kernel()) pc1_groups_x86(st, out + n, in + n, groups);
        else
#endif
            pc1_groups_portable(st, out + n, in + n, groups);
        n += groups * 8;
    }
    pc1_tail(st, out + n, in + n, len - n);
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
