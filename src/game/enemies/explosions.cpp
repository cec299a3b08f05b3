#include "game/enemies/explosions.h"

Explosion explosions[kExplosionSlots];

namespace {

constexpr std::uint32_t kFlashFrames = 6;
constexpr float kStartAlpha = 0.6f;
constexpr float kEndAlpha = 0.1f;
constexpr float kBaseSize = 32.0f;
constexpr float kStartScale = 0.5f;
constexpr float kEndScale = 4.0f;
// Written with its top byte set and cut to 24 bits by the step preparation: a pale cream.
constexpr std::uint32_t kFlashColour = 0xFFFFFFF0u;
constexpr float kSideDiscOffset = 30.0f;

}  // namespace

void ClearExplosions() {
    for (Explosion& explosion : explosions) explosion = Explosion{};
}

int FindFreeExplosion(const Explosion* records, int count) {
    for (int i = 0; i < count; ++i) {
        if (records[i].framesLeft == 0) return i;
    }
    return -1;
}

void SpawnExplosion(float x, float y) {
    const int i = FindFreeExplosion(explosions, kExplosionSlots);
    if (i < 0) return;
    Explosion& record = explosions[i];
    record.framesLeft = kFlashFrames;
    record.x = x;
    record.y = y;
    record.targetX = x;
    record.targetY = y;
    record.alpha = kStartAlpha;
    record.targetAlpha = kEndAlpha;
    record.baseSize = kBaseSize;
    record.scale = kStartScale;
    record.targetScale = kEndScale;
    record.colour = kFlashColour;
    PrepareExplosionSteps(record);
}

void PrepareExplosionSteps(Explosion& record) {
    const float frames = static_cast<float>(record.framesLeft);
    record.alphaStep = (record.targetAlpha - record.alpha) / frames;
    record.scaleStep = (record.targetScale - record.scale) / frames;
    record.stepX = (record.targetX - record.x) / frames;
    record.stepY = (record.targetY - record.y) / frames;
    record.colour = record.colour & 0xFFFFFFu;
}

void StepExplosion(Explosion& record) {
    record.alpha = record.alpha + record.alphaStep;
    record.scale = record.scale + record.scaleStep;
    record.x = record.x + record.stepX;
    record.y = record.y + record.stepY;
    record.framesLeft = record.framesLeft - 1;
}

// A record is advanced before it is drawn, so the first frame already shows the first step.
void DrawExplosions(FrameContext& frame) {
    for (Explosion& record : explosions) {
        if (record.framesLeft == 0) continue;
        StepExplosion(record);
        frame.surface.SetColor(ColorFromRgb(record.colour, record.alpha));
        const float radius = (record.baseSize * record.scale) / 2.0f;
        frame.surface.FillEllipse(PointF{record.x, record.y}, radius, radius);
        frame.surface.FillEllipse(PointF{record.x - kSideDiscOffset, record.y - kSideDiscOffset},
                                  radius, radius);
        frame.surface.FillEllipse(PointF{record.x + kSideDiscOffset, record.y - kSideDiscOffset},
                                  radius, radius);
    }
}
