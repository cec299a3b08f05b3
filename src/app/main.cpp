// gryvel: a vertical-scrolling shoot-'em-up. The command line is ignored. Built twice: gryvel
// plays the lock-on rules, gryvel-shothit the shot-hit rules.

#include "app/game_app.h"

int main() {
#if defined(GRYVEL_SHOT_HIT_RULES)
    return RunGame(RuleSet::ShotHit);
#else
    return RunGame(RuleSet::LockOn);
#endif
}
