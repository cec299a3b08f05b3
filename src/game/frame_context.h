#pragma once
// What one game step draws on and plays through.

#include "gfx/drawing_surface.h"
#include "sound/sound_player.h"

struct FrameContext {
    DrawingSurface& surface;
    SoundPlayer& sounds;
};
