#include "game/enemies/bursts.h"
#include "game/enemies/enemy_table.h"
#include "game/enemies/explosions.h"
#include "game/enemies/lock_on.h"
#include "game/rules/option_lasers.h"
#include "game/weapons/ring_volleys.h"
#include "game_fixture.h"

namespace {

class ShotHitTest : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        rules = RuleSet::ShotHit;
    }
    // A flying enemy placed by hand on a clock where nothing spawns or flies.
    Enemy& Place(int slot, float x, float y) {
        enemies[slot] = Enemy{1, x, y, 0, 0, 0, 0};
        return enemies[slot];
    }
    PlayerShot& Shoot(float x, float y) {
        PlayerShot& shot = gameWorld.shotPools[1].shots[0];
        shot = PlayerShot{1, x, y};
        return shot;
    }
    int Hits() const {
        int n = 0;
        for (const std::string& name : sounds.Played()) n += name == "hit";
        return n;
    }
    static constexpr float kStill = 0;
};

TEST_F(ShotHitTest, HitsStrictlyInsideRadius30AfterTheMove) {
    struct Case {
        float dx, dyAfterMove;
        bool hit;
    };
    const Case cases[] = {{0, 29.9f, true},     {0, 30, false},    {29.9f, 0, true},
                          {30, 0, false},       {0, -29.9f, true}, {21.2f, 21.2f, true},
                          {21.3f, 21.3f, false}};
    for (const Case& c : cases) {
        SetUp();
        Place(20, 300, 300);
        Shoot(300 + c.dx, 300 + c.dyAfterMove + 16);
        StepTo(kStill);
        EXPECT_EQ(Hits(), c.hit ? 1 : 0) << c.dx << "," << c.dyAfterMove;
    }
}

TEST_F(ShotHitTest, AShot31BelowHitsInThatFrameAndTheEnemyBurstsAtOnce) {
    Place(20, 300, 300);
    PlayerShot& shot = Shoot(300, 331);
    StepTo(kStill);
    EXPECT_EQ(Hits(), 1);  // the shot's, and none from the burst
    EXPECT_EQ(shot.active, 0);
    EXPECT_EQ(enemies[20].alive, 0);  // burst in the same frame's enemy pass
    EXPECT_EQ(bursts[20][0].active, 1.0f);
    EXPECT_EQ(explosions[0].framesLeft, 5u);  // spawned, then drawn once
}

TEST_F(ShotHitTest, OneShotOverTwoEnemiesHitsBoth) {
    Place(20, 300, 300);
    Place(21, 310, 305);
    PlayerShot& shot = Shoot(305, 318);
    StepTo(kStill);
    EXPECT_EQ(Hits(), 2);
    EXPECT_EQ(shot.active, -1);  // below 1: a free record
    EXPECT_NE(explosions[0].framesLeft, 0u);
    EXPECT_NE(explosions[1].framesLeft, 0u);
    EXPECT_EQ(explosions[1].x, 310.0f);
    // The freed record is taken by the next volley.
    OnKeyDown(kVkSpace);
    StepTo(kStill);
    EXPECT_EQ(gameWorld.shotPools[1].shots[0].active, 1);
}

TEST_F(ShotHitTest, EnemyWeaponsAndParticlesNeverMeetTheShots) {
    Place(20, 300, 900);  // far from the shot
    PlayerShot& shot = Shoot(100, 316);
    for (EnemyShot& pellet : ringVolleys[5][0].pellets) pellet = EnemyShot{100, 300, 1.0f};
    bursts[7][0] = BurstParticle{100, 300, 0, 0, 1, 0};
    ForgetParkedBlocks();
    StepTo(kStill);
    EXPECT_EQ(Hits(), 0);
    EXPECT_EQ(shot.active, 1);
}

TEST_F(ShotHitTest, NoLockOnLasersButATieLineToEachLockedEnemy) {
    Place(20, 300, 400);
    StepTo(700);
    for (const LockOnLaser& laser : lockOnLasers) EXPECT_EQ(laser.active, 0.0f);
    EXPECT_EQ(sounds.Played(), std::vector<std::string>{"loc"});
    bool tied = false;
    for (const DrawOp& op : surface.Ops()) {
        tied |= op.kind == DrawOp::Kind::DrawLine && op.from.x == 300 && op.from.y == 520 &&
                op.to.x == enemies[20].x && op.to.y == enemies[20].y;
    }
    EXPECT_TRUE(tied);
}

TEST_F(ShotHitTest, OptionLasersClimbOutOfTheTopAndReArm) {
    StepTo(kStill);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(optionLasers[i].active, 1.0f);
        EXPECT_EQ(optionLasers[i].launchX, gameWorld.options[i].x);
        EXPECT_EQ(optionLasers[i].launchY, gameWorld.options[i].y + 30);
    }
    bool reArmed = false;
    float lowest = 0;
    for (int step = 0; step < 200 && !reArmed; ++step) {
        OnKeyDown(kVkLeft);  // the options move; the re-arm follows them
        StepTo(kStill);
        for (const LaserPoint& p : optionLasers[0].points) {
            if (p.state == 1.0f) lowest = std::min(lowest, p.y);
        }
        reArmed = optionLasers[0].active == 0.0f;
    }
    ASSERT_TRUE(reArmed);
    EXPECT_LT(lowest, -50.0f);  // climbed out of the top
    EXPECT_EQ(optionLasers[0].launchX, gameWorld.options[0].x);
    EXPECT_EQ(optionLasers[0].points[20].x, -68.0f);
    StepTo(kStill);
    EXPECT_EQ(optionLasers[0].active, 1.0f);
    EXPECT_EQ(optionLasers[0].tick, 0);
}

TEST_F(ShotHitTest, TheLockOnRulesKeepTheirShotsHarmless) {
    rules = RuleSet::LockOn;
    Place(20, 300, 300);
    PlayerShot& shot = Shoot(300, 316);
    StepTo(kStill);
    EXPECT_EQ(Hits(), 0);
    EXPECT_EQ(shot.active, 1);
    EXPECT_EQ(enemies[20].alive, 1);
    for (const OptionLaser& laser : optionLasers) EXPECT_EQ(laser.active, 0.0f);
}

}  // namespace
