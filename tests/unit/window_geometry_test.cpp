#include <gtest/gtest.h>

#include "app/window_geometry.h"

namespace {

TEST(WindowGeometry, CentresTheOuterWindowOnTheWorkArea) {
    const WindowPlacement p = CentreWindow(1920, 1040, FrameMetrics{3, 3, 23});
    EXPECT_EQ(p.width, 606);
    EXPECT_EQ(p.height, 749);
    EXPECT_EQ(p.x, 657);
    EXPECT_EQ(p.y, 146);
}

TEST(WindowGeometry, HalvesTruncateTowardZero) {
    // Odd sizes: 1281 / 2 = 640, 601 / 2 = 300; a tiny work area gives negative places.
    const WindowPlacement odd = CentreWindow(1281, 1025, FrameMetrics{0, 0, 0});
    EXPECT_EQ(odd.x, 640 - 300);
    EXPECT_EQ(odd.y, 512 - 360);
    const WindowPlacement tiny = CentreWindow(101, 0, FrameMetrics{1, 1, 0});
    EXPECT_EQ(tiny.width, 602);
    EXPECT_EQ(tiny.x, 50 - 301);
    EXPECT_EQ(tiny.y, 0 - 361);
}

}  // namespace
