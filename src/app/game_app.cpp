#include "app/game_app.h"

#include <SDL.h>

#include <cstdio>
#include <mutex>

#include "app/debug_trace.h"
#include "app/frame_timer.h"
#include "app/gamepads.h"
#include "app/invalidation.h"
#include "app/main_window.h"
#include "app/message_box.h"
#include "app/paint_cycle.h"
#include "app/prepare_texts.h"
#include "app/test_hooks.h"
#include "app/window_proc.h"
#include "app/window_state.h"
#include "app/x11_close_guard.h"
#include "game/frame_context.h"
#include "game/stage/reset.h"
#include "game/stage/stage_frame.h"
#include "game/stage/world.h"
#include "gfx/load_images.h"
#include "gfx/sdl_device.h"
#include "gfx/text_format.h"
#include "sound/dshowhlp.h"
#include "sound/load_sounds.h"

namespace {

Uint32 wakeEventType = 0;

// Called from the timer thread: SDL_PushEvent may be called from any thread.
void WakeMainThread() {
    SDL_Event event{};
    event.type = wakeEventType;
    SDL_PushEvent(&event);
}

std::uint32_t MillisecondClock() {
    return SDL_GetTicks();
}

// The trace closes on every way out of the game.
struct TraceScope {
    TraceScope() { OpenDebugTrace(); }
    ~TraceScope() { CloseDebugTrace(); }
};

int Fail(const char* what) {
    std::fprintf(stderr, "gryvel: %s: %s\n", what, SDL_GetError());
    return 0;
}

}  // namespace

int RunGame(RuleSet rules) {
    const TraceScope trace;
    const TestHooks hooks = ReadTestHooks();
    // Events and the wake-up event type; video comes up with the window, so that a machine
    // without a display still checks every file first.
    if (SDL_Init(SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) return Fail("cannot start SDL");
    wakeEventType = SDL_RegisterEvents(1);
    if (wakeEventType == static_cast<Uint32>(-1)) return Fail("cannot register events");

    DShowHLP::Init();
    std::mutex frameLock;

    GameImages images;
    if (!LoadImages(images, ShowStartupMessage)) {
        SDL_Quit();
        return 0;
    }
    if (!LoadSounds(ShowStartupMessage)) {
        DShowHLP::Shutdown();
        SDL_Quit();
        return 0;
    }
    ResetWorld();

    TextFormat textFormat;
    if (!textFormat.Create()) return Fail("cannot make the text format");
    PrepareEndingTexts(textFormat);

    SDL_Window* window = CreateMainWindow();
    if (window == nullptr) {
        Fail("cannot open the window");
        DShowHLP::Shutdown();
        SDL_Quit();
        return 0;
    }
    const Uint32 windowId = SDL_GetWindowID(window);
    // Pads are welcome but not needed: without the subsystem the keyboard still plays.
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        std::fprintf(stderr, "gryvel: no game controllers: %s\n", SDL_GetError());
    }
    Gamepads gamepads;
    GuardWindowAgainstDestruction(window);

    Invalidation invalidation(WakeMainThread);
    LibrarySoundPlayer sounds;
    SdlDevice device([window] { return CreateWindowRenderer(window); }, images, textFormat);
    const GameStep step = [&sounds, rules, &hooks](DrawingSurface& surface) {
        FrameContext frame{surface, sounds, rules};
        GameFrame(frame);
        if (hooks.paintDelayMs > 0) SDL_Delay(static_cast<Uint32>(hooks.paintDelayMs));
    };
    const auto invalidate = [&invalidation] { invalidation.Invalidate(); };
    long paints = 0;
    int preparedDensity = 1;
    const auto paint = [&] {
        if (hooks.deviceLossEvery > 0 && paints > 0 && paints % hooks.deviceLossEvery == 0) {
            DebugTrace("device lost (test hook)");
            device.MarkDeviceLost();
        }
        const bool hadResources = device.HasResources();
        const bool stepped = OnPaint(device, frameLock, step, invalidate);
        if (!hadResources && device.HasResources()) {
            const FrameBuffer& frame = device.Frame();
            DebugTrace("device resources made: %d x %d pixels", frame.width, frame.height);
            // A high-density screen needs its own renderings of the ending texts.
            if (device.Density() != preparedDensity) {
                PrepareEndingTexts(textFormat, device.Density());
                preparedDensity = device.Density();
            }
        }
        if (stepped) DebugTrace("paint %ld clock %.0f", ++paints, gameWorld.stageClock);
        RefreshWindowGuard();
    };

    // The first frame is drawn, and the device resources made, before any timer exists.
    SDL_ShowWindow(window);
    paint();

    FrameTimer timer(MillisecondClock, invalidate, windowInactive);
    timer.Start();
    timer.SetLastTickTime(MillisecondClock());

    // Paints come last, after every event waiting: piled-up invalidations give one paint.
    WindowEvents events;
    while (!events.quit) {
        SDL_Event event;
        if (!SDL_WaitEvent(&event)) break;
        do {
            WindowProc(event, windowId, events);
            gamepads.HandleEvent(event);
        } while (SDL_PollEvent(&event));
        if (events.deviceLost) {
            device.MarkDeviceLost();
            events.deviceLost = false;
        }
        if (events.quit || WindowWasDestroyed()) break;
        const bool invalidated = invalidation.TakePending();
        if (invalidated || events.paintRequested) {
            events.paintRequested = false;
            paint();
        }
    }

    // Shutdown: the timer first (waiting out a running tick), then the device, images, window,
    // sounds and SDL.
    timer.Stop();
    gamepads.CloseAll();
    device.DiscardDeviceResources();
    images = GameImages{};
    textFormat.Release();
    SDL_DestroyWindow(window);
    DShowHLP::Shutdown();
    SDL_Quit();
    return 0;
}
