// BLF_FileHex on fuzzed key, mode, vector and file contents: any text must
// give a result code, never a crash; an encipherment must decipher back.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

#include "korvex.h"

namespace {

std::string g_dir;

std::vector<uint8_t> slurp(const std::string& path) {
    std::vector<uint8_t> v;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        int c;
        while ((c = std::fgetc(f)) != EOF) v.push_back(uint8_t(c));
        std::fclose(f);
    }
    return v;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (g_dir.empty()) {
        char tmpl[] = "/tmp/korvex_fuzz_XXXXXX";
        if (mkdtemp(tmpl) == nullptr) std::abort();
        g_dir = tmpl;
    }
    FuzzedDataProvider fdp(data, size);
    const bool encipher = fdp.ConsumeBool();
    const std::string key = fdp.ConsumeRandomLengthString(130);
    const std::string mode = fdp.ConsumeRandomLengthString(4);
    const std::string iv = fdp.ConsumeRandomLengthString(24);
    const std::vector<uint8_t> content = fdp.ConsumeRemainingBytes<uint8_t>();
    const std::string in = g_dir + "/in", out = g_dir + "/out", back = g_dir + "/back";
    FILE* f = std::fopen(in.c_str(), "wb");
    if (f == nullptr) std::abort();
    if (!content.empty()) std::fwrite(content.data(), 1, content.size(), f);
    std::fclose(f);
    const int rc = BLF_FileHex(out.c_str(), in.c_str(), key.c_str(), encipher ? -1 : 0, mode.c_str(), iv.c_str());
    if (encipher && rc == 0) {
        if (BLF_FileHex(back.c_str(), out.c_str(), key.c_str(), 0, mode.c_str(), iv.c_str()) != 0) std::abort();
        if (slurp(back) != content) std::abort();
    }
    static const int kKnown[] = {0, 1, 2, 4, 18, 35, 48, 51};
    bool known = false;
    for (int k : kKnown) known |= rc == k;
    if (!known) std::abort();
    return 0;
}
