#include "game/enemies/bursts.h"

#include <cstdint>

#include "game/enemies/enemy_table.h"
#include "game/game_random.h"
#include "game/stage/world.h"

BurstParticle bursts[kEnemySlots][kBurstParticles];

namespace {

constexpr int kLastSmallSpark = 160;  // particles 0..160 are small and age out
constexpr int kFirstYellowSpark = 81;
constexpr float kLastSeedCount = 220.0f;  // particle 220 is never seeded
constexpr float kAgeLimit = 100.0f;
constexpr float kSmallHalf = 8.0f;
constexpr float kPieceHalf = 15.0f;

constexpr RectF kOrangeSpark{94, 84, 110, 100};  // particles 0..80
constexpr RectF kYellowSpark{62, 84, 78, 100};   // particles 81..160
constexpr RectF kDebrisPiece{110, 0, 140, 30};   // particles 161..220

constexpr BurstParticle kParkedParticle{parkedX, parkedY, 0.0f, 0.0f, 0.0f, 0.0f};

void Park(BurstParticle& particle) {
    particle = kParkedParticle;
}

// Each draw in its own statement, in order: the two draws for vx (left one first), then vy.
void Seed(BurstParticle& particle, int j, const Enemy& enemy) {
    if (j <= kLastSmallSpark) {
        particle.x = enemy.x + 22.0f;
        particle.y = (enemy.y + 22.0f) - 25.0f;
        const int r1 = GameRand();
        const int r2 = GameRand();
        particle.vx = static_cast<float>(r1 % 22 - r2 % 22 + 4);
        const int r3 = GameRand();
        const int r4 = GameRand();
        particle.vy = static_cast<float>(r3 % 22 - r4 % 22 - 14);
    } else {
        particle.x = enemy.x + 15.0f;
        particle.y = (enemy.y + 15.0f) - 25.0f;
        const int r1 = GameRand();
        const int r2 = GameRand();
        particle.vx = static_cast<float>(r1 % 4 - r2 % 4);
        const int r3 = GameRand();
        particle.vy = static_cast<float>(r3 % 12 + 4);
    }
    particle.age = 0.0f;
    particle.active = 1.0f;
}

// The counter advances once per particle index, so the whole burst happens in one pass:
// "hit" at count 2, particles 0..219 seeded, the enemy removed at 221.
void SeedOrRemove(FrameContext& frame, Enemy& enemy, BurstParticle& particle, int j) {
    if (enemy.hit <= 0.0f) return;
    enemy.burstCounter = enemy.burstCounter + 1.0f;
    if (enemy.burstCounter >= 1.0f && enemy.burstCounter <= kLastSeedCount) {
        // Under the shot-hit rules the shot that hit has already played "hit".
        if (enemy.burstCounter == 2.0f && frame.rules == RuleSet::LockOn) {
            frame.sounds.PlayFromStart("hit");
        }
        Seed(particle, j, enemy);
    }
    if (enemy.burstCounter >= kLastSeedCount + 1.0f) ParkEnemy(enemy);
}

// A spark that ages out is still drawn in that frame.
void Fly(FrameContext& frame, BurstParticle& particle, int j) {
    if (particle.active != 1.0f) return;
    particle.x = particle.x + particle.vx;
    particle.y = particle.y + particle.vy;
    if (j <= kLastSmallSpark) {
        if (particle.age >= 0.0f && particle.age <= kAgeLimit) particle.age = particle.age + 1.0f;
        if (particle.age >= kAgeLimit) particle.active = 0.0f;
    }
    const RectF& sprite =
        j <= kLastSmallSpark ? (j < kFirstYellowSpark ? kOrangeSpark : kYellowSpark) : kDebrisPiece;
    const float half = j <= kLastSmallSpark ? kSmallHalf : kPieceHalf;
    frame.surface.DrawBitmap(
        BitmapId::SpriteSheet,
        RectF{particle.x - half, particle.y - half, particle.x + half, particle.y + half}, 1.0f,
        sprite);
}

// Bounds included. Parked particles are re-parked here every frame.
void FieldCull(BurstParticle& particle) {
    if (particle.x <= -100.0f || particle.x >= 700.0f || particle.y <= -100.0f ||
        particle.y >= 868.0f) {
        Park(particle);
    }
}

// A particle touching the fighter simply vanishes; the fighter is not affected.
void FighterTouch(BurstParticle& particle) {
    const float px = gameWorld.playerX, py = gameWorld.playerY;
    if (px + 50.0f >= particle.x && particle.x + 16.0f >= px && py + 100.0f >= particle.y &&
        particle.y + 16.0f >= py) {
        Park(particle);
    }
}

bool IsParked(const BurstParticle& particle) {
    return particle.x == parkedX && particle.y == parkedY;
}

// One particle's turn after any seeding. True when it is still out of the parked position.
bool Visit(FrameContext& frame, BurstParticle& particle, int j) {
    // A parked particle stays parked: the culls would only park it again.
    if (IsParked(particle)) return false;
    Fly(frame, particle, j);
    FieldCull(particle);
    FighterTouch(particle);
    return !IsParked(particle);
}

// The particles of a slot that are not parked, in index order, as the slot's last pass left
// them. Not known after a reset or an outside write until a pass has looked at every particle.
struct Unparked {
    bool known;
    int count;
    std::uint8_t index[kBurstParticles];
};
static_assert(kBurstParticles <= 256);

Unparked unparkedParticles[kEnemySlots];

}  // namespace

void ParkBursts(int slot) {
    for (BurstParticle& particle : bursts[slot]) Park(particle);
    unparkedParticles[slot].known = true;
    unparkedParticles[slot].count = 0;
}

void BurstTableChanged() {
    for (Unparked& unparked : unparkedParticles) unparked.known = false;
}

void UpdateBurst(FrameContext& frame, int slot) {
    Enemy& enemy = enemies[slot];
    // Nothing in this pass sets hit, so a slot that is not bursting now will not start to.
    const bool bursting = enemy.hit > 0.0f;
    Unparked& unparked = unparkedParticles[slot];
    if (!bursting && unparked.known) {
        // Only seeding unparks a particle, so the others would all be skipped below.
        int kept = 0;
        for (int n = 0; n < unparked.count; ++n) {
            const int j = unparked.index[n];
            if (Visit(frame, bursts[slot][j], j))
                unparked.index[kept++] = static_cast<std::uint8_t>(j);
        }
        unparked.count = kept;
        return;
    }
    unparked.count = 0;
    for (int j = 0; j < kBurstParticles; ++j) {
        BurstParticle& particle = bursts[slot][j];
        if (bursting) SeedOrRemove(frame, enemy, particle, j);
        if (Visit(frame, particle, j))
            unparked.index[unparked.count++] = static_cast<std::uint8_t>(j);
    }
    unparked.known = true;
}
