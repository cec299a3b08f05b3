#pragma once
// Value noise that repeats vertically, so that scrolled layers wrap without a seam.

#include <cmath>
#include <cstdint>

// Fractal value noise in [0, 1]; every octave's lattice divides the vertical period.
class PeriodicNoise {
  public:
    PeriodicNoise(std::uint32_t seed, int periodY) : seed_(seed), periodY_(periodY) {}

    // Octaves from `cell` pixels down, each half the size and half the weight.
    double At(double x, double y, int cell, int octaves) const {
        double sum = 0.0, weight = 1.0, total = 0.0;
        for (int o = 0; o < octaves; ++o) {
            sum += weight * Octave(x, y, cell >> o, static_cast<std::uint32_t>(o));
            total += weight;
            weight *= 0.5;
        }
        return sum / total;
    }

  private:
    double Lattice(int ix, int iy, int cellsY, std::uint32_t octave) const {
        iy = ((iy % cellsY) + cellsY) % cellsY;
        std::uint32_t h = seed_ ^ (octave * 0x9E3779B9u);
        h ^= static_cast<std::uint32_t>(ix) * 0x85EBCA6Bu;
        h = (h << 13) | (h >> 19);
        h ^= static_cast<std::uint32_t>(iy) * 0xC2B2AE35u;
        h *= 0x27D4EB2Fu;
        h ^= h >> 15;
        return (h & 0xFFFFu) / 65535.0;
    }
    double Octave(double x, double y, int cell, std::uint32_t octave) const {
        const int cellsY = periodY_ / cell;
        const double fx = x / cell, fy = y / cell;
        const int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
        const double tx = Smooth(fx - ix), ty = Smooth(fy - iy);
        const double a = Lattice(ix, iy, cellsY, octave), b = Lattice(ix + 1, iy, cellsY, octave);
        const double c = Lattice(ix, iy + 1, cellsY, octave);
        const double d = Lattice(ix + 1, iy + 1, cellsY, octave);
        return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
    }
    static double Smooth(double t) { return t * t * (3 - 2 * t); }

    std::uint32_t seed_;
    int periodY_;
};

// A small fixed generator for scattering details the same way on every run.
class Scatter {
  public:
    explicit Scatter(std::uint32_t seed) : state_(seed) {}
    double Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) / 16777216.0;
    }
    double Range(double low, double high) { return low + (high - low) * Next(); }

  private:
    std::uint32_t state_;
};
