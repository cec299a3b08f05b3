#pragma once
// The one line primitive: a wide faint halo, a body and a solid core.

#include <cstdint>

#include "gfx/drawing_surface.h"

// Widths and alphas of the three passes, widest first.
constexpr float kGlowHaloWidth = 8.0f;
constexpr float kGlowBodyWidth = 4.0f;
constexpr float kGlowCoreWidth = 2.0f;

// Draws the segment three times over; leaves the brush at the base colour, alpha 1.
void DrawGlowLine(DrawingSurface& target, std::uint32_t rgb, PointF from, PointF to);
