#pragma once
// The two scrolling background layers that open every frame.

#include "game/frame_context.h"

constexpr float kLayerHeight = 768.0f;

// Section: advance both offsets by the clock, draw the back then the front layer, wrap both.
void ScrollAndDrawBackground(FrameContext& frame);
