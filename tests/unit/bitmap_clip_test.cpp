#include <gtest/gtest.h>

#include "gfx/bitmap_clip.h"

namespace {

TEST(BitmapClip, InsideTheBitmapIsUnchanged) {
    ClippedDraw draw;
    ASSERT_TRUE(ClipBitmapDraw({0, 0, 50, 100}, {275, 470, 325, 570}, 1600, 3600, draw));
    EXPECT_EQ(draw.source.right, 50.0f);
    EXPECT_EQ(draw.destination.left, 275.0f);
    EXPECT_EQ(draw.destination.bottom, 570.0f);
}

TEST(BitmapClip, PartlyOutsideShrinksTheDestinationInProportion) {
    // The cover picture (600, 0, 1800, 768) squeezed to half width, from a 1200-wide image.
    ClippedDraw draw;
    ASSERT_TRUE(ClipBitmapDraw({600, 0, 1800, 768}, {0, 0, 600, 768}, 1200, 3072, draw));
    EXPECT_EQ(draw.source.right, 1200.0f);
    EXPECT_EQ(draw.destination.left, 0.0f);
    EXPECT_EQ(draw.destination.right, 300.0f);
    EXPECT_EQ(draw.destination.bottom, 768.0f);
}

TEST(BitmapClip, WhollyOutsideDrawsNothing) {
    ClippedDraw draw;
    EXPECT_FALSE(ClipBitmapDraw({1200, 0, 1600, 300}, {0, 0, 400, 300}, 1000, 1000, draw));
    EXPECT_FALSE(ClipBitmapDraw({0, 0, 0, 10}, {0, 0, 10, 10}, 100, 100, draw));
}

}  // namespace
