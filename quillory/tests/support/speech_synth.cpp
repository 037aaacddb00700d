#include "speech_synth.h"

#include <algorithm>
#include <cmath>
#include <random>

namespace ql::testing {

namespace {

constexpr double kRate = 22050.0;

struct Resonator {
    double y1 = 0, y2 = 0;
    double run(double x, double f, double bw) {
        const double c = -std::exp(-2 * M_PI * bw / kRate);
        const double b = 2 * std::exp(-M_PI * bw / kRate) * std::cos(2 * M_PI * f / kRate);
        const double y = (1 - b - c) * x + b * y1 + c * y2;
        y2 = y1;
        y1 = y;
        return y;
    }
};

}  // namespace

std::vector<int16_t> synthesise(const std::vector<SpeechSound>& word, double stretch, double pitch_hz, double lead,
                                double tail) {
    std::vector<double> ends;
    double total = 0;
    for (const SpeechSound& s : word) ends.push_back(total += s.seconds * stretch);
    const size_t n = size_t(total * kRate);
    std::vector<double> out(n);
    std::mt19937 rng(11);
    std::normal_distribution<double> noise(0.0, 1.0);
    Resonator r1, r2, r3;
    double phase = 0;
    const double glide = 0.02;  // seconds over which one sound turns into the next
    for (size_t k = 0; k < n; ++k) {
        const double t = double(k) / kRate;
        size_t i = size_t(std::upper_bound(ends.begin(), ends.end(), t) - ends.begin());
        i = std::min(i, word.size() - 1);
        const SpeechSound& cur = word[i];
        double f1 = cur.f1, f2 = cur.f2, f3 = cur.f3, gain = cur.gain, voiced = cur.voiced ? 1.0 : 0.0;
        if (i + 1 < word.size() && ends[i] - t < glide) {
            const double w = 0.5 * (1.0 - (ends[i] - t) / glide);
            const SpeechSound& nx = word[i + 1];
            f1 += w * (nx.f1 - f1), f2 += w * (nx.f2 - f2), f3 += w * (nx.f3 - f3);
            gain += w * (nx.gain - gain), voiced += w * ((nx.voiced ? 1.0 : 0.0) - voiced);
        }
        if (i > 0 && t - ends[i - 1] < glide) {
            const double w = 0.5 * (1.0 - (t - ends[i - 1]) / glide);
            const SpeechSound& pv = word[i - 1];
            f1 += w * (pv.f1 - f1), f2 += w * (pv.f2 - f2), f3 += w * (pv.f3 - f3);
            gain += w * (pv.gain - gain), voiced += w * ((pv.voiced ? 1.0 : 0.0) - voiced);
        }
        // The pitch falls a little over the word, as a spoken word's does.
        const double f0 = pitch_hz * (1.0 - 0.15 * t / total);
        phase += f0 / kRate;
        double pulse = 0;
        if (phase >= 1.0) {
            phase -= 1.0;
            pulse = 1.0;
        }
        const double source = voiced * pulse * 8.0 + (1.0 - voiced) * noise(rng) * 0.3;
        const double y = r3.run(r2.run(r1.run(source, f1, 80), f2, 100), f3, 140);
        const double edge = std::min({1.0, t / 0.015, (total - t) / 0.015});
        out[k] = y * gain * std::max(0.0, edge);
    }
    double peak = 1e-9;
    for (double v : out) peak = std::max(peak, std::abs(v));
    std::vector<int16_t> pcm(size_t(lead * kRate), 0);
    for (double v : out) pcm.push_back(int16_t(std::lround(v / peak * 12000.0)));
    pcm.resize(pcm.size() + size_t(tail * kRate), 0);
    return pcm;
}

std::vector<SpeechSound> word_asimuo() {
    return {{0.12, 700, 1220, 2600},       {0.08, 2500, 4500, 6000, false, 0.5}, {0.12, 300, 2300, 3000},
            {0.06, 250, 1000, 2200, true, 0.4}, {0.14, 300, 870, 2240},     {0.10, 500, 900, 2400}};
}

std::vector<SpeechSound> word_efolai() {
    return {{0.10, 530, 1840, 2480}, {0.07, 1500, 3500, 5500, false, 0.5}, {0.12, 500, 900, 2400},
            {0.06, 350, 1100, 2700, true, 0.5}, {0.12, 700, 1220, 2600}, {0.12, 300, 2300, 3000}};
}

std::vector<int16_t> white_noise(double seconds, double amplitude, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> u(-amplitude, amplitude);
    std::vector<int16_t> out(size_t(seconds * kRate));
    for (int16_t& s : out) s = int16_t(std::lround(u(rng)));
    return out;
}

}  // namespace ql::testing
