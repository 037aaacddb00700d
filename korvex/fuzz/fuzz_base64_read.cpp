// Base64 reading with a fuzzed capacity, and writing what was read back out.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "modes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const size_t cap = size_t(data[0]) | (size_t(data[1] & 3) << 8);
    const std::string text(reinterpret_cast<const char*>(data + 2), size - 2);
    uint8_t* out = static_cast<uint8_t*>(std::malloc(cap == 0 ? 1 : cap));
    const size_t n = korvex::base64_read(out, cap, text.c_str());
    if (n > cap) std::abort();
    // Whatever was read must survive a write and a second read.
    const size_t enc_cap = (n + 2) / 3 * 4 + 1;
    std::vector<char> enc(enc_cap);
    const size_t w = korvex::base64_write(enc.data(), enc_cap, out, n);
    if (w != std::strlen(enc.data()) || w + 1 > enc_cap) std::abort();
    std::vector<uint8_t> back(n + 1);
    if (korvex::base64_read(back.data(), n, enc.data()) != n) std::abort();
    if (n != 0 && std::memcmp(back.data(), out, n) != 0) std::abort();
    // A short capacity stops at a whole group and never overruns.
    const size_t small = cap % (enc_cap + 1);
    std::vector<char> part(small == 0 ? 1 : small, 'x');
    if (small != 0 && korvex::base64_write(part.data(), small, out, n) >= small) std::abort();
    std::free(out);
    return 0;
}
