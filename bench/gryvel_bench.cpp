// gryvel-bench: how fast the game runs on one core. Run from the folder holding images/:
//   cd build && ./gryvel-bench [logic] [frames] [lines]   (no names: all of them)
// 1. game logic alone over two laps with a key script that fires throughout;
// 2. the full frame through the software surface over a lap;
// 3. one glow line (a pellet dot and a 40-pixel line): our surface beside a Cairo reference;
// 4. peak resident memory after the lap.

#include <cairo.h>
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
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
#include "gfx/glow_line.h"
#include "gfx/load_images.h"
#include "gfx/software_device.h"
#include "gfx/text_format.h"
#include "sim/busy_keys.h"
#include "sound/recording_sound_player.h"

namespace {

using Clock = std::chrono::steady_clock;

double MicrosSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

void FreshGame() {
    ZeroAllTables();
    ClearKeyTablesForTest();
    ResetWorld();
}

void LogicAlone() {
    FreshGame();
    RecordingSoundPlayer sounds;
    CountingSurface discard;
    double total = 0, worst = 0;
    const long steps = 2 * 14300;
    for (long step = 0; step < steps; ++step) {
        ApplyBusyKeys(step);
        sounds.Clear();
        const auto start = Clock::now();
        FrameContext frame{discard, sounds};
        GameFrame(frame);
        const double micros = MicrosSince(start);
        total += micros;
        worst = std::max(worst, micros);
    }
    std::printf("1. logic alone, %ld steps firing throughout: mean %.1f us, max %.1f us\n", steps,
                total / steps, worst);
}

struct FrameTime {
    double micros;
    int glowLines;
};

// One lap rendered from a fresh game on `device`: each step's time and glow-line count.
std::vector<FrameTime> RenderLap(SoftwareDevice& device) {
    FreshGame();
    std::mutex lock;
    RecordingSoundPlayer sounds;
    CountingSurface counter;
    std::vector<FrameTime> times;
    times.reserve(14300);
    for (long step = 0; step < 14300; ++step) {
        sounds.Clear();
        counter.Reset();
        const auto start = Clock::now();
        OnPaint(
            device, lock,
            [&](DrawingSurface& surface) {
                counter.SetInner(&surface);
                FrameContext frame{counter, sounds};
                GameFrame(frame);
            },
            [] {});
        times.push_back(FrameTime{MicrosSince(start), counter.Counts().glowLines});
    }
    return times;
}

// The lap is deterministic, so a step's best of several laps is its cost without the machine's
// interruptions, which a single lap's maximum mostly measures.
void FullFrames(const GameImages& images, TextFormat& text) {
    SoftwareDevice device(images, text);
    device.CreateDeviceResources();  // made once before timing, as the window's first paint does
    const int laps = 3;
    std::vector<FrameTime> first = RenderLap(device);
    std::vector<FrameTime> best = first;
    for (int lap = 1; lap < laps; ++lap) {
        const std::vector<FrameTime> again = RenderLap(device);
        for (std::size_t i = 0; i < best.size(); ++i) {
            best[i].micros = std::min(best[i].micros, again[i].micros);
        }
    }
    if (std::getenv("GRYVEL_BENCH_STEPS")) {
        for (std::size_t i = 0; i < first.size(); ++i) {
            std::fprintf(stderr, "%zu %.0f %.0f %d\n", i, first[i].micros, best[i].micros,
                         first[i].glowLines);
        }
    }
    const auto heaviest = [](const std::vector<FrameTime>& times, std::size_t from) {
        return std::max_element(
                   times.begin() + from, times.end(),
                   [](const FrameTime& a, const FrameTime& b) { return a.micros < b.micros; }) -
               times.begin();
    };
    std::vector<double> sorted;
    for (const FrameTime& t : first) sorted.push_back(t.micros);
    std::sort(sorted.begin(), sorted.end());
    const auto worst = heaviest(first, 1);
    const auto worstBest = heaviest(best, 1);
    std::printf(
        "2. full frame, software surface, one lap: median %.2f ms, p99 %.2f ms, max %.2f ms"
        " (step %ld, %d glow lines); first frame %.2f ms\n",
        sorted[sorted.size() / 2] / 1000, sorted[sorted.size() * 99 / 100] / 1000,
        first[worst].micros / 1000, static_cast<long>(worst), first[worst].glowLines,
        first[0].micros / 1000);
    std::printf("2. heaviest frame, best of %d laps per step: %.2f ms (step %ld, %d glow lines)\n",
                laps, best[worstBest].micros / 1000, static_cast<long>(worstBest),
                best[worstBest].glowLines);
}

// The same three passes in Cairo: round caps, source-over, the halo saturated.
void CairoGlowLine(cairo_t* cr, double r, double g, double b, double x0, double y0, double x1,
                   double y1) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const struct { double scale, alpha, width; } passes[] = {{5, 0.5, 8}, {1, 0.7, 4}, {1, 1.0, 2}};
    for (const auto& pass : passes) {
        cairo_set_source_rgba(cr, std::min(1.0, r * pass.scale), std::min(1.0, g * pass.scale),
                              std::min(1.0, b * pass.scale), pass.alpha);
        cairo_set_line_width(cr, pass.width);
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        cairo_stroke(cr);
    }
}

void GlowLines(const GameImages& images, TextFormat& text) {
    SoftwareDevice device(images, text);
    device.CreateDeviceResources();
    DrawingSurface& surface = device.BeginDraw();
    cairo_surface_t* target = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 600, 720);
    cairo_t* cr = cairo_create(target);
    const int count = 20000;
    struct Case {
        const char* name;
        float dx, dy;
    };
    for (const Case& c : {Case{"pellet dot", 1, 1}, Case{"40-pixel line", 0, 40}}) {
        auto start = Clock::now();
        for (int i = 0; i < count; ++i) {
            const float x = 50.0f + (i * 37) % 500 + 0.25f * (i % 4), y = 50.0f + (i * 53) % 600;
            DrawGlowLine(surface, 0xF000FF, {x, y}, {x + c.dx, y + c.dy});
        }
        const double ours = MicrosSince(start) / count;
        start = Clock::now();
        for (int i = 0; i < count; ++i) {
            const double x = 50.0 + (i * 37) % 500 + 0.25 * (i % 4), y = 50.0 + (i * 53) % 600;
            CairoGlowLine(cr, 240 / 255.0, 0, 1, x, y, x + c.dx, y + c.dy);
        }
        const double cairo = MicrosSince(start) / count;
        std::printf("3. DrawGlowLine, %s: ours %.2f us, Cairo %.2f us, %.1f times faster\n", c.name,
                    ours, cairo, cairo / ours);
    }
    cairo_destroy(cr);
    cairo_surface_destroy(target);
}

}  // namespace

int main(int argc, char** argv) {
    // Parts may be named to run only those: logic, frames, lines.
    auto wanted = [&](const char* part) {
        if (argc < 2) return true;
        for (int i = 1; i < argc; ++i) {
            if (std::string(argv[i]) == part) return true;
        }
        return false;
    };
    GameImages images;
    std::string message;
    if (!LoadImages(images, [&](const std::string& text) { message = text; })) {
        std::fprintf(stderr, "gryvel-bench: run it from the folder that holds images/ (%s)\n",
                     message.c_str());
        return 1;
    }
    TextFormat text;
    text.Create();
    PrepareEndingTexts(text);
    if (wanted("logic")) LogicAlone();
    if (wanted("frames")) FullFrames(images, text);
    if (wanted("lines")) GlowLines(images, text);
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("4. peak resident memory after a lap: %.1f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
