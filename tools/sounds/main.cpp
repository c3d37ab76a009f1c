// Synthesises the program's sounds into a program folder:
//   Url.wav      a bright two-note chime (notifications and alerts)
//   boop.wav     a soft, short boop (a window going away)
//   Trumpet.wav  a short brass fanfare (the card of the day at midnight)
#include "Wave.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

namespace {

using sounds::kSampleRate;
using sounds::Signal;

constexpr double kTwoPi = 2.0 * std::numbers::pi;

double frequency(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

Signal silence(double seconds) {
    return Signal(static_cast<std::size_t>(seconds * kSampleRate), 0.0);
}

// Adds a struck bell tone: inharmonic partials, each fading at its own rate.
void addBell(Signal& out, double start, double f, double gain) {
    struct Partial {
        double ratio, level, decay;
    };
    constexpr Partial kPartials[] = {
        {1.0, 1.0, 2.2}, {2.0, 0.45, 3.4}, {2.76, 0.30, 4.8}, {4.07, 0.16, 6.5}, {5.4, 0.08, 9.0}};
    const std::size_t first = static_cast<std::size_t>(start * kSampleRate);
    for (std::size_t i = first; i < out.size(); ++i) {
        const double t = static_cast<double>(i - first) / kSampleRate;
        const double attack = std::min(1.0, t / 0.004);
        double v = 0.0;
        for (const Partial& p : kPartials) {
            v += p.level * std::exp(-p.decay * t) * std::sin(kTwoPi * f * p.ratio * t);
        }
        out[i] += gain * attack * v;
    }
}

Signal chime() {
    Signal out = silence(1.4);
    addBell(out, 0.0, frequency(84), 0.8);  // C6
    addBell(out, 0.13, frequency(91), 0.6); // G6
    sounds::normalise(out, 0.7);
    return out;
}

Signal boop() {
    Signal out = silence(0.24);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double f = 520.0 * std::exp(-3.2 * t) + 180.0; // a gentle downward glide
        phase += kTwoPi * f / kSampleRate;
        const double envelope = std::min(1.0, t / 0.008) * std::exp(-14.0 * t);
        out[i] = envelope * (std::sin(phase) + 0.18 * std::sin(2.0 * phase));
    }
    sounds::normalise(out, 0.6);
    return out;
}

// Adds one brass note: a sawtooth-like spectrum whose brightness follows the swell of breath.
void addBrass(Signal& out, double start, double length, double f, double gain) {
    const std::size_t first = static_cast<std::size_t>(start * kSampleRate);
    const std::size_t count = static_cast<std::size_t>((length + 0.25) * kSampleRate);
    constexpr int kHarmonics = 14;
    for (std::size_t k = 0; k < count && first + k < out.size(); ++k) {
        const double t = static_cast<double>(k) / kSampleRate;
        const double attack = std::min(1.0, t / 0.03);
        const double release = t < length ? 1.0 : std::exp(-(t - length) * 22.0);
        const double swell = attack * release * (0.85 + 0.15 * std::sin(kTwoPi * 5.5 * t));
        const double vibrato = 1.0 + 0.004 * std::sin(kTwoPi * 5.0 * t) * std::min(1.0, t / 0.2);
        double v = 0.0;
        for (int h = 1; h <= kHarmonics; ++h) {
            const double brightness = std::exp(-(h - 1) * (1.6 - 1.1 * swell) / 2.2);
            v += brightness / h * std::sin(kTwoPi * f * h * vibrato * t);
        }
        out[first + k] += gain * swell * v;
    }
}

Signal fanfare() {
    struct Note {
        double start, length;
        int pitch;
    };
    // G4 C5 E5 G5 ... G5 held: a rising call that ends on the bright fifth.
    constexpr Note kNotes[] = {{0.00, 0.14, 67}, {0.16, 0.14, 72}, {0.32, 0.14, 76},
                               {0.48, 0.30, 79}, {0.82, 0.12, 76}, {0.96, 0.70, 79}};
    Signal out = silence(2.0);
    for (const Note& n : kNotes) {
        addBrass(out, n.start, n.length, frequency(n.pitch), 1.0);
        addBrass(out, n.start, n.length, frequency(n.pitch - 12) * 1.002, 0.35);
    }
    sounds::normalise(out, 0.75);
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: soundgen <program folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool ok = sounds::writeWave(folder + "/Url.wav", chime()) &&
                    sounds::writeWave(folder + "/boop.wav", boop()) &&
                    sounds::writeWave(folder + "/Trumpet.wav", fanfare());
    if (!ok) {
        std::fprintf(stderr, "cannot write the sounds into %s\n", argv[1]);
    }
    return ok ? 0 : 1;
}
