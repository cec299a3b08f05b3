#pragma once
// The program: start-up in a fixed order, the event loop, shutdown in a fixed order.

#include "game/rules/rule_set.h"

// Runs the game under the rule set until its window is closed. Always returns 0: a start-up
// failure shows its message (or says why on standard error) and ends the program with 0 too.
int RunGame(RuleSet rules);
