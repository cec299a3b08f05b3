#pragma once
// The busy player of the benchmark and the long tests: a volley every four steps while sweeping
// left and right, turning every 240 steps.

#include "app/keyboard.h"

inline void ApplyBusyKeys(long step) {
    if (step % 4 == 0) OnKeyDown(kVkSpace);
    if (step % 4 == 2) OnKeyUp(kVkSpace);
    const bool left = (step / 240) % 2 == 1;
    OnKeyUp(left ? kVkRight : kVkLeft);
    OnKeyDown(left ? kVkLeft : kVkRight);
}
