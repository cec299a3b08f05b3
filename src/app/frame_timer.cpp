#include "app/frame_timer.h"

#include <chrono>

FrameTimer::FrameTimer(Clock now, Invalidate invalidate,
                       const std::atomic<std::int32_t>& windowInactive)
    : now_(std::move(now)), invalidate_(std::move(invalidate)), windowInactive_(windowInactive) {}

FrameTimer::~FrameTimer() {
    Stop();
}

void FrameTimer::Tick() {
    const std::uint32_t now = now_();
    // Unsigned subtraction: the clock's wrap-around does no harm.
    const std::uint32_t elapsed = now - lastTickTime_.load(std::memory_order_relaxed);
    lastTickTime_.store(now, std::memory_order_relaxed);
    if (elapsed < kMinimumTickGapMs) return;
    if (windowInactive_.load(std::memory_order_relaxed) != 0) return;
    invalidate_();
}

void FrameTimer::Start(int periodMs) {
    Stop();
    {
        std::lock_guard<std::mutex> lock(stopMutex_);
        stopping_ = false;
    }
    thread_ = std::thread([this, periodMs] { Run(periodMs); });
}

void FrameTimer::Stop() {
    {
        std::lock_guard<std::mutex> lock(stopMutex_);
        stopping_ = true;
    }
    stopSignal_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void FrameTimer::Run(int periodMs) {
    using Steady = std::chrono::steady_clock;
    const auto period = std::chrono::milliseconds(periodMs);
    auto due = Steady::now();
    std::unique_lock<std::mutex> lock(stopMutex_);
    while (!stopping_) {
        lock.unlock();
        Tick();
        lock.lock();
        due += period;
        const auto now = Steady::now();
        // A timer that fell far behind starts afresh instead of firing a burst of ticks.
        if (due + period < now) due = now;
        stopSignal_.wait_until(lock, due, [this] { return stopping_; });
    }
}
