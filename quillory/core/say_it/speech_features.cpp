#include "speech_features.h"

#include <aubio/aubio.h>


#include <algorithm>
#include <cmath>
#include <memory>

namespace ql::say_it {

namespace {

template <typename T, void (*Del)(T*)>
struct Deleter {
    void operator()(T* p) const {
        if (p) Del(p);
    }
};
template <typename T, void (*Del)(T*)>
using Owned = std::unique_ptr<T, Deleter<T, Del>>;

// YIN looks for periods up to half its buffer: 1024 samples at 22050 Hz reach down to 43 Hz, below
// any speaking voice.
constexpr unsigned kPitchBuffer = 1024;
constexpr int kMelFilters = 40;
// A YIN estimate is trusted when its dip is this deep and it lies in the range of speaking voices.
constexpr float kPitchConfidence = 0.75f;
constexpr float kLowestPitch = 60.0f, kHighestPitch = 600.0f;

void normalise(std::vector<FeatureFrame>& features) {
    const double count = double(features.size());
    for (int c = 0; c < kCoefficients; ++c) {
        double sum = 0.0, sum_sq = 0.0;
        for (const FeatureFrame& f : features) {
            sum += f[size_t(c)];
            sum_sq += double(f[size_t(c)]) * f[size_t(c)];
        }
        const double mean = sum / count;
        const double sd = std::sqrt(std::max(0.0, sum_sq / count - mean * mean));
        // A coefficient that never moves carries no shape; it is left at zero rather than blown up.
        const double scale = (sd > 1e-6) ? 1.0 / sd : 0.0;
        for (FeatureFrame& f : features) f[size_t(c)] = float((f[size_t(c)] - mean) * scale);
    }
}

// YIN now and then locks on twice the period for a frame or two (an octave too low), and a lone
// voiced frame amid unvoiced ones is a noise burst. A median over five frames of the voiced
// neighbours takes out both without moving a steady contour.
void smooth_pitch(std::vector<float>& hz) {
    const std::vector<float> raw = hz;
    const int n = int(raw.size());
    for (int k = 0; k < n; ++k) {
        if (raw[size_t(k)] <= 0.0f) continue;
        float near[5];
        int count = 0;
        for (int j = std::max(0, k - 2); j <= std::min(n - 1, k + 2); ++j)
            if (raw[size_t(j)] > 0.0f) near[count++] = raw[size_t(j)];
        if (count < 2) {
            hz[size_t(k)] = 0.0f;
            continue;
        }
        std::nth_element(near, near + count / 2, near + count);
        hz[size_t(k)] = near[count / 2];
    }
}

// The spoken stretch, from the first to the last frame near the loudest one, set in `u` from its
// frame levels; false when there is none. Pitch outside it is noise and is cleared.
bool mark_speech(Utterance& u) {
    const size_t frames = u.level_db.size();
    const float loudest = *std::max_element(u.level_db.begin(), u.level_db.end());
    if (loudest < kSilenceFloorDb) return false;
    const float threshold = std::max(kSilenceFloorDb, loudest - kSpeechRangeDb);
    int first = -1, last = -1;
    for (size_t k = 0; k < frames; ++k)
        if (u.level_db[k] >= threshold) {
            if (first < 0) first = int(k);
            last = int(k);
        }
    if (first < 0 || last - first + 1 < kMinSpeechFrames) return false;
    u.speech_first = first;
    u.speech_last = last;
    for (size_t k = 0; k < frames; ++k)
        if (int(k) < first || int(k) > last) u.pitch_hz[k] = 0.0f;
    smooth_pitch(u.pitch_hz);
    return true;
}

int window_samples(int rate) { return int(std::lround(0.025 * rate)); }
int hop_samples(int rate) { return std::max(1, int(std::lround(0.010 * rate))); }

}  // namespace

double Utterance::frame_seconds(int k) const {
    if (rate <= 0) return 0.0;
    const double hop = hop_seconds * rate, win = double(window_samples(rate));
    return std::max(0.0, ((k + 1) * hop - win / 2.0) / rate);
}

Utterance analyse(const std::vector<int16_t>& pcm, int rate) {
    Utterance u;
    u.rate = rate;
    if (rate <= 0) return u;
    const int win = window_samples(rate), hop = hop_samples(rate);
    u.hop_seconds = double(hop) / rate;
    u.duration_seconds = double(pcm.size()) / rate;
    const size_t frames = (pcm.size() + size_t(hop) - 1) / size_t(hop);
    if (frames == 0) return u;

    Owned<aubio_pvoc_t, del_aubio_pvoc> pv(new_aubio_pvoc(unsigned(win), unsigned(hop)));
    // Index 0 is the unwarped bank.
    std::vector<Owned<aubio_mfcc_t, del_aubio_mfcc>> banks;
    for (size_t w = 0; w <= kVocalTractWarps.size(); ++w) {
        const float f = w == 0 ? 1.0f : kVocalTractWarps[w - 1];
        banks.emplace_back(new_aubio_mfcc(unsigned(win), kMelFilters, kCoefficients, unsigned(rate)));
        if (!banks.back()) return u;
        aubio_mfcc_set_mel_coeffs(banks.back().get(), kMelLowHz * f, std::min(kMelHighHz * f, rate / 2.0f));
    }
    Owned<aubio_pitch_t, del_aubio_pitch> yin(new_aubio_pitch("yin", kPitchBuffer, unsigned(hop), unsigned(rate)));
    Owned<fvec_t, del_fvec> block(new_fvec(unsigned(hop)));
    Owned<cvec_t, del_cvec> spectrum(new_cvec(unsigned(win)));
    Owned<fvec_t, del_fvec> coefs(new_fvec(kCoefficients));
    Owned<fvec_t, del_fvec> pitch(new_fvec(1));
    if (!pv || !yin || !block || !spectrum || !coefs || !pitch) return u;
    aubio_pitch_set_unit(yin.get(), "Hz");
    aubio_pitch_set_silence(yin.get(), kSilenceFloorDb);

    std::vector<std::vector<FeatureFrame>> all(banks.size(), std::vector<FeatureFrame>(frames));
    u.pitch_hz.assign(frames, 0.0f);
    u.level_db.assign(frames, -120.0f);
    // Running sum of squares for the level of each 25 ms window.
    std::vector<double> energy(pcm.size() + 1, 0.0);
    for (size_t i = 0; i < pcm.size(); ++i) {
        const double x = pcm[i] / 32768.0;
        energy[i + 1] = energy[i] + x * x;
    }
    for (size_t k = 0; k < frames; ++k) {
        const size_t from = k * size_t(hop);
        for (int i = 0; i < hop; ++i) {
            const size_t at = from + size_t(i);
            block->data[i] = at < pcm.size() ? smpl_t(pcm[at] / 32768.0) : smpl_t(0);
        }
        aubio_pvoc_do(pv.get(), block.get(), spectrum.get());
        for (size_t b = 0; b < banks.size(); ++b) {
            aubio_mfcc_do(banks[b].get(), spectrum.get(), coefs.get());
            for (int c = 0; c < kCoefficients; ++c) all[b][k][size_t(c)] = coefs->data[c];
        }
        aubio_pitch_do(yin.get(), block.get(), pitch.get());
        const float hz = pitch->data[0];
        if (aubio_pitch_get_confidence(yin.get()) >= kPitchConfidence && hz >= kLowestPitch && hz <= kHighestPitch)
            u.pitch_hz[k] = hz;

        const size_t end = std::min(pcm.size(), from + size_t(hop));
        const size_t start = end > size_t(win) ? end - size_t(win) : 0;
        const double mean_square = end > start ? (energy[end] - energy[start]) / double(end - start) : 0.0;
        u.level_db[k] = mean_square > 1e-12 ? float(10.0 * std::log10(mean_square)) : -120.0f;
    }

    if (!mark_speech(u)) return u;

    // Mean and variance normalisation over the spoken frames.
    for (size_t b = 0; b < banks.size(); ++b) {
        std::vector<FeatureFrame> spoken(all[b].begin() + u.speech_first, all[b].begin() + u.speech_last + 1);
        normalise(spoken);
        if (b == 0)
            u.features = std::move(spoken);
        else
            u.warped_features.push_back(std::move(spoken));
    }
    return u;
}

}  // namespace ql::say_it
