#include "game/weapons/ring_volleys.h"

#include "game/enemies/enemy_table.h"
#include "game/weapons/pellet_motion.h"

RingVolley ringVolleys[kEnemySlots][kRingsPerSlot];

namespace {

struct Ring {
    float offsetX, offsetY;  // spawn point relative to the enemy
    double speed;
    std::uint32_t colour;
};

// Rings 1-3 below every enemy; rings 4-9 above and to the sides of the larger ones (9..47).
constexpr Ring kRings[kRingsPerSlot] = {
    {0, 60, 6, 0xF000FF},    {0, 60, 8, 0xF00FFF},    {0, 60, 10, 0xF000FF},
    {-60, -60, 6, 0xFFFF00}, {-60, -60, 8, 0xFFFF00}, {-60, -60, 10, 0xFFFF00},
    {60, -60, 6, 0xFFFF00},  {60, -60, 8, 0xFFFF00},  {60, -60, 10, 0xFFFF00},
};
constexpr int kSmallEnemyRings = 3;
constexpr int kFirstLargeSlot = 9;
constexpr float kBandTop = 150.0f;
constexpr float kBandBottom = 200.0f;

// Pellet k heads at 360 - 10k taken as radians, not degrees: all different, unevenly spread.
double DirectionOf(int k) {
    return static_cast<double>(360 - 10 * k);
}

// The step of pellet k of ring r, the same every frame.
struct RingSteps {
    FixedStep step[kRingsPerSlot][kPelletsPerRing];
    RingSteps() {
        for (int r = 0; r < kRingsPerSlot; ++r) {
            for (int k = 0; k < kPelletsPerRing; ++k) {
                step[r][k] = FixedStep{StepAlong(std::cos, DirectionOf(k), kRings[r].speed),
                                       StepAlong(std::sin, DirectionOf(k), kRings[r].speed)};
            }
        }
    }
};

const RingSteps ringSteps;

// Slots whose pellets were all parked when their last pass ended. Only a spawn, in the band,
// unparks a pellet, so such a slot has nothing to do until its enemy reaches the band.
bool slotParked[kEnemySlots];

}  // namespace

void ParkRingVolleys(int slot) {
    for (RingVolley& ring : ringVolleys[slot]) {
        for (EnemyShot& pellet : ring.pellets) ParkShot(pellet);
    }
    slotParked[slot] = true;
}

void RingVolleysChanged() {
    for (bool& parked : slotParked) parked = false;
}

void UpdateRingVolleys(FrameContext& frame) {
    for (int slot = 0; slot < kEnemySlots; ++slot) {
        const Enemy& enemy = enemies[slot];
        const bool inBand = EnemyFlyingBetween(kBandTop, kBandBottom, enemy.alive, enemy.y);
        const int rings = slot < kFirstLargeSlot ? kSmallEnemyRings : kRingsPerSlot;
        if (!inBand && slotParked[slot]) continue;
        bool allParked = true;
        for (int k = 0; k < kPelletsPerRing; ++k) {
            for (int r = 0; r < rings; ++r) {
                const Ring& ring = kRings[r];
                EnemyShot& pellet = ringVolleys[slot][r].pellets[k];
                if (!inBand && AtRest(pellet)) continue;
                if (inBand && pellet.active == 0.0f) {
                    pellet.x = enemy.x + ring.offsetX;
                    pellet.y = enemy.y + ring.offsetY;
                    pellet.active = 1.0f;
                }
                if (pellet.active == 1.0f) {
                    DrawPellet(frame, ring.colour, pellet);
                    pellet.x = pellet.x + ringSteps.step[r][k].x;
                    pellet.y = pellet.y + ringSteps.step[r][k].y;
                }
                if (OutsidePelletBox(pellet)) ParkShot(pellet);
                allParked = allParked && AtRest(pellet);
            }
        }
        slotParked[slot] = allParked;
    }
}
