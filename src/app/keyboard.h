#pragma once
// The keyboard as the game sees it: held and reported flags per virtual-key code.

#include <cstdint>

constexpr int kVkSpace = 0x20;
constexpr int kVkLeft = 0x25;
constexpr int kVkUp = 0x26;
constexpr int kVkRight = 0x27;
constexpr int kVkDown = 0x28;
constexpr int kKeyCodes = 256;

// 1 while the key is down (auto-repeat included), 0 after its key-up.
extern std::uint8_t keyHeld[kKeyCodes];
// 1 once KeyPressedOnce has reported the current press; cleared by the key-up.
extern std::uint8_t keyLatched[kKeyCodes];

// A key-down message. Codes outside 0..255 are ignored.
void OnKeyDown(int code);
// A key-up message. Codes outside 0..255 are ignored.
void OnKeyUp(int code);

// 1 the first time it is asked about a press of a held key, 0 otherwise.
int KeyPressedOnce(int code);

// Both tables back to all-up; the game never does this, tests do.
void ClearKeyTablesForTest();
