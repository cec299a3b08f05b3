#pragma once
// Constants and element records that the stage, weapon and enemy tables share.

#include <cstdint>

// Where every unused enemy, particle, weapon element and laser point waits.
constexpr float parkedX = -2550.0f;
constexpr float parkedY = -3550.0f;
// Where a laser point that has left the field waits.
constexpr float spentX = -1550.0f;
constexpr float spentY = -3550.0f;

// The game's one angle constant. It is 3.14, not pi: the laser bends and the
// heading conversion (x 180 / 3.14) depend on exactly this value.
constexpr float gamePi = 3.14f;

constexpr int kEnemySlots = 48;
constexpr int kLaserPoints = 21;

// One point of a 21-point laser ribbon.
struct LaserPoint {
    float x, y;
    float state;  // meaning per laser kind; 0 = never launched
    float bend;
    float aim;
    float stepX, stepY;
};

// One enemy pellet or bolt.
struct EnemyShot {
    float x, y;
    float active;
};

// A curving laser: the enemies' ribbons, the fighter's lock-on lasers and the option lasers.
// tick is compared unsigned, so -1 (armed, not started) is above every point index.
struct CurvingLaser {
    float active;
    std::int32_t tick;
    float launchX, launchY;
    LaserPoint points[kLaserPoints];
};

// Parks a shot at the parked position, inactive.
inline void ParkShot(EnemyShot& shot) {
    shot.x = parkedX;
    shot.y = parkedY;
    shot.active = 0.0f;
}

// Parks a laser and every point of it, clearing everything else.
inline void ParkLaser(CurvingLaser& laser) {
    laser.active = 0.0f;
    laser.tick = 0;
    laser.launchX = parkedX;
    laser.launchY = parkedY;
    for (LaserPoint& point : laser.points) point = LaserPoint{parkedX, parkedY, 0, 0, 0, 0, 0};
}
