#include "gfx/software_surface.h"

#include <algorithm>
#include <cmath>

#include "gfx/bitmap_clip.h"

namespace {

// Source-over of a solid colour at the given opacity (0..1) onto an opaque pixel.
struct SolidBlend {
    float r, g, b;  // 0..255, saturated

    std::uint32_t Over(std::uint32_t dst, float alpha) const {
        const float keep = 1.0f - alpha;
        const float dr = static_cast<float>((dst >> 16) & 0xFF);
        const float dg = static_cast<float>((dst >> 8) & 0xFF);
        const float db = static_cast<float>(dst & 0xFF);
        const auto channel = [](float v) { return static_cast<std::uint32_t>(v + 0.5f); };
        return (channel(r * alpha + dr * keep) << 16) | (channel(g * alpha + dg * keep) << 8) |
               channel(b * alpha + db * keep);
    }
};

SolidBlend BlendFor(const ColorF& color) {
    // Channels above 1 (the glow halo) saturate.
    const auto c = [](float v) { return std::clamp(v, 0.0f, 1.0f) * 255.0f; };
    return SolidBlend{c(color.r), c(color.g), c(color.b)};
}

// How much of the pixel span [p, p + 1) lies inside [low, high).
float SpanCoverage(int p, float low, float high) {
    return std::clamp(
        std::min(static_cast<float>(p + 1), high) - std::max(static_cast<float>(p), low), 0.0f,
        1.0f);
}

}  // namespace

PremultipliedImage Premultiply(const std::uint32_t* pixels, int width, int height) {
    PremultipliedImage image;
    image.width = width;
    image.height = height;
    image.pixels.resize(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const std::uint32_t p = pixels[i];
        const std::uint32_t a = p >> 24;
        const auto scale = [a](std::uint32_t c) { return (c * a + 127) / 255; };
        image.pixels[i] = (a << 24) | (scale((p >> 16) & 0xFF) << 16) |
                          (scale((p >> 8) & 0xFF) << 8) | scale(p & 0xFF);
    }
    return image;
}

SoftwareSurface::SoftwareSurface(FrameBuffer& frame, const PremultipliedImage& background,
                                 const PremultipliedImage& spriteSheet, TextFormat& textFormat)
    : frame_(frame), bitmaps_{&background, &spriteSheet}, textFormat_(textFormat) {}

void SoftwareSurface::Clear(const ColorF& color) {
    const SolidBlend solid = BlendFor(color);
    std::fill(frame_.pixels.begin(), frame_.pixels.end(), solid.Over(0u, 1.0f));
}

void SoftwareSurface::SetColor(const ColorF& color) {
    brush_ = color;
}

void SoftwareSurface::DrawBitmap(BitmapId bitmap, const RectF& destination, float opacity,
                                 const RectF& source) {
    const PremultipliedImage& image = *bitmaps_[bitmap == BitmapId::Background ? 0 : 1];
    ClippedDraw draw;
    if (!ClipBitmapDraw(source, destination, static_cast<float>(image.width),
                        static_cast<float>(image.height), draw)) {
        return;
    }
    const RectF& dst = draw.destination;
    const RectF& src = draw.source;
    const float scaleX = (src.right - src.left) / (dst.right - dst.left);
    const float scaleY = (src.bottom - src.top) / (dst.bottom - dst.top);
    const int x0 = std::max(0, static_cast<int>(std::floor(dst.left)));
    const int x1 = std::min(frame_.width, static_cast<int>(std::ceil(dst.right)));
    const int y0 = std::max(0, static_cast<int>(std::floor(dst.top)));
    const int y1 = std::min(frame_.height, static_cast<int>(std::ceil(dst.bottom)));
    if (x0 >= x1 || y0 >= y1) return;
    // Samples stay inside the source rectangle: its edge pixels repeat, never their neighbours.
    const int sx0 = static_cast<int>(src.left), sx1 = static_cast<int>(std::ceil(src.right)) - 1;
    const int sy0 = static_cast<int>(src.top), sy1 = static_cast<int>(std::ceil(src.bottom)) - 1;
    const int opacity256 = static_cast<int>(std::lround(std::clamp(opacity, 0.0f, 1.0f) * 256.0f));

    // Per column: the two source columns, the weight of the second, the edge coverage.
    columns_.resize(static_cast<std::size_t>(x1 - x0));
    for (int x = x0; x < x1; ++x) {
        const float u = src.left + (static_cast<float>(x) + 0.5f - dst.left) * scaleX - 0.5f;
        const float uFloor = std::floor(u);
        BitmapColumn& column = columns_[static_cast<std::size_t>(x - x0)];
        column.first = std::clamp(static_cast<int>(uFloor), sx0, sx1);
        column.second = std::clamp(static_cast<int>(uFloor) + 1, sx0, sx1);
        column.weight = static_cast<int>((u - uFloor) * 256.0f + 0.5f);
        column.cover = static_cast<int>(SpanCoverage(x, dst.left, dst.right) * 256.0f + 0.5f);
    }
    constexpr std::uint32_t kMask = 0x00FF00FFu;
    for (int y = y0; y < y1; ++y) {
        const int coverY = static_cast<int>(SpanCoverage(y, dst.top, dst.bottom) * 256.0f + 0.5f);
        const float v = src.top + (static_cast<float>(y) + 0.5f - dst.top) * scaleY - 0.5f;
        const float vFloor = std::floor(v);
        const int wy = static_cast<int>((v - vFloor) * 256.0f + 0.5f);
        const int row0 = std::clamp(static_cast<int>(vFloor), sy0, sy1);
        const int row1 = std::clamp(static_cast<int>(vFloor) + 1, sy0, sy1);
        const std::uint32_t* top = &image.pixels[static_cast<std::size_t>(row0) * image.width];
        const std::uint32_t* bottom = &image.pixels[static_cast<std::size_t>(row1) * image.width];
        std::uint32_t* out = &frame_.pixels[static_cast<std::size_t>(y) * frame_.width];
        for (int x = x0; x < x1; ++x) {
            const BitmapColumn& column = columns_[static_cast<std::size_t>(x - x0)];
            const std::uint32_t p00 = top[column.first], p01 = top[column.second];
            const std::uint32_t p10 = bottom[column.first], p11 = bottom[column.second];
            if ((p00 | p01 | p10 | p11) == 0) continue;  // fully transparent
            // Bilinear weights out of 256, two channels at a time (alpha-green, red-blue).
            const std::uint32_t wx = static_cast<std::uint32_t>(column.weight);
            const std::uint32_t w00 = ((256 - wx) * (256 - wy) + 128) >> 8;
            const std::uint32_t w01 = (wx * (256 - wy) + 128) >> 8;
            const std::uint32_t w10 = ((256 - wx) * wy + 128) >> 8;
            const std::uint32_t w11 = 256 - w00 - w01 - w10;
            std::uint32_t rb = (((p00 & kMask) * w00 + (p01 & kMask) * w01 + (p10 & kMask) * w10 +
                                 (p11 & kMask) * w11) >>
                                8) &
                               kMask;
            std::uint32_t ag = ((((p00 >> 8) & kMask) * w00 + ((p01 >> 8) & kMask) * w01 +
                                 ((p10 >> 8) & kMask) * w10 + ((p11 >> 8) & kMask) * w11) >>
                                8) &
                               kMask;
            const std::uint32_t cover =
                static_cast<std::uint32_t>((column.cover * coverY >> 8) * opacity256 >> 8);
            if (cover == 0) continue;
            if (cover < 256) {
                rb = ((rb * cover) >> 8) & kMask;
                ag = ((ag * cover) >> 8) & kMask;
            }
            // Premultiplied source over the opaque frame.
            const std::uint32_t alpha = ag >> 16;
            const std::uint32_t keep = 256 - alpha - (alpha >> 7);
            const std::uint32_t d = out[x];
            const std::uint32_t drb = (((d & kMask) * keep) >> 8) & kMask;
            const std::uint32_t dg = ((((d >> 8) & 0xFFu) * keep) >> 8) & 0xFFu;
            out[x] = (rb + drb) | (((ag & 0xFFu) + dg) << 8);
        }
    }
}

void SoftwareSurface::DrawLine(PointF from, PointF to, float width) {
    const float radius = width * 0.5f;
    const float reach = radius + 0.5f;  // the antialiased edge spans one pixel across the border
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min(from.x, to.x) - reach)));
    const int x1 =
        std::min(frame_.width, static_cast<int>(std::ceil(std::max(from.x, to.x) + reach)));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min(from.y, to.y) - reach)));
    const int y1 =
        std::min(frame_.height, static_cast<int>(std::ceil(std::max(from.y, to.y) + reach)));
    if (x0 >= x1 || y0 >= y1) return;
    const SolidBlend solid = BlendFor(brush_);
    const float alpha = std::clamp(brush_.a, 0.0f, 1.0f);
    const float dx = to.x - from.x, dy = to.y - from.y;
    const float lengthSquared = dx * dx + dy * dy;
    for (int y = y0; y < y1; ++y) {
        std::uint32_t* out = &frame_.pixels[static_cast<std::size_t>(y) * frame_.width];
        const float py = static_cast<float>(y) + 0.5f - from.y;
        for (int x = x0; x < x1; ++x) {
            const float px = static_cast<float>(x) + 0.5f - from.x;
            // Distance from the pixel centre to the segment: round caps come for free.
            float t = lengthSquared > 0.0f ? (px * dx + py * dy) / lengthSquared : 0.0f;
            t = std::clamp(t, 0.0f, 1.0f);
            const float ex = px - t * dx, ey = py - t * dy;
            const float distance = std::sqrt(ex * ex + ey * ey);
            const float cover = std::clamp(reach - distance, 0.0f, 1.0f);
            if (cover > 0.0f) out[x] = solid.Over(out[x], alpha * cover);
        }
    }
}

void SoftwareSurface::FillEllipse(PointF centre, float radiusX, float radiusY) {
    if (radiusX <= 0.0f || radiusY <= 0.0f) return;
    const int x0 = std::max(0, static_cast<int>(std::floor(centre.x - radiusX - 1)));
    const int x1 = std::min(frame_.width, static_cast<int>(std::ceil(centre.x + radiusX + 1)));
    const int y0 = std::max(0, static_cast<int>(std::floor(centre.y - radiusY - 1)));
    const int y1 = std::min(frame_.height, static_cast<int>(std::ceil(centre.y + radiusY + 1)));
    const SolidBlend solid = BlendFor(brush_);
    const float alpha = std::clamp(brush_.a, 0.0f, 1.0f);
    for (int y = y0; y < y1; ++y) {
        std::uint32_t* out = &frame_.pixels[static_cast<std::size_t>(y) * frame_.width];
        const float ny = (static_cast<float>(y) + 0.5f - centre.y) / radiusY;
        for (int x = x0; x < x1; ++x) {
            const float nx = (static_cast<float>(x) + 0.5f - centre.x) / radiusX;
            const float k = std::sqrt(nx * nx + ny * ny);
            float distance;  // signed distance to the border, in pixels, to first order
            if (k > 0.0f) {
                const float gx = nx / (radiusX * k), gy = ny / (radiusY * k);
                distance = (k - 1.0f) / std::sqrt(gx * gx + gy * gy);
            } else {
                distance = -std::min(radiusX, radiusY);
            }
            const float cover = std::clamp(0.5f - distance, 0.0f, 1.0f);
            if (cover > 0.0f) out[x] = solid.Over(out[x], alpha * cover);
        }
    }
}

void SoftwareSurface::SetTextAlignment(TextAlignment /*alignment*/) {
    // Centred is the only alignment the game uses, and the text format renders centred.
}

void SoftwareSurface::DrawText(std::string_view text, const RectF& layout) {
    const int layoutWidth = static_cast<int>(std::lround(layout.right - layout.left));
    const TextMask& mask = textFormat_.Render(text, layoutWidth);
    const SolidBlend solid = BlendFor(brush_);
    const float alpha = std::clamp(brush_.a, 0.0f, 1.0f) / 255.0f;
    // Not clipped to the layout box: the lines run on below its bottom edge.
    const int left = static_cast<int>(std::lround(layout.left)) - mask.margin;
    const int top = static_cast<int>(std::lround(layout.top)) - mask.margin;
    for (int my = 0; my < mask.height; ++my) {
        const int y = top + my;
        if (y < 0 || y >= frame_.height) continue;
        std::uint32_t* out = &frame_.pixels[static_cast<std::size_t>(y) * frame_.width];
        const std::uint8_t* coverage = &mask.alpha[static_cast<std::size_t>(my) * mask.width];
        for (int mx = 0; mx < mask.width; ++mx) {
            const int x = left + mx;
            if (x < 0 || x >= frame_.width || coverage[mx] == 0) continue;
            out[x] = solid.Over(out[x], alpha * coverage[mx]);
        }
    }
}
