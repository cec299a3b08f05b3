#pragma once
// One game step: the stage frame's sections in order, then the explosion flashes.

#include "game/frame_context.h"

constexpr float kLapFrames = 14300.0f;

// The whole stage, updated and drawn section by section.
void StageFrame(FrameContext& frame);

// One game step: StageFrame, then the explosions over everything.
void GameFrame(FrameContext& frame);
