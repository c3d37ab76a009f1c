#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tune {

constexpr int kTicksPerQuarter = 480;

// One track of a Standard MIDI File, built from events at absolute ticks.
class MidiTrack {
public:
    void name(const std::string& text);
    void tempo(int microsecondsPerQuarter);
    void timeSignature(int numerator, int denominatorPower);
    void program(int channel, int program);
    void controller(int channel, int number, int value);
    // A note from its start for a length, both in ticks.
    void note(int channel, int start, int length, int pitch, int velocity);
    // Ends the track at a tick (every note must have ended by then).
    void end(int tick);

    // The track chunk ("MTrk"): events in time order, note-offs before note-ons at one tick.
    std::vector<std::uint8_t> chunk() const;

private:
    struct Event {
        int tick;
        int order; // at one tick: meta and controls first, then note-offs, then note-ons
        int sequence;
        std::vector<std::uint8_t> bytes;
    };
    void add(int tick, int order, std::vector<std::uint8_t> bytes);

    std::vector<Event> m_events;
    int m_endTick = 0;
};

// Writes a format-1 file of the tracks; false when the file cannot be written.
bool writeMidi(const std::string& path, const std::vector<MidiTrack>& tracks);

} // namespace tune
