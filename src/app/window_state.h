#pragma once
// State the window procedure keeps for the frame timer thread.

#include <atomic>
#include <cstdint>

// 1 after the window lost the focus, 0 after it gained it. Read by the timer thread.
extern std::atomic<std::int32_t> windowInactive;
