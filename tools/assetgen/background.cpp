#include <cairo.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "assetgen/assets.h"
#include "assetgen/cairo_util.h"
#include "assetgen/noise.h"

namespace {

constexpr int kWidth = 1800;
constexpr int kHeight = 3072;
constexpr int kLayerWidth = 600;
constexpr int kPeriod = 768;  // each layer repeats every 768 rows: its scroll wrap is seamless

// Writes straight-alpha colour into Cairo's premultiplied ARGB32 pixel.
std::uint32_t Premultiplied(double r, double g, double b, double a) {
    const auto byte = [](double v) {
        return static_cast<std::uint32_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
    };
    return (byte(a) << 24) | (byte(r * a) << 16) | (byte(g * a) << 8) | byte(b * a);
}

double Mix(double a, double b, double t) {
    return a + (b - a) * t;
}

// An alien coast far below: dark sea, ridged land with lit valleys, cloud shadows.
void BackTile(cairo_surface_t* surface, int top) {
    const PeriodicNoise land(17, kPeriod), detail(23, kPeriod);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < kPeriod; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + (top + y) * stride);
        for (int x = 0; x < kLayerWidth; ++x) {
            const double h = land.At(x, y, 128, 4);
            const double d = detail.At(x, y, 32, 3);
            double r, g, b;
            if (h < 0.48) {  // sea: deeper is darker, with a faint sheen
                const double depth = std::clamp((0.48 - h) / 0.2, 0.0, 1.0);
                r = Mix(0.05, 0.01, depth);
                g = Mix(0.16, 0.04, depth) + 0.03 * d;
                b = Mix(0.30, 0.12, depth) + 0.05 * d;
            } else {  // land: shore, then dark rock with ridges
                const double height = std::clamp((h - 0.48) / 0.25, 0.0, 1.0);
                const double ridge = 1.0 - std::fabs(d * 2.0 - 1.0);
                r = Mix(0.20, 0.09, height) + 0.08 * ridge;
                g = Mix(0.22, 0.10, height) + 0.07 * ridge;
                b = Mix(0.16, 0.13, height) + 0.05 * ridge;
                if (h < 0.50) {  // surf along the coast
                    r += 0.15;
                    g += 0.18;
                    b += 0.2;
                }
            }
            row[x] = Premultiplied(r, g, b, 1.0);
        }
    }
    cairo_surface_mark_dirty(surface);
}

// Lights of settlements and a few craters, each drawn at y and y - 768 so they wrap.
void BackDetails(cairo_t* cr, int top) {
    const PeriodicNoise land(17, kPeriod);
    Scatter scatter(31);
    cairo_save(cr);
    cairo_rectangle(cr, 0, top, kLayerWidth, kPeriod);
    cairo_clip(cr);
    for (int i = 0; i < 420; ++i) {
        const double x = scatter.Range(0, kLayerWidth), y = scatter.Range(0, kPeriod);
        const double size = scatter.Range(0.6, 1.6);
        const double warm = scatter.Next();
        if (land.At(x, y, 128, 4) < 0.52) continue;  // lights only on land
        for (double wrap : {0.0, -static_cast<double>(kPeriod), static_cast<double>(kPeriod)}) {
            cairo_pattern_t* glow =
                cairo_pattern_create_radial(x, top + y + wrap, 0, x, top + y + wrap, size * 3);
            cairo_pattern_add_color_stop_rgba(glow, 0, 1.0, 0.85 - 0.3 * warm, 0.5, 0.9);
            cairo_pattern_add_color_stop_rgba(glow, 1, 1.0, 0.6, 0.2, 0.0);
            cairo_set_source(cr, glow);
            cairo_arc(cr, x, top + y + wrap, size * 3, 0, 2 * M_PI);
            cairo_fill(cr);
            cairo_pattern_destroy(glow);
        }
    }
    cairo_restore(cr);
}

// Drifting cloud banks and girders of a wrecked orbital structure, mostly transparent.
void FrontTile(cairo_surface_t* surface, int top) {
    const PeriodicNoise clouds(41, kPeriod), wisps(47, kPeriod);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < kPeriod; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + (top + y) * stride);
        for (int x = 0; x < kLayerWidth; ++x) {
            const double c = clouds.At(x, y, 256, 4) * 0.75 + wisps.At(x, y, 64, 3) * 0.25;
            const double alpha = std::clamp((c - 0.55) / 0.2, 0.0, 1.0) * 0.55;
            const double shade = 0.75 + 0.25 * wisps.At(x + 300, y, 32, 2);
            row[x] = Premultiplied(0.78 * shade, 0.82 * shade, 0.9 * shade, alpha);
        }
    }
    cairo_surface_mark_dirty(surface);
}

void Girder(cairo_t* cr, double x, double y, double length, double angle) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_pattern_t* metal = cairo_pattern_create_linear(0, -9, 0, 9);
    cairo_pattern_add_color_stop_rgba(metal, 0, 0.55, 0.58, 0.62, 0.95);
    cairo_pattern_add_color_stop_rgba(metal, 0.5, 0.30, 0.32, 0.36, 0.95);
    cairo_pattern_add_color_stop_rgba(metal, 1, 0.15, 0.16, 0.19, 0.95);
    cairo_rectangle(cr, 0, -9, length, 18);
    cairo_set_source(cr, metal);
    cairo_fill(cr);
    cairo_pattern_destroy(metal);
    SetRgb(cr, 0x1A1C22, 0.9);
    cairo_set_line_width(cr, 1.5);
    for (double s = 0; s + 18 <= length; s += 18) {  // lattice bracing
        cairo_move_to(cr, s, -9);
        cairo_line_to(cr, s + 18, 9);
        cairo_move_to(cr, s, 9);
        cairo_line_to(cr, s + 18, -9);
    }
    cairo_stroke(cr);
    cairo_rectangle(cr, 0, -9, length, 18);
    cairo_stroke(cr);
    SetRgb(cr, 0xFF5030, 0.9);  // a warning light at the broken end
    cairo_arc(cr, length - 4, 0, 2.5, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_restore(cr);
}

void FrontDetails(cairo_t* cr, int top) {
    cairo_save(cr);
    cairo_rectangle(cr, 0, top, kLayerWidth, kPeriod);
    cairo_clip(cr);
    Scatter scatter(53);
    for (int i = 0; i < 5; ++i) {
        const double x = scatter.Range(-60, kLayerWidth - 100), y = scatter.Range(0, kPeriod);
        const double length = scatter.Range(90, 200), angle = scatter.Range(-0.6, 0.6);
        for (double wrap : {0.0, -static_cast<double>(kPeriod), static_cast<double>(kPeriod)}) {
            Girder(cr, x, top + y + wrap, length, angle);
        }
    }
    cairo_restore(cr);
}

// Copies rows [top, top + 768) to [top + 768, top + 1536): rows y and y + 768 are equal.
void RepeatBand(cairo_surface_t* surface, int top) {
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < kPeriod; ++y) {
        std::copy_n(data + (top + y) * stride, kLayerWidth * 4,
                    data + (top + kPeriod + y) * stride);
    }
    cairo_surface_mark_dirty(surface);
}

void Title(cairo_t* cr, const char* text, double centreX, double y, double size, double stretch) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string("Noto Sans CJK JP Black");
    pango_font_description_set_absolute_size(font, size * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_layout_set_text(layout, text, -1);
    int width = 0, height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    cairo_save(cr);
    cairo_translate(cr, centreX, y);
    cairo_scale(cr, stretch, 1.0);
    cairo_move_to(cr, -width / 2.0, 0);
    pango_cairo_layout_path(cr, layout);
    cairo_pattern_t* gold = cairo_pattern_create_linear(0, 0, 0, height);
    cairo_pattern_add_color_stop_rgb(gold, 0, 1.0, 0.95, 0.6);
    cairo_pattern_add_color_stop_rgb(gold, 0.55, 1.0, 0.7, 0.15);
    cairo_pattern_add_color_stop_rgb(gold, 1, 0.6, 0.25, 0.05);
    cairo_set_source(cr, gold);
    cairo_pattern_destroy(gold);
    cairo_fill_preserve(cr);
    SetRgb(cr, 0x200800);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_restore(cr);
    pango_font_description_free(font);
    g_object_unref(layout);
}

// The cover as the player sees it, 600 x 768.
void PaintCover(cairo_t* cr) {
    cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 768);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.02, 0.01, 0.06);
    cairo_pattern_add_color_stop_rgb(sky, 0.6, 0.12, 0.03, 0.12);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.45, 0.12, 0.05);
    cairo_set_source(cr, sky);
    cairo_paint(cr);
    cairo_pattern_destroy(sky);
    Scatter scatter(7);
    for (int i = 0; i < 220; ++i) {
        SetRgb(cr, 0xFFFFFF, scatter.Range(0.2, 0.9));
        cairo_arc(cr, scatter.Range(0, 600), scatter.Range(0, 560), scatter.Range(0.3, 1.2), 0,
                  2 * M_PI);
        cairo_fill(cr);
    }
    // A burning horizon and the fighter climbing away from it.
    cairo_pattern_t* sun = cairo_pattern_create_radial(300, 820, 40, 300, 820, 420);
    cairo_pattern_add_color_stop_rgba(sun, 0, 1.0, 0.85, 0.5, 1.0);
    cairo_pattern_add_color_stop_rgba(sun, 0.35, 1.0, 0.45, 0.1, 0.8);
    cairo_pattern_add_color_stop_rgba(sun, 1, 0.5, 0.05, 0.1, 0.0);
    cairo_set_source(cr, sun);
    cairo_paint(cr);
    cairo_pattern_destroy(sun);
    cairo_save(cr);
    cairo_translate(cr, 300, 520);
    cairo_move_to(cr, 0, -110);
    cairo_curve_to(cr, 14, -60, 18, -20, 70, 40);
    cairo_line_to(cr, 74, 62);
    cairo_line_to(cr, 18, 44);
    cairo_line_to(cr, 24, 80);
    cairo_line_to(cr, 0, 70);
    cairo_line_to(cr, -24, 80);
    cairo_line_to(cr, -18, 44);
    cairo_line_to(cr, -74, 62);
    cairo_line_to(cr, -70, 40);
    cairo_curve_to(cr, -18, -20, -14, -60, 0, -110);
    cairo_close_path(cr);
    SetRgb(cr, 0x0A0A14);
    cairo_fill_preserve(cr);
    SetRgb(cr, 0xFFB060, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    cairo_restore(cr);
    Title(cr, "KESTRIVAN", 300, 110, 72, 1.0);
    Title(cr, "MORVALENT", 300, 200, 72, 1.0);
}

// The game draws the cover squeezed to half its width: paint it at its seen size, then lay it
// into the image stretched twice as wide (text laid out under a stretched transform garbles).
void Cover(cairo_t* cr) {
    cairo_surface_t* seen = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 600, 768);
    cairo_t* seenCr = cairo_create(seen);
    PaintCover(seenCr);
    cairo_destroy(seenCr);
    cairo_save(cr);
    cairo_rectangle(cr, 600, 0, 1200, 768);
    cairo_clip(cr);
    cairo_translate(cr, 600, 0);
    cairo_scale(cr, 2.0, 1.0);
    cairo_set_source_surface(cr, seen, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BILINEAR);
    cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(seen);
}

}  // namespace

bool WriteBackground(const std::string& path) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
    cairo_t* cr = cairo_create(surface);
    BackTile(surface, 0);
    BackDetails(cr, 0);
    RepeatBand(surface, 0);
    FrontTile(surface, 1536);
    FrontDetails(cr, 1536);
    RepeatBand(surface, 1536);
    Cover(cr);
    cairo_destroy(cr);
    const bool ok = SavePng(surface, path);
    cairo_surface_destroy(surface);
    return ok;
}
