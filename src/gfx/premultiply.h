#pragma once
// Converting straight-alpha pixels to the premultiplied form the surface blends with.

#include <cstdint>

#include "gfx/frame_buffer.h"

PremultipliedImage Premultiply(const std::uint32_t* pixels, int width, int height);
