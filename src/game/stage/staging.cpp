#include "game/stage/staging.h"

void PlayMusicSchedule(FrameContext& /*frame*/) {}

void DrawEndingTexts(FrameContext& /*frame*/) {}

void DrawEndOfLapCover(FrameContext& /*frame*/) {}

void DrawStartOfLapCover(FrameContext& /*frame*/) {}
