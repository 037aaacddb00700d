#include "blowfish.h"

#include <cstring>

#include "wipe.h"

namespace korvex {

namespace {

void key_schedule(BlowfishState* st, const uint8_t* key, size_t key_len) {
    std::memcpy(st->P, kInitialP, sizeof st->P);
    std::memcpy(st->S, kInitialS, sizeof st->S);
    // The key position runs on across P words rather than restarting, so a
    // key and the same key repeated give the same schedule.
    size_t k = 0;
    for (int i = 0; i < 18; ++i) {
        uint32_t word = 0;
        for (int b = 0; b < 4; ++b) {
            word = (word << 8) | key[k];
            if (++k == key_len) k = 0;
        }
        st->P[i] ^= word;
    }
    uint32_t L = 0, R = 0;
    for (int i = 0; i < 18; i += 2) {
        encipher_block(st, &L, &R);
        st->P[i] = L;
        st->P[i + 1] = R;
    }
    for (int s = 0; s < 4; ++s) {
        for (int i = 0; i < 256; i += 2) {
            encipher_block(st, &L, &R);
            st->S[s][i] = L;
            st->S[s][i + 1] = R;
        }
    }
    L = R = 0;
    secure_wipe(&L, sizeof L);
    secure_wipe(&R, sizeof R);
}

}  // namespace

int init_ecb(BlowfishState* st, const uint8_t* key, size_t key_len, uint32_t direction) {
    st->direction = direction;
    st->mode = kEcb;
    if (key == nullptr || key_len == 0 || key_len > kMaxKeyBytes) return 33;
    key_schedule(st, key, key_len);
    return 0;
}

int init_chained(int mode, BlowfishState* st, const uint8_t* key, size_t key_len,
                 const uint8_t vector[8], uint32_t direction) {
    st->direction = direction;
    st->mode = uint32_t(mode);
    if (key == nullptr || key_len == 0 || key_len > kMaxKeyBytes) return 33;
    key_schedule(st, key, key_len);
    st->reg[0] = load_be32(vector);
    st->reg[1] = load_be32(vector + 4);
    return 0;
}

void wipe_state(BlowfishState* st) { secure_wipe(st, sizeof *st); }

}  // namespace korvex
