#pragma once
// Bolt volleys: one falling volley of parallel bolts per enemy slot.

#include "game/common.h"
#include "game/frame_context.h"

using BoltVolley = EnemyShot;

extern BoltVolley boltVolleys[kEnemySlots];

void ParkBoltVolley(int slot);

void UpdateBoltVolleys(FrameContext& frame);
