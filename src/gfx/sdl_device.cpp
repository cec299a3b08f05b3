#include "gfx/sdl_device.h"

#include <cmath>

SdlDevice::SdlDevice(RendererFactory makeRenderer, const GameImages& images,
                     TextFormat& textFormat)
    : makeRenderer_(std::move(makeRenderer)), images_(images), textFormat_(textFormat) {}

SdlDevice::~SdlDevice() { DiscardDeviceResources(); }

SDL_Texture* SdlDevice::MakeTexture(const DecodedImage& image) {
    SDL_Texture* texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888,
                                             SDL_TEXTUREACCESS_STATIC, image.width, image.height);
    if (texture == nullptr) return nullptr;
    if (SDL_UpdateTexture(texture, nullptr, image.pixels.data(), image.width * 4) != 0) {
        SDL_DestroyTexture(texture);
        return nullptr;
    }
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
    return texture;
}

bool SdlDevice::CreateDeviceResources() {
    if (surface_ != nullptr) return true;
    // A set that fails half way is thrown away whole, so no frame draws with a missing part.
    renderer_ = makeRenderer_();
    if (renderer_ == nullptr) return false;
    spriteSheet_ = SdlBitmap{MakeTexture(images_.spriteSheet),
                             static_cast<float>(images_.spriteSheet.width),
                             static_cast<float>(images_.spriteSheet.height)};
    background_ = SdlBitmap{MakeTexture(images_.background),
                            static_cast<float>(images_.background.width),
                            static_cast<float>(images_.background.height)};
    if (spriteSheet_.texture == nullptr || background_.texture == nullptr) {
        DiscardDeviceResources();
        return false;
    }
    surface_ = std::make_unique<SdlSurface>(renderer_, background_, spriteSheet_, textFormat_);
    deviceLost_ = false;
    return true;
}

DrawingSurface& SdlDevice::BeginDraw() { return *surface_; }

void SdlDevice::Clear(const ColorF& color) {
    SDL_SetRenderDrawColor(renderer_, static_cast<Uint8>(std::lround(color.r * 255.0f)),
                           static_cast<Uint8>(std::lround(color.g * 255.0f)),
                           static_cast<Uint8>(std::lround(color.b * 255.0f)),
                           static_cast<Uint8>(std::lround(color.a * 255.0f)));
    SDL_RenderClear(renderer_);
}

EndDrawResult SdlDevice::EndDraw() {
    SDL_RenderPresent(renderer_);
    return deviceLost_ ? EndDrawResult::RecreateTarget : EndDrawResult::Ok;
}

void SdlDevice::DiscardDeviceResources() {
    surface_.reset();
    if (background_.texture != nullptr) SDL_DestroyTexture(background_.texture);
    if (spriteSheet_.texture != nullptr) SDL_DestroyTexture(spriteSheet_.texture);
    background_ = SdlBitmap{};
    spriteSheet_ = SdlBitmap{};
    if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
    renderer_ = nullptr;
    deviceLost_ = false;
}
