#include "game/laser_ribbon.h"

#include <cmath>

#include "gfx/glow_line.h"

namespace {

constexpr float kLaunchDrop = 30.0f;  // the ribbon leaves from below its origin
constexpr int kFirstDrawnSegment = 1;
constexpr int kLastDrawnSegment = 18;
constexpr int kTailPoint = kLaserPoints - 1;
// A re-armed laser's tail is put back inside the bounds, so the next point to leave does not
// re-arm it again.
constexpr float kTailRestX = -68.0f;

// Direction from (x + 11, y + 3) to the aim point; the differences are taken in float.
float AimOf(const LaserPoint& point, PointF aim) {
    const float dy = aim.y - (point.y + 3.0f);
    const float dx = aim.x - (point.x + 11.0f);
    return static_cast<float>(std::atan2(static_cast<double>(dy), static_cast<double>(dx)));
}

void Move(LaserPoint& point, PointF aim, float speedX, float speedY) {
    point.aim = AimOf(point, aim);
    const float theta = point.bend + point.aim;
    point.stepX = static_cast<float>(std::cos(static_cast<double>(theta))) * speedX;
    point.stepY = static_cast<float>(std::sin(static_cast<double>(theta))) * speedY;
    point.x = point.x + point.stepX;
    point.y = point.y + point.stepY;
}

}  // namespace

void ArmLaser(CurvingLaser& laser, PointF origin) {
    laser.launchX = origin.x;
    laser.launchY = origin.y;
    laser.tick = -1;
    laser.active = 1.0f;
}

void AdvanceLaunch(CurvingLaser& laser, PointF origin) {
    // Counted unsigned: a laser that never re-arms counts on without overflow trouble.
    laser.tick = static_cast<std::int32_t>(static_cast<std::uint32_t>(laser.tick) + 1u);
    if (laser.tick == 0) {
        laser.launchX = origin.x;
        laser.launchY = origin.y + kLaunchDrop;
        for (LaserPoint& point : laser.points) {
            point.x = laser.launchX + 1.0f;
            point.y = laser.launchY + 1.0f;
        }
    }
    if (laser.tick >= 0 && laser.tick <= kLastLaunchTick) {
        LaserPoint& point = laser.points[laser.tick];
        point.x = laser.launchX + 1.0f;
        point.y = laser.launchY + 1.0f;
        point.bend = gamePi;
        point.state = 1.0f;
    }
}

void UpdateRibbonPoints(FrameContext& frame, CurvingLaser& laser, int slot,
                        const RibbonStyle& style, PointF aim, PointF rearmOrigin,
                        PointHitTest hitTest) {
    for (int n = 0; n < kLaserPoints; ++n) {
        LaserPoint& point = laser.points[n];
        // Whether the point flies is decided once, as its turn begins; the tick is read afresh
        // for every point, so after a hit or a re-arm the later points already home.
        if (point.state != 1.0f) continue;
        const std::uint32_t tick = static_cast<std::uint32_t>(laser.tick);
        const std::uint32_t index = static_cast<std::uint32_t>(n);
        if (index <= tick && tick <= index + kSteeringFrames) {
            point.bend = point.bend + (style.bendSign * gamePi) / 21.0f;
            Move(point, aim, style.steerX, style.steerY);
        }
        if (tick >= index + kSteeringFrames + 1) Move(point, aim, kHomingSpeed, kHomingSpeed);
        if (n >= kFirstDrawnSegment && n <= kLastDrawnSegment) {
            const LaserPoint& next = laser.points[n + 1];
            DrawGlowLine(frame.surface, style.colour, PointF{point.x, point.y},
                         PointF{next.x, next.y});
        }
        if (hitTest != nullptr) hitTest(laser, n, slot);
        if (style.bounds.Outside(point.x, point.y)) {
            point.state = 2.0f;
            point.x = spentX;
            point.y = spentY;
            LaserPoint& tail = laser.points[kTailPoint];
            if (style.bounds.Outside(tail.x, tail.y)) {
                laser.active = 0.0f;
                laser.tick = -1;
                laser.launchX = rearmOrigin.x;
                laser.launchY = rearmOrigin.y;
                point.x = laser.launchX + 1.0f;
                point.y = laser.launchY + 1.0f;
                tail.x = kTailRestX;
            }
        }
    }
}
