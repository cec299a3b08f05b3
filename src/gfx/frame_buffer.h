#pragma once
// The frame the software surface draws into: opaque 0x00RRGGBB pixels, rows top to bottom.

#include <cstdint>
#include <vector>

struct FrameBuffer {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    void Resize(int w, int h) {
        width = w;
        height = h;
        pixels.assign(static_cast<std::size_t>(w) * h, 0u);
    }
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// A bitmap ready to draw: premultiplied 0xAARRGGBB pixels.
struct PremultipliedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};
