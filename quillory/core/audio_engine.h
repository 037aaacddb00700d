#pragma once
#include "clock.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <span>
#include <type_traits>
#include <variant>
#include <vector>
#ifndef Q_MOC_RUN  // moc cannot parse the coroutine headers
#include <qcoro/qcorotask.h>
#endif

namespace ql {

// Why an audio call failed.
enum class AudioError {
    AlreadyOpen,           // open() on an open engine
    NotOpen,               // any call before open() succeeded or after close()
    NoOutputDevice,        // the output device could not be started
    DeviceInUse,           // another engine of this process holds the device
    PlayFailed,
    FileNotFound,          // no such file, or a folder
    UnknownFormat,         // neither WAV nor MP3
    BadFile,               // WAV or MP3 that does not decode, or cannot be read
    OutOfMemory,
    InvalidArgument,       // an unknown handle, a length out of range, a take played as a sound
    NoFreeChannel,
    RecordingUnsupported,  // no capture device
};

// The text shown for `error` after the caller's own message; these texts are the ones users have
// always seen, word for word.
QString audio_error_text(AudioError error);
// What every failed audio call shows: the caller's own message, a line break, then the text for
// `error`, so that the two never run together on one line.
QString audio_failure_message(const QString& own, AudioError error);

// What an audio call gives: its value, or why it failed. AudioResult<> carries no value.
template <class T = std::monostate>
class [[nodiscard]] AudioResult {
public:
    AudioResult()
        requires std::is_same_v<T, std::monostate>
    = default;
    AudioResult(T value) : value_(std::move(value)) {}
    AudioResult(AudioError error) : error_(error) {}

    bool ok() const { return !error_; }
    explicit operator bool() const { return ok(); }
    // Only when ok().
    const T& operator*() const { return value_; }
    T& operator*() { return value_; }
    const T* operator->() const { return &value_; }
    // Only when !ok().
    AudioError error() const { return *error_; }

private:
    T value_{};
    std::optional<AudioError> error_;
};

// The program's audio engine. Sounds, channels and takes are named by positive handles.
//
// Playing: a sound is loaded from a file (MP3 or WAV) or from 16-bit mono samples at 22050 Hz, then
// played once on a free channel. The engine releases a played sound itself once its channel stops.
//
// Recording: a take is a buffer of a fixed number of 16-bit mono samples at 22050 Hz that one
// recording at a time fills from its start, once, without looping. Its samples are read back after
// the recording stopped, and the take is the caller's until free_take().
class AudioEngine {
public:
    static constexpr int kChannels = 64;

    virtual ~AudioEngine() = default;
    // Starts the output at 22050 Hz with `channels` channels.
    virtual AudioResult<> open(int channels = kChannels) = 0;
    virtual void close() = 0;

    virtual AudioResult<int> load_file(const QString& path) = 0;
    // Takes a copy of the samples (a synthesised word); it plays and is released as a loaded file is.
    virtual AudioResult<int> load_samples(std::span<const int16_t> pcm) = 0;
    // The channel the sound plays on. A sound that cannot be played is released at once.
    virtual AudioResult<int> play(int sound) = 0;
    virtual bool is_playing(int channel) = 0;
    // Ends the sound on `channel` now and releases it; a silent channel is left as it is.
    virtual void stop(int channel) = 0;
    // Resumes once `channel` has stopped playing, or once the session is stopped (a pending skip
    // does not end it: a sound is always heard to its end). This engine-neutral version asks the
    // channel every 0.01 s.
    virtual QCoro::Task<> sound_end(int channel, Clock& clock, CancelToken& token);

    virtual AudioResult<int> new_take(int length_samples) = 0;
    // Recording starts at the take's first sample; a recording already running is stopped first.
    virtual AudioResult<> start_recording(int take) = 0;
    // Samples recorded so far by the last recording; it keeps its value once the recording stopped.
    virtual int recorded_samples() = 0;
    virtual AudioResult<> stop_recording() = 0;
    // The take's first `count` samples (fewer when the take is shorter).
    virtual AudioResult<std::vector<int16_t>> take_samples(int take, int count) = 0;
    // Stops a recording into the take first.
    virtual void free_take(int take) = 0;
};

}  // namespace ql
