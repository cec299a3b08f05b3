#pragma once
// The enemies' flight curve: four phases on the stage clock, weaving on a heading that turns
// over a 1200-step cycle while the enemy sinks.

#include "game/enemies/enemy_table.h"

// The flight step of a flying enemy for the frame's clock. On 2500, 7500 and 10500 the step of
// both adjoining phases is taken, one after the other; at 0 none.
void FlightStep(Enemy& enemy, int slot, float clock);
