#pragma once
// Counts draw calls per kind and passes each operation on to an optional inner surface.

#include "gfx/drawing_surface.h"

struct DrawCounts {
    int glowLines = 0;
    int bitmaps = 0;
    int ellipses = 0;
    int texts = 0;
};

class CountingSurface : public DrawingSurface {
  public:
    explicit CountingSurface(DrawingSurface* inner = nullptr) : inner_(inner) {}

    void SetColor(const ColorF& color) override;
    void DrawBitmap(BitmapId bitmap, const RectF& destination, float opacity,
                    const RectF& source) override;
    void DrawLine(PointF from, PointF to, float width) override;
    void FillEllipse(PointF centre, float radiusX, float radiusY) override;
    void SetTextAlignment(TextAlignment alignment) override;
    void DrawText(std::string_view text, const RectF& layout) override;

    const DrawCounts& Counts() const { return counts_; }
    void Reset() { counts_ = DrawCounts{}; }
    void SetInner(DrawingSurface* inner) { inner_ = inner; }

  private:
    DrawingSurface* inner_;
    DrawCounts counts_;
};
