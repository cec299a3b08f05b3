#include "game/stage/background.h"

#include "game/stage/world.h"

namespace {

struct Layer {
    float* scroll;
    double speedPerClock;  // the offset grows by clock x this every frame
    float sourceTop;
};

// The back layer is the image's upper band, the front layer its lower band.
void DrawLayer(DrawingSurface& surface, float scroll, float sourceTop) {
    surface.DrawBitmap(BitmapId::Background,
                       RectF{0.0f, scroll - kLayerHeight, 600.0f, scroll + kLayerHeight}, 1.0f,
                       RectF{0.0f, sourceTop, 600.0f, sourceTop + 1536.0f});
}

}  // namespace

void ScrollAndDrawBackground(FrameContext& frame) {
    const Layer layers[] = {{&gameWorld.backLayerScroll, 0.002, 0.0f},
                            {&gameWorld.frontLayerScroll, 0.004, 1536.0f}};
    const float clock = gameWorld.stageClock;
    // The speed product is formed in double and rounded to float before the float addition.
    for (const Layer& layer : layers) {
        *layer.scroll = *layer.scroll + static_cast<float>(clock * layer.speedPerClock);
    }
    for (const Layer& layer : layers) DrawLayer(frame.surface, *layer.scroll, layer.sourceTop);
    // The wrap sets the offset to exactly 0; it does not subtract the layer height.
    for (const Layer& layer : layers) {
        if (*layer.scroll >= kLayerHeight) *layer.scroll = 0.0f;
    }
}
