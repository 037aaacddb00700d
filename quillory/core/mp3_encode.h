#pragma once
#include <QByteArray>
#include <cstdint>
#include <vector>

namespace ql {

// Encodes 16-bit mono samples at 22050 Hz as the installed recordings are made: MPEG-2 layer III,
// 32 kbit/s constant, mono, without an ID3 or Xing tag, so that the clip joins a compiled file like a
// recording. Samples at another `rate` are resampled to 22050 Hz on the way. Empty on an encoder
// failure.
QByteArray encode_mp3(const std::vector<int16_t>& pcm, int rate = 22050);

}  // namespace ql
