#pragma once
// The curving-laser mechanics shared by the enemies' lasers, the fighter's lock-on lasers and
// the option lasers: 21 points leave one launch point a frame apart, steer through half a turn
// away from their aim point, then home on it until they leave the field.

#include <cstdint>

#include "game/common.h"
#include "game/frame_context.h"

// Strict bounds: a point beyond any of them has left the field.
struct LeaveBounds {
    float right, left, bottom, top;
    bool Outside(float x, float y) const { return x > right || x < left || y > bottom || y < top; }
};

// One laser kind's numbers.
struct RibbonStyle {
    float bendSign;        // the bend turns by bendSign x gamePi / 21 per steering frame
    float steerX, steerY;  // step multipliers while steering
    std::uint32_t colour;  // of the segments between points 1 and 19
    LeaveBounds bounds;
};

constexpr float kHomingSpeed = 30.0f;
constexpr int kLastLaunchTick = 20;
constexpr std::uint32_t kSteeringFrames = 20;  // a point steers while n <= tick <= n + 20

// A laser's point hit test, run between a point's drawing and its leave test; may change the
// laser (a hit ends it). Null for lasers that hit nothing.
using PointHitTest = void (*)(CurvingLaser& laser, int pointIndex, int slot);

// Arms an idle laser at the origin: the next launch part starts its ribbon.
void ArmLaser(CurvingLaser& laser, PointF origin);

// The launch part of an active laser: the tick advances; on the first frame every point moves
// to the launch point (origin + (1, 31)); on frames 0 to 20 one point leaves.
void AdvanceLaunch(CurvingLaser& laser, PointF origin);

// The point loop: every flying point steers or homes on `aim`, draws its segment, takes the
// hit test and the leave test; when point 20 is also out, the laser re-arms from `rearmOrigin`.
void UpdateRibbonPoints(FrameContext& frame, CurvingLaser& laser, int slot,
                        const RibbonStyle& style, PointF aim, PointF rearmOrigin,
                        PointHitTest hitTest);
