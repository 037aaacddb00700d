#include "core/lrc_captions.h"
#include "core/mpeg_frames.h"
#include "support/sound_maker.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace ql;
using namespace ql::testing;

namespace {

QByteArray header(uchar b1, uchar b2, uchar b3 = 0xC4) {
    const char h[4] = {char(0xFF), char(b1), char(b2), char(b3)};
    return QByteArray(h, 4);
}

// A rising tone, so that every frame carries sound.
QByteArray tone_pcm(double seconds, int rate) {
    QByteArray pcm;
    const int n = int(seconds * rate);
    pcm.resize(2 * n);
    for (int i = 0; i < n; ++i) {
        const auto v = qint16(8000 * std::sin(i * (0.02 + i * 1e-6)));
        pcm[2 * i] = char(v & 0xFF);
        pcm[2 * i + 1] = char((v >> 8) & 0xFF);
    }
    return pcm;
}

// An ID3v2 tag whose body is full of what looks like frame headers.
QByteArray id3_tag() {
    QByteArray body;
    for (int i = 0; i < 100; ++i) body += header(0xF3, 0x40);
    QByteArray tag("ID3\x04\x00\x00", 6);
    const int n = int(body.size());
    tag += char((n >> 21) & 0x7F);
    tag += char((n >> 14) & 0x7F);
    tag += char((n >> 7) & 0x7F);
    tag += char(n & 0x7F);
    return tag + body;
}

}  // namespace

TEST(MpegFrames, HeaderLengthsAndSamplesForEachVersionAndLayer) {
    struct Case {
        QByteArray h;
        int version, layer, rate, length, samples;
    } cases[] = {
        {header(0xFB, 0x90), 10, 3, 44100, 417, 1152},  // MPEG-1 layer III 128 kbit/s
        {header(0xFB, 0x92), 10, 3, 44100, 418, 1152},  // padded
        {header(0xF3, 0x40), 20, 3, 22050, 104, 576},   // the recordings: MPEG-2, 32 kbit/s
        {header(0xE3, 0x18), 25, 3, 8000, 72, 576},     // MPEG-2.5, 8 kbit/s
        {header(0xFD, 0x84), 10, 2, 48000, 384, 1152},  // layer II 128 kbit/s, CRC
        {header(0xFF, 0x10), 10, 1, 44100, 32, 384},    // layer I 32 kbit/s
    };
    for (const Case& c : cases) {
        const auto h = parse_mpeg_header(c.h);
        ASSERT_TRUE(h) << c.h.toHex().toStdString();
        EXPECT_EQ(h->version, c.version);
        EXPECT_EQ(h->layer, c.layer);
        EXPECT_EQ(h->sample_rate, c.rate);
        EXPECT_EQ(h->length, c.length) << c.h.toHex().toStdString();
        EXPECT_EQ(h->samples_per_frame, c.samples);
    }
    // Reserved version, reserved layer, free format, forbidden bitrate, reserved rate, no sync.
    for (const QByteArray& bad : {header(0xEB, 0x90), header(0xF9, 0x90), header(0xFB, 0x00), header(0xFB, 0xF0),
                                  header(0xFB, 0x9C), QByteArray("\xFF\x1B\x90\xC4", 4)})
        EXPECT_FALSE(parse_mpeg_header(bad)) << bad.toHex().toStdString();
}

// The frame count is what a real decoder plays, clip by clip and joined as the compilations join them
// (CR LF between clips), whatever the MPEG version, tags and tag frames.
TEST(MpegFrames, PlayLengthIsWhatADecoderPlays) {
    if (!have_sound_tools()) GTEST_SKIP() << "espeak-ng, lame or sox missing";
    const QByteArray recording = recording_mp3(spoken_pcm("buenos"));
    const QByteArray mpeg1 = encode_mp3(tone_pcm(0.7, 44100), 44100, {"-t", "-b", "64"});
    const QByteArray mpeg25 = encode_mp3(tone_pcm(0.5, 8000), 8000, {"-t", "-b", "8"});
    // 64 kbit/s leaves room for the LAME tag frame that the recordings go without.
    const QByteArray tagged = encode_mp3(tone_pcm(0.4, 22050), 22050, {"-b", "64"});
    // A tag full of frame-like bytes must be passed over whole.
    const QByteArray with_id3 = id3_tag() + recording + QByteArray("TAG") + QByteArray(125, '\xFF');
    const QByteArray titled = encode_mp3(tone_pcm(0.3, 22050), 22050,
                                         {"-t", "-b", "32", "--id3v2-only", "--tt", "casa"});
    ASSERT_FALSE(recording.isEmpty());
    ASSERT_FALSE(mpeg1.isEmpty());
    ASSERT_FALSE(mpeg25.isEmpty());
    ASSERT_FALSE(tagged.isEmpty());

    for (const QByteArray* clip : {&recording, &mpeg1, &mpeg25, &tagged, &with_id3, &titled}) {
        const Decoded d = decode_mp3(*clip);
        const MpegPlayLength l = mpeg_play_length(*clip);
        ASSERT_GT(d.samples, 0);
        EXPECT_EQ(l.samples, d.samples) << clip->size();
        EXPECT_EQ(l.sample_rate, d.rate);
        EXPECT_DOUBLE_EQ(l.seconds, double(d.samples) / double(d.rate));
    }
    EXPECT_GT(mpeg_play_length(tagged).leading_tag_samples, 0);  // the case is really tested

    // Joined: a tag frame after other audio plays as one more frame.
    // (ID3v2 tags stay at the start: after the CR LF of a join the reference decoder takes bytes of
    // the tag's text for a frame, a glitch players differ on.)
    const QByteArray joined = titled + "\r\n" + tagged + "\r\n" + recording + "\r\n" + tagged + "\r\n";
    const Decoded d = decode_mp3(joined);
    const MpegPlayLength l = mpeg_play_length(joined);
    EXPECT_EQ(l.samples, d.samples);
    const MpegPlayLength r = mpeg_play_length(recording), t = mpeg_play_length(tagged), i = mpeg_play_length(titled);
    EXPECT_DOUBLE_EQ(l.seconds, i.seconds + 2 * t.seconds_after_other_audio() + r.seconds);
    EXPECT_EQ(mpeg_play_length(tagged + "\r\n" + recording).samples, t.samples + r.samples);

    // Cut short or not audio at all.
    EXPECT_EQ(mpeg_play_length(recording.left(recording.size() - 10)).frames, mpeg_play_length(recording).frames - 1);
    EXPECT_EQ(mpeg_play_length(QByteArray("BEEP\r\n")).frames, 0);
    EXPECT_EQ(mpeg_play_length(QByteArray()).frames, 0);
}

TEST(LrcCaptions, TimeStampsRoundToHundredthsAndCarry) {
    EXPECT_EQ(lrc_time_stamp(0.0), u"[00:00.00]");
    EXPECT_EQ(lrc_time_stamp(61.234), u"[01:01.23]");
    EXPECT_EQ(lrc_time_stamp(59.996), u"[01:00.00]");
    EXPECT_EQ(lrc_time_stamp(6000.0), u"[100:00.00]");
    EXPECT_EQ(caption_path("/w/100words12.mp3"), u"/w/100words12.lrc");
    EXPECT_EQ(lrc_lines({{1.5, "casa - house"}, {2.0, "two\r\nlines"}}),
              (QStringList{"[00:01.50]casa - house", "[00:02.00]two  lines"}));
}
