#pragma once
// The six sounds the game loads at start-up, and the player the game plays them through.

#include "app/message_sink.h"
#include "sound/sound_player.h"

inline constexpr const char* kSoundMessage = "サウンドファイルが開けません";

struct SoundFile {
    const char* name;
    const char* path;
};

// Loaded in this order; the first failure ends the list.
inline constexpr SoundFile kStartupSounds[] = {
    {"bgm001", "sound/bgm01.mp3"}, {"bgm002", "sound/bgm02.mp3"}, {"bgm003", "sound/bgm03.mp3"},
    {"hit", "sound/bom2.mp3"},     {"pow", "sound/SHOT.mp3"},     {"loc", "sound/Loc2.mp3"},
};

// Loads the list. On the first failure the rest is not tried, the sounds before it stay loaded,
// the sound message goes to showMessage, the reason to standard error, and the result is 0.
int LoadSounds(const MessageSink& showMessage);

// Plays the loaded sounds by name for the game.
class LibrarySoundPlayer : public SoundPlayer {
  public:
    void PlayFromStart(std::string_view name) override;
};
