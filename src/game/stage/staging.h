#pragma once
// The stage's staging on its clock: music changes, ending texts and the cover picture.

#include "game/frame_context.h"

void PlayMusicSchedule(FrameContext& frame);
void DrawEndingTexts(FrameContext& frame);
// Over the end of the lap, tested on the clock as the frame began.
void DrawEndOfLapCover(FrameContext& frame);
// Over the start of the lap, tested on the clock just advanced.
void DrawStartOfLapCover(FrameContext& frame);
