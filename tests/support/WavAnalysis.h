#pragma once
// Reading and measuring captured audio in tests: where a capture sounds, and at what frequency.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quellar::testing {

// A 16-bit PCM capture, mixed down to mono floating point in -1..1.
struct Capture {
    int rate = 0;
    std::vector<double> samples;
    double Seconds() const { return rate == 0 ? 0.0 : static_cast<double>(samples.size()) / rate; }
};

// Reads a RIFF/WAVE file of 16-bit (or 8-bit) PCM. Chunks other than "fmt " and "data" are
// skipped; a data chunk whose size field runs past the file (as a recorder stopped by a signal
// may leave it) is cut to the bytes present. Empty on any other error.
std::optional<Capture> ReadWav(const std::string& path);
std::optional<Capture> ParseWav(const std::vector<std::uint8_t>& bytes);

// A stretch of the capture in which the signal is present, in seconds from the capture's start.
struct Stretch {
    double start = 0;
    double end = 0;
    double Length() const { return end - start; }
};

// The stretches whose RMS over 5 ms windows stays above `threshold` (full scale 1.0). Gaps
// shorter than `bridge` seconds are bridged; stretches shorter than `minimum` are dropped.
std::vector<Stretch> SoundingStretches(const Capture& c, double threshold = 0.01, double bridge = 0.004,
                                       double minimum = 0.02);

// The dominant frequency between `from` and `to` seconds, searched in lowHz..highHz: a coarse
// scan finer than the span's main lobe, then a 0.25 Hz scan around the best coarse step.
double DominantFrequency(const Capture& c, double from, double to, double lowHz = 50, double highHz = 24000);

// The signal's power at one frequency over a span (Goertzel), for comparisons between spans.
double PowerAt(const Capture& c, double from, double to, double hz);

} // namespace quellar::testing
