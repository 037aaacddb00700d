#pragma once
#include "core/audio_engine.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

namespace ql::testing {

class FakeClock;

// An audio engine that plays nothing but keeps the order of what was played. A sound lasts
// `duration_of(path)` seconds of the fake clock (default 1 s).
class FakeAudio : public AudioEngine {
public:
    explicit FakeAudio(FakeClock* clock = nullptr) : clock_(clock) {}

    bool init(int, int, unsigned) override { return init_ok; }
    void close() override { closed = true; }
    int get_error() override { return error; }
    int sample_load(const QString& path) override;
    // Played as "pcm:<samples>"; it lasts as long as its samples do.
    int sample_load_pcm(const int16_t* pcm, int count) override;
    int play_sound(int sample) override;
    bool is_playing(int channel) override;
    // Ends exactly when the sound does on the fake clock (or at once when it is not playing).
    QCoro::Task<> sound_end(int channel, Clock& clock, CancelToken& token) override;

    int sample_alloc(int length_samples) override;
    bool record_start_sample(int sample) override;
    int record_get_position() override;
    bool record_stop() override;
    bool sample_lock(int sample, int offset, int length_bytes, void** p1, unsigned* l1, void** p2,
                     unsigned* l2) override;
    bool sample_unlock(int, void*, void*, unsigned, unsigned) override;
    void sample_free(int sample) override {
        if (recordings_.erase(sample)) ++samples_freed;
    }

    // Paths played, in order (the file name only when `names_only`).
    QStringList played;
    std::function<double(const QString&)> duration_of = [](const QString&) { return 1.0; };
    bool init_ok = true;
    bool fail_load = false;
    bool fail_play = false;
    bool closed = false;
    int error = 0;
    // What a recording "captures": samples returned for the next take.
    std::vector<short> microphone;
    // Recording steps that fail (get_error() then gives FMOD_ERR_RECORD or FMOD_ERR_MEMORY).
    bool fail_alloc = false, fail_record_start = false, fail_record_stop = false, fail_lock = false,
         fail_unlock = false;
    int allocated_samples = 0;  // length asked for by the last sample_alloc
    int samples_freed = 0;

private:
    FakeClock* clock_;
    int next_sample_ = 1;
    std::map<int, QString> loaded_;
    std::map<int, double> ends_;  // channel -> end time
    int next_channel_ = 1;
    std::map<int, std::vector<short>> recordings_;
    int recording_ = 0;
    double record_started_ = 0;
    int stopped_position_ = 0;  // the position still reads where the recording stopped
};

}  // namespace ql::testing
