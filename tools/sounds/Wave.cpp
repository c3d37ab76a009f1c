#include "Wave.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace sounds {

namespace {

void put16(std::ofstream& out, std::uint16_t v) {
    const char bytes[2] = {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, std::uint32_t v) {
    put16(out, static_cast<std::uint16_t>(v & 0xffff));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

} // namespace

bool writeWave(const std::string& path, const Signal& signal) {
    constexpr std::uint16_t kBits = 16;
    constexpr std::uint16_t kChannels = 1;
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(signal.size() * 2);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write("RIFF", 4);
    put32(out, 36 + dataBytes);
    out.write("WAVEfmt ", 8);
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, kChannels);
    put32(out, kSampleRate);
    put32(out, kSampleRate * kChannels * kBits / 8);
    put16(out, kChannels * kBits / 8);
    put16(out, kBits);
    out.write("data", 4);
    put32(out, dataBytes);
    for (double s : signal) {
        const double clipped = std::clamp(s, -1.0, 1.0);
        put16(out, static_cast<std::uint16_t>(
                       static_cast<std::int16_t>(std::lround(clipped * 32767.0))));
    }
    return static_cast<bool>(out);
}

void normalise(Signal& signal, double peak) {
    double loudest = 0.0;
    for (double s : signal) {
        loudest = std::max(loudest, std::abs(s));
    }
    if (loudest > 0.0) {
        for (double& s : signal) {
            s *= peak / loudest;
        }
    }
}

} // namespace sounds
