#pragma once
// Death bursts: 221 particle records per enemy slot.

#include "game/common.h"

constexpr int kBurstParticles = 221;

struct BurstParticle {
    float x, y;
    float vx, vy;
    float active;
    float age;
};

extern BurstParticle bursts[kEnemySlots][kBurstParticles];

// Puts every particle of the slot at the parked position, at rest.
void ParkBursts(int slot);
