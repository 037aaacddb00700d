// BLF_HexMode (and BLF_Hex) on fuzzed data, key, mode and vector texts, with
// output buffers of exactly the documented size, both separate and in place.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "korvex.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider fdp(data, size);
    const int direction = fdp.ConsumeIntegral<int>();
    const std::string key = fdp.ConsumeRandomLengthString(140);
    const std::string mode = fdp.ConsumeRandomLengthString(4);
    const std::string iv = fdp.ConsumeRandomLengthString(24);
    const bool null_iv = fdp.ConsumeBool();
    const std::string text = fdp.ConsumeRemainingBytesAsString();
    const size_t len = std::strlen(text.c_str());
    std::vector<char> out(len / 2 * 2 + 1);
    const int rc = BLF_HexMode(out.data(), text.c_str(), key.c_str(), direction, mode.c_str(),
                               null_iv ? nullptr : iv.c_str());
    if (rc == 0) {
        // Deciphering the result gives the data back (upper-cased hex pairs).
        std::vector<char> back(out.size());
        if (BLF_HexMode(back.data(), out.data(), key.c_str(), !(direction & 0xFFFF), mode.c_str(),
                        null_iv ? nullptr : iv.c_str()) != 0)
            std::abort();
    }
    std::vector<char> inplace(text.c_str(), text.c_str() + len + 1);
    BLF_Hex(inplace.data(), inplace.data(), key.c_str(), direction);
    return 0;
}
