#include <cmath>

#include "game/enemies/bursts.h"
#include "game/enemies/enemy_groups.h"
#include "game/enemies/enemy_table.h"
#include "game_fixture.h"

namespace {

using EnemiesTest = GameTest;

TEST(EnemyGroups, DerivedProfilesMatchTheListedRows) {
    struct Row {
        int firstSlot;
        float window0, window1;
        float startY[3];
        RectF sprite;
        float halfWidth, halfHeight;
    };
    const Row rows[] = {
        {9, 500, 1050, {-400, -400, -800}, {0, 100, 300, 400}, 150, 150},
        {12, 1500, 2050, {-400, -400, -800}, {300, 100, 600, 400}, 150, 150},
        {15, 2500, 3050, {-400, -400, -800}, {600, 100, 900, 400}, 150, 150},
        {18, 3500, 4050, {-800, -800, -1800}, {0, 400, 400, 1200}, 200, 400},
        {21, 4500, 5050, {-800, -800, -1800}, {400, 400, 800, 1200}, 200, 400},
        {24, 5500, 6050, {-800, -800, -1800}, {800, 400, 1200, 1200}, 200, 400},
        {27, 6500, 7050, {-800, -800, -1800}, {0, 1200, 400, 2000}, 200, 400},
        {30, 7500, 8050, {-800, -800, -1800}, {400, 1200, 800, 2000}, 200, 400},
        {33, 8500, 9050, {-800, -800, -1800}, {800, 1200, 1200, 2000}, 200, 400},
        {36, 9500, 10050, {-800, -800, -1800}, {0, 2000, 400, 2800}, 200, 400},
        {39, 10500, 11050, {-800, -800, -1800}, {400, 2000, 800, 2800}, 200, 400},
        {42, 11500, 12050, {-800, -800, -1800}, {800, 2000, 1200, 2800}, 200, 400},
        {45, 12500, 13050, {-800, -800, -1800}, {0, 2800, 400, 3600}, 200, 400},
    };
    const float startX[3] = {150, 450, 300};
    for (const Row& row : rows) {
        for (int member = 0; member < 3; ++member) {
            const int slot = row.firstSlot + member;
            const SlotProfile& p = ProfileOf(slot);
            ASSERT_EQ(p.windowCount, 1) << slot;
            EXPECT_EQ(p.windows[0].first, row.window0) << slot;
            EXPECT_EQ(p.windows[0].last, row.window1) << slot;
            EXPECT_EQ(p.startX, startX[member]) << slot;
            EXPECT_EQ(p.startY, row.startY[member]) << slot;
            EXPECT_EQ(p.sprite.left, row.sprite.left) << slot;
            EXPECT_EQ(p.sprite.top, row.sprite.top) << slot;
            EXPECT_EQ(p.sprite.right, row.sprite.right) << slot;
            EXPECT_EQ(p.sprite.bottom, row.sprite.bottom) << slot;
            EXPECT_EQ(p.halfWidth, row.halfWidth) << slot;
            EXPECT_EQ(p.halfHeight, row.halfHeight) << slot;
        }
    }
    const float fighterY[9] = {-200, -100, -200, -600, -500, -600, -1000, -900, -1000};
    for (int slot = 0; slot < 9; ++slot) {
        const SlotProfile& p = ProfileOf(slot);
        EXPECT_EQ(p.startX, 60.0f * slot + 60);
        EXPECT_EQ(p.startY, fighterY[slot]);
        ASSERT_EQ(p.windowCount, 13);
        EXPECT_EQ(p.windows[0].first, 100.0f);
        EXPECT_EQ(p.windows[0].last, 500.0f);
        EXPECT_EQ(p.windows[12].first, 12000.0f);
        EXPECT_EQ(p.windows[12].last, 12500.0f);
        EXPECT_EQ(p.sprite.left, 50.0f);
        EXPECT_EQ(p.sprite.right, 110.0f);
    }
}

TEST_F(EnemiesTest, FightersSpawnAtClock100AndMoveInTheSameFrame) {
    StepTo(99);
    EXPECT_EQ(enemies[0].alive, 0);
    StepTo(100);
    for (int slot = 0; slot < 9; ++slot) EXPECT_EQ(enemies[slot].alive, 1) << slot;
    EXPECT_EQ(enemies[9].alive, 0);
    // One first-phase step: heading 0.0006, taken x 180 / 3.14 as radians.
    const double theta = 0.0006f * 180.0f / 3.14f;
    EXPECT_NEAR(enemies[1].x, 120 + 6 * std::cos(theta), 1e-3);
    EXPECT_NEAR(enemies[1].y, -100 + 6 * std::sin(theta) + 6, 1e-3);
    EXPECT_NEAR(enemies[0].x, 60 + 6 * std::cos(theta), 1e-3);
    EXPECT_NEAR(enemies[0].y, -200 + 6 * std::sin(theta) + 6, 1e-3);
    EXPECT_EQ(enemies[0].flightStep, 1.0f);
    // The sprite is drawn after the move, in its 60 x 60 box.
    const std::vector<DrawOp> sprites = BitmapDraws(BitmapId::SpriteSheet);
    bool drawn = false;
    for (const DrawOp& op : sprites) {
        drawn |= op.source.left == 50 && op.destination.left == enemies[1].x - 30 &&
                 op.destination.bottom == enemies[1].y + 30;
    }
    EXPECT_TRUE(drawn);
}

TEST_F(EnemiesTest, SpawnWindowEdges) {
    StepTo(500);  // the fighters' first window ends here, triple 1's begins
    EXPECT_EQ(enemies[0].alive, 1);
    EXPECT_EQ(enemies[9].alive, 1);
    ParkEnemy(enemies[10]);
    StepTo(1051);  // triple 1's window is over
    EXPECT_EQ(enemies[10].alive, 0);
}

// A free slot spawns whenever the clock lies in one of its windows, with no other condition:
// a fighter or triple freed inside a window is back the next frame; a triple freed after its
// one window waits for the next lap.
TEST_F(EnemiesTest, AFreedSlotReturnsOnlyInsideItsWindows) {
    StepTo(1000);
    ASSERT_EQ(enemies[4].alive, 1);
    enemies[4].hit = 1;
    StepTo(1200);  // bursts and is removed
    EXPECT_EQ(enemies[4].alive, 0);
    StepTo(1201);  // back at its start
    EXPECT_EQ(enemies[4].alive, 1);
    EXPECT_NEAR(enemies[4].y, -500 + 6 + 6 * std::sin(0.0006f * 180.0f / 3.14f), 1e-3);

    StepTo(600);
    ASSERT_EQ(enemies[11].alive, 1);
    enemies[11].hit = 1;
    StepTo(800);
    EXPECT_EQ(enemies[11].alive, 0);
    StepTo(801);  // still inside 500..1050
    EXPECT_EQ(enemies[11].alive, 1);
    EXPECT_NEAR(enemies[11].y, -800 + 6 + 6 * std::sin(0.0006f * 180.0f / 3.14f), 1e-3);

    enemies[11].hit = 1;
    StepTo(1100);  // burst after the window closed
    EXPECT_EQ(enemies[11].alive, 0);
    for (float clock : {1101.0f, 1500.0f, 5000.0f, 14299.0f, 0.0f, 499.0f}) {
        StepTo(clock);
        EXPECT_EQ(enemies[11].alive, 0) << clock;
    }
    StepTo(500);  // its window in the next lap
    EXPECT_EQ(enemies[11].alive, 1);
}

TEST_F(EnemiesTest, PhaseBoundariesTakeBothSteps) {
    struct Case {
        float clock;
        int slot;
        float stepsTaken;
    };
    const Case cases[] = {{2499, 20, 1}, {2500, 20, 2},  {2501, 20, 1},  {7500, 3, 2},
                          {7500, 20, 2}, {10500, 20, 1}, {10501, 20, 0}, {0, 20, 0}};
    for (const Case& c : cases) {
        Enemy& e = enemies[c.slot];
        e = Enemy{1, 300, 100, 0, 0, 10, 0.01f};
        gameWorld.stageClock = c.clock;
        Step();
        EXPECT_EQ(e.flightStep, 10 + c.stepsTaken) << c.clock << " slot " << c.slot;
    }
    // At 10500 the third-phase step is followed by the last phase's straight drop of 6.
    Enemy& e = enemies[20];
    e = Enemy{1, 300, 100, 0, 0, 10, 0.0f};
    StepTo(10500);
    EXPECT_EQ(e.x, 300.0f);  // triples keep their x in the third phase
    EXPECT_NEAR(e.y, 100 + 6 * std::sin(-0.0006f * 180.0f / 3.14f) + 6 + 6, 1e-3);
    e = Enemy{1, 300, 100, 0, 0, 10, 0.0f};
    StepTo(12000);
    EXPECT_EQ(e.y, 106.0f);
    EXPECT_EQ(e.x, 300.0f);
    EXPECT_EQ(e.flightStep, 10.0f);
}

TEST_F(EnemiesTest, ThirdPhaseFightersWeaveAndSinkSlower) {
    Enemy& e = enemies[2];
    e = Enemy{1, 300, 100, 0, 0, 10, 0.05f};
    StepTo(8000);
    const double theta = (0.05f - 0.0006f) * 180.0f / 3.14f;
    EXPECT_NEAR(e.x, 300 + 6 * std::cos(theta), 1e-3);
    EXPECT_NEAR(e.y, 100 + 6 * std::sin(theta) + 3, 1e-3);
}

TEST_F(EnemiesTest, FlightStepWrapsAt1201WithoutATurn) {
    Enemy& e = enemies[20];
    e = Enemy{1, 300, 100, 0, 0, 1200, 0.25f};
    StepTo(1000);
    EXPECT_EQ(e.flightStep, 0.0f);
    EXPECT_EQ(e.heading, 0.25f);
    StepTo(1001);
    EXPECT_EQ(e.flightStep, 1.0f);
    EXPECT_EQ(e.heading, 0.25f + 0.0006f);  // the first quarter's turn again
}

TEST_F(EnemiesTest, LeavingAtTheBottomFreesTheSlotSilently) {
    Enemy& e = enemies[20];
    e = Enemy{1, 300, 1162, 0, 0, 10, 0};
    StepTo(12000);  // drops 6 to 1168: drawn there, then parked in the same frame
    EXPECT_EQ(e.alive, 0);
    EXPECT_EQ(e.y, -3550.0f);
    EXPECT_EQ(e.flightStep, 0.0f);
    EXPECT_TRUE(sounds.Played().empty());
    for (const BurstParticle& p : bursts[20]) EXPECT_EQ(p.active, 0.0f);
    e = Enemy{1, 300, 1161, 0, 0, 10, 0};
    StepTo(12000);  // 1167 stays
    EXPECT_EQ(e.alive, 1);
}

}  // namespace
