#include "mpeg_frames.h"

namespace ql {

namespace {

// kbps by [MPEG-1 ? 0 : 1][layer - 1][index]; index 0 (free format) and 15 (forbidden) are unusable.
constexpr int kBitrates[2][3][15] = {
    {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
     {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
     {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
    {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
     {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}},
};
constexpr int kRates[3] = {44100, 48000, 32000};  // MPEG-1; halved for MPEG-2, quartered for 2.5

uchar at(QByteArrayView b, qsizetype i) { return uchar(b[i]); }

bool starts_with(QByteArrayView b, qsizetype pos, const char* magic, qsizetype n) {
    return pos >= 0 && pos + n <= b.size() && b.sliced(pos, n) == QByteArrayView(magic, n);
}

// Length of an ID3v2 tag at `pos` (header, body and footer), or 0 when there is none.
qsizetype id3v2_length(QByteArrayView b, qsizetype pos) {
    if (!starts_with(b, pos, "ID3", 3) || pos + 10 > b.size()) return 0;
    if (at(b, pos + 3) == 0xFF || at(b, pos + 4) == 0xFF) return 0;
    qsizetype size = 0;
    for (int i = 6; i < 10; ++i) {
        const uchar c = at(b, pos + i);
        if (c & 0x80) return 0;  // sizes are synch-safe: a set top bit means this is no tag
        size = (size << 7) | c;
    }
    const bool footer = at(b, pos + 5) & 0x10;
    return 10 + size + (footer ? 10 : 0);
}

std::optional<MpegFrameHeader> header_at(QByteArrayView b, qsizetype pos) {
    if (pos < 0 || pos + 4 > b.size()) return std::nullopt;
    return parse_mpeg_header(b.sliced(pos, 4));
}

bool same_stream(const MpegFrameHeader& a, const MpegFrameHeader& b) {
    return a.version == b.version && a.layer == b.layer && a.sample_rate == b.sample_rate;
}

// A frame header found by searching is believed only when what follows the frame is the end of the
// bytes, another frame of the same stream, a tag, or the CR LF of a join followed by one of these:
// two bytes 0xFF 0xEx turn up by chance in any stretch of junk or tag text.
bool confirmed(QByteArrayView b, qsizetype pos, const MpegFrameHeader& h) {
    const qsizetype end = pos + h.length;
    if (end > b.size()) return false;
    auto follows_well = [&](qsizetype q) {
        if (q == b.size()) return true;
        if (id3v2_length(b, q) > 0 || starts_with(b, q, "TAG", 3)) return true;
        const auto next = header_at(b, q);
        return next && same_stream(*next, h);
    };
    if (follows_well(end)) return true;
    return starts_with(b, end, "\r\n", 2) && follows_well(end + 2);
}

// A Xing/Info (LAME) or VBRI frame carries the encoder's notes, not sound.
bool is_tag_frame(QByteArrayView b, qsizetype pos, const MpegFrameHeader& h) {
    if (h.layer != 3) return false;
    const int side_info = h.version == 10 ? (h.mono ? 17 : 32) : (h.mono ? 9 : 17);
    const qsizetype frame_end = pos + h.length;
    for (qsizetype off : {qsizetype(4 + side_info), qsizetype(4 + 2 + side_info)}) {
        const qsizetype q = pos + off;
        if (q + 4 <= frame_end && (starts_with(b, q, "Xing", 4) || starts_with(b, q, "Info", 4))) return true;
        if (!h.crc) break;
    }
    return pos + 36 + 4 <= frame_end && starts_with(b, pos + 36, "VBRI", 4);
}

}  // namespace

std::optional<MpegFrameHeader> parse_mpeg_header(QByteArrayView b) {
    if (b.size() < 4) return std::nullopt;
    const uchar b0 = at(b, 0), b1 = at(b, 1), b2 = at(b, 2), b3 = at(b, 3);
    if (b0 != 0xFF || (b1 & 0xE0) != 0xE0) return std::nullopt;
    const int version_bits = (b1 >> 3) & 3;
    const int layer_bits = (b1 >> 1) & 3;
    const int bitrate_index = b2 >> 4;
    const int rate_index = (b2 >> 2) & 3;
    if (version_bits == 1 || layer_bits == 0 || bitrate_index == 0 || bitrate_index == 15 || rate_index == 3)
        return std::nullopt;
    if ((b3 & 3) == 2) return std::nullopt;  // reserved emphasis: no encoder writes it

    MpegFrameHeader h;
    h.version = version_bits == 3 ? 10 : version_bits == 2 ? 20 : 25;
    h.layer = 4 - layer_bits;
    const bool mpeg1 = h.version == 10;
    h.bitrate_kbps = kBitrates[mpeg1 ? 0 : 1][h.layer - 1][bitrate_index];
    h.sample_rate = kRates[rate_index] / (mpeg1 ? 1 : h.version == 20 ? 2 : 4);
    h.padded = b2 & 2;
    h.crc = !(b1 & 1);
    h.mono = (b3 >> 6) == 3;
    const int bps = h.bitrate_kbps * 1000;
    if (h.layer == 1) {
        h.samples_per_frame = 384;
        h.length = (12 * bps / h.sample_rate + (h.padded ? 1 : 0)) * 4;
    } else if (h.layer == 2 || mpeg1) {
        h.samples_per_frame = 1152;
        h.length = 144 * bps / h.sample_rate + (h.padded ? 1 : 0);
    } else {
        h.samples_per_frame = 576;
        h.length = 72 * bps / h.sample_rate + (h.padded ? 1 : 0);
    }
    return h;
}

MpegPlayLength mpeg_play_length(QByteArrayView b) {
    MpegPlayLength out;
    qsizetype pos = 0;
    std::optional<MpegFrameHeader> last;  // the frame just read, while the stream is in step
    bool first = true;
    while (pos + 4 <= b.size()) {
        if (const qsizetype tag = id3v2_length(b, pos); tag > 0) {
            pos += tag;
            last.reset();
            continue;
        }
        auto h = header_at(b, pos);
        // In step, the next frame must follow at once; out of step, a frame must be confirmed.
        const bool accept = h && (last && same_stream(*last, *h) ? pos + h->length <= b.size() : confirmed(b, pos, *h));
        if (!accept) {
            if (last && h && pos + h->length > b.size()) break;  // the last frame is cut short
            if (starts_with(b, pos, "TAG", 3) && pos + 128 <= b.size()) {
                pos += 128;
            } else {
                ++pos;
            }
            last.reset();
            continue;
        }
        const double frame_seconds = double(h->samples_per_frame) / h->sample_rate;
        if (first) {
            out.sample_rate = h->sample_rate;
            if (is_tag_frame(b, pos, *h)) {
                out.leading_tag_seconds = frame_seconds;
                out.leading_tag_samples = h->samples_per_frame;
                first = false;
                last = h;
                pos += h->length;
                continue;
            }
        }
        first = false;
        ++out.frames;
        out.seconds += frame_seconds;
        out.samples += h->samples_per_frame;
        last = h;
        pos += h->length;
    }
    return out;
}

}  // namespace ql
