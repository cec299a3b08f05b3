#pragma once
// PNG decoding to 32-bit pixels, kept for the whole run.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// Largest accepted side and pixel count: a header claiming more is refused before allocating.
constexpr std::uint32_t kMaxImageSide = 16384;
constexpr std::uint64_t kMaxImagePixels = 64ull * 1024 * 1024;

// Pixels as 0xAARRGGBB words, straight (not premultiplied) alpha, rows top to bottom.
struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

// A file that is missing, unreadable, not a PNG, truncated or too large.
class ImageLoadFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Decodes the first (only) frame of a PNG file; throws ImageLoadFailure naming the path and why.
DecodedImage DecodePng(const std::string& path);

// Writes 0xAARRGGBB pixels as an 8-bit RGBA PNG; false on failure.
bool WritePng(const std::string& path, int width, int height, const std::uint32_t* pixels);
