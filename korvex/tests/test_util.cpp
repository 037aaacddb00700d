#include "test_util.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <openssl/blowfish.h>
#include <openssl/rc4.h>
#include <stdexcept>
#include <sys/stat.h>

namespace kxtest {

Bytes random_bytes(std::mt19937& rng, size_t n) {
    Bytes b(n);
    std::uniform_int_distribution<int> d(0, 255);
    for (auto& x : b) x = uint8_t(d(rng));
    return b;
}

Bytes from_hex(const std::string& hex) {
    Bytes b;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) b.push_back(uint8_t(std::stoi(hex.substr(i, 2), nullptr, 16)));
    return b;
}

std::string to_hex(const Bytes& b) {
    static const char d[] = "0123456789ABCDEF";
    std::string s;
    for (uint8_t x : b) {
        s += d[x >> 4];
        s += d[x & 15];
    }
    return s;
}

std::string to_base64(const Bytes& b) {
    static const char a[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string s;
    size_t i = 0;
    for (; i + 3 <= b.size(); i += 3) {
        uint32_t v = (b[i] << 16) | (b[i + 1] << 8) | b[i + 2];
        s += a[v >> 18]; s += a[(v >> 12) & 63]; s += a[(v >> 6) & 63]; s += a[v & 63];
    }
    if (b.size() - i == 1) {
        uint32_t v = b[i] << 16;
        s += a[v >> 18]; s += a[(v >> 12) & 63]; s += "==";
    } else if (b.size() - i == 2) {
        uint32_t v = (b[i] << 16) | (b[i + 1] << 8);
        s += a[v >> 18]; s += a[(v >> 12) & 63]; s += a[(v >> 6) & 63]; s += '=';
    }
    return s;
}

TempDir::TempDir() {
    const char* base = std::getenv("TMPDIR");
    std::string tmpl = std::string(base != nullptr ? base : "/tmp") + "/korvex_test_XXXXXX";
    std::vector<char> buf(tmpl.begin(), tmpl.end());
    buf.push_back('\0');
    if (mkdtemp(buf.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    dir_ = buf.data();
}

TempDir::~TempDir() {
    std::string cmd = "rm -rf '" + dir_ + "'";
    if (std::system(cmd.c_str()) != 0) std::fprintf(stderr, "could not remove %s\n", dir_.c_str());
}

void write_file(const std::string& path, const Bytes& data) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
    if (!f) throw std::runtime_error("cannot write " + path);
}

Bytes read_file(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    if (!f) throw std::runtime_error("cannot read " + path);
    return Bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

bool file_exists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0;
}

Bytes pkcs5_pad(const Bytes& data) {
    Bytes p = data;
    const size_t pad = 8 - data.size() % 8;
    p.insert(p.end(), pad, uint8_t(pad));
    return p;
}

Bytes openssl_bf(int mode, const Bytes& key, const Bytes& iv, const Bytes& data, bool encipher) {
    BF_KEY k;
    BF_set_key(&k, int(key.size()), key.data());
    Bytes out(data.size());
    unsigned char ivc[8] = {};
    if (iv.size() == 8) std::copy(iv.begin(), iv.end(), ivc);
    const int enc = encipher ? BF_ENCRYPT : BF_DECRYPT;
    int num = 0;
    switch (mode) {
        case 0:
            for (size_t i = 0; i + 8 <= data.size(); i += 8) BF_ecb_encrypt(&data[i], &out[i], &k, enc);
            break;
        case 1:
            if (!data.empty()) BF_cbc_encrypt(data.data(), out.data(), long(data.size()), &k, ivc, enc);
            break;
        case 2:
            if (!data.empty()) BF_cfb64_encrypt(data.data(), out.data(), long(data.size()), &k, ivc, &num, enc);
            break;
        case 3:
            if (!data.empty()) BF_ofb64_encrypt(data.data(), out.data(), long(data.size()), &k, ivc, &num);
            break;
    }
    return out;
}

Bytes openssl_rc4(const Bytes& key, const Bytes& data) {
    RC4_KEY k;
    RC4_set_key(&k, int(key.size()), key.data());
    Bytes out(data.size());
    if (!data.empty()) RC4(&k, data.size(), data.data(), out.data());
    return out;
}

}  // namespace kxtest
