#pragma once
#include <array>
#include <cstdint>
#include <vector>

namespace ql::say_it {

// What the comparison knows of one utterance, a word's recording or a learner's take, computed once.
// Frames are 25 ms windows every 10 ms; frame k covers the samples up to (k + 1) hops.
inline constexpr int kCoefficients = 13;
using FeatureFrame = std::array<float, kCoefficients>;

struct Utterance {
    int rate = 0;
    double hop_seconds = 0.0;
    double duration_seconds = 0.0;  // the whole signal
    // The spoken stretch, in frames [speech_first, speech_last]; empty() when nothing rises above
    // the silence floor (then no frame below is filled).
    int speech_first = 0, speech_last = -1;
    // MFCCs of the spoken frames only, mean and variance normalised over them, so that the loudness
    // and the microphone's colour of one utterance do not count against the other.
    std::vector<FeatureFrame> features;
    // The same with the mel filters moved up or down by each of kVocalTractWarps (features is the
    // unwarped one): a shorter or longer vocal tract shifts every formant by one factor, and the
    // comparison takes the factor that fits the reference best.
    std::vector<std::vector<FeatureFrame>> warped_features;
    // YIN pitch of every frame of the signal in Hz, 0 where it is unvoiced or silent.
    std::vector<float> pitch_hz;
    // Level of every frame of the signal in dB against full scale.
    std::vector<float> level_db;

    bool has_speech() const { return speech_last >= speech_first; }
    double speech_start_seconds() const { return frame_seconds(speech_first); }
    double speech_end_seconds() const { return frame_seconds(speech_last + 1); }
    // Centre of frame k in seconds from the start of the signal.
    double frame_seconds(int k) const;
};

// Analyses 16-bit mono samples at `rate` (22050 Hz for every sound of the program).
Utterance analyse(const std::vector<int16_t>& pcm, int rate);

// The loudest frame must be at least this loud for anything to count as speech, and a frame counts as
// spoken when it is within kSpeechRangeDb of the loudest one. Shorter spoken stretches are no speech.
inline constexpr float kSilenceFloorDb = -50.0f;
inline constexpr float kSpeechRangeDb = 35.0f;
inline constexpr int kMinSpeechFrames = 8;
// The mel filters span these frequencies for an unwarped utterance.
inline constexpr float kMelLowHz = 100.0f, kMelHighHz = 7000.0f;
// Factors of the vocal-tract warp tried besides 1. They reach from a voice a fifth lower to one two
// fifths higher than the reference's, covering a woman or a child against a man's recording; on the
// corpus of bench_say_it a female voice against the male reference goes from 23 % of words recognised
// without them to 100 % with them, while a word against other words gains no closeness.
inline constexpr std::array<float, 6> kVocalTractWarps{0.8f, 0.9f, 1.1f, 1.2f, 1.3f, 1.4f};


}  // namespace ql::say_it
