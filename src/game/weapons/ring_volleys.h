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

void UpdateRingVolleys(FrameContext& frame);
