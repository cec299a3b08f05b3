// libFuzzer target: the headless runner's key-script parser must accept or refuse any text
// with a message, never crash, and keep its promise of events ordered by frame.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "sim/key_script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<KeyEvent> events;
    std::string error;
    if (ParseKeyScript(input, "fuzz", events, error)) {
        for (std::size_t i = 1; i < events.size(); ++i) {
            if (events[i].frame < events[i - 1].frame) std::abort();
        }
    } else if (error.empty()) {
        std::abort();  // a refusal always says why
    }
    return 0;
}
