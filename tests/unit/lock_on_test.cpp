#include "game/enemies/lock_on.h"
#include "game/enemies/enemy_table.h"
#include "game/enemies/explosions.h"
#include "game_fixture.h"

namespace {

class LockOnTest : public GameTest {
  protected:
    int Count(BitmapId bitmap, float sourceLeft, float sourceTop) const {
        int n = 0;
        for (const DrawOp& op : BitmapDraws(bitmap)) {
            n += op.source.left == sourceLeft && op.source.top == sourceTop;
        }
        return n;
    }
    // A table entry placed by hand. Not flying, so nothing moves it; the sight and the lasers
    // look only at its position. Use it on clocks outside its slot's spawn windows.
    Enemy& Place(int slot, float x, float y) {
        Enemy& e = enemies[slot];
        e = Enemy{0, x, y, 0, 0, 0, 0};
        return e;
    }
    static constexpr float kQuietClock = 0;    // no spawns, no flight, no lasers
    static constexpr float kLaserClock = 700;  // lasers run; slots 0..8 and 12.. do not spawn
};

TEST_F(LockOnTest, RegionCorners) {
    struct Case {
        float dx, dy;
        bool inside;
    };
    const Case cases[] = {{200, 50, true},    {200.5f, 0, false}, {0, 50.5f, false},
                          {-210, -360, true}, {-211, 0, false},   {0, -361, false},
                          {0, 0, true}};
    for (const Case& c : cases) {
        ZeroAllTables();
        ResetWorld();
        Place(3, 300 + c.dx, 520 + c.dy);
        StepTo(kQuietClock);
        EXPECT_EQ(Count(BitmapId::SpriteSheet, 1200, 300), c.inside ? 1 : 0) << c.dx << "," << c.dy;
        EXPECT_EQ(Count(BitmapId::SpriteSheet, 200, 0), c.inside ? 1 : 0);
        EXPECT_EQ(sounds.Played().size(), c.inside ? 1u : 0u);
        EXPECT_EQ(Count(BitmapId::SpriteSheet, 1200, 0), 1);  // the idle frame, every frame
    }
}

TEST_F(LockOnTest, TwoEnemiesInTheRegionLockTwiceUnderOneIdleFrame) {
    Place(3, 300, 400);
    Place(4, 350, 300);
    StepTo(kQuietClock);
    EXPECT_EQ(Count(BitmapId::SpriteSheet, 1200, 300), 2);
    EXPECT_EQ(sounds.Played(), (std::vector<std::string>{"loc", "loc"}));
    const auto& ops = surface.Ops();
    std::size_t lastLocked = 0, idle = 0;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        if (ops[i].source.left == 1200 && ops[i].source.top == 300) lastLocked = i;
        if (ops[i].source.left == 1200 && ops[i].source.top == 0) idle = i;
    }
    EXPECT_GT(idle, lastLocked);
}

TEST_F(LockOnTest, LasersWaitForClock60AndArmAtMinus160) {
    Place(3, 300, -160);
    Place(4, 300, -160.5f);
    StepTo(58);  // clock 59 at the next frame's start: still nothing
    StepTo(59);
    EXPECT_EQ(lockOnLasers[3].active, 0.0f);
    StepTo(60);
    EXPECT_EQ(lockOnLasers[3].active, 1.0f);
    EXPECT_EQ(lockOnLasers[3].tick, 0);
    EXPECT_EQ(lockOnLasers[4].active, 0.0f);
    // The first frame: launch point below the fighter, point 0 already moved, 1..20 on it.
    const LockOnLaser& laser = lockOnLasers[3];
    EXPECT_EQ(laser.launchX, 300.0f);
    EXPECT_EQ(laser.launchY, 550.0f);
    EXPECT_NE(laser.points[0].x, 301.0f);
    EXPECT_EQ(laser.points[0].state, 1.0f);
    for (int n = 1; n <= 20; ++n) {
        EXPECT_EQ(laser.points[n].x, 301.0f);
        EXPECT_EQ(laser.points[n].y, 551.0f);
    }
    EXPECT_EQ(laser.points[1].state, 0.0f);
}

// A laser frozen so that point `n` stands still this frame: launching point `tick + 1`,
// which is below n, while n itself is past the launch and not yet steering.
// The launch point and the resting tail lie inside the field, so nothing re-arms the laser.
void FreezePoint(LockOnLaser& laser, int n, float x, float y) {
    laser.active = 1;
    laser.tick = n - 3;
    laser.launchX = 300;
    laser.launchY = 500;
    laser.points[20] = LaserPoint{300, 500, 0, 0, 0, 0, 0};
    laser.points[n] = LaserPoint{x, y, 1, gamePi, 0, 0, 0};
}

TEST_F(LockOnTest, OnlyPoint18DestroysAndTheBoxEdgesDoNotHit) {
    struct Case {
        int point;
        float x, y;  // relative to the enemy
        bool spent, destroyed;
    };
    const Case cases[] = {
        {18, 0, 0, true, true},    {18, -19.9f, 29.9f, true, true}, {18, -20, 0, false, false},
        {18, 20, 0, false, false}, {18, 0, 30, false, false},       {18, 0, -10, false, false},
        {19, 0, 0, true, false},   {17, 0, 0, true, false},
    };
    for (const Case& c : cases) {
        ZeroAllTables();
        ResetWorld();
        Place(6, 300, 200);
        FreezePoint(lockOnLasers[6], c.point, 300 + c.x, 200 + c.y);
        StepTo(kLaserClock);
        const Enemy& e = enemies[6];
        const LaserPoint& p = lockOnLasers[6].points[c.point];
        EXPECT_EQ(p.state == 0.0f, c.spent) << c.point << " " << c.x << "," << c.y;
        EXPECT_EQ(e.hit == 1.0f, c.destroyed) << c.point << " " << c.x << "," << c.y;
        EXPECT_EQ(explosions[0].framesLeft != 0, c.destroyed);
        if (c.destroyed) {
            EXPECT_EQ(lockOnLasers[6].active, 0.0f);
            EXPECT_EQ(lockOnLasers[6].tick, -1);
            EXPECT_EQ(explosions[0].x, 300.0f);
        }
    }
}

TEST_F(LockOnTest, LeaveBoundsAreStrict) {
    struct Case {
        float x, y;
        bool left;
    };
    const Case cases[] = {{1400, 300, false},   {1400.5f, 300, true}, {-800, 300, false},
                          {-800.5f, 300, true}, {300, -100, false},   {300, -100.5f, true},
                          {300, 1168, false},   {300, 1168.5f, true}};
    for (const Case& c : cases) {
        ZeroAllTables();
        ResetWorld();
        Place(6, 300, 200);
        FreezePoint(lockOnLasers[6], 15, c.x, c.y);
        StepTo(kLaserClock);
        const LaserPoint& p = lockOnLasers[6].points[15];
        EXPECT_EQ(p.state == 2.0f, c.left) << c.x << "," << c.y;
        if (c.left) {
            EXPECT_EQ(p.x, -1550.0f);
            EXPECT_EQ(p.y, -3550.0f);
        }
    }
}

TEST_F(LockOnTest, TheTailLeavingReArmsFromTheFighter) {
    Place(6, 300, 200);
    LockOnLaser& laser = lockOnLasers[6];
    laser.active = 1;
    laser.tick = 17;  // advances to 18: point 20 stands still
    laser.points[20] = LaserPoint{300, -200, 1, gamePi, 0, 0, 0};
    gameWorld.playerX = 200;
    StepTo(kLaserClock);
    EXPECT_EQ(laser.active, 0.0f);
    EXPECT_EQ(laser.tick, -1);
    EXPECT_EQ(laser.launchX, 200.0f);
    EXPECT_EQ(laser.points[20].x, -68.0f);
    EXPECT_EQ(laser.points[20].y, 521.0f);
    EXPECT_EQ(laser.points[20].state, 2.0f);
}

TEST_F(LockOnTest, SegmentsJoinPoints1To19InGreen) {
    Place(6, 300, -100);
    StepTo(kLaserClock);  // armed and first frame
    for (int i = 0; i < 3; ++i) Step();
    int green = 0;
    for (const DrawOp& op : surface.Ops()) {
        green += op.kind == DrawOp::Kind::SetColor && op.color.a == 1.0f && op.color.r == 0.0f &&
                 op.color.g == 170.0f / 255.0f;
    }
    // Points 0..3 have left; segments 1..3 are drawn (segment 0 never).
    EXPECT_EQ(green, 3);
}

}  // namespace
