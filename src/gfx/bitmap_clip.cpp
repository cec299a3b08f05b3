#include "gfx/bitmap_clip.h"

#include <algorithm>

bool ClipBitmapDraw(const RectF& source, const RectF& destination, float bitmapWidth,
                    float bitmapHeight, ClippedDraw& out) {
    const float sourceWidth = source.right - source.left;
    const float sourceHeight = source.bottom - source.top;
    if (sourceWidth <= 0.0f || sourceHeight <= 0.0f) return false;
    const RectF clipped{std::max(source.left, 0.0f), std::max(source.top, 0.0f),
                        std::min(source.right, bitmapWidth), std::min(source.bottom, bitmapHeight)};
    if (clipped.right <= clipped.left || clipped.bottom <= clipped.top) return false;
    const float scaleX = (destination.right - destination.left) / sourceWidth;
    const float scaleY = (destination.bottom - destination.top) / sourceHeight;
    out.source = clipped;
    out.destination = RectF{destination.left + (clipped.left - source.left) * scaleX,
                            destination.top + (clipped.top - source.top) * scaleY,
                            destination.left + (clipped.right - source.left) * scaleX,
                            destination.top + (clipped.bottom - source.top) * scaleY};
    return true;
}
