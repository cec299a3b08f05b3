#include "game/stage/fighter.h"

#include "game/stage/world.h"

namespace {

// Option places relative to the fighter's centre: a V opening downward.
constexpr Option kOptionOffsets[kOptionCount] = {{-50, 50}, {50, 50}, {-100, 100}, {100, 100}};

}  // namespace

void PlaceOptions() {
    for (int i = 0; i < kOptionCount; ++i) {
        gameWorld.options[i].x = gameWorld.playerX + kOptionOffsets[i].x;
        gameWorld.options[i].y = gameWorld.playerY + kOptionOffsets[i].y;
    }
}

void MoveFighter(FrameContext& /*frame*/) {}

void PlaceOptionsSection(FrameContext& /*frame*/) {
    PlaceOptions();
}

void DrawOptionsAndFighter(FrameContext& /*frame*/) {}
