#include "game/enemies/enemy_groups.h"

namespace {

SlotProfile FighterProfile(int slot) {
    constexpr float kStartY[kFighterSlots] = {-200, -100,  -200, -600, -500,
                                              -600, -1000, -900, -1000};
    SlotProfile profile{};
    // 100-500, then 1000-1500, 2000-2500, ... 12000-12500.
    profile.windows[0] = SpawnWindow{100, 500};
    for (int k = 1; k < kMaxSpawnWindows; ++k) {
        profile.windows[k] = SpawnWindow{1000.0f * k, 1000.0f * k + 500.0f};
    }
    profile.windowCount = kMaxSpawnWindows;
    profile.startX = 60.0f * slot + 60.0f;
    profile.startY = kStartY[slot];
    profile.sprite = RectF{50, 0, 110, 60};
    profile.halfWidth = 30;
    profile.halfHeight = 30;
    return profile;
}

// Triple t (1..13) holds slots 3t + 6 to 3t + 8 and spawns from 1000t - 500 to 1000t + 50.
// Triples 1-3 use 300 x 300 cells in the row at top 100; triples 4-13 use 400 x 800 cells,
// three to a row from top 400.
SlotProfile TripleProfile(int slot) {
    const int t = (slot - 6) / 3;
    const int member = (slot - 6) % 3;
    const bool small = t <= 3;
    SlotProfile profile{};
    profile.windows[0] = SpawnWindow{1000.0f * t - 500.0f, 1000.0f * t + 50.0f};
    profile.windowCount = 1;
    constexpr float kStartX[3] = {150, 450, 300};
    profile.startX = kStartX[member];
    profile.startY = member < 2 ? (small ? -400.0f : -800.0f) : (small ? -800.0f : -1800.0f);
    if (small) {
        const float left = 300.0f * (t - 1);
        profile.sprite = RectF{left, 100, left + 300, 400};
        profile.halfWidth = 150;
        profile.halfHeight = 150;
    } else {
        const float left = 400.0f * ((t - 4) % 3);
        const float top = 400.0f + 800.0f * ((t - 4) / 3);
        profile.sprite = RectF{left, top, left + 400, top + 800};
        profile.halfWidth = 200;
        profile.halfHeight = 400;
    }
    return profile;
}

struct ProfileTable {
    SlotProfile slots[kEnemySlots];
    ProfileTable() {
        for (int slot = 0; slot < kEnemySlots; ++slot) {
            slots[slot] = slot < kFighterSlots ? FighterProfile(slot) : TripleProfile(slot);
        }
    }
};

const ProfileTable profiles;

}  // namespace

const SlotProfile& ProfileOf(int slot) {
    return profiles.slots[slot];
}
