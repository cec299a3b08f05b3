#include "gfx/recording_surface.h"

#include <algorithm>

void RecordingSurface::SetColor(const ColorF& color) {
    DrawOp op;
    op.kind = DrawOp::Kind::SetColor;
    op.color = color;
    ops_.push_back(op);
}

void RecordingSurface::DrawBitmap(BitmapId bitmap, const RectF& destination, float opacity,
                                  const RectF& source) {
    DrawOp op;
    op.kind = DrawOp::Kind::DrawBitmap;
    op.bitmap = bitmap;
    op.destination = destination;
    op.opacity = opacity;
    op.source = source;
    ops_.push_back(op);
}

void RecordingSurface::DrawLine(PointF from, PointF to, float width) {
    DrawOp op;
    op.kind = DrawOp::Kind::DrawLine;
    op.from = from;
    op.to = to;
    op.width = width;
    ops_.push_back(op);
}

void RecordingSurface::FillEllipse(PointF centre, float radiusX, float radiusY) {
    DrawOp op;
    op.kind = DrawOp::Kind::FillEllipse;
    op.from = centre;
    op.radiusX = radiusX;
    op.radiusY = radiusY;
    ops_.push_back(op);
}

void RecordingSurface::SetTextAlignment(TextAlignment alignment) {
    DrawOp op;
    op.kind = DrawOp::Kind::SetTextAlignment;
    op.alignment = alignment;
    ops_.push_back(op);
}

void RecordingSurface::DrawText(std::string_view text, const RectF& layout) {
    DrawOp op;
    op.kind = DrawOp::Kind::DrawText;
    op.text = std::string(text);
    op.destination = layout;
    ops_.push_back(op);
}

int RecordingSurface::Count(DrawOp::Kind kind) const {
    return static_cast<int>(std::count_if(ops_.begin(), ops_.end(),
                                          [kind](const DrawOp& op) { return op.kind == kind; }));
}
