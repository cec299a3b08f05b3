#pragma once
// The enemies' curving lasers, slots 3 to 47.

#include "game/common.h"
#include "game/frame_context.h"

using EnemyLaser = CurvingLaser;

extern EnemyLaser enemyLasers[kEnemySlots];

void ParkEnemyLaser(int slot);

void ArmEnemyLasers(FrameContext& frame);
void UpdateEnemyLasers(FrameContext& frame);
