// Hex reading and writing on arbitrary text with an exact-size output.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "modes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const size_t max = data[0] % 80;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::vector<uint8_t> out(max);  // exactly max bytes: any overrun is caught
    const size_t n = korvex::hex_read(out.data(), text.c_str(), max);
    const size_t L = std::min(std::strlen(text.c_str()), 2 * max);
    if (n != 0 && n != L / 2) std::abort();
    if (n > max) std::abort();
    std::vector<char> hex(2 * n + 1);
    korvex::hex_write(hex.data(), out.data(), n);
    std::vector<uint8_t> back(n);
    if (n != 0 && korvex::hex_read(back.data(), hex.data(), n) != n) std::abort();
    if (back != std::vector<uint8_t>(out.begin(), out.begin() + long(n))) std::abort();
    return 0;
}
