#pragma once
#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace ql {

// Slower speech for beginners: every word the program plays or compiles can be time-stretched with
// its pitch kept. The speed is a percentage of the natural rate; 100 leaves every sound and every
// compiled byte exactly as it is.
inline constexpr int kNaturalSpeed = 100;
// The speeds the Options menu offers, fastest first.
QList<int> speech_speed_choices();
// A stored or typed value that is not one of the choices is read as the natural speed.
int valid_speech_speed(int percent);
// The factor a clip's length is divided by: 0.6 for 60 %.
inline double speed_factor(int percent) { return double(valid_speech_speed(percent)) / 100.0; }

// The student's speed, kept in the same settings file as the voice toggle (`settings_path`, the
// student's settings.ini). A missing file, key or unreadable value gives the natural speed.
int load_speech_speed(const QString& settings_path);
bool save_speech_speed(const QString& settings_path, int percent);

// 16-bit mono samples at a known rate.
struct Pcm {
    std::vector<int16_t> samples;
    int rate = 0;
    double seconds() const { return rate > 0 ? double(samples.size()) / rate : 0.0; }
};

// Decodes MP3 bytes (any MPEG audio libmpg123 reads; stereo is mixed down) into samples at the
// file's own rate. std::nullopt when nothing decodes.
std::optional<Pcm> decode_mp3_pcm(const QByteArray& mp3);
// Reads a PCM WAV file's bytes (16-bit, any channel count, mixed down). std::nullopt otherwise.
std::optional<Pcm> decode_wav_pcm(const QByteArray& wav);
// Either of the two, chosen by the bytes' own header rather than by the file's name.
std::optional<Pcm> decode_sound_pcm(const QByteArray& bytes);

// Stretches speech to 1/speed of its length with its pitch kept (libsonic), then, when `out_rate`
// differs from the input's, resamples it so that it plays at `out_rate` with the same pitch and
// length. At speed 1 and the same rate the samples come back unchanged.
Pcm stretch_speech(const Pcm& in, double speed, int out_rate = 0);

// What the audio engine plays for a sound file at a speed below the natural one: the file decoded,
// stretched, at the engine's 22050 Hz. std::nullopt when the file cannot be read or decoded, so
// that the caller plays the file itself (and the engine reports what is wrong with it).
std::optional<std::vector<int16_t>> slowed_samples_of_file(const QString& path, int percent);
std::vector<int16_t> slowed_samples(const std::vector<int16_t>& pcm_22050, int percent);

// Compiled files take stretched clips in the recordings' own format (MPEG-2 layer III, 22050 Hz,
// mono, 32 kbit/s), so they still join byte by byte. Each stretched clip is kept under the user's
// cache folder, keyed by the clip's bytes and the speed, so that a second compilation at the same
// speed decodes and encodes nothing. Never inside languages/: a contributor's pack holds only real
// recordings.
class SpeedClipCache {
public:
    // `folder` ends in '/'; by default $XDG_CACHE_HOME/quillory/speed/, beside the voice's clips.
    explicit SpeedClipCache(QString folder = default_folder());
    static QString default_folder();
    const QString& folder() const { return folder_; }

    // Where the clip whose source bytes are `source` is kept at `percent`.
    QString clip_path(const QByteArray& source, int percent) const;

    // The MP3 clip `mp3` stretched to `percent`. At the natural speed the clip itself. std::nullopt
    // when the clip does not decode or the encoder fails; nothing is stored then. A clip that cannot
    // be stored is still returned.
    std::optional<QByteArray> stretched_mp3(const QByteArray& mp3, int percent);
    // A clip that exists only as samples (a new recording deciphered), keyed by `source`, the bytes
    // it came from, and encoded at `percent` (100 included: it still has to become MP3).
    std::optional<QByteArray> encoded_pcm(const QByteArray& source, int percent,
                                          const std::function<std::optional<Pcm>()>& samples);

    // Clips made (decoded or deciphered, stretched, encoded) since the cache was made: a warm cache makes none.
    int clips_made() const { return made_; }

private:
    std::optional<QByteArray> cached(const QString& path) const;
    void store(const QString& path, const QByteArray& mp3) const;

    QString folder_;
    int made_ = 0;
};

// A stretched clip with the same key without a cache (tests and a failed cache folder).
std::optional<QByteArray> stretched_mp3_uncached(const QByteArray& mp3, int percent);

}  // namespace ql
