#pragma once
// One step's state as a JSON line, in the runner's documented key order.

#include <string>
#include <vector>

#include "gfx/counting_surface.h"
#include "sim/sim_options.h"

// Appends a float as "%.9g" would print it (round-trips a 32-bit float).
void AppendDumpFloat(std::string& out, float value);

// The world after step `frame`: the sounds played and draw calls made during that step.
std::string DumpState(long frame, RuleSetName rules, const std::vector<std::string>& sounds,
                      const DrawCounts& draws);
