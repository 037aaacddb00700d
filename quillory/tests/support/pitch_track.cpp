#include "pitch_track.h"

#include <aubio/aubio.h>

#include <algorithm>
#include <cmath>

namespace ql::testing {

namespace {

double median_of(std::vector<double> v) {
    if (v.empty()) return 0.0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

std::vector<PitchFrame> pitch_track(const Pcm& p) {
    const uint_t hop = 256, window = 1024;
    std::vector<PitchFrame> found;
    if (p.rate <= 0) return found;
    aubio_pitch_t* o = new_aubio_pitch("yin", window, hop, uint_t(p.rate));
    aubio_pitch_set_unit(o, "Hz");
    aubio_pitch_set_silence(o, -50);
    fvec_t* in = new_fvec(hop);
    fvec_t* out = new_fvec(1);
    for (size_t at = 0; at + hop <= p.samples.size(); at += hop) {
        for (uint_t i = 0; i < hop; ++i) in->data[i] = smpl_t(p.samples[at + i]) / 32768.0f;
        aubio_pitch_do(o, in, out);
        const double hz = out->data[0];
        if (hz > 60 && hz < 600 && aubio_pitch_get_confidence(o) > 0.85f) found.push_back({double(at) / p.rate, hz});
    }
    del_fvec(out);
    del_fvec(in);
    del_aubio_pitch(o);
    return found;
}

double median_pitch(const Pcm& p) {
    std::vector<double> hz;
    for (const PitchFrame& f : pitch_track(p)) hz.push_back(f.hz);
    return median_of(hz);
}

double aligned_pitch_ratio(const Pcm& before, const Pcm& after, double speed, int* pairs) {
    const auto a = pitch_track(before), b = pitch_track(after);
    std::vector<double> ratios;
    // Half a hop either side: each time falls to exactly one frame when that frame is voiced.
    const double tolerance = 128.0 / std::max(1, before.rate);
    for (const PitchFrame& x : b)
        for (const PitchFrame& y : a)
            if (std::fabs(y.seconds - x.seconds * speed) < tolerance) {
                ratios.push_back(x.hz / y.hz);
                break;
            }
    if (pairs) *pairs = int(ratios.size());
    return median_of(ratios);
}

}  // namespace ql::testing
