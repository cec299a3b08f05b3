#include "gfx/software_surface.h"

#include <algorithm>
#include <cmath>

#include "gfx/bitmap_clip.h"
#include "gfx/glow_line.h"

// Integer pixel loops give the same bits in every copy, so choosing one at run time is safe.
// Sanitizer builds go without: the choice runs before ThreadSanitizer's runtime is up.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && \
    !defined(GRYVEL_NO_VECTOR_CLONES)
#define GRYVEL_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define GRYVEL_VECTOR_CLONES
#endif

namespace {

constexpr std::uint32_t kRedBlue = 0x00FF00FFu;
constexpr std::uint32_t kGreen = 0x0000FF00u;

// Source-over of a solid colour onto an opaque pixel, in integers: opacity out of 256.
struct SolidBlend {
    std::uint32_t redBlue, green;  // the colour's channels in place, saturated

    std::uint32_t Over(std::uint32_t dst, std::uint32_t opacity) const {
        const std::uint32_t keep = 256 - opacity;
        const std::uint32_t rb = ((redBlue * opacity + (dst & kRedBlue) * keep) >> 8) & kRedBlue;
        const std::uint32_t g = ((green * opacity + (dst & kGreen) * keep) >> 8) & kGreen;
        return rb | g;
    }
};

SolidBlend BlendFor(const ColorF& color) {
    // Channels above 1 (the glow halo) saturate.
    const auto c = [](float v) {
        return static_cast<std::uint32_t>(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f);
    };
    return SolidBlend{(c(color.r) << 16) | c(color.b), c(color.g) << 8};
}

// Opacity out of 256 for a coverage (0..1) at a brush alpha (0..1).
std::uint32_t Opacity(float alpha, float cover) {
    return static_cast<std::uint32_t>(alpha * cover * 256.0f + 0.5f);
}

bool SameRect(const RectF& a, const RectF& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// How much of the pixel span [p, p + 1) lies inside [low, high).
float SpanCoverage(int p, float low, float high) {
    return std::clamp(
        std::min(static_cast<float>(p + 1), high) - std::max(static_cast<float>(p), low), 0.0f,
        1.0f);
}

}  // namespace

SoftwareSurface::SoftwareSurface(FrameBuffer& frame, const PremultipliedImage& background,
                                 const PremultipliedImage& spriteSheet, TextFormat& textFormat,
                                 int density)
    : frame_(frame),
      bitmaps_{&background, &spriteSheet},
      textFormat_(textFormat),
      scale_(static_cast<float>(density)),
      density_(density) {}

void SoftwareSurface::Clear(const ColorF& color) {
    pending_ = 0;
    const SolidBlend solid = BlendFor(color);
    std::fill(frame_.pixels.begin(), frame_.pixels.end(), solid.Over(0u, 256u));
}

void SoftwareSurface::SetColor(const ColorF& color) {
    brush_ = color;
}

namespace {

// The frame pixels a bitmap draw touches, and the source pixels its samples may use: samples
// stay inside the source rectangle, whose edge pixels repeat, never their neighbours.
struct PixelSpan {
    int x0, x1, y0, y1;      // frame pixels, end exclusive
    int sx0, sx1, sy0, sy1;  // source pixels, end inclusive
    bool Empty() const { return x0 >= x1 || y0 >= y1; }
};

PixelSpan SpanOf(const ClippedDraw& draw, const FrameBuffer& frame) {
    const RectF& dst = draw.destination;
    const RectF& src = draw.source;
    return PixelSpan{std::max(0, static_cast<int>(std::floor(dst.left))),
                     std::min(frame.width, static_cast<int>(std::ceil(dst.right))),
                     std::max(0, static_cast<int>(std::floor(dst.top))),
                     std::min(frame.height, static_cast<int>(std::ceil(dst.bottom))),
                     static_cast<int>(src.left),
                     static_cast<int>(std::ceil(src.right)) - 1,
                     static_cast<int>(src.top),
                     static_cast<int>(std::ceil(src.bottom)) - 1};
}

// Premultiplied source (red-blue and alpha-green lanes) over an opaque pixel.
inline std::uint32_t OverOpaque(std::uint32_t dst, std::uint32_t rb, std::uint32_t ag) {
    const std::uint32_t alpha = ag >> 16;
    const std::uint32_t keep = 256 - alpha - (alpha >> 7);
    const std::uint32_t drb = (((dst & kRedBlue) * keep) >> 8) & kRedBlue;
    const std::uint32_t dg = ((((dst >> 8) & 0xFFu) * keep) >> 8) & 0xFFu;
    return (rb + drb) | (((ag & 0xFFu) + dg) << 8);
}

// Bilinear weights out of 256 for a sample fx, fy (each out of 256) past a source pixel.
struct BilinearWeights {
    std::uint32_t w00, w01, w10, w11;
    BilinearWeights(std::uint32_t wx, std::uint32_t wy)
        : w00(((256 - wx) * (256 - wy) + 128) >> 8),
          w01((wx * (256 - wy) + 128) >> 8),
          w10(((256 - wx) * wy + 128) >> 8),
          w11(256 - w00 - w01 - w10) {}
};

// Mixes four premultiplied source pixels: alpha-green in the high lanes, red-blue in the low,
// the same packing as a frame pixel with alpha on top.
inline std::uint32_t Premix(std::uint32_t p00, std::uint32_t p01, std::uint32_t p10,
                            std::uint32_t p11, const BilinearWeights& w) {
    const std::uint32_t rb = (((p00 & kRedBlue) * w.w00 + (p01 & kRedBlue) * w.w01 +
                               (p10 & kRedBlue) * w.w10 + (p11 & kRedBlue) * w.w11) >>
                              8) &
                             kRedBlue;
    const std::uint32_t ag = ((((p00 >> 8) & kRedBlue) * w.w00 + ((p01 >> 8) & kRedBlue) * w.w01 +
                               ((p10 >> 8) & kRedBlue) * w.w10 + ((p11 >> 8) & kRedBlue) * w.w11) >>
                              8) &
                             kRedBlue;
    return rb | (ag << 8);
}

// Scales a premixed sample by the cover (out of 256) and lays it over the frame pixel.
inline void LayPremixed(std::uint32_t& pixel, std::uint32_t mix, std::uint32_t cover) {
    std::uint32_t rb = mix & kRedBlue;
    std::uint32_t ag = (mix >> 8) & kRedBlue;
    if (cover < 256) {
        rb = ((rb * cover) >> 8) & kRedBlue;
        ag = ((ag * cover) >> 8) & kRedBlue;
    }
    pixel = OverOpaque(pixel, rb, ag);
}

inline void BlendSample(std::uint32_t& pixel, std::uint32_t p00, std::uint32_t p01,
                        std::uint32_t p10, std::uint32_t p11, const BilinearWeights& w,
                        std::uint32_t cover) {
    LayPremixed(pixel, Premix(p00, p01, p10, p11, w), cover);
}

// A row of premixed samples laid on fully (a zero sample leaves the pixel as it was).
GRYVEL_VECTOR_CLONES
void LayPremixedRow(std::uint32_t* out, const std::uint32_t* mix, int count) {
    for (int i = 0; i < count; ++i) {
        out[i] = OverOpaque(out[i], mix[i] & kRedBlue, (mix[i] >> 8) & kRedBlue);
    }
}

// A full row of whole columns, each a mix of two source rows: the scrolled layers' case.
// Straight and branch-free, so the compiler can vectorise it; where the processor has AVX2 a
// second copy uses it (eight pixels at a time, and 32-bit multiplies SSE2 lacks).
GRYVEL_VECTOR_CLONES
void BlendRows(std::uint32_t* out, const std::uint32_t* top, const std::uint32_t* bottom, int count,
               std::uint32_t wy) {
    const std::uint32_t wTop = 256 - wy;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t p0 = top[i], p1 = bottom[i];
        const std::uint32_t rb = (((p0 & kRedBlue) * wTop + (p1 & kRedBlue) * wy) >> 8) & kRedBlue;
        const std::uint32_t ag =
            ((((p0 >> 8) & kRedBlue) * wTop + ((p1 >> 8) & kRedBlue) * wy) >> 8) & kRedBlue;
        out[i] = OverOpaque(out[i], rb, ag);
    }
}

// A row of whole interior columns at one fractional offset: each pixel a bilinear mix of a
// 2 x 2 source block at the same weights, laid on fully. The sprites' case; the same sums as
// BlendSample at full cover (a transparent mix leaves the pixel as it was).
GRYVEL_VECTOR_CLONES
void BlendRowsBilinear(std::uint32_t* out, const std::uint32_t* top, const std::uint32_t* bottom,
                       int count, BilinearWeights w) {
    for (int i = 0; i < count; ++i) {
        const std::uint32_t mix = Premix(top[i], top[i + 1], bottom[i], bottom[i + 1], w);
        out[i] = OverOpaque(out[i], mix & kRedBlue, (mix >> 8) & kRedBlue);
    }
}

}  // namespace

// Most draws are unscaled (sprites, both scrolling layers): every pixel then samples the
// source at the same fractional offset, so the bilinear weights are fixed for the whole draw,
// and a layer scrolled by whole columns needs only the two rows above and below.
void SoftwareSurface::DrawUnscaled(const PremultipliedImage& image, const ClippedDraw& draw,
                                   float opacity) {
    const RectF& dst = draw.destination;
    const RectF& src = draw.source;
    const PixelSpan span = SpanOf(draw, frame_);
    if (span.Empty()) return;
    const int x0 = span.x0, x1 = span.x1, y0 = span.y0, y1 = span.y1;
    const int sx0 = span.sx0, sx1 = span.sx1, sy0 = span.sy0, sy1 = span.sy1;
    // Source position of pixel x: x + offsetX, the same fraction for every pixel.
    const float offsetX = src.left - dst.left, offsetY = src.top - dst.top;
    const int columnShift = static_cast<int>(std::floor(offsetX));
    const int rowShift = static_cast<int>(std::floor(offsetY));
    const std::uint32_t wx = static_cast<std::uint32_t>((offsetX - columnShift) * 256.0f + 0.5f);
    const std::uint32_t wy = static_cast<std::uint32_t>((offsetY - rowShift) * 256.0f + 0.5f);
    const BilinearWeights weights(wx, wy);
    const int opacity256 = static_cast<int>(std::lround(std::clamp(opacity, 0.0f, 1.0f) * 256.0f));
    const auto edgeCover = [](int p, float low, float high) {
        return static_cast<int>(SpanCoverage(p, low, high) * 256.0f + 0.5f);
    };
    // Columns whose two source columns both lie inside the source, away from the draw's edges.
    const int innerFirst = std::max(x0 + 1, sx0 - columnShift);
    const int innerLast = std::min(x1 - 1, sx1 - columnShift - (wx == 0 ? 0 : 1) + 1);
    for (int y = y0; y < y1; ++y) {
        const int rowCover = (edgeCover(y, dst.top, dst.bottom) * opacity256) >> 8;
        if (rowCover == 0) continue;
        const int row0 = std::clamp(y + rowShift, sy0, sy1);
        const int row1 = std::clamp(y + rowShift + 1, sy0, sy1);
        const std::uint32_t* top = &image.pixels[static_cast<std::size_t>(row0) * image.width];
        const std::uint32_t* bottom = &image.pixels[static_cast<std::size_t>(row1) * image.width];
        std::uint32_t* out = &frame_.pixels[static_cast<std::size_t>(y) * frame_.width];
        const bool fastRow = rowCover == 256 && innerFirst < innerLast;
        if (fastRow && wx == 0) {
            BlendRows(out + innerFirst, top + innerFirst + columnShift,
                      bottom + innerFirst + columnShift, innerLast - innerFirst, wy);
        } else if (fastRow) {
            BlendRowsBilinear(out + innerFirst, top + innerFirst + columnShift,
                              bottom + innerFirst + columnShift, innerLast - innerFirst, weights);
        }
        for (int x = x0; x < x1; ++x) {
            if (fastRow && x == innerFirst) x = innerLast;
            if (x >= x1) break;
            const int c0 = std::clamp(x + columnShift, sx0, sx1);
            const int c1 = std::clamp(x + columnShift + 1, sx0, sx1);
            const std::uint32_t p00 = top[c0], p01 = top[c1], p10 = bottom[c0], p11 = bottom[c1];
            if ((p00 | p01 | p10 | p11) == 0) continue;  // fully transparent
            int cover = rowCover;
            if (x == x0 || x == x1 - 1) cover = (cover * edgeCover(x, dst.left, dst.right)) >> 8;
            if (cover == 0) continue;
            BlendSample(out[x], p00, p01, p10, p11, weights, static_cast<std::uint32_t>(cover));
        }
    }
}

void SoftwareSurface::DrawBitmap(BitmapId bitmap, const RectF& gameDestination, float opacity,
                                 const RectF& source) {
    Flush();
    const RectF destination{gameDestination.left * scale_, gameDestination.top * scale_,
                            gameDestination.right * scale_, gameDestination.bottom * scale_};
    const PremultipliedImage& image = *bitmaps_[bitmap == BitmapId::Background ? 0 : 1];
    ClippedDraw draw;
    if (!ClipBitmapDraw(source, destination, static_cast<float>(image.width),
                        static_cast<float>(image.height), draw)) {
        return;
    }
    const RectF& dst = draw.destination;
    const RectF& src = draw.source;
    if (dst.right - dst.left == src.right - src.left &&
        dst.bottom - dst.top == src.bottom - src.top) {
        DrawUnscaled(image, draw, opacity);
        return;
    }
    DrawScaled(image, draw, opacity);
}

// A stretched or shrunk draw: per column its two source columns and weight, per row its two
// source rows and weight. The largest of these (the cover picture) repeats frame after frame,
// so its mixed samples are kept and only laid again.
void SoftwareSurface::DrawScaled(const PremultipliedImage& image, const ClippedDraw& draw,
                                 float opacity) {
    const RectF& dst = draw.destination;
    const RectF& src = draw.source;
    const float scaleX = (src.right - src.left) / (dst.right - dst.left);
    const float scaleY = (src.bottom - src.top) / (dst.bottom - dst.top);
    const PixelSpan span = SpanOf(draw, frame_);
    if (span.Empty()) return;
    const int x0 = span.x0, x1 = span.x1, y0 = span.y0, y1 = span.y1;
    const int sx0 = span.sx0, sx1 = span.sx1, sy0 = span.sy0, sy1 = span.sy1;
    const int width = x1 - x0;
    const int opacity256 = static_cast<int>(std::lround(std::clamp(opacity, 0.0f, 1.0f) * 256.0f));

    columns_.resize(static_cast<std::size_t>(width));
    int fullFirst = x1, fullLast = x0;  // the columns the destination covers whole
    for (int x = x0; x < x1; ++x) {
        const float u = src.left + (static_cast<float>(x) + 0.5f - dst.left) * scaleX - 0.5f;
        const float uFloor = std::floor(u);
        BitmapColumn& column = columns_[static_cast<std::size_t>(x - x0)];
        column.first = std::clamp(static_cast<int>(uFloor), sx0, sx1);
        column.second = std::clamp(static_cast<int>(uFloor) + 1, sx0, sx1);
        column.weight = static_cast<int>((u - uFloor) * 256.0f + 0.5f);
        column.cover = static_cast<int>(SpanCoverage(x, dst.left, dst.right) * 256.0f + 0.5f);
        if (column.cover == 256) {
            fullFirst = std::min(fullFirst, x);
            fullLast = x + 1;
        }
    }
    for (int x = fullFirst; x < fullLast; ++x) {
        if (columns_[static_cast<std::size_t>(x - x0)].cover != 256) fullLast = fullFirst;
    }

    const bool keep = static_cast<long>(width) * (y1 - y0) >= kKeptMixMinimumPixels;
    const bool kept = keep && keptMix_.image == &image && SameRect(keptMix_.source, src) &&
                      SameRect(keptMix_.destination, dst);
    if (keep && !kept) {
        keptMix_.image = &image;
        keptMix_.source = src;
        keptMix_.destination = dst;
        keptMix_.mix.resize(static_cast<std::size_t>(width) * (y1 - y0));
    }
    for (int y = y0; y < y1; ++y) {
        const int coverY = static_cast<int>(SpanCoverage(y, dst.top, dst.bottom) * 256.0f + 0.5f);
        std::uint32_t* mix =
            keep ? &keptMix_.mix[static_cast<std::size_t>(y - y0) * width] : nullptr;
        if (!kept) {
            const float v = src.top + (static_cast<float>(y) + 0.5f - dst.top) * scaleY - 0.5f;
            const float vFloor = std::floor(v);
            const auto wy = static_cast<std::uint32_t>((v - vFloor) * 256.0f + 0.5f);
            const int row0 = std::clamp(static_cast<int>(vFloor), sy0, sy1);
            const int row1 = std::clamp(static_cast<int>(vFloor) + 1, sy0, sy1);
            const std::uint32_t* top = &image.pixels[static_cast<std::size_t>(row0) * image.width];
            const std::uint32_t* bottom =
                &image.pixels[static_cast<std::size_t>(row1) * image.width];
            if (!keep) {
                rowMix_.resize(static_cast<std::size_t>(width));
                mix = rowMix_.data();
            }
            for (int i = 0; i < width; ++i) {
                const BitmapColumn& column = columns_[static_cast<std::size_t>(i)];
                mix[i] = Premix(top[column.first], top[column.second], bottom[column.first],
                                bottom[column.second],
                                BilinearWeights(static_cast<std::uint32_t>(column.weight), wy));
            }
        }
        std::uint32_t* out = &frame_.pixels[static_cast<std::size_t>(y) * frame_.width];
        const bool fullRow = coverY == 256 && opacity256 == 256 && fullFirst < fullLast;
        if (fullRow) LayPremixedRow(out + fullFirst, mix + (fullFirst - x0), fullLast - fullFirst);
        for (int x = x0; x < x1; ++x) {
            if (fullRow && x == fullFirst) x = fullLast;
            if (x >= x1) break;
            const std::uint32_t sample = mix[x - x0];
            if (sample == 0) continue;  // fully transparent
            const std::uint32_t cover = static_cast<std::uint32_t>(
                (columns_[static_cast<std::size_t>(x - x0)].cover * coverY >> 8) * opacity256 >> 8);
            if (cover == 0) continue;
            LayPremixed(out[x], sample, cover);
        }
    }
}

namespace {

// One pass of a round-capped line: what it reaches and how it blends.
struct LinePass {
    float reach;  // half the width plus half a pixel of antialiased edge
    SolidBlend solid;
    float alpha;
};

// Visits every pixel whose centre lies within reach of the segment, with the squared distance
// from that centre to the segment (round caps come for free).
template <typename Visit>
void ForEachPixelNearSegment(FrameBuffer& frame, PointF from, PointF to, float reach, Visit visit) {
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min(from.x, to.x) - reach)));
    const int x1 =
        std::min(frame.width, static_cast<int>(std::ceil(std::max(from.x, to.x) + reach)));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min(from.y, to.y) - reach)));
    const int y1 =
        std::min(frame.height, static_cast<int>(std::ceil(std::max(from.y, to.y) + reach)));
    if (x0 >= x1 || y0 >= y1) return;
    const float dx = to.x - from.x, dy = to.y - from.y;
    const float lengthSquared = dx * dx + dy * dy;
    const float inverse = lengthSquared > 0.0f ? 1.0f / lengthSquared : 0.0f;
    const float reachSquared = reach * reach;
    for (int y = y0; y < y1; ++y) {
        std::uint32_t* out = &frame.pixels[static_cast<std::size_t>(y) * frame.width];
        const float py = static_cast<float>(y) + 0.5f - from.y;
        for (int x = x0; x < x1; ++x) {
            const float px = static_cast<float>(x) + 0.5f - from.x;
            const float t = std::clamp((px * dx + py * dy) * inverse, 0.0f, 1.0f);
            const float ex = px - t * dx, ey = py - t * dy;
            const float distanceSquared = ex * ex + ey * ey;
            if (distanceSquared < reachSquared) visit(out[x], distanceSquared);
        }
    }
}

// Each pixel within reach takes every pass in order.
void RasterLine(FrameBuffer& frame, PointF from, PointF to, const LinePass* passes, int count) {
    float reach = 0.0f;
    for (int p = 0; p < count; ++p) reach = std::max(reach, passes[p].reach);
    ForEachPixelNearSegment(frame, from, to, reach, [&](std::uint32_t& pixel, float squared) {
        const float distance = std::sqrt(squared);
        for (int p = 0; p < count; ++p) {
            const float cover = passes[p].reach - distance;
            if (cover > 0.0f) {
                pixel =
                    passes[p].solid.Over(pixel, Opacity(passes[p].alpha, std::min(cover, 1.0f)));
            }
        }
    });
}

// The three passes of a glow line folded into one premultiplied source per distance: source-over
// is associative, so (core over (body over (halo over D))) is one blend of their composite.
// Indexed by the squared distance in 64ths of a pixel, each entry taken at its lower edge: no
// square root per pixel, and pixels at whole or half distances come out exact.
struct GlowTable {
    static constexpr int kSteps = 64;
    struct Entry {
        std::uint32_t redBlue;  // premultiplied source, 8.8 fixed point per channel
        std::uint32_t green;
        std::uint32_t keep;  // what stays of the destination, out of 256
    };
    LinePass passes[3];
    float reachSquared;
    std::vector<Entry> entries;  // every squared distance below the reach, and a few more

    void Build(const LinePass (&from)[3]) {
        std::copy(from, from + 3, passes);
        float reach = 0.0f;
        for (const LinePass& pass : passes) reach = std::max(reach, pass.reach);
        reachSquared = reach * reach;
        // A distance squared under reachSquared indexes below reachSquared * kSteps + 1.
        entries.resize(static_cast<std::size_t>(reachSquared * kSteps) + 8);
        for (std::size_t i = 0; i < entries.size(); ++i) {
            const float distance = std::sqrt(static_cast<float>(i) / kSteps);
            float r = 0, g = 0, b = 0,
                  keep = 1;  // composite: colour premultiplied, keep = 1 - alpha
            for (const LinePass& pass : passes) {
                const float cover = std::clamp(pass.reach - distance, 0.0f, 1.0f);
                const float a = static_cast<float>(Opacity(pass.alpha, cover)) / 256.0f;
                r = r * (1 - a) + static_cast<float>((pass.solid.redBlue >> 16) & 0xFF) * a;
                g = g * (1 - a) + static_cast<float>(pass.solid.green >> 8) * a;
                b = b * (1 - a) + static_cast<float>(pass.solid.redBlue & 0xFF) * a;
                keep *= 1 - a;
            }
            const auto fixed = [](float v) { return static_cast<std::uint32_t>(v * 256.0f); };
            entries[i] = Entry{(fixed(r) << 16) | fixed(b), fixed(g),
                               static_cast<std::uint32_t>(keep * 256.0f + 0.5f)};
        }
    }
    bool Matches(const LinePass (&other)[3]) const {
        for (int p = 0; p < 3; ++p) {
            if (passes[p].reach != other[p].reach || passes[p].alpha != other[p].alpha ||
                passes[p].solid.redBlue != other[p].solid.redBlue ||
                passes[p].solid.green != other[p].solid.green) {
                return false;
            }
        }
        return true;
    }
};

// The game uses a dozen glow colours; their tables are built once and kept.
const GlowTable& GlowTableFor(const LinePass (&passes)[3]) {
    static GlowTable tables[16];
    static int used = 0, next = 0;
    for (int i = 0; i < used; ++i) {
        if (tables[i].Matches(passes)) return tables[i];
    }
    GlowTable& table = tables[used < 16 ? used++ : (next++ % 16)];
    table.Build(passes);
    return table;
}

void RasterGlow(FrameBuffer& frame, PointF from, PointF to, const GlowTable& table) {
    ForEachPixelNearSegment(
        frame, from, to, std::sqrt(table.reachSquared), [&](std::uint32_t& pixel, float squared) {
            const GlowTable::Entry& e =
                table.entries[static_cast<int>(squared * GlowTable::kSteps)];
            const std::uint32_t rb = ((e.redBlue + (pixel & kRedBlue) * e.keep) >> 8) & kRedBlue;
            const std::uint32_t g = ((e.green + ((pixel >> 8) & 0xFF) * e.keep) >> 8) << 8;
            pixel = rb | g;
        });
}

}  // namespace

void SoftwareSurface::DrawPendingLine(const PendingLine& line) {
    const LinePass pass{line.width * scale_ * 0.5f + 0.5f, BlendFor(line.color),
                        std::clamp(line.color.a, 0.0f, 1.0f)};
    RasterLine(frame_, line.from, line.to, &pass, 1);
}

void SoftwareSurface::Flush() {
    for (int i = 0; i < pending_; ++i) DrawPendingLine(pendingLines_[i]);
    pending_ = 0;
}

// A glow line arrives as three lines over one segment, widest first. The first two wait; when
// the third comes, all three are drawn in one sweep over the pixels, each pixel taking the
// passes in their order, which gives the very same pixels as three sweeps. Anything else
// draws what waits first.
void SoftwareSurface::DrawLine(PointF gameFrom, PointF gameTo, float width) {
    // The glow passes are recognised by their game widths; only the pixels are scaled.
    const PointF from{gameFrom.x * scale_, gameFrom.y * scale_};
    const PointF to{gameTo.x * scale_, gameTo.y * scale_};
    const PendingLine line{from, to, width, brush_};
    const auto sameSegment = [&](const PendingLine& other) {
        return other.from.x == from.x && other.from.y == from.y && other.to.x == to.x &&
               other.to.y == to.y;
    };
    if (pending_ == 1 && width == kGlowBodyWidth && sameSegment(pendingLines_[0])) {
        pendingLines_[pending_++] = line;
        return;
    }
    if (pending_ == 2 && width == kGlowCoreWidth && sameSegment(pendingLines_[0])) {
        LinePass passes[3];
        for (int i = 0; i < 2; ++i) {
            const PendingLine& waiting = pendingLines_[i];
            passes[i] = LinePass{waiting.width * scale_ * 0.5f + 0.5f, BlendFor(waiting.color),
                                 std::clamp(waiting.color.a, 0.0f, 1.0f)};
        }
        passes[2] = LinePass{width * scale_ * 0.5f + 0.5f, BlendFor(brush_),
                             std::clamp(brush_.a, 0.0f, 1.0f)};
        pending_ = 0;
        RasterGlow(frame_, from, to, GlowTableFor(passes));
        return;
    }
    Flush();
    if (width == kGlowHaloWidth) {
        pendingLines_[pending_++] = line;
        return;
    }
    DrawPendingLine(line);
}

void SoftwareSurface::FillEllipse(PointF gameCentre, float gameRadiusX, float gameRadiusY) {
    Flush();
    const PointF centre{gameCentre.x * scale_, gameCentre.y * scale_};
    const float radiusX = gameRadiusX * scale_, radiusY = gameRadiusY * scale_;
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
            if (cover > 0.0f) out[x] = solid.Over(out[x], Opacity(alpha, cover));
        }
    }
}

void SoftwareSurface::SetTextAlignment(TextAlignment /*alignment*/) {
    // Centred is the only alignment the game uses, and the text format renders centred.
}

void SoftwareSurface::DrawText(std::string_view text, const RectF& layout) {
    Flush();
    const int layoutWidth = static_cast<int>(std::lround(layout.right - layout.left));
    const TextMask& mask = textFormat_.Render(text, layoutWidth, density_);
    const SolidBlend solid = BlendFor(brush_);
    const float alpha = std::clamp(brush_.a, 0.0f, 1.0f) / 255.0f;
    // Not clipped to the layout box: the lines run on below its bottom edge.
    const int left = static_cast<int>(std::lround(layout.left)) * density_ - mask.margin;
    const int top = static_cast<int>(std::lround(layout.top)) * density_ - mask.margin;
    for (int my = 0; my < mask.height; ++my) {
        const int y = top + my;
        if (y < 0 || y >= frame_.height) continue;
        std::uint32_t* out = &frame_.pixels[static_cast<std::size_t>(y) * frame_.width];
        const std::uint8_t* coverage = &mask.alpha[static_cast<std::size_t>(my) * mask.width];
        for (int mx = 0; mx < mask.width; ++mx) {
            const int x = left + mx;
            if (x < 0 || x >= frame_.width || coverage[mx] == 0) continue;
            out[x] = solid.Over(out[x], Opacity(alpha, coverage[mx]));
        }
    }
}
