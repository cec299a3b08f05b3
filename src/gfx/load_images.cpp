#include "gfx/load_images.h"

#include <cstdio>

int LoadImages(GameImages& images, const MessageSink& showMessage) {
    try {
        images.background = DecodePng(kBackgroundPath);
        images.spriteSheet = DecodePng(kSpriteSheetPath);
    } catch (const ImageLoadFailure& failure) {
        std::fprintf(stderr, "gryvel: %s\n", failure.what());
        showMessage(kImageMessage);
        return 0;
    }
    return 1;
}
