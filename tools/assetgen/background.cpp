#include <cmath>
#include <string>

#include "assetgen/assets.h"
#include "assetgen/cairo_util.h"

namespace {

constexpr int kWidth = 1800;
constexpr int kHeight = 3072;
constexpr int kLayerWidth = 600;
constexpr int kTileHeight =
    768;  // each layer repeats every 768 rows, so its scroll wrap is seamless

// A tiny fixed generator so the scattered details come out the same every run.
unsigned Next(unsigned& state) {
    state = state * 1103515245u + 12345u;
    return (state >> 8) & 0xFFFFu;
}

void BackTile(cairo_t* cr) {
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, kTileHeight);
    cairo_pattern_add_color_stop_rgb(sky, 0.0, 0.02, 0.04, 0.12);
    cairo_pattern_add_color_stop_rgb(sky, 0.5, 0.04, 0.08, 0.20);
    cairo_pattern_add_color_stop_rgb(sky, 1.0, 0.02, 0.04, 0.12);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
    // Grid lines for a sense of speed.
    SetRgb(cr, 0x2A4A80, 0.6);
    cairo_set_line_width(cr, 1);
    for (int y = 0; y < kTileHeight; y += 96) {
        cairo_move_to(cr, 0, y + 0.5);
        cairo_line_to(cr, kLayerWidth, y + 0.5);
    }
    for (int x = 0; x <= kLayerWidth; x += 100) {
        cairo_move_to(cr, x + 0.5, 0);
        cairo_line_to(cr, x + 0.5, kTileHeight);
    }
    cairo_stroke(cr);
    unsigned state = 7;
    for (int i = 0; i < 160; ++i) {
        const double x = Next(state) % kLayerWidth;
        const double y = Next(state) % kTileHeight;
        SetRgb(cr, 0xFFFFFF, 0.3 + (Next(state) % 70) / 100.0);
        cairo_arc(cr, x, y, 0.8 + (Next(state) % 10) / 10.0, 0, 2 * M_PI);
        cairo_fill(cr);
    }
}

void FrontTile(cairo_t* cr) {
    unsigned state = 11;
    for (int i = 0; i < 9; ++i) {
        const double x = Next(state) % kLayerWidth;
        const double y = 40 + Next(state) % (kTileHeight - 80);
        const double r = 40 + Next(state) % 60;
        cairo_pattern_t* cloud = cairo_pattern_create_radial(x, y, 0, x, y, r);
        cairo_pattern_add_color_stop_rgba(cloud, 0, 0.7, 0.75, 0.85, 0.35);
        cairo_pattern_add_color_stop_rgba(cloud, 1, 0.7, 0.75, 0.85, 0.0);
        cairo_set_source(cr, cloud);
        cairo_arc(cr, x, y, r, 0, 2 * M_PI);
        cairo_fill(cr);
        cairo_pattern_destroy(cloud);
    }
}

// Draws a 600 x 768 tile twice, one above the other, at the layer's top.
void Layer(cairo_t* cr, double top, void (*tile)(cairo_t*)) {
    for (int copy = 0; copy < 2; ++copy) {
        cairo_save(cr);
        cairo_rectangle(cr, 0, top + copy * kTileHeight, kLayerWidth, kTileHeight);
        cairo_clip(cr);
        cairo_translate(cr, 0, top + copy * kTileHeight);
        tile(cr);
        cairo_restore(cr);
    }
}

void Cover(cairo_t* cr) {
    cairo_save(cr);
    cairo_rectangle(cr, 600, 0, 1200, 768);
    cairo_clip(cr);
    cairo_pattern_t* fade = cairo_pattern_create_linear(0, 0, 0, 768);
    cairo_pattern_add_color_stop_rgb(fade, 0, 0.10, 0.02, 0.08);
    cairo_pattern_add_color_stop_rgb(fade, 1, 0.01, 0.02, 0.10);
    cairo_set_source(cr, fade);
    cairo_paint(cr);
    cairo_pattern_destroy(fade);
    SetRgb(cr, 0xFFD040);
    Label(cr, "KESTRIVAN", 1200, 300, 120);
    Label(cr, "MORVALENT", 1200, 440, 120);
    cairo_restore(cr);
}

}  // namespace

bool WriteBackground(const std::string& path) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
    cairo_t* cr = cairo_create(surface);
    Layer(cr, 0, BackTile);
    Layer(cr, 1536, FrontTile);
    Cover(cr);
    cairo_destroy(cr);
    const bool ok = SavePng(surface, path);
    cairo_surface_destroy(surface);
    return ok;
}
