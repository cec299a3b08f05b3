#pragma once
// Stereo audio buffers for the generator, and what is done to them before encoding.

#include <cstddef>
#include <vector>

constexpr int kRate = 44100;

struct Stereo {
    std::vector<float> left, right;

    explicit Stereo(double seconds = 0.0)
        : left(static_cast<std::size_t>(seconds * kRate), 0.0f),
          right(static_cast<std::size_t>(seconds * kRate), 0.0f) {}
    std::size_t Frames() const { return left.size(); }
    // Adds a mono sample at frame i, panned: -1 left, 0 centre, +1 right.
    void Add(std::size_t i, float sample, float pan) {
        if (i >= left.size()) return;
        left[i] += sample * (1.0f - pan) * 0.5f * 1.41421f;
        right[i] += sample * (1.0f + pan) * 0.5f * 1.41421f;
    }
};

// Integrated loudness in LUFS (ITU-R BS.1770: K-weighting, 400 ms blocks, both gates). Sounds
// shorter than a block are measured as one block.
double IntegratedLoudness(const Stereo& audio);

// The highest absolute sample, as a linear value.
double PeakOf(const Stereo& audio);

// Scales to the target loudness, then keeps every peak at or below `peakDb` dBFS with a soft
// limiter, and fades both ends over a few milliseconds so that nothing clicks.
void Master(Stereo& audio, double targetLufs, double peakDb);
