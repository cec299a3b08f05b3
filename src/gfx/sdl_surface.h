#pragma once
// The drawing surface on an SDL renderer: bitmaps as textures, lines and ellipses as
// antialiased triangles, text as cached alpha-mask textures.

#include <SDL.h>

#include <map>
#include <string>
#include <vector>

#include "gfx/drawing_surface.h"
#include "gfx/outline_geometry.h"
#include "gfx/text_format.h"

struct SdlBitmap {
    SDL_Texture* texture = nullptr;
    float width = 0;
    float height = 0;
};

class SdlSurface : public DrawingSurface {
public:
    // The brush starts opaque black. Text textures are made on first use and freed with this.
    SdlSurface(SDL_Renderer* renderer, SdlBitmap background, SdlBitmap spriteSheet,
               TextFormat& textFormat);
    ~SdlSurface() override;
    SdlSurface(const SdlSurface&) = delete;
    SdlSurface& operator=(const SdlSurface&) = delete;

    void SetColor(const ColorF& color) override;
    void DrawBitmap(BitmapId bitmap, const RectF& destination, float opacity,
                    const RectF& source) override;
    void DrawLine(PointF from, PointF to, float width) override;
    void FillEllipse(PointF centre, float radiusX, float radiusY) override;
    void SetTextAlignment(TextAlignment alignment) override;
    void DrawText(std::string_view text, const RectF& layout) override;

private:
    void DrawMesh();
    SDL_Texture* TextTexture(std::string_view text, int layoutWidth, int& margin);

    SDL_Renderer* renderer_;
    SdlBitmap bitmaps_[2];
    TextFormat& textFormat_;
    ColorF brush_{0.0f, 0.0f, 0.0f, 1.0f};
    ShapeMesh mesh_;
    std::vector<SDL_Vertex> vertices_;
    std::map<std::pair<std::string, int>, std::pair<SDL_Texture*, int>> textTextures_;
};
