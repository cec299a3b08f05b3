#include "game/enemies/lock_on.h"

#include "game/enemies/enemy_table.h"
#include "game/enemies/explosions.h"
#include "game/laser_ribbon.h"
#include "game/stage/world.h"
#include "gfx/glow_line.h"

LockOnLaser lockOnLasers[kEnemySlots];

namespace {

constexpr float kArmFromY = -160.0f;  // enemies at or below this height draw a laser
constexpr int kDestroyingPoint = 18;  // only this point of a ribbon destroys its enemy

constexpr std::uint32_t kTieLineColour = 0x00FF00;

constexpr RectF kIdleSight{1200, 0, 1600, 300};
constexpr RectF kLockedSight{1200, 300, 1600, 600};
constexpr RectF kLockMarker{200, 0, 270, 70};

// Even slots swing out one way, odd slots the other.
constexpr RibbonStyle kEvenSlotRibbon{+1.0f, 18.0f, 25.0f, 0x00AA00, {1400, -800, 1168, -100}};
constexpr RibbonStyle kOddSlotRibbon{-1.0f, 18.0f, 25.0f, 0x00AA00, {1400, -800, 1168, -100}};

// 400 x 300 with its bottom edge 50 above the fighter's centre.
RectF SightBox() {
    const float x = gameWorld.playerX, y = gameWorld.playerY;
    return RectF{x - 200.0f, y - 150.0f - 200.0f, x + 200.0f, y + 150.0f - 200.0f};
}

// The enemy's position taken as the top-left corner of a 60 x 60 box; bounds included.
bool InLockOnRegion(const Enemy& enemy) {
    const float px = gameWorld.playerX, py = gameWorld.playerY;
    return enemy.x <= px + 200.0f && enemy.x + 60.0f >= px - 150.0f && enemy.y <= py + 50.0f &&
           enemy.y + 60.0f >= py - 300.0f;
}

// A point strictly inside the 40 x 40 box around its enemy is spent; point 18 destroys it.
void HitTest(CurvingLaser& laser, int n, int slot) {
    LaserPoint& point = laser.points[n];
    Enemy& enemy = enemies[slot];
    const bool inside = (enemy.x + 10.0f) - 30.0f < point.x &&
                        point.x < (enemy.x + 50.0f) - 30.0f && enemy.y - 10.0f < point.y &&
                        point.y < enemy.y + 30.0f;
    if (!inside) return;
    point.state = 0.0f;
    if (n != kDestroyingPoint) return;
    enemy.hit = 1.0f;
    SpawnExplosion(enemy.x, enemy.y);
    laser.active = 0.0f;
    laser.tick = -1;
}

}  // namespace

void ParkLockOnLaser(int slot) {
    ParkLaser(lockOnLasers[slot]);
}

// Every enemy in the region gets the locked sight, its marker and a restart of "loc"; under the
// shot-hit rules a green line also ties the fighter to it.
void UpdateLockOnSight(FrameContext& frame) {
    for (const Enemy& enemy : enemies) {
        if (!InLockOnRegion(enemy)) continue;
        frame.surface.DrawBitmap(BitmapId::SpriteSheet, SightBox(), 1.0f, kLockedSight);
        frame.surface.DrawBitmap(
            BitmapId::SpriteSheet,
            RectF{enemy.x - 35.0f, enemy.y - 35.0f, enemy.x + 35.0f, enemy.y + 35.0f}, 1.0f,
            kLockMarker);
        if (frame.rules == RuleSet::ShotHit) {
            DrawGlowLine(frame.surface, kTieLineColour,
                         PointF{gameWorld.playerX, gameWorld.playerY}, PointF{enemy.x, enemy.y});
        }
        frame.sounds.PlayFromStart("loc");
    }
}

// The lasers do not look at the sight or at the enemy's alive flag, only at its height.
void UpdateLockOnLasers(FrameContext& frame) {
    const PointF fighter{gameWorld.playerX, gameWorld.playerY};
    for (int slot = 0; slot < kEnemySlots; ++slot) {
        LockOnLaser& laser = lockOnLasers[slot];
        if (enemies[slot].y >= kArmFromY && laser.active == 0.0f) ArmLaser(laser, fighter);
    }
    for (int slot = 0; slot < kEnemySlots; ++slot) {
        LockOnLaser& laser = lockOnLasers[slot];
        if (laser.active == 1.0f) AdvanceLaunch(laser, fighter);
        const Enemy& enemy = enemies[slot];
        UpdateRibbonPoints(frame, laser, slot, slot % 2 == 0 ? kEvenSlotRibbon : kOddSlotRibbon,
                           PointF{enemy.x, enemy.y}, fighter, HitTest);
    }
}

void DrawIdleSight(FrameContext& frame) {
    frame.surface.DrawBitmap(BitmapId::SpriteSheet, SightBox(), 1.0f, kIdleSight);
}
