#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "assetgen/assets.h"
#include "assetgen/mp3_writer.h"

namespace {

// A mono buffer of floats, mixed and then written as stereo.
using Buffer = std::vector<float>;

constexpr double kTwoPi = 6.283185307179586;

double NoteFrequency(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

void AddTone(Buffer& out, double start, double length, double frequency, double volume) {
    const std::size_t first = static_cast<std::size_t>(start * kSampleRate);
    const std::size_t count = static_cast<std::size_t>(length * kSampleRate);
    for (std::size_t i = 0; i < count && first + i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double attack = std::min(1.0, t / 0.01);
        const double release = std::min(1.0, (length - t) / 0.05);
        const double phase = std::fmod(frequency * t, 1.0);
        // A soft square: fundamental plus a little third harmonic.
        const double wave = std::sin(kTwoPi * phase) + 0.3 * std::sin(3 * kTwoPi * phase);
        out[first + i] += static_cast<float>(volume * attack * std::max(0.0, release) * wave);
    }
}

// Short fades at both ends keep the file free of clicks.
void Fade(Buffer& out) {
    const std::size_t fade = std::min<std::size_t>(out.size() / 2, kSampleRate / 200);
    for (std::size_t i = 0; i < fade; ++i) {
        const float gain = static_cast<float>(i) / fade;
        out[i] *= gain;
        out[out.size() - 1 - i] *= gain;
    }
}

bool Write(const std::string& path, Buffer& mono) {
    Fade(mono);
    float peak = 0.0f;
    for (float s : mono) peak = std::max(peak, std::fabs(s));
    const float gain = peak > 0.0f ? 0.8f / peak : 0.0f;
    std::vector<std::int16_t> stereo(mono.size() * 2);
    for (std::size_t i = 0; i < mono.size(); ++i) {
        const auto sample = static_cast<std::int16_t>(std::lround(mono[i] * gain * 32767.0f));
        stereo[2 * i] = sample;
        stereo[2 * i + 1] = sample;
    }
    if (!WriteMp3(path, stereo)) {
        std::fprintf(stderr, "gryvel-assets: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

// A looping arpeggio over a bass line: root notes and the tempo set the mood.
Buffer Music(int root, double beat, double seconds, const int (&steps)[8]) {
    Buffer out(static_cast<std::size_t>(seconds * kSampleRate), 0.0f);
    int index = 0;
    for (double t = 0; t + beat < seconds; t += beat, ++index) {
        AddTone(out, t, beat * 0.9, NoteFrequency(root + 12 + steps[index % 8]), 0.25);
        if (index % 4 == 0) AddTone(out, t, beat * 3.8, NoteFrequency(root - 12), 0.35);
    }
    return out;
}

Buffer Explosion() {
    Buffer out(static_cast<std::size_t>(0.7 * kSampleRate));
    unsigned state = 1;
    float low = 0.0f;
    for (std::size_t i = 0; i < out.size(); ++i) {
        state = state * 1664525u + 1013904223u;
        const float noise = static_cast<float>((state >> 9) & 0xFFFF) / 32768.0f - 1.0f;
        low += 0.08f * (noise - low);  // a dull rumble
        const double t = static_cast<double>(i) / kSampleRate;
        out[i] = static_cast<float>(low * std::exp(-5.0 * t));
    }
    return out;
}

Buffer Blip(double seconds, double from, double to) {
    Buffer out(static_cast<std::size_t>(seconds * kSampleRate));
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / out.size();
        phase += (from + (to - from) * t) / kSampleRate;
        out[i] = static_cast<float>(std::sin(kTwoPi * phase) * (1.0 - t));
    }
    return out;
}

}  // namespace

bool WriteSounds(const std::string& folder) {
    const int opening[8] = {0, 4, 7, 12, 7, 4, 0, 7};
    const int middle[8] = {0, 3, 7, 10, 7, 3, 12, 7};
    const int finale[8] = {0, 5, 7, 12, 14, 12, 7, 5};
    Buffer bgm01 = Music(57, 0.20, 12.0, opening);
    Buffer bgm02 = Music(52, 0.17, 12.0, middle);
    Buffer bgm03 = Music(55, 0.14, 12.0, finale);
    Buffer hit = Explosion();
    Buffer shot = Blip(0.15, 1400.0, 500.0);
    Buffer lock = Blip(0.05, 1800.0, 1800.0);
    bool ok = Write(folder + "/bgm01.mp3", bgm01);
    ok = Write(folder + "/bgm02.mp3", bgm02) && ok;
    ok = Write(folder + "/bgm03.mp3", bgm03) && ok;
    ok = Write(folder + "/bom2.mp3", hit) && ok;
    ok = Write(folder + "/SHOT.mp3", shot) && ok;
    ok = Write(folder + "/Loc2.mp3", lock) && ok;
    return ok;
}
