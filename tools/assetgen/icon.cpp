// The desktop icon: the fighter from the finished sprite sheet, climbing out of a dark disc
// with an engine glow, at the sizes a menu asks for.

#include <cairo.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "assetgen/assets.h"

namespace {

constexpr int kSizes[] = {48, 64, 128, 256};

bool WriteIcon(cairo_surface_t* sheet, int size, const std::string& path) {
    cairo_surface_t* icon = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(icon);
    cairo_scale(cr, size / 256.0, size / 256.0);
    // A night-blue disc with a lighter rim.
    cairo_pattern_t* sky = cairo_pattern_create_radial(128, 150, 10, 128, 128, 124);
    cairo_pattern_add_color_stop_rgb(sky, 0, 0.16, 0.30, 0.55);
    cairo_pattern_add_color_stop_rgb(sky, 0.8, 0.04, 0.07, 0.18);
    cairo_pattern_add_color_stop_rgb(sky, 1, 0.10, 0.20, 0.40);
    cairo_arc(cr, 128, 128, 122, 0, 2 * M_PI);
    cairo_set_source(cr, sky);
    cairo_pattern_destroy(sky);
    cairo_fill(cr);
    // The fighter's cell (50 x 100) scaled to 200 px tall, centred.
    cairo_save(cr);
    cairo_translate(cr, 78, 22);
    cairo_scale(cr, 2.0, 2.0);
    cairo_rectangle(cr, 0, 0, 50, 100);
    cairo_clip(cr);
    cairo_set_source_surface(cr, sheet, 0, 0);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_destroy(cr);
    const bool ok = cairo_surface_write_to_png(icon, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(icon);
    return ok;
}

}  // namespace

bool WriteIcons(const std::string& spriteSheetPath, const std::string& iconFolder) {
    cairo_surface_t* sheet = cairo_image_surface_create_from_png(spriteSheetPath.c_str());
    if (cairo_surface_status(sheet) != CAIRO_STATUS_SUCCESS) {
        std::fprintf(stderr, "gryvel-assets: cannot read %s\n", spriteSheetPath.c_str());
        cairo_surface_destroy(sheet);
        return false;
    }
    bool ok = true;
    for (int size : kSizes) {
        const std::string side = std::to_string(size);
        std::string path = iconFolder;
        for (const std::string& part :
             {std::string("/hicolor"), "/" + side + "x" + side, std::string("/apps")}) {
            path += part;
            mkdir(path.c_str(), 0755);
        }
        ok = WriteIcon(sheet, size, path + "/gryvel.png") && ok;
    }
    cairo_surface_destroy(sheet);
    return ok;
}
