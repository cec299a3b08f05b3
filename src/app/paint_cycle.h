#pragma once
// The paint: under the frame lock, make the device resources if missing, open a frame,
// clear it, run one game step and close it; a lost device is thrown away and repainted.

#include <functional>
#include <mutex>

#include "gfx/drawing_surface.h"

enum class EndDrawResult { Ok, RecreateTarget, Failed };

// The device side of a paint: render target, bitmaps and brush, made lazily.
class PaintDevice {
  public:
    virtual ~PaintDevice() = default;
    // Makes whatever is missing. False leaves nothing half made: the next call retries all.
    virtual bool CreateDeviceResources() = 0;
    // Opens the frame and returns the surface to draw on.
    virtual DrawingSurface& BeginDraw() = 0;
    virtual void Clear(const ColorF& color) = 0;
    virtual EndDrawResult EndDraw() = 0;
    virtual void DiscardDeviceResources() = 0;
};

using GameStep = std::function<void(DrawingSurface&)>;

// One paint. Returns true when a game step ran.
bool OnPaint(PaintDevice& device, std::mutex& frameLock, const GameStep& step,
             const std::function<void()>& invalidate);
