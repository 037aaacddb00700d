#include "pronunciation.h"
#include "core/ui_text.h"

#include <algorithm>
#include <cmath>

namespace ql::say_it {

Calibration default_calibration() {
    // Measured by bench_say_it on its two calibration voices (the male variant es+m3 at 125 words a
    // minute, pitch 35, and the female variant es-419+f4 at 150, pitch 55, against the "es" reference
    // through MP3): 120 same-word pairs, median 2.446 (p10 2.025, p90 2.991); 7,080 different-word
    // pairs, median 4.287 (p10 3.810, p90 4.646); equal error at 3.384.
    return Calibration{2.446, 3.384, 4.287};
}

int score_from_distance(double d, const Calibration& c) {
    if (!(d >= 0.0)) return 0;  // NaN or no alignment
    const double zero_at = c.far + (c.far - c.close);
    double s;
    if (d <= c.very_close)
        s = 100.0 - (100.0 - kVeryCloseScore) * d / c.very_close;
    else if (d <= c.close)
        s = kVeryCloseScore - (kVeryCloseScore - kCloseScore) * (d - c.very_close) / (c.close - c.very_close);
    else if (d <= c.far)
        s = kCloseScore - (kCloseScore - kFarScore) * (d - c.close) / (c.far - c.close);
    else
        s = kFarScore - kFarScore * (d - c.far) / (zero_at - c.far);
    // Rounded down, so that a distance just past an anchor never shows the anchor's score.
    return std::clamp(int(std::floor(s)), 0, 100);
}

QString verdict_for(int score) {
    if (score >= kVeryCloseScore) return Quillory::tr("Very close");
    if (score >= kCloseScore) return Quillory::tr("Close", "how near the take is");
    return Quillory::tr("Try again");
}

Comparison compare(const Utterance& reference, const Utterance& take, const Calibration& c) {
    Comparison out;
    if (!reference.has_speech()) {
        out.no_score = NoScore::ReferenceSilent;
        return out;
    }
    if (!take.has_speech()) {
        out.no_score = NoScore::TakeSilent;
        return out;
    }
    Alignment a = align(reference.features, take.features);
    for (const auto& warped : take.warped_features) {
        Alignment b = align(reference.features, warped);
        if (b.found && (!a.found || b.distance < a.distance)) a = std::move(b);
    }
    out.aligned = a.found;
    out.time_map = TimeMap::from(a, reference, take);
    out.distance = a.found ? a.distance : HUGE_VAL;
    const int score = a.found ? score_from_distance(a.distance, c) : 0;
    out.score = score;
    out.verdict = verdict_for(score);
    return out;
}

}  // namespace ql::say_it
