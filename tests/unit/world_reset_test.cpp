#include <gtest/gtest.h>

#include "game/enemies/bursts.h"
#include "game/enemies/enemy_table.h"
#include "game/enemies/explosions.h"
#include "game/enemies/lock_on.h"
#include "game/stage/reset.h"
#include "game/stage/world.h"
#include "game/weapons/bolt_fans.h"
#include "game/weapons/bolt_volleys.h"
#include "game/weapons/enemy_lasers.h"
#include "game/weapons/ring_volleys.h"
#include "game/weapons/sweep_streams.h"

namespace {

void ExpectParkedLaser(const CurvingLaser& laser) {
    EXPECT_EQ(laser.active, 0.0f);
    EXPECT_EQ(laser.tick, 0);
    EXPECT_EQ(laser.launchX, -2550.0f);
    EXPECT_EQ(laser.launchY, -3550.0f);
    for (const LaserPoint& p : laser.points) {
        EXPECT_EQ(p.x, -2550.0f);
        EXPECT_EQ(p.y, -3550.0f);
        EXPECT_EQ(p.state, 0.0f);
        EXPECT_EQ(p.bend, 0.0f);
        EXPECT_EQ(p.aim, 0.0f);
        EXPECT_EQ(p.stepX, 0.0f);
        EXPECT_EQ(p.stepY, 0.0f);
    }
}

void ExpectParked(const EnemyShot& shot) {
    EXPECT_EQ(shot.x, -2550.0f);
    EXPECT_EQ(shot.y, -3550.0f);
    EXPECT_EQ(shot.active, 0.0f);
}

TEST(WorldReset, PutsEveryTableInItsStartState) {
    // Dirty every table first, as a game in progress would.
    gameWorld.stageClock = 777;
    gameWorld.playerX = 1;
    gameWorld.backLayerScroll = 123.5f;
    gameWorld.frontLayerScroll = 456.25f;
    gameWorld.shotPools[3].shots[42] = PlayerShot{1, 5, 6};
    enemies[7] = Enemy{1, 10, 20, 1, 5, 321, 0.75f};
    explosions[4].framesLeft = 3;
    boltVolleys[5].active = 1;
    boltFans[6][11].bolts[4].x = 9;
    ringVolleys[47][8].pellets[35].active = 1;
    sweepStreams[2].emitIndex = 17;
    sweepStreams[2].right[5].y = 3;
    enemyLasers[9].tick = -1;
    lockOnLasers[0].points[20].aim = 2;
    bursts[47][220].vx = 4;

    ResetWorld();

    EXPECT_EQ(gameWorld.playerX, 300.0f);
    EXPECT_EQ(gameWorld.playerY, 520.0f);
    const float options[4][2] = {{250, 570}, {350, 570}, {200, 620}, {400, 620}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(gameWorld.options[i].x, options[i][0]);
        EXPECT_EQ(gameWorld.options[i].y, options[i][1]);
    }
    for (const ShotPool& pool : gameWorld.shotPools) {
        for (const PlayerShot& shot : pool.shots) {
            EXPECT_EQ(shot.active, 0);
            EXPECT_EQ(shot.x, 0.0f);
            EXPECT_EQ(shot.y, 0.0f);
        }
    }
    EXPECT_EQ(gameWorld.stageClock, 0.0f);
    // The scroll offsets are not the reset's to touch.
    EXPECT_EQ(gameWorld.backLayerScroll, 123.5f);
    EXPECT_EQ(gameWorld.frontLayerScroll, 456.25f);

    for (const Enemy& enemy : enemies) {
        EXPECT_EQ(enemy.alive, 0);
        EXPECT_EQ(enemy.x, -2550.0f);
        EXPECT_EQ(enemy.y, -3550.0f);
        EXPECT_EQ(enemy.hit, 0.0f);
        EXPECT_EQ(enemy.burstCounter, 0.0f);
    }
    // Flight step and heading keep their values.
    EXPECT_EQ(enemies[7].flightStep, 321.0f);
    EXPECT_EQ(enemies[7].heading, 0.75f);

    for (const Explosion& explosion : explosions) {
        EXPECT_EQ(explosion.framesLeft, 0u);
        EXPECT_EQ(explosion.alpha, 0.0f);
        EXPECT_EQ(explosion.colour, 0u);
    }
    for (int slot = 0; slot < kEnemySlots; ++slot) {
        ExpectParked(boltVolleys[slot]);
        for (const BoltFan& member : boltFans[slot]) {
            for (const EnemyShot& bolt : member.bolts) ExpectParked(bolt);
        }
        for (const RingVolley& ring : ringVolleys[slot]) {
            for (const EnemyShot& pellet : ring.pellets) ExpectParked(pellet);
        }
        EXPECT_EQ(sweepStreams[slot].emitIndex, 0);
        for (int k = 0; k < kStreamElements; ++k) {
            ExpectParked(sweepStreams[slot].left[k]);
            ExpectParked(sweepStreams[slot].right[k]);
        }
        ExpectParkedLaser(enemyLasers[slot]);
        ExpectParkedLaser(lockOnLasers[slot]);
        for (const BurstParticle& p : bursts[slot]) {
            EXPECT_EQ(p.x, -2550.0f);
            EXPECT_EQ(p.y, -3550.0f);
            EXPECT_EQ(p.vx, 0.0f);
            EXPECT_EQ(p.vy, 0.0f);
            EXPECT_EQ(p.active, 0.0f);
            EXPECT_EQ(p.age, 0.0f);
        }
    }
}

}  // namespace
