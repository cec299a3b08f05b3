#pragma once
// The three music tracks, composed in code by a small sequencer.

#include "assetgen/audio.h"

// Track 1 (opening), 2 (middle) or 3 (final approach), about 85 seconds each.
Stereo ComposeTrack(int number);
