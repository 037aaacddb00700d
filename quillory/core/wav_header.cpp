#include "wav_header.h"

namespace ql {

namespace {

QByteArray le16_chars(std::uint16_t n) {
    QByteArray out(2, '\0');
    out[0] = char(n & 0xff);
    out[1] = char(n >> 8);
    return out;
}

}  // namespace

QByteArray le32_chars(std::uint32_t n) {
    QByteArray out(4, '\0');
    for (int k = 0; k < 4; ++k) out[k] = char((n >> (8 * k)) & 0xff);
    return out;
}

QByteArray wav_header(std::uint32_t n) {
    QByteArray h;
    h.reserve(44);
    h += "RIFF";
    h += le32_chars(n + 36);
    h += "WAVEfmt ";
    h += le32_chars(16);
    h += le16_chars(1);      // PCM
    h += le16_chars(1);      // mono
    h += le32_chars(22050);  // samples per second
    h += le32_chars(44100);  // bytes per second
    h += le16_chars(2);      // bytes per frame
    h += le16_chars(16);     // bits per sample
    h += "data";
    h += le32_chars(n);
    return h;
}

}  // namespace ql
