#include "assetgen/audio.h"

#include <algorithm>
#include <cmath>

namespace {

// One biquad section in direct form I.
struct Biquad {
    double b0, b1, b2, a1, a2;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double Run(double x) {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

// The two K-weighting stages for this sample rate (the formulas of the reference filters).
void KWeighting(Biquad& shelf, Biquad& highPass) {
    const double pi = 3.14159265358979323846;
    {
        const double f0 = 1681.974450955533, gain = 3.999843853973347, q = 0.7071752369554196;
        const double k = std::tan(pi * f0 / kRate);
        const double vh = std::pow(10.0, gain / 20.0), vb = std::pow(vh, 0.4996667741545416);
        const double a0 = 1.0 + k / q + k * k;
        shelf = Biquad{(vh + vb * k / q + k * k) / a0, 2.0 * (k * k - vh) / a0,
                       (vh - vb * k / q + k * k) / a0, 2.0 * (k * k - 1.0) / a0,
                       (1.0 - k / q + k * k) / a0};
    }
    {
        const double f0 = 38.13547087602444, q = 0.5003270373238773;
        const double k = std::tan(pi * f0 / kRate);
        const double a0 = 1.0 + k / q + k * k;
        highPass = Biquad{1.0, -2.0, 1.0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0};
    }
}

double BlockLoudness(double meanSquare) {
    return -0.691 + 10.0 * std::log10(meanSquare + 1e-20);
}

}  // namespace

double IntegratedLoudness(const Stereo& audio) {
    std::vector<double> weighted(audio.Frames(), 0.0);  // sum of both channels' squares
    for (const std::vector<float>* channel : {&audio.left, &audio.right}) {
        Biquad shelf{}, highPass{};
        KWeighting(shelf, highPass);
        for (std::size_t i = 0; i < channel->size(); ++i) {
            const double y = highPass.Run(shelf.Run((*channel)[i]));
            weighted[i] += y * y;
        }
    }
    const std::size_t block = kRate * 4 / 10, hop = kRate / 10;
    std::vector<double> blocks;
    if (weighted.size() < block) {
        double sum = 0;
        for (double w : weighted) sum += w;
        blocks.push_back(sum / static_cast<double>(std::max<std::size_t>(1, weighted.size())));
    }
    for (std::size_t start = 0; start + block <= weighted.size(); start += hop) {
        double sum = 0;
        for (std::size_t i = start; i < start + block; ++i) sum += weighted[i];
        blocks.push_back(sum / block);
    }
    const auto gatedMean = [&](double gate) {
        double sum = 0;
        int count = 0;
        for (double b : blocks) {
            if (BlockLoudness(b) > gate) {
                sum += b;
                ++count;
            }
        }
        return count > 0 ? sum / count : 0.0;
    };
    const double relativeGate = BlockLoudness(gatedMean(-70.0)) - 10.0;
    return BlockLoudness(gatedMean(std::max(-70.0, relativeGate)));
}

double PeakOf(const Stereo& audio) {
    double peak = 0;
    for (float s : audio.left) peak = std::max(peak, static_cast<double>(std::fabs(s)));
    for (float s : audio.right) peak = std::max(peak, static_cast<double>(std::fabs(s)));
    return peak;
}

void Master(Stereo& audio, double targetLufs, double peakDb) {
    const double ceiling = std::pow(10.0, peakDb / 20.0);
    // A soft knee from 70 % of the ceiling up: loud peaks are rounded off, never clipped.
    const double knee = ceiling * 0.7;
    const auto limit = [&](float sample, double gain) {
        const double x = sample * gain, magnitude = std::fabs(x);
        if (magnitude <= knee) return static_cast<float>(x);
        const double over = (magnitude - knee) / (ceiling - knee);
        const double shaped = knee + (ceiling - knee) * std::tanh(over);
        return static_cast<float>(std::copysign(shaped, x));
    };
    // The limiter takes a little loudness back: measure again and correct, a few times.
    const Stereo original = audio;
    double gain = std::pow(10.0, (targetLufs - IntegratedLoudness(original)) / 20.0);
    for (int pass = 0; pass < 4; ++pass) {
        for (std::size_t i = 0; i < audio.Frames(); ++i) {
            audio.left[i] = limit(original.left[i], gain);
            audio.right[i] = limit(original.right[i], gain);
        }
        gain *= std::pow(10.0, (targetLufs - IntegratedLoudness(audio)) / 20.0);
    }
    const std::size_t fade = std::min<std::size_t>(audio.Frames() / 2, kRate / 200);  // 5 ms
    for (std::size_t i = 0; i < fade; ++i) {
        const float g = static_cast<float>(i) / fade;
        audio.left[i] *= g;
        audio.right[i] *= g;
        audio.left[audio.Frames() - 1 - i] *= g;
        audio.right[audio.Frames() - 1 - i] *= g;
    }
}
