#include "game/weapons/bolt_fans.h"

#include <cstdint>

#include "game/enemies/enemy_table.h"
#include "game/weapons/pellet_motion.h"
#include "gfx/glow_line.h"

BoltFan boltFans[kEnemySlots][kFanMembers];

namespace {

struct Member {
    int side;         // -1 left, +1 right
    int multiplier;   // sideways pixels per 10 of height: 1, 3 or 6
    float lineEndDx;  // the drawn line leans less than the path
};

// F1..F6 fall, R1..R6 rise; members are stored in that order.
constexpr Member kFalling[6] = {{-1, 1, 14}, {+1, 1, 14}, {-1, 3, 20},
                                {+1, 3, 20}, {-1, 6, 34}, {+1, 6, 34}};
constexpr Member kRising[6] = {{+1, 1, 14}, {-1, 1, 14}, {+1, 3, 20},
                               {-1, 3, 20}, {+1, 6, 34}, {-1, 6, 34}};

struct Group {
    const Member* members;
    int firstStored;  // index of the first member in a slot's 12 records
    int direction;    // +1 falls, -1 rises
    float bandTop, bandBottom;
    float lineEndDy;  // the drawn line runs from y + 30 to y + this
    std::uint32_t colour;
};

constexpr Group kFallingGroup{kFalling, 0, +1, 150, 200, 80, 0xF000FF};
constexpr Group kRisingGroup{kRising, 6, -1, 350, 400, -20, 0xFFFF00};

// Per slot and group (0 falling, 1 rising): every bolt parked when the group's last pass ended.
// Only a launch, in the band, unparks a bolt.
bool groupParked[kEnemySlots][2];

int GroupIndex(const Group& group) {
    return group.direction > 0 ? 0 : 1;
}

bool Culled(const Group& group, float y) {
    return group.direction > 0 ? y >= 1168.0f : y <= -400.0f;
}

// Bolt k of every member of the group, k by k: five speeds along one line per member.
void UpdateGroup(FrameContext& frame, const Group& group) {
    for (int slot = 0; slot < kEnemySlots; ++slot) {
        const Enemy& enemy = enemies[slot];
        const bool inBand =
            enemy.alive > 0 && enemy.y >= group.bandTop && enemy.y <= group.bandBottom;
        bool& parked = groupParked[slot][GroupIndex(group)];
        if (!inBand && parked) continue;
        bool allParked = true;
        for (int k = 0; k < kBoltsPerMember; ++k) {
            for (int m = 0; m < 6; ++m) {
                const Member& member = group.members[m];
                EnemyShot& bolt = boltFans[slot][group.firstStored + m].bolts[k];
                if (!inBand && AtRest(bolt)) continue;
                if (inBand && bolt.active == 0.0f) bolt = EnemyShot{enemy.x, enemy.y, 1.0f};
                if (bolt.active == 1.0f) {
                    const float side = static_cast<float>(member.side);
                    DrawGlowLine(
                        frame.surface, group.colour, PointF{bolt.x + side * 10.0f, bolt.y + 30.0f},
                        PointF{bolt.x + side * member.lineEndDx, bolt.y + group.lineEndDy});
                    // Whole-number steps, converted to float before they are added.
                    const int sideways = member.side * (6 - k) * member.multiplier;
                    const int vertical = group.direction * (60 - 10 * k);
                    bolt.x = bolt.x + static_cast<float>(sideways);
                    bolt.y = bolt.y + static_cast<float>(vertical);
                }
                if (Culled(group, bolt.y)) ParkShot(bolt);
                allParked = allParked && AtRest(bolt);
            }
        }
        parked = allParked;
    }
}

}  // namespace

void ParkBoltFans(int slot) {
    for (BoltFan& member : boltFans[slot]) {
        for (EnemyShot& bolt : member.bolts) ParkShot(bolt);
    }
    groupParked[slot][0] = groupParked[slot][1] = true;
}

void BoltFansChanged() {
    for (auto& slot : groupParked) slot[0] = slot[1] = false;
}

void UpdateFallingFans(FrameContext& frame) {
    UpdateGroup(frame, kFallingGroup);
}

void UpdateRisingFans(FrameContext& frame) {
    UpdateGroup(frame, kRisingGroup);
}
