#include "sound_convert.h"

#include "core/mp3_encode.h"
#include "core/silence_trim.h"
#include "core/ui_text.h"

#include <FLAC/stream_decoder.h>
#include <mpg123.h>
#include <samplerate.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>

namespace ql {

namespace {

constexpr int kRecordingRate = 22050;
// A clip longer than this is not a word: ten minutes at the highest common rate, in stereo.
constexpr qint64 kMaxSamples = qint64(10) * 60 * 96000 * 2;

bool starts_with(const QByteArray& b, const char* magic, qsizetype at = 0) {
    const auto n = qsizetype(std::strlen(magic));
    return b.size() >= at + n && std::memcmp(b.constData() + at, magic, size_t(n)) == 0;
}

// ---- MP3 ----
std::optional<DecodedSound> decode_mp3(const QByteArray& bytes, QString* why) {
    static std::once_flag init;
    std::call_once(init, [] { mpg123_init(); });
    std::unique_ptr<mpg123_handle, void (*)(mpg123_handle*)> h(mpg123_new(nullptr, nullptr), mpg123_delete);
    if (!h) {
        *why = Quillory::tr("the MP3 decoder cannot be started");
        return std::nullopt;
    }
    mpg123_param(h.get(), MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    // Every rate and channel count, as floats, so the mixing and resampling need no conversion.
    mpg123_format_none(h.get());
    const long* rates = nullptr;
    size_t nrates = 0;
    mpg123_rates(&rates, &nrates);
    for (size_t k = 0; k < nrates; ++k)
        mpg123_format(h.get(), rates[k], MPG123_MONO | MPG123_STEREO, MPG123_ENC_FLOAT_32);
    if (mpg123_open_feed(h.get()) != MPG123_OK) {
        *why = Quillory::tr("the MP3 decoder cannot be started");
        return std::nullopt;
    }
    DecodedSound out;
    std::vector<unsigned char> chunk(32768);
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.constData());
    size_t done = 0;
    int rc = mpg123_decode(h.get(), in, size_t(bytes.size()), nullptr, 0, &done);
    for (;;) {
        // Sound may come back with any code, the last frames with MPG123_NEED_MORE.
        if (done > 0 && out.channels > 0) {
            const auto* f = reinterpret_cast<const float*>(chunk.data());
            out.samples.insert(out.samples.end(), f, f + done / sizeof(float));
            if (qint64(out.samples.size()) > kMaxSamples) {
                *why = Quillory::tr("it is too long for a word's recording");
                return std::nullopt;
            }
        }
        if (rc == MPG123_NEW_FORMAT) {
            long rate = 0;
            int channels = 0, encoding = 0;
            mpg123_getformat(h.get(), &rate, &channels, &encoding);
            if (out.rate != 0 && (out.rate != rate || out.channels != channels)) {
                *why = Quillory::tr("its MP3 frames change rate or channels part-way");
                return std::nullopt;
            }
            out.rate = int(rate);
            out.channels = channels;
        } else if (rc == MPG123_NEED_MORE || rc == MPG123_DONE) {
            break;
        } else if (rc != MPG123_OK) {
            *why = Quillory::tr("it is not a readable MP3 file (%1)").arg(QString::fromUtf8(mpg123_strerror(h.get())));
            return std::nullopt;
        }
        rc = mpg123_decode(h.get(), nullptr, 0, chunk.data(), chunk.size(), &done);
    }
    if (out.channels == 0 || out.samples.empty()) {
        *why = Quillory::tr("it holds no MP3 audio");
        return std::nullopt;
    }
    return out;
}

// ---- Ogg Vorbis ----
struct MemoryFile {
    const QByteArray* bytes;
    qsizetype pos = 0;
};

size_t mem_read(void* ptr, size_t size, size_t count, void* source) {
    auto* m = static_cast<MemoryFile*>(source);
    const size_t want = size * count;
    const size_t left = size_t(m->bytes->size() - m->pos);
    const size_t n = std::min(want, left);
    std::memcpy(ptr, m->bytes->constData() + m->pos, n);
    m->pos += qsizetype(n);
    return size ? n / size : 0;
}

int mem_seek(void* source, ogg_int64_t offset, int whence) {
    auto* m = static_cast<MemoryFile*>(source);
    qint64 to = offset;
    if (whence == SEEK_CUR) to += m->pos;
    else if (whence == SEEK_END) to += m->bytes->size();
    if (to < 0 || to > m->bytes->size()) return -1;
    m->pos = qsizetype(to);
    return 0;
}

long mem_tell(void* source) { return long(static_cast<MemoryFile*>(source)->pos); }

std::optional<DecodedSound> decode_ogg(const QByteArray& bytes, QString* why) {
    MemoryFile mem{&bytes};
    OggVorbis_File vf;
    const ov_callbacks callbacks{mem_read, mem_seek, nullptr, mem_tell};
    if (ov_open_callbacks(&mem, &vf, nullptr, 0, callbacks) != 0) {
        *why = Quillory::tr("it is not a readable Ogg Vorbis file");
        return std::nullopt;
    }
    DecodedSound out;
    const vorbis_info* info = ov_info(&vf, -1);
    out.rate = int(info->rate);
    out.channels = info->channels;
    bool ok = true;
    for (;;) {
        float** pcm = nullptr;
        int section = 0;
        const long n = ov_read_float(&vf, &pcm, 4096, &section);
        if (n == 0) break;
        if (n < 0 || ov_info(&vf, section)->channels != out.channels) {
            ok = false;
            break;
        }
        for (long i = 0; i < n; ++i)
            for (int c = 0; c < out.channels; ++c) out.samples.push_back(pcm[c][i]);
        if (qint64(out.samples.size()) > kMaxSamples) {
            ok = false;
            break;
        }
    }
    ov_clear(&vf);
    if (!ok || out.samples.empty()) {
        *why = Quillory::tr("its Ogg Vorbis audio is damaged");
        return std::nullopt;
    }
    return out;
}

// ---- FLAC ----
struct FlacState {
    const QByteArray* bytes;
    qsizetype pos = 0;
    DecodedSound out;
    bool failed = false;
    FLAC__uint64 total_frames = 0;  // from the stream's header; 0 when the encoder did not know it
};

void flac_metadata(const FLAC__StreamDecoder*, const FLAC__StreamMetadata* m, void* data) {
    if (m->type == FLAC__METADATA_TYPE_STREAMINFO)
        static_cast<FlacState*>(data)->total_frames = m->data.stream_info.total_samples;
}

FLAC__StreamDecoderReadStatus flac_read(const FLAC__StreamDecoder*, FLAC__byte buffer[], size_t* bytes, void* data) {
    auto* s = static_cast<FlacState*>(data);
    const size_t n = std::min(*bytes, size_t(s->bytes->size() - s->pos));
    std::memcpy(buffer, s->bytes->constData() + s->pos, n);
    s->pos += qsizetype(n);
    *bytes = n;
    return n == 0 ? FLAC__STREAM_DECODER_READ_STATUS_END_OF_STREAM : FLAC__STREAM_DECODER_READ_STATUS_CONTINUE;
}

FLAC__StreamDecoderWriteStatus flac_write(const FLAC__StreamDecoder*, const FLAC__Frame* frame,
                                          const FLAC__int32* const buffer[], void* data) {
    auto* s = static_cast<FlacState*>(data);
    const int channels = int(frame->header.channels);
    if (s->out.channels == 0) {
        s->out.channels = channels;
        s->out.rate = int(frame->header.sample_rate);
    }
    if (channels != s->out.channels || qint64(s->out.samples.size()) > kMaxSamples) {
        s->failed = true;
        return FLAC__STREAM_DECODER_WRITE_STATUS_ABORT;
    }
    const float scale = 1.0f / float(1u << (frame->header.bits_per_sample - 1));
    for (unsigned i = 0; i < frame->header.blocksize; ++i)
        for (int c = 0; c < channels; ++c) s->out.samples.push_back(float(buffer[c][i]) * scale);
    return FLAC__STREAM_DECODER_WRITE_STATUS_CONTINUE;
}

void flac_error(const FLAC__StreamDecoder*, FLAC__StreamDecoderErrorStatus, void* data) {
    static_cast<FlacState*>(data)->failed = true;
}

std::optional<DecodedSound> decode_flac(const QByteArray& bytes, QString* why) {
    std::unique_ptr<FLAC__StreamDecoder, void (*)(FLAC__StreamDecoder*)> d(FLAC__stream_decoder_new(),
                                                                          FLAC__stream_decoder_delete);
    FlacState s{&bytes};
    if (!d || FLAC__stream_decoder_init_stream(d.get(), flac_read, nullptr, nullptr, nullptr, nullptr, flac_write,
                                               flac_metadata, flac_error, &s) != FLAC__STREAM_DECODER_INIT_STATUS_OK) {
        *why = Quillory::tr("the FLAC decoder cannot be started");
        return std::nullopt;
    }
    const bool ok = FLAC__stream_decoder_process_until_end_of_stream(d.get());
    FLAC__stream_decoder_finish(d.get());
    // A file cut short decodes without complaint up to the cut; its header says how long it was.
    const bool short_of_header = s.total_frames > 0 && FLAC__uint64(s.out.frames()) < s.total_frames;
    if (!ok || s.failed || s.out.samples.empty() || short_of_header) {
        *why = Quillory::tr("its FLAC audio is damaged");
        return std::nullopt;
    }
    return std::move(s.out);
}

// ---- WAV ----
std::uint32_t le(const QByteArray& b, qsizetype at, int n) {
    std::uint32_t v = 0;
    for (int k = 0; k < n; ++k) v |= std::uint32_t(static_cast<unsigned char>(b[at + k])) << (8 * k);
    return v;
}

std::optional<DecodedSound> decode_wav(const QByteArray& b, QString* why) {
    int format = 0, channels = 0, bits = 0;
    std::uint32_t rate = 0;
    qsizetype data_at = -1, data_size = 0;
    for (qsizetype at = 12; at + 8 <= b.size();) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype size = qsizetype(le(b, at + 4, 4));
        const qsizetype body = at + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= b.size()) {
            format = int(le(b, body, 2));
            channels = int(le(b, body + 2, 2));
            rate = le(b, body + 4, 4);
            bits = int(le(b, body + 14, 2));
            if (format == 0xfffe && size >= 26 && body + 26 <= b.size()) format = int(le(b, body + 24, 2));
        } else if (id == "data") {
            data_at = body;
            // Writers that stream leave the size open; the data then runs to the end of the file.
            data_size = std::min<qsizetype>(size, b.size() - body);
            break;
        }
        if (size < 0 || body + size + (size & 1) <= at) break;
        at = body + size + (size & 1);
    }
    const bool pcm = format == 1 && (bits == 8 || bits == 16 || bits == 24 || bits == 32);
    const bool flt = format == 3 && bits == 32;
    if (data_at < 0 || channels < 1 || channels > 8 || rate < 1000 || rate > 384000 || !(pcm || flt)) {
        *why = Quillory::tr("it is not a WAV file of a kind that can be read (PCM or float)");
        return std::nullopt;
    }
    const int width = bits / 8;
    const qint64 count = data_size / width / channels * channels;
    if (count > kMaxSamples) {
        *why = Quillory::tr("it is too long for a word's recording");
        return std::nullopt;
    }
    DecodedSound out;
    out.rate = int(rate);
    out.channels = channels;
    out.samples.resize(size_t(count));
    const auto* p = reinterpret_cast<const unsigned char*>(b.constData() + data_at);
    for (qint64 i = 0; i < count; ++i, p += width) {
        float v;
        if (flt) {
            std::memcpy(&v, p, 4);
        } else if (width == 1) {
            v = (float(p[0]) - 128.0f) / 128.0f;
        } else {
            std::uint32_t u = 0;
            for (int k = 0; k < width; ++k) u |= std::uint32_t(p[k]) << (8 * k);
            u <<= 32 - bits;  // sign in the top bit
            v = float(std::int32_t(u)) / 2147483648.0f;
        }
        out.samples[size_t(i)] = v;
    }
    return out;
}

}  // namespace

std::optional<DecodedSound> decode_sound(const QByteArray& bytes, QString* why) {
    if (starts_with(bytes, "OggS")) return decode_ogg(bytes, why);
    if (starts_with(bytes, "fLaC")) return decode_flac(bytes, why);
    if (starts_with(bytes, "RIFF") && starts_with(bytes, "WAVE", 8)) return decode_wav(bytes, why);
    const bool id3 = starts_with(bytes, "ID3");
    const bool frame_sync = bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xff &&
                            (static_cast<unsigned char>(bytes[1]) & 0xe0) == 0xe0;
    if (id3 || frame_sync) return decode_mp3(bytes, why);
    *why = Quillory::tr("it is not MP3, Ogg Vorbis, FLAC or WAV audio");
    return std::nullopt;
}

std::vector<int16_t> to_mono_pcm(const DecodedSound& sound, int rate) {
    const qint64 frames = sound.frames();
    std::vector<float> mono(static_cast<size_t>(frames));
    for (qint64 i = 0; i < frames; ++i) {
        float sum = 0;
        for (int c = 0; c < sound.channels; ++c) sum += sound.samples[size_t(i * sound.channels + c)];
        mono[size_t(i)] = sum / float(sound.channels);
    }
    std::vector<float> resampled;
    if (sound.rate == rate) {
        resampled = std::move(mono);
    } else {
        const double ratio = double(rate) / double(sound.rate);
        resampled.resize(size_t(double(frames) * ratio) + 16);
        SRC_DATA d{};
        d.data_in = mono.data();
        d.input_frames = long(frames);
        d.data_out = resampled.data();
        d.output_frames = long(resampled.size());
        d.src_ratio = ratio;
        if (src_simple(&d, SRC_SINC_FASTEST, 1) != 0) return {};
        resampled.resize(size_t(d.output_frames_gen));
    }
    std::vector<int16_t> out(resampled.size());
    for (size_t i = 0; i < resampled.size(); ++i)
        out[i] = int16_t(std::clamp(std::lround(double(resampled[i]) * 32767.0), -32768L, 32767L));
    return out;
}

std::optional<QByteArray> convert_to_recording(const QByteArray& clip, QString* why) {
    const auto sound = decode_sound(clip, why);
    if (!sound) return std::nullopt;
    const std::vector<int16_t> pcm = to_mono_pcm(*sound, kRecordingRate);
    if (pcm.size() < 2) {
        *why = Quillory::tr("it holds no sound");
        return std::nullopt;
    }
    // The trimming rule reads the samples as the little-endian bytes a take is stored in.
    QByteArray take(qsizetype(pcm.size() * 2), Qt::Uninitialized);
    for (size_t i = 0; i < pcm.size(); ++i) {
        const auto u = std::uint16_t(pcm[i]);
        take[qsizetype(2 * i)] = char(u & 0xff);
        take[qsizetype(2 * i + 1)] = char(u >> 8);
    }
    take = trim_silence(std::move(take));
    std::vector<int16_t> kept(size_t(take.size() / 2));
    for (size_t i = 0; i < kept.size(); ++i)
        kept[i] = int16_t(std::uint16_t(static_cast<unsigned char>(take[qsizetype(2 * i)])) |
                          std::uint16_t(static_cast<unsigned char>(take[qsizetype(2 * i + 1)])) << 8);
    QByteArray mp3 = encode_mp3(kept);
    if (mp3.isEmpty()) {
        *why = Quillory::tr("the MP3 encoder failed");
        return std::nullopt;
    }
    return mp3;
}

}  // namespace ql
