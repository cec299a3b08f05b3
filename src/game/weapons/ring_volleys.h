#pragma once
// Ring volleys: nine rings of 36 pellets per enemy slot.

#include "game/common.h"
#include "game/frame_context.h"

constexpr int kRingsPerSlot = 9;
constexpr int kPelletsPerRing = 36;

struct RingVolley {
    EnemyShot pellets[kPelletsPerRing];
};

extern RingVolley ringVolleys[kEnemySlots][kRingsPerSlot];

void ParkRingVolleys(int slot);

// Call after writing `ringVolleys` from outside the passes: they look at every pellet again.
void RingVolleysChanged();

void UpdateRingVolleys(FrameContext& frame);
