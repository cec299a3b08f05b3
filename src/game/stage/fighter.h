#pragma once
// The fighter, moved by the arrow keys inside its area, and the four options trailing it.

#include "game/frame_context.h"

constexpr float kFighterStartX = 300.0f;
constexpr float kFighterStartY = 720.0f - 100.0f * 2.0f;

// Puts options 1 to 4 at their places around the fighter's present position.
void PlaceOptions();

// Section: movement from the held arrow keys, then clamping to the fighter's area.
void MoveFighter(FrameContext& frame);
// Section: the options take their places (after firing, so option shots leave from the old ones).
void PlaceOptionsSection(FrameContext& frame);
// Section: options 1 to 4, then the fighter, drawn with their sprites.
void DrawOptionsAndFighter(FrameContext& frame);
