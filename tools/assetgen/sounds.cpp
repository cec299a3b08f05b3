#include <cmath>
#include <cstdio>
#include <string>

#include "assetgen/assets.h"
#include "assetgen/audio.h"
#include "assetgen/mp3_writer.h"
#include "assetgen/music.h"
#include "assetgen/noise.h"

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Loudness targets: music at -16 LUFS; effects near it; the lock-on blip quieter, since it is
// restarted every frame while an enemy stays in the sight.
constexpr double kMusicLufs = -16.0;
constexpr double kPeakDb = -2.0;  // leaves room for the encoder's overshoot under -1 dBFS

// An explosion under a second: a thump and a rumble of noise whose brightness dies away.
Stereo Explosion() {
    Stereo out(0.85);
    Scatter noise(99);
    double low = 0, phase = 0;
    for (std::size_t i = 0; i < out.Frames(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        const double n = noise.Range(-1, 1);
        low += (0.02 + 0.3 * std::exp(-t * 12.0)) * (n - low);
        phase += (30.0 + 70.0 * std::exp(-t * 20.0)) / kRate;
        const double thump = std::sin(kTwoPi * phase) * std::exp(-t * 7.0);
        const double sample = (1.6 * low + 0.8 * thump) * std::exp(-t * 4.0);
        out.Add(i, static_cast<float>(sample), static_cast<float>(0.15 * std::sin(t * 9.0)));
    }
    return out;
}

// A shot: a falling square chirp with a click of noise.
Stereo Shot() {
    Stereo out(0.16);
    Scatter noise(5);
    double phase = 0;
    for (std::size_t i = 0; i < out.Frames(); ++i) {
        const double t = static_cast<double>(i) / kRate;
        phase += (1300.0 * std::exp(-t * 12.0) + 250.0) / kRate;
        const double chirp = (std::fmod(phase, 1.0) < 0.5 ? 1.0 : -1.0) * std::exp(-t * 22.0);
        const double click = noise.Range(-1, 1) * std::exp(-t * 120.0);
        out.Add(i, static_cast<float>(0.5 * chirp + 0.5 * click), 0.0f);
    }
    return out;
}

// The lock-on blip: 25 ms of a soft high sine under a smooth bell, over before the next frame
// restarts it, so the restarts tick rather than buzz.
Stereo LockBlip() {
    Stereo out(0.025);
    for (std::size_t i = 0; i < out.Frames(); ++i) {
        const double s = static_cast<double>(i) / out.Frames();
        const double bell = 0.5 - 0.5 * std::cos(kTwoPi * s);
        const double t = static_cast<double>(i) / kRate;
        out.Add(i, static_cast<float>(bell * std::sin(kTwoPi * 1568.0 * t)), 0.0f);
    }
    return out;
}

bool Write(const std::string& path, Stereo audio, double lufs) {
    Master(audio, lufs, kPeakDb);
    if (!WriteMp3(path, audio)) {
        std::fprintf(stderr, "gryvel-assets: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

bool WriteSounds(const std::string& folder) {
    bool ok = Write(folder + "/bgm01.mp3", ComposeTrack(1), kMusicLufs);
    ok = Write(folder + "/bgm02.mp3", ComposeTrack(2), kMusicLufs) && ok;
    ok = Write(folder + "/bgm03.mp3", ComposeTrack(3), kMusicLufs) && ok;
    ok = Write(folder + "/bom2.mp3", Explosion(), -16.0) && ok;
    ok = Write(folder + "/SHOT.mp3", Shot(), -18.0) && ok;
    ok = Write(folder + "/Loc2.mp3", LockBlip(), -26.0) && ok;
    return ok;
}
