#include "assetgen/mp3_writer.h"

#include <lame/lame.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

bool WriteMp3(const std::string& path, const Stereo& audio) {
    lame_global_flags* lame = lame_init();
    if (lame == nullptr) return false;
    lame_set_in_samplerate(lame, kRate);
    lame_set_out_samplerate(lame, kRate);
    lame_set_num_channels(lame, 2);
    lame_set_brate(lame, 160);
    lame_set_quality(lame, 5);
    lame_set_bWriteVbrTag(lame, 1);  // the LAME tag: delay and padding for gapless decoding
    if (lame_init_params(lame) < 0) {
        lame_close(lame);
        return false;
    }
    const int frames = static_cast<int>(audio.Frames());
    std::vector<unsigned char> mp3(static_cast<std::size_t>(1.25 * frames + 7200) * 2);
    int size = lame_encode_buffer_ieee_float(lame, audio.left.data(), audio.right.data(), frames,
                                             mp3.data(), static_cast<int>(mp3.size()));
    if (size >= 0) {
        const int tail =
            lame_encode_flush(lame, mp3.data() + size, static_cast<int>(mp3.size()) - size);
        size = tail >= 0 ? size + tail : -1;
    }
    // The first frame was reserved for the tag; fill it in now that the totals are known.
    unsigned char tag[2880];
    const std::size_t tagSize = size >= 0 ? lame_get_lametag_frame(lame, tag, sizeof tag) : 0;
    lame_close(lame);
    if (size < 0) return false;
    if (tagSize > 0 && tagSize <= static_cast<std::size_t>(size)) {
        std::copy(tag, tag + tagSize, mp3.begin());
    }
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool ok = std::fwrite(mp3.data(), 1, size, file) == static_cast<std::size_t>(size);
    return std::fclose(file) == 0 && ok;
}
