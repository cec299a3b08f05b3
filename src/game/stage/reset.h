#pragma once
// The one reset of every game table, run once at start-up.

void ResetWorld();

// Every table back to all zero and the random generator to its first draw, as at program
// start. The game never does this; the runner's benchmark and the tests run several games in
// one process.
void ZeroAllTables();

// The element passes skip blocks they last saw parked. Call this after writing the element
// tables directly (tests do) so that every pass looks at every record again.
void ForgetParkedBlocks();
