#include "game/game_random.h"

#include <cstdint>

namespace {

std::uint32_t state = 1;

}  // namespace

int GameRand() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFFu);
}

void ResetGameRandom() {
    state = 1;
}
