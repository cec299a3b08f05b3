#include "game/weapons/bolt_volleys.h"

BoltVolley boltVolleys[kEnemySlots];

void ParkBoltVolley(int slot) {
    ParkShot(boltVolleys[slot]);
}

void UpdateBoltVolleys(FrameContext& /*frame*/) {}
