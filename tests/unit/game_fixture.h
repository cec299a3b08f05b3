#pragma once
// A fresh game for each test: zeroed tables, the world reset, keys up, recording stand-ins.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/keyboard.h"
#include "game/frame_context.h"
#include "game/stage/reset.h"
#include "game/stage/stage_frame.h"
#include "game/stage/world.h"
#include "gfx/recording_surface.h"
#include "sound/recording_sound_player.h"

class GameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ZeroAllTables();
        ClearKeyTablesForTest();
        ResetWorld();
    }
    // One game step, recording what it draws and plays.
    void Step() {
        surface.Clear();
        sounds.Clear();
        FrameContext frame{surface, sounds, rules};
        GameFrame(frame);
    }
    void StepTo(float clock) {
        gameWorld.stageClock = clock;
        Step();
    }
    // The draws of one bitmap in the last step, in order.
    std::vector<DrawOp> BitmapDraws(BitmapId bitmap) const {
        std::vector<DrawOp> draws;
        for (const DrawOp& op : surface.Ops()) {
            if (op.kind == DrawOp::Kind::DrawBitmap && op.bitmap == bitmap) draws.push_back(op);
        }
        return draws;
    }
    int LiveShots(int pool) const {
        int live = 0;
        for (const PlayerShot& shot : gameWorld.shotPools[pool].shots) live += shot.active >= 1;
        return live;
    }

    RecordingSurface surface;
    RecordingSoundPlayer sounds;
    RuleSet rules = RuleSet::LockOn;
};
