// Throughput of korvex against OpenSSL's EVP ciphers measured in the same
// run on the same machine, printed as ratios (above 1 means korvex is faster),
// each the median over alternating trials, with the load average beside it.
//
//   korvex_bench [--quick]
//
// Block modes and PC1 run over 16 KiB buffers with the key set up once (the
// streaming exports for Blowfish, as EVP keeps its context); PC1_Bytes sets
// its key up on every buffer, as it always does. The file export is timed
// against `openssl enc -bf-cbc` on a 64 MiB file.
#include <openssl/evp.h>
#include <openssl/provider.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <string>
#include <time.h>
#include <vector>

#include "korvex.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr size_t kBuf = 16384;

// In-process cases count this thread's processor time: a trial that loses
// the core to a neighbour half-way is then not charged for the wait. The file
// case runs a separate program and counts the wall clock.
enum class Timing { kThreadCpu, kWall };

double now(Timing timing) {
    if (timing == Timing::kWall) return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
}

double seconds(const std::function<void()>& f, Timing timing) {
    const double t0 = now(timing);
    f();
    return now(timing) - t0;
}

// The 1-minute load average, printed beside every figure: on a shared
// machine it says how much the figure can be trusted.
double load_average() {
    double load = -1;
    if (FILE* f = std::fopen("/proc/loadavg", "r")) {
        if (std::fscanf(f, "%lf", &load) != 1) load = -1;
        std::fclose(f);
    }
    return load;
}

double quantile(std::vector<double> v, double q) {
    std::sort(v.begin(), v.end());
    const double pos = q * double(v.size() - 1);
    const size_t lo = size_t(pos);
    const size_t hi = std::min(lo + 1, v.size() - 1);
    return v[lo] + (v[hi] - v[lo]) * (pos - double(lo));
}

// Trials in pairs, one run of each side back to back, the order swapped
// from pair to pair; each pair gives a ratio measured under the same
// conditions, and the median ratio leaves out the pairs a busy neighbour
// spoiled on either side. The quartiles show how far the pairs spread.
//
// Pairs run for at least span seconds of wall time: the processor's speed
// comes and goes in spells of a few hundred milliseconds on a shared host,
// and a case that ended inside one spell would report that spell alone.
void compare(const char* name, const char* target, size_t total, const std::function<void()>& ours,
             const std::function<void()>& theirs, int trials, double span,
             Timing timing = Timing::kThreadCpu) {
    std::vector<double> ratios, ours_s, theirs_s;
    const double start = now(Timing::kWall);
    for (int r = 0; r < trials || now(Timing::kWall) - start < span; ++r) {
        double a, b;
        if (r % 2 == 0) {
            b = seconds(theirs, timing);
            a = seconds(ours, timing);
        } else {
            a = seconds(ours, timing);
            b = seconds(theirs, timing);
        }
        ratios.push_back(b / a);
        ours_s.push_back(a);
        theirs_s.push_back(b);
    }
    const double mib = double(total) / (1024.0 * 1024.0);
    std::printf("%-24s korvex %7.1f MiB/s  openssl %7.1f MiB/s  ratio %5.2fx [%.2f-%.2f]  (target %s)  load %.2f\n",
                name, mib / quantile(ours_s, 0.5), mib / quantile(theirs_s, 0.5), quantile(ratios, 0.5),
                quantile(ratios, 0.25), quantile(ratios, 0.75), target, load_average());
    std::fflush(stdout);
}

const EVP_CIPHER* bf_cipher(const char* mode) {
    if (std::strcmp(mode, "CBC") == 0) return EVP_bf_cbc();
    if (std::strcmp(mode, "ECB") == 0) return EVP_bf_ecb();
    if (std::strcmp(mode, "CFB") == 0) return EVP_bf_cfb64();
    return EVP_bf_ofb();
}

std::vector<unsigned char> slurp(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(f), {});
}

// What every case works on: one key, one vector and a buffer of random bytes.
struct Inputs {
    std::mt19937 rng{1};
    std::vector<unsigned char> key = std::vector<unsigned char>(16), iv = std::vector<unsigned char>(8),
                               buf = std::vector<unsigned char>(kBuf);
    Inputs() {
        for (auto& b : key) b = uint8_t(rng());
        for (auto& b : iv) b = uint8_t(rng());
        for (auto& b : buf) b = uint8_t(rng());
    }
};

struct Pace {
    int rounds;
    double span;     // seconds of pairs per case, at least
    size_t buffers;  // 16 KiB buffers per trial
};

// The streaming Blowfish exports against EVP, one mode and direction a row.
bool compare_block_modes(Inputs& in, const Pace& pace) {
    struct Row { const char* label; const char* mode; int encipher; const char* target; };
    const Row rows[] = {
        {"Blowfish CBC encipher", "CBC", 1, ">= 1.10"},
        {"Blowfish CBC decipher", "CBC", 0, ">= 1.50"},
        {"Blowfish ECB encipher", "ECB", 1, ">= 1.50"},
        {"Blowfish ECB decipher", "ECB", 0, ">= 1.50"},
        {"Blowfish CFB encipher", "CFB", 1, "reported"},
        {"Blowfish OFB", "OFB", 1, "reported"},
    };
    std::vector<unsigned char>& buf = in.buf;
    for (const Row& row : rows) {
        EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
        EVP_CipherInit_ex(ctx, bf_cipher(row.mode), nullptr, nullptr, nullptr, row.encipher);
        EVP_CIPHER_CTX_set_key_length(ctx, int(in.key.size()));
        EVP_CipherInit_ex(ctx, nullptr, nullptr, in.key.data(), in.iv.data(), row.encipher);
        EVP_CIPHER_CTX_set_padding(ctx, 0);
        const int h = BLF_Init(in.key.data(), in.key.size(), row.encipher ? -1 : 0, row.mode, in.iv.data());
        if (h == 0) {
            std::fprintf(stderr, "BLF_Init failed: %d\n", BLF_InitError());
            EVP_CIPHER_CTX_free(ctx);
            return false;
        }
        compare(row.label, row.target, pace.buffers * kBuf,
                [&] {
                    for (size_t i = 0; i < pace.buffers; ++i) BLF_Update(h, buf.data(), kBuf);
                },
                [&] {
                    int outl = 0;
                    for (size_t i = 0; i < pace.buffers; ++i) EVP_CipherUpdate(ctx, buf.data(), &outl, buf.data(), int(kBuf));
                },
                pace.rounds, pace.span);
        BLF_Final(h);
        EVP_CIPHER_CTX_free(ctx);
    }
    return true;
}

void compare_pc1(Inputs& in, const Pace& pace) {
    std::vector<unsigned char>& buf = in.buf;
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    EVP_CipherInit_ex(ctx, EVP_rc4(), nullptr, in.key.data(), nullptr, 1);
    compare("PC1 vs RC4", ">= 1.10", pace.buffers * kBuf,
            [&] {
                for (size_t i = 0; i < pace.buffers; ++i) PC1_Bytes(buf.data(), buf.data(), kBuf, in.key.data(), in.key.size());
            },
            [&] {
                int outl = 0;
                for (size_t i = 0; i < pace.buffers; ++i) EVP_CipherUpdate(ctx, buf.data(), &outl, buf.data(), int(kBuf));
            },
            pace.rounds, pace.span);
    EVP_CIPHER_CTX_free(ctx);
}

std::string hex(const std::vector<unsigned char>& bytes) {
    std::string text;
    char two[3];
    for (auto b : bytes) {
        std::snprintf(two, sizeof two, "%02X", b);
        text += two;
    }
    return text;
}

// The file export against the openssl command on a file of `file_size` random bytes; whether both
// wrote the same file.
bool compare_file_export(Inputs& in, size_t file_size, bool quick) {
    const char* tmp = std::getenv("TMPDIR");
    const std::string dir = std::string(tmp != nullptr ? tmp : "/tmp");
    const std::string plain = dir + "/korvex_bench_plain", ours = dir + "/korvex_bench_ours",
                      theirs = dir + "/korvex_bench_openssl";
    {
        std::ofstream f(plain, std::ios::binary);
        for (size_t done = 0; done < file_size; done += kBuf) {
            for (auto& b : in.buf) b = uint8_t(in.rng());
            f.write(reinterpret_cast<const char*>(in.buf.data()), kBuf);
        }
    }
    const std::string command = "openssl enc -bf-cbc -provider legacy -provider default -K " + hex(in.key) +
                                " -iv " + hex(in.iv) + " -in " + plain + " -out " + theirs;
    int file_rc = 0, cmd_rc = 0;
    compare("BLF_File vs openssl enc", ">= 1.00", file_size,
            [&] { file_rc = BLF_File(ours.c_str(), plain.c_str(), in.key.data(), in.key.size(), -1, "CBC", in.iv.data()); },
            [&] { cmd_rc = std::system(command.c_str()); }, quick ? 3 : 7, 0.0, Timing::kWall);
    const bool same = file_rc == 0 && cmd_rc == 0 && slurp(ours) == slurp(theirs);
    std::printf("file outputs %s (BLF_File %d, openssl %d)\n", same ? "identical" : "DIFFER", file_rc, cmd_rc);
    std::remove(plain.c_str());
    std::remove(ours.c_str());
    std::remove(theirs.c_str());
    return same;
}

}  // namespace

int main(int argc, char** argv) {
    const bool quick = argc > 1 && std::strcmp(argv[1], "--quick") == 0;
    // 256 KiB per trial: short enough to find quiet moments.
    const Pace pace{quick ? 60 : 200, quick ? 1.0 : 3.0, 16};
    if (OSSL_PROVIDER_load(nullptr, "legacy") == nullptr || OSSL_PROVIDER_load(nullptr, "default") == nullptr) {
        std::fprintf(stderr, "OpenSSL legacy provider unavailable: Blowfish and RC4 cannot be compared\n");
        return 1;
    }
    Inputs in;

    std::printf("korvex against OpenSSL %s, %zu x 16 KiB per trial, median of at least %d alternating\n"
                "pairs of trials over at least %.0f s a case\n"
                "(speeds: medians of thread CPU time, the file case of wall time; ratio: median of the\n"
                " pairs' ratios [quartiles]; load: 1-minute load average when the case ended)\n"
                "load average at start %.2f\n",
                OpenSSL_version(OPENSSL_VERSION), pace.buffers, pace.rounds, pace.span, load_average());
    if (!compare_block_modes(in, pace)) return 1;
    compare_pc1(in, pace);
    return compare_file_export(in, size_t(quick ? 16 : 64) << 20, quick) ? 0 : 1;
}
