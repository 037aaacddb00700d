// BLF_B64Mode on fuzzed texts; the output buffer is exactly the capacity the
// export assumes (the input's length plus one).
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
    const std::string key = fdp.ConsumeRandomLengthString(100);
    const std::string mode = fdp.ConsumeRandomLengthString(4);
    const std::string iv = fdp.ConsumeRandomLengthString(20);
    const std::string text = fdp.ConsumeRemainingBytesAsString();
    const size_t len = std::strlen(text.c_str());
    std::vector<char> out(len + 1);
    BLF_B64Mode(out.data(), text.c_str(), key.c_str(), direction, mode.c_str(), iv.c_str());
    std::vector<char> inplace(text.c_str(), text.c_str() + len + 1);
    BLF_B64Mode(inplace.data(), inplace.data(), key.c_str(), direction, mode.c_str(), iv.c_str());
    return 0;
}
