#include "gfx/sdl_device.h"

#include <algorithm>

#include "app/window_geometry.h"

SdlDevice::SdlDevice(RendererFactory makeRenderer, const GameImages& images, TextFormat& textFormat)
    : SoftwareDevice(images, textFormat), makeRenderer_(std::move(makeRenderer)) {}

SdlDevice::~SdlDevice() {
    SdlDevice::DiscardDeviceResources();
}

bool SdlDevice::CreateDeviceResources() {
    if (renderer_ != nullptr && HasResources()) return true;
    // A set that fails half way is thrown away whole, so no frame draws with a missing part.
    renderer_ = makeRenderer_();
    if (renderer_ != nullptr) {
        // On a scaled desktop the window has more pixels than its 600 x 720 points: draw at
        // that density rather than let the compositor stretch a small picture.
        int width = 0, height = 0;
        if (SDL_GetRendererOutputSize(renderer_, &width, &height) != 0) width = kClientWidth;
        SetDensity(std::clamp(width / kClientWidth, 1, 4));
        texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                     kClientWidth * Density(), kClientHeight * Density());
    }
    if (renderer_ == nullptr || texture_ == nullptr || !SoftwareDevice::CreateDeviceResources()) {
        DiscardDeviceResources();
        return false;
    }
    deviceLost_ = false;
    return true;
}

EndDrawResult SdlDevice::EndDraw() {
    SoftwareDevice::EndDraw();
    SDL_UpdateTexture(texture_, nullptr, frame_.pixels.data(), frame_.width * 4);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
    return deviceLost_ ? EndDrawResult::RecreateTarget : EndDrawResult::Ok;
}

void SdlDevice::DiscardDeviceResources() {
    SoftwareDevice::DiscardDeviceResources();
    if (texture_ != nullptr) SDL_DestroyTexture(texture_);
    texture_ = nullptr;
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    renderer_ = nullptr;
    deviceLost_ = false;
}
