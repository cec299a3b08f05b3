#pragma once
// The drawing surface as a small CPU rasteriser: exact pixel coverage for round-capped lines
// and ellipses, bilinear filtering for bitmaps, source-over blending in call order. The same
// pixels come out in the window, in the headless runner's PNGs and in tests.

#include <vector>

#include "gfx/drawing_surface.h"
#include "gfx/frame_buffer.h"
#include "gfx/text_format.h"

class SoftwareSurface : public DrawingSurface {
  public:
    // The brush starts opaque black. At a density above 1 the frame has that many device pixels
    // per game pixel and every coordinate the game passes is scaled to it.
    SoftwareSurface(FrameBuffer& frame, const PremultipliedImage& background,
                    const PremultipliedImage& spriteSheet, TextFormat& textFormat, int density = 1);

    void Clear(const ColorF& color);
    // Draws any lines still waiting to be fused into a glow line; the frame is then complete.
    void Flush();

    void SetColor(const ColorF& color) override;
    void DrawBitmap(BitmapId bitmap, const RectF& destination, float opacity,
                    const RectF& source) override;
    void DrawLine(PointF from, PointF to, float width) override;
    void FillEllipse(PointF centre, float radiusX, float radiusY) override;
    void SetTextAlignment(TextAlignment alignment) override;
    void DrawText(std::string_view text, const RectF& layout) override;

  private:
    struct PendingLine {
        PointF from, to;
        float width;
        ColorF color;
    };

    void DrawPendingLine(const PendingLine& line);
    void DrawUnscaled(const PremultipliedImage& image, const struct ClippedDraw& draw,
                      float opacity);
    void DrawScaled(const PremultipliedImage& image, const struct ClippedDraw& draw, float opacity);

    struct BitmapColumn {
        int first, second;  // source columns
        int weight;         // of the second, out of 256
        int cover;          // of the pixel by the destination, out of 256
    };

    FrameBuffer& frame_;
    const PremultipliedImage* bitmaps_[2];
    TextFormat& textFormat_;
    float scale_ = 1.0f;
    int density_ = 1;
    ColorF brush_{0.0f, 0.0f, 0.0f, 1.0f};
    std::vector<BitmapColumn> columns_;  // reused by every bitmap draw
    std::vector<std::uint32_t> rowMix_;  // one row of mixed samples of a scaled draw

    // The mixed samples of the last large scaled draw, laid again while it repeats unchanged.
    static constexpr long kKeptMixMinimumPixels = 64 * 1024;
    struct KeptMix {
        const PremultipliedImage* image = nullptr;
        RectF source{}, destination{};
        std::vector<std::uint32_t> mix;
    };
    KeptMix keptMix_;
    PendingLine pendingLines_[2];  // a glow line's halo and body, waiting for its core
    int pending_ = 0;
};
