#pragma once
// Game controllers through SDL: opened as they are plugged in (or found at start), closed as
// they go, each event turned into key messages by PadKeys.

#include <SDL.h>

#include <vector>

#include "app/pad_keys.h"

class Gamepads {
  public:
    Gamepads() = default;
    ~Gamepads();
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;

    // Controller events change the keys; others are ignored.
    void HandleEvent(const SDL_Event& event);
    // Closes every pad (before SDL shuts down); their keys are let go.
    void CloseAll();
    int Count() const { return static_cast<int>(open_.size()); }

  private:
    void Refresh();

    std::vector<SDL_GameController*> open_;
    PadKeys keys_;
};
