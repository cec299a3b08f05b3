#pragma once
// Invalidations from any thread pile up into one pending paint, as a window system's
// update region does: a late main thread slows the game and never runs extra steps.

#include <atomic>

class Invalidation {
  public:
    using WakeFn = void (*)();

    explicit Invalidation(WakeFn wake = nullptr) : wake_(wake) {}

    // Marks the window invalid; wakes the main thread only when nothing was pending.
    void Invalidate() {
        if (!pending_.exchange(true) && wake_) wake_();
    }
    // True once for any number of invalidations since the last call.
    bool TakePending() { return pending_.exchange(false); }

  private:
    std::atomic<bool> pending_{false};
    WakeFn wake_;
};
