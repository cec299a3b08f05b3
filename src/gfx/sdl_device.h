#pragma once
// The device resources on SDL: the renderer, the two bitmaps and the brush (held by the
// surface), made lazily by the paint and thrown away when the device is lost.

#include <SDL.h>

#include <functional>
#include <memory>

#include "app/paint_cycle.h"
#include "gfx/load_images.h"
#include "gfx/sdl_surface.h"
#include "gfx/text_format.h"

class SdlDevice : public PaintDevice {
public:
    // Makes a renderer for the window or offscreen surface; null on failure.
    using RendererFactory = std::function<SDL_Renderer*()>;

    SdlDevice(RendererFactory makeRenderer, const GameImages& images, TextFormat& textFormat);
    ~SdlDevice() override;
    SdlDevice(const SdlDevice&) = delete;
    SdlDevice& operator=(const SdlDevice&) = delete;

    bool CreateDeviceResources() override;
    DrawingSurface& BeginDraw() override;
    void Clear(const ColorF& color) override;
    EndDrawResult EndDraw() override;
    void DiscardDeviceResources() override;

    // The renderer reported a reset: the frame being drawn is lost.
    void MarkDeviceLost() { deviceLost_ = true; }
    bool HasResources() const { return surface_ != nullptr; }
    // The renderer, or null while the resources are absent.
    SDL_Renderer* Renderer() const { return renderer_; }

private:
    SDL_Texture* MakeTexture(const DecodedImage& image);

    RendererFactory makeRenderer_;
    const GameImages& images_;
    TextFormat& textFormat_;
    SDL_Renderer* renderer_ = nullptr;
    SdlBitmap spriteSheet_;
    SdlBitmap background_;
    std::unique_ptr<SdlSurface> surface_;  // holds the brush
    bool deviceLost_ = false;
};
