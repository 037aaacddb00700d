#pragma once
#include "core/audio_engine.h"

#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <vector>

struct Mix_Chunk;

namespace ql {

// The program's audio engine over SDL2 + SDL2_mixer.
//
// Handles are positive, 0 means failure and get_error() names the last failure with one of the
// FmodError codes. Channels are numbered from 1 (mixer channel + 1).
//
// A sample loaded from a file is played once by the program and never freed by it, so the engine
// releases it as soon as its channel stops (or when its play fails): memory stays flat over a
// drill of thousands of words. Buffers from sample_alloc() belong to the caller until sample_free().
//
// Only one engine can be open at a time: SDL_mixer's device is process-wide.
class SdlAudioEngine final : public AudioEngine {
public:
    SdlAudioEngine();
    ~SdlAudioEngine() override;
    SdlAudioEngine(const SdlAudioEngine&) = delete;
    SdlAudioEngine& operator=(const SdlAudioEngine&) = delete;

    bool init(int mix_rate, int max_channels, unsigned flags) override;
    void close() override;
    int get_error() override { return error_; }

    int sample_load(const QString& path) override;
    int sample_load_pcm(const int16_t* pcm, int count) override;
    int play_sound(int sample) override;
    bool is_playing(int channel) override;

    int sample_alloc(int length_samples) override;
    bool record_start_sample(int sample) override;
    int record_get_position() override;
    bool record_stop() override;
    bool sample_lock(int sample, int offset, int length_bytes, void** ptr1, unsigned* len1, void** ptr2,
                     unsigned* len2) override;
    bool sample_unlock(int sample, void* ptr1, void* ptr2, unsigned len1, unsigned len2) override;
    void sample_free(int sample) override;

    bool is_open() const { return open_; }
    // Samples currently held in memory (loaded or allocated); finished ones are counted until the
    // next call into the engine releases them.
    int held_samples() const { return int(samples_.size()); }

    // The longest buffer sample_alloc() hands out: one hour at 22050 Hz.
    static constexpr int kMaxAllocSamples = 22050 * 3600;

private:
    struct Sample {
        Mix_Chunk* chunk = nullptr;   // a loaded file, in the mixer's format
        std::vector<int16_t> pcm;     // an allocated recording buffer
        int channels_playing = 0;
    };
    struct Capture;

    bool fail(int code);
    int new_handle();
    void release_finished();
    void detach_channel(int ch);
    void release_if_idle(int handle);

    bool open_ = false;
    int error_ = FMOD_ERR_NONE;
    int channels_ = 0;
    int next_handle_ = 1;
    std::map<int, Sample> samples_;
    std::vector<int> channel_sample_;  // mixer channel -> handle of the sample started on it, or 0
    std::unique_ptr<Capture> capture_;
};

}  // namespace ql
