#pragma once
// Sweep streams: two mirrored pellet streams per enemy slot.

#include <cstdint>

#include "game/common.h"
#include "game/frame_context.h"

constexpr int kStreamElements = 36;

struct SweepStreams {
    std::int32_t emitIndex;  // compared unsigned
    EnemyShot left[kStreamElements];
    EnemyShot right[kStreamElements];
};

extern SweepStreams sweepStreams[kEnemySlots];

// Parks both streams and sets emitIndex to 0.
void ParkSweepStreams(int slot);

// Call after writing `sweepStreams` from outside the passes: they look at every element again.
void SweepStreamsChanged();

void EmitSweepStreams(FrameContext& frame);
void UpdateSweepStreams(FrameContext& frame);
