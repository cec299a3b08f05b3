#include "sound/dshowhlp.h"

#include "app/file_probe.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>

namespace DShowHLP {
namespace {

struct Sound {
    Mix_Chunk* chunk;
    int channel;  // each name has a channel of its own, so a name never sounds twice at once
};

// Names in byte order, which is code-unit order for the game's ASCII names.
std::map<std::string, Sound, std::less<>> sounds;
bool audioOpen = false;

constexpr int kChannels = 32;

bool OpenAudio() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    if (Mix_OpenAudio(MIX_DEFAULT_FREQUENCY, MIX_DEFAULT_FORMAT, 2, 2048) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    return true;
}

}  // namespace

bool Init() {
    Mix_Init(MIX_INIT_MP3);
    bool realDevice = OpenAudio();
    if (!realDevice) {
        std::fprintf(stderr, "gryvel: no audio device (%s); playing silently\n", SDL_GetError());
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
        audioOpen = OpenAudio();
        if (!audioOpen)
            std::fprintf(stderr, "gryvel: silent audio failed too: %s\n", SDL_GetError());
    } else {
        audioOpen = true;
    }
    if (audioOpen) Mix_AllocateChannels(kChannels);
    return realDevice;
}

void Load(const std::string& file, const std::string& name) {
    if (!audioOpen) throw LoadFailure(file + ": no audio output to decode for");
    if (const std::string why = WhyUnreadable(file); !why.empty()) {
        throw LoadFailure(file + ": " + why);
    }
    Mix_Chunk* chunk = Mix_LoadWAV(file.c_str());
    if (chunk == nullptr) throw LoadFailure(file + ": cannot decode (" + SDL_GetError() + ")");
    if (chunk->alen == 0) {
        Mix_FreeChunk(chunk);
        throw LoadFailure(file + ": no audio in the file");
    }
    if (sounds.count(name) != 0) {
        Mix_FreeChunk(chunk);
        throw LoadFailure(file + ": the name \"" + name + "\" is already loaded");
    }
    const int channel = static_cast<int>(sounds.size());
    if (channel >= kChannels) {
        Mix_FreeChunk(chunk);
        throw LoadFailure(file + ": too many sounds");
    }
    sounds.emplace(name, Sound{chunk, channel});
}

void PlayFromStart(std::string_view name) {
    const auto found = sounds.find(name);
    if (found == sounds.end()) return;
    Mix_HaltChannel(found->second.channel);
    Mix_PlayChannel(found->second.channel, found->second.chunk, 0);
}

void Shutdown() {
    for (auto& [name, sound] : sounds) {
        Mix_HaltChannel(sound.channel);
        Mix_FreeChunk(sound.chunk);
    }
    sounds.clear();
    if (audioOpen) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        audioOpen = false;
    }
    Mix_Quit();
}

int LoadedCount() {
    return static_cast<int>(sounds.size());
}

}  // namespace DShowHLP
