#pragma once
// A surface that keeps every operation with its arguments, for tests and the headless runner.

#include <string>
#include <vector>

#include "gfx/drawing_surface.h"

struct DrawOp {
    enum class Kind { SetColor, DrawBitmap, DrawLine, FillEllipse, SetTextAlignment, DrawText };
    Kind kind = Kind::SetColor;
    ColorF color{};
    BitmapId bitmap{};
    RectF destination{};
    RectF source{};
    float opacity = 0;
    PointF from{};
    PointF to{};
    float width = 0;
    float radiusX = 0;
    float radiusY = 0;
    TextAlignment alignment{};
    std::string text;
};

class RecordingSurface : public DrawingSurface {
  public:
    void SetColor(const ColorF& color) override;
    void DrawBitmap(BitmapId bitmap, const RectF& destination, float opacity,
                    const RectF& source) override;
    void DrawLine(PointF from, PointF to, float width) override;
    void FillEllipse(PointF centre, float radiusX, float radiusY) override;
    void SetTextAlignment(TextAlignment alignment) override;
    void DrawText(std::string_view text, const RectF& layout) override;

    const std::vector<DrawOp>& Ops() const { return ops_; }
    void Clear() { ops_.clear(); }
    // How many operations of one kind were recorded.
    int Count(DrawOp::Kind kind) const;

  private:
    std::vector<DrawOp> ops_;
};
