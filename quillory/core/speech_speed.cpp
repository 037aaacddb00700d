#include "speech_speed.h"

#include "cache_file.h"
#include "mp3_encode.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QtEndian>

#include <mpg123.h>
#include <sonic.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <mutex>

namespace ql {

namespace {

const QString kSpeedKey = QStringLiteral("speech/speed_percent");
// Raised whenever the stretching or the encoding changes, so that old clips are not reused.
constexpr char kClipFormat[] = "sonic-0.2/mp3-mpeg2-32k-mono/1";
constexpr int kEngineRate = 22050;

}  // namespace

QList<int> speech_speed_choices() { return {100, 90, 80, 70, 60, 50}; }

int valid_speech_speed(int percent) {
    return speech_speed_choices().contains(percent) ? percent : kNaturalSpeed;
}

int load_speech_speed(const QString& settings_path) {
    if (settings_path.isEmpty()) return kNaturalSpeed;
    QSettings settings(settings_path, QSettings::IniFormat);
    bool ok = false;
    const int v = settings.value(kSpeedKey, kNaturalSpeed).toInt(&ok);
    return ok ? valid_speech_speed(v) : kNaturalSpeed;
}

bool save_speech_speed(const QString& settings_path, int percent) {
    if (settings_path.isEmpty()) return false;
    QSettings settings(settings_path, QSettings::IniFormat);
    settings.setValue(kSpeedKey, valid_speech_speed(percent));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

// ---- decoding ----

std::optional<Pcm> decode_mp3_pcm(const QByteArray& mp3) {
    static std::once_flag init;
    std::call_once(init, [] { mpg123_init(); });
    if (mp3.isEmpty()) return std::nullopt;
    int err = 0;
    std::unique_ptr<mpg123_handle, void (*)(mpg123_handle*)> h(mpg123_new(nullptr, &err), mpg123_delete);
    if (!h) return std::nullopt;
    mpg123_param(h.get(), MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_MONO_MIX, 0);
    mpg123_format_none(h.get());
    const long* rates = nullptr;
    size_t rate_count = 0;
    mpg123_rates(&rates, &rate_count);
    for (size_t i = 0; i < rate_count; ++i) mpg123_format(h.get(), rates[i], MPG123_MONO, MPG123_ENC_SIGNED_16);
    if (mpg123_open_feed(h.get()) != MPG123_OK) return std::nullopt;

    Pcm out;
    std::vector<unsigned char> buf(1 << 15);
    size_t done = 0;
    int r = mpg123_decode(h.get(), reinterpret_cast<const unsigned char*>(mp3.constData()), size_t(mp3.size()),
                          buf.data(), buf.size(), &done);
    for (;;) {
        if (done > 0) {
            const size_t at = out.samples.size();
            out.samples.resize(at + done / 2);
            std::memcpy(out.samples.data() + at, buf.data(), (done / 2) * 2);
        }
        if (r == MPG123_NEW_FORMAT) {
            long rate = 0;
            int channels = 0, encoding = 0;
            mpg123_getformat(h.get(), &rate, &channels, &encoding);
            // A clip whose frames change rate midway is not one a player would join either.
            if (out.rate != 0 && out.rate != int(rate)) return std::nullopt;
            out.rate = int(rate);
        } else if (r == MPG123_NEED_MORE || r == MPG123_DONE) {
            break;
        } else if (r != MPG123_OK) {
            // Damage after good frames keeps what decoded; damage from the start gives nothing.
            break;
        }
        r = mpg123_decode(h.get(), nullptr, 0, buf.data(), buf.size(), &done);
    }
    if (out.rate <= 0 || out.samples.empty()) return std::nullopt;
    return out;
}

std::optional<Pcm> decode_wav_pcm(const QByteArray& wav) {
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE") return std::nullopt;
    const auto* b = reinterpret_cast<const uchar*>(wav.constData());
    qsizetype at = 12;
    int channels = 0, rate = 0, bits = 0, format = 0;
    while (at + 8 <= wav.size()) {
        const QByteArray id = wav.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(b + at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= wav.size()) {
            format = qFromLittleEndian<quint16>(b + body);
            channels = qFromLittleEndian<quint16>(b + body + 2);
            rate = int(qFromLittleEndian<quint32>(b + body + 4));
            bits = qFromLittleEndian<quint16>(b + body + 14);
        } else if (id == "data") {
            if (format != 1 || bits != 16 || channels < 1 || rate <= 0) return std::nullopt;
            // A header that claims more than the file holds (a recording cut short) plays what is there.
            const qsizetype bytes = std::min<qsizetype>(qsizetype(size), wav.size() - body);
            const qsizetype frames = bytes / (2 * channels);
            Pcm out;
            out.rate = rate;
            out.samples.resize(size_t(frames));
            for (qsizetype f = 0; f < frames; ++f) {
                int sum = 0;
                for (int c = 0; c < channels; ++c)
                    sum += qFromLittleEndian<qint16>(b + body + (f * channels + c) * 2);
                out.samples[size_t(f)] = int16_t(sum / channels);
            }
            return out;
        }
        // Chunks are padded to an even length.
        at = body + qsizetype(size) + (size & 1);
    }
    return std::nullopt;
}

std::optional<Pcm> decode_sound_pcm(const QByteArray& bytes) {
    if (bytes.startsWith("RIFF")) return decode_wav_pcm(bytes);
    return decode_mp3_pcm(bytes);
}

// ---- stretching ----

Pcm stretch_speech(const Pcm& in, double speed, int out_rate) {
    if (out_rate <= 0) out_rate = in.rate;
    if (speed == 1.0 && out_rate == in.rate) return in;
    Pcm out;
    out.rate = out_rate;
    if (in.samples.empty() || in.rate <= 0 || !(speed > 0.0)) return out;
    std::unique_ptr<std::remove_pointer_t<sonicStream>, void (*)(sonicStream)> s(sonicCreateStream(in.rate, 1),
                                                                                 sonicDestroyStream);
    if (!s) return out;
    sonicSetSpeed(s.get(), float(speed));
    // The rate change resamples: played at out_rate, the result keeps the input's pitch and length.
    if (out_rate != in.rate) sonicSetRate(s.get(), float(double(in.rate) / double(out_rate)));
    out.samples.reserve(size_t(double(in.samples.size()) / speed * out_rate / in.rate) + 4096);

    std::vector<short> chunk(4096);
    auto drain = [&] {
        for (;;) {
            const int got = sonicReadShortFromStream(s.get(), chunk.data(), int(chunk.size()));
            if (got <= 0) return;
            out.samples.insert(out.samples.end(), chunk.begin(), chunk.begin() + got);
        }
    };
    // Fed in pieces so that the stream's own buffers stay small whatever the clip's length.
    constexpr size_t kPiece = 8192;
    for (size_t at = 0; at < in.samples.size(); at += kPiece) {
        const int n = int(std::min(kPiece, in.samples.size() - at));
        // sonic copies the samples in; it never writes through the pointer.
        sonicWriteShortToStream(s.get(), const_cast<short*>(in.samples.data() + at), n);
        drain();
    }
    sonicFlushStream(s.get());
    drain();
    return out;
}

std::vector<int16_t> slowed_samples(const std::vector<int16_t>& pcm_22050, int percent) {
    return stretch_speech(Pcm{pcm_22050, kEngineRate}, speed_factor(percent), kEngineRate).samples;
}

std::optional<std::vector<int16_t>> slowed_samples_of_file(const QString& path, int percent) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const auto pcm = decode_sound_pcm(f.readAll());
    if (!pcm) return std::nullopt;
    return stretch_speech(*pcm, speed_factor(percent), kEngineRate).samples;
}

// ---- clips for compiled files ----

namespace {

QString clip_key(const char* kind, const QByteArray& source, int percent) {
    QCryptographicHash h(QCryptographicHash::Sha256);
    h.addData(QByteArrayView(kClipFormat));
    h.addData(QByteArrayView("\0", 1));
    h.addData(QByteArrayView(kind));
    h.addData(QByteArrayView("\0", 1));
    h.addData(QByteArray::number(valid_speech_speed(percent)));
    h.addData(QByteArrayView("\0", 1));
    h.addData(source);
    return QString::fromLatin1(h.result().toHex().left(40)) + QStringLiteral(".mp3");
}

std::optional<QByteArray> encode_stretched(const Pcm& pcm, int percent) {
    const Pcm slowed = stretch_speech(pcm, speed_factor(percent));
    if (slowed.samples.empty()) return std::nullopt;
    QByteArray mp3 = encode_mp3(slowed.samples, slowed.rate);
    if (mp3.isEmpty()) return std::nullopt;
    return mp3;
}

}  // namespace

std::optional<QByteArray> stretched_mp3_uncached(const QByteArray& mp3, int percent) {
    if (valid_speech_speed(percent) == kNaturalSpeed) return mp3;
    const auto pcm = decode_mp3_pcm(mp3);
    if (!pcm) return std::nullopt;
    return encode_stretched(*pcm, percent);
}

SpeedClipCache::SpeedClipCache(QString folder) : folder_(std::move(folder)) {
    if (!folder_.isEmpty() && !folder_.endsWith(u'/')) folder_ += u'/';
}

QString SpeedClipCache::default_folder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/quillory/speed/");
}

QString SpeedClipCache::clip_path(const QByteArray& source, int percent) const {
    return folder_ + clip_key("mp3", source, percent);
}

std::optional<QByteArray> SpeedClipCache::cached(const QString& path) const {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = f.readAll();
    // A clip emptied or damaged by hand is made again rather than joined into a file.
    if (bytes.size() < 4 || uchar(bytes[0]) != 0xFF || (uchar(bytes[1]) & 0xE0) != 0xE0) return std::nullopt;
    return bytes;
}

void SpeedClipCache::store(const QString& path, const QByteArray& mp3) const {
    store_cache_file(folder_, path, mp3);
}

std::optional<QByteArray> SpeedClipCache::stretched_mp3(const QByteArray& mp3, int percent) {
    if (valid_speech_speed(percent) == kNaturalSpeed) return mp3;
    const QString path = clip_path(mp3, percent);
    if (auto hit = cached(path)) return hit;
    auto clip = stretched_mp3_uncached(mp3, percent);
    if (!clip) return std::nullopt;
    ++made_;
    store(path, *clip);
    return clip;
}

std::optional<QByteArray> SpeedClipCache::encoded_pcm(const QByteArray& source, int percent,
                                                      const std::function<std::optional<Pcm>()>& samples) {
    const QString path = folder_ + clip_key("pcm", source, percent);
    if (auto hit = cached(path)) return hit;
    const auto pcm = samples();
    if (!pcm) return std::nullopt;
    auto clip = encode_stretched(*pcm, percent);
    if (!clip) return std::nullopt;
    ++made_;
    store(path, *clip);
    return clip;
}

}  // namespace ql
