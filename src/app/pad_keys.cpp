#include "app/pad_keys.h"

#include "app/keyboard.h"

PadKeySet KeysOf(const PadReading& reading) {
    PadKeySet keys;
    keys.up = reading.up || reading.stickY <= -kStickDeadZone;
    keys.down = reading.down || reading.stickY >= kStickDeadZone;
    keys.left = reading.left || reading.stickX <= -kStickDeadZone;
    keys.right = reading.right || reading.stickX >= kStickDeadZone;
    keys.fire = reading.south;
    return keys;
}

void PadKeys::Apply(const PadKeySet& held) {
    const struct {
        bool was, now;
        int code;
    } keys[] = {{held_.up, held.up, kVkUp},
                {held_.down, held.down, kVkDown},
                {held_.left, held.left, kVkLeft},
                {held_.right, held.right, kVkRight},
                {held_.fire, held.fire, kVkSpace}};
    for (const auto& key : keys) {
        if (key.now && !key.was) OnKeyDown(key.code);
        if (!key.now && key.was) OnKeyUp(key.code);
    }
    held_ = held;
}
