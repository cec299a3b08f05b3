#include "app/window_state.h"

std::atomic<std::int32_t> windowInactive{0};
