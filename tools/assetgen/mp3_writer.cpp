#include "assetgen/mp3_writer.h"

#include <lame/lame.h>

#include <cstdio>

bool WriteMp3(const std::string& path, const std::vector<std::int16_t>& interleaved) {
    lame_global_flags* lame = lame_init();
    if (lame == nullptr) return false;
    lame_set_in_samplerate(lame, kSampleRate);
    lame_set_out_samplerate(lame, kSampleRate);
    lame_set_num_channels(lame, 2);
    lame_set_brate(lame, 160);
    lame_set_quality(lame, 2);
    lame_set_bWriteVbrTag(lame, 0);
    if (lame_init_params(lame) < 0) {
        lame_close(lame);
        return false;
    }
    const int frames = static_cast<int>(interleaved.size() / 2);
    std::vector<unsigned char> mp3(static_cast<std::size_t>(1.25 * frames + 7200 + 7200));
    int size = lame_encode_buffer_interleaved(lame, const_cast<short*>(interleaved.data()), frames,
                                              mp3.data(), static_cast<int>(mp3.size()));
    if (size >= 0) {
        const int tail =
            lame_encode_flush(lame, mp3.data() + size, static_cast<int>(mp3.size()) - size);
        size = tail >= 0 ? size + tail : -1;
    }
    lame_close(lame);
    if (size < 0) return false;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool ok = std::fwrite(mp3.data(), 1, size, file) == static_cast<std::size_t>(size);
    return std::fclose(file) == 0 && ok;
}
