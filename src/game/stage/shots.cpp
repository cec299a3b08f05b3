#include "game/stage/shots.h"

#include "game/stage/world.h"

void ClearShotPool(int pool) {
    for (PlayerShot& shot : gameWorld.shotPools[pool].shots) shot = PlayerShot{0, 0.0f, 0.0f};
}

void FireShots(FrameContext& /*frame*/) {}

void UpdateShotPools(FrameContext& /*frame*/) {}
