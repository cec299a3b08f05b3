#include "app/window_proc.h"

#include "app/debug_trace.h"
#include "app/key_mapping.h"
#include "app/keyboard.h"
#include "app/window_state.h"
#include "app/x11_close_guard.h"

void WindowProc(const SDL_Event& event, Uint32 windowId, WindowEvents& out) {
    switch (event.type) {
        case SDL_QUIT:
            out.quit = true;
            break;
        case SDL_WINDOWEVENT:
            if (event.window.windowID != windowId) break;
            switch (event.window.event) {
                case SDL_WINDOWEVENT_CLOSE:
                    out.quit = true;
                    break;
                case SDL_WINDOWEVENT_FOCUS_LOST:
                    windowInactive.store(1);
                    DebugTrace("focus lost");
                    break;
                case SDL_WINDOWEVENT_FOCUS_GAINED:
                    windowInactive.store(0);
                    DebugTrace("focus gained");
                    break;
                case SDL_WINDOWEVENT_EXPOSED:
                    out.paintRequested = true;
                    break;
                default:
                    break;
            }
            break;
        case SDL_KEYDOWN:
            OnKeyDown(VirtualKeyFromSdl(event.key.keysym.sym, event.key.keysym.mod));
            break;
        case SDL_KEYUP:
            OnKeyUp(VirtualKeyFromSdl(event.key.keysym.sym, event.key.keysym.mod));
            break;
        case SDL_SYSWMEVENT:
            if (IsWindowDestroyedEvent(event)) out.quit = true;
            break;
        case SDL_RENDER_DEVICE_RESET:
        case SDL_RENDER_TARGETS_RESET:
            out.deviceLost = true;
            break;
        default:
            break;
    }
}
