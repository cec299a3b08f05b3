#include "gfx/software_device.h"

#include "app/window_geometry.h"

SoftwareDevice::SoftwareDevice(const GameImages& images, TextFormat& textFormat)
    : images_(images), textFormat_(textFormat) {}

SoftwareDevice::~SoftwareDevice() {
    SoftwareDevice::DiscardDeviceResources();
}

bool SoftwareDevice::CreateDeviceResources() {
    if (surface_ != nullptr) return true;
    // Every rebuild converts the same decoded pixels again.
    if (images_.spriteSheet.pixels.empty() || images_.background.pixels.empty()) return false;
    frame_.Resize(kClientWidth, kClientHeight);
    spriteSheet_ = Premultiply(images_.spriteSheet.pixels.data(), images_.spriteSheet.width,
                               images_.spriteSheet.height);
    background_ = Premultiply(images_.background.pixels.data(), images_.background.width,
                              images_.background.height);
    surface_ = std::make_unique<SoftwareSurface>(frame_, background_, spriteSheet_, textFormat_);
    return true;
}

DrawingSurface& SoftwareDevice::BeginDraw() {
    return *surface_;
}

void SoftwareDevice::Clear(const ColorF& color) {
    surface_->Clear(color);
}

EndDrawResult SoftwareDevice::EndDraw() {
    return EndDrawResult::Ok;
}

void SoftwareDevice::DiscardDeviceResources() {
    surface_.reset();
    background_ = PremultipliedImage{};
    spriteSheet_ = PremultipliedImage{};
}
