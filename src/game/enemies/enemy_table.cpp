#include "game/enemies/enemy_table.h"

#include "game/enemies/bursts.h"
#include "game/enemies/enemy_groups.h"
#include "game/enemies/flight.h"
#include "game/stage/world.h"

Enemy enemies[kEnemySlots];

namespace {

constexpr float kBottomCull = 1168.0f;

bool InSpawnWindow(const SlotProfile& profile, float clock) {
    for (int w = 0; w < profile.windowCount; ++w) {
        if (clock >= profile.windows[w].first && clock <= profile.windows[w].last) return true;
    }
    return false;
}

// A free slot spawns whenever the clock is in one of its windows: a fighter freed inside its
// window is back at its start on the next frame.
void SpawnCheck(Enemy& enemy, const SlotProfile& profile, float clock) {
    if (enemy.alive != 0 || !InSpawnWindow(profile, clock)) return;
    enemy.x = profile.startX;
    enemy.y = profile.startY;
    enemy.hit = 0.0f;
    enemy.burstCounter = 0.0f;
    enemy.flightStep = 0.0f;
    enemy.heading = 0.0f;
    enemy.alive = 1;
}

void Draw(FrameContext& frame, const Enemy& enemy, const SlotProfile& profile) {
    frame.surface.DrawBitmap(BitmapId::SpriteSheet,
                             RectF{enemy.x - profile.halfWidth, enemy.y - profile.halfHeight,
                                   enemy.x + profile.halfWidth, enemy.y + profile.halfHeight},
                             1.0f, profile.sprite);
}

// Leaving at the bottom frees the slot without a burst or a sound.
void BottomCull(Enemy& enemy) {
    if (enemy.y < kBottomCull) return;
    ParkEnemy(enemy);
}

}  // namespace

void ParkEnemy(Enemy& enemy) {
    enemy.x = parkedX;
    enemy.y = parkedY;
    enemy.burstCounter = 0.0f;
    enemy.hit = 0.0f;
    enemy.alive = 0;
    enemy.flightStep = 0.0f;
    enemy.heading = 0.0f;
}

void ParkEnemy(int slot) {
    Enemy& enemy = enemies[slot];
    enemy.alive = 0;
    enemy.x = parkedX;
    enemy.y = parkedY;
    enemy.hit = 0.0f;
    enemy.burstCounter = 0.0f;
}

// Slot by slot, each finished before the next: a higher slot and its burst lie over a lower one.
void UpdateEnemies(FrameContext& frame) {
    const float clock = gameWorld.stageClock;
    for (int slot = 0; slot < kEnemySlots; ++slot) {
        Enemy& enemy = enemies[slot];
        const SlotProfile& profile = ProfileOf(slot);
        SpawnCheck(enemy, profile, clock);
        if (enemy.alive == 1) {
            FlightStep(enemy, slot, clock);
            Draw(frame, enemy, profile);
        }
        BottomCull(enemy);
        UpdateBurst(frame, slot);
    }
}
