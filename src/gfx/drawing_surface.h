#pragma once
// The drawing surface: the only way the game puts anything on screen.

#include <cstdint>
#include <string_view>

struct ColorF {
    float r, g, b, a;
};

struct PointF {
    float x, y;
};

// Left, top, right, bottom in surface units.
struct RectF {
    float left, top, right, bottom;
};

enum class BitmapId { Background, SpriteSheet };

enum class TextAlignment { Centre };

// A colour from a 0xRRGGBB integer, each byte divided by 255.
inline ColorF ColorFromRgb(std::uint32_t rgb, float alpha) {
    return ColorF{static_cast<float>((rgb >> 16) & 0xFF) / 255.0f,
                  static_cast<float>((rgb >> 8) & 0xFF) / 255.0f,
                  static_cast<float>(rgb & 0xFF) / 255.0f, alpha};
}

// The six operations the game draws with. One colour (the brush) is shared by
// lines, fills and text; bitmaps blend source-over in call order.
class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;

    // Sets the brush colour used by the next line, fill or text.
    virtual void SetColor(const ColorF& color) = 0;
    // Scales the source rectangle of the bitmap into the destination with linear filtering.
    virtual void DrawBitmap(BitmapId bitmap, const RectF& destination, float opacity,
                            const RectF& source) = 0;
    // An antialiased line with round caps reaching width / 2 past each end.
    virtual void DrawLine(PointF from, PointF to, float width) = 0;
    // An antialiased filled ellipse.
    virtual void FillEllipse(PointF centre, float radiusX, float radiusY) = 0;
    virtual void SetTextAlignment(TextAlignment alignment) = 0;
    // UTF-8 text in the large text format, wrapped at the layout width, not clipped below.
    virtual void DrawText(std::string_view text, const RectF& layout) = 0;
};
