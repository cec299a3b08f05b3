#include "app/x11_close_guard.h"

#include <SDL_syswm.h>

#include <atomic>

#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xlib.h>
#endif

namespace {

std::atomic<bool> destroyed{false};

#if defined(SDL_VIDEO_DRIVER_X11)
SDL_Window* guarded = nullptr;
// SDL replaces the X window when a renderer needs another visual, so the id is read afresh.
std::atomic<Window> guardedWindow{0};

Window CurrentXWindow() {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (guarded == nullptr || !SDL_GetWindowWMInfo(guarded, &info) ||
        info.subsystem != SDL_SYSWM_X11) {
        return 0;
    }
    return info.info.x11.window;
}

// Errors about the window that vanished are expected; others are not fatal to a game either.
int IgnoreWindowErrors(Display* /*display*/, XErrorEvent* error) {
    if (error->error_code == BadWindow && error->resourceid == guardedWindow) destroyed.store(true);
    return 0;
}
#endif

}  // namespace

void GuardWindowAgainstDestruction(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
    guarded = window;
    RefreshWindowGuard();
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
#else
    (void)window;
#endif
}

void InstallXErrorHandler() {
#if defined(SDL_VIDEO_DRIVER_X11)
    XSetErrorHandler(IgnoreWindowErrors);
#endif
}

void RefreshWindowGuard() {
#if defined(SDL_VIDEO_DRIVER_X11)
    const Window current = CurrentXWindow();
    if (current == 0) return;
    guardedWindow.store(current);
    XSetErrorHandler(IgnoreWindowErrors);
#endif
}

bool IsWindowDestroyedEvent(const SDL_Event& event) {
#if defined(SDL_VIDEO_DRIVER_X11)
    if (event.type != SDL_SYSWMEVENT || event.syswm.msg->subsystem != SDL_SYSWM_X11) return false;
    guardedWindow.store(CurrentXWindow());
    const XEvent& x = event.syswm.msg->msg.x11.event;
    if (x.type == DestroyNotify && x.xdestroywindow.window == guardedWindow) destroyed.store(true);
#else
    (void)event;
#endif
    return destroyed.load();
}

bool WindowWasDestroyed() {
    return destroyed.load();
}
