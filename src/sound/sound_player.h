#pragma once
// The game plays sounds only by name, through this.

#include <string_view>

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // Stops the named sound, rewinds it and plays it once; an unknown name does nothing.
    virtual void PlayFromStart(std::string_view name) = 0;
};
