#include "sim/offscreen_renderer.h"

#include "app/window_geometry.h"
#include "gfx/png_image.h"

OffscreenRenderer::OffscreenRenderer() = default;

OffscreenRenderer::~OffscreenRenderer() {
    delete device_;
    if (target_ != nullptr) SDL_FreeSurface(target_);
}

bool OffscreenRenderer::Open(std::string& error) {
    std::string message;
    if (!LoadImages(images_, [&message](const std::string& text) { message = text; })) {
        error = "cannot load images/ from the current directory (" + message + ")";
        return false;
    }
    if (!textFormat_.Create()) {
        error = "cannot make the text format";
        return false;
    }
    target_ = SDL_CreateRGBSurfaceWithFormat(0, kClientWidth, kClientHeight, 32,
                                             SDL_PIXELFORMAT_ARGB8888);
    if (target_ == nullptr) {
        error = std::string("cannot make the offscreen image: ") + SDL_GetError();
        return false;
    }
    SDL_Surface* target = target_;
    device_ = new SdlDevice([target] { return SDL_CreateSoftwareRenderer(target); }, images_,
                            textFormat_);
    return true;
}

void OffscreenRenderer::Paint(const GameStep& step) {
    OnPaint(*device_, frameLock_, step, [] {});
}

bool OffscreenRenderer::SavePng(const std::string& path) const {
    SDL_LockSurface(target_);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(target_->w) * target_->h);
    for (int y = 0; y < target_->h; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(target_->pixels) + y * target_->pitch);
        for (int x = 0; x < target_->w; ++x) {
            pixels[static_cast<std::size_t>(y) * target_->w + x] = row[x] | 0xFF000000u;
        }
    }
    SDL_UnlockSurface(target_);
    return WritePng(path, target_->w, target_->h, pixels.data());
}
