#include "game/weapons/sweep_streams.h"

#include "game/enemies/enemy_table.h"
#include "game/weapons/pellet_motion.h"

SweepStreams sweepStreams[kEnemySlots];

namespace {

constexpr float kBandTop = 150.0f;
constexpr float kBandBottom = 800.0f;
constexpr std::uint32_t kLastElement = 35;  // element 0 is never emitted
constexpr float kMuzzleOffset = 20.0f;
constexpr double kSpeed = 16.0;
constexpr int kFirstLargeSlot = 9;

// Element k heads at 0.2 x (18 - k) radians with 18 - k taken unsigned: past k = 18 the angle
// jumps to about 0.2 x 2^32 and the sweep does not simply run on.
double DirectionOf(int k) {
    const std::uint32_t turns = 18u - static_cast<std::uint32_t>(k);
    return 0.2 * static_cast<double>(turns);
}

// The left stream's step of element k, the same every frame.
struct SweepSteps {
    FixedStep step[kStreamElements];
    SweepSteps() {
        for (int k = 0; k < kStreamElements; ++k) {
            step[k] = FixedStep{StepAlong(std::cos, DirectionOf(k), kSpeed),
                                StepAlong(std::sin, DirectionOf(k), kSpeed)};
        }
    }
};

const SweepSteps sweepSteps;

// Slots whose elements were all parked when their last pass ended: only an emission unparks one.
bool slotParked[kEnemySlots];

void Emit(SweepStreams& streams, const Enemy& enemy) {
    streams.emitIndex =
        static_cast<std::int32_t>(static_cast<std::uint32_t>(streams.emitIndex) + 1u);
    const std::uint32_t index = static_cast<std::uint32_t>(streams.emitIndex);
    if (index <= kLastElement) {
        // An element still in flight is taken over and restarts from the enemy.
        streams.left[index] = EnemyShot{enemy.x - kMuzzleOffset, enemy.y, 1.0f};
        streams.right[index] = EnemyShot{enemy.x + kMuzzleOffset, enemy.y, 1.0f};
    }
    if (index >= kLastElement) streams.emitIndex = 0;
}

}  // namespace

void ParkSweepStreams(int slot) {
    SweepStreams& streams = sweepStreams[slot];
    for (EnemyShot& pellet : streams.left) ParkShot(pellet);
    for (EnemyShot& pellet : streams.right) ParkShot(pellet);
    streams.emitIndex = 0;
    slotParked[slot] = true;
}

void SweepStreamsChanged() {
    for (bool& parked : slotParked) parked = false;
}

// Outside the band the counter keeps its value for the next time.
void EmitSweepStreams(FrameContext& /*frame*/) {
    for (int slot = 0; slot < kEnemySlots; ++slot) {
        const Enemy& enemy = enemies[slot];
        if (EnemyFlyingBetween(kBandTop, kBandBottom, enemy.alive, enemy.y)) {
            Emit(sweepStreams[slot], enemy);
            slotParked[slot] = false;
        }
    }
}

// The right stream is the left one mirrored in x.
void UpdateSweepStreams(FrameContext& frame) {
    for (int slot = 0; slot < kEnemySlots; ++slot) {
        SweepStreams& streams = sweepStreams[slot];
        if (slotParked[slot]) continue;
        bool allParked = true;
        const std::uint32_t colour = slot < kFirstLargeSlot ? 0xFFF000 : 0x00FFFF;
        for (int k = 0; k < kStreamElements; ++k) {
            const FixedStep& step = sweepSteps.step[k];
            for (EnemyShot* pellet : {&streams.left[k], &streams.right[k]}) {
                if (AtRest(*pellet)) continue;
                if (pellet->active == 1.0f) {
                    DrawPellet(frame, colour, *pellet);
                    pellet->x =
                        pellet == &streams.left[k] ? pellet->x + step.x : pellet->x - step.x;
                    pellet->y = pellet->y + step.y;
                }
                if (OutsidePelletBox(*pellet)) ParkShot(*pellet);
                allParked = allParked && AtRest(*pellet);
            }
        }
        slotParked[slot] = allParked;
    }
}
