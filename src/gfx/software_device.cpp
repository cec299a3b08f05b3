#include "gfx/software_device.h"

#include "app/window_geometry.h"

SoftwareDevice::SoftwareDevice(const GameImages& images, TextFormat& textFormat)
    : images_(images), textFormat_(textFormat) {}

SoftwareDevice::~SoftwareDevice() {
    SoftwareDevice::DiscardDeviceResources();
}

bool SoftwareDevice::CreateDeviceResources() {
    if (surface_ != nullptr) return true;
    // Every rebuild draws from the same converted pixels, kept since start-up.
    if (images_.spriteSheet.pixels.empty() || images_.background.pixels.empty()) return false;
    frame_.Resize(kClientWidth * density_, kClientHeight * density_);
    surface_ = std::make_unique<SoftwareSurface>(frame_, images_.background, images_.spriteSheet,
                                                 textFormat_, density_);
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
}
