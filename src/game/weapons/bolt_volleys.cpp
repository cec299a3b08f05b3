#include "game/weapons/bolt_volleys.h"

#include <cstdint>

#include "game/enemies/enemy_table.h"
#include "gfx/glow_line.h"

BoltVolley boltVolleys[kEnemySlots];

namespace {

struct Bolt {
    float dx, top, bottom;
    std::uint32_t colour;
};

// Drawn in this order, left bolt of each pair first: slots 0-8 draw the first 2, slots 9-23
// the first 4, slots 24-47 all 8.
constexpr Bolt kBolts[] = {
    {-10, 30, 80, 0x0FFFFF}, {10, 30, 80, 0x0FFFFF},  {-20, 20, 70, 0x0FFFFF},
    {20, 20, 70, 0x0FFFFF},  {-40, 20, 70, 0xFFF000}, {40, 20, 70, 0xFFF000},
    {-70, 0, 50, 0xFFF000},  {70, 0, 50, 0xFFF000},
};

int BoltsOf(int slot) {
    return slot < 9 ? 2 : (slot < 24 ? 4 : 8);
}

constexpr float kFireFromY = 100.0f;
constexpr float kFallSpeed = 18.0f;
constexpr float kCullLine = 1168.0f;

}  // namespace

void ParkBoltVolley(int slot) {
    ParkShot(boltVolleys[slot]);
}

// The volley falls on its own; the enemy fires the next once it has gone below the field.
void UpdateBoltVolleys(FrameContext& frame) {
    for (int slot = 0; slot < kEnemySlots; ++slot) {
        const Enemy& enemy = enemies[slot];
        BoltVolley& volley = boltVolleys[slot];
        if (enemy.alive > 0 && enemy.y >= kFireFromY && volley.active == 0.0f) {
            volley = BoltVolley{enemy.x, enemy.y, 1.0f};
        }
        if (volley.active == 1.0f) {
            for (int b = 0; b < BoltsOf(slot); ++b) {
                const Bolt& bolt = kBolts[b];
                DrawGlowLine(frame.surface, bolt.colour,
                             PointF{volley.x + bolt.dx, volley.y + bolt.top},
                             PointF{volley.x + bolt.dx, volley.y + bolt.bottom});
            }
            volley.y = volley.y + kFallSpeed;
        }
        if (volley.y >= kCullLine) ParkShot(volley);
    }
}
