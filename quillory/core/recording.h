#pragma once
#include <QByteArray>
#include <QString>
#ifndef Q_MOC_RUN  // moc cannot parse the coroutine headers
#include <qcoro/qcorotask.h>
#endif
#include <functional>

namespace ql {

class CancelToken;
class Prompter;
struct LanguageSession;
struct Services;
struct Workspace;

// Every take is 16-bit signed little-endian mono at 22050 Hz, stored without a header.
inline constexpr int kTakeRate = 22050;
inline constexpr short kTakeChannels = 1;
inline constexpr short kTakeBytesPerSample = 2;
// Polling stops this many samples before the end of the sample so that a late poll never finds
// the recording already wrapped or stopped by the device.
inline constexpr int kStopMarginSamples = 1300;
// Used when a take is started with no length set.
inline constexpr float kDefaultTakeSeconds = 1.4f;

enum class TakeResult {
    Stored,        // the .str file holds the take
    Failed,        // an audio step failed (already reported); nothing written
    TooShort,      // stopped before 4 bytes were recorded; nothing written
    WriteFailed,   // the raw take could not be written (reported); nothing written
    CipherFailed,  // enciphering failed (reported); the raw take is kept unenciphered
};

// Number of samples in a take: the single-precision seconds are widened to double before the
// multiplication, so 1.4 s gives 30869 samples at 22050 Hz, as takes have always been sized.
int take_length_samples(int rate, float seconds);

// The .str path for a word's new recording. Creates new_str/ and its two-digit sub-folder, and
// removes the old recording so that a failed take never leaves a stale one behind.
QString prepare_new_recording(const Workspace& w, const LanguageSession& lang, const QString& sound_number);

// One take of `seconds` from the default capture device, stored enciphered at `str_path`. The
// recording stops early when `token`'s playback turns to Stop; what was recorded up to then is stored.
// With `keep_silence` the take is stored whole, otherwise its silent ends are cut off. `on_take`, when
// given, sees the recorded samples before they are stored; it cannot change what is stored.
QCoro::Task<TakeResult> record_sound(const Services& services, CancelToken& token, QString str_path, int rate,
                                     float seconds, short channels,
                                     short bytes_per_sample, bool keep_silence,
                                     std::function<void(const QByteArray& take)> on_take = {});

// The storing half of a take: trims (unless `keep_silence`), writes the raw .tmp file, enciphers
// it into `str_path` and removes the .tmp. A failed encipher keeps the raw samples in a .raw file
// beside it and says so.
TakeResult store_take(Prompter* prompter, const QString& str_path, QByteArray take, bool keep_silence);

// Where a take whose enciphering failed is kept.
QString kept_take_path(const QString& str_path);

}  // namespace ql
