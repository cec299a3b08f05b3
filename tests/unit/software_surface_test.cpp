#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "gfx/glow_line.h"
#include "gfx/premultiply.h"
#include "gfx/software_device.h"

namespace {

// A 600 x 720 frame drawn in memory, with small solid test bitmaps.
class SoftwareSurfaceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        images_.background = Solid(64, 64, 0xFF0000FFu);
        images_.spriteSheet = Solid(64, 64, 0xFFFF0000u);
        ASSERT_TRUE(text_.Create());
        device_ = std::make_unique<SoftwareDevice>(images_, text_);
    }
    static PremultipliedImage Solid(int width, int height, std::uint32_t pixel) {
        const std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height, pixel);
        return Premultiply(pixels.data(), width, height);
    }
    // Draws one frame: cleared to black, then the given drawing.
    template <typename Draw>
    void Frame(Draw draw) {
        std::mutex lock;
        ASSERT_TRUE(OnPaint(
            *device_, lock, [&](DrawingSurface& s) { draw(s); }, [] {}));
    }
    std::uint32_t Pixel(int x, int y) const { return device_->Frame().At(x, y) & 0xFFFFFFu; }
    static int Green(std::uint32_t p) { return (p >> 8) & 0xFF; }

    GameImages images_;
    TextFormat text_;
    std::unique_ptr<SoftwareDevice> device_;
};

TEST_F(SoftwareSurfaceTest, BitmapsDrawTheirSourceAndClipToTheImage) {
    Frame([](DrawingSurface& s) {
        s.DrawBitmap(BitmapId::SpriteSheet, {10, 10, 42, 42}, 1.0f, {0, 0, 32, 32});
        // Half of this source lies outside the 64-pixel image: only that half is drawn.
        s.DrawBitmap(BitmapId::Background, {100, 100, 200, 200}, 1.0f, {32, 0, 96, 64});
    });
    EXPECT_EQ(Pixel(20, 20), 0xFF0000u);
    EXPECT_EQ(Pixel(9, 20), 0u);
    EXPECT_EQ(Pixel(42, 20), 0u);
    EXPECT_EQ(Pixel(120, 150), 0x0000FFu);
    EXPECT_EQ(Pixel(149, 150), 0x0000FFu);
    EXPECT_EQ(Pixel(151, 150), 0u);
}

TEST_F(SoftwareSurfaceTest, HalfPixelOffsetsBlendTheEdges) {
    Frame([](DrawingSurface& s) {
        s.DrawBitmap(BitmapId::SpriteSheet, {10.5f, 10, 42.5f, 42}, 1.0f, {0, 0, 32, 32});
    });
    EXPECT_EQ(Pixel(20, 20), 0xFF0000u);
    EXPECT_NEAR(static_cast<int>(Pixel(10, 20) >> 16), 128, 2);
    EXPECT_NEAR(static_cast<int>(Pixel(42, 20) >> 16), 128, 2);
}

TEST_F(SoftwareSurfaceTest, GlowLineHasASolidCoreABodyAndAHalo) {
    Frame([](DrawingSurface& s) { DrawGlowLine(s, 0x0FFF00, {300, 100}, {300, 300}); });
    // Pixels 299 and 300 lie inside the 2-wide core, 298 and 301 in the 4-wide body,
    // 296 to 303 in the 8-wide halo; 295 and 304 are outside everything.
    EXPECT_EQ(Green(Pixel(299, 200)), 255);
    EXPECT_EQ(Green(Pixel(300, 200)), 255);
    const int body = Green(Pixel(301, 200));  // halo then body over black
    EXPECT_NEAR(body, static_cast<int>(0.5 * 255 * 0.3 + 0.7 * 255), 2);
    EXPECT_EQ(Green(Pixel(298, 200)), body);
    EXPECT_NEAR(Green(Pixel(303, 200)), 128, 1);  // the halo alone: saturated green at 0.5
    EXPECT_EQ(Pixel(295, 200), 0u);
    EXPECT_EQ(Pixel(304, 200), 0u);
    // Round caps reach half the width past each end.
    EXPECT_GT(Green(Pixel(300, 96)), 100);
    EXPECT_EQ(Pixel(300, 95), 0u);
}

TEST_F(SoftwareSurfaceTest, APelletIsThreeConcentricDots) {
    Frame([](DrawingSurface& s) { DrawGlowLine(s, 0xF000FF, {100, 100}, {101, 101}); });
    EXPECT_NE(Pixel(100, 100), 0u);
    EXPECT_NE(Pixel(96, 100), 0u);
    EXPECT_EQ(Pixel(94, 100), 0u);
    EXPECT_EQ(Pixel(100, 106), 0u);
}

TEST_F(SoftwareSurfaceTest, EllipsesAreFilledWithSoftEdges) {
    Frame([](DrawingSurface& s) {
        s.SetColor({1.0f, 1.0f, 1.0f, 1.0f});
        s.FillEllipse({200, 200}, 20.5f, 10);
    });
    EXPECT_EQ(Pixel(200, 200), 0xFFFFFFu);
    EXPECT_EQ(Pixel(218, 200), 0xFFFFFFu);
    EXPECT_EQ(Pixel(200, 212), 0u);
    EXPECT_EQ(Pixel(222, 200), 0u);
    const int edge = static_cast<int>(Pixel(220, 200) & 0xFF);
    EXPECT_NEAR(edge, 128, 12);  // the border runs through this pixel's centre
}

TEST_F(SoftwareSurfaceTest, TextRunsDownPastItsLayoutBoxUnclipped) {
    Frame([](DrawingSurface& s) {
        s.SetTextAlignment(TextAlignment::Centre);
        s.SetColor({1, 1, 0, 1});
        s.DrawText("ミルダネス\nのKESTRIVAN QX-40が\n敵対抗勢力圏内突破！", {0, 280, 600, 300});
    });
    int yellowBelowBox = 0, otherColours = 0, leftHalf = 0, rightHalf = 0;
    for (int y = 300; y < 720; ++y) {
        for (int x = 0; x < 600; ++x) {
            const std::uint32_t p = Pixel(x, y);
            if (p == 0) continue;
            if ((p & 0xFF) == 0 && (p >> 16) == ((p >> 8) & 0xFF)) {
                ++yellowBelowBox;
                (x < 300 ? leftHalf : rightHalf)++;
            } else {
                ++otherColours;
            }
        }
    }
    EXPECT_GT(yellowBelowBox, 2000);
    EXPECT_EQ(otherColours, 0);
    // Centred: about as much ink on each side.
    EXPECT_NEAR(static_cast<double>(leftHalf) / rightHalf, 1.0, 0.25);
}

// Large stretched draws (the cover picture) keep their mixed samples between frames: a repeat, a
// moved source and another opacity must each give what a fresh device draws.
TEST_F(SoftwareSurfaceTest, LargeStretchedDrawsRepeatExactly) {
    std::vector<std::uint32_t> gradient(300 * 200);
    for (int y = 0; y < 200; ++y) {
        for (int x = 0; x < 300; ++x) {
            const std::uint32_t alpha = (x + y) % 3 == 0 ? 0x80u : 0xFFu;
            gradient[y * 300 + x] = (alpha << 24) | (x % 256) << 16 | (y % 256) << 8 | 0x40u;
        }
    }
    images_.background = Premultiply(gradient.data(), 300, 200);
    device_ = std::make_unique<SoftwareDevice>(images_, text_);
    struct Draw {
        RectF source;
        float opacity;
    };
    const Draw draws[] = {{{0, 0, 300, 200}, 1.0f},
                          {{0, 0, 300, 200}, 1.0f},
                          {{10.5f, 3, 290, 197.25f}, 1.0f},
                          {{10.5f, 3, 290, 197.25f}, 0.5f}};
    auto drawOn = [](SoftwareDevice& device, const Draw& d) {
        std::mutex lock;
        OnPaint(
            device, lock,
            [&](DrawingSurface& s) {
                s.DrawBitmap(BitmapId::Background, {0.5f, 0, 599.5f, 720}, d.opacity, d.source);
            },
            [] {});
        return device.Frame().pixels;
    };
    for (const Draw& d : draws) {
        SoftwareDevice fresh(images_, text_);
        EXPECT_EQ(drawOn(*device_, d), drawOn(fresh, d)) << d.source.left << " " << d.opacity;
    }
}

// On a high-density screen the game still draws in 600 x 720 and every shape lands at twice
// the position and size, drawn at the finer pixels rather than stretched afterwards.
TEST_F(SoftwareSurfaceTest, DensityTwoDrawsEverythingAtTwiceThePixels) {
    device_->SetDensity(2);
    Frame([](DrawingSurface& s) {
        s.DrawBitmap(BitmapId::SpriteSheet, {10, 10, 42, 42}, 1.0f, {0, 0, 32, 32});
        DrawGlowLine(s, 0x00FF00, {300, 100}, {300, 140});
        s.SetColor(ColorF{0, 0, 1, 1});
        s.FillEllipse({500, 500}, 10, 10);
    });
    ASSERT_EQ(device_->Frame().width, 1200);
    ASSERT_EQ(device_->Frame().height, 1440);
    EXPECT_EQ(Pixel(20, 20), 0xFF0000u);
    EXPECT_EQ(Pixel(83, 83), 0xFF0000u);
    EXPECT_EQ(Pixel(84, 50), 0u);
    EXPECT_EQ(Pixel(19, 50), 0u);
    // The core, 2 game pixels wide, is 4 device pixels: solid one pixel off the centre line.
    EXPECT_EQ(Pixel(601, 240), 0x00FF00u);
    EXPECT_GT(Green(Pixel(600 + 7, 240)), 0);  // the halo reaches 8 device pixels
    EXPECT_EQ(Pixel(600 + 9, 240), 0u);
    EXPECT_EQ(Pixel(1000, 1000 + 18), 0x0000FFu);  // radius 10 is 20 device pixels
    EXPECT_EQ(Pixel(1000, 1000 + 21), 0u);
    // Text masks come at the same density.
    const TextMask& one = text_.Render("TEST", 200, 1);
    const TextMask& two = text_.Render("TEST", 200, 2);
    EXPECT_EQ(two.width, 2 * one.width);
    EXPECT_EQ(two.height, 2 * one.height);
}

TEST_F(SoftwareSurfaceTest, MissingBitmapsMakeNoDevice) {
    images_.spriteSheet = PremultipliedImage{};
    EXPECT_FALSE(device_->CreateDeviceResources());
    EXPECT_FALSE(device_->HasResources());
}

}  // namespace
