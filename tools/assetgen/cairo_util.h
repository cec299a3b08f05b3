#pragma once
// Small drawing helpers over Cairo for the generator.

#include <cairo.h>

#include <cstdio>
#include <string>

inline void SetRgb(cairo_t* cr, unsigned rgb, double alpha = 1.0) {
    cairo_set_source_rgba(cr, ((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0,
                          (rgb & 0xFF) / 255.0, alpha);
}

inline bool SavePng(cairo_surface_t* surface, const std::string& path) {
    cairo_surface_flush(surface);
    const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    if (status != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "gryvel-assets: cannot write %s: %s\n", path.c_str(),
                     cairo_status_to_string(status));
        return false;
    }
    return true;
}

// A label centred on (x, y) in the toy font: enough for placeholders.
inline void Label(cairo_t* cr, const char* text, double x, double y, double size) {
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, size);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    cairo_move_to(cr, x - extents.width / 2 - extents.x_bearing,
                  y - extents.height / 2 - extents.y_bearing);
    cairo_show_text(cr, text);
}
