#pragma once
// Death bursts: 221 particle records per enemy slot, seeded in one pass when the enemy is hit.

#include "game/common.h"
#include "game/frame_context.h"

constexpr int kBurstParticles = 221;

struct BurstParticle {
    float x, y;
    float vx, vy;
    float active;
    float age;  // frames flown; the small sparks (0 to 160) age out at 100
};

extern BurstParticle bursts[kEnemySlots][kBurstParticles];

// Puts every particle of the slot at the parked position, at rest.
void ParkBursts(int slot);

// Call after writing `bursts` from outside the burst pass: the pass then looks at every particle
// again instead of only those it last saw in flight.
void BurstTableChanged();

// The slot's burst pass, the last step of its turn in the enemy pass: seeding and removal of a
// hit enemy, then the flight, ageing, drawing and culls of every particle, index by index.
void UpdateBurst(FrameContext& frame, int slot);
