#include "tests/support/WavAnalysis.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>

namespace quellar::testing {

namespace {

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint32_t>(b[at]) | static_cast<std::uint32_t>(b[at + 1]) << 8 |
           static_cast<std::uint32_t>(b[at + 2]) << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t Le16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

struct Span {
    std::size_t first = 0;
    std::size_t last = 0;
};

Span SpanOf(const Capture& c, double from, double to) {
    const auto n = c.samples.size();
    const auto clampIndex = [&](double seconds) {
        const double i = std::floor(seconds * c.rate);
        return static_cast<std::size_t>(std::clamp(i, 0.0, static_cast<double>(n)));
    };
    return {clampIndex(from), clampIndex(to)};
}

} // namespace

std::optional<Capture> ParseWav(const std::vector<std::uint8_t>& b) {
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE") {
        return std::nullopt;
    }
    int channels = 0, bits = 0, rate = 0;
    std::size_t at = 12;
    while (at + 8 <= b.size()) {
        const std::string id(b.begin() + static_cast<std::ptrdiff_t>(at),
                             b.begin() + static_cast<std::ptrdiff_t>(at) + 4);
        std::size_t size = Le32(b, at + 4);
        const std::size_t body = at + 8;
        if (id == "fmt " && body + 16 <= b.size()) {
            channels = Le16(b, body + 2);
            rate = static_cast<int>(Le32(b, body + 4));
            bits = Le16(b, body + 14);
        } else if (id == "data") {
            if (channels <= 0 || rate <= 0 || (bits != 16 && bits != 8)) {
                return std::nullopt;
            }
            size = std::min(size, b.size() - body);
            const std::size_t bytesPerFrame = static_cast<std::size_t>(channels) * (bits / 8);
            Capture c;
            c.rate = rate;
            c.samples.reserve(size / bytesPerFrame);
            for (std::size_t f = body; f + bytesPerFrame <= body + size; f += bytesPerFrame) {
                double sum = 0;
                for (int ch = 0; ch < channels; ++ch) {
                    if (bits == 16) {
                        sum += static_cast<std::int16_t>(Le16(b, f + 2 * static_cast<std::size_t>(ch))) /
                               32768.0;
                    } else {
                        sum += (b[f + static_cast<std::size_t>(ch)] - 128) / 128.0;
                    }
                }
                c.samples.push_back(sum / channels);
            }
            return c;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

std::optional<Capture> ReadWav(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return ParseWav(bytes);
}

std::vector<Stretch> SoundingStretches(const Capture& c, double threshold, double bridge, double minimum) {
    std::vector<Stretch> out;
    if (c.rate <= 0) {
        return out;
    }
    const std::size_t window = std::max<std::size_t>(1, static_cast<std::size_t>(c.rate) / 200);
    bool inside = false;
    Stretch current;
    for (std::size_t i = 0; i + window <= c.samples.size(); i += window) {
        double energy = 0;
        for (std::size_t k = i; k < i + window; ++k) {
            energy += c.samples[k] * c.samples[k];
        }
        const bool loud = std::sqrt(energy / static_cast<double>(window)) > threshold;
        const double t = static_cast<double>(i) / c.rate;
        if (loud && !inside) {
            if (!out.empty() && t - out.back().end <= bridge) {
                current = out.back();
                out.pop_back();
            } else {
                current.start = t;
            }
            inside = true;
        } else if (!loud && inside) {
            current.end = t;
            out.push_back(current);
            inside = false;
        }
    }
    if (inside) {
        current.end = c.Seconds();
        out.push_back(current);
    }
    std::erase_if(out, [&](const Stretch& s) { return s.Length() < minimum; });
    return out;
}

double PowerAt(const Capture& c, double from, double to, double hz) {
    const Span span = SpanOf(c, from, to);
    if (span.last <= span.first) {
        return 0;
    }
    const double w = 2 * std::numbers::pi * hz / c.rate;
    const double coeff = 2 * std::cos(w);
    double s1 = 0, s2 = 0;
    for (std::size_t i = span.first; i < span.last; ++i) {
        const double s0 = c.samples[i] + coeff * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double n = static_cast<double>(span.last - span.first);
    return (s1 * s1 + s2 * s2 - coeff * s1 * s2) / (n * n);
}

double DominantFrequency(const Capture& c, double from, double to, double lowHz, double highHz) {
    highHz = std::min(highHz, c.rate / 2.0);
    // The coarse step stays below the width of the span's main lobe so a pure tone cannot fall
    // between two steps.
    const double coarse = std::clamp(0.8 / std::max(to - from, 1e-3), 0.5, 10.0);
    double best = lowHz, bestPower = -1;
    for (double f = lowHz; f <= highHz; f += coarse) {
        const double p = PowerAt(c, from, to, f);
        if (p > bestPower) {
            bestPower = p;
            best = f;
        }
    }
    const double centre = best;
    for (double f = centre - coarse; f <= centre + coarse; f += 0.25) {
        const double p = PowerAt(c, from, to, f);
        if (p > bestPower) {
            bestPower = p;
            best = f;
        }
    }
    return best;
}

} // namespace quellar::testing
