#include "game/enemies/lock_on.h"

LockOnLaser lockOnLasers[kEnemySlots];

void ParkLockOnLaser(int slot) {
    ParkLaser(lockOnLasers[slot]);
}

void UpdateLockOnSight(FrameContext& /*frame*/) {}

void UpdateLockOnLasers(FrameContext& /*frame*/) {}

void DrawIdleSight(FrameContext& /*frame*/) {}
