#pragma once
// Encodes 44.1 kHz stereo 16-bit samples to an MP3 file with LAME.

#include <cstdint>
#include <string>
#include <vector>

constexpr int kSampleRate = 44100;

// Interleaved left/right samples.
bool WriteMp3(const std::string& path, const std::vector<std::int16_t>& interleaved);
