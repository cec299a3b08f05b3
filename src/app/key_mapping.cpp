#include "app/key_mapping.h"

#include "app/keyboard.h"

int VirtualKeyFromSdl(SDL_Keycode key, Uint16 modifiers) {
    if ((modifiers & KMOD_ALT) != 0 || key == SDLK_F10) return -1;
    switch (key) {
        case SDLK_LEFT:
            return kVkLeft;
        case SDLK_UP:
            return kVkUp;
        case SDLK_RIGHT:
            return kVkRight;
        case SDLK_DOWN:
            return kVkDown;
        case SDLK_SPACE:
            return kVkSpace;
        case SDLK_BACKSPACE:
            return 0x08;
        case SDLK_TAB:
            return 0x09;
        case SDLK_RETURN:
            return 0x0D;
        case SDLK_ESCAPE:
            return 0x1B;
        default:
            break;
    }
    if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
    if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
    if (key >= SDLK_F1 && key <= SDLK_F9) return 0x70 + (key - SDLK_F1);
    if (key >= SDLK_F11 && key <= SDLK_F12) return 0x7A + (key - SDLK_F11);
    return -1;
}
