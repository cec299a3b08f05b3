#include "app/window_geometry.h"

WindowPlacement CentreWindow(int workAreaRight, int workAreaBottom, const FrameMetrics& frame) {
    WindowPlacement placement{};
    placement.width = kClientWidth + 2 * frame.frameX;
    placement.height = kClientHeight + 2 * frame.frameY + frame.caption;
    placement.x = workAreaRight / 2 - placement.width / 2;
    placement.y = workAreaBottom / 2 - placement.height / 2;
    return placement;
}
