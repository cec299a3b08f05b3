#include "game/enemies/bursts.h"

BurstParticle bursts[kEnemySlots][kBurstParticles];

void ParkBursts(int slot) {
    for (BurstParticle& particle : bursts[slot]) {
        particle = BurstParticle{parkedX, parkedY, 0.0f, 0.0f, 0.0f, 0.0f};
    }
}
