#include "game/weapons/enemy_lasers.h"

#include "game/enemies/enemy_table.h"
#include "game/laser_ribbon.h"

EnemyLaser enemyLasers[kEnemySlots];

namespace {

constexpr int kFirstLaserSlot = 3;  // slots 0 to 2 never fire a curving laser
constexpr int kFirstRightBendingSlot = 9;
constexpr float kArmFromY = 200.0f;
// Far below the field: points first fly away from it (upwards), then home on it.
constexpr PointF kAimPoint{300.0f, 2000.0f};

constexpr LeaveBounds kBounds{700, -100, 868, -100};
constexpr RibbonStyle kLeftBending{-1.0f, 24.0f, 30.0f, 0x000AFF, kBounds};
constexpr RibbonStyle kRightBending{+1.0f, 24.0f, 30.0f, 0x000AFF, kBounds};

PointF EnemyAt(int slot) {
    return PointF{enemies[slot].x, enemies[slot].y};
}

}  // namespace

void ParkEnemyLaser(int slot) {
    ParkLaser(enemyLasers[slot]);
}

// A table entry at y >= 200 arms whatever its alive flag says.
void ArmEnemyLasers(FrameContext& /*frame*/) {
    for (int slot = kFirstLaserSlot; slot < kEnemySlots; ++slot) {
        EnemyLaser& laser = enemyLasers[slot];
        if (enemies[slot].y >= kArmFromY && laser.active == 0.0f) ArmLaser(laser, EnemyAt(slot));
    }
}

void UpdateEnemyLasers(FrameContext& frame) {
    for (int slot = kFirstLaserSlot; slot < kEnemySlots; ++slot) {
        EnemyLaser& laser = enemyLasers[slot];
        if (laser.active == 1.0f) AdvanceLaunch(laser, EnemyAt(slot));
        UpdateRibbonPoints(frame, laser, slot,
                           slot < kFirstRightBendingSlot ? kLeftBending : kRightBending, kAimPoint,
                           EnemyAt(slot), nullptr);
    }
}
