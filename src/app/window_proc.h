#pragma once
// The window procedure: turns SDL events into the key tables, the inactive flag, paint
// requests, device-loss notices and the end of the loop.

#include <SDL.h>

struct WindowEvents {
    bool quit = false;            // the window was closed
    bool paintRequested = false;  // the window was exposed
    bool deviceLost = false;      // the renderer lost its device or targets
};

// Handles one event for the window with the given id.
void WindowProc(const SDL_Event& event, Uint32 windowId, WindowEvents& out);
