#include "game/stage/reset.h"

#include "game/enemies/bursts.h"
#include "game/enemies/enemy_table.h"
#include "game/enemies/explosions.h"
#include "game/enemies/lock_on.h"
#include "game/game_random.h"
#include "game/rules/option_lasers.h"
#include "game/stage/fighter.h"
#include "game/stage/shots.h"
#include "game/stage/world.h"
#include "game/weapons/bolt_fans.h"
#include "game/weapons/bolt_volleys.h"
#include "game/weapons/enemy_lasers.h"
#include "game/weapons/ring_volleys.h"
#include "game/weapons/sweep_streams.h"

// The scroll offsets, the enemies' flight step and heading are not touched: they keep
// what they had (zero at program start).
void ResetWorld() {
    gameWorld.playerX = kFighterStartX;
    gameWorld.playerY = kFighterStartY;
    for (int pool = 0; pool < kShotPools; ++pool) ClearShotPool(pool);
    PlaceOptions();
    ClearExplosions();
    for (int slot = 0; slot < kEnemySlots; ++slot) {
        ParkEnemy(slot);
        ParkBoltVolley(slot);
    }
    for (int slot = 0; slot < kEnemySlots; ++slot) ParkBoltFans(slot);
    for (int slot = 0; slot < kEnemySlots; ++slot) {
        ParkRingVolleys(slot);
        ParkSweepStreams(slot);
    }
    for (int slot = 0; slot < kEnemySlots; ++slot) ParkEnemyLaser(slot);
    for (int slot = 0; slot < kEnemySlots; ++slot) ParkLockOnLaser(slot);
    for (int slot = 0; slot < kEnemySlots; ++slot) ParkBursts(slot);
    gameWorld.stageClock = 0.0f;
}

void ZeroAllTables() {
    ResetGameRandom();
    gameWorld = GameWorld{};
    for (Enemy& enemy : enemies) enemy = Enemy{};
    for (Explosion& explosion : explosions) explosion = Explosion{};
    for (int slot = 0; slot < kEnemySlots; ++slot) {
        boltVolleys[slot] = BoltVolley{};
        for (BoltFan& member : boltFans[slot]) member = BoltFan{};
        for (RingVolley& ring : ringVolleys[slot]) ring = RingVolley{};
        sweepStreams[slot] = SweepStreams{};
        enemyLasers[slot] = EnemyLaser{};
        lockOnLasers[slot] = LockOnLaser{};
        if (slot < kOptionCount) optionLasers[slot] = OptionLaser{};
        for (BurstParticle& particle : bursts[slot]) particle = BurstParticle{};
    }
    ForgetParkedBlocks();
}

void ForgetParkedBlocks() {
    BurstTableChanged();
    RingVolleysChanged();
    SweepStreamsChanged();
    BoltFansChanged();
}
