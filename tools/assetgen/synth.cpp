#include "assetgen/synth.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586;

// PolyBLEP: rounds the jump of a saw or square over one sample, which keeps aliasing down.
double Blep(double t, double dt) {
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

double Oscillator(Wave wave, double phase, double dt) {
    switch (wave) {
        case Wave::Sine:
            return std::sin(kTwoPi * phase);
        case Wave::Saw:
            return 2.0 * phase - 1.0 - Blep(phase, dt);
        case Wave::Square: {
            double v = phase < 0.5 ? 1.0 : -1.0;
            v += Blep(phase, dt);
            v -= Blep(std::fmod(phase + 0.5, 1.0), dt);
            return v;
        }
        case Wave::SoftSaw:
            return 0.6 * (2.0 * phase - 1.0 - Blep(phase, dt)) + 0.4 * std::sin(kTwoPi * phase);
    }
    return 0.0;
}

double Envelope(const Voice& v, double t, double length) {
    if (t < v.attack) return t / v.attack;
    if (t < v.attack + v.decay) return 1.0 - (1.0 - v.sustain) * (t - v.attack) / v.decay;
    if (t < length) return v.sustain;
    const double level =
        length < v.attack + v.decay
            ? 1.0 - (1.0 - v.sustain) * std::min(1.0, std::max(0.0, (length - v.attack) / v.decay))
            : v.sustain;
    return std::max(0.0, level * (1.0 - (t - length) / v.release));
}

// A fixed noise source per hit, so the drums sound the same on every run.
struct Noise {
    std::uint32_t state;
    double Next() {
        state = state * 1664525u + 1013904223u;
        return static_cast<double>(state >> 8) / 8388608.0 - 1.0;
    }
};

}  // namespace

double MidiToHz(double note) {
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

void PlayNote(Stereo& out, const Voice& voice, double start, double length, double note,
              double velocity) {
    const std::size_t first = static_cast<std::size_t>(start * kRate);
    const std::size_t count = static_cast<std::size_t>((length + voice.release) * kRate);
    double phase1 = 0, phase2 = 0.37;
    double low = 0, band = 0;  // state-variable filter
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double wobble = voice.vibrato * std::sin(kTwoPi * 5.5 * t) * std::min(1.0, t / 0.3);
        const double f1 = MidiToHz(note + wobble);
        const double f2 = MidiToHz(note + wobble + voice.detune);
        double sample = Oscillator(voice.wave, phase1, f1 / kRate);
        if (voice.detune != 0) sample = 0.5 * (sample + Oscillator(voice.wave, phase2, f2 / kRate));
        phase1 = std::fmod(phase1 + f1 / kRate, 1.0);
        phase2 = std::fmod(phase2 + f2 / kRate, 1.0);
        const double envelope = Envelope(voice, t, length);
        const double cutoff = std::min(16000.0, voice.cutoff + voice.filterEnvelope * envelope);
        const double f = 2.0 * std::sin(3.14159265 * cutoff / kRate / 2.0);
        const double q = 1.0 - voice.resonance * 0.9;
        low += f * band;
        const double high = sample - low - q * band;
        band += f * high;
        out.Add(first + i, static_cast<float>(low * envelope * voice.level * velocity), voice.pan);
    }
}

void Kick(Stereo& out, double start, double level) {
    const std::size_t first = static_cast<std::size_t>(start * kRate);
    double phase = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(0.35 * kRate); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double f = 45.0 + 100.0 * std::exp(-t * 35.0);
        phase += f / kRate;
        const double body = std::sin(kTwoPi * phase) * std::exp(-t * 9.0);
        const double click = t < 0.004 ? (1.0 - t / 0.004) * 0.4 : 0.0;
        out.Add(first + i, static_cast<float>((body + click) * level), 0.0f);
    }
}

void Snare(Stereo& out, double start, double level, std::uint32_t seed) {
    const std::size_t first = static_cast<std::size_t>(start * kRate);
    Noise noise{seed};
    double low = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(0.22 * kRate); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double n = noise.Next();
        low += 0.25 * (n - low);
        const double rattle = (n - low) * std::exp(-t * 18.0);
        const double tone = std::sin(kTwoPi * 185.0 * t) * std::exp(-t * 30.0);
        out.Add(first + i, static_cast<float>((0.8 * rattle + 0.5 * tone) * level), 0.1f);
    }
}

void HiHat(Stereo& out, double start, double level, double length, std::uint32_t seed) {
    const std::size_t first = static_cast<std::size_t>(start * kRate);
    Noise noise{seed};
    double low = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(length * kRate); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double n = noise.Next();
        low += 0.6 * (n - low);
        const double hiss = (n - low) * std::exp(-t * 4.0 / length);
        out.Add(first + i, static_cast<float>(hiss * level), -0.3f);
    }
}
