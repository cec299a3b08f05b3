#include <cmath>
#include <string>

#include "assetgen/assets.h"
#include "assetgen/cairo_util.h"

namespace {

constexpr int kSheetWidth = 1600;
constexpr int kSheetHeight = 3600;

void Fighter(cairo_t* cr) {
    // Nose up, centred in (0, 0, 50, 100).
    cairo_move_to(cr, 25, 4);
    cairo_line_to(cr, 46, 92);
    cairo_line_to(cr, 25, 78);
    cairo_line_to(cr, 4, 92);
    cairo_close_path(cr);
    SetRgb(cr, 0xD8E4F0);
    cairo_fill_preserve(cr);
    SetRgb(cr, 0x3060C0);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    SetRgb(cr, 0x40C0FF);
    cairo_arc(cr, 25, 40, 6, 0, 2 * M_PI);
    cairo_fill(cr);
}

void Option(cairo_t* cr) {
    // A pod in (110, 30, 160, 100).
    cairo_save(cr);
    cairo_translate(cr, 135, 65);
    cairo_scale(cr, 18, 30);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetRgb(cr, 0x60E070);
    cairo_fill(cr);
    SetRgb(cr, 0xFFFFFF);
    cairo_arc(cr, 135, 55, 6, 0, 2 * M_PI);
    cairo_fill(cr);
}

void EnemyFighter(cairo_t* cr) {
    // Nose down in (50, 0, 110, 60).
    cairo_move_to(cr, 80, 56);
    cairo_line_to(cr, 106, 6);
    cairo_line_to(cr, 80, 18);
    cairo_line_to(cr, 54, 6);
    cairo_close_path(cr);
    SetRgb(cr, 0xE04030);
    cairo_fill(cr);
}

void Spark(cairo_t* cr, double cx, double cy, unsigned rgb) {
    cairo_pattern_t* glow = cairo_pattern_create_radial(cx, cy, 0, cx, cy, 8);
    cairo_pattern_add_color_stop_rgba(glow, 0, 1, 1, 1, 1);
    cairo_pattern_add_color_stop_rgba(glow, 0.4, ((rgb >> 16) & 0xFF) / 255.0,
                                      ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0, 0.9);
    cairo_pattern_add_color_stop_rgba(glow, 1, 0, 0, 0, 0);
    cairo_set_source(cr, glow);
    cairo_arc(cr, cx, cy, 8, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(glow);
}

void Debris(cairo_t* cr) {
    // A jagged plate in (110, 0, 140, 30).
    cairo_move_to(cr, 113, 8);
    cairo_line_to(cr, 128, 2);
    cairo_line_to(cr, 138, 14);
    cairo_line_to(cr, 131, 28);
    cairo_line_to(cr, 116, 24);
    cairo_close_path(cr);
    SetRgb(cr, 0x8A8070);
    cairo_fill(cr);
}

void LockMarker(cairo_t* cr) {
    // Corner brackets in (200, 0, 270, 70).
    SetRgb(cr, 0xFF3030);
    cairo_set_line_width(cr, 4);
    const double l = 203, t = 3, r = 267, b = 67, arm = 18;
    cairo_move_to(cr, l, t + arm);
    cairo_line_to(cr, l, t);
    cairo_line_to(cr, l + arm, t);
    cairo_move_to(cr, r - arm, t);
    cairo_line_to(cr, r, t);
    cairo_line_to(cr, r, t + arm);
    cairo_move_to(cr, r, b - arm);
    cairo_line_to(cr, r, b);
    cairo_line_to(cr, r - arm, b);
    cairo_move_to(cr, l + arm, b);
    cairo_line_to(cr, l, b);
    cairo_line_to(cr, l, b - arm);
    cairo_stroke(cr);
}

void Sight(cairo_t* cr, double top, unsigned rgb) {
    // A reticle frame in (1200, top, 1600, top + 300).
    SetRgb(cr, rgb, 0.8);
    cairo_set_line_width(cr, 3);
    cairo_rectangle(cr, 1210, top + 10, 380, 280);
    cairo_stroke(cr);
    cairo_move_to(cr, 1400, top + 120);
    cairo_line_to(cr, 1400, top + 180);
    cairo_move_to(cr, 1370, top + 150);
    cairo_line_to(cr, 1430, top + 150);
    cairo_stroke(cr);
}

void BigEnemy(cairo_t* cr, double left, double top, double width, double height, int number) {
    const double cx = left + width / 2, cy = top + height / 2;
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, width * 0.45, height * 0.45);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetRgb(cr, 0x704090 + static_cast<unsigned>(number) * 0x0A0600);
    cairo_fill_preserve(cr);
    SetRgb(cr, 0xFFD040);
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    SetRgb(cr, 0xFFFFFF);
    Label(cr, std::to_string(number).c_str(), cx, cy, width * 0.25);
}

}  // namespace

bool WriteSpriteSheet(const std::string& path) {
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kSheetWidth, kSheetHeight);
    cairo_t* cr = cairo_create(surface);
    Fighter(cr);
    Option(cr);
    EnemyFighter(cr);
    Spark(cr, 70, 92, 0xFFA020);
    Spark(cr, 102, 92, 0xFFE040);
    Debris(cr);
    LockMarker(cr);
    Sight(cr, 0, 0x40FF60);
    Sight(cr, 300, 0xFF4040);
    // Triples 1 to 3: 300 x 300 cells in the row at top 100.
    for (int t = 1; t <= 3; ++t) BigEnemy(cr, 300.0 * (t - 1), 100, 300, 300, t);
    // Triples 4 to 13: 400 x 800 cells, three to a row from top 400.
    for (int t = 4; t <= 13; ++t) {
        BigEnemy(cr, 400.0 * ((t - 4) % 3), 400.0 + 800.0 * ((t - 4) / 3), 400, 800, t);
    }
    cairo_destroy(cr);
    const bool ok = SavePng(surface, path);
    cairo_surface_destroy(surface);
    return ok;
}
