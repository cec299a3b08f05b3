#pragma once
// What one game step draws on and plays through.

#include "game/rules/rule_set.h"
#include "gfx/drawing_surface.h"
#include "sound/sound_player.h"

struct FrameContext {
    DrawingSurface& surface;
    SoundPlayer& sounds;
    RuleSet rules = RuleSet::LockOn;
};
