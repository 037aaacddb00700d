// File plumbing shared by the Blowfish and PC1 file exports.
#pragma once

#include <cstddef>
#include <cstdint>
#include <sys/types.h>

#include "blowfish.h"

namespace korvex {

// Large enough that system calls cost nothing next to the cipher, small
// enough for any thread's stack. A multiple of the block size.
constexpr size_t kFileChunk = 32768;

struct FilePair {
    int in = -1;
    int out = -1;
};

// Opens the input (1 when it cannot be opened or is not a readable file),
// then creates or truncates the output (2, input closed again). An output
// name that denotes the input file itself is refused with 2 before anything
// is truncated, so the plaintext is never destroyed.
int open_pair(const char* out_name, const char* in_name, FilePair* files);

// Closes the input, then the output; 4 when the output's close fails,
// otherwise result.
int close_pair(FilePair* files, int result);

// Fills buf up to n bytes unless the end of the file comes first; -1 on a
// read error.
ssize_t read_full(int fd, uint8_t* buf, size_t n);
bool write_full(int fd, const uint8_t* buf, size_t n);

// Whole-file Blowfish in the record's mode and direction: PKCS #5 padding in
// ECB and CBC, none in CFB and OFB. 0, 1 (read error), 4 (write error) or 18
// (bad padding, or a ciphertext shorter than one block).
int transform_file(BlowfishState* st, int in_fd, int out_fd);

}  // namespace korvex
