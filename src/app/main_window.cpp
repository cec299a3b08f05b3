#include "app/main_window.h"

#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "app/window_geometry.h"
#include "app/x11_close_guard.h"

namespace {

// Mesa's software rasterisers are slower than SDL's own renderer for this game's drawing.
bool IsSoftwareGl(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) != 0) return false;
    if (std::strncmp(info.name, "opengl", 6) != 0) return false;
    using GetStringFn = const unsigned char* (*)(unsigned int);
    auto getString = reinterpret_cast<GetStringFn>(SDL_GL_GetProcAddress("glGetString"));
    if (getString == nullptr) return false;
    const unsigned char* name = getString(0x1F01);  // GL_RENDERER
    if (name == nullptr) return false;
    const char* text = reinterpret_cast<const char*>(name);
    return std::strstr(text, "llvmpipe") != nullptr || std::strstr(text, "softpipe") != nullptr ||
           std::strstr(text, "Software Rasterizer") != nullptr;
}

// A GPU shows up as a DRI render node. Without one, accelerated rendering can only be Mesa's
// software GL: skip it without loading it (it costs memory, threads and a slow shutdown).
bool HasGpuRenderNode() {
    for (int node = 128; node < 136; ++node) {
        if (access(("/dev/dri/renderD" + std::to_string(node)).c_str(), R_OK | W_OK) == 0) {
            return true;
        }
    }
    return false;
}

// With no display SDL falls back to drawing off screen, where the game would run unseen for
// ever. Only a player who asks for such a driver by name gets one.
bool OnARealScreen() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr) return false;
    const bool invisible =
        std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0;
    return !invisible || std::getenv("SDL_VIDEODRIVER") != nullptr;
}

}  // namespace

SDL_Window* CreateMainWindow() {
    // The window class: X11 WM_CLASS and the Wayland app id.
    setenv("SDL_VIDEO_X11_WMCLASS", kWindowClass, 0);
    setenv("SDL_VIDEO_WAYLAND_WMCLASS", kWindowClass, 0);
    InstallXErrorHandler();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return nullptr;
    if (!OnARealScreen()) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        SDL_SetError("no display (neither DISPLAY nor WAYLAND_DISPLAY leads to a screen)");
        return nullptr;
    }

    SDL_Window* window =
        SDL_CreateWindow(kWindowTitle, SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                         kClientWidth, kClientHeight, SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI);
    if (window == nullptr) return nullptr;

    SDL_Rect usable;
    const int display = SDL_GetWindowDisplayIndex(window);
    if (SDL_GetDisplayUsableBounds(display < 0 ? 0 : display, &usable) == 0) {
        // Frame sizes as the window manager reports them; none without a window manager.
        int top = 0, left = 0, bottom = 0, right = 0;
        SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right);
        const FrameMetrics frame{left, bottom, top > bottom ? top - bottom : 0};
        const WindowPlacement placement =
            CentreWindow(usable.x + usable.w, usable.y + usable.h, frame);
        // SDL places the client area; the formula places the outer window.
        SDL_SetWindowPosition(window, placement.x + frame.frameX,
                              placement.y + frame.frameY + frame.caption);
    }
    return window;
}

SDL_Renderer* CreateWindowRenderer(SDL_Window* window) {
    if (!HasGpuRenderNode()) {
        // The software renderer draws into the window's own framebuffer; SDL would otherwise
        // probe GL for one.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
        if (SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE)) {
            return renderer;
        }
        // Some window systems (Wayland) give windows no framebuffer of their own: there only
        // GL can present, in software if need be.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "1");
        return SDL_CreateRenderer(window, -1, 0);
    }
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    if (renderer != nullptr && IsSoftwareGl(renderer)) {
        SDL_DestroyRenderer(renderer);
        renderer = nullptr;
    }
    if (renderer == nullptr) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    return renderer;
}
