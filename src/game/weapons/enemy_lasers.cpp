#include "game/weapons/enemy_lasers.h"

EnemyLaser enemyLasers[kEnemySlots];

void ParkEnemyLaser(int slot) {
    ParkLaser(enemyLasers[slot]);
}

void ArmEnemyLasers(FrameContext& /*frame*/) {}

void UpdateEnemyLasers(FrameContext& /*frame*/) {}
