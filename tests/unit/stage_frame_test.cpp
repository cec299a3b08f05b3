#include "game_fixture.h"

namespace {

class StageFrameTest : public GameTest {
  protected:
    // The destination of the n-th background draw of the last step.
    RectF BackgroundDraw(int n, RectF* source = nullptr) {
        int seen = 0;
        for (const DrawOp& op : surface.Ops()) {
            if (op.kind != DrawOp::Kind::DrawBitmap || op.bitmap != BitmapId::Background) continue;
            if (seen++ == n) {
                if (source) *source = op.source;
                return op.destination;
            }
        }
        ADD_FAILURE() << "no background draw " << n;
        return RectF{};
    }
};

TEST_F(StageFrameTest, FirstFrameLeavesTheScrollAndAdvancesTheClock) {
    Step();
    EXPECT_EQ(gameWorld.stageClock, 1.0f);
    EXPECT_EQ(gameWorld.backLayerScroll, 0.0f);
    EXPECT_EQ(gameWorld.frontLayerScroll, 0.0f);
    // Back layer first, from the image's upper band, then the front layer from its lower band.
    RectF source;
    const RectF back = BackgroundDraw(0, &source);
    EXPECT_EQ(source.top, 0.0f);
    EXPECT_EQ(source.bottom, 1536.0f);
    EXPECT_EQ(back.top, -768.0f);
    EXPECT_EQ(back.bottom, 768.0f);
    EXPECT_EQ(back.left, 0.0f);
    EXPECT_EQ(back.right, 600.0f);
    BackgroundDraw(1, &source);
    EXPECT_EQ(source.top, 1536.0f);
    EXPECT_EQ(source.bottom, 3072.0f);
}

TEST_F(StageFrameTest, ScrollGrowsByTheClockInDoubleRoundedToFloat) {
    gameWorld.stageClock = 1000;
    gameWorld.backLayerScroll = 0.1f;
    Step();
    EXPECT_EQ(gameWorld.backLayerScroll, 0.1f + 2.0f);
    EXPECT_EQ(gameWorld.frontLayerScroll, 4.0f);
    // 0.002 is not exact in binary: the product is rounded once, in double.
    gameWorld.stageClock = 3;
    gameWorld.backLayerScroll = 100.0f;
    Step();
    EXPECT_EQ(gameWorld.backLayerScroll, 100.0f + static_cast<float>(3.0 * 0.002));
}

TEST_F(StageFrameTest, OffsetOfExactly768WrapsToZeroAfterBeingDrawn) {
    gameWorld.backLayerScroll = 768.0f;
    gameWorld.frontLayerScroll = 767.5f;
    Step();  // clock 0: nothing is added
    EXPECT_EQ(BackgroundDraw(0).top, 0.0f);
    EXPECT_EQ(gameWorld.backLayerScroll, 0.0f);
    EXPECT_EQ(gameWorld.frontLayerScroll, 767.5f);
}

TEST_F(StageFrameTest, OffsetPast768IsDrawnThereOnceThenStartsAtZero) {
    gameWorld.stageClock = 14299;
    gameWorld.frontLayerScroll = 760.0f;
    Step();
    const float expected = 760.0f + static_cast<float>(14299.0 * 0.004);
    EXPECT_EQ(BackgroundDraw(1).top, expected - 768.0f);
    EXPECT_GT(BackgroundDraw(1).top, 0.0f);  // a strip at the top stays uncovered this frame
    EXPECT_EQ(gameWorld.frontLayerScroll, 0.0f);
}

TEST_F(StageFrameTest, LastFrameOfTheLapWrapsTheClock) {
    gameWorld.stageClock = 14298;
    Step();
    EXPECT_EQ(gameWorld.stageClock, 14299.0f);
    Step();
    EXPECT_EQ(gameWorld.stageClock, 0.0f);
    Step();
    EXPECT_EQ(gameWorld.stageClock, 1.0f);
}

TEST_F(StageFrameTest, AFullLapKeepsTheOffsetsInRangeAndTheFrontWrapsTwiceAsOften) {
    int backWraps = 0, frontWraps = 0;
    for (int step = 0; step < 14300; ++step) {
        const float back = gameWorld.backLayerScroll, front = gameWorld.frontLayerScroll;
        Step();
        if (gameWorld.backLayerScroll < back) ++backWraps;
        if (gameWorld.frontLayerScroll < front) ++frontWraps;
        ASSERT_GE(gameWorld.backLayerScroll, 0.0f);
        ASSERT_LT(gameWorld.backLayerScroll, 768.0f);
        ASSERT_LT(gameWorld.frontLayerScroll, 768.0f);
        ASSERT_EQ(gameWorld.stageClock, static_cast<float>((step + 1) % 14300));
    }
    EXPECT_GT(backWraps, 200);
    EXPECT_NEAR(static_cast<double>(frontWraps) / backWraps, 2.0, 0.05);
    // Shots, fighter and tables are not touched by the wrap.
    EXPECT_EQ(gameWorld.playerX, 300.0f);
    EXPECT_EQ(gameWorld.playerY, 520.0f);
}

}  // namespace
