#include "game/weapons/ring_volleys.h"

RingVolley ringVolleys[kEnemySlots][kRingsPerSlot];

void ParkRingVolleys(int slot) {
    for (RingVolley& ring : ringVolleys[slot]) {
        for (EnemyShot& pellet : ring.pellets) ParkShot(pellet);
    }
}

void UpdateRingVolleys(FrameContext& /*frame*/) {}
