#pragma once
// Shot-hit rules: a shot that has just moved destroys every flying enemy within 30 of it.

#include "game/frame_context.h"
#include "game/stage/world.h"

// Tests the shot against every enemy slot; each hit costs the shot one from its active count,
// so one shot can hit several enemies (and the same enemy again while it still flies).
void HitEnemiesWithShot(FrameContext& frame, PlayerShot& shot);
