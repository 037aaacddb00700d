#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <optional>

namespace ql {

// One MPEG audio frame header (MPEG-1, 2 and 2.5; layers I, II and III).
struct MpegFrameHeader {
    int version = 0;       // 10 for MPEG-1, 20 for MPEG-2, 25 for MPEG-2.5
    int layer = 0;         // 1, 2 or 3
    int bitrate_kbps = 0;  // never 0: free-format frames are not read
    int sample_rate = 0;
    bool padded = false;
    bool crc = false;
    bool mono = false;
    int length = 0;             // bytes, header included
    int samples_per_frame = 0;  // per channel
};

// Reads the four header bytes at `bytes`; std::nullopt when they are not a usable frame header.
std::optional<MpegFrameHeader> parse_mpeg_header(QByteArrayView bytes);

// How long MPEG audio plays, from its frame headers alone: frames x samples per frame / rate.
struct MpegPlayLength {
    qint64 frames = 0;     // frames a player decodes into sound
    double seconds = 0.0;  // their playing time
    qint64 samples = 0;    // the same in samples, meaningful when every frame has `sample_rate`
    int sample_rate = 0;   // the first frame's
    // A Xing, Info or VBRI frame opening the bytes is a tag, not sound, when the bytes open the file;
    // when they follow other audio in a joined file, players decode it as one more (silent) frame.
    // This is its playing time, not counted in `seconds`.
    double leading_tag_seconds = 0.0;
    qint64 leading_tag_samples = 0;

    double seconds_after_other_audio() const { return seconds + leading_tag_seconds; }
};

// Walks the frames of `bytes` as a player does: ID3v2 tags (anywhere) and ID3v1 tags are skipped,
// junk between frames (such as the CR LF that joins compiled clips) is passed over by finding the
// next frame whose successor confirms it, and a frame cut short by the end of the bytes is not
// counted. Tag frames other than the first decode as sound, as they do in a joined file.
MpegPlayLength mpeg_play_length(QByteArrayView bytes);

}  // namespace ql
