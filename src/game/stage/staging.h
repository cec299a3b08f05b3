#pragma once
// The stage's staging on its clock: music changes, ending texts and the cover picture.

#include "game/frame_context.h"

// The ending texts and their layout, so that a renderer can prepare them before the lap ends.
int EndingTextCount();
const char* EndingText(int index);
RectF EndingTextLayout();

void PlayMusicSchedule(FrameContext& frame);
void DrawEndingTexts(FrameContext& frame);
// Over the end of the lap, tested on the clock as the frame began.
void DrawEndOfLapCover(FrameContext& frame);
// Over the start of the lap, tested on the clock just advanced.
void DrawStartOfLapCover(FrameContext& frame);
