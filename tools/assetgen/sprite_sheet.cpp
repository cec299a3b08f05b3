#include <cairo.h>
#include <pango/pangocairo.h>

#include <cmath>
#include <string>
#include <vector>

#include "assetgen/assets.h"
#include "assetgen/cairo_util.h"
#include "assetgen/noise.h"

namespace {

constexpr int kSheetWidth = 1600;
constexpr int kSheetHeight = 3600;

struct Point {
    double x, y;
};

// Every sprite is drawn clipped to its rectangle less a one-pixel margin, so that linear
// filtering never pulls in a neighbour's pixels.
class SpriteCell {
  public:
    SpriteCell(cairo_t* cr, double left, double top, double right, double bottom) : cr_(cr) {
        cairo_save(cr);
        cairo_rectangle(cr, left + 1, top + 1, right - left - 2, bottom - top - 2);
        cairo_clip(cr);
    }
    ~SpriteCell() { cairo_restore(cr_); }

  private:
    cairo_t* cr_;
};

// A shape symmetric about x = cx from its right half, listed top to bottom.
void MirroredPath(cairo_t* cr, double cx, const std::vector<Point>& half) {
    cairo_move_to(cr, cx + half.front().x, half.front().y);
    for (const Point& p : half) cairo_line_to(cr, cx + p.x, p.y);
    for (auto p = half.rbegin(); p != half.rend(); ++p) cairo_line_to(cr, cx - p->x, p->y);
    cairo_close_path(cr);
}

// Fills the current path with a lit-from-above gradient, then outlines it.
void ShadeAndOutline(cairo_t* cr, double top, double bottom, unsigned light, unsigned dark,
                     unsigned outline, double width) {
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, top, 0, bottom);
    cairo_pattern_add_color_stop_rgb(shade, 0, ((light >> 16) & 255) / 255.0,
                                     ((light >> 8) & 255) / 255.0, (light & 255) / 255.0);
    cairo_pattern_add_color_stop_rgb(shade, 1, ((dark >> 16) & 255) / 255.0,
                                     ((dark >> 8) & 255) / 255.0, (dark & 255) / 255.0);
    cairo_set_source(cr, shade);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(shade);
    SetRgb(cr, outline);
    cairo_set_line_width(cr, width);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
}

void Glow(cairo_t* cr, double x, double y, double radius, unsigned rgb, double alpha) {
    cairo_pattern_t* glow = cairo_pattern_create_radial(x, y, 0, x, y, radius);
    const double r = ((rgb >> 16) & 255) / 255.0, g = ((rgb >> 8) & 255) / 255.0,
                 b = (rgb & 255) / 255.0;
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(glow, 0.3, r, g, b, alpha * 0.9);
    cairo_pattern_add_color_stop_rgba(glow, 1, r, g, b, 0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, x, y, radius, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
}

// The player's fighter, nose up, in (0, 0, 50, 100).
void Fighter(cairo_t* cr) {
    SpriteCell cell(cr, 0, 0, 50, 100);
    Glow(cr, 19, 93, 6, 0xFF8020, 0.9);  // twin engines
    Glow(cr, 31, 93, 6, 0xFF8020, 0.9);
    MirroredPath(cr, 25,
                 {{0, 3},
                  {3, 14},
                  {5, 34},
                  {9, 50},
                  {22, 68},
                  {23, 78},
                  {10, 76},
                  {9, 88},
                  {4, 91},
                  {0, 89}});
    ShadeAndOutline(cr, 3, 91, 0xE8F0FA, 0x5A6C88, 0x1A2440, 1.4);
    MirroredPath(cr, 25, {{0, 48}, {9, 52}, {20, 67}, {12, 68}, {0, 60}});  // wing stripes
    SetRgb(cr, 0x2F64C8, 0.85);
    cairo_fill(cr);
    cairo_save(cr);  // canopy
    cairo_translate(cr, 25, 30);
    cairo_scale(cr, 3.2, 8);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_pattern_t* glass = cairo_pattern_create_linear(22, 22, 28, 38);
    cairo_pattern_add_color_stop_rgb(glass, 0, 0.75, 0.95, 1.0);
    cairo_pattern_add_color_stop_rgb(glass, 1, 0.05, 0.25, 0.55);
    cairo_set_source(cr, glass);
    cairo_fill(cr);
    cairo_pattern_destroy(glass);
}

// An escort option: a glowing pod in (110, 30, 160, 100).
void Option(cairo_t* cr) {
    SpriteCell cell(cr, 110, 30, 160, 100);
    Glow(cr, 135, 65, 24, 0x30FF90, 0.45);
    MirroredPath(cr, 135, {{0, 38}, {8, 44}, {12, 58}, {12, 74}, {7, 88}, {0, 92}});
    ShadeAndOutline(cr, 38, 92, 0xB8FFD8, 0x1E7A48, 0x0C3320, 1.3);
    Glow(cr, 135, 62, 7, 0x80FFFF, 1.0);
    MirroredPath(cr, 135, {{10, 70}, {19, 84}, {19, 95}, {9, 86}});  // side fins
    SetRgb(cr, 0x1E7A48);
    cairo_fill(cr);
}

// The small enemy fighter, nose down, in (50, 0, 110, 60).
void EnemyFighter(cairo_t* cr) {
    SpriteCell cell(cr, 50, 0, 110, 60);
    Glow(cr, 80, 6, 7, 0xFF3010, 0.8);
    MirroredPath(cr, 80, {{0, 4}, {6, 8}, {8, 18}, {27, 12}, {27, 20}, {10, 36}, {5, 52}, {0, 57}});
    ShadeAndOutline(cr, 4, 57, 0xE06048, 0x581010, 0x200404, 1.2);
    Glow(cr, 80, 38, 5, 0xFFE040, 1.0);  // the eye
}

void Spark(cairo_t* cr, double left, double top, unsigned rgb) {
    SpriteCell cell(cr, left, top, left + 16, top + 16);
    Glow(cr, left + 8, top + 8, 7, rgb, 1.0);
}

// A torn hull plate in (110, 0, 140, 30).
void Debris(cairo_t* cr) {
    SpriteCell cell(cr, 110, 0, 140, 30);
    cairo_move_to(cr, 113, 9);
    cairo_line_to(cr, 122, 3);
    cairo_line_to(cr, 133, 5);
    cairo_line_to(cr, 137, 16);
    cairo_line_to(cr, 131, 27);
    cairo_line_to(cr, 119, 25);
    cairo_line_to(cr, 115, 18);
    cairo_close_path(cr);
    ShadeAndOutline(cr, 3, 27, 0xB8AFA0, 0x4A4038, 0x1A1410, 1.0);
    SetRgb(cr, 0xFF9030, 0.9);  // a glowing torn edge
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, 131, 27);
    cairo_line_to(cr, 137, 16);
    cairo_stroke(cr);
}

// The marker on a locked enemy in (200, 0, 270, 70): a red diamond of brackets.
void LockMarker(cairo_t* cr) {
    SpriteCell cell(cr, 200, 0, 270, 70);
    const double cx = 235, cy = 35;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int pass = 0; pass < 2; ++pass) {
        SetRgb(cr, pass == 0 ? 0x600000 : 0xFF3828, pass == 0 ? 0.8 : 1.0);
        cairo_set_line_width(cr, pass == 0 ? 5 : 2.5);
        for (int q = 0; q < 4; ++q) {
            const double a = q * M_PI / 2;
            const double tipX = cx + 31 * std::cos(a), tipY = cy + 31 * std::sin(a);
            cairo_move_to(cr, tipX + 12 * std::cos(a + 2.4), tipY + 12 * std::sin(a + 2.4));
            cairo_line_to(cr, tipX, tipY);
            cairo_line_to(cr, tipX + 12 * std::cos(a - 2.4), tipY + 12 * std::sin(a - 2.4));
        }
        cairo_stroke(cr);
    }
    Glow(cr, cx, cy, 5, 0xFF3020, 1.0);
}

void SightText(cairo_t* cr, const char* text, double x, double y, unsigned rgb) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string("DejaVu Sans Mono Bold");
    pango_font_description_set_absolute_size(font, 15 * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_layout_set_text(layout, text, -1);
    int width = 0, height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    SetRgb(cr, rgb);
    cairo_move_to(cr, x - width / 2.0, y);
    pango_cairo_show_layout(cr, layout);
    pango_font_description_free(font);
    g_object_unref(layout);
}

// A head-up reticle 400 x 300; the locked one is red, closed in and says so.
void Sight(cairo_t* cr, double top, bool locked) {
    SpriteCell cell(cr, 1200, top, 1600, top + 300);
    const unsigned colour = locked ? 0xFF4030 : 0x60FFA0;
    const double l = 1212, r = 1588, t = top + 12, b = top + 288;
    const double cx = 1400, cy = top + 150;
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int pass = 0; pass < 2; ++pass) {
        SetRgb(cr, pass == 0 ? 0x000000 : colour, pass == 0 ? 0.35 : (locked ? 0.95 : 0.75));
        cairo_set_line_width(cr, (locked ? 3.5 : 2.0) + (pass == 0 ? 2.5 : 0));
        const double arm = locked ? 70 : 46;
        for (const Point corner : {Point{l, t}, Point{r, t}, Point{l, b}, Point{r, b}}) {
            const double sx = corner.x == l ? 1 : -1, sy = corner.y == t ? 1 : -1;
            cairo_move_to(cr, corner.x, corner.y + sy * arm);
            cairo_line_to(cr, corner.x, corner.y);
            cairo_line_to(cr, corner.x + sx * arm, corner.y);
        }
        for (int tick = -4; tick <= 4; ++tick) {  // range ticks along the top and bottom
            const double x = cx + tick * 36, len = tick == 0 ? 14 : 7;
            cairo_move_to(cr, x, t + 4);
            cairo_line_to(cr, x, t + 4 + len);
            cairo_move_to(cr, x, b - 4);
            cairo_line_to(cr, x, b - 4 - len);
        }
        // Centre: a broken circle and cross hairs with a gap.
        const double ring = locked ? 26 : 34;
        for (int q = 0; q < 4; ++q) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, cx, cy, ring, q * M_PI / 2 + 0.25, (q + 1) * M_PI / 2 - 0.25);
        }
        cairo_move_to(cr, cx - ring - 22, cy);
        cairo_line_to(cr, cx - ring - 6, cy);
        cairo_move_to(cr, cx + ring + 6, cy);
        cairo_line_to(cr, cx + ring + 22, cy);
        cairo_move_to(cr, cx, cy - ring - 22);
        cairo_line_to(cr, cx, cy - ring - 6);
        cairo_move_to(cr, cx, cy + ring + 6);
        cairo_line_to(cr, cx, cy + ring + 22);
        cairo_stroke(cr);
        if (locked) {  // arrowheads pointing in from the sides
            for (const double side : {-1.0, 1.0}) {
                cairo_move_to(cr, cx + side * 120, cy - 16);
                cairo_line_to(cr, cx + side * 96, cy);
                cairo_line_to(cr, cx + side * 120, cy + 16);
                cairo_close_path(cr);
            }
            cairo_fill(cr);
        }
    }
    // Only the locked sight speaks: the idle frame is drawn over it every frame.
    if (locked) {
        SightText(cr, "LOCK ON", cx, b - 42, colour);
        SightText(cr, "TARGET ACQUIRED", l + 90, t + 8, colour);
    }
}

unsigned Blend(unsigned a, unsigned b, double t) {
    unsigned out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const double ca = (a >> shift) & 255, cb = (b >> shift) & 255;
        out |= static_cast<unsigned>(std::lround(ca + (cb - ca) * t)) << shift;
    }
    return out;
}

// Colours of a large enemy: steel blue early in the stage, rust, then blood red and black.
struct Palette {
    unsigned light, dark, trim, core;
};

Palette PaletteOf(double menace) {
    if (menace < 0.5) {
        const double t = menace / 0.5;
        return {Blend(0xA8C4DC, 0xC8A078, t), Blend(0x22384F, 0x3C2814, t), 0xE0E8F0,
                Blend(0x40D0FF, 0xFFA020, t)};
    }
    const double t = (menace - 0.5) / 0.5;
    return {Blend(0xC8A078, 0xB83838, t), Blend(0x3C2814, 0x1C0204, t), 0xF0D8B0,
            Blend(0xFFA020, 0xFF1010, t)};
}

void Engines(cairo_t* cr, double cx, double y, double spread, int count, double size) {
    for (int e = 0; e < count; ++e) {
        const double ex = cx + (count == 1 ? 0 : (e / (count - 1.0) - 0.5) * 2 * spread);
        Glow(cr, ex, y, size, 0x60A8FF, 0.95);
    }
}

void Core(cairo_t* cr, double cx, double cy, double radius, unsigned colour) {
    Glow(cr, cx, cy, radius * 2.4, colour, 0.95);
    cairo_arc(cr, cx, cy, radius * 0.55, 0, 2 * M_PI);
    SetRgb(cr, 0xFFFFFF, 0.95);
    cairo_fill(cr);
}

void Turret(cairo_t* cr, double x, double y, double size) {
    cairo_arc(cr, x, y, size, 0, 2 * M_PI);
    ShadeAndOutline(cr, y - size, y + size, 0x9890A0, 0x201820, 0x000000, 1.2);
    SetRgb(cr, 0x0C0C0C);
    cairo_set_line_width(cr, size * 0.5);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x, y + size * 2.2);  // barrels point down, at the player
    cairo_stroke(cr);
}

void PanelLines(cairo_t* cr, double cx, double top, double bottom, double half, int count) {
    SetRgb(cr, 0x000000, 0.3);
    cairo_set_line_width(cr, 1.5);
    for (int i = 1; i < count; ++i) {
        const double y = top + (bottom - top) * i / count;
        cairo_move_to(cr, cx - half, y);
        cairo_line_to(cr, cx + half, y);
    }
    cairo_move_to(cr, cx, top);
    cairo_line_to(cr, cx, bottom);
    cairo_stroke(cr);
}

// A ring-shaped carrier: an armoured disc around a glaring core, spokes and pods.
void DiscDesign(cairo_t* cr, double cx, double cy, double radius, const Palette& p, double menace) {
    Engines(cr, cx, cy - radius * 0.95, radius * 0.5, 3, radius * 0.12);
    const int spikes = 6 + static_cast<int>(menace * 10);
    if (menace > 0.2) {
        for (int i = 0; i < spikes; ++i) {
            const double a = 2 * M_PI * i / spikes;
            cairo_move_to(cr, cx + radius * 0.85 * std::cos(a - 0.12),
                          cy + radius * 0.85 * std::sin(a - 0.12));
            cairo_line_to(cr, cx + radius * 1.1 * std::cos(a), cy + radius * 1.1 * std::sin(a));
            cairo_line_to(cr, cx + radius * 0.85 * std::cos(a + 0.12),
                          cy + radius * 0.85 * std::sin(a + 0.12));
            cairo_close_path(cr);
        }
        ShadeAndOutline(cr, cy - radius, cy + radius, p.trim, p.dark, 0x080608, 1.2);
    }
    cairo_arc(cr, cx, cy, radius * 0.9, 0, 2 * M_PI);
    ShadeAndOutline(cr, cy - radius, cy + radius, p.light, p.dark, 0x080608, 2.5);
    cairo_arc(cr, cx, cy, radius * 0.55, 0, 2 * M_PI);
    ShadeAndOutline(cr, cy + radius, cy - radius, p.light, p.dark, 0x080608, 2.0);
    SetRgb(cr, 0x000000, 0.35);
    cairo_set_line_width(cr, 2);
    for (int i = 0; i < 8; ++i) {
        const double a = M_PI * i / 4 + M_PI / 8;
        cairo_move_to(cr, cx + radius * 0.58 * std::cos(a), cy + radius * 0.58 * std::sin(a));
        cairo_line_to(cr, cx + radius * 0.88 * std::cos(a), cy + radius * 0.88 * std::sin(a));
    }
    cairo_stroke(cr);
    for (int i = 0; i < 4; ++i) {
        const double a = M_PI * i / 2 + M_PI / 4;
        Turret(cr, cx + radius * 0.72 * std::cos(a), cy + radius * 0.72 * std::sin(a),
               radius * 0.08);
    }
    Core(cr, cx, cy, radius * 0.2, p.core);
}

// A flying wing: a broad delta with its point down and a raised spine.
void DeltaDesign(cairo_t* cr, double cx, double top, double bottom, double half, const Palette& p,
                 double menace) {
    const double h = bottom - top;
    Engines(cr, cx, top + h * 0.05, half * 0.45, 2 + static_cast<int>(menace * 3), half * 0.09);
    MirroredPath(cr, cx,
                 {{half * 0.25, top},
                  {half, top + h * 0.18},
                  {half * 0.96, top + h * (0.32 + 0.1 * menace)},
                  {half * 0.55, top + h * 0.42},
                  {half * 0.3, top + h * 0.75},
                  {0, bottom}});
    ShadeAndOutline(cr, top, bottom, p.light, p.dark, 0x080608, 2.5);
    MirroredPath(cr, cx,
                 {{half * 0.1, top + h * 0.04},
                  {half * 0.18, top + h * 0.4},
                  {half * 0.08, top + h * 0.85},
                  {0, top + h * 0.9}});
    ShadeAndOutline(cr, top, bottom, p.trim, p.light, 0x080608, 1.5);
    PanelLines(cr, cx, top + h * 0.1, top + h * 0.7, half * 0.5, 6);
    for (const double side : {-1.0, 1.0}) {
        Turret(cr, cx + side * half * 0.55, top + h * 0.3, half * 0.07);
        if (menace > 0.4) Turret(cr, cx + side * half * 0.3, top + h * 0.5, half * 0.06);
    }
    Core(cr, cx, top + h * 0.55, half * 0.12, p.core);
}

// Two hulls side by side under a bridge that carries the core.
void TwinDesign(cairo_t* cr, double cx, double top, double bottom, double half, const Palette& p,
                double menace) {
    const double h = bottom - top;
    for (const double side : {-1.0, 1.0}) {
        const double hx = cx + side * half * 0.55;
        Engines(cr, hx, top + h * 0.04, half * 0.08, 2, half * 0.08);
        MirroredPath(cr, hx,
                     {{half * 0.12, top},
                      {half * 0.26, top + h * 0.2},
                      {half * 0.3, top + h * 0.6},
                      {half * 0.18, top + h * 0.85},
                      {0, bottom - h * 0.02 * (1 - menace)}});
        ShadeAndOutline(cr, top, bottom, p.light, p.dark, 0x080608, 2.2);
        PanelLines(cr, hx, top + h * 0.1, top + h * 0.8, half * 0.2, 7);
        Turret(cr, hx, top + h * 0.45, half * 0.07);
        if (menace > 0.5) {  // blades along the outer flanks
            MirroredPath(cr, hx + side * half * 0.3,
                         {{0, top + h * 0.35}, {half * 0.12, top + h * 0.55}, {0, top + h * 0.5}});
            ShadeAndOutline(cr, top, bottom, p.trim, p.dark, 0x080608, 1.2);
        }
    }
    MirroredPath(cr, cx,
                 {{half * 0.3, top + h * 0.3},
                  {half * 0.3, top + h * 0.52},
                  {half * 0.12, top + h * 0.62},
                  {0, top + h * 0.64}});
    ShadeAndOutline(cr, top + h * 0.3, top + h * 0.64, p.trim, p.dark, 0x080608, 2.0);
    Core(cr, cx, top + h * 0.45, half * 0.11, p.core);
}

// A crab: a wide carapace with two great claws reaching down at the player.
void CrabDesign(cairo_t* cr, double cx, double top, double bottom, double half, const Palette& p,
                double menace) {
    const double h = bottom - top;
    Engines(cr, cx, top + h * 0.05, half * 0.35, 3, half * 0.09);
    for (const double side : {-1.0, 1.0}) {  // claws
        cairo_move_to(cr, cx + side * half * 0.45, top + h * 0.45);
        cairo_curve_to(cr, cx + side * half * 1.0, top + h * 0.55, cx + side * half * 0.95,
                       top + h * 0.85, cx + side * half * 0.35, bottom);
        cairo_line_to(cr, cx + side * half * 0.55, top + h * 0.8);
        cairo_curve_to(cr, cx + side * half * 0.7, top + h * 0.7, cx + side * half * 0.6,
                       top + h * 0.6, cx + side * half * 0.3, top + h * 0.58);
        cairo_close_path(cr);
        ShadeAndOutline(cr, top + h * 0.45, bottom, p.light, p.dark, 0x080608, 2.0);
    }
    const int legs = 3 + static_cast<int>(menace * 3);
    SetRgb(cr, p.dark);
    cairo_set_line_width(cr, half * 0.05);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (int i = 0; i < legs; ++i) {
        const double y = top + h * (0.15 + 0.3 * i / legs);
        for (const double side : {-1.0, 1.0}) {
            cairo_move_to(cr, cx + side * half * 0.4, y);
            cairo_line_to(cr, cx + side * half * 0.92, y + h * 0.06);
        }
    }
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, cx, top + h * 0.32);
    cairo_scale(cr, half * 0.62, h * 0.3);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    ShadeAndOutline(cr, top, top + h * 0.62, p.light, p.dark, 0x080608, 2.5);
    PanelLines(cr, cx, top + h * 0.1, top + h * 0.55, half * 0.4, 5);
    for (const double side : {-1.0, 1.0})
        Turret(cr, cx + side * half * 0.3, top + h * 0.25, half * 0.07);
    Core(cr, cx, top + h * 0.4, half * 0.12, p.core);
}

// A spine: a long armoured hull with swept wings in pairs and spikes on their tips.
void SpineDesign(cairo_t* cr, double cx, double top, double bottom, double half, const Palette& p,
                 double menace) {
    const double h = bottom - top;
    const int pairs = 2 + static_cast<int>(menace * 2);
    Engines(cr, cx, top + h * 0.04, half * 0.2, 2 + pairs, half * 0.08);
    for (int w = 0; w < pairs; ++w) {
        const double wy = top + h * (0.14 + 0.5 * w / pairs);
        const double span = half * (1.0 - 0.18 * w);
        MirroredPath(cr, cx,
                     {{half * 0.15, wy},
                      {span, wy + h * 0.1},
                      {span * 0.9, wy + h * 0.16},
                      {half * 0.2, wy + h * 0.12}});
        ShadeAndOutline(cr, wy, wy + h * 0.16, p.light, p.dark, 0x080608, 2.0);
        if (menace > 0.3) {
            MirroredPath(cr, cx,
                         {{span * 0.9, wy + h * 0.1},
                          {span * 0.98, wy + h * (0.2 + 0.06 * menace)},
                          {span * 0.8, wy + h * 0.13}});
            ShadeAndOutline(cr, wy, wy + h * 0.25, p.trim, p.dark, 0x080608, 1.2);
        }
    }
    MirroredPath(cr, cx,
                 {{half * 0.12, top},
                  {half * 0.28, top + h * 0.15},
                  {half * 0.3, top + h * 0.55},
                  {half * 0.16, top + h * 0.85},
                  {0, bottom}});
    ShadeAndOutline(cr, top, bottom, p.light, p.dark, 0x080608, 2.5);
    PanelLines(cr, cx, top + h * 0.08, top + h * 0.85, half * 0.22, 9);
    for (int i = 0; i < pairs; ++i) {
        for (const double side : {-1.0, 1.0}) {
            Turret(cr, cx + side * half * 0.16, top + h * (0.25 + 0.5 * i / pairs), half * 0.06);
        }
    }
    Core(cr, cx, top + h * 0.62, half * 0.12, p.core);
}

// One of the thirteen large enemies, nose down in its cell. Each has its own design; later
// ones are larger in the cell, spikier, redder and glare harder: the stage grows in menace.
void LargeEnemy(cairo_t* cr, double left, double top, double width, double height, int t) {
    SpriteCell cell(cr, left, top, left + width, top + height);
    const double menace = (t - 1) / 12.0;
    const Palette palette = PaletteOf(menace);
    const double cx = left + width / 2;
    const double margin = 6;
    const double half = width / 2 - margin;
    const double y0 = top + margin, y1 = top + height - margin;
    switch (t) {
        case 1:
            DiscDesign(cr, cx, top + height / 2, half, palette, menace);
            break;
        case 2:
            DeltaDesign(cr, cx, y0, y1, half, palette, menace);
            break;
        case 3:
            TwinDesign(cr, cx, y0, y1, half, palette, menace);
            break;
        case 4:
            SpineDesign(cr, cx, y0, y1, half, palette, menace);
            break;
        case 5:
            CrabDesign(cr, cx, y0 + height * 0.1, y1 - height * 0.1, half, palette, menace);
            break;
        case 6:
            DeltaDesign(cr, cx, y0 + height * 0.05, y1 - height * 0.05, half, palette, menace);
            break;
        case 7:
            TwinDesign(cr, cx, y0, y1, half, palette, menace);
            break;
        case 8:
            DiscDesign(cr, cx, top + height / 2, half, palette, menace);
            break;
        case 9:
            CrabDesign(cr, cx, y0, y1, half, palette, menace);
            break;
        case 10:
            SpineDesign(cr, cx, y0, y1, half, palette, menace);
            break;
        case 11:
            TwinDesign(cr, cx, y0, y1, half, palette, menace);
            break;
        case 12:
            DeltaDesign(cr, cx, y0, y1, half, palette, menace);
            break;
        default: {  // the last: a crab carrying a disc, everything at once
            CrabDesign(cr, cx, y0, y1, half, palette, menace);
            DiscDesign(cr, cx, y0 + height * 0.3, half * 0.55, palette, menace);
            break;
        }
    }
}

}  // namespace

bool WriteSpriteSheet(const std::string& path) {
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kSheetWidth, kSheetHeight);
    cairo_t* cr = cairo_create(surface);
    Fighter(cr);
    Option(cr);
    EnemyFighter(cr);
    Spark(cr, 62, 84, 0xFFD040);
    Spark(cr, 94, 84, 0xFF7020);
    Debris(cr);
    LockMarker(cr);
    Sight(cr, 0, false);
    Sight(cr, 300, true);
    // Triples 1 to 3: 300 x 300 cells in the row at top 100.
    for (int t = 1; t <= 3; ++t) LargeEnemy(cr, 300.0 * (t - 1), 100, 300, 300, t);
    // Triples 4 to 13: 400 x 800 cells, three to a row from top 400.
    for (int t = 4; t <= 13; ++t) {
        LargeEnemy(cr, 400.0 * ((t - 4) % 3), 400.0 + 800.0 * ((t - 4) / 3), 400, 800, t);
    }
    cairo_destroy(cr);
    const bool ok = SavePng(surface, path);
    cairo_surface_destroy(surface);
    return ok;
}
