#pragma once
// A game pad as the keyboard: the d-pad and the left stick hold the arrow keys, the south
// button (A) holds the space bar. Only changes reach the key tables, as key-down and key-up
// messages, so the game sees a press exactly as it would see a key's.

#include <cstdint>

// One pad's reading.
struct PadReading {
    bool up = false, down = false, left = false, right = false;  // the d-pad
    bool south = false;                                          // button A
    std::int16_t stickX = 0, stickY = 0;                         // the left stick, y down
};

// The stick must lean this far (of 32767) before it counts: resting sticks drift.
constexpr int kStickDeadZone = 12000;

// What a reading holds, as the five keys the game reads.
struct PadKeySet {
    bool up = false, down = false, left = false, right = false, fire = false;
};

PadKeySet KeysOf(const PadReading& reading);

// Combines any number of pads (a key is held while any pad holds it) and sends the changes.
class PadKeys {
  public:
    // Sends key-downs for keys the pads now hold and key-ups for keys they let go.
    void Apply(const PadKeySet& held);
    // Lets go of everything the pads hold (the last pad was unplugged).
    void ReleaseAll() { Apply(PadKeySet{}); }

  private:
    PadKeySet held_;
};
