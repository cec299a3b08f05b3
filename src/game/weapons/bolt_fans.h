#pragma once
// Bolt fans: six falling and six rising members of five bolts per enemy slot.

#include "game/common.h"
#include "game/frame_context.h"

constexpr int kFanMembers = 12;  // F1..F6, then R1..R6
constexpr int kBoltsPerMember = 5;

struct BoltFan {
    EnemyShot bolts[kBoltsPerMember];
};

extern BoltFan boltFans[kEnemySlots][kFanMembers];

void ParkBoltFans(int slot);

// Call after writing `boltFans` from outside the passes: they look at every bolt again.
void BoltFansChanged();

void UpdateFallingFans(FrameContext& frame);
void UpdateRisingFans(FrameContext& frame);
