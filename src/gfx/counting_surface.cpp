#include "gfx/counting_surface.h"

#include "gfx/glow_line.h"

void CountingSurface::SetColor(const ColorF& color) {
    if (inner_) inner_->SetColor(color);
}

void CountingSurface::DrawBitmap(BitmapId bitmap, const RectF& destination, float opacity,
                                 const RectF& source) {
    ++counts_.bitmaps;
    if (inner_) inner_->DrawBitmap(bitmap, destination, opacity, source);
}

void CountingSurface::DrawLine(PointF from, PointF to, float width) {
    // Every line belongs to a glow line; its halo pass opens it, so count that pass once.
    if (width == kGlowHaloWidth) ++counts_.glowLines;
    if (inner_) inner_->DrawLine(from, to, width);
}

void CountingSurface::FillEllipse(PointF centre, float radiusX, float radiusY) {
    ++counts_.ellipses;
    if (inner_) inner_->FillEllipse(centre, radiusX, radiusY);
}

void CountingSurface::SetTextAlignment(TextAlignment alignment) {
    if (inner_) inner_->SetTextAlignment(alignment);
}

void CountingSurface::DrawText(std::string_view text, const RectF& layout) {
    ++counts_.texts;
    if (inner_) inner_->DrawText(text, layout);
}
