#pragma once
// The named-sound library: one decoded sound and one dedicated mixer channel per name.

#include <stdexcept>
#include <string>
#include <string_view>

namespace DShowHLP {

// A sound file that is missing or cannot be decoded, or a name loaded twice.
class LoadFailure : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Opens the audio output. Without a usable device it falls back to a silent one, so every
// file is still loaded and checked. True when a real device opened; callers may ignore it.
bool Init();

// Decodes the file and files it under the name. Loading plays nothing.
void Load(const std::string& file, const std::string& name);

// Stops the named sound, rewinds it and plays it once. An unknown name does nothing.
void PlayFromStart(std::string_view name);

// Stops and frees every sound, then closes the audio output.
void Shutdown();

// How many sounds are loaded (for tests).
int LoadedCount();

}  // namespace DShowHLP
