#include <SDL.h>
#include <gtest/gtest.h>

#include <mutex>

#include "gfx/sdl_device.h"

namespace {

// The window device on SDL's software renderer over a memory surface: no display needed.
class SdlDeviceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        screen_ = SDL_CreateRGBSurfaceWithFormat(0, 600, 720, 32, SDL_PIXELFORMAT_RGB888);
        ASSERT_NE(screen_, nullptr);
        images_.background.width = images_.background.height = 8;
        images_.background.pixels.assign(64, 0xFF00FF00u);
        images_.spriteSheet = images_.background;
        ASSERT_TRUE(text_.Create());
        SDL_Surface* screen = screen_;
        device_ = std::make_unique<SdlDevice>(
            [this, screen]() -> SDL_Renderer* {
                ++renderersMade_;
                return failRenderer_ ? nullptr : SDL_CreateSoftwareRenderer(screen);
            },
            images_, text_);
    }
    void TearDown() override {
        device_.reset();
        SDL_FreeSurface(screen_);
    }
    bool Paint() {
        return OnPaint(
            *device_, lock_,
            [](DrawingSurface& s) {
                s.DrawBitmap(BitmapId::Background, {0, 0, 8, 8}, 1.0f, {0, 0, 8, 8});
            },
            [this] { ++invalidations_; });
    }
    std::uint32_t ScreenPixel(int x, int y) {
        return static_cast<const std::uint32_t*>(screen_->pixels)[y * screen_->pitch / 4 + x] &
               0xFFFFFFu;
    }

    SDL_Surface* screen_ = nullptr;
    GameImages images_;
    TextFormat text_;
    std::unique_ptr<SdlDevice> device_;
    std::mutex lock_;
    int renderersMade_ = 0;
    int invalidations_ = 0;
    bool failRenderer_ = false;
};

TEST_F(SdlDeviceTest, PresentsTheFrame) {
    ASSERT_TRUE(Paint());
    EXPECT_EQ(ScreenPixel(4, 4), 0x00FF00u);
    EXPECT_EQ(ScreenPixel(20, 20), 0u);
    EXPECT_EQ(renderersMade_, 1);
    ASSERT_TRUE(Paint());
    EXPECT_EQ(renderersMade_, 1);  // made once, kept
}

TEST_F(SdlDeviceTest, LostDeviceIsRebuiltWholeByTheNextPaint) {
    ASSERT_TRUE(Paint());
    device_->MarkDeviceLost();
    EXPECT_TRUE(Paint());  // the lost frame still counted as a step
    EXPECT_EQ(invalidations_, 1);
    EXPECT_FALSE(device_->HasResources());
    EXPECT_EQ(device_->Renderer(), nullptr);
    EXPECT_TRUE(Paint());
    EXPECT_EQ(renderersMade_, 2);
    EXPECT_EQ(ScreenPixel(4, 4), 0x00FF00u);
}

TEST_F(SdlDeviceTest, NoRendererMeansNoFrameAndARetryNextTime) {
    failRenderer_ = true;
    EXPECT_FALSE(Paint());
    EXPECT_FALSE(device_->HasResources());
    failRenderer_ = false;
    EXPECT_TRUE(Paint());
    EXPECT_EQ(ScreenPixel(4, 4), 0x00FF00u);
}

}  // namespace
