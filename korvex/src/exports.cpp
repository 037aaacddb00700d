// The exported Blowfish functions: one-shot byte, text and file forms and
// the streaming family on the one shared context.
#include <cstdlib>
#include <cstring>

#include "blowfish.h"
#include "exports_internal.h"
#include "file_io.h"
#include "korvex.h"
#include "modes.h"
#include "wipe.h"

using namespace korvex;

namespace {

// Only the low 16 bits of a direction count, so callers passing -1 encipher.
uint32_t encipher_flag(int direction) { return (uint32_t(direction) & 0xFFFFu) != 0 ? 1u : 0u; }

bool is_chained(int mode) { return mode == kCbc || mode == kCfb || mode == kOfb; }

// Key schedule for mode (already known to be valid); 33 for an unusable key.
int init_state(BlowfishState* st, int mode, const uint8_t* key, size_t key_len,
               const uint8_t* vector, uint32_t encipher) {
    if (mode == kEcb) return init_ecb(st, key, key_len, encipher);
    return init_chained(mode, st, key, key_len, vector, encipher);
}

// Holds the decoded copies of a text export and wipes them on every path.
struct TextWork {
    uint8_t key[kMaxKeyBytes];
    uint8_t vector[kBlockSize];
    BlowfishState state;
    uint8_t* data = nullptr;
    size_t data_cap = 0;

    TextWork() {
        KX_TRACK(key, sizeof key);
        KX_TRACK(vector, sizeof vector);
        KX_TRACK(&state, sizeof state);
    }
    bool allocate(size_t cap) {
        data_cap = cap == 0 ? 1 : cap;
        data = static_cast<uint8_t*>(std::malloc(data_cap));
        if (data != nullptr) KX_TRACK(data, data_cap);
        return data != nullptr;
    }
    ~TextWork() {
        secure_wipe(key, sizeof key);
        secure_wipe(vector, sizeof vector);
        wipe_state(&state);
        if (data != nullptr) {
            secure_wipe(data, data_cap);
            std::free(data);
        }
    }
    TextWork(const TextWork&) = delete;
    TextWork& operator=(const TextWork&) = delete;
};

int hex_text(char* out, const char* in_hex, const char* key_hex, int direction,
             const char* mode_name, const char* vector_hex, bool ecb_only) {
    if (out == nullptr || in_hex == nullptr) return 39;
    TextWork w;
    const size_t key_len = hex_read(w.key, key_hex, kMaxKeyBytes);
    if (key_len == 0) return 50;
    const size_t text_len = std::strlen(in_hex);
    if (!w.allocate(text_len / 2)) return 1024;
    const size_t n = hex_read(w.data, in_hex, text_len / 2);
    if (n == 0) return 50;
    const int mode = ecb_only ? int(kEcb) : mode_from_name(mode_name);
    if (mode == kUnknownMode) return 35;
    if (is_chained(mode) && hex_read(w.vector, vector_hex, kBlockSize) != kBlockSize) return 50;
    init_state(&w.state, mode, w.key, key_len, w.vector, encipher_flag(direction));
    const int rc = transform(&w.state, w.data, w.data, n);
    if (rc != 0) return rc;
    hex_write(out, w.data, n);
    return 0;
}

// Steps shared by every file export once key and vector are in hand.
int file_common(const char* out_file, const char* in_file, const uint8_t* key, size_t key_len,
                int direction, int mode, const uint8_t* vector) {
    BlowfishState st;
    KX_TRACK(&st, sizeof st);
    int rc = 0;
    if (mode == kUnknownMode) rc = 35;
    else if (is_chained(mode) && vector == nullptr) rc = 51;
    else rc = init_state(&st, mode, key, key_len, vector, encipher_flag(direction));
    if (rc != 0) {
        wipe_state(&st);
        return rc;
    }
    FilePair files;
    rc = open_pair(out_file, in_file, &files);
    if (rc != 0) {
        wipe_state(&st);
        return rc;
    }
    rc = transform_file(&st, files.in, files.out);
    wipe_state(&st);
    return close_pair(&files, rc);
}

struct KeyAndVector {
    uint8_t key[kMaxKeyBytes];
    uint8_t vector[kBlockSize];
    KeyAndVector() {
        KX_TRACK(key, sizeof key);
        KX_TRACK(vector, sizeof vector);
    }
    ~KeyAndVector() {
        secure_wipe(key, sizeof key);
        secure_wipe(vector, sizeof vector);
    }
    KeyAndVector(const KeyAndVector&) = delete;
    KeyAndVector& operator=(const KeyAndVector&) = delete;
};

using TextReader = size_t (*)(uint8_t* out, size_t max, const char* text);
size_t read_hex_text(uint8_t* out, size_t max, const char* text) { return hex_read(out, text, max); }
size_t read_b64_text(uint8_t* out, size_t max, const char* text) {
    return text == nullptr ? 0 : base64_read(out, max, text);
}

int file_text(const char* out_file, const char* in_file, const char* key_text, int direction,
              const char* mode_name, const char* vector_text, TextReader read) {
    KeyAndVector kv;
    const size_t key_len = read(kv.key, kMaxKeyBytes, key_text);
    if (key_len == 0) return 48;
    const int mode = mode_from_name(mode_name);
    const uint8_t* vector = nullptr;
    if (vector_text != nullptr && mode != kEcb) {
        // Read before the mode is judged, so an unreadable vector wins over an
        // unknown mode name.
        if (read(kv.vector, kBlockSize, vector_text) != kBlockSize) return 51;
        vector = kv.vector;
    }
    return file_common(out_file, in_file, kv.key, key_len, direction, mode, vector);
}

// ---- the shared streaming context ----------------------------------------------

// Any nonzero value would do; a distinctive one makes stray integers unlikely
// to pass for it.
constexpr int kHandle = 0x4B5658;

BlowfishState g_context;
int g_handle = 0;
int g_last_init = 0;

int finish_init(int rc) {
    if (rc != 0) {
        wipe_state(&g_context);
        g_last_init = rc;
        return 0;
    }
    g_last_init = 0;
    g_handle = kHandle;
    return kHandle;
}

bool valid_handle(int handle) { return g_handle != 0 && handle == g_handle; }

int update_hex(char* hex, int mode_override, uint32_t encipher) {
    if (hex == nullptr) return 39;
    const size_t text_len = std::strlen(hex);
    const size_t cap = text_len / 2 == 0 ? 1 : text_len / 2;
    uint8_t* data = static_cast<uint8_t*>(std::malloc(cap));
    if (data == nullptr) return 1024;
    KX_TRACK(data, cap);
    int rc = 0;
    const size_t n = hex_read(data, hex, text_len / 2);
    if (n == 0) rc = 50;
    else if (mode_override == kEcb) rc = transform_ecb(&g_context, data, data, n, encipher != 0);
    else rc = transform(&g_context, data, data, n);
    if (rc == 0) hex_write(hex, data, n);
    secure_wipe(data, cap);
    std::free(data);
    return rc;
}

}  // namespace

namespace korvex::internal {
BlowfishState* streaming_context() { return &g_context; }
}  // namespace korvex::internal

extern "C" {

KORVEX_API int BLF_BytesMode(unsigned char* out, const unsigned char* in, size_t length,
                             const unsigned char* key, size_t key_length, int direction,
                             const char* mode_name, const unsigned char* vector) {
    const int mode = mode_from_name(mode_name);
    if (mode == kUnknownMode) return 35;
    if (is_chained(mode) && vector == nullptr) return 51;
    BlowfishState st;
    KX_TRACK(&st, sizeof st);
    int rc = init_state(&st, mode, key, key_length, vector, encipher_flag(direction));
    if (rc == 0 && length != 0 && (out == nullptr || in == nullptr)) rc = 39;
    if (rc == 0) rc = transform(&st, out, in, length);
    wipe_state(&st);
    return rc;
}

KORVEX_API int BLF_Bytes(unsigned char* out, const unsigned char* in, size_t length,
                         const unsigned char* key, size_t key_length, int direction) {
    return BLF_BytesMode(out, in, length, key, key_length, direction, "ECB", nullptr);
}

KORVEX_API int bf_StringEnc(unsigned char* out, const unsigned char* in, size_t length,
                            const unsigned char* key, size_t key_length) {
    return BLF_BytesMode(out, in, length, key, key_length, 1, "ECB", nullptr);
}

KORVEX_API int bf_StringDec(unsigned char* out, const unsigned char* in, size_t length,
                            const unsigned char* key, size_t key_length) {
    return BLF_BytesMode(out, in, length, key, key_length, 0, "ECB", nullptr);
}

KORVEX_API int BLF_Hex(char* out, const char* in_hex, const char* key_hex, int direction) {
    return hex_text(out, in_hex, key_hex, direction, nullptr, nullptr, true);
}

KORVEX_API int BLF_HexMode(char* out, const char* in_hex, const char* key_hex, int direction,
                           const char* mode, const char* vector_hex) {
    return hex_text(out, in_hex, key_hex, direction, mode, vector_hex, false);
}

KORVEX_API int BLF_B64Mode(char* out, const char* in_b64, const char* key_b64, int direction,
                           const char* mode_name, const char* vector_b64) {
    if (out == nullptr || in_b64 == nullptr) return 39;
    TextWork w;
    const size_t key_len = key_b64 == nullptr ? 0 : base64_read(w.key, kMaxKeyBytes, key_b64);
    if (key_len == 0) return 48;
    const size_t text_len = std::strlen(in_b64);
    if (!w.allocate((text_len + 3) / 4 * 3 + 1)) return 1024;
    const size_t n = base64_read(w.data, w.data_cap, in_b64);
    if (n == 0) return 49;
    const int mode = mode_from_name(mode_name);
    if (mode == kUnknownMode) return 35;
    if (is_chained(mode) &&
        (vector_b64 == nullptr || base64_read(w.vector, kBlockSize, vector_b64) != kBlockSize))
        return 51;
    init_state(&w.state, mode, w.key, key_len, w.vector, encipher_flag(direction));
    const int rc = transform(&w.state, w.data, w.data, n);
    if (rc != 0) return rc;
    base64_write(out, text_len + 1, w.data, n);
    return 0;
}

KORVEX_API int BLF_File(const char* out_file, const char* in_file, const unsigned char* key,
                        size_t key_length, int direction, const char* mode_name,
                        const unsigned char* vector) {
    const int mode = mode_from_name(mode_name);
    KeyAndVector kv;
    const uint8_t* vec = nullptr;
    if (vector != nullptr && mode != kEcb) {
        std::memcpy(kv.vector, vector, kBlockSize);
        vec = kv.vector;
    }
    return file_common(out_file, in_file, key, key_length, direction, mode, vec);
}

KORVEX_API int BLF_FileHex(const char* out_file, const char* in_file, const char* key_hex,
                           int direction, const char* mode, const char* vector_hex) {
    return file_text(out_file, in_file, key_hex, direction, mode, vector_hex, read_hex_text);
}

KORVEX_API int BLF_FileB64(const char* out_file, const char* in_file, const char* key_b64,
                           int direction, const char* mode, const char* vector_b64) {
    return file_text(out_file, in_file, key_b64, direction, mode, vector_b64, read_b64_text);
}

KORVEX_API int bf_FileEnc(const char* out_file, const char* in_file, const unsigned char* key,
                          size_t key_length) {
    return BLF_File(out_file, in_file, key, key_length, 1, "ECB", nullptr);
}

KORVEX_API int bf_FileDec(const char* out_file, const char* in_file, const unsigned char* key,
                          size_t key_length) {
    return BLF_File(out_file, in_file, key, key_length, 0, "ECB", nullptr);
}

KORVEX_API int BLF_Init(const unsigned char* key, size_t key_length, int direction,
                        const char* mode_name, const unsigned char* vector) {
    g_handle = 0;
    if (key == nullptr || key_length == 0) return finish_init(48);
    const int mode = mode_from_name(mode_name);
    if (mode == kUnknownMode) return finish_init(35);
    if (is_chained(mode) && vector == nullptr) return finish_init(51);
    return finish_init(init_state(&g_context, mode, key, key_length, vector, encipher_flag(direction)));
}

KORVEX_API int BLF_InitHex(const char* key_hex, int direction, const char* mode_name,
                           const char* vector_hex) {
    g_handle = 0;
    KeyAndVector kv;
    const size_t key_len = hex_read(kv.key, key_hex, kMaxKeyBytes);
    if (key_len == 0) return finish_init(48);
    const int mode = mode_from_name(mode_name);
    if (mode == kUnknownMode) return finish_init(35);
    if (is_chained(mode) && hex_read(kv.vector, vector_hex, kBlockSize) != kBlockSize)
        return finish_init(51);
    return finish_init(init_state(&g_context, mode, kv.key, key_len, kv.vector, encipher_flag(direction)));
}

KORVEX_API int bf_Init(const unsigned char* key, size_t key_length) {
    return BLF_Init(key, key_length, 1, "ECB", nullptr);
}

KORVEX_API int BLF_InitError(void) { return g_last_init; }

KORVEX_API int BLF_Update(int handle, unsigned char* data, size_t length) {
    if (!valid_handle(handle)) return 64;
    if (data == nullptr && length != 0) return 39;
    return transform(&g_context, data, data, length);
}

KORVEX_API int BLF_UpdateHex(int handle, char* hex) {
    if (!valid_handle(handle)) return 64;
    return update_hex(hex, kUnknownMode, 0);
}

KORVEX_API int BLF_Ecb(int handle, unsigned char* data, size_t length, int direction) {
    if (!valid_handle(handle)) return 64;
    if (data == nullptr && length != 0) return 39;
    return transform_ecb(&g_context, data, data, length, encipher_flag(direction) != 0);
}

KORVEX_API int BLF_EcbHex(int handle, char* hex, int direction) {
    if (!valid_handle(handle)) return 64;
    return update_hex(hex, kEcb, encipher_flag(direction));
}

KORVEX_API int bf_BlockEnc(int handle, unsigned char* block) {
    if (!valid_handle(handle)) return 64;
    if (block == nullptr) return 39;
    return transform_ecb(&g_context, block, block, kBlockSize, true);
}

KORVEX_API int bf_BlockDec(int handle, unsigned char* block) {
    if (!valid_handle(handle)) return 64;
    if (block == nullptr) return 39;
    return transform_ecb(&g_context, block, block, kBlockSize, false);
}

KORVEX_API int BLF_Final(int handle) {
    if (!valid_handle(handle)) return 64;
    wipe_state(&g_context);
    g_handle = 0;
    return 0;
}

// One entry point under both names.
KORVEX_API int bf_Final(int handle) __attribute__((alias("BLF_Final")));

}  // extern "C"
