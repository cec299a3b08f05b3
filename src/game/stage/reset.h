#pragma once
// The one reset of every game table, run once at start-up.

void ResetWorld();
