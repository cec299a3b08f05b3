#pragma once
// One step's state as a JSON line, in the runner's documented key order.

#include <string>
#include <vector>

#include "gfx/counting_surface.h"
#include "sim/sim_options.h"

// The world after step `frame`: the sounds played and draw calls made during that step.
std::string DumpState(long frame, RuleSetName rules, const std::vector<std::string>& sounds,
                      const DrawCounts& draws);
