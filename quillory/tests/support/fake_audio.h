#pragma once
#include "core/audio_engine.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace ql::testing {

class FakeClock;

// An audio engine that plays nothing but keeps the order of what was played. A sound lasts
// `duration_of(path)` seconds of the fake clock (default 1 s).
class FakeAudio : public AudioEngine {
public:
    explicit FakeAudio(FakeClock* clock = nullptr) : clock_(clock) {}

    AudioResult<> open(int) override;
    void close() override { closed = true; }
    AudioResult<int> load_file(const QString& path) override;
    // Played as "pcm:<samples>"; it lasts as long as its samples do.
    AudioResult<int> load_samples(std::span<const int16_t> pcm) override;
    AudioResult<int> play(int sound) override;
    bool is_playing(int channel) override;
    void stop(int channel) override { ends_.erase(channel); }
    // Ends exactly when the sound does on the fake clock (or at once when it is not playing).
    QCoro::Task<> sound_end(int channel, Clock& clock, CancelToken& token) override;

    AudioResult<int> new_take(int length_samples) override;
    AudioResult<> start_recording(int take) override;
    int recorded_samples() override;
    AudioResult<> stop_recording() override;
    AudioResult<std::vector<int16_t>> take_samples(int take, int count) override;
    void free_take(int take) override {
        if (recording_ == take) recording_ = 0;
        if (recordings_.erase(take)) ++takes_freed;
    }

    // Paths played, in order.
    QStringList played;
    std::function<double(const QString&)> duration_of = [](const QString&) { return 1.0; };
    // Why open() fails, when it does.
    std::optional<AudioError> open_fails;
    bool fail_load = false;  // a file is then not found; samples find no memory
    bool fail_play = false;
    bool closed = false;
    // What a recording "captures": samples returned for the next take.
    std::vector<short> microphone;
    // Recording steps that fail: a take finds no memory, a recording no device, reading it back an
    // invalid argument.
    bool fail_new_take = false, fail_record_start = false, fail_record_stop = false, fail_take_samples = false;
    int take_length = 0;  // samples asked for by the last new_take
    int takes_freed = 0;

private:
    FakeClock* clock_;
    int next_sound_ = 1;
    std::map<int, QString> loaded_;
    std::map<int, double> ends_;  // channel -> end time
    int next_channel_ = 1;
    std::map<int, std::vector<short>> recordings_;
    int recording_ = 0;
    double record_started_ = 0;
    int stopped_position_ = 0;  // the position still reads where the recording stopped
};

}  // namespace ql::testing
