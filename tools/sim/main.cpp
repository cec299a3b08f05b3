// gryvel-sim: runs game steps without a window or audio device and prints the world as JSON
// lines, renders chosen steps to PNG, or times the steps.

#include <dirent.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/keyboard.h"
#include "app/paint_cycle.h"
#include "app/prepare_texts.h"
#include "game/frame_context.h"
#include "game/stage/reset.h"
#include "game/stage/stage_frame.h"
#include "gfx/counting_surface.h"
#include "gfx/load_images.h"
#include "gfx/png_image.h"
#include "gfx/software_device.h"
#include "gfx/text_format.h"
#include "sim/key_script.h"
#include "sim/sim_options.h"
#include "sim/state_dump.h"
#include "sound/recording_sound_player.h"

namespace {

constexpr int kUsageError = 2;

int UsageError(const std::string& message) {
    std::fprintf(stderr, "gryvel-sim: %s\n", message.c_str());
    return kUsageError;
}

RuleSet RulesOf(const SimOptions& options) {
    return options.rules == RuleSetName::ShotHit ? RuleSet::ShotHit : RuleSet::LockOn;
}

// Draws steps in memory through the same surface the window uses.
struct Renderer {
    GameImages images;
    TextFormat textFormat;
    std::unique_ptr<SoftwareDevice> device;
    std::mutex frameLock;

    bool Open(int density, std::string& error) {
        std::string message;
        if (!LoadImages(images, [&message](const std::string& text) { message = text; })) {
            error = "cannot load images/ from the current directory (" + message + ")";
            return false;
        }
        if (!textFormat.Create()) {
            error = "cannot make the text format";
            return false;
        }
        PrepareEndingTexts(textFormat, density);
        device = std::make_unique<SoftwareDevice>(images, textFormat);
        device->SetDensity(density);
        return true;
    }
    void Paint(const GameStep& step) {
        OnPaint(*device, frameLock, step, [] {});
    }
    bool SavePng(const std::string& path) const {
        const FrameBuffer& frame = device->Frame();
        std::vector<std::uint32_t> opaque(frame.pixels.size());
        for (std::size_t i = 0; i < opaque.size(); ++i) opaque[i] = frame.pixels[i] | 0xFF000000u;
        return WritePng(path, frame.width, frame.height, opaque.data());
    }
};

// What the process holds now: resident memory in MB and open file descriptors.
struct Holdings {
    double residentMb = 0;
    int openFiles = 0;
};

Holdings CurrentHoldings() {
    Holdings holdings;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        long size = 0, resident = 0;
        if (std::fscanf(statm, "%ld %ld", &size, &resident) == 2) {
            holdings.residentMb = resident * (sysconf(_SC_PAGESIZE) / 1024.0) / 1024.0;
        }
        std::fclose(statm);
    }
    if (DIR* fds = opendir("/proc/self/fd")) {
        while (const dirent* entry = readdir(fds)) holdings.openFiles += entry->d_name[0] != '.';
        closedir(fds);
        --holdings.openFiles;  // the listing's own
    }
    return holdings;
}

// Runs the steps, printing and saving what the options ask for. Returns the step times in
// microseconds, or an empty list after a failure (already reported).
struct RunResult {
    bool ok = true;
    std::vector<double> stepMicros;
    long busiestStep = -1;  // the step with the most glow lines
    int busiestGlowLines = -1;
    double busiestMicros = 0;
    long slowestStep = -1;  // after the first, which also builds the device
    double slowestMicros = 0;
};

RunResult Run(const SimOptions& options, const std::vector<KeyEvent>& keys, Renderer* renderer,
              bool renderEveryStep, bool print) {
    RunResult result;
    ZeroAllTables();
    ClearKeyTablesForTest();
    ResetWorld();
    RecordingSoundPlayer sounds;
    CountingSurface counter;
    std::size_t nextKey = 0;
    for (long frame = 0; frame < options.frames; ++frame) {
        for (; nextKey < keys.size() && keys[nextKey].frame == frame; ++nextKey) {
            if (keys[nextKey].down) {
                OnKeyDown(keys[nextKey].code);
            } else {
                OnKeyUp(keys[nextKey].code);
            }
        }
        sounds.Clear();
        counter.Reset();
        const bool draw = renderer != nullptr && (renderEveryStep || options.png.Contains(frame));
        const auto started = std::chrono::steady_clock::now();
        if (draw) {
            renderer->Paint([&](DrawingSurface& surface) {
                counter.SetInner(&surface);
                FrameContext context{counter, sounds, RulesOf(options)};
                GameFrame(context);
                counter.SetInner(nullptr);
            });
        } else {
            FrameContext context{counter, sounds, RulesOf(options)};
            GameFrame(context);
        }
        const double micros =
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - started)
                .count();
        if (options.bench) result.stepMicros.push_back(micros);  // a soak keeps nothing per step
        if (counter.Counts().glowLines > result.busiestGlowLines) {
            result.busiestGlowLines = counter.Counts().glowLines;
            result.busiestStep = frame;
            result.busiestMicros = micros;
        }
        if (frame > 0 && micros > result.slowestMicros) {
            result.slowestMicros = micros;
            result.slowestStep = frame;
        }
        if (options.soak && (frame + 1) % 14300 == 0) {
            const Holdings now = CurrentHoldings();
            std::fprintf(stderr, "lap %ld: resident %.1f MB, open files %d\n", (frame + 1) / 14300,
                         now.residentMb, now.openFiles);
        }
        if (print && options.png.Contains(frame)) {
            const std::string path = options.outDir + "/frame-" + std::to_string(frame) + ".png";
            if (!renderer->SavePng(path)) {
                std::fprintf(stderr, "gryvel-sim: cannot write %s\n", path.c_str());
                result.ok = false;
                return result;
            }
        }
        if (print && options.dump.Contains(frame)) {
            const std::string line =
                DumpState(frame, options.rules, sounds.Played(), counter.Counts());
            std::fputs(line.c_str(), stdout);
            std::fputc('\n', stdout);
        }
    }
    return result;
}

void PrintSummary(const char* title, std::vector<double> micros) {
    if (micros.empty()) return;
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double q) {
        return micros[std::min(micros.size() - 1,
                               static_cast<std::size_t>(q * (micros.size() - 1)))];
    };
    double sum = 0;
    for (double m : micros) sum += m;
    std::printf("%-28s mean %8.1f us  median %8.1f us  p99 %8.1f us  max %8.1f us\n", title,
                sum / micros.size(), at(0.5), at(0.99), micros.back());
}

}  // namespace

int main(int argc, char** argv) {
    SimOptions options;
    std::string error;
    if (!ParseSimOptions(argc, argv, options, error)) return UsageError(error);

    std::vector<KeyEvent> keys;
    if (!options.keysPath.empty()) {
        std::ifstream file(options.keysPath);
        if (!file) return UsageError("cannot read key script '" + options.keysPath + "'");
        if (!ParseKeyScript(file, options.keysPath, keys, error)) return UsageError(error);
    }

    std::unique_ptr<Renderer> renderer;
    if (!options.png.Empty() || options.bench || options.soak) {
        renderer = std::make_unique<Renderer>();
        if (!renderer->Open(options.density, error)) {
            std::fprintf(stderr, "gryvel-sim: %s\n", error.c_str());
            return 1;
        }
    }

    if (!options.bench) {
        return Run(options, keys, renderer.get(), options.soak, true).ok ? 0 : 1;
    }

    const RunResult logic = Run(options, keys, nullptr, false, false);
    const RunResult rendered = Run(options, keys, renderer.get(), true, false);
    std::printf("%ld steps\n", options.frames);
    PrintSummary("game logic alone:", logic.stepMicros);
    PrintSummary("with software rendering:", rendered.stepMicros);
    std::printf("most glow lines: step %ld, %d glow lines, %.1f us rendered\n",
                rendered.busiestStep, rendered.busiestGlowLines, rendered.busiestMicros);
    std::printf("slowest rendered step after the first: step %ld, %.1f us\n", rendered.slowestStep,
                rendered.slowestMicros);
    return 0;
}
