#include "game/enemies/flight.h"

#include <cmath>

#include "game/enemies/enemy_groups.h"

namespace {

constexpr float kTurn = 0.0006f;
constexpr float kStepsPerCycle = 1200.0f;
constexpr float kSpeed = 6.0f;

// How the heading turns in each quarter of the cycle: +1 or -1.
struct Turns {
    float quarter[4];
};

constexpr Turns kOpening{{+1, +1, -1, -1}};
constexpr Turns kFightersMiddle{{+1, +1, +1, +1}};
constexpr Turns kTriplesWeave{{-1, -1, +1, +1}};
constexpr Turns kFightersLate{{-1, -1, -1, -1}};

// One step: advance and wrap the counter, turn by its quarter, then move on the new heading.
void Step(Enemy& enemy, const Turns& turns, bool moveX, float sink) {
    enemy.flightStep = enemy.flightStep + 1.0f;
    const float step = enemy.flightStep;
    for (int q = 0; q < 4; ++q) {
        if (step >= 300.0f * q + 1.0f && step <= 300.0f * (q + 1)) {
            enemy.heading = turns.quarter[q] > 0 ? enemy.heading + kTurn : enemy.heading - kTurn;
        }
    }
    if (enemy.flightStep >= kStepsPerCycle + 1.0f) enemy.flightStep = 0.0f;
    // The heading is taken through x 180 / 3.14 and then used as radians.
    const float theta = (enemy.heading * 180.0f) / gamePi;
    if (moveX) {
        enemy.x = enemy.x + kSpeed * static_cast<float>(std::cos(static_cast<double>(theta)));
    }
    enemy.y = enemy.y + (kSpeed * static_cast<float>(std::sin(static_cast<double>(theta))) + sink);
}

}  // namespace

void FlightStep(Enemy& enemy, int slot, float clock) {
    const bool fighter = slot < kFighterSlots;
    if (clock >= 1.0f && clock <= 2500.0f) Step(enemy, kOpening, true, 6.0f);
    if (clock >= 2500.0f && clock <= 7500.0f) {
        Step(enemy, fighter ? kFightersMiddle : kTriplesWeave, true, 6.0f);
    }
    if (clock >= 7500.0f && clock <= 10500.0f) {
        if (fighter) {
            Step(enemy, kFightersLate, true, 3.0f);
        } else {
            Step(enemy, kTriplesWeave, false, 6.0f);
        }
    }
    // The last phase: no step, no turn, a straight drop.
    if (clock >= 10500.0f && clock <= 14500.0f) enemy.y = enemy.y + 6.0f;
}
