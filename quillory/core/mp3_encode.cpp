#include "mp3_encode.h"

#include <lame/lame.h>

#include <memory>

namespace ql {

QByteArray encode_mp3(const std::vector<int16_t>& pcm, int rate) {
    std::unique_ptr<lame_global_flags, int (*)(lame_global_flags*)> gf(lame_init(), lame_close);
    if (!gf) return {};
    lame_set_num_channels(gf.get(), 1);
    lame_set_in_samplerate(gf.get(), rate);
    lame_set_out_samplerate(gf.get(), 22050);
    lame_set_mode(gf.get(), MONO);
    lame_set_brate(gf.get(), 32);
    lame_set_VBR(gf.get(), vbr_off);
    // A Xing frame or ID3 tag in the middle of a joined file would play as a click or a gap.
    lame_set_bWriteVbrTag(gf.get(), 0);
    lame_set_write_id3tag_automatic(gf.get(), 0);
    if (lame_init_params(gf.get()) < 0) return {};

    const int n = int(pcm.size());
    // lame's own bound for the output of one call: 1.25 x samples + 7200.
    QByteArray out(int(1.25 * n) + 7200 + 7200, Qt::Uninitialized);
    auto* buf = reinterpret_cast<unsigned char*>(out.data());
    int used = 0;
    if (n > 0) {
        // The mono call takes a left channel only.
        const int got = lame_encode_buffer(gf.get(), pcm.data(), nullptr, n, buf, int(out.size()));
        if (got < 0) return {};
        used = got;
    }
    const int tail = lame_encode_flush(gf.get(), buf + used, int(out.size()) - used);
    if (tail < 0) return {};
    used += tail;
    out.truncate(used);
    return out;
}

}  // namespace ql
