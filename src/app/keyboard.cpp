#include "app/keyboard.h"

#include <cstring>

std::uint8_t keyHeld[kKeyCodes];
std::uint8_t keyLatched[kKeyCodes];

namespace {

bool InTable(int code) {
    return code >= 0 && code < kKeyCodes;
}

}  // namespace

void OnKeyDown(int code) {
    if (InTable(code)) keyHeld[code] = 1;
}

void OnKeyUp(int code) {
    if (!InTable(code)) return;
    keyHeld[code] = 0;
    keyLatched[code] = 0;
}

int KeyPressedOnce(int code) {
    if (!InTable(code)) return 0;
    if (keyHeld[code] == 0 || keyLatched[code] == 1) return 0;
    keyLatched[code] = 1;
    return 1;
}

void ClearKeyTablesForTest() {
    std::memset(keyHeld, 0, sizeof keyHeld);
    std::memset(keyLatched, 0, sizeof keyLatched);
}
