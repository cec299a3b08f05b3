#pragma once
// The game's one random generator: integers 0..32767, never seeded, so every run repeats the
// same bursts. It is the classic C-runtime generator; glibc's rand() has another range.

// The next draw. Take each draw in its own statement: the order of draws is part of the game.
int GameRand();

// Back to the state at program start (tests and benchmarks run several games in one process).
void ResetGameRandom();
