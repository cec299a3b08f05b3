#include "game/enemies/explosions.h"
#include "game_fixture.h"

namespace {

using ExplosionsTest = GameTest;

TEST_F(ExplosionsTest, SixDrawnFramesGrowAndFade) {
    SpawnExplosion(300, 200);
    const float alphas[6] = {0.517f, 0.433f, 0.350f, 0.267f, 0.183f, 0.100f};
    const float radii[6] = {17.3f, 26.7f, 36.0f, 45.3f, 54.7f, 64.0f};
    for (int frame = 0; frame < 6; ++frame) {
        surface.Clear();
        FrameContext context{surface, sounds};
        DrawExplosions(context);
        const auto& ops = surface.Ops();
        ASSERT_EQ(ops.size(), 4u) << frame;
        EXPECT_NEAR(ops[0].color.a, alphas[frame], 1e-3) << frame;
        EXPECT_EQ(ops[0].color.r, 1.0f);
        EXPECT_EQ(ops[0].color.g, 1.0f);
        EXPECT_NEAR(ops[0].color.b, 240.0f / 255.0f, 1e-6);
        const PointF centres[3] = {{300, 200}, {270, 170}, {330, 170}};
        for (int disc = 0; disc < 3; ++disc) {
            EXPECT_EQ(ops[1 + disc].kind, DrawOp::Kind::FillEllipse);
            EXPECT_NEAR(ops[1 + disc].radiusX, radii[frame], 0.05) << frame;
            EXPECT_EQ(ops[1 + disc].radiusY, ops[1 + disc].radiusX);
            EXPECT_EQ(ops[1 + disc].from.x, centres[disc].x);
            EXPECT_EQ(ops[1 + disc].from.y, centres[disc].y);
        }
    }
    EXPECT_EQ(explosions[0].framesLeft, 0u);
    surface.Clear();
    FrameContext context{surface, sounds};
    DrawExplosions(context);
    EXPECT_TRUE(surface.Ops().empty());
}

TEST_F(ExplosionsTest, AFullPoolDropsTheSixteenthAndFreedRecordsAreReused) {
    for (int i = 0; i < 16; ++i) SpawnExplosion(10.0f * i, 0);
    for (int i = 0; i < 15; ++i) EXPECT_EQ(explosions[i].x, 10.0f * i);
    EXPECT_EQ(FindFreeExplosion(explosions, kExplosionSlots), -1);
    FrameContext context{surface, sounds};
    for (int frame = 0; frame < 6; ++frame) DrawExplosions(context);
    EXPECT_EQ(FindFreeExplosion(explosions, kExplosionSlots), 0);
    SpawnExplosion(1, 2);
    EXPECT_EQ(explosions[0].framesLeft, 6u);
    EXPECT_EQ(explosions[0].colour, 0xFFFFF0u);
}

TEST_F(ExplosionsTest, FlashesLieOverTheCoverPicture) {
    SpawnExplosion(300, 300);
    StepTo(50);
    const auto& ops = surface.Ops();
    std::size_t cover = 0, firstDisc = 0;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        if (ops[i].kind == DrawOp::Kind::DrawBitmap && ops[i].source.left == 600) cover = i;
        if (ops[i].kind == DrawOp::Kind::FillEllipse && firstDisc == 0) firstDisc = i;
    }
    EXPECT_GT(firstDisc, cover);
}

}  // namespace
