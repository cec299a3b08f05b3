#pragma once
// The image half of the start-up load: the background and the sprite sheet.

#include "app/message_sink.h"
#include "gfx/frame_buffer.h"
#include "gfx/png_image.h"

inline constexpr const char* kBackgroundPath = "images/back01.png";
inline constexpr const char* kSpriteSheetPath = "images/jiki1.png";
inline constexpr const char* kImageMessage = "画像ファイルが開けません";

// Both images, decoded once and converted once to the premultiplied pixels the surface blends;
// kept for the whole run, so that a rebuilt device finds them ready.
struct GameImages {
    PremultipliedImage background;
    PremultipliedImage spriteSheet;
};

// Decodes both images, background first. On the first failure the second is not tried, the
// image message goes to showMessage, the reason to standard error, and the result is 0.
int LoadImages(GameImages& images, const MessageSink& showMessage);
