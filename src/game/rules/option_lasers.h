#pragma once
// Shot-hit rules: each option fires a curving laser upwards, re-arming forever from its place.

#include "game/common.h"
#include "game/frame_context.h"
#include "game/stage/world.h"

using OptionLaser = CurvingLaser;

// Laser i belongs to option i + 1. Zero at program start; the world reset leaves them.
extern OptionLaser optionLasers[kOptionCount];

// The section between the fighter's drawing and the enemies' lasers: arming, launch, points.
void UpdateOptionLasers(FrameContext& frame);
