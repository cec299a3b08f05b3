#pragma once
// The fighter's and options' shots: five pools of 100 records.

#include "game/frame_context.h"
#include "game/stage/world.h"

// Every field of every record of the pool to 0.
void ClearShotPool(int pool);

// Section: a fresh press of the space bar puts one shot into each pool.
void FireShots(FrameContext& frame);
// Section: every live shot is drawn, moved up and retired above the field.
void UpdateShotPools(FrameContext& frame);

// Draws one live shot where it stands: two lines for the fighter's pool, one for an option's.
void DrawShot(FrameContext& frame, int pool, const PlayerShot& shot);
