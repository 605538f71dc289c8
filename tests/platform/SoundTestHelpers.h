// Helpers of the sound tests: test tones made by the build's generator, and
// the level of a tone in what the loopback device rendered.
#pragma once

#include "platform/SoundDevice.h"

#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace sndtest
{
const int kRate = 44100;

/// Writes a sine (optionally gated on/off) as an OGG file with the build's
/// generator; true on success.
inline bool makeTone(const std::string& path, int rate, int channels, double seconds,
                     double frequency, double amplitude, double on = 0.0, double off = 0.0)
{
    std::string command = std::string(TQ_BIN_DIR) + "/soundgen tone '" + path + "' " +
                          std::to_string(rate) + " " + std::to_string(channels) + " " +
                          std::to_string(seconds) + " " + std::to_string(frequency) + " " +
                          std::to_string(amplitude);
    if (on > 0.0)
        command += " " + std::to_string(on) + " " + std::to_string(off);
    return std::system(command.c_str()) == 0;
}

/// Renders the next seconds of a mono loopback device, as -1..1 values.
inline std::vector<double> render(double seconds)
{
    std::vector<int16_t> pcm(static_cast<size_t>(seconds * kRate + 0.5));
    SoundDevice::renderLoopback(pcm.data(), pcm.size());
    std::vector<double> out(pcm.size());
    for (size_t i = 0; i < pcm.size(); ++i)
        out[i] = pcm[i] / 32768.0;
    return out;
}

/// Amplitude of a sine of the frequency in the last `seconds` of the block
/// (a whole number of its cycles keeps other tones out of the measure).
inline double toneLevel(const std::vector<double>& block, double frequency, double seconds = 0.1)
{
    const size_t n = std::min(block.size(), static_cast<size_t>(seconds * kRate + 0.5));
    const size_t first = block.size() - n;
    std::complex<double> sum = 0.0;
    for (size_t i = 0; i < n; ++i)
        sum += block[first + i] * std::polar(1.0, -2.0 * M_PI * frequency * i / kRate);
    return n ? 2.0 * std::abs(sum) / static_cast<double>(n) : 0.0;
}

/// The largest absolute value in the last `seconds` of the block.
inline double peak(const std::vector<double>& block, double seconds)
{
    const size_t n = std::min(block.size(), static_cast<size_t>(seconds * kRate + 0.5));
    double top = 0.0;
    for (size_t i = block.size() - n; i < block.size(); ++i)
        top = std::max(top, std::fabs(block[i]));
    return top;
}
} // namespace sndtest
