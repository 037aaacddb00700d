#pragma once
#include <QByteArray>
#include <cstdint>

namespace ql {

// The four bytes of n, least significant first.
QByteArray le32_chars(std::uint32_t n);

// The 44-byte header that makes n bytes of 16-bit mono samples at 22050 Hz a playable WAV file.
QByteArray wav_header(std::uint32_t n);

}  // namespace ql
