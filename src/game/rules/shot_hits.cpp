#include "game/rules/shot_hits.h"

#include "game/enemies/enemy_table.h"
#include "game/enemies/explosions.h"

namespace {

constexpr float kHitRadiusSquared = 900.0f;  // strictly inside a circle of radius 30

}  // namespace

void HitEnemiesWithShot(FrameContext& frame, PlayerShot& shot) {
    for (Enemy& enemy : enemies) {
        if (enemy.alive <= 0) continue;
        const float dy = shot.y - enemy.y;
        const float dx = shot.x - enemy.x;
        if (dy * dy + dx * dx >= kHitRadiusSquared) continue;
        shot.active = shot.active - 1;
        frame.sounds.PlayFromStart("hit");
        enemy.hit = 1.0f;
        SpawnExplosion(enemy.x, enemy.y);
    }
}
