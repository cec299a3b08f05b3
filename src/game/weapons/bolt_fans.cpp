#include "game/weapons/bolt_fans.h"

BoltFan boltFans[kEnemySlots][kFanMembers];

void ParkBoltFans(int slot) {
    for (BoltFan& member : boltFans[slot]) {
        for (EnemyShot& bolt : member.bolts) ParkShot(bolt);
    }
}

void UpdateFallingFans(FrameContext& /*frame*/) {}

void UpdateRisingFans(FrameContext& /*frame*/) {}
