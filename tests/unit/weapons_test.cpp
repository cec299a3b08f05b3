#include <cmath>

#include "game/enemies/enemy_table.h"
#include "game/weapons/bolt_fans.h"
#include "game/weapons/bolt_volleys.h"
#include "game/weapons/enemy_lasers.h"
#include "game/weapons/ring_volleys.h"
#include "game/weapons/sweep_streams.h"
#include "game_fixture.h"

namespace {

// Enemies are placed by hand, flying (or not), on a clock where nothing spawns or flies and no
// lock-on laser runs: the weapons see exactly the positions the test gives.
class WeaponsTest : public GameTest {
  protected:
    static constexpr float kStill = 0;
    Enemy& Place(int slot, float x, float y, int alive = 1) {
        enemies[slot] = Enemy{alive, x, y, 0, 0, 0, 0};
        return enemies[slot];
    }
    void StepStill() { StepTo(kStill); }
    static int ActiveRingPellets(int slot) {
        int n = 0;
        for (const RingVolley& ring : ringVolleys[slot]) {
            for (const EnemyShot& p : ring.pellets) n += p.active == 1.0f;
        }
        return n;
    }
    static int ActiveFanBolts(int slot, int firstMember) {
        int n = 0;
        for (int m = firstMember; m < firstMember + 6; ++m) {
            for (const EnemyShot& b : boltFans[slot][m].bolts) n += b.active == 1.0f;
        }
        return n;
    }
};

TEST_F(WeaponsTest, BandBoundaries) {
    struct Case {
        float y;
        bool laser, rings, sweep, volley, falling, rising;
    };
    const Case cases[] = {
        {99.9f, false, false, false, false, false, false},
        {100, false, false, false, true, false, false},
        {149.9f, false, false, false, true, false, false},
        {150, false, true, true, true, true, false},
        {199.9f, false, true, true, true, true, false},
        {200, true, true, true, true, true, false},
        {200.1f, true, false, true, true, false, false},
        {200.5f, true, false, true, true, false, false},
        {349.5f, true, false, true, true, false, false},
        {350, true, false, true, true, false, true},
        {400, true, false, true, true, false, true},
        {400.5f, true, false, true, true, false, false},
        {800, true, false, true, true, false, false},
        {800.5f, true, false, false, true, false, false},
    };
    for (const Case& c : cases) {
        SetUp();
        Place(20, 300, c.y);
        StepStill();
        const char* where = "";
        EXPECT_EQ(enemyLasers[20].active == 1.0f, c.laser) << c.y << where;
        EXPECT_EQ(ActiveRingPellets(20) > 0, c.rings) << c.y;
        EXPECT_EQ(sweepStreams[20].emitIndex == 1, c.sweep) << c.y;
        EXPECT_EQ(boltVolleys[20].active == 1.0f, c.volley) << c.y;
        EXPECT_EQ(ActiveFanBolts(20, 0) > 0, c.falling) << c.y;
        EXPECT_EQ(ActiveFanBolts(20, 6) > 0, c.rising) << c.y;
    }
}

TEST_F(WeaponsTest, EnemiesThatAreNotFlyingFireNothingButTheirLaserStillArms) {
    Place(20, 300, 175, 0);
    Place(21, 300, 375, 0);
    StepStill();
    EXPECT_EQ(ActiveRingPellets(20), 0);
    EXPECT_EQ(sweepStreams[20].emitIndex, 0);
    EXPECT_EQ(boltVolleys[20].active, 0.0f);
    EXPECT_EQ(ActiveFanBolts(20, 0), 0);
    EXPECT_EQ(ActiveFanBolts(21, 6), 0);
    EXPECT_EQ(enemyLasers[21].active, 1.0f);  // the laser looks only at the height
}

TEST_F(WeaponsTest, SlotsZeroToTwoNeverFireACurvingLaser) {
    for (int slot = 0; slot < 3; ++slot) Place(slot, 100.0f + 100 * slot, 300);
    for (int step = 0; step < 40; ++step) StepStill();
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_EQ(enemyLasers[slot].active, 0.0f);
        EXPECT_EQ(enemyLasers[slot].points[0].x, -2550.0f);
    }
}

TEST_F(WeaponsTest, RingsBySlotSizeFromTheirSpawnPoints) {
    Place(8, 200, 175);
    Place(9, 400, 175);
    StepStill();
    EXPECT_EQ(ActiveRingPellets(8), 108);
    EXPECT_EQ(ActiveRingPellets(9), 324);
    // Pellet 0 of ring 1: drawn at the spawn point, then moved by 6 x (cos 360, sin 360).
    const EnemyShot& p = ringVolleys[8][0].pellets[0];
    EXPECT_NEAR(p.x - 200, -1.70, 0.01);
    EXPECT_NEAR(p.y - 235, 5.75, 0.01);
    EXPECT_EQ(p.x, 200.0f + static_cast<float>(std::cos(360.0) * 6.0));
    // Ring 4 of a large enemy leaves from up and to the left.
    const EnemyShot& q = ringVolleys[9][3].pellets[2];
    EXPECT_NEAR(q.x, 340 + 6 * std::cos(340.0), 1e-3);
    EXPECT_NEAR(q.y, 115 + 6 * std::sin(340.0), 1e-3);
    bool drawnAtSpawn = false;
    for (const DrawOp& op : surface.Ops()) {
        drawnAtSpawn |= op.kind == DrawOp::Kind::DrawLine && op.from.x == 200 && op.from.y == 235 &&
                        op.to.x == 201 && op.to.y == 236;
    }
    EXPECT_TRUE(drawnAtSpawn);
}

TEST_F(WeaponsTest, PelletCullBoundsAreInclusive) {
    struct Case {
        float x, y;
        bool culled;
    };
    const Case cases[] = {{-400, 0, true}, {-399.9f, 0, false}, {1000, 0, true},
                          {0, 1168, true}, {0, -400, true},     {999.9f, 1167.9f, false}};
    for (const Case& c : cases) {
        EnemyShot& p = ringVolleys[30][5].pellets[7];
        p = EnemyShot{c.x, c.y, 0.0f};  // at rest: only the cull looks at it
        ForgetParkedBlocks();
        StepStill();
        EXPECT_EQ(p.x == -2550.0f, c.culled) << c.x << "," << c.y;
    }
}

TEST_F(WeaponsTest, SweepDirectionsComeFromAnUnsignedCount) {
    struct Row {
        int k;
        double stepX, stepY;
    };
    const Row rows[] = {{1, -15.47, -4.09}, {10, -0.47, 15.99}, {18, 16.00, 0.00},
                        {19, 13.85, 8.01},  {20, 15.17, 5.10},  {29, 1.52, -15.93},
                        {35, -14.29, -7.19}};
    for (const Row& row : rows) {
        SweepStreams& streams = sweepStreams[30];
        streams.left[row.k] = EnemyShot{300, 300, 1.0f};
        streams.right[row.k] = EnemyShot{300, 300, 1.0f};
        ForgetParkedBlocks();
        StepStill();
        EXPECT_NEAR(streams.left[row.k].x - 300, row.stepX, 0.01) << row.k;
        EXPECT_NEAR(streams.left[row.k].y - 300, row.stepY, 0.01) << row.k;
        EXPECT_EQ(streams.right[row.k].x - 300, -(streams.left[row.k].x - 300)) << row.k;
        EXPECT_EQ(streams.right[row.k].y, streams.left[row.k].y) << row.k;
    }
}

TEST_F(WeaponsTest, SweepEmitsElements1To35AndWraps) {
    Place(3, 300, 400);
    StepStill();
    SweepStreams& streams = sweepStreams[3];
    EXPECT_EQ(streams.emitIndex, 1);
    EXPECT_EQ(streams.left[0].active, 0.0f);
    EXPECT_EQ(streams.left[1].active, 1.0f);
    EXPECT_EQ(streams.right[1].active, 1.0f);
    for (int frame = 2; frame <= 35; ++frame) StepStill();
    EXPECT_EQ(streams.emitIndex, 0);  // element 35 emitted, then the counter resets
    EXPECT_EQ(streams.left[35].active, 1.0f);
    StepStill();
    EXPECT_EQ(streams.emitIndex, 1);
    EXPECT_EQ(streams.left[0].active, 0.0f);  // never emitted, the whole game
    // Out of the band the counter waits.
    enemies[3].y = 900;
    StepStill();
    EXPECT_EQ(streams.emitIndex, 1);
}

TEST_F(WeaponsTest, SweepColoursBySlot) {
    Place(3, 100, 400);
    Place(9, 500, 400);
    StepStill();
    int yellow = 0, cyan = 0;
    for (const DrawOp& op : surface.Ops()) {
        if (op.kind != DrawOp::Kind::SetColor || op.color.a != 1.0f) continue;
        yellow += op.color.r == 1.0f && op.color.g == 240.0f / 255 && op.color.b == 0.0f;
        cyan += op.color.r == 0.0f && op.color.g == 1.0f && op.color.b == 1.0f;
    }
    EXPECT_EQ(yellow, 2);  // element 1 of each stream of slot 3
    EXPECT_EQ(cyan, 2);    // slot 9's two (the volleys' bolts are 0x0FFFFF, not pure cyan)
}

TEST_F(WeaponsTest, BoltVolleySizesAndLifetime) {
    struct Case {
        int slot, bolts;
    };
    for (const Case& c : {Case{8, 2}, Case{9, 4}, Case{23, 4}, Case{24, 8}}) {
        SetUp();
        Place(c.slot, 300, 900);  // below every other weapon's band
        StepStill();
        EXPECT_EQ(surface.Count(DrawOp::Kind::DrawLine), 3 * c.bolts) << c.slot;
    }
    SetUp();
    Place(30, 300, 100);
    StepStill();  // fired and drawn at y 100, then 118
    int frames = 1;
    while (boltVolleys[30].active == 1.0f && frames < 100) {
        enemies[30].y = 1000;  // the enemy stays below 100
        StepStill();
        ++frames;
    }
    EXPECT_EQ(frames, 60);  // culled as its reference point reaches 1180
    EXPECT_EQ(boltVolleys[30].active, 0.0f);
    StepStill();  // the next volley leaves at once
    EXPECT_EQ(boltVolleys[30].active, 1.0f);
    EXPECT_EQ(boltVolleys[30].y, 1018.0f);
}

TEST_F(WeaponsTest, FanBoltsMoveAlongTheirMembersLines) {
    Place(20, 300, 175);
    StepStill();
    const EnemyShot& f5Bolt0 = boltFans[20][4].bolts[0];
    const EnemyShot& f5Bolt4 = boltFans[20][4].bolts[4];
    EXPECT_EQ(f5Bolt0.x, 264.0f);
    EXPECT_EQ(f5Bolt0.y, 235.0f);
    EXPECT_EQ(f5Bolt4.x, 288.0f);
    EXPECT_EQ(f5Bolt4.y, 195.0f);
}

TEST_F(WeaponsTest, RisingBoltsCullAtMinus400AndDriftingBoltsFlyOn) {
    Place(20, 300, 375);
    StepStill();
    enemies[20].y = 1000;
    // One move in the spawn frame, one in every later frame up to the one that culls it.
    int bolt0Moves = 1, bolt4Moves = 1;
    bool bolt0Gone = false, bolt4Gone = false;
    for (int step = 0; step < 60; ++step) {
        StepStill();
        if (!bolt0Gone) {
            ++bolt0Moves;
            bolt0Gone = boltFans[20][6].bolts[0].active == 0.0f;
        }
        if (!bolt4Gone) {
            ++bolt4Moves;
            bolt4Gone = boltFans[20][6].bolts[4].active == 0.0f;
        }
    }
    EXPECT_EQ(bolt0Moves, 13);
    EXPECT_EQ(bolt4Moves, 39);
    EnemyShot& drifter = boltFans[10][0].bolts[2];
    drifter = EnemyShot{-500, 300, 1.0f};
    ForgetParkedBlocks();
    StepStill();
    EXPECT_EQ(drifter.active, 1.0f);
    EXPECT_EQ(drifter.x, -504.0f);
}

TEST_F(WeaponsTest, CurvingLasersBendByGroupAndHomeOnTheAimPoint) {
    Place(5, 300, 300);
    Place(20, 300, 300);
    StepStill();
    // First frame: the launch point is below the enemy; point 0 has moved, 1..20 have not.
    EXPECT_EQ(enemyLasers[5].launchY, 330.0f);
    EXPECT_NE(enemyLasers[5].points[0].y, 331.0f);
    for (int n = 1; n <= 20; ++n) EXPECT_EQ(enemyLasers[5].points[n].y, 331.0f);
    // It first flies away from the aim point far below: upwards.
    EXPECT_LT(enemyLasers[5].points[0].y, 331.0f);
    for (int step = 0; step < 10; ++step) StepStill();
    EXPECT_LT(enemyLasers[5].points[0].x, 301.0f);   // slots 3-8 swing out to the left
    EXPECT_GT(enemyLasers[20].points[0].x, 301.0f);  // slots 9-47 to the right
    for (int step = 0; step < 12; ++step) StepStill();
    // After its 21 steering frames point 0 homes at 30 per frame towards (289, 1997).
    const LaserPoint& p = enemyLasers[20].points[0];
    EXPECT_NEAR(std::hypot(p.stepX, p.stepY), 30.0, 1e-3);
    const double toAim = std::atan2(1997.0 - p.y, 289.0 - p.x);
    EXPECT_NEAR(std::atan2(p.stepY, p.stepX), toAim, 0.05);
}

TEST_F(WeaponsTest, ALeavingPointIsDrawnOnceMoreThenParked) {
    Place(20, 300, 300);
    EnemyLaser& laser = enemyLasers[20];
    laser.active = 1;
    laser.tick = 40;  // everything homes
    laser.launchX = 300;
    laser.launchY = 330;
    laser.points[20] = LaserPoint{301, 331, 0, 0, 0, 0, 0};
    laser.points[5] = LaserPoint{300, 860, 1, 0, 0, 0, 0};  // one homing step takes it past 868
    StepStill();
    bool drawnOut = false;
    for (const DrawOp& op : surface.Ops()) {
        drawnOut |= op.kind == DrawOp::Kind::DrawLine && op.from.y > 868;
    }
    EXPECT_TRUE(drawnOut);
    EXPECT_EQ(laser.points[5].state, 2.0f);
    EXPECT_EQ(laser.points[5].x, -1550.0f);
    EXPECT_EQ(laser.active, 1.0f);  // the tail is still in: no re-arm
}

}  // namespace
