#include "game_fixture.h"

namespace {

class StagingTest : public GameTest {
  protected:
    // The music restarted in the last step (enemies may lock on and burst meanwhile).
    std::vector<std::string> Music() const {
        std::vector<std::string> music;
        for (const std::string& name : sounds.Played()) {
            if (name.rfind("bgm", 0) == 0) music.push_back(name);
        }
        return music;
    }
};

TEST_F(StagingTest, MusicChangesOnItsExactClockValuesOnly) {
    const std::pair<float, const char*> cues[] = {{10, "bgm001"},    {2500, "bgm002"},
                                                  {5000, "bgm003"},  {7500, "bgm001"},
                                                  {10000, "bgm002"}, {12500, "bgm003"}};
    for (const auto& [clock, name] : cues) {
        StepTo(clock);
        EXPECT_EQ(Music(), std::vector<std::string>{name}) << clock;
        for (float neighbour : {clock - 1, clock + 1}) {
            StepTo(neighbour);
            EXPECT_TRUE(Music().empty()) << neighbour;
        }
    }
}

TEST_F(StagingTest, AWholeLapPlaysTheSixCuesInOrder) {
    std::vector<std::string> played;
    for (int step = 0; step < 14300; ++step) {
        Step();
        for (const std::string& name : sounds.Played()) {
            if (name.rfind("bgm", 0) == 0) played.push_back(name);
        }
    }
    EXPECT_EQ(played, (std::vector<std::string>{"bgm001", "bgm002", "bgm003", "bgm001", "bgm002",
                                                "bgm003"}));
}

TEST_F(StagingTest, EndingTextsInTheirWindowsOverlappingWhereTheyMeet) {
    struct Case {
        float clock;
        std::vector<std::string> startsOfTexts;
    };
    const Case cases[] = {
        {13499, {}},
        {13500, {"ミルダネス"}},
        {13699, {"ミルダネス"}},
        {13700, {"ミルダネス", "敵帝国軍"}},
        {13701, {"敵帝国軍"}},
        {13900, {"敵帝国軍", "企画"}},
        {14100, {"企画"}},
        {14101, {}},
    };
    for (const Case& c : cases) {
        StepTo(c.clock);
        std::vector<std::string> starts;
        bool alignedAndYellow = false;
        for (std::size_t i = 0; i < surface.Ops().size(); ++i) {
            const DrawOp& op = surface.Ops()[i];
            if (op.kind != DrawOp::Kind::DrawText) continue;
            for (const std::string& want : c.startsOfTexts) {
                if (op.text.rfind(want, 0) == 0) starts.push_back(want);
            }
            EXPECT_EQ(op.destination.top, 280.0f);
            EXPECT_EQ(op.destination.bottom, 300.0f);
            EXPECT_EQ(op.destination.right, 600.0f);
            alignedAndYellow =
                i >= 2 && surface.Ops()[i - 2].kind == DrawOp::Kind::SetTextAlignment &&
                surface.Ops()[i - 1].color.r == 1.0f && surface.Ops()[i - 1].color.g == 1.0f &&
                surface.Ops()[i - 1].color.b == 0.0f;
            EXPECT_TRUE(alignedAndYellow);
        }
        EXPECT_EQ(starts, c.startsOfTexts) << c.clock;
    }
}

TEST_F(StagingTest, CoverPictureClosesAndOpensTheLap) {
    struct Case {
        float clock;
        int covers;
    };
    // Start of lap: the advanced clock up to 100. End of lap: the frame's clock from 14100.
    const Case cases[] = {{0, 1},     {98, 1},    {99, 1},    {100, 0}, {14099, 0},
                          {14100, 1}, {14200, 1}, {14299, 1}, {5000, 0}};
    for (const Case& c : cases) {
        StepTo(c.clock);
        int covers = 0;
        for (const DrawOp& op : BitmapDraws(BitmapId::Background)) {
            if (op.source.left == 600.0f) {
                ++covers;
                EXPECT_EQ(op.source.right, 1800.0f);
                EXPECT_EQ(op.source.bottom, 768.0f);
                EXPECT_EQ(op.destination.right, 600.0f);
                EXPECT_EQ(op.destination.bottom, 768.0f);
            }
        }
        EXPECT_EQ(covers, c.covers) << c.clock;
    }
    // At 14100 the cover lies over the third text.
    StepTo(14100);
    const auto& ops = surface.Ops();
    std::size_t text = 0, cover = 0;
    for (std::size_t i = 0; i < ops.size(); ++i) {
        if (ops[i].kind == DrawOp::Kind::DrawText) text = i;
        if (ops[i].kind == DrawOp::Kind::DrawBitmap && ops[i].source.left == 600.0f) cover = i;
    }
    EXPECT_GT(cover, text);
}

}  // namespace
