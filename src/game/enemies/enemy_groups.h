#pragma once
// Who each enemy slot is: its spawn windows, start position and sprite. Nine fighters share
// thirteen windows; thirteen triples of larger enemies get one window each per lap.

#include "game/common.h"
#include "gfx/drawing_surface.h"

constexpr int kFighterSlots = 9;  // slots 0 to 8
constexpr int kTriples = 13;
constexpr int kMaxSpawnWindows = 13;

struct SpawnWindow {
    float first, last;  // stage clock, both included
};

struct SlotProfile {
    SpawnWindow windows[kMaxSpawnWindows];
    int windowCount;
    float startX, startY;
    RectF sprite;  // on the sprite sheet
    float halfWidth, halfHeight;
};

// The profile of a slot 0..47, derived from the fighters' row and the triples' rule.
const SlotProfile& ProfileOf(int slot);
