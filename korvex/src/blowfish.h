// Blowfish core: the working record, key schedule and the block functions.
// The block functions are inline so that the mode loops can keep the chaining
// values in registers and interleave independent blocks.
#pragma once

#include <cstddef>
#include <cstdint>

namespace korvex {

constexpr size_t kBlockSize = 8;
constexpr size_t kMaxKeyBytes = 56;

// Field order is part of the library's documented record layout.
struct BlowfishState {
    uint32_t direction;  // nonzero = encipher
    uint32_t mode;       // Mode below
    uint32_t S[4][256];
    uint32_t P[18];
    uint32_t reg[2];     // chaining register: left, right
};

enum Mode : int { kEcb = 0, kCbc = 1, kCfb = 2, kOfb = 3, kUnknownMode = -1 };

extern const uint32_t kInitialP[18];
extern const uint32_t kInitialS[4][256];

// Both return 0, or 33 when the key is empty or longer than 56 bytes (the
// record is then unusable).
int init_ecb(BlowfishState* st, const uint8_t* key, size_t key_len, uint32_t direction);
int init_chained(int mode, BlowfishState* st, const uint8_t* key, size_t key_len,
                 const uint8_t vector[8], uint32_t direction);
void wipe_state(BlowfishState* st);

inline uint32_t load_be32(const uint8_t* b) {
    return (uint32_t(b[0]) << 24) | (uint32_t(b[1]) << 16) | (uint32_t(b[2]) << 8) | uint32_t(b[3]);
}

inline void store_be32(uint8_t* b, uint32_t v) {
    b[0] = uint8_t(v >> 24);
    b[1] = uint8_t(v >> 16);
    b[2] = uint8_t(v >> 8);
    b[3] = uint8_t(v);
}

// S points at the four S-boxes laid out one after the other.
#define KX_F(S, x)                                                        \
    ((((S)[(x) >> 24] + ((S) + 256)[((x) >> 16) & 0xFF]) ^                \
      ((S) + 512)[((x) >> 8) & 0xFF]) +                                   \
     ((S) + 768)[(x) & 0xFF])

// Sixteen rounds with round function FN and the P-words supplied by K(i);
// round i's key word is folded into the XOR with the previous round's F so
// every round is one dependent step. Ends with the halves exchanged and the
// last two words applied.
#define KX_ROUNDS_WITH(FN, S, K, L, R)        \
    do {                                      \
        (L) ^= K(0);                          \
        (R) ^= FN(S, (L)) ^ K(1);             \
        (L) ^= FN(S, (R)) ^ K(2);           \
        (R) ^= FN(S, (L)) ^ K(3);           \
        (L) ^= FN(S, (R)) ^ K(4);           \
        (R) ^= FN(S, (L)) ^ K(5);           \
        (L) ^= FN(S, (R)) ^ K(6);           \
        (R) ^= FN(S, (L)) ^ K(7);           \
        (L) ^= FN(S, (R)) ^ K(8);           \
        (R) ^= FN(S, (L)) ^ K(9);           \
        (L) ^= FN(S, (R)) ^ K(10);          \
        (R) ^= FN(S, (L)) ^ K(11);          \
        (L) ^= FN(S, (R)) ^ K(12);          \
        (R) ^= FN(S, (L)) ^ K(13);          \
        (L) ^= FN(S, (R)) ^ K(14);          \
        (R) ^= FN(S, (L)) ^ K(15);          \
        (L) ^= FN(S, (R)) ^ K(16);          \
        (R) ^= K(17);                         \
        uint32_t kx_t = (L);                  \
        (L) = (R);                            \
        (R) = kx_t;                           \
    } while (0)

#define KX_ROUNDS(S, K, L, R) KX_ROUNDS_WITH(KX_F, S, K, L, R)

// The same round function with the second byte taken by one bextr; only for
// functions compiled for BMI1.
#define KX_F_BMI(S, x)                                                    \
    ((((S)[(x) >> 24] + ((S) + 256)[_bextr_u64((x), 16, 8)]) ^            \
      ((S) + 512)[((x) >> 8) & 0xFF]) +                                   \
     ((S) + 768)[(x) & 0xFF])

inline void encipher_block(const BlowfishState* st, uint32_t* left, uint32_t* right) {
    const uint32_t* S = &st->S[0][0];
    const uint32_t* P = st->P;
    uint32_t L = *left, R = *right;
#define KX_KE(i) P[i]
    KX_ROUNDS(S, KX_KE, L, R);
    *left = L;
    *right = R;
}

inline void decipher_block(const BlowfishState* st, uint32_t* left, uint32_t* right) {
    const uint32_t* S = &st->S[0][0];
    const uint32_t* P = st->P;
    uint32_t L = *left, R = *right;
#define KX_KD(i) P[17 - (i)]
    KX_ROUNDS(S, KX_KD, L, R);
    *left = L;
    *right = R;
}

}  // namespace korvex
