#include "game/weapons/sweep_streams.h"

SweepStreams sweepStreams[kEnemySlots];

void ParkSweepStreams(int slot) {
    SweepStreams& streams = sweepStreams[slot];
    for (EnemyShot& pellet : streams.left) ParkShot(pellet);
    for (EnemyShot& pellet : streams.right) ParkShot(pellet);
    streams.emitIndex = 0;
}

void EmitSweepStreams(FrameContext& /*frame*/) {}

void UpdateSweepStreams(FrameContext& /*frame*/) {}
