#pragma once
// What the pellet weapons share: the glow dot, the cull box and the step in float.

#include <cmath>
#include <cstdint>

#include "game/common.h"
#include "game/frame_context.h"
#include "gfx/glow_line.h"

// Bounds included: a pellet on or beyond any of them is parked.
inline bool OutsidePelletBox(const EnemyShot& pellet) {
    return pellet.x <= -400.0f || pellet.x >= 1000.0f || pellet.y <= -400.0f || pellet.y >= 1168.0f;
}

// A pellet is a glow line one unit across and one down: three concentric dots.
inline void DrawPellet(FrameContext& frame, std::uint32_t rgb, const EnemyShot& pellet) {
    DrawGlowLine(frame.surface, rgb, PointF{pellet.x, pellet.y},
                 PointF{pellet.x + 1.0f, pellet.y + 1.0f});
}

// cos and sin stay in double, times the speed in double; the product is rounded to float once
// before the float addition.
inline float StepAlong(double (*trig)(double), double angle, double speed) {
    return static_cast<float>(trig(angle) * speed);
}

// A pellet at rest in the parked position: nothing but a spawn changes it.
inline bool AtRest(const EnemyShot& pellet) {
    return pellet.active == 0.0f && pellet.x == parkedX && pellet.y == parkedY;
}

// The float step of a fixed direction at a fixed speed, computed once: the same value the
// formula gives every frame.
struct FixedStep {
    float x, y;
};

inline bool EnemyFlyingBetween(float low, float high, std::int32_t alive, float y) {
    return alive > 0 && y >= low && y <= high;
}
