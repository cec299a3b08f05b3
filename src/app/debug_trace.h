#pragma once
// A debug read-out for tests and bug reports: with GRYVEL_TRACE=FILE set, the game appends one
// line per event worth checking from outside (a sound loaded, a paint and the stage clock after
// it, device resources made, focus changes). Main thread only. Without the variable it costs a
// pointer test.

#include <cstdio>

// Opens the file named by GRYVEL_TRACE, if any. Call once at start-up.
void OpenDebugTrace();
void CloseDebugTrace();

// printf-style; does nothing when no trace is open.
void DebugTrace(const char* format, ...) __attribute__((format(printf, 1, 2)));
