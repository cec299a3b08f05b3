#include "gfx/load_images.h"

#include <cstdio>

#include "app/debug_trace.h"
#include "gfx/premultiply.h"

int LoadImages(GameImages& images, const MessageSink& showMessage) {
    try {
        const auto load = [](const char* path) {
            const DecodedImage decoded = DecodePng(path);
            DebugTrace("image loaded %s %d x %d", path, decoded.width, decoded.height);
            return Premultiply(decoded.pixels.data(), decoded.width, decoded.height);
        };
        images.background = load(kBackgroundPath);
        images.spriteSheet = load(kSpriteSheetPath);
    } catch (const ImageLoadFailure& failure) {
        std::fprintf(stderr, "gryvel: %s\n", failure.what());
        showMessage(kImageMessage);
        return 0;
    }
    return 1;
}
