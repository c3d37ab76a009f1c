#pragma once

#include <string>
#include <vector>

namespace sounds {

constexpr int kSampleRate = 44100;

// A mono signal of samples between -1 and 1.
using Signal = std::vector<double>;

// Writes a 16-bit PCM mono RIFF WAVE file; false when the file cannot be written.
bool writeWave(const std::string& path, const Signal& signal);

// Scales the signal so that its loudest sample reaches the peak.
void normalise(Signal& signal, double peak);

} // namespace sounds
