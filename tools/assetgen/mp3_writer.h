#pragma once
// Encodes 44.1 kHz stereo audio to an MP3 file with LAME, tagged for gapless playback (the
// decoder trims the encoder's delay and padding, so a short effect starts at once).

#include <string>

#include "assetgen/audio.h"

bool WriteMp3(const std::string& path, const Stereo& audio);
