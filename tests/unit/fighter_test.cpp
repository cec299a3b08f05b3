#include "game_fixture.h"

namespace {

class FighterTest : public GameTest {
  protected:
    // The sprites of the options and the fighter, in drawing order.
    std::vector<DrawOp> CraftDraws() const {
        std::vector<DrawOp> craft;
        for (const DrawOp& op : BitmapDraws(BitmapId::SpriteSheet)) {
            if ((op.source.left == 0 && op.source.top == 0) || op.source.left == 110) {
                craft.push_back(op);
            }
        }
        return craft;
    }
};

TEST_F(FighterTest, ArrowKeysMoveWithinTheAreaInTheSameFrame) {
    struct Case {
        float x, y;
        std::vector<int> keys;
        float wantX, wantY;
    };
    const Case cases[] = {
        {300, 520, {kVkLeft}, 292, 520},
        {28, 520, {kVkLeft}, 24, 520},  // 20, clamped to 24 at once
        {572, 520, {kVkRight}, 576, 520},
        {300, 404, {kVkUp}, 300, 400},
        {300, 692, {kVkDown}, 300, 696},
        {300, 520, {kVkUp, kVkDown}, 300, 520},  // opposite keys cancel
        {300, 520, {kVkLeft, kVkRight}, 300, 520},
        {300, 520, {kVkUp, kVkRight}, 308, 512},  // diagonals are not normalised
        {24, 696, {kVkLeft, kVkDown}, 24, 696},
    };
    for (const Case& c : cases) {
        ClearKeyTablesForTest();
        gameWorld.playerX = c.x;
        gameWorld.playerY = c.y;
        for (int key : c.keys) OnKeyDown(key);
        Step();
        EXPECT_EQ(gameWorld.playerX, c.wantX) << c.x << "," << c.y;
        EXPECT_EQ(gameWorld.playerY, c.wantY) << c.x << "," << c.y;
    }
}

TEST_F(FighterTest, OptionsThenFighterAreDrawnAtTheirNewPlaces) {
    OnKeyDown(kVkLeft);
    Step();
    const std::vector<DrawOp> sprites = CraftDraws();
    ASSERT_EQ(sprites.size(), 5u);
    const float optionX[4] = {242, 342, 192, 392}, optionY[4] = {570, 570, 620, 620};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(sprites[i].source.left, 110.0f);
        EXPECT_EQ(sprites[i].source.bottom, 100.0f);
        EXPECT_EQ(sprites[i].destination.left, optionX[i] - 25);
        EXPECT_EQ(sprites[i].destination.top, optionY[i] - 35);
        EXPECT_EQ(sprites[i].destination.bottom, optionY[i] + 35);
    }
    EXPECT_EQ(sprites[4].source.right, 50.0f);
    EXPECT_EQ(sprites[4].destination.left, 292.0f - 25);
    EXPECT_EQ(sprites[4].destination.top, 520.0f - 50);
    EXPECT_EQ(sprites[4].opacity, 1.0f);
}

TEST_F(FighterTest, OptionsBelowTheFieldAreStillDrawn) {
    gameWorld.playerX = 24;
    gameWorld.playerY = 696;
    Step();
    EXPECT_EQ(gameWorld.options[2].x, -76.0f);
    EXPECT_EQ(gameWorld.options[2].y, 796.0f);
    EXPECT_EQ(gameWorld.options[0].y, 746.0f);
    EXPECT_EQ(CraftDraws().size(), 5u);
}

}  // namespace
