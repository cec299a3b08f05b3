#include "game_fixture.h"

namespace {

using ShotsTest = GameTest;

TEST_F(ShotsTest, OnePressFiresFiveShotsAndHoldingFiresNoMore) {
    OnKeyDown(kVkSpace);
    Step();
    for (int pool = 0; pool < kShotPools; ++pool) EXPECT_EQ(LiveShots(pool), 1) << pool;
    // The fighter's from its centre less 18, the options' from theirs less 6; drawn, then moved.
    EXPECT_EQ(gameWorld.shotPools[0].shots[0].x, 300.0f);
    EXPECT_EQ(gameWorld.shotPools[0].shots[0].y, 520.0f - 18 - 16);
    EXPECT_EQ(gameWorld.shotPools[3].shots[0].x, 200.0f);
    EXPECT_EQ(gameWorld.shotPools[3].shots[0].y, 620.0f - 6 - 16);
    for (int step = 0; step < 10; ++step) {
        OnKeyDown(kVkSpace);  // auto-repeat
        Step();
    }
    for (int pool = 0; pool < kShotPools; ++pool) EXPECT_EQ(LiveShots(pool), 1) << pool;
    OnKeyUp(kVkSpace);
    OnKeyDown(kVkSpace);
    Step();
    for (int pool = 0; pool < kShotPools; ++pool) EXPECT_EQ(LiveShots(pool), 2) << pool;
}

TEST_F(ShotsTest, ShotsAreDrawnGreenBeforeTheCraftAtTheirStartPosition) {
    OnKeyDown(kVkSpace);
    Step();
    std::vector<DrawOp> lines;
    int spritesBeforeFirstLine = 0;
    for (const DrawOp& op : surface.Ops()) {
        if (op.kind == DrawOp::Kind::DrawLine && op.width == 2.0f) lines.push_back(op);
        if (op.kind == DrawOp::Kind::DrawBitmap && op.bitmap == BitmapId::SpriteSheet &&
            lines.empty()) {
            ++spritesBeforeFirstLine;
        }
    }
    EXPECT_EQ(spritesBeforeFirstLine, 0);
    ASSERT_EQ(lines.size(), 6u);  // two for the fighter, one for each option
    EXPECT_EQ(lines[0].from.x, 290.0f);
    EXPECT_EQ(lines[1].from.x, 310.0f);
    EXPECT_EQ(lines[0].from.y, 502.0f - 40);
    EXPECT_EQ(lines[0].to.y, 502.0f - 80);
    EXPECT_EQ(lines[2].from.x, 250.0f);
    EXPECT_EQ(lines[2].from.y, 564.0f - 40);
}

TEST_F(ShotsTest, OptionShotsLeaveFromThePlacesOfThePreviousFrame) {
    OnKeyDown(kVkRight);
    OnKeyDown(kVkSpace);
    Step();
    EXPECT_EQ(gameWorld.shotPools[0].shots[0].x, 308.0f);  // the fighter's new position
    EXPECT_EQ(gameWorld.shotPools[1].shots[0].x, 250.0f);  // option 1 before the move
    EXPECT_EQ(gameWorld.options[0].x, 258.0f);             // and the option moved after
}

TEST_F(ShotsTest, AFullPoolGetsNoShotWhileTheOthersDo) {
    for (PlayerShot& shot : gameWorld.shotPools[2].shots) shot = PlayerShot{1, 350, 10000};
    OnKeyDown(kVkSpace);
    Step();
    EXPECT_EQ(LiveShots(2), 100);
    EXPECT_EQ(LiveShots(0), 1);
    EXPECT_EQ(LiveShots(4), 1);
}

TEST_F(ShotsTest, FreedRecordsAreReusedLowestFirst) {
    ShotPool& pool = gameWorld.shotPools[0];
    pool.shots[0] = PlayerShot{1, 1, 5000};
    pool.shots[1] = PlayerShot{0, 7, 7};  // retired, its old place kept
    pool.shots[2] = PlayerShot{1, 1, 5000};
    OnKeyDown(kVkSpace);
    Step();
    EXPECT_EQ(pool.shots[1].active, 1);
    EXPECT_EQ(pool.shots[1].x, 300.0f);
    EXPECT_EQ(pool.shots[3].active, 0);
}

TEST_F(ShotsTest, AShotReachingExactlyMinus32IsDrawnOnceMore) {
    gameWorld.shotPools[1].shots[0] = PlayerShot{1, 100, -16};
    Step();  // drawn at -16, moves to -32: still live
    EXPECT_EQ(gameWorld.shotPools[1].shots[0].active, 1);
    EXPECT_EQ(gameWorld.shotPools[1].shots[0].y, -32.0f);
    Step();  // drawn at -32, moves to -48: retired
    EXPECT_EQ(surface.Count(DrawOp::Kind::DrawLine), 3);
    EXPECT_EQ(gameWorld.shotPools[1].shots[0].active, 0);
    EXPECT_EQ(gameWorld.shotPools[1].shots[0].y, -48.0f);
    Step();
    EXPECT_EQ(surface.Count(DrawOp::Kind::DrawLine), 0);
}

TEST_F(ShotsTest, LifetimesFromTheTopAndBottomOfTheArea) {
    struct Case {
        float playerY;
        int pool;
        int drawnFrames;
    };
    // Fighter shots from y0 382 and 678; an option-3 shot from y0 790 (fighter at its lowest).
    const Case cases[] = {{400, 0, 26}, {696, 0, 45}, {696, 3, 52}};
    for (const Case& c : cases) {
        ZeroAllTables();
        ClearKeyTablesForTest();
        ResetWorld();
        gameWorld.playerY = c.playerY;
        Step();  // the options take their places around the fighter
        OnKeyDown(kVkSpace);
        int drawn = 0;
        for (int step = 0; step < 100; ++step) {
            Step();
            if (LiveShots(c.pool) == 0 && drawn > 0) {
                ++drawn;  // drawn in the step that retired it
                break;
            }
            if (LiveShots(c.pool) == 1) ++drawn;
        }
        EXPECT_EQ(drawn, c.drawnFrames) << "player y " << c.playerY << ", pool " << c.pool;
    }
}

TEST_F(ShotsTest, ShotsFlyOnAcrossTheLapWrap) {
    gameWorld.stageClock = 14299;
    OnKeyDown(kVkSpace);
    Step();
    EXPECT_EQ(gameWorld.stageClock, 0.0f);
    Step();
    EXPECT_EQ(LiveShots(0), 1);
    EXPECT_EQ(gameWorld.shotPools[0].shots[0].y, 502.0f - 32);
}

}  // namespace
