#pragma once
// The stage-level world: the clock, the background scroll, the fighter, its options and shots.

#include <cstdint>

constexpr int kOptionCount = 4;
constexpr int kShotPools = 5;
constexpr int kShotsPerPool = 100;

struct Option {
    float x, y;
};

// active is 1 while the shot flies; a record whose active is below 1 is free.
struct PlayerShot {
    std::int32_t active;
    float x, y;
};

struct ShotPool {
    PlayerShot shots[kShotsPerPool];
};

struct GameWorld {
    float stageClock;  // frames since the lap began, always a whole number below 14300
    float backLayerScroll;
    float frontLayerScroll;
    float playerX, playerY;
    Option options[kOptionCount];
    ShotPool shotPools[kShotPools];  // pool 0 is the fighter's, pool k option k's
};

// Zero at program start; ResetWorld gives it its start values.
extern GameWorld gameWorld;
