#include "alignment.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ql::say_it {

namespace {

double frame_distance(const FeatureFrame& a, const FeatureFrame& b) {
    double s = 0.0;
    for (size_t c = 0; c < a.size(); ++c) {
        const double d = double(a[c]) - double(b[c]);
        s += d * d;
    }
    return std::sqrt(s);
}

enum Step : unsigned char { None, Diagonal, TwoReference, TwoTake };

}  // namespace

namespace {

// Words are short, but a phrase of half a minute would need a table of 9 million cells for each warp
// tried. Longer sounds are compared at a coarser step, averaging neighbouring frames, so that the
// table stays under this many cells.
constexpr size_t kMaxCells = size_t(1) << 21;

std::vector<FeatureFrame> coarser(const std::vector<FeatureFrame>& in, int factor) {
    std::vector<FeatureFrame> out((in.size() + size_t(factor) - 1) / size_t(factor));
    for (size_t k = 0; k < out.size(); ++k) {
        FeatureFrame sum{};
        size_t count = 0;
        for (size_t i = k * size_t(factor); i < std::min(in.size(), (k + 1) * size_t(factor)); ++i, ++count)
            for (size_t c = 0; c < sum.size(); ++c) sum[c] += in[i][c];
        for (size_t c = 0; c < sum.size(); ++c) out[k][c] = sum[c] / float(count);
    }
    return out;
}

Alignment align_frames(const std::vector<FeatureFrame>& reference, const std::vector<FeatureFrame>& take);

}  // namespace

Alignment align(const std::vector<FeatureFrame>& reference, const std::vector<FeatureFrame>& take) {
    int factor = 1;
    while ((reference.size() / size_t(factor)) * (take.size() / size_t(factor)) > kMaxCells) ++factor;
    if (factor == 1) return align_frames(reference, take);
    Alignment a = align_frames(coarser(reference, factor), coarser(take, factor));
    // Back to frame numbers: the middle of each averaged group.
    const int last_ref = int(reference.size()) - 1, last_take = int(take.size()) - 1;
    for (auto& [i, j] : a.path) {
        i = std::min(last_ref, i * factor + factor / 2);
        j = std::min(last_take, j * factor + factor / 2);
    }
    return a;
}

namespace {

Alignment align_frames(const std::vector<FeatureFrame>& reference, const std::vector<FeatureFrame>& take) {
    Alignment out;
    const int n = int(reference.size()), m = int(take.size());
    if (n == 0 || m == 0) return out;
    // With steps of slope 1/2 to 2 the far corner is out of reach beyond twice the length.
    if (n > 2 * m + 1 || m > 2 * n + 1) return out;

    const double inf = std::numeric_limits<double>::infinity();
    std::vector<float> local(size_t(n) * size_t(m));
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < m; ++j) local[size_t(i) * size_t(m) + size_t(j)] = float(frame_distance(reference[size_t(i)], take[size_t(j)]));
    auto d = [&](int i, int j) { return local[size_t(i) * size_t(m) + size_t(j)]; };

    std::vector<double> g(size_t(n) * size_t(m), inf);
    std::vector<Step> from(size_t(n) * size_t(m), None);
    auto at = [&](int i, int j) -> double& { return g[size_t(i) * size_t(m) + size_t(j)]; };
    at(0, 0) = 2.0 * d(0, 0);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < m; ++j) {
            if (i == 0 && j == 0) continue;
            double best = inf;
            Step step = None;
            // Sakoe and Chiba's symmetric form with slope constraint P = 1: weights add up to i + j + 2
            // along any path, whatever its shape.
            if (i >= 1 && j >= 1 && at(i - 1, j - 1) < inf) {
                const double v = at(i - 1, j - 1) + 2.0 * d(i, j);
                if (v < best) best = v, step = Diagonal;
            }
            if (i >= 2 && j >= 1 && at(i - 2, j - 1) < inf) {
                const double v = at(i - 2, j - 1) + 2.0 * d(i - 1, j) + d(i, j);
                if (v < best) best = v, step = TwoReference;
            }
            if (i >= 1 && j >= 2 && at(i - 1, j - 2) < inf) {
                const double v = at(i - 1, j - 2) + 2.0 * d(i, j - 1) + d(i, j);
                if (v < best) best = v, step = TwoTake;
            }
            at(i, j) = best;
            from[size_t(i) * size_t(m) + size_t(j)] = step;
        }
    if (!(at(n - 1, m - 1) < inf)) return out;

    out.found = true;
    out.distance = at(n - 1, m - 1) / double(n + m);
    int i = n - 1, j = m - 1;
    for (;;) {
        out.path.emplace_back(i, j);
        const Step s = from[size_t(i) * size_t(m) + size_t(j)];
        if (s == None) break;
        if (s == Diagonal) {
            --i, --j;
        } else if (s == TwoReference) {
            out.path.emplace_back(i - 1, j);
            i -= 2, j -= 1;
        } else {
            out.path.emplace_back(i, j - 1);
            i -= 1, j -= 2;
        }
    }
    std::reverse(out.path.begin(), out.path.end());
    return out;
}

}  // namespace

TimeMap TimeMap::from(const Alignment& a, const Utterance& reference, const Utterance& take) {
    std::vector<std::pair<double, double>> points;
    if (!a.found) {
        // No alignment: the spoken stretches are laid start to start.
        if (reference.has_speech() && take.has_speech())
            points.emplace_back(reference.speech_start_seconds(), take.speech_start_seconds());
        return TimeMap(std::move(points));
    }
    // One point per reference frame: the middle of the take frames matched to it. A take frame that
    // stretches over several reference frames gives the same take time to each, which keeps it rising.
    size_t k = 0;
    while (k < a.path.size()) {
        const int i = a.path[k].first;
        size_t e = k;
        double sum = 0.0;
        while (e < a.path.size() && a.path[e].first == i) sum += a.path[e++].second;
        const double j = sum / double(e - k);
        const double ref_t = reference.frame_seconds(reference.speech_first + i);
        const double take_t = take.frame_seconds(take.speech_first) + j * take.hop_seconds;
        if (points.empty() || take_t >= points.back().second) points.emplace_back(ref_t, take_t);
        k = e;
    }
    return TimeMap(std::move(points));
}

double TimeMap::take_seconds(double r) const {
    if (points_.empty()) return r;
    if (r <= points_.front().first) return points_.front().second + (r - points_.front().first);
    if (r >= points_.back().first) return points_.back().second + (r - points_.back().first);
    const auto it = std::upper_bound(points_.begin(), points_.end(), r,
                                     [](double v, const std::pair<double, double>& p) { return v < p.first; });
    const auto& hi = *it;
    const auto& lo = *(it - 1);
    const double span = hi.first - lo.first;
    const double f = span > 0 ? (r - lo.first) / span : 0.0;
    return lo.second + f * (hi.second - lo.second);
}

}  // namespace ql::say_it
