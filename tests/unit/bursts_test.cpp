#include "game/enemies/bursts.h"
#include "game/enemies/enemy_table.h"
#include "game/game_random.h"
#include "game_fixture.h"

namespace {

using BurstsTest = GameTest;

TEST(GameRandom, ClassicSequenceInRange) {
    ResetGameRandom();
    EXPECT_EQ(GameRand(), 41);
    EXPECT_EQ(GameRand(), 18467);
    EXPECT_EQ(GameRand(), 6334);
    EXPECT_EQ(GameRand(), 26500);
    for (int i = 0; i < 100000; ++i) {
        const int r = GameRand();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 32767);
    }
    ResetGameRandom();
    EXPECT_EQ(GameRand(), 41);
}

TEST_F(BurstsTest, AHitEnemyIsDrawnOnceMoreThenBurstsWithOneHit) {
    StepTo(600);
    Enemy& e = enemies[9];
    ASSERT_EQ(e.alive, 1);
    e.y = 300;
    e.hit = 1;  // as a laser would, late in frame F
    StepTo(601);
    EXPECT_EQ(sounds.Played(), std::vector<std::string>{"hit"});
    EXPECT_EQ(e.alive, 0);
    EXPECT_EQ(e.x, -2550.0f);
    EXPECT_EQ(e.hit, 0.0f);
    EXPECT_EQ(e.burstCounter, 0.0f);
    // The enemy's sprite was still drawn this frame (after its flight step), under its particles.
    float x = 0;
    int drawnAt = -1, firstParticle = -1;
    const auto& ops = surface.Ops();
    for (int i = 0; i < static_cast<int>(ops.size()); ++i) {
        if (ops[i].source.left == 0 && ops[i].source.top == 100 && ops[i].destination.top > 140 &&
            ops[i].destination.top < 160) {
            drawnAt = i;
            x = ops[i].destination.left + 150;
        }
        if (drawnAt >= 0 && firstParticle < 0 && ops[i].source.top == 84) firstParticle = i;
    }
    ASSERT_GE(drawnAt, 0);
    EXPECT_GT(firstParticle, drawnAt);
    // Particles 0 to 219 fly, 220 is never seeded.
    int active = 0;
    for (int j = 0; j < 220; ++j) active += bursts[9][j].active == 1.0f;
    EXPECT_EQ(active, 220);
    EXPECT_EQ(bursts[9][220].active, 0.0f);
    EXPECT_EQ(bursts[9][220].x, -2550.0f);
    // Seeded from the enemy's position and moved once: sparks at x + 22 + vx, pieces x + 15 + vx.
    EXPECT_EQ(bursts[9][0].x, x + 22 + bursts[9][0].vx);
    EXPECT_EQ(bursts[9][200].x, x + 15 + bursts[9][200].vx);
    EXPECT_EQ(bursts[9][0].age, 1.0f);
    EXPECT_EQ(bursts[9][200].age, 0.0f);
    StepTo(602);
    EXPECT_TRUE(sounds.Played().empty());
}

TEST_F(BurstsTest, SeedVelocitiesStayInTheirRanges) {
    for (int round = 0; round < 20; ++round) {
        Enemy& e = enemies[30];
        e = Enemy{1, 300, 300, 1, 0, 0, 0};
        gameWorld.playerX = 24;
        gameWorld.playerY = 696;
        StepTo(9000);
        for (int j = 0; j < 220; ++j) {
            const BurstParticle& p = bursts[30][j];
            if (p.x == -2550.0f) continue;
            if (j <= 160) {
                ASSERT_GE(p.vx, -17);
                ASSERT_LE(p.vx, 25);
                ASSERT_GE(p.vy, -35);
                ASSERT_LE(p.vy, 7);
            } else {
                ASSERT_GE(p.vx, -3);
                ASSERT_LE(p.vx, 3);
                ASSERT_GE(p.vy, 4);
                ASSERT_LE(p.vy, 15);
            }
        }
    }
}

TEST_F(BurstsTest, SparksAgeOutAt100AndKeepTheirPlace) {
    BurstParticle& p = bursts[5][10];
    p = BurstParticle{300, 200, 0, 0, 1, 99};
    ForgetParkedBlocks();
    Step();
    EXPECT_EQ(p.age, 100.0f);
    EXPECT_EQ(p.active, 0.0f);  // aged out, but drawn in this frame
    int sparks = 0;
    for (const DrawOp& op : BitmapDraws(BitmapId::SpriteSheet)) sparks += op.source.left == 94;
    EXPECT_EQ(sparks, 1);
    Step();
    EXPECT_EQ(p.x, 300.0f);  // stays with active 0 until a cull parks it
    sparks = 0;
    for (const DrawOp& op : BitmapDraws(BitmapId::SpriteSheet)) sparks += op.source.left == 94;
    EXPECT_EQ(sparks, 0);
    // Large pieces never age.
    BurstParticle& piece = bursts[5][200];
    piece = BurstParticle{300, 200, 0, 0, 1, 500};
    ForgetParkedBlocks();
    Step();
    EXPECT_EQ(piece.active, 1.0f);
}

TEST_F(BurstsTest, CullBoundsAndFighterTouchCorners) {
    gameWorld.playerX = 300;
    gameWorld.playerY = 500;
    struct Case {
        float x, y;
        bool parked;
    };
    const Case cases[] = {
        {-100, 300, true},    {-99.9f, 300, false}, {700, 300, true},
        {699.9f, 300, false}, {100, -100, true},    {100, 868, true},
        {100, 867.9f, false}, {284, 484, true},  // (playerX - 16, playerY - 16)
        {350, 600, true},                        // (playerX + 50, playerY + 100)
        {351, 500, false},                       // (playerX + 51, playerY)
        {283.9f, 500, false},
    };
    for (const Case& c : cases) {
        // At rest (active 0): nothing moves it, only the culls look at it.
        BurstParticle& p = bursts[7][3];
        p = BurstParticle{c.x, c.y, 0, 0, 0, 0};
        ForgetParkedBlocks();
        Step();
        EXPECT_EQ(p.x == -2550.0f, c.parked) << c.x << "," << c.y;
    }
}

}  // namespace
