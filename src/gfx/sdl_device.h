#pragma once
// Device resources for the window: the software-drawn frame presented through an SDL renderer
// and a streaming texture. A lost renderer device discards everything; the next paint rebuilds.

#include <SDL.h>

#include <functional>

#include "gfx/software_device.h"

class SdlDevice : public SoftwareDevice {
  public:
    // Makes a renderer for the window; null on failure.
    using RendererFactory = std::function<SDL_Renderer*()>;

    SdlDevice(RendererFactory makeRenderer, const GameImages& images, TextFormat& textFormat);
    ~SdlDevice() override;

    bool CreateDeviceResources() override;
    EndDrawResult EndDraw() override;
    void DiscardDeviceResources() override;

    // The renderer reported a reset: the frame being drawn is lost.
    void MarkDeviceLost() { deviceLost_ = true; }
    SDL_Renderer* Renderer() const { return renderer_; }

  private:
    RendererFactory makeRenderer_;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    bool deviceLost_ = false;
};
