#pragma once
// On X11 a window can be destroyed from outside (a tool's "close window", a dying window
// manager). That is a close like any other: the game ends with 0 instead of being stopped by
// Xlib's default error handler.

#include <SDL.h>

// Before SDL's video comes up: SDL keeps the handler it finds and puts it back when it quits,
// when the display connections still report errors about the vanished window.
void InstallXErrorHandler();

// Watches the window: X errors about it are ignored, its destruction reads as a close.
void GuardWindowAgainstDestruction(SDL_Window* window);

// Reads the window's X id again and puts the error handler back: renderer creation may replace
// both (a new X window for another visual, a GL library's own handler).
void RefreshWindowGuard();

// True when the event says the guarded window was destroyed, or an X error said it is gone.
bool IsWindowDestroyedEvent(const SDL_Event& event);
bool WindowWasDestroyed();
