#include "gfx/text_format.h"

#include <pango/pangocairo.h>

namespace {

constexpr int kMargin = 16;

PangoFontDescription* Description(void* handle) {
    return static_cast<PangoFontDescription*>(handle);
}

PangoLayout* MakeLayout(cairo_t* cairo, PangoFontDescription* description, std::string_view text,
                        int layoutWidth) {
    PangoLayout* layout = pango_cairo_create_layout(cairo);
    pango_layout_set_font_description(layout, description);
    pango_layout_set_width(layout, layoutWidth * PANGO_SCALE);
    pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    pango_layout_set_alignment(layout, PANGO_ALIGN_CENTER);
    pango_layout_set_text(layout, text.data(), static_cast<int>(text.size()));
    return layout;
}

}  // namespace

TextFormat::~TextFormat() {
    Release();
}

bool TextFormat::Create() {
    PangoFontDescription* description = pango_font_description_new();
    if (description == nullptr) return false;
    pango_font_description_set_family(description, kTextFamilies);
    pango_font_description_set_weight(description, static_cast<PangoWeight>(kTextWeight));
    pango_font_description_set_style(description, PANGO_STYLE_NORMAL);
    pango_font_description_set_stretch(description, PANGO_STRETCH_EXTRA_EXPANDED);
    pango_font_description_set_absolute_size(description, kTextSizePx * PANGO_SCALE);
    fontDescription_ = description;
    return true;
}

void TextFormat::Release() {
    if (fontDescription_ != nullptr) pango_font_description_free(Description(fontDescription_));
    fontDescription_ = nullptr;
    rendered_.clear();
}

void TextFormat::Prepare(const char* const* texts, int count, int layoutWidth, int density) {
    for (int i = 0; i < count; ++i) Render(texts[i], layoutWidth, density);
}

const TextMask& TextFormat::Render(std::string_view text, int layoutWidth, int density) {
    const auto key = std::make_tuple(std::string(text), layoutWidth, density);
    const auto found = rendered_.find(key);
    if (found != rendered_.end()) return found->second;

    TextMask& mask = rendered_[key];
    if (fontDescription_ == nullptr) return mask;

    // Measure on a scratch surface, then render into one just large enough.
    cairo_surface_t* scratch = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    cairo_t* scratchCairo = cairo_create(scratch);
    PangoLayout* layout =
        MakeLayout(scratchCairo, Description(fontDescription_), text, layoutWidth);
    PangoRectangle logical;
    pango_layout_get_pixel_extents(layout, nullptr, &logical);
    g_object_unref(layout);
    cairo_destroy(scratchCairo);
    cairo_surface_destroy(scratch);

    // Laid out at density 1 and drawn through a scale: the same lines at any density.
    mask.margin = kMargin * density;
    mask.width = (layoutWidth + 2 * kMargin) * density;
    mask.height = (logical.y + logical.height + 2 * kMargin) * density;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, mask.width, mask.height);
    cairo_t* cairo = cairo_create(surface);
    cairo_scale(cairo, density, density);
    layout = MakeLayout(cairo, Description(fontDescription_), text, layoutWidth);
    cairo_move_to(cairo, kMargin, kMargin);
    pango_cairo_show_layout(cairo, layout);
    g_object_unref(layout);
    cairo_destroy(cairo);
    cairo_surface_flush(surface);

    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    mask.alpha.resize(static_cast<std::size_t>(mask.width) * mask.height);
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            mask.alpha[static_cast<std::size_t>(y) * mask.width + x] = data[y * stride + x];
        }
    }
    cairo_surface_destroy(surface);
    return mask;
}
