#pragma once
// The game's one window: fixed 600 x 720 client area, centred, with caption, close and minimise.

#include <SDL.h>

inline constexpr const char* kWindowTitle = "KESTRIVAN MORVALENT";
inline constexpr const char* kWindowClass = "__QZ_DX2DDEMO_WINDOW";

// Creates the window centred on the display's usable area; null on failure (with SDL's reason
// in SDL_GetError). The window is created hidden.
SDL_Window* CreateMainWindow();

// A renderer to present the frames: the accelerated one on a real GPU, SDL's own software
// renderer when there is no GPU or the accelerated one turns out to be software GL.
SDL_Renderer* CreateWindowRenderer(SDL_Window* window);
