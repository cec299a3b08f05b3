#pragma once
// Game steps drawn through SDL's software renderer into a 600 x 720 image, for --png and --bench.

#include <SDL.h>

#include <mutex>
#include <string>

#include "app/paint_cycle.h"
#include "gfx/load_images.h"
#include "gfx/sdl_device.h"
#include "gfx/text_format.h"

class OffscreenRenderer {
public:
    OffscreenRenderer();
    ~OffscreenRenderer();
    OffscreenRenderer(const OffscreenRenderer&) = delete;
    OffscreenRenderer& operator=(const OffscreenRenderer&) = delete;

    // Loads images/ from the current directory and makes the device; false with a reason.
    bool Open(std::string& error);
    // One paint: clear, the step drawing through the surface, close the frame.
    void Paint(const GameStep& step);
    // Saves the last painted frame as a PNG.
    bool SavePng(const std::string& path) const;

private:
    SDL_Surface* target_ = nullptr;
    GameImages images_;
    TextFormat textFormat_;
    std::mutex frameLock_;
    SdlDevice* device_ = nullptr;
};
