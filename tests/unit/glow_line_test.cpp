#include <gtest/gtest.h>

#include "gfx/glow_line.h"
#include "gfx/recording_surface.h"

namespace {

struct Pass {
    float r, g, b, a, width;
};

void ExpectPasses(std::uint32_t rgb, const Pass (&expected)[3]) {
    RecordingSurface surface;
    DrawGlowLine(surface, rgb, PointF{10, 20}, PointF{11, 21});
    const auto& ops = surface.Ops();
    ASSERT_EQ(ops.size(), 6u);
    for (int i = 0; i < 3; ++i) {
        const DrawOp& color = ops[2 * i];
        const DrawOp& line = ops[2 * i + 1];
        ASSERT_EQ(color.kind, DrawOp::Kind::SetColor);
        ASSERT_EQ(line.kind, DrawOp::Kind::DrawLine);
        EXPECT_NEAR(color.color.r, expected[i].r, 1e-3) << "pass " << i;
        EXPECT_NEAR(color.color.g, expected[i].g, 1e-3) << "pass " << i;
        EXPECT_NEAR(color.color.b, expected[i].b, 1e-3) << "pass " << i;
        EXPECT_EQ(color.color.a, expected[i].a) << "pass " << i;
        EXPECT_EQ(line.width, expected[i].width) << "pass " << i;
        EXPECT_EQ(line.from.x, 10.0f);
        EXPECT_EQ(line.from.y, 20.0f);
        EXPECT_EQ(line.to.x, 11.0f);
        EXPECT_EQ(line.to.y, 21.0f);
    }
}

TEST(GlowLine, HaloBodyAndCoreForGreen) {
    // The halo is five times the base colour and not clamped.
    ExpectPasses(0x0FFF00, {{0.294f, 5.0f, 0.0f, 0.5f, 8.0f},
                            {0.0588f, 1.0f, 0.0f, 0.7f, 4.0f},
                            {0.0588f, 1.0f, 0.0f, 1.0f, 2.0f}});
}

TEST(GlowLine, BlackStaysBlackAtEachAlpha) {
    ExpectPasses(0x000000, {{0, 0, 0, 0.5f, 8.0f}, {0, 0, 0, 0.7f, 4.0f}, {0, 0, 0, 1.0f, 2.0f}});
}

TEST(GlowLine, ChannelsComeFromTheirBytes) {
    ExpectPasses(0x000AFF, {{0, 10.0f / 255 * 5, 5.0f, 0.5f, 8.0f},
                            {0, 10.0f / 255, 1.0f, 0.7f, 4.0f},
                            {0, 10.0f / 255, 1.0f, 1.0f, 2.0f}});
}

}  // namespace
