// Composes "ambiente.mid", the Oracle's background tune, into a program folder: 24 bars at
// 60 beats a minute (96 seconds) in D dorian, pad, harp, cello and celesta with a flute melody
// in the middle. The last chord (A major) leads back to the first (D minor), so the tune loops
// without a jolt.
#include "MidiFile.h"

#include <array>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using tune::kTicksPerQuarter;
using tune::MidiTrack;

constexpr int kBeat = kTicksPerQuarter;
constexpr int kBar = 4 * kBeat;
constexpr int kChordLength = 2 * kBar;
constexpr int kMicrosecondsPerBeat = 1000000; // 60 beats a minute

// General MIDI programs (numbered from 0) and the channels they play on.
constexpr int kWarmPad = 89, kHarp = 46, kCello = 42, kFlute = 73, kCelesta = 8;
enum Channel { Pad, Harp, Bass, Melody, Bells };

// Controllers: volume, pan, reverb and chorus sends.
constexpr int kVolume = 7, kPan = 10, kReverb = 91, kChorus = 93;

struct Chord {
    int bass;
    std::array<int, 4> pad;
};

// Two bars each: Dm9 Bbmaj7 Fmaj7 Cadd9 | Dm9 Gm9 Bbmaj7 A7sus4 | Dm9 Bbmaj7 Gm7 Asus4-A.
constexpr std::array<Chord, 12> kChords = {{
    {38, {53, 57, 60, 64}},
    {46, {50, 53, 57, 62}},
    {41, {53, 57, 60, 64}},
    {48, {52, 55, 60, 62}},
    {38, {53, 57, 60, 64}},
    {43, {53, 57, 58, 62}},
    {46, {50, 53, 57, 62}},
    {45, {52, 55, 57, 62}},
    {38, {53, 57, 60, 64}},
    {46, {50, 53, 57, 62}},
    {43, {50, 53, 58, 62}},
    {45, {52, 57, 62, 64}},
}};
constexpr std::array<int, 4> kLastBarPad = {52, 57, 61, 64}; // A major: the sus4 resolves

struct MelodyNote {
    double beat; // from the melody's start
    double length;
    int pitch;
};

// Enters at bar 9 and rests from bar 21, over Dm9 Gm9 Bbmaj7 A7sus4 Dm9 Bbmaj7.
constexpr int kMelodyStartBar = 8;
constexpr std::array<MelodyNote, 22> kMelody = {{
    {0, 3, 69},  {3, 1, 72},      {4, 4, 74},  {8, 2, 72},  {10, 2, 69}, {12, 4, 67},
    {16, 3, 70}, {19, 1, 69},     {20, 2, 67}, {22, 2, 65}, {24, 6, 69}, {30, 2, 67},
    {32, 2, 65}, {34, 2, 64},     {36, 4, 62}, {40, 3, 69}, {43, 1, 67}, {44, 2, 65},
    {46, 2, 67}, {48.5, 1.5, 74}, {50, 2, 72}, {52, 8, 69},
}};

// Accents of the harp's eighth notes over two bars, a gentle rise and fall.
constexpr std::array<int, 16> kHarpVelocity = {58, 44, 48, 42, 52, 42, 46, 40,
                                               56, 42, 47, 41, 50, 41, 45, 38};
constexpr std::array<int, 16> kHarpPattern = {0, 1, 2, 3, 4, 3, 2, 1, 0, 2, 3, 4, 5, 4, 3, 2};

void setUp(MidiTrack& track, const char* name, int channel, int program, int volume, int pan) {
    track.name(name);
    track.program(channel, program);
    track.controller(channel, kVolume, volume);
    track.controller(channel, kPan, pan);
    track.controller(channel, kReverb, 96);
    track.controller(channel, kChorus, 40);
}

MidiTrack conductor(int endTick) {
    MidiTrack track;
    track.name("Velarcana ambiente");
    track.tempo(kMicrosecondsPerBeat);
    track.timeSignature(4, 2);
    track.end(endTick);
    return track;
}

MidiTrack padTrack(int endTick) {
    MidiTrack track;
    setUp(track, "Pad", Pad, kWarmPad, 78, 64);
    for (std::size_t i = 0; i < kChords.size(); ++i) {
        const int start = static_cast<int>(i) * kChordLength;
        const bool last = i + 1 == kChords.size();
        for (int pitch : kChords[i].pad) {
            track.note(Pad, start, last ? kBar : kChordLength, pitch, 46);
        }
        if (last) {
            for (int pitch : kLastBarPad) {
                track.note(Pad, start + kBar, kBar, pitch, 44);
            }
        }
    }
    track.end(endTick);
    return track;
}

MidiTrack harpTrack(int endTick) {
    MidiTrack track;
    setUp(track, "Harp", Harp, kHarp, 84, 44);
    for (std::size_t i = 0; i < kChords.size(); ++i) {
        const Chord& chord = kChords[i];
        const bool last = i + 1 == kChords.size();
        for (int step = 0; step < 16; ++step) {
            const std::array<int, 4>& pad = (last && step >= 8) ? kLastBarPad : chord.pad;
            const int tones[6] = {chord.bass + 12, pad[0] + 12, pad[1] + 12,
                                  pad[2] + 12,     pad[3] + 12, pad[1] + 24};
            const int start = static_cast<int>(i) * kChordLength + step * kBeat / 2;
            track.note(Harp, start, kBeat, tones[kHarpPattern[step]], kHarpVelocity[step]);
        }
    }
    track.end(endTick);
    return track;
}

MidiTrack bassTrack(int endTick) {
    MidiTrack track;
    setUp(track, "Cello", Bass, kCello, 70, 72);
    for (std::size_t i = 0; i < kChords.size(); ++i) {
        const int start = static_cast<int>(i) * kChordLength;
        track.note(Bass, start, kChordLength - kBeat, kChords[i].bass, 50);
    }
    track.end(endTick);
    return track;
}

MidiTrack melodyTrack(int endTick) {
    MidiTrack track;
    setUp(track, "Flute", Melody, kFlute, 76, 80);
    const int origin = kMelodyStartBar * kBar;
    for (const MelodyNote& n : kMelody) {
        const int start = origin + static_cast<int>(n.beat * kBeat);
        const int length = static_cast<int>(n.length * kBeat) - kBeat / 8;
        track.note(Melody, start, length, n.pitch, 62);
    }
    track.end(endTick);
    return track;
}

MidiTrack bellsTrack(int endTick) {
    MidiTrack track;
    setUp(track, "Celesta", Bells, kCelesta, 60, 96);
    for (std::size_t i = 0; i < kChords.size(); ++i) {
        const int start = static_cast<int>(i) * kChordLength;
        const std::array<int, 4>& pad = kChords[i].pad;
        track.note(Bells, start + 2 * kBeat, kBeat, pad[3] + 24, 34);
        track.note(Bells, start + kBar + 3 * kBeat, kBeat, pad[2] + 24, 28);
    }
    track.end(endTick);
    return track;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tunegen <program folder>\n");
        return 2;
    }
    const int endTick = static_cast<int>(kChords.size()) * kChordLength;
    const std::vector<MidiTrack> tracks = {conductor(endTick),   padTrack(endTick),
                                           harpTrack(endTick),   bassTrack(endTick),
                                           melodyTrack(endTick), bellsTrack(endTick)};
    if (!tune::writeMidi(std::string(argv[1]) + "/ambiente.mid", tracks)) {
        std::fprintf(stderr, "cannot write ambiente.mid into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
