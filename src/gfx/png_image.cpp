#include "gfx/png_image.h"

#include <png.h>

#include "app/file_probe.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

[[noreturn]] void Fail(const std::string& path, const std::string& why) {
    throw ImageLoadFailure(path + ": " + why);
}

}  // namespace

DecodedImage DecodePng(const std::string& path) {
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) Fail(path, std::strerror(errno));
    long long fileSize = 0;
    if (const std::string why = WhyUnusable(fileno(file.get()), &fileSize); !why.empty()) {
        Fail(path, why);
    }

    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_stdio(&image, file.get())) {
        const std::string why = image.message[0] ? image.message : "not a PNG file";
        png_image_free(&image);
        Fail(path, "not a PNG file (" + why + ")");
    }
    if (image.width == 0 || image.height == 0 || image.width > kMaxImageSide ||
        image.height > kMaxImageSide ||
        static_cast<std::uint64_t>(image.width) * image.height > kMaxImagePixels) {
        const std::string size = std::to_string(image.width) + " x " + std::to_string(image.height);
        png_image_free(&image);
        Fail(path, "unsupported image size " + size);
    }

    // Deflate packs at most about 1032 bytes into one, and the smallest rows are one filter byte
    // plus a bit a pixel: a header claiming more than the file could hold is refused before the
    // pixels are allocated.
    const std::uint64_t smallestRows =
        static_cast<std::uint64_t>(image.height) * (1 + (image.width + 7) / 8);
    if (smallestRows > 1032 * static_cast<std::uint64_t>(fileSize) + 4096) {
        const std::string size = std::to_string(image.width) + " x " + std::to_string(image.height);
        png_image_free(&image);
        Fail(path, "too short for its claimed size " + size);
    }

    // BGRA bytes are 0xAARRGGBB words on a little-endian machine; build them portably.
    image.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr)) {
        const std::string why = image.message;
        png_image_free(&image);
        Fail(path, "cannot decode (" + why + ")");
    }

    DecodedImage decoded;
    decoded.width = static_cast<int>(image.width);
    decoded.height = static_cast<int>(image.height);
    decoded.pixels.resize(static_cast<std::size_t>(decoded.width) * decoded.height);
    for (std::size_t i = 0; i < decoded.pixels.size(); ++i) {
        const std::uint8_t* p = &rgba[i * 4];
        decoded.pixels[i] = (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[0]} << 16) |
                            (std::uint32_t{p[1]} << 8) | std::uint32_t{p[2]};
    }
    return decoded;
}

bool WritePng(const std::string& path, int width, int height, const std::uint32_t* pixels) {
    std::vector<std::uint8_t> rgba(static_cast<std::size_t>(width) * height * 4);
    for (std::size_t i = 0; i < static_cast<std::size_t>(width) * height; ++i) {
        const std::uint32_t px = pixels[i];
        rgba[i * 4 + 0] = static_cast<std::uint8_t>(px >> 16);
        rgba[i * 4 + 1] = static_cast<std::uint8_t>(px >> 8);
        rgba[i * 4 + 2] = static_cast<std::uint8_t>(px);
        rgba[i * 4 + 3] = static_cast<std::uint8_t>(px >> 24);
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGBA;
    const int ok = png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr);
    png_image_free(&image);
    return ok != 0;
}
