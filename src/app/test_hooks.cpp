#include "app/test_hooks.h"

#include <cstdlib>

namespace {

[[maybe_unused]] int ReadCount(const char* name) {
    const char* text = std::getenv(name);
    if (text == nullptr) return 0;
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    return (end != text && *end == '\0' && value > 0 && value <= 100000) ? static_cast<int>(value)
                                                                         : 0;
}

}  // namespace

TestHooks ReadTestHooks() {
    TestHooks hooks;
#if defined(GRYVEL_TEST_HOOKS)
    hooks.paintDelayMs = ReadCount("GRYVEL_TEST_PAINT_DELAY_MS");
    hooks.deviceLossEvery = ReadCount("GRYVEL_TEST_DEVICE_LOSS_EVERY");
#endif
    return hooks;
}
