/*
 * korvex: Blowfish (ECB, CBC, CFB, OFB) and PC1 (ARCFOUR-compatible) with a
 * flat C interface.
 *
 * Conventions shared by every export:
 *  - every export returns an int result code from the table below, 0 for
 *    success (the streaming init exports return a handle instead);
 *  - the caller owns every buffer; byte outputs hold as many bytes as the
 *    input and may be the input itself;
 *  - "direction": only the low 16 bits count; nonzero enciphers (so -1
 *    enciphers), zero deciphers;
 *  - mode names are read from their first one or two characters:
 *    E.. = ECB, CF.. = CFB, C.. = CBC, O.. = OFB (either case);
 *  - raw keys are 1 to 56 bytes (PC1: 1 or more); a zero-length or missing
 *    key is refused rather than read, with the key code of the export
 *    (33 for the raw-key Blowfish exports, 48 for the init, file-text,
 *    base64 and PC1 exports, 50 for the hex exports);
 *  - vectors are 8 bytes; a vector text that decodes to fewer than 8 bytes
 *    is refused with the export's vector code;
 *  - hex text is read in pairs from the start (an odd last character is
 *    ignored); a pair whose first character is not a hex digit fails the
 *    whole text, one whose second is not counts as its first digit alone;
 *    signs and white space are not digits;
 *  - base64 text (RFC 4648 alphabet) skips other characters and ends at '=';
 *  - a missing buffer with a nonzero length gives 39 rather than a crash;
 *  - the file exports never truncate their own input: an output name that
 *    denotes the input file gives 2; a read error on the input gives 1 and a
 *    failed write 4, never a silent success;
 *  - deciphering an ECB or CBC file shorter than one block writes an empty
 *    output and gives 18;
 *  - keys, vectors, working states and data copies are zero-filled before
 *    they are released, on failure paths too.
 *
 * Output sizes for the text exports: the hex exports write twice the decoded
 * length plus a terminating zero, which fits in the input text's own buffer
 * (they may work in place); BLF_B64Mode takes its output capacity to be the
 * input text's length plus one.
 *
 * Enciphered files hold the transformed bytes only (no header). ECB and CBC
 * files are padded PKCS #5 style to 8 * (floor(length / 8) + 1) bytes; CFB
 * and OFB files are as long as the plaintext.
 *
 * The one-shot exports are safe to call from several threads at once. The
 * streaming exports (BLF_Init .. BLF_Final) share one context and are not.
 */
#ifndef KORVEX_H
#define KORVEX_H

#include <stddef.h>

#if defined(KORVEX_BUILDING)
#define KORVEX_API __attribute__((visibility("default")))
#else
#define KORVEX_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Result codes, one table for every export. */
enum {
    KORVEX_OK = 0,
    KORVEX_ERR_OPEN_INPUT = 1,      /* input file cannot be opened or read */
    KORVEX_ERR_CREATE_OUTPUT = 2,   /* output file cannot be created (or names the input) */
    KORVEX_ERR_WRITE = 4,           /* a write to, or the close of, the output failed */
    KORVEX_ERR_LENGTH = 8,          /* ECB/CBC data not a multiple of 8 bytes */
    KORVEX_ERR_PADDING = 18,        /* bad padding, or a ciphertext file shorter than a block */
    KORVEX_ERR_KEY_LENGTH = 33,     /* raw key longer than 56 bytes, empty or missing */
    KORVEX_ERR_MODE = 35,           /* unknown mode name */
    KORVEX_ERR_MISSING_ARG = 39,    /* a required string or buffer is missing */
    KORVEX_ERR_KEY = 48,            /* key text gives no bytes, or raw key missing/empty */
    KORVEX_ERR_BASE64_DATA = 49,    /* base64 data gives no bytes */
    KORVEX_ERR_HEX = 50,            /* hex data, hex key or hex vector unusable */
    KORVEX_ERR_VECTOR = 51,         /* vector missing or not 8 bytes */
    KORVEX_ERR_HANDLE = 64,         /* not the current valid streaming handle */
    KORVEX_ERR_NO_MEMORY = 1024     /* working buffer cannot be allocated */
};

/* One-shot byte exports. */
KORVEX_API int BLF_Bytes(unsigned char* out, const unsigned char* in, size_t length,
                         const unsigned char* key, size_t key_length, int direction);
KORVEX_API int BLF_BytesMode(unsigned char* out, const unsigned char* in, size_t length,
                             const unsigned char* key, size_t key_length, int direction,
                             const char* mode, const unsigned char* vector);
KORVEX_API int bf_StringEnc(unsigned char* out, const unsigned char* in, size_t length,
                            const unsigned char* key, size_t key_length);
KORVEX_API int bf_StringDec(unsigned char* out, const unsigned char* in, size_t length,
                            const unsigned char* key, size_t key_length);

/* One-shot text exports. */
KORVEX_API int BLF_Hex(char* out, const char* in_hex, const char* key_hex, int direction);
KORVEX_API int BLF_HexMode(char* out, const char* in_hex, const char* key_hex, int direction,
                           const char* mode, const char* vector_hex);
KORVEX_API int BLF_B64Mode(char* out, const char* in_b64, const char* key_b64, int direction,
                           const char* mode, const char* vector_b64);

/* One-shot file exports: output file name first, then input file name. */
KORVEX_API int BLF_File(const char* out_file, const char* in_file, const unsigned char* key,
                        size_t key_length, int direction, const char* mode,
                        const unsigned char* vector);
KORVEX_API int BLF_FileHex(const char* out_file, const char* in_file, const char* key_hex,
                           int direction, const char* mode, const char* vector_hex);
KORVEX_API int BLF_FileB64(const char* out_file, const char* in_file, const char* key_b64,
                           int direction, const char* mode, const char* vector_b64);
KORVEX_API int bf_FileEnc(const char* out_file, const char* in_file, const unsigned char* key,
                          size_t key_length);
KORVEX_API int bf_FileDec(const char* out_file, const char* in_file, const unsigned char* key,
                          size_t key_length);

/* Streaming exports on the one shared context. The init exports return the
 * handle (nonzero) or 0; BLF_InitError then tells why. */
KORVEX_API int BLF_Init(const unsigned char* key, size_t key_length, int direction,
                        const char* mode, const unsigned char* vector);
KORVEX_API int BLF_InitHex(const char* key_hex, int direction, const char* mode,
                           const char* vector_hex);
KORVEX_API int bf_Init(const unsigned char* key, size_t key_length);
KORVEX_API int BLF_InitError(void);
KORVEX_API int BLF_Update(int handle, unsigned char* data, size_t length);
KORVEX_API int BLF_UpdateHex(int handle, char* hex);
KORVEX_API int BLF_Ecb(int handle, unsigned char* data, size_t length, int direction);
KORVEX_API int BLF_EcbHex(int handle, char* hex, int direction);
KORVEX_API int bf_BlockEnc(int handle, unsigned char* block);
KORVEX_API int bf_BlockDec(int handle, unsigned char* block);
KORVEX_API int BLF_Final(int handle);
KORVEX_API int bf_Final(int handle);

/* PC1 (ARCFOUR-compatible stream cipher); the same call enciphers and
 * deciphers. An empty or missing key gives 48. */
KORVEX_API int PC1_Bytes(unsigned char* out, const unsigned char* in, size_t length,
                         const unsigned char* key, size_t key_length);
KORVEX_API int PC1_File(const char* out_file, const char* in_file, const unsigned char* key,
                        size_t key_length);

#ifdef __cplusplus
}
#endif

#endif /* KORVEX_H */
