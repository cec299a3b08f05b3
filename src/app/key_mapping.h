#pragma once
// SDL key events to the virtual-key codes the key tables are indexed by.

#include <SDL.h>

// The virtual-key code of a key, or -1 for keys that never reach the tables: keys pressed
// with Alt and F10 are system keys, and keys without a code are dropped.
int VirtualKeyFromSdl(SDL_Keycode key, Uint16 modifiers);
