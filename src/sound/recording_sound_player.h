#pragma once
// A sound player that only notes the names it is asked to play, for tests and the headless runner.

#include <string>
#include <vector>

#include "sound/sound_player.h"

class RecordingSoundPlayer : public SoundPlayer {
  public:
    void PlayFromStart(std::string_view name) override { played_.emplace_back(name); }
    const std::vector<std::string>& Played() const { return played_; }
    void Clear() { played_.clear(); }

  private:
    std::vector<std::string> played_;
};
