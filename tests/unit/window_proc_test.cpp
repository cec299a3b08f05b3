#include <SDL.h>
#include <gtest/gtest.h>

#include "app/key_mapping.h"
#include "app/keyboard.h"
#include "app/window_proc.h"
#include "app/window_state.h"

namespace {

constexpr Uint32 kWindow = 7;

SDL_Event Key(Uint32 type, SDL_Keycode key, Uint16 modifiers = KMOD_NONE, Uint8 repeat = 0) {
    SDL_Event event{};
    event.type = type;
    event.key.windowID = kWindow;
    event.key.repeat = repeat;
    event.key.keysym.sym = key;
    event.key.keysym.mod = modifiers;
    return event;
}

SDL_Event WindowEvent(Uint8 what, Uint32 window = kWindow) {
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = window;
    event.window.event = what;
    return event;
}

TEST(KeyMapping, GameKeysGetTheirVirtualKeyCodes) {
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_LEFT, KMOD_NONE), 37);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_UP, KMOD_NONE), 38);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_RIGHT, KMOD_NONE), 39);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_DOWN, KMOD_NONE), 40);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_SPACE, KMOD_NONE), 32);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_SPACE, KMOD_LSHIFT), 32);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_a, KMOD_NONE), 'A');
}

TEST(KeyMapping, SystemKeysNeverReachTheTables) {
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_SPACE, KMOD_LALT), -1);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_LEFT, KMOD_RALT), -1);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_F10, KMOD_NONE), -1);
    EXPECT_EQ(VirtualKeyFromSdl(SDLK_AUDIOPLAY, KMOD_NONE), -1);
}

TEST(WindowProc, KeysFocusPaintsAndClose) {
    ClearKeyTablesForTest();
    WindowEvents out;
    WindowProc(Key(SDL_KEYDOWN, SDLK_SPACE), kWindow, out);
    WindowProc(Key(SDL_KEYDOWN, SDLK_SPACE, KMOD_NONE, 1), kWindow, out);  // auto-repeat
    EXPECT_EQ(keyHeld[kVkSpace], 1);
    EXPECT_EQ(KeyPressedOnce(kVkSpace), 1);
    WindowProc(Key(SDL_KEYUP, SDLK_SPACE), kWindow, out);
    EXPECT_EQ(keyHeld[kVkSpace], 0);
    EXPECT_EQ(keyLatched[kVkSpace], 0);
    WindowProc(Key(SDL_KEYDOWN, SDLK_LEFT, KMOD_LALT), kWindow, out);
    EXPECT_EQ(keyHeld[kVkLeft], 0);

    WindowProc(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST), kWindow, out);
    EXPECT_EQ(windowInactive.load(), 1);
    WindowProc(WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED), kWindow, out);
    EXPECT_EQ(windowInactive.load(), 0);
    WindowProc(WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST, kWindow + 1), kWindow, out);
    EXPECT_EQ(windowInactive.load(), 0);  // another window's focus is not ours

    EXPECT_FALSE(out.paintRequested);
    WindowProc(WindowEvent(SDL_WINDOWEVENT_EXPOSED), kWindow, out);
    EXPECT_TRUE(out.paintRequested);

    SDL_Event reset{};
    reset.type = SDL_RENDER_DEVICE_RESET;
    WindowProc(reset, kWindow, out);
    EXPECT_TRUE(out.deviceLost);

    EXPECT_FALSE(out.quit);
    WindowProc(WindowEvent(SDL_WINDOWEVENT_CLOSE), kWindow, out);
    EXPECT_TRUE(out.quit);
}

}  // namespace
