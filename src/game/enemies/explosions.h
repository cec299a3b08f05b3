#pragma once
// Explosion flashes: a pool of 15, drawn over the finished stage frame.

#include <cstdint>

#include "game/frame_context.h"

constexpr int kExplosionSlots = 15;

struct Explosion {
    std::uint32_t framesLeft;  // 0 = free
    float x, y;
    float targetX, targetY;
    float stepX, stepY;
    float baseSize;
    float scale, targetScale, scaleStep;
    float alpha, targetAlpha, alphaStep;
    std::uint32_t colour;
};

extern Explosion explosions[kExplosionSlots];

// Every field of every record to 0: all flashes free.
void ClearExplosions();

// Steps and draws every live flash; runs after the stage frame.
void DrawExplosions(FrameContext& frame);
