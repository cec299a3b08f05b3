#pragma once
// The 48 enemies: the slot index is an enemy's identity and indexes every per-enemy table.

#include <cstdint>

#include "game/common.h"
#include "game/frame_context.h"

struct Enemy {
    std::int32_t alive;  // 0 free (parked), 1 flying
    float x, y;          // centre
    float hit;           // 1 once a laser or shot has hit it, until it bursts
    float burstCounter;
    float flightStep;  // 0..1200 along the flight curve
    float heading;     // turn accumulator of the flight curve
};

extern Enemy enemies[kEnemySlots];

// The world reset's parking: alive, hit and burst progress to 0, the enemy to the parked
// position. The flight curve's step and heading are kept.
void ParkEnemy(int slot);

// Frees an enemy that left or burst: parked, with every field of its flight cleared too.
void ParkEnemy(Enemy& enemy);

// The enemy pass: spawn, flight, sprite, bottom cull and the slot's burst, slot by slot.
void UpdateEnemies(FrameContext& frame);
