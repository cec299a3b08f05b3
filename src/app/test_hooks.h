#pragma once
// Faults a test build can inject into the running game, read once from the environment:
//   GRYVEL_TEST_PAINT_DELAY_MS=N     each paint takes N ms longer (a main thread falling behind)
//   GRYVEL_TEST_DEVICE_LOSS_EVERY=N  every N-th paint's renderer reports itself lost
// Built only with GRYVEL_TEST_HOOKS; otherwise both are zero and cost nothing.

struct TestHooks {
    int paintDelayMs = 0;
    int deviceLossEvery = 0;
};

TestHooks ReadTestHooks();
