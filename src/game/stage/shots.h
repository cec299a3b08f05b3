#pragma once
// The fighter's and options' shots: five pools of 100 records.

#include "game/frame_context.h"

// Every field of every record of the pool to 0.
void ClearShotPool(int pool);

// Section: a fresh press of the space bar puts one shot into each pool.
void FireShots(FrameContext& frame);
// Section: every live shot is drawn, moved up and retired above the field.
void UpdateShotPools(FrameContext& frame);
