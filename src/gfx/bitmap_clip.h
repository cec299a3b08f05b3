#pragma once
// Clipping a bitmap draw to the bitmap's bounds, scaling the destination with it, so that a
// smaller image than expected shows nothing where its pixels are missing instead of stretching.

#include "gfx/drawing_surface.h"

struct ClippedDraw {
    RectF source;
    RectF destination;
};

// False when no part of the source lies inside the bitmap.
bool ClipBitmapDraw(const RectF& source, const RectF& destination, float bitmapWidth,
                    float bitmapHeight, ClippedDraw& out);
