#include "gfx/glow_line.h"

void DrawGlowLine(DrawingSurface& target, std::uint32_t rgb, PointF from, PointF to) {
    const ColorF base = ColorFromRgb(rgb, 1.0f);
    // The halo is five times the base colour and left unclamped: the surface saturates it.
    target.SetColor(ColorF{5.0f * base.r, 5.0f * base.g, 5.0f * base.b, 0.5f});
    target.DrawLine(from, to, kGlowHaloWidth);
    target.SetColor(ColorFromRgb(rgb, 0.7f));
    target.DrawLine(from, to, kGlowBodyWidth);
    target.SetColor(base);
    target.DrawLine(from, to, kGlowCoreWidth);
}
