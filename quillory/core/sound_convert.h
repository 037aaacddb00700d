#pragma once
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace ql {

// Sound as a decoder hands it over: interleaved samples from -1 to 1.
struct DecodedSound {
    int rate = 0;
    int channels = 0;
    std::vector<float> samples;
    qint64 frames() const { return channels > 0 ? qint64(samples.size()) / channels : 0; }
};

// Decodes MP3 (libmpg123), Ogg Vorbis (libvorbisfile), FLAC (libFLAC) or WAV (PCM of 8, 16, 24 or
// 32 bits, or 32-bit float), told apart by their first bytes. std::nullopt with `why` set when the
// bytes are none of these or are damaged.
std::optional<DecodedSound> decode_sound(const QByteArray& bytes, QString* why);

// Mixes the channels to one and resamples to `rate` with libsamplerate, as 16-bit samples.
std::vector<int16_t> to_mono_pcm(const DecodedSound& sound, int rate);

// A clip from elsewhere made into one of the program's recordings: decoded, mono, 22050 Hz, the
// silence cut off both ends by the rule every take is trimmed by, and encoded as the recordings are
// (MPEG-2 layer III, 32 kbit/s, no tag). std::nullopt with `why` set on failure.
std::optional<QByteArray> convert_to_recording(const QByteArray& clip, QString* why);

}  // namespace ql
