#include "game/stage/staging.h"

#include "game/stage/world.h"

namespace {

struct MusicCue {
    float clock;
    const char* sound;
};

// Restarting a track never stops another: a track still playing runs on under the next.
constexpr MusicCue kMusicSchedule[] = {
    {10, "bgm001"},   {2500, "bgm002"},  {5000, "bgm003"},
    {7500, "bgm001"}, {10000, "bgm002"}, {12500, "bgm003"},
};

struct EndingTextRow {
    float first, last;  // both included
    const char* text;
};

constexpr EndingTextRow kEndingTexts[] = {
    {13500, 13700, "ミルダネス\nのKESTRIVAN QX-40が\n敵対抗勢力圏内突破！"},
    {13700, 13900, "敵帝国軍戦闘機\nMORVALENTを\n全滅した！\nGAME CLEAR\nOVER ALL"},
    {13900, 14100, "企画・制作\nグラフィック・BGM\nプログラム\nBRISENDEL\nTOMLIVAR"},
};

// Only 20 high: the lines start at its top and run on downward past its bottom.
constexpr RectF kTextLayout{0, 280, 600, 300};
constexpr ColorF kTextColour{1.0f, 1.0f, 0.0f, 1.0f};

// The cover picture: a 1200 x 768 band squeezed to half its width over the whole field.
constexpr RectF kCoverSource{600, 0, 1800, 768};
constexpr RectF kCoverDestination{0, 0, 600, 768};
constexpr float kEndOfLapCoverFrom = 14100;
constexpr float kEndOfLapCoverTo = 14300;
constexpr float kStartOfLapCoverTo = 100;

void DrawCover(FrameContext& frame) {
    frame.surface.DrawBitmap(BitmapId::Background, kCoverDestination, 1.0f, kCoverSource);
}

}  // namespace

int EndingTextCount() {
    return static_cast<int>(sizeof kEndingTexts / sizeof kEndingTexts[0]);
}

const char* EndingText(int index) {
    return kEndingTexts[index].text;
}

RectF EndingTextLayout() {
    return kTextLayout;
}

void PlayMusicSchedule(FrameContext& frame) {
    for (const MusicCue& cue : kMusicSchedule) {
        if (gameWorld.stageClock == cue.clock) frame.sounds.PlayFromStart(cue.sound);
    }
}

// Where two windows meet (13700, 13900) both texts are drawn, one over the other.
void DrawEndingTexts(FrameContext& frame) {
    for (const EndingTextRow& ending : kEndingTexts) {
        if (gameWorld.stageClock < ending.first || gameWorld.stageClock > ending.last) continue;
        frame.surface.SetTextAlignment(TextAlignment::Centre);
        frame.surface.SetColor(kTextColour);
        frame.surface.DrawText(ending.text, kTextLayout);
    }
}

void DrawEndOfLapCover(FrameContext& frame) {
    if (gameWorld.stageClock >= kEndOfLapCoverFrom && gameWorld.stageClock <= kEndOfLapCoverTo) {
        DrawCover(frame);
    }
}

void DrawStartOfLapCover(FrameContext& frame) {
    if (gameWorld.stageClock >= 0.0f && gameWorld.stageClock <= kStartOfLapCoverTo) {
        DrawCover(frame);
    }
}
