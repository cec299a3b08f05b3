#include "app/paint_cycle.h"

bool OnPaint(PaintDevice& device, std::mutex& frameLock, const GameStep& step,
             const std::function<void()>& invalidate) {
    std::lock_guard<std::mutex> lock(frameLock);
    // Without device resources nothing is drawn and the game does not step; the next
    // timer tick tries again.
    if (!device.CreateDeviceResources()) return false;
    DrawingSurface& surface = device.BeginDraw();
    device.Clear(ColorF{0.0f, 0.0f, 0.0f, 1.0f});
    step(surface);
    // The step drawn into a lost target still counts; the next paint rebuilds and draws on.
    if (device.EndDraw() == EndDrawResult::RecreateTarget) {
        device.DiscardDeviceResources();
        invalidate();
    }
    return true;
}
