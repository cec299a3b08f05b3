#include "game/enemies/enemy_table.h"

Enemy enemies[kEnemySlots];

void ParkEnemy(int slot) {
    Enemy& enemy = enemies[slot];
    enemy.alive = 0;
    enemy.x = parkedX;
    enemy.y = parkedY;
    enemy.hit = 0.0f;
    enemy.burstCounter = 0.0f;
}

void UpdateEnemies(FrameContext& /*frame*/) {}
