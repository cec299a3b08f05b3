#include "gfx/premultiply.h"

PremultipliedImage Premultiply(const std::uint32_t* pixels, int width, int height) {
    PremultipliedImage image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const std::uint32_t p = pixels[i];
        const std::uint32_t a = p >> 24;
        const auto scale = [a](std::uint32_t c) { return (c * a + 127) / 255; };
        image.pixels[i] = (a << 24) | (scale((p >> 16) & 0xFF) << 16) |
                          (scale((p >> 8) & 0xFF) << 8) | scale(p & 0xFF);
    }
    return image;
}
