#include "assetgen/music.h"

#include <array>
#include <cmath>
#include <vector>

#include "assetgen/noise.h"
#include "assetgen/synth.h"

namespace {

constexpr double kTrackSeconds = 85.0;

struct TrackPlan {
    int tonic;                 // MIDI note of the key's tonic, bass register
    std::array<int, 7> scale;  // semitones above the tonic
    double bpm;
    std::array<int, 8> chords;  // scale degree of each bar's chord, an 8-bar cycle
    std::uint32_t seed;
    Voice lead, bass, pad, arp;
};

constexpr std::array<int, 7> kMinor{0, 2, 3, 5, 7, 8, 10};
constexpr std::array<int, 7> kPhrygian{0, 1, 3, 5, 7, 8, 10};
constexpr std::array<int, 7> kHarmonicMinor{0, 2, 3, 5, 7, 8, 11};

TrackPlan PlanOf(int number) {
    Voice lead{Wave::Square, 0.01, 0.15, 0.6, 0.12, 2400, 0.35, 1800, 0.08, 0.25, 0.16f, 0.15f};
    Voice bass{Wave::Saw, 0.005, 0.12, 0.5, 0.05, 300, 0.5, 900, 0.0, 0.0, 0.30f, 0.0f};
    Voice pad{Wave::SoftSaw, 0.4, 0.6, 0.7, 0.8, 900, 0.1, 400, 0.12, 0.0, 0.07f, -0.2f};
    Voice arp{Wave::Saw, 0.002, 0.08, 0.2, 0.05, 1800, 0.5, 2500, 0.0, 0.0, 0.06f, 0.35f};
    switch (number) {
        case 1:  // opening: hopeful minor, steady
            return {45, kMinor, 138, {0, 5, 2, 6, 0, 5, 2, 6}, 101, lead, bass, pad, arp};
        case 2: {  // middle: tense phrygian, faster, darker lead
            lead.wave = Wave::Saw;
            lead.cutoff = 1800;
            return {40, kPhrygian, 150, {0, 3, 1, 0, 5, 3, 6, 4}, 202, lead, bass, pad, arp};
        }
        default: {  // final approach: driving harmonic minor, fastest, brightest
            lead.cutoff = 3200;
            arp.level = 0.075f;
            return {48, kHarmonicMinor, 164, {0, 5, 3, 4, 0, 5, 3, 4}, 303, lead, bass, pad, arp};
        }
    }
}

// The MIDI note of scale degree `degree` (may run past 7 or below 0) in the octave above tonic.
int NoteOf(const TrackPlan& plan, int degree, int octave) {
    const int wrapped = ((degree % 7) + 7) % 7;
    const int octaves = (degree - wrapped) / 7;
    return plan.tonic + 12 * (octave + octaves) + plan.scale[wrapped];
}

// A two-bar motif of eighth notes: scale steps relative to the chord root, -99 for a rest.
std::vector<int> Motif(Scatter& scatter) {
    std::vector<int> motif(16);
    int step = 0;
    for (int i = 0; i < 16; ++i) {
        if (i % 4 == 0) {
            const int tones[3] = {0, 2, 4};  // strong beats land on chord tones
            step = tones[static_cast<int>(scatter.Next() * 3) % 3];
        } else {
            step += static_cast<int>(scatter.Range(-2.0, 2.99));
        }
        motif[i] = (i % 8 == 7 && scatter.Next() < 0.5) ? -99 : step;
    }
    return motif;
}

}  // namespace

Stereo ComposeTrack(int number) {
    const TrackPlan plan = PlanOf(number);
    const double beat = 60.0 / plan.bpm, bar = 4 * beat;
    const int bars = static_cast<int>(kTrackSeconds / bar);
    Stereo out(bars * bar + 2.0);
    Scatter scatter(plan.seed);
    const std::vector<int> motifA = Motif(scatter), motifB = Motif(scatter);

    // Sections by bar: intro, groove, melody, breakdown, finale, and a held last chord.
    const int grooveFrom = 4, melodyFrom = bars / 3, breakFrom = bars * 2 / 3 - 2,
              finaleFrom = bars * 2 / 3 + 2, lastBar = bars - 1;
    std::uint32_t hitSeed = plan.seed * 7919u;
    for (int b = 0; b < bars; ++b) {
        const double t0 = b * bar;
        const int degree = plan.chords[b % 8];
        const bool drums = b >= grooveFrom && (b < breakFrom || b >= finaleFrom) && b < lastBar;
        const bool melody = b >= melodyFrom && b < lastBar;
        // Pad: the chord held for the bar (the last one rings out).
        for (int tone : {0, 2, 4}) {
            PlayNote(out, plan.pad, t0, b == lastBar ? bar * 1.5 : bar * 0.95,
                     NoteOf(plan, degree + tone, 2), b < 2 ? 0.5 + 0.25 * b : 1.0);
        }
        if (b == lastBar) break;
        // Arpeggio: sixteenths up and down the chord, two octaves up.
        const int arpTones[8] = {0, 2, 4, 7, 9, 7, 4, 2};
        for (int s = 0; s < 16; ++s) {
            PlayNote(out, plan.arp, t0 + s * beat / 4, beat / 4 * 0.8,
                     NoteOf(plan, degree + arpTones[s % 8], 3), s % 4 == 0 ? 1.0 : 0.7);
        }
        if (b >= grooveFrom && b < lastBar) {  // bass: eighths with an octave jump
            for (int e = 0; e < 8; ++e) {
                PlayNote(out, plan.bass, t0 + e * beat / 2, beat / 2 * 0.7,
                         NoteOf(plan, degree, e % 4 == 3 ? 1 : 0), e % 2 == 0 ? 1.0 : 0.8);
            }
        }
        if (drums) {
            for (int q = 0; q < 4; ++q) {
                if (q % 2 == 0 || (number == 3 && q == 3)) Kick(out, t0 + q * beat, 0.55);
                if (q % 2 == 1) Snare(out, t0 + q * beat, 0.32, hitSeed++);
                for (int e = 0; e < 2; ++e) {
                    HiHat(out, t0 + q * beat + e * beat / 2, e == 1 ? 0.12 : 0.08,
                          e == 1 && q == 3 ? 0.15 : 0.05, hitSeed++);
                }
            }
        } else if (b >= 2 && b < grooveFrom) {  // the intro's ticking hats
            for (int e = 0; e < 8; ++e) HiHat(out, t0 + e * beat / 2, 0.06, 0.04, hitSeed++);
        }
        if (melody) {
            const std::vector<int>& motif = (b / 4) % 2 == 0 ? motifA : motifB;
            const int octave = b >= finaleFrom ? 3 : 2;
            for (int e = 0; e < 8; ++e) {
                const int step = motif[(b % 2) * 8 + e];
                if (step == -99) continue;
                const bool held = e + 1 < 8 && motif[(b % 2) * 8 + e + 1] == -99;
                PlayNote(out, plan.lead, t0 + e * beat / 2, beat / 2 * (held ? 1.8 : 0.85),
                         NoteOf(plan, degree + step, octave), e % 2 == 0 ? 1.0 : 0.85);
            }
        }
    }
    return out;
}
