#include "game/stage/fighter.h"

#include "app/keyboard.h"
#include "game/stage/world.h"

namespace {

// Option places relative to the fighter's centre: a V opening downward.
constexpr Option kOptionOffsets[kOptionCount] = {{-50, 50}, {50, 50}, {-100, 100}, {100, 100}};

constexpr float kFighterSpeed = 8.0f;
// The fighter's area, both ends included: it stays in the lower part of the field.
constexpr float kFighterMinX = 24.0f;
constexpr float kFighterMaxX = 576.0f;
constexpr float kFighterMinY = 400.0f;
constexpr float kFighterMaxY = 696.0f;

constexpr RectF kFighterSprite{0, 0, 50, 100};
constexpr RectF kOptionSprite{110, 30, 160, 100};

// Draws a sprite unscaled, centred on (x, y).
void DrawCentred(DrawingSurface& surface, const RectF& sprite, float x, float y) {
    const float halfWidth = (sprite.right - sprite.left) / 2.0f;
    const float halfHeight = (sprite.bottom - sprite.top) / 2.0f;
    surface.DrawBitmap(BitmapId::SpriteSheet,
                       RectF{x - halfWidth, y - halfHeight, x + halfWidth, y + halfHeight}, 1.0f,
                       sprite);
}

}  // namespace

void PlaceOptions() {
    for (int i = 0; i < kOptionCount; ++i) {
        gameWorld.options[i].x = gameWorld.playerX + kOptionOffsets[i].x;
        gameWorld.options[i].y = gameWorld.playerY + kOptionOffsets[i].y;
    }
}

// Opposite keys cancel; a diagonal moves 8 on each axis, not normalised.
void MoveFighter(FrameContext& /*frame*/) {
    if (keyHeld[kVkLeft]) gameWorld.playerX = gameWorld.playerX - kFighterSpeed;
    if (keyHeld[kVkRight]) gameWorld.playerX = gameWorld.playerX + kFighterSpeed;
    if (keyHeld[kVkUp]) gameWorld.playerY = gameWorld.playerY - kFighterSpeed;
    if (keyHeld[kVkDown]) gameWorld.playerY = gameWorld.playerY + kFighterSpeed;
    if (gameWorld.playerX < kFighterMinX) gameWorld.playerX = kFighterMinX;
    if (gameWorld.playerX > kFighterMaxX) gameWorld.playerX = kFighterMaxX;
    if (gameWorld.playerY < kFighterMinY) gameWorld.playerY = kFighterMinY;
    if (gameWorld.playerY > kFighterMaxY) gameWorld.playerY = kFighterMaxY;
}

void PlaceOptionsSection(FrameContext& /*frame*/) {
    PlaceOptions();
}

// Options outside the field are still drawn (and still fire).
void DrawOptionsAndFighter(FrameContext& frame) {
    for (const Option& option : gameWorld.options) {
        DrawCentred(frame.surface, kOptionSprite, option.x, option.y);
    }
    DrawCentred(frame.surface, kFighterSprite, gameWorld.playerX, gameWorld.playerY);
}
