#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "gfx/png_image.h"

namespace {

const std::string kAssets = GRYVEL_ASSET_DIR;

struct Sprite {
    const char* name;
    int left, top, right, bottom;
};

// Every rectangle the game reads from the sprite sheet.
std::vector<Sprite> SheetSprites() {
    std::vector<Sprite> sprites = {
        {"fighter", 0, 0, 50, 100},
        {"option", 110, 30, 160, 100},
        {"enemy fighter", 50, 0, 110, 60},
        {"yellow spark", 62, 84, 78, 100},
        {"orange spark", 94, 84, 110, 100},
        {"debris", 110, 0, 140, 30},
        {"lock marker", 200, 0, 270, 70},
        {"idle sight", 1200, 0, 1600, 300},
        {"locked sight", 1200, 300, 1600, 600},
    };
    for (int t = 1; t <= 3; ++t) sprites.push_back({"triple", 300 * (t - 1), 100, 300 * t, 400});
    for (int t = 4; t <= 13; ++t) {
        const int left = 400 * ((t - 4) % 3), top = 400 + 800 * ((t - 4) / 3);
        sprites.push_back({"triple", left, top, left + 400, top + 800});
    }
    return sprites;
}

int Alpha(const DecodedImage& image, int x, int y) {
    return static_cast<int>(image.pixels[static_cast<std::size_t>(y) * image.width + x] >> 24);
}

TEST(GeneratedAssets, SpriteSheetKeepsEverySpriteInsideItsRectangle) {
    const DecodedImage sheet = DecodePng(kAssets + "/images/jiki1.png");
    ASSERT_EQ(sheet.width, 1600);
    ASSERT_EQ(sheet.height, 3600);
    const std::vector<Sprite> sprites = SheetSprites();
    // Which sprite, if any, owns each pixel's inner area (its rectangle less one pixel).
    std::vector<int> owner(static_cast<std::size_t>(sheet.width) * sheet.height, -1);
    for (int s = 0; s < static_cast<int>(sprites.size()); ++s) {
        const Sprite& sp = sprites[s];
        int inked = 0;
        for (int y = sp.top + 1; y < sp.bottom - 1; ++y) {
            for (int x = sp.left + 1; x < sp.right - 1; ++x) {
                owner[static_cast<std::size_t>(y) * sheet.width + x] = s;
                inked += Alpha(sheet, x, y) > 0;
            }
        }
        const int area = (sp.right - sp.left) * (sp.bottom - sp.top);
        EXPECT_GT(inked, area / 100)
            << sp.name << " at " << sp.left << "," << sp.top << " is blank";
    }
    int stray = 0;
    for (int y = 0; y < sheet.height; ++y) {
        for (int x = 0; x < sheet.width; ++x) {
            if (owner[static_cast<std::size_t>(y) * sheet.width + x] < 0 &&
                Alpha(sheet, x, y) != 0) {
                ++stray;
            }
        }
    }
    EXPECT_EQ(stray, 0) << "pixels outside every sprite (or in a sprite's one-pixel margin)";
}

TEST(GeneratedAssets, BackgroundLayersRepeatEvery768RowsAndTheBackIsOpaque) {
    const DecodedImage back = DecodePng(kAssets + "/images/back01.png");
    ASSERT_EQ(back.width, 1800);
    ASSERT_EQ(back.height, 3072);
    int backTransparent = 0;
    long frontAlpha = 0;
    for (int layerTop : {0, 1536}) {
        for (int y = 0; y < 768; ++y) {
            for (int x = 0; x < 600; ++x) {
                const std::size_t upper = static_cast<std::size_t>(layerTop + y) * back.width + x;
                const std::size_t lower = upper + static_cast<std::size_t>(768) * back.width;
                ASSERT_EQ(back.pixels[upper], back.pixels[lower])
                    << "layer at " << layerTop << ", row " << y << ", column " << x;
                if (layerTop == 0) backTransparent += (back.pixels[upper] >> 24) != 255;
                if (layerTop == 1536) frontAlpha += back.pixels[upper] >> 24;
            }
        }
    }
    EXPECT_EQ(backTransparent, 0);
    const double meanFrontAlpha = static_cast<double>(frontAlpha) / (600.0 * 768 * 255);
    EXPECT_GT(meanFrontAlpha, 0.02);  // something is there
    EXPECT_LT(meanFrontAlpha, 0.4);   // but mostly transparent
    // The cover picture is painted, edge to edge.
    int coverBlank = 0;
    for (int y = 0; y < 768; y += 8) {
        for (int x = 600; x < 1800; x += 8) coverBlank += Alpha(back, x, y) == 0;
    }
    EXPECT_EQ(coverBlank, 0);
}

}  // namespace
