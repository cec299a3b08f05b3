#pragma once
// The 33 ms frame timer: a thread that asks for a paint, unless its previous tick was under
// 10 ms ago or the window is inactive.

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

constexpr int kFramePeriodMs = 33;
constexpr std::uint32_t kMinimumTickGapMs = 10;

class FrameTimer {
  public:
    using Clock = std::function<std::uint32_t()>;  // wrapping millisecond clock
    using Invalidate = std::function<void()>;

    FrameTimer(Clock now, Invalidate invalidate, const std::atomic<std::int32_t>& windowInactive);
    ~FrameTimer();

    // One tick: wrap-safe elapsed time, always moves lastTickTime, then maybe invalidates.
    // Takes no lock and allocates nothing.
    void Tick();

    void SetLastTickTime(std::uint32_t time) { lastTickTime_.store(time); }
    std::uint32_t LastTickTime() const { return lastTickTime_.load(); }

    // Starts the thread: the first tick at once, then one every period.
    void Start(int periodMs = kFramePeriodMs);
    // Stops the thread, waiting for a running tick to return.
    void Stop();

  private:
    void Run(int periodMs);

    Clock now_;
    Invalidate invalidate_;
    const std::atomic<std::int32_t>& windowInactive_;
    std::atomic<std::uint32_t> lastTickTime_{0};

    std::mutex stopMutex_;  // guards only the sleep between ticks, never a tick
    std::condition_variable stopSignal_;
    bool stopping_ = false;
    std::thread thread_;
};
