#include "game/enemies/explosions.h"

Explosion explosions[kExplosionSlots];

void ClearExplosions() {
    for (Explosion& explosion : explosions) explosion = Explosion{};
}

void DrawExplosions(FrameContext& /*frame*/) {}
