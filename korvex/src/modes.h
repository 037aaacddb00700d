// Modes of operation, mode names, and the hex and base64 text encodings.
#pragma once

#include <cstddef>
#include <cstdint>

#include "blowfish.h"

namespace korvex {

// Looks at the first one or two characters only; kUnknownMode otherwise.
int mode_from_name(const char* name);

// Transforms with the record's mode and direction, carrying the chaining
// register on. out may equal in. Returns 8 (nothing written) for ECB or CBC
// data that is not a whole number of blocks.
int transform(BlowfishState* st, uint8_t* out, const uint8_t* in, size_t len);

// ECB with the record's schedule, whatever its mode and direction.
int transform_ecb(const BlowfishState* st, uint8_t* out, const uint8_t* in, size_t len,
                  bool encipher);

// Hex pairs from the start of s, at most max_bytes; 0 when a pair does not
// start with a hex digit. Reads no further than 2 * max_bytes characters.
size_t hex_read(uint8_t* out, const char* s, size_t max_bytes);
// Two upper-case digits per byte and a terminating zero (2n + 1 chars).
void hex_write(char* out, const uint8_t* bytes, size_t n);

// capacity counts the terminating zero; stops at the last whole group that fits.
size_t base64_write(char* out, size_t capacity, const uint8_t* bytes, size_t n);
// Skips characters outside the alphabet, stops at '=' or the end of s.
size_t base64_read(uint8_t* out, size_t capacity, const char* s);

#ifdef KORVEX_TEST_HOOKS
namespace testing {
// Makes the Blowfish mode loops and the PC1 loop take the portable path even
// where a faster one is available, so tests cover both; false when there is
// no other path.
bool force_portable_kernels(bool on);
bool portable_kernels_forced();
}  // namespace testing
#endif

}  // namespace korvex
