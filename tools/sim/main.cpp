// gryvel-sim: runs game steps without a window or audio device and prints the world as JSON
// lines, renders chosen steps to PNG, or times the steps.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/keyboard.h"
#include "game/frame_context.h"
#include "game/stage/reset.h"
#include "game/stage/stage_frame.h"
#include "gfx/counting_surface.h"
#include "sim/key_script.h"
#include "sim/offscreen_renderer.h"
#include "sim/sim_options.h"
#include "sim/state_dump.h"
#include "sound/recording_sound_player.h"

namespace {

constexpr int kUsageError = 2;

int UsageError(const std::string& message) {
    std::fprintf(stderr, "gryvel-sim: %s\n", message.c_str());
    return kUsageError;
}

void ApplyKeys(const std::vector<KeyEvent>& events, std::size_t& next, long frame) {
    for (; next < events.size() && events[next].frame == frame; ++next) {
        if (events[next].down) {
            OnKeyDown(events[next].code);
        } else {
            OnKeyUp(events[next].code);
        }
    }
}

struct Summary {
    double median, p99, max;
};

Summary Summarise(std::vector<double> times) {
    if (times.empty()) return {0, 0, 0};
    std::sort(times.begin(), times.end());
    const auto at = [&](double q) {
        return times[std::min(times.size() - 1, static_cast<std::size_t>(q * (times.size() - 1)))];
    };
    return {at(0.5), at(0.99), times.back()};
}

}  // namespace

int main(int argc, char** argv) {
    SimOptions options;
    std::string error;
    if (!ParseSimOptions(argc, argv, options, error)) return UsageError(error);
    if (options.rules == RuleSetName::ShotHit) {
        return UsageError("rule set 'shothit' is not available in this build yet");
    }

    std::vector<KeyEvent> keys;
    if (!options.keysPath.empty()) {
        std::ifstream file(options.keysPath);
        if (!file) return UsageError("cannot read key script '" + options.keysPath + "'");
        if (!ParseKeyScript(file, options.keysPath, keys, error)) return UsageError(error);
    }

    std::unique_ptr<OffscreenRenderer> renderer;
    const bool rendering = !options.png.Empty() || options.bench;
    if (rendering) {
        renderer = std::make_unique<OffscreenRenderer>();
        if (!renderer->Open(error)) {
            std::fprintf(stderr, "gryvel-sim: %s\n", error.c_str());
            return 1;
        }
    }

    ResetWorld();
    RecordingSoundPlayer sounds;
    CountingSurface counter;
    std::size_t nextKey = 0;
    std::vector<double> logicTimes, renderTimes;
    for (long frame = 0; frame < options.frames; ++frame) {
        ApplyKeys(keys, nextKey, frame);
        sounds.Clear();
        counter.Reset();
        const bool draw = options.png.Contains(frame) || options.bench;
        const auto started = std::chrono::steady_clock::now();
        if (draw) {
            renderer->Paint([&](DrawingSurface& surface) {
                counter.SetInner(&surface);
                FrameContext context{counter, sounds};
                GameFrame(context);
                counter.SetInner(nullptr);
            });
        } else {
            FrameContext context{counter, sounds};
            GameFrame(context);
        }
        const double micros =
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - started)
                .count();
        (draw ? renderTimes : logicTimes).push_back(micros);
        if (options.png.Contains(frame)) {
            const std::string path = options.outDir + "/frame-" + std::to_string(frame) + ".png";
            if (!renderer->SavePng(path)) {
                std::fprintf(stderr, "gryvel-sim: cannot write %s\n", path.c_str());
                return 1;
            }
        }
        if (options.dump.Contains(frame)) {
            const std::string line = DumpState(frame, options.rules, sounds.Played(), counter.Counts());
            std::fputs(line.c_str(), stdout);
            std::fputc('\n', stdout);
        }
    }
    if (options.bench) {
        const Summary rendered = Summarise(renderTimes);
        std::printf("steps %ld, rendered through the software renderer\n", options.frames);
        std::printf("step time (us): median %.1f, p99 %.1f, max %.1f\n", rendered.median,
                    rendered.p99, rendered.max);
    }
    return 0;
}
