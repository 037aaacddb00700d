#pragma once
#include "speech_features.h"

#include <utility>
#include <vector>

namespace ql::say_it {

// Dynamic time warping of two feature sequences with the symmetric slope-limited steps (one frame of
// one against one or two of the other, never a run of frames against a single one): a word said
// faster or slower still lines up sound by sound, but one sound cannot swallow a whole word.
// The accumulated distance is divided by the path's weight (frames of both), so long and short
// words are measured alike.
struct Alignment {
    bool found = false;      // false when one sequence is more than twice as long as the other
    double distance = 0.0;   // mean Euclidean distance per frame along the path
    // Matched frames (reference index, take index), from the first pair to the last.
    std::vector<std::pair<int, int>> path;
};

Alignment align(const std::vector<FeatureFrame>& reference, const std::vector<FeatureFrame>& take);

// Seconds of the take against seconds of the reference, from an alignment of their spoken stretches:
// the take is drawn, and its pitch laid, on the reference's time scale through this map.
class TimeMap {
public:
    TimeMap() = default;
    // Points (reference seconds, take seconds), both rising.
    explicit TimeMap(std::vector<std::pair<double, double>> points) : points_(std::move(points)) {}
    static TimeMap from(const Alignment& a, const Utterance& reference, const Utterance& take);

    // Where the take is at a time of the reference; before the first and after the last point the
    // two run side by side at the same speed.
    double take_seconds(double reference_seconds) const;
    const std::vector<std::pair<double, double>>& points() const { return points_; }

private:
    std::vector<std::pair<double, double>> points_;
};

}  // namespace ql::say_it
