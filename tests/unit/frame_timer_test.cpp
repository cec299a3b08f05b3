#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

#include "app/frame_timer.h"
#include "app/invalidation.h"

namespace {

struct TimerFixture {
    std::uint32_t now = 0;
    int invalidations = 0;
    std::atomic<std::int32_t> inactive{0};
    FrameTimer timer{[this] { return now; }, [this] { ++invalidations; }, inactive};
};

TEST(FrameTimer, TicksCloserThanTenMillisecondsAskForNothingButMoveTheTime) {
    TimerFixture f;
    f.timer.SetLastTickTime(1000);
    f.now = 1033;
    f.timer.Tick();
    EXPECT_EQ(f.invalidations, 1);
    f.now = 1038;  // 5 ms later
    f.timer.Tick();
    EXPECT_EQ(f.invalidations, 1);
    EXPECT_EQ(f.timer.LastTickTime(), 1038u);
    f.now = 1047;  // 9 ms after the moved time: still too close
    f.timer.Tick();
    EXPECT_EQ(f.invalidations, 1);
    f.now = 1057;  // exactly 10
    f.timer.Tick();
    EXPECT_EQ(f.invalidations, 2);
}

TEST(FrameTimer, FirstTickBeforeStartUpSetTheTimeInvalidates) {
    TimerFixture f;  // lastTickTime still 0
    f.now = 123456;
    f.timer.Tick();
    EXPECT_EQ(f.invalidations, 1);
}

TEST(FrameTimer, ElapsedTimeSurvivesTheClockWrap) {
    TimerFixture f;
    f.timer.SetLastTickTime(0xFFFFFFF0u);
    f.now = 0x00000003u;  // 19 ms later, across the wrap
    f.timer.Tick();
    EXPECT_EQ(f.invalidations, 1);
    f.timer.SetLastTickTime(0xFFFFFFFCu);
    f.now = 0x00000002u;  // 6 ms later, across the wrap
    f.timer.Tick();
    EXPECT_EQ(f.invalidations, 1);
}

TEST(FrameTimer, InactiveWindowGetsNoPaintsWhileTheTimeKeepsMoving) {
    TimerFixture f;
    f.inactive = 1;
    for (std::uint32_t t = 33; t <= 330; t += 33) {
        f.now = t;
        f.timer.Tick();
    }
    EXPECT_EQ(f.invalidations, 0);
    EXPECT_EQ(f.timer.LastTickTime(), 330u);
    f.inactive = 0;
    f.now = 335;  // the usual rule applies on reactivation
    f.timer.Tick();
    EXPECT_EQ(f.invalidations, 0);
    f.now = 368;
    f.timer.Tick();
    EXPECT_EQ(f.invalidations, 1);
}

TEST(FrameTimer, ThreadTicksAtOnceAndStopsCleanly) {
    std::atomic<int> ticks{0};
    std::atomic<std::int32_t> inactive{0};
    std::atomic<std::uint32_t> clock{0};
    FrameTimer timer([&] { return clock.fetch_add(33) + 33; }, [&] { ++ticks; }, inactive);
    timer.Start(1);
    while (ticks.load() < 3) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    timer.Stop();
    const int afterStop = ticks.load();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(ticks.load(), afterStop);
}

TEST(Invalidation, PiledUpInvalidationsGiveOnePaint) {
    static int wakes = 0;
    wakes = 0;
    Invalidation invalidation([] { ++wakes; });
    invalidation.Invalidate();
    invalidation.Invalidate();
    invalidation.Invalidate();
    EXPECT_EQ(wakes, 1);
    EXPECT_TRUE(invalidation.TakePending());
    EXPECT_FALSE(invalidation.TakePending());
    invalidation.Invalidate();
    EXPECT_EQ(wakes, 2);
    EXPECT_TRUE(invalidation.TakePending());
}

}  // namespace
