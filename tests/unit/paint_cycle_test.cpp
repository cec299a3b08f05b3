#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "app/paint_cycle.h"
#include "gfx/recording_surface.h"

namespace {

// A device that logs each call and can be told to fail or to lose its target.
class FakeDevice : public PaintDevice {
  public:
    bool failCreate = false;
    EndDrawResult endResult = EndDrawResult::Ok;
    bool present = false;
    std::vector<std::string> log;
    ColorF clearColor{};
    RecordingSurface surface;

    bool CreateDeviceResources() override {
        log.push_back("create");
        if (failCreate) return false;
        present = true;
        return true;
    }
    DrawingSurface& BeginDraw() override {
        log.push_back("begin");
        return surface;
    }
    void Clear(const ColorF& color) override {
        log.push_back("clear");
        clearColor = color;
    }
    EndDrawResult EndDraw() override {
        log.push_back("end");
        return endResult;
    }
    void DiscardDeviceResources() override {
        log.push_back("discard");
        present = false;
    }
};

struct PaintFixture {
    FakeDevice device;
    std::mutex frameLock;
    int steps = 0;
    int invalidations = 0;
    bool lockHeldDuringStep = false;

    bool Paint() {
        return OnPaint(
            device, frameLock,
            [this](DrawingSurface& surface) {
                ++steps;
                lockHeldDuringStep = !frameLock.try_lock();
                if (!lockHeldDuringStep) frameLock.unlock();
                device.log.push_back("step");
                surface.SetColor(ColorF{1, 1, 1, 1});
            },
            [this] { ++invalidations; });
    }
};

TEST(PaintCycle, OnePaintIsOneStepInAClearedFrameUnderTheLock) {
    PaintFixture f;
    EXPECT_TRUE(f.Paint());
    EXPECT_EQ(f.device.log, (std::vector<std::string>{"create", "begin", "clear", "step", "end"}));
    EXPECT_EQ(f.steps, 1);
    EXPECT_TRUE(f.lockHeldDuringStep);
    EXPECT_FLOAT_EQ(f.device.clearColor.r, 0.0f);
    EXPECT_FLOAT_EQ(f.device.clearColor.g, 0.0f);
    EXPECT_FLOAT_EQ(f.device.clearColor.b, 0.0f);
    EXPECT_FLOAT_EQ(f.device.clearColor.a, 1.0f);
    EXPECT_EQ(f.invalidations, 0);
}

TEST(PaintCycle, MissingDeviceResourcesSkipTheFrameAndTheStep) {
    PaintFixture f;
    f.device.failCreate = true;
    EXPECT_FALSE(f.Paint());
    EXPECT_EQ(f.device.log, (std::vector<std::string>{"create"}));
    EXPECT_EQ(f.steps, 0);
    EXPECT_EQ(f.invalidations, 0);
    // The next paint tries again and draws.
    f.device.failCreate = false;
    EXPECT_TRUE(f.Paint());
    EXPECT_EQ(f.steps, 1);
}

TEST(PaintCycle, LostDeviceIsDiscardedAndRepaintedWithTheStepCounted) {
    PaintFixture f;
    f.device.endResult = EndDrawResult::RecreateTarget;
    EXPECT_TRUE(f.Paint());
    EXPECT_EQ(f.device.log,
              (std::vector<std::string>{"create", "begin", "clear", "step", "end", "discard"}));
    EXPECT_EQ(f.steps, 1);
    EXPECT_EQ(f.invalidations, 1);
    EXPECT_FALSE(f.device.present);
    // The next paint rebuilds and draws the next step.
    f.device.endResult = EndDrawResult::Ok;
    f.device.log.clear();
    EXPECT_TRUE(f.Paint());
    EXPECT_EQ(f.device.log, (std::vector<std::string>{"create", "begin", "clear", "step", "end"}));
    EXPECT_EQ(f.steps, 2);
}

TEST(PaintCycle, OtherEndDrawFailuresAreIgnored) {
    PaintFixture f;
    f.device.endResult = EndDrawResult::Failed;
    EXPECT_TRUE(f.Paint());
    EXPECT_EQ(f.invalidations, 0);
    EXPECT_TRUE(f.device.present);
}

}  // namespace
