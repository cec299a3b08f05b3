// libFuzzer target: image loading as the game does it, from a file through our decoder and the
// conversion for blending. Any bytes must give an image or a load failure naming the path.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "gfx/png_image.h"
#include "gfx/premultiply.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/dev/shm/gryvel-fuzz-" + std::to_string(getpid()) + ".png";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) std::abort();
    if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
    std::fclose(file);
    try {
        const DecodedImage image = DecodePng(path);
        const PremultipliedImage premultiplied =
            Premultiply(image.pixels.data(), image.width, image.height);
        if (premultiplied.pixels.size() != image.pixels.size()) std::abort();
    } catch (const ImageLoadFailure& failure) {
        if (std::string(failure.what()).rfind(path, 0) != 0) std::abort();
    }
    return 0;
}
