#pragma once
#include "core/speech_speed.h"

#include <vector>

namespace ql::testing {

// Pitch measured by an outside library (aubio's YIN), for checking that slowed speech keeps its pitch.
struct PitchFrame {
    double seconds = 0, hz = 0;
};
// The voiced frames (confidence above 0.85, 60-600 Hz) with their times.
std::vector<PitchFrame> pitch_track(const Pcm& pcm);
double median_pitch(const Pcm& pcm);
// Pitch after / before at the same point of the clip: each voiced frame of `after` against the
// frame of `before` at its time x `speed`; the median of those ratios (0 when none pair up). A
// word's pitch glides, so comparing medians over the whole word would weigh its parts differently
// once voiced frames are found in other places. `pairs` receives how many frames paired up.
double aligned_pitch_ratio(const Pcm& before, const Pcm& after, double speed, int* pairs = nullptr);

}  // namespace ql::testing
