#include "game/stage/stage_frame.h"

#include "game/enemies/enemy_table.h"
#include "game/enemies/explosions.h"
#include "game/enemies/lock_on.h"
#include "game/rules/option_lasers.h"
#include "game/stage/background.h"
#include "game/stage/fighter.h"
#include "game/stage/shots.h"
#include "game/stage/staging.h"
#include "game/stage/world.h"
#include "game/weapons/bolt_fans.h"
#include "game/weapons/bolt_volleys.h"
#include "game/weapons/enemy_lasers.h"
#include "game/weapons/ring_volleys.h"
#include "game/weapons/sweep_streams.h"

namespace {

constexpr float kLockOnLasersFrom = 60.0f;

// The clock goes up by exactly one; every section before this one read the old value.
void AdvanceClock() {
    gameWorld.stageClock = gameWorld.stageClock + 1.0f;
}

void WrapLap() {
    if (gameWorld.stageClock >= kLapFrames) gameWorld.stageClock = 0.0f;
}

}  // namespace

// The order of the sections is both the logic order and the painting order.
void StageFrame(FrameContext& frame) {
    ScrollAndDrawBackground(frame);
    MoveFighter(frame);
    FireShots(frame);
    UpdateShotPools(frame);
    PlaceOptionsSection(frame);
    DrawOptionsAndFighter(frame);
    if (frame.rules == RuleSet::ShotHit) UpdateOptionLasers(frame);
    ArmEnemyLasers(frame);
    UpdateEnemyLasers(frame);
    UpdateRingVolleys(frame);
    EmitSweepStreams(frame);
    UpdateSweepStreams(frame);
    UpdateBoltVolleys(frame);
    UpdateFallingFans(frame);
    UpdateRisingFans(frame);
    UpdateEnemies(frame);
    UpdateLockOnSight(frame);
    if (frame.rules == RuleSet::LockOn && gameWorld.stageClock >= kLockOnLasersFrom) {
        UpdateLockOnLasers(frame);
    }
    DrawIdleSight(frame);
    PlayMusicSchedule(frame);
    DrawEndingTexts(frame);
    DrawEndOfLapCover(frame);
    AdvanceClock();
    DrawStartOfLapCover(frame);
    WrapLap();
}

void GameFrame(FrameContext& frame) {
    StageFrame(frame);
    DrawExplosions(frame);
}
