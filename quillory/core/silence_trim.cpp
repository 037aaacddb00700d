#include "silence_trim.h"

namespace ql {

namespace {

// A sample whose high byte is above 128 is negative; exactly 128 counts as neither negative nor loud.
bool is_negative(unsigned char high) { return high > 128; }

// Loud means a clearly positive swing: at least 2 * 256 + 6.
bool is_loud(unsigned char high, unsigned char low) { return high > 1 && high < 128 && low > 5; }

}  // namespace

TrimBounds silence_bounds(const QByteArray& take) {
    const auto* b = reinterpret_cast<const unsigned char*>(take.constData());
    const qsizetype last = take.size() - 1;

    // Forward: the last negative sample before the first loud one. The first sample and the last
    // eight are not looked at.
    qsizetype i = 2;
    qsizetype negative = -1;
    for (; i <= last - 16; i += 2) {
        if (is_negative(b[i + 1])) negative = i;
        else if (is_loud(b[i + 1], b[i])) break;
    }
    TrimBounds t;
    t.start = negative >= 0 ? negative : i;

    // Backward: the first negative sample after the last loud one, stopping short of the start.
    qsizetype j = last;
    negative = -1;
    for (; j >= t.start + 1; j -= 2) {
        if (is_negative(b[j])) negative = j;
        else if (is_loud(b[j], b[j - 1])) break;
    }
    t.end = negative >= 0 ? negative : j;

    if (t.end - t.start < 3) {
        t.start = 0;
        t.end = 3;
    }
    return t;
}

QByteArray trim_silence(QByteArray take) {
    if (take.size() < 4) return take;
    const TrimBounds t = silence_bounds(take);
    char* b = take.data();
    b[t.start] = 0;
    b[t.start + 1] = 0;
    b[t.end - 1] = 0;
    b[t.end] = 0;
    return take.mid(t.start, t.end - t.start + 1);
}

}  // namespace ql
