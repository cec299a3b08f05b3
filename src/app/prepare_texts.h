#pragma once
// Renders the game's ending texts when the text format is made, so that the first frame that
// shows one does not stop to lay it out.

#include <cmath>
#include <vector>

#include "game/stage/staging.h"
#include "gfx/text_format.h"

inline void PrepareEndingTexts(TextFormat& format, int density = 1) {
    std::vector<const char*> texts;
    for (int i = 0; i < EndingTextCount(); ++i) texts.push_back(EndingText(i));
    const RectF layout = EndingTextLayout();
    format.Prepare(texts.data(), static_cast<int>(texts.size()),
                   static_cast<int>(std::lround(layout.right - layout.left)), density);
}
