#pragma once
// Device resources for drawing in memory: the frame, the two bitmaps converted for blending,
// and the brush (held by the surface). Made lazily by the paint, thrown away on device loss.

#include <memory>

#include "app/paint_cycle.h"
#include "gfx/frame_buffer.h"
#include "gfx/load_images.h"
#include "gfx/software_surface.h"
#include "gfx/text_format.h"

class SoftwareDevice : public PaintDevice {
  public:
    SoftwareDevice(const GameImages& images, TextFormat& textFormat);
    ~SoftwareDevice() override;
    SoftwareDevice(const SoftwareDevice&) = delete;
    SoftwareDevice& operator=(const SoftwareDevice&) = delete;

    bool CreateDeviceResources() override;
    DrawingSurface& BeginDraw() override;
    void Clear(const ColorF& color) override;
    EndDrawResult EndDraw() override;
    void DiscardDeviceResources() override;

    bool HasResources() const { return surface_ != nullptr; }
    // Device pixels per game pixel: the frame is 600 x 720 times this, the game's coordinates
    // are scaled to it. Takes effect at the next build of the resources.
    void SetDensity(int density) { density_ = density; }
    int Density() const { return density_; }
    // The last frame drawn.
    const FrameBuffer& Frame() const { return frame_; }

  protected:
    FrameBuffer frame_;

  private:
    const GameImages& images_;
    TextFormat& textFormat_;
    std::unique_ptr<SoftwareSurface> surface_;
    int density_ = 1;
};
