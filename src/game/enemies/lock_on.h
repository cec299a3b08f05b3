#pragma once
// The lock-on sight and the fighter's 48 homing lasers, laser k for enemy k.

#include "game/common.h"
#include "game/frame_context.h"

using LockOnLaser = CurvingLaser;

extern LockOnLaser lockOnLasers[kEnemySlots];

void ParkLockOnLaser(int slot);

// The sight pass: locked sight, marker and "loc" for every enemy in front of the fighter.
void UpdateLockOnSight(FrameContext& frame);
// The laser pass, from clock 60 on.
void UpdateLockOnLasers(FrameContext& frame);
// The idle sight frame, drawn in every frame over the lasers.
void DrawIdleSight(FrameContext& frame);
