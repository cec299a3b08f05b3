#pragma once
// A small synthesiser: band-limited oscillators, a resonant low-pass, envelopes and drums,
// each rendering one note into a stereo buffer.

#include <cstdint>

#include "assetgen/audio.h"

enum class Wave { Sine, Saw, Square, SoftSaw };

struct Voice {
    Wave wave = Wave::Saw;
    double attack = 0.01, decay = 0.1, sustain = 0.7, release = 0.1;  // seconds, level
    double cutoff = 4000, resonance = 0.2, filterEnvelope = 0;        // Hz; extra Hz at the peak
    double detune = 0;   // a second oscillator this many semitones off, mixed in
    double vibrato = 0;  // semitones
    double level = 0.2;
    float pan = 0.0f;
};

double MidiToHz(double note);

// Renders a note of the voice from `start` for `length` seconds (plus its release).
void PlayNote(Stereo& out, const Voice& voice, double start, double length, double note,
              double velocity = 1.0);

void Kick(Stereo& out, double start, double level);
void Snare(Stereo& out, double start, double level, std::uint32_t seed);
void HiHat(Stereo& out, double start, double level, double length, std::uint32_t seed);
