#include "game/stage/shots.h"

#include "app/keyboard.h"
#include "game/rules/shot_hits.h"
#include "gfx/glow_line.h"

namespace {

constexpr float kFighterShotOffset = 18.0f;  // above the fighter's centre
constexpr float kOptionShotOffset = 6.0f;    // above an option's centre
constexpr float kShotSpeed = 16.0f;
constexpr float kRetireLine = -32.0f;
constexpr std::uint32_t kShotColour = 0x0FFF00;
constexpr float kLineNear = 40.0f;  // the drawn line runs from y - 40 to y - 80
constexpr float kLineFar = 80.0f;
constexpr float kFighterLineSpread = 10.0f;

// The first free record of the pool (active below 1), or null when all 100 fly.
PlayerShot* FirstFree(ShotPool& pool) {
    for (PlayerShot& shot : pool.shots) {
        if (shot.active < 1) return &shot;
    }
    return nullptr;
}

void Launch(PlayerShot& shot, float x, float y) {
    shot.active = 1;
    shot.x = x;
    shot.y = y;
}

}  // namespace

void ClearShotPool(int pool) {
    for (PlayerShot& shot : gameWorld.shotPools[pool].shots) shot = PlayerShot{0, 0.0f, 0.0f};
}

// The fighter's shot leaves from its new position; the options' from the places they took in
// the previous frame, since they move after firing.
void FireShots(FrameContext& /*frame*/) {
    if (!KeyPressedOnce(kVkSpace)) return;
    if (PlayerShot* shot = FirstFree(gameWorld.shotPools[0])) {
        Launch(*shot, gameWorld.playerX, gameWorld.playerY - kFighterShotOffset);
    }
    for (int option = 0; option < kOptionCount; ++option) {
        if (PlayerShot* shot = FirstFree(gameWorld.shotPools[option + 1])) {
            const Option& place = gameWorld.options[option];
            Launch(*shot, place.x, place.y - kOptionShotOffset);
        }
    }
}

void DrawShot(FrameContext& frame, int pool, const PlayerShot& shot) {
    if (pool == 0) {
        for (const float dx : {-kFighterLineSpread, kFighterLineSpread}) {
            DrawGlowLine(frame.surface, kShotColour, PointF{shot.x + dx, shot.y - kLineNear},
                         PointF{shot.x + dx, shot.y - kLineFar});
        }
    } else {
        DrawGlowLine(frame.surface, kShotColour, PointF{shot.x, shot.y - kLineNear},
                     PointF{shot.x, shot.y - kLineFar});
    }
}

// A shot is drawn where it stands, then moves; one that reaches exactly -32 is drawn once more.
// Under the shot-hit rules it is tested against the enemies where it has just moved to.
void UpdateShotPools(FrameContext& frame) {
    for (int pool = 0; pool < kShotPools; ++pool) {
        for (PlayerShot& shot : gameWorld.shotPools[pool].shots) {
            if (shot.active < 1) continue;
            DrawShot(frame, pool, shot);
            shot.y = shot.y - kShotSpeed;
            if (frame.rules == RuleSet::ShotHit) HitEnemiesWithShot(frame, shot);
            if (shot.y < kRetireLine) shot.active = 0;
        }
    }
}
