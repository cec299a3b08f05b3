#include "game/rules/option_lasers.h"

#include "game/laser_ribbon.h"

OptionLaser optionLasers[kOptionCount];

namespace {

// Above the field: the points first dive, swing out and then climb out of the top.
constexpr PointF kAimPoint{300.0f, -411.0f};
constexpr LeaveBounds kBounds{1400, -800, 1168, -100};
// Options 1 and 3 bend one way, options 2 and 4 the other.
constexpr RibbonStyle kFirstAndThird{+1.0f, 14.0f, 20.0f, 0x00AA00, kBounds};
constexpr RibbonStyle kSecondAndFourth{-1.0f, 14.0f, 20.0f, 0x00AA00, kBounds};

PointF OptionAt(int i) {
    return PointF{gameWorld.options[i].x, gameWorld.options[i].y};
}

}  // namespace

// From the first frame on, whatever the clock says; the option lasers hit nothing.
void UpdateOptionLasers(FrameContext& frame) {
    for (int i = 0; i < kOptionCount; ++i) {
        if (optionLasers[i].active == 0.0f) ArmLaser(optionLasers[i], OptionAt(i));
    }
    for (int i = 0; i < kOptionCount; ++i) {
        OptionLaser& laser = optionLasers[i];
        if (laser.active == 1.0f) AdvanceLaunch(laser, OptionAt(i));
        UpdateRibbonPoints(frame, laser, i, i % 2 == 0 ? kFirstAndThird : kSecondAndFourth,
                           kAimPoint, OptionAt(i), nullptr);
    }
}
