#pragma once
#include <QByteArray>

namespace ql {

// The stretch of a take that is kept: bytes start ... end inclusive.
struct TrimBounds {
    qsizetype start = 0;
    qsizetype end = 0;
};

// Finds where a take of 16-bit little-endian samples is cut. The rules look at the high and low
// bytes rather than at sample values, which is how takes have always been cut, so that a take
// trimmed today keeps the same length as one trimmed by earlier versions. Needs at least 4 bytes.
TrimBounds silence_bounds(const QByteArray& take);

// Cuts the silence off both ends of a take and zeroes the first and last kept sample, so that the
// stored word starts and ends on silence. A take under 4 bytes is returned unchanged.
QByteArray trim_silence(QByteArray take);

}  // namespace ql
