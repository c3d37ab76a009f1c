#include "MidiFile.h"

#include <algorithm>
#include <fstream>

namespace tune {

namespace {

void putVariable(std::vector<std::uint8_t>& out, std::uint32_t value) {
    std::uint8_t groups[5];
    int count = 0;
    do {
        groups[count++] = value & 0x7f;
        value >>= 7;
    } while (value != 0);
    while (count > 0) {
        --count;
        out.push_back(static_cast<std::uint8_t>(groups[count] | (count > 0 ? 0x80 : 0)));
    }
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>((v >> shift) & 0xff));
    }
}

std::uint8_t byte(int v) {
    return static_cast<std::uint8_t>(v & 0xff);
}

} // namespace

void MidiTrack::add(int tick, int order, std::vector<std::uint8_t> bytes) {
    m_events.push_back({tick, order, static_cast<int>(m_events.size()), std::move(bytes)});
}

void MidiTrack::name(const std::string& text) {
    std::vector<std::uint8_t> bytes{0xff, 0x03};
    putVariable(bytes, static_cast<std::uint32_t>(text.size()));
    bytes.insert(bytes.end(), text.begin(), text.end());
    add(0, 0, bytes);
}

void MidiTrack::tempo(int microsecondsPerQuarter) {
    add(0, 0,
        {0xff, 0x51, 0x03, byte(microsecondsPerQuarter >> 16), byte(microsecondsPerQuarter >> 8),
         byte(microsecondsPerQuarter)});
}

void MidiTrack::timeSignature(int numerator, int denominatorPower) {
    add(0, 0, {0xff, 0x58, 0x04, byte(numerator), byte(denominatorPower), 24, 8});
}

void MidiTrack::program(int channel, int programNumber) {
    add(0, 0, {byte(0xc0 | channel), byte(programNumber)});
}

void MidiTrack::controller(int channel, int number, int value) {
    add(0, 0, {byte(0xb0 | channel), byte(number), byte(value)});
}

void MidiTrack::note(int channel, int start, int length, int pitch, int velocity) {
    add(start, 2, {byte(0x90 | channel), byte(pitch), byte(velocity)});
    add(start + length, 1, {byte(0x80 | channel), byte(pitch), 0});
}

void MidiTrack::end(int tick) {
    m_endTick = tick;
}

std::vector<std::uint8_t> MidiTrack::chunk() const {
    std::vector<Event> events = m_events;
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        if (a.tick != b.tick) {
            return a.tick < b.tick;
        }
        if (a.order != b.order) {
            return a.order < b.order;
        }
        return a.sequence < b.sequence;
    });
    std::vector<std::uint8_t> data;
    int now = 0;
    for (const Event& e : events) {
        putVariable(data, static_cast<std::uint32_t>(e.tick - now));
        data.insert(data.end(), e.bytes.begin(), e.bytes.end());
        now = e.tick;
    }
    putVariable(data, static_cast<std::uint32_t>(std::max(0, m_endTick - now)));
    data.insert(data.end(), {0xff, 0x2f, 0x00});
    std::vector<std::uint8_t> out{'M', 'T', 'r', 'k'};
    put32(out, static_cast<std::uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

bool writeMidi(const std::string& path, const std::vector<MidiTrack>& tracks) {
    std::vector<std::uint8_t> file{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1};
    file.push_back(byte(static_cast<int>(tracks.size()) >> 8));
    file.push_back(byte(static_cast<int>(tracks.size())));
    file.push_back(byte(kTicksPerQuarter >> 8));
    file.push_back(byte(kTicksPerQuarter));
    for (const MidiTrack& track : tracks) {
        const std::vector<std::uint8_t> chunk = track.chunk();
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()),
              static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out);
}

} // namespace tune
