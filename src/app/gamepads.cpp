#include "app/gamepads.h"

#include <algorithm>

#include "app/debug_trace.h"

Gamepads::~Gamepads() {
    CloseAll();
}

void Gamepads::CloseAll() {
    for (SDL_GameController* pad : open_) SDL_GameControllerClose(pad);
    open_.clear();
    keys_.ReleaseAll();
}

void Gamepads::HandleEvent(const SDL_Event& event) {
    switch (event.type) {
        case SDL_CONTROLLERDEVICEADDED:
            if (SDL_GameController* pad = SDL_GameControllerOpen(event.cdevice.which)) {
                open_.push_back(pad);
                DebugTrace("pad added: %s", SDL_GameControllerName(pad));
            }
            break;
        case SDL_CONTROLLERDEVICEREMOVED: {
            const auto gone =
                std::find_if(open_.begin(), open_.end(), [&](SDL_GameController* pad) {
                    return SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(pad)) ==
                           event.cdevice.which;
                });
            if (gone != open_.end()) {
                SDL_GameControllerClose(*gone);
                open_.erase(gone);
                DebugTrace("pad removed");
            }
            Refresh();
            break;
        }
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
        case SDL_CONTROLLERAXISMOTION:
            Refresh();
            break;
        default:
            break;
    }
}

// Reads every open pad afresh: a key is held while any pad holds it.
void Gamepads::Refresh() {
    PadKeySet held;
    for (SDL_GameController* pad : open_) {
        const auto button = [pad](SDL_GameControllerButton b) {
            return SDL_GameControllerGetButton(pad, b) != 0;
        };
        PadReading reading;
        reading.up = button(SDL_CONTROLLER_BUTTON_DPAD_UP);
        reading.down = button(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
        reading.left = button(SDL_CONTROLLER_BUTTON_DPAD_LEFT);
        reading.right = button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
        reading.south = button(SDL_CONTROLLER_BUTTON_A);
        reading.stickX = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTX);
        reading.stickY = SDL_GameControllerGetAxis(pad, SDL_CONTROLLER_AXIS_LEFTY);
        const PadKeySet keys = KeysOf(reading);
        held.up |= keys.up;
        held.down |= keys.down;
        held.left |= keys.left;
        held.right |= keys.right;
        held.fire |= keys.fire;
    }
    keys_.Apply(held);
}
