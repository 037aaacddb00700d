#pragma once
#include "silence_trim.h"

#include <QByteArray>
#include <QStringList>
#include <cmath>
#include <optional>

namespace ql {

// What makes a take worth a second look. The contributor is told, the run goes on, and the take is
// stored as recorded either way.
struct TakeLimits {
    static constexpr double quiet_lufs = -35.0;          // integrated loudness below this is "Too quiet"
    static constexpr double quiet_peak_dbfs = -30.0;     // ... and so is a peak below this
    static constexpr double clipped_share = 0.001;       // this share of samples at full scale is "Clipped"
    static constexpr double short_speech_seconds = 0.15; // less speech than this after trimming is "Very short"
};

struct TakeCheck {
    qsizetype samples = 0;
    double peak_dbfs = -HUGE_VAL;      // the largest sample against full scale
    double clipped_share = 0.0;        // share of samples at full scale (either sign)
    // Integrated loudness (EBU R 128); std::nullopt when the take is shorter than one 0.4 s
    // measuring block, or the measurement failed.
    std::optional<double> loudness_lufs;
    TrimBounds speech;                 // the bytes silence trimming keeps
    double speech_seconds = 0.0;
    QStringList notes;                 // "Too quiet", "Clipped", "Very short", in that order
};

// Measures a take of 16-bit little-endian mono samples at `rate`, as recorded, before it is stored.
TakeCheck check_take(const QByteArray& take, int rate);

}  // namespace ql
