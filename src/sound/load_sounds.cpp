#include "sound/load_sounds.h"

#include <cstdio>

#include "app/debug_trace.h"
#include "sound/dshowhlp.h"

int LoadSounds(const MessageSink& showMessage) {
    try {
        for (const SoundFile& sound : kStartupSounds) {
            DShowHLP::Load(sound.path, sound.name);
            DebugTrace("sound loaded %s", sound.name);
        }
    } catch (const DShowHLP::LoadFailure& failure) {
        std::fprintf(stderr, "gryvel: %s\n", failure.what());
        showMessage(kSoundMessage);
        return 0;
    }
    return 1;
}

void LibrarySoundPlayer::PlayFromStart(std::string_view name) {
    DShowHLP::PlayFromStart(name);
}
