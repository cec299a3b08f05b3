#pragma once
// The large text format: the game's one font, rendered by Pango into alpha masks.

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

// Family as the game asks for it; fontconfig would map it to a font without Japanese glyphs,
// so a Japanese font is named after it.
inline constexpr const char* kTextFamilies = "メイリオ,Noto Sans CJK JP";
constexpr int kTextWeight = 900;
constexpr double kTextSizePx = 56.0;

// One rendered text: coverage per pixel, drawn with its top left at the layout's top left
// minus the margin (ink may reach a little outside the layout box).
struct TextMask {
    int width = 0;
    int height = 0;
    int margin = 0;
    std::vector<std::uint8_t> alpha;
};

class TextFormat {
  public:
    TextFormat() = default;
    TextFormat(const TextFormat&) = delete;
    TextFormat& operator=(const TextFormat&) = delete;
    ~TextFormat();

    // False when the font machinery cannot be set up.
    bool Create();
    void Release();

    // Renders the texts now, so that their first showing costs nothing.
    void Prepare(const char* const* texts, int count, int layoutWidth, int density = 1);

    // Centred lines wrapped at the layout width; "\n" breaks lines. Rendered once per text and
    // density: at density 2 the mask has twice the pixels each way (a sharp picture on a
    // high-density screen), laid out exactly as at density 1.
    const TextMask& Render(std::string_view text, int layoutWidth, int density = 1);

  private:
    void* fontDescription_ = nullptr;  // PangoFontDescription
    std::map<std::tuple<std::string, int, int>, TextMask> rendered_;
};
