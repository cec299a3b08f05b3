#include "gfx/sdl_surface.h"

#include <algorithm>
#include <cmath>

#include "gfx/bitmap_clip.h"

namespace {

// Channels above 1 (the glow halo) saturate.
Uint8 ToByte(float channel) {
    return static_cast<Uint8>(std::lround(std::clamp(channel, 0.0f, 1.0f) * 255.0f));
}

}  // namespace

SdlSurface::SdlSurface(SDL_Renderer* renderer, SdlBitmap background, SdlBitmap spriteSheet,
                       TextFormat& textFormat)
    : renderer_(renderer), bitmaps_{background, spriteSheet}, textFormat_(textFormat) {
    SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);
}

SdlSurface::~SdlSurface() {
    for (auto& entry : textTextures_) SDL_DestroyTexture(entry.second.first);
}

void SdlSurface::SetColor(const ColorF& color) { brush_ = color; }

void SdlSurface::DrawBitmap(BitmapId bitmap, const RectF& destination, float opacity,
                            const RectF& source) {
    const SdlBitmap& target = bitmaps_[bitmap == BitmapId::Background ? 0 : 1];
    ClippedDraw draw;
    if (!ClipBitmapDraw(source, destination, target.width, target.height, draw)) return;
    const SDL_Rect sourceRect{static_cast<int>(std::lround(draw.source.left)),
                              static_cast<int>(std::lround(draw.source.top)),
                              static_cast<int>(std::lround(draw.source.right - draw.source.left)),
                              static_cast<int>(std::lround(draw.source.bottom - draw.source.top))};
    const SDL_FRect destinationRect{draw.destination.left, draw.destination.top,
                                    draw.destination.right - draw.destination.left,
                                    draw.destination.bottom - draw.destination.top};
    SDL_SetTextureAlphaMod(target.texture, ToByte(opacity));
    SDL_RenderCopyF(renderer_, target.texture, &sourceRect, &destinationRect);
}

void SdlSurface::DrawLine(PointF from, PointF to, float width) {
    mesh_.Clear();
    AppendCapsule(mesh_, from, to, width);
    DrawMesh();
}

void SdlSurface::FillEllipse(PointF centre, float radiusX, float radiusY) {
    mesh_.Clear();
    AppendEllipse(mesh_, centre, radiusX, radiusY);
    DrawMesh();
}

void SdlSurface::DrawMesh() {
    if (mesh_.indices.empty()) return;
    const Uint8 r = ToByte(brush_.r), g = ToByte(brush_.g), b = ToByte(brush_.b);
    const float alpha = std::clamp(brush_.a, 0.0f, 1.0f);
    vertices_.resize(mesh_.vertices.size());
    for (std::size_t i = 0; i < mesh_.vertices.size(); ++i) {
        const ShapeVertex& v = mesh_.vertices[i];
        vertices_[i].position = SDL_FPoint{v.x, v.y};
        vertices_[i].color = SDL_Color{r, g, b, ToByte(alpha * v.coverage)};
        vertices_[i].tex_coord = SDL_FPoint{0.0f, 0.0f};
    }
    SDL_RenderGeometry(renderer_, nullptr, vertices_.data(), static_cast<int>(vertices_.size()),
                       mesh_.indices.data(), static_cast<int>(mesh_.indices.size()));
}

void SdlSurface::SetTextAlignment(TextAlignment /*alignment*/) {
    // Centred is the only alignment the game uses, and the text format renders centred.
}

SDL_Texture* SdlSurface::TextTexture(std::string_view text, int layoutWidth, int& margin) {
    const auto key = std::make_pair(std::string(text), layoutWidth);
    const auto found = textTextures_.find(key);
    if (found != textTextures_.end()) {
        margin = found->second.second;
        return found->second.first;
    }
    const TextMask& mask = textFormat_.Render(text, layoutWidth);
    SDL_Texture* texture = nullptr;
    if (mask.width > 0 && mask.height > 0) {
        texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC,
                                    mask.width, mask.height);
    }
    if (texture != nullptr) {
        // White glyphs with coverage as alpha; the brush colours them at draw time.
        std::vector<Uint32> pixels(mask.alpha.size());
        for (std::size_t i = 0; i < pixels.size(); ++i) {
            pixels[i] = (Uint32{mask.alpha[i]} << 24) | 0x00FFFFFFu;
        }
        SDL_UpdateTexture(texture, nullptr, pixels.data(), mask.width * 4);
        SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
        SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
    }
    textTextures_[key] = {texture, mask.margin};
    margin = mask.margin;
    return texture;
}

void SdlSurface::DrawText(std::string_view text, const RectF& layout) {
    const int layoutWidth = static_cast<int>(std::lround(layout.right - layout.left));
    int margin = 0;
    SDL_Texture* texture = TextTexture(text, layoutWidth, margin);
    if (texture == nullptr) return;
    int width = 0, height = 0;
    SDL_QueryTexture(texture, nullptr, nullptr, &width, &height);
    SDL_SetTextureColorMod(texture, ToByte(brush_.r), ToByte(brush_.g), ToByte(brush_.b));
    SDL_SetTextureAlphaMod(texture, ToByte(brush_.a));
    // Not clipped to the layout box: the lines run on below its bottom edge.
    const SDL_FRect destination{layout.left - margin, layout.top - margin,
                                static_cast<float>(width), static_cast<float>(height)};
    SDL_RenderCopyF(renderer_, texture, nullptr, &destination);
}
