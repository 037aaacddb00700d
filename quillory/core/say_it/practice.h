#pragma once
#include "core/clock.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>
#ifndef Q_MOC_RUN  // moc cannot parse the coroutine headers
#include <qcoro/qcorotask.h>
#endif

namespace ql {
class AudioEngine;
struct Workspace;
}  // namespace ql

namespace ql::say_it {

// ---- the reference ----
// A recording decoded to 16-bit mono samples at 22050 Hz (the rate every sound of the program has);
// std::nullopt with `error` set when the file is missing or is no MP3 the decoder can read.
std::optional<std::vector<int16_t>> decode_recording(const QString& mp3_path, QString* error = nullptr);

// Why a word cannot be practised, for the disabled button's tooltip; empty when it can. A word is
// practised against its recording, or against the voice when it has none and the voice is on.
QString no_reference_reason(const QString& sound_number, bool recording_exists, bool voice_speaks);
// The same for the word of `sound_number` in `language`, looking for its recording.
QString unavailable_reason(const Workspace& w, const QString& language, const QString& sound_number, bool voice_speaks);

// A word to practise and the sound it is compared with.
struct PracticeWord {
    QString word;
    QString language;
    QString sound_number;
    QString user_folder;             // where a kept take goes, ending in "/"
    std::vector<int16_t> reference;  // 16-bit mono at 22050 Hz
};

// What the voice says for the word, asked only when it has no recording: std::nullopt when the voice
// cannot say it (the voice's own code tells a failure).
using VoiceSamples = std::function<std::optional<std::vector<int16_t>>()>;

// The word with its reference: its recording decoded, else what the voice says. std::nullopt when
// there is none; `error` then holds what to tell the learner, or stays empty when it was told already.
std::optional<PracticeWord> practice_word(const Workspace& w, const QString& language, const QString& word,
                                          const QString& sound_number, const VoiceSamples& voice, QString* error);

// How long the learner may speak: the reference and one second more.
double take_seconds_for(const std::vector<int16_t>& reference, int rate);

// ---- the take ----
struct Capture {
    enum class Status { Recorded, NoMicrophone, Failed, TooShort };
    Status status = Status::Failed;
    QByteArray take;  // 16-bit little-endian mono at 22050 Hz, as recorded
    QString message;  // for NoMicrophone and Failed: what to show, with the audio engine's text
};

// Records `seconds` from the default capture device through the audio engine's recording calls, the
// same calls a contributor's take makes. Stop or Quit on `token` ends the take early with what was
// recorded so far. `seconds_left` (optional) hears the time remaining at every poll. Stores nothing:
// the take stays in memory.
QCoro::Task<Capture> capture_take(AudioEngine& audio, Clock& clock, CancelToken& token, double seconds,
                                  std::function<void(double seconds_left)> seconds_left = {});

inline const QString kNoMicrophoneText = QStringLiteral("No microphone was found");

// What the learner is told instead of a score when the take is not worth comparing, from the take
// checks every recorded take gets; empty when it is fine. `rate` is the take's.
QString take_problem(const QByteArray& take, int rate);

// The take as compared, drawn and kept: its silent ends cut as a contributor's takes are cut.
std::vector<int16_t> trimmed_samples(const QByteArray& take);

// ---- keeping a take ----
// users/<student>/<language>/takes/<sound number>.mp3 under `user_folder` (which ends in "/").
QString practice_take_path(const QString& user_folder, const QString& language, const QString& sound_number);
// Encodes the take as an MP3 (the recordings' format) and writes it through the all-or-nothing file
// changes, replacing an earlier take of the same word. False, with `error` set for the learner, when the
// sound number cannot name a file, the encoder fails or the file cannot be written.
bool keep_take(const QString& user_folder, const QString& language, const QString& sound_number,
               const std::vector<int16_t>& samples, QString* error);

// ---- hearing ----
// Plays samples and resumes at their end (or once `token` is stopped). An empty text when they
// played, else the message to show.
QCoro::Task<QString> play_to_end(AudioEngine& audio, Clock& clock, CancelToken& token, std::vector<int16_t> samples);

}  // namespace ql::say_it
