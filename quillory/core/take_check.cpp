#include "take_check.h"
#include "core/ui_text.h"

#include <cmath>
#include <cstring>
#include <ebur128.h>
#include <memory>
#include <vector>

namespace ql {

namespace {

std::optional<double> integrated_loudness(const std::vector<qint16>& samples, int rate) {
    // Integrated loudness is gated over 0.4 s blocks: a shorter take has none to measure.
    if (samples.size() < size_t(rate) * 2 / 5) return std::nullopt;
    std::unique_ptr<ebur128_state, void (*)(ebur128_state*)> st(ebur128_init(1, unsigned(rate), EBUR128_MODE_I),
                                                                 [](ebur128_state* s) { ebur128_destroy(&s); });
    if (!st) return std::nullopt;
    if (ebur128_add_frames_short(st.get(), samples.data(), samples.size()) != EBUR128_SUCCESS) return std::nullopt;
    double lufs = 0.0;
    if (ebur128_loudness_global(st.get(), &lufs) != EBUR128_SUCCESS) return std::nullopt;
    return lufs;  // -inf for a take that is all below the absolute gate, such as silence
}

}  // namespace

TakeCheck check_take(const QByteArray& take, int rate) {
    TakeCheck c;
    c.samples = take.size() / 2;
    std::vector<qint16> samples(size_t(c.samples));
    if (c.samples > 0) std::memcpy(samples.data(), take.constData(), size_t(c.samples) * 2);

    int peak = 0;
    qsizetype at_full_scale = 0;
    for (qint16 s : samples) {
        peak = std::max(peak, std::abs(int(s)));
        if (s == 32767 || s == -32768) ++at_full_scale;
    }
    c.peak_dbfs = peak > 0 ? 20.0 * std::log10(peak / 32768.0) : -HUGE_VAL;
    c.clipped_share = c.samples > 0 ? double(at_full_scale) / double(c.samples) : 0.0;
    c.loudness_lufs = integrated_loudness(samples, rate);
    if (take.size() >= 4) {
        c.speech = silence_bounds(take);
        c.speech_seconds = double((c.speech.end - c.speech.start + 1) / 2) / rate;
    }

    if ((c.loudness_lufs && *c.loudness_lufs < TakeLimits::quiet_lufs) || c.peak_dbfs < TakeLimits::quiet_peak_dbfs)
        c.notes << Quillory::tr("Too quiet");
    if (c.samples > 0 && c.clipped_share >= TakeLimits::clipped_share) c.notes << Quillory::tr("Clipped");
    if (c.speech_seconds < TakeLimits::short_speech_seconds) c.notes << Quillory::tr("Very short");
    return c;
}

}  // namespace ql
