// Helpers shared by the korvex tests: random data, hex, temporary files and
// the OpenSSL reference transforms.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "modes.h"

namespace kxtest {

using Bytes = std::vector<uint8_t>;

Bytes random_bytes(std::mt19937& rng, size_t n);
Bytes from_hex(const std::string& hex);
std::string to_hex(const Bytes& b);  // upper case
std::string to_base64(const Bytes& b);

// A fresh directory removed with everything in it when the object dies.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    std::string path(const std::string& name) const { return dir_ + "/" + name; }

private:
    std::string dir_;
};

void write_file(const std::string& path, const Bytes& data);
Bytes read_file(const std::string& path);
bool file_exists(const std::string& path);

// OpenSSL references. mode: 0 ECB, 1 CBC, 2 CFB, 3 OFB. ECB and CBC need
// whole blocks; use pkcs5_pad first for the file format.
Bytes openssl_bf(int mode, const Bytes& key, const Bytes& iv, const Bytes& data, bool encipher);
Bytes pkcs5_pad(const Bytes& data);
Bytes openssl_rc4(const Bytes& key, const Bytes& data);

// Runs body with the processor's fastest cipher loops and again, where there
// are others, with the portable ones.
template <typename Body>
void on_every_kernel(Body body) {
    body();
    if (korvex::testing::force_portable_kernels(true)) {
        SCOPED_TRACE("portable cipher loops");
        body();
        korvex::testing::force_portable_kernels(false);
    }
}

}  // namespace kxtest
