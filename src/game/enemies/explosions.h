#pragma once
// Explosion flashes: a pool of 15, drawn over the finished stage frame. Each flash is three
// pale discs in a triangle that grow and fade over six frames.

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

// The first free record in index order, or -1.
int FindFreeExplosion(const Explosion* records, int count);

// Starts a flash centred on (x, y); with all 15 records live it is dropped.
void SpawnExplosion(float x, float y);

// The per-frame steps from the targets and the frames left; the colour cut to 24 bits.
void PrepareExplosionSteps(Explosion& record);

// One frame's advance of one record.
void StepExplosion(Explosion& record);

// Advances and draws every live flash; runs after the stage frame.
void DrawExplosions(FrameContext& frame);
