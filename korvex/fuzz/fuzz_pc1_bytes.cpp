// PC1_Bytes against OpenSSL's RC4 on fuzzed keys and data, with either loop,
// at any offset within a word, separately and in place.
#include <fuzzer/FuzzedDataProvider.h>
#include <openssl/rc4.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "korvex.h"
#include "modes.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider fdp(data, size);
    const bool portable = fdp.ConsumeBool();
    const size_t in_off = fdp.ConsumeIntegralInRange<size_t>(0, 7);
    const size_t out_off = fdp.ConsumeIntegralInRange<size_t>(0, 7);
    const std::vector<uint8_t> key = fdp.ConsumeBytes<uint8_t>(fdp.ConsumeIntegralInRange<size_t>(0, 300));
    const std::vector<uint8_t> plain = fdp.ConsumeRemainingBytes<uint8_t>();
    const size_t n = plain.size();

    // Exactly sized buffers, so the sanitizer sees any byte read or written
    // beyond them.
    std::vector<uint8_t> in(in_off + n), out(out_off + n);
    if (n != 0) std::memcpy(in.data() + in_off, plain.data(), n);
    korvex::testing::force_portable_kernels(portable);
    const int rc = PC1_Bytes(out.data() + out_off, in.data() + in_off, n, key.data(), key.size());
    if (key.empty()) {
        if (rc != 48) std::abort();
        korvex::testing::force_portable_kernels(false);
        return 0;
    }
    if (rc != 0) std::abort();

    std::vector<uint8_t> want(n);
    RC4_KEY k;
    RC4_set_key(&k, int(key.size()), key.data());
    if (n != 0) RC4(&k, n, plain.data(), want.data());
    if (n != 0 && std::memcmp(out.data() + out_off, want.data(), n) != 0) std::abort();

    if (PC1_Bytes(in.data() + in_off, in.data() + in_off, n, key.data(), key.size()) != 0) std::abort();
    if (n != 0 && std::memcmp(in.data() + in_off, want.data(), n) != 0) std::abort();
    korvex::testing::force_portable_kernels(false);
    return 0;
}
