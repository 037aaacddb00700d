#pragma once
#include "core/audio_engine.h"

#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

struct Mix_Chunk;

namespace ql {

// The program's audio engine over SDL2 + SDL2_mixer. Channels are numbered from 1 (mixer channel
// + 1).
//
// A loaded sound is played once by the program and never freed by it, so the engine releases it as
// soon as its channel stops (or when its play fails): memory stays flat over a drill of thousands of
// words.
//
// Only one engine can be open at a time: SDL_mixer's device is process-wide.
class SdlAudioEngine final : public AudioEngine {
public:
    SdlAudioEngine();
    ~SdlAudioEngine() override;
    SdlAudioEngine(const SdlAudioEngine&) = delete;
    SdlAudioEngine& operator=(const SdlAudioEngine&) = delete;

    AudioResult<> open(int channels = kChannels) override;
    void close() override;

    AudioResult<int> load_file(const QString& path) override;
    AudioResult<int> load_samples(std::span<const int16_t> pcm) override;
    AudioResult<int> play(int sound) override;
    bool is_playing(int channel) override;
    void stop(int channel) override;

    AudioResult<int> new_take(int length_samples) override;
    AudioResult<> start_recording(int take) override;
    int recorded_samples() override;
    AudioResult<> stop_recording() override;
    AudioResult<std::vector<int16_t>> take_samples(int take, int count) override;
    void free_take(int take) override;

    bool is_open() const { return open_; }
    // Sounds and takes currently held in memory; finished sounds are counted until the next call
    // into the engine releases them.
    int held_samples() const { return int(samples_.size()); }
    // How long a loaded sound plays, in seconds; 0 for an unknown handle or a take.
    double sound_seconds(int sound) const;

    // The longest take new_take() hands out, and the most samples load_samples() takes: one hour.
    static constexpr int kMaxAllocSamples = 22050 * 3600;

private:
    struct Sample {
        Mix_Chunk* chunk = nullptr;   // a loaded file, in the mixer's format
        std::vector<int16_t> pcm;     // a take
        int channels_playing = 0;
    };
    struct Capture;

    void end_recording();
    int new_handle();
    void release_finished();
    void detach_channel(int ch);
    void release_if_idle(int handle);

    bool open_ = false;
    int channels_ = 0;
    int next_handle_ = 1;
    std::map<int, Sample> samples_;
    std::vector<int> channel_sample_;  // mixer channel -> handle of the sample started on it, or 0
    std::unique_ptr<Capture> capture_;
};

}  // namespace ql
