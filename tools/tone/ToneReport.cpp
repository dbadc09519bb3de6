#include "tools/tone/ToneReport.h"

#include "tools/tone/FrequencyProbe.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <numeric>
#include <set>

namespace quellar {

namespace {

// Harmonics predicted per oscillator at most: all of them whenever the oscillator's samples
// repeat within this many frames (every frequency such samples can hold is then named); beyond,
// the first this many, and what they miss shows as energy elsewhere.
constexpr std::int64_t kMaxHarmonics = 1000;
constexpr int kMaxSeconds = 2;
// An envelope (or frequencies that do not complete whole cycles) spreads each component over the
// analysis bins next to it; this many on each side are counted with it.
constexpr int kSpreadBins = 48;
constexpr std::size_t kSpreadComponents = 24; // the strongest ones; the rest is counted as elsewhere

// Where each measured frequency comes from. Where several sources land on one frequency, the
// lowest rank names it: harmonic n ranks n (in every one of these shapes the lower harmonics are
// the stronger ones). Oscillators are added without wrapping while their shares stay within
// full scale, which the render sees to, so a sum or difference of two names a frequency last.
constexpr double kMixtureRank = 1e18;

struct TOrigin {
    double rank;
    std::string text;
};

struct TSource {
    TOscillator osc;
    std::string name;              // empty when it is the only oscillator
    std::int64_t repeatFrames = 1; // its samples repeat every rate / gcd(f, rate) frames
};

// n x f folded into 0..rate/2, as sampling at `rate` hears it.
std::int64_t Fold(std::int64_t hz, std::int64_t rate) {
    const std::int64_t r = ((hz % rate) + rate) % rate;
    return 2 * r > rate ? rate - r : r;
}

// Whether the waveform's own shape (before sampling) has harmonic n: a sine only the first, a
// square and a triangle the odd ones, a sawtooth all.
bool ShapeHasHarmonic(TTGWave w, std::int64_t n) {
    switch (w) {
    case tgSine:
        return n == 1;
    case tgSquare:
    case tgTriangle:
        return n % 2 == 1;
    default:
        return true;
    }
}

std::string Named(const TSource& s, const std::string& text) {
    return s.name.empty() ? text : s.name + ": " + text;
}

void Offer(std::map<std::int64_t, TOrigin>& origins, std::int64_t hz, double rank, const std::string& text) {
    // The offset ranks after the fundamentals: under an envelope a low tone must keep its name.
    const TOrigin origin{hz == 0 ? 1.5 : rank, hz == 0 ? "offset (0 Hz, not a sound)" : text};
    const auto it = origins.find(hz);
    if (it == origins.end() || origin.rank < it->second.rank) {
        origins[hz] = origin;
    }
}

void OfferHarmonics(std::map<std::int64_t, TOrigin>& origins, const TSource& s, int rate) {
    const std::int64_t f = s.osc.frequency;
    const std::int64_t count = std::min(s.repeatFrames, kMaxHarmonics);
    for (std::int64_t n = 1; n <= count; ++n) {
        const std::int64_t hz = Fold(n * f, rate);
        const std::string ns = std::to_string(n);
        const auto rank = static_cast<double>(n);
        if (n == 1) {
            // A table entry in hertz may lie above half the rate; the rate then folds it too.
            Offer(origins, hz, rank,
                  Named(s, 2 * f <= rate ? "fundamental"
                                         : "alias of the fundamental about half the sample rate"));
        } else if (ShapeHasHarmonic(s.osc.waveform, n)) {
            Offer(origins, hz, rank,
                  Named(s, 2 * n * f < rate ? "harmonic " + ns
                                            : "alias of harmonic " + ns + " about half the sample rate"));
        } else if (s.osc.waveform == tgSine) {
            // The sine has no cycle pattern: only rounding to whole sample steps repeats with it.
            Offer(origins, hz, rank,
                  Named(s, "rounding of the samples to whole steps (" + ns + " x f folded)"));
        } else {
            Offer(origins, hz, rank, Named(s, "product of the cycle-length pattern (" + ns + " x f folded)"));
        }
    }
}

std::vector<TSource> SoundingSources(const std::vector<TOscillator>& oscillators, const TWaveFormat& format) {
    std::vector<TSource> sources;
    for (std::size_t i = 0; i < oscillators.size(); ++i) {
        if (OscillatorSounds(oscillators[i], format)) {
            const std::string name = i == 0 ? "main oscillator" : "table entry " + std::to_string(i);
            const std::int64_t repeat = format.Rate() / std::gcd(oscillators[i].frequency, format.Rate());
            sources.push_back(TSource{oscillators[i], name, repeat});
        }
    }
    if (sources.size() == 1) {
        sources[0].name.clear();
    }
    return sources;
}

// Every frequency the periodic oscillators can put into the samples, each with its origin.
std::map<std::int64_t, TOrigin> PredictFrequencies(const std::vector<TSource>& sources, int rate) {
    std::map<std::int64_t, TOrigin> origins;
    Offer(origins, 0, 1.5, {});
    for (const TSource& s : sources) {
        if (s.osc.waveform != tgNoise) {
            OfferHarmonics(origins, s, rate);
        }
    }
    for (std::size_t i = 0; i < sources.size(); ++i) {
        for (std::size_t j = i + 1; j < sources.size(); ++j) {
            if (sources[i].osc.waveform == tgNoise || sources[j].osc.waveform == tgNoise) {
                continue;
            }
            const std::int64_t a = sources[i].osc.frequency, b = sources[j].osc.frequency;
            const std::string pair = sources[i].name + " and " + sources[j].name;
            Offer(origins, Fold(a + b, rate), kMixtureRank, "sum of " + pair);
            Offer(origins, Fold(a - b, rate), kMixtureRank, "difference of " + pair);
        }
    }
    return origins;
}

// The left channel's samples as signed values.
std::vector<double> LeftSamples(const std::uint8_t* data, std::int64_t frames, const TWaveFormat& format) {
    std::vector<double> x(static_cast<std::size_t>(frames));
    const int bpf = format.BytesPerFrame();
    for (std::int64_t n = 0; n < frames; ++n) {
        const std::uint8_t* at = data + n * bpf;
        if (format.is16Bit) {
            std::int16_t v = 0;
            std::memcpy(&v, at, 2);
            x[static_cast<std::size_t>(n)] = v;
        } else {
            x[static_cast<std::size_t>(n)] = at[0] - 128.0;
        }
    }
    return x;
}

double Decibels(double energy, double reference) {
    return energy > 0 ? 10 * std::log10(energy / reference) : -1000.0;
}

// Adds to each strong component the energy of the analysis bins beside it (spaced rate /
// frames apart, so orthogonal to each other) that no other prediction claims.
void AddSpread(const TFrequencyProbe& probe, const std::vector<double>& hertz, std::vector<double>& energy,
               double threshold) {
    const double bin = static_cast<double>(probe.Rate()) / static_cast<double>(probe.Length());
    const auto key = [bin](double hz) { return std::llround(hz / bin * 16); };
    std::map<long long, std::size_t> claimed;
    for (std::size_t i = 0; i < hertz.size(); ++i) {
        claimed[key(hertz[i])] = i;
    }
    std::vector<std::size_t> order(hertz.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return energy[a] > energy[b]; });
    std::vector<double> sideHz;
    std::vector<std::size_t> owner;
    for (std::size_t rank = 0; rank < order.size() && rank < kSpreadComponents; ++rank) {
        const std::size_t i = order[rank];
        if (energy[i] < threshold) {
            break;
        }
        for (int k = -kSpreadBins; k <= kSpreadBins; ++k) {
            const double hz = hertz[i] + k * bin;
            if (k != 0 && hz > 0 && 2 * hz < probe.Rate() && claimed.emplace(key(hz), i).second) {
                sideHz.push_back(hz);
                owner.push_back(i);
            }
        }
    }
    const std::vector<double> side = probe.EnergiesAt(sideHz);
    for (std::size_t j = 0; j < side.size(); ++j) {
        energy[owner[j]] += side[j];
    }
}

void Classify(TToneReport& report, const std::vector<TToneComponent>& all, double elsewhere,
              double reference) {
    for (const TToneComponent& c : all) {
        if (c.levelDb >= kReportFloorDb) {
            report.components.push_back(c);
            if (c.hertz >= kHearingBottomHz && c.hertz < kAdultHearingTopHz &&
                (!report.audible || c.levelDb > report.audible->levelDb)) {
                report.audible = c;
            }
        }
    }
    std::sort(report.components.begin(), report.components.end(),
              [](const TToneComponent& a, const TToneComponent& b) { return a.levelDb > b.levelDb; });
    const double elsewhereDb = Decibels(elsewhere, reference);
    if (elsewhereDb >= kReportFloorDb) {
        report.elsewhereDb = elsewhereDb;
    }
}

// The frames to measure: at most the first seconds, cut to a multiple of every periodic
// oscillator's repeat so that each predicted frequency completes whole cycles over them.
void ChooseFrames(TToneReport& report, const std::vector<TSource>& sources, std::int64_t frames) {
    std::int64_t common = 1; // each repeat divides the rate, and so does their least common multiple
    for (const TSource& s : sources) {
        report.noise = report.noise || s.osc.waveform == tgNoise;
        report.shapedWaveform =
            report.shapedWaveform || (s.osc.waveform != tgSine && s.osc.waveform != tgNoise);
        common = s.osc.waveform == tgNoise ? common : std::lcm(common, s.repeatFrames);
    }
    frames = std::min<std::int64_t>(frames, std::int64_t{kMaxSeconds} * report.rate);
    report.framesAnalysed = frames / common * common;
    report.wholeCycles = report.framesAnalysed > 0;
    if (!report.wholeCycles) {
        report.framesAnalysed = frames;
    }
}

// A frequency measured and the origin that names it.
struct TMeasured {
    double measureHz;
    std::int64_t hertz;
    TOrigin origin;
};

// Under an envelope, or off whole cycles, each component spreads over the bins beside it and
// predictions closer than that cannot be told apart: the best-ranked one is measured at its
// nearest bin, with the bins beside it, and the others within reach are counted with it.
std::vector<TMeasured> MeasurePoints(const std::map<std::int64_t, TOrigin>& origins, double bin,
                                     bool onGrid) {
    std::vector<TMeasured> points;
    for (const auto& [hz, origin] : origins) {
        points.push_back(TMeasured{static_cast<double>(hz), hz, origin});
    }
    if (!onGrid) {
        return points;
    }
    std::stable_sort(points.begin(), points.end(),
                     [](const TMeasured& a, const TMeasured& b) { return a.origin.rank < b.origin.rank; });
    std::set<long long> taken;
    std::vector<TMeasured> kept;
    for (TMeasured m : points) {
        const long long b = std::llround(m.measureHz / bin);
        const auto near = taken.lower_bound(b - kSpreadBins);
        if (near != taken.end() && *near <= b + kSpreadBins) {
            continue;
        }
        taken.insert(b);
        m.measureHz = static_cast<double>(b) * bin;
        kept.push_back(m);
    }
    return kept;
}

} // namespace

TToneReport AnalyseTone(const std::uint8_t* data, std::int64_t dataLen, const TWaveFormat& format,
                        const std::vector<TOscillator>& oscillators, bool spread) {
    TToneReport report;
    report.rate = format.Rate();
    const std::vector<TSource> sources = SoundingSources(oscillators, format);
    ChooseFrames(report, sources, dataLen / format.BytesPerFrame());
    const TFrequencyProbe probe(LeftSamples(data, report.framesAnalysed, format), report.rate);
    const double bin = static_cast<double>(report.rate) /
                       static_cast<double>(std::max<std::int64_t>(1, report.framesAnalysed));
    spread = spread || !report.wholeCycles;
    const auto points = MeasurePoints(PredictFrequencies(sources, report.rate), bin, spread);
    std::vector<double> hertz;
    for (const TMeasured& m : points) {
        hertz.push_back(m.measureHz);
    }
    std::vector<double> energy = probe.EnergiesAt(hertz);
    if (spread) {
        const double strongest = *std::max_element(energy.begin(), energy.end());
        AddSpread(probe, hertz, energy, strongest * std::pow(10.0, kReportFloorDb / 10));
    }
    const double named = std::accumulate(energy.begin(), energy.end(), 0.0);
    const double elsewhere = std::max(0.0, probe.TotalEnergy() - named);
    const double reference =
        std::max(report.noise ? elsewhere : 0.0, *std::max_element(energy.begin(), energy.end()));
    if (reference <= 0) {
        report.silent = true;
        return report;
    }
    // With noise, every bin holds some of it: a component must stand 10 dB above that share.
    const double noisePerBin =
        report.noise ? elsewhere / (static_cast<double>(report.framesAnalysed) / 2) : 0.0;
    const double noiseFloor = 10 * noisePerBin * (spread ? 2 * kSpreadBins + 1 : 1);
    std::vector<TToneComponent> all;
    for (std::size_t k = 0; k < points.size(); ++k) {
        if (energy[k] > noiseFloor) {
            all.push_back(TToneComponent{static_cast<std::int32_t>(points[k].hertz),
                                         Decibels(energy[k], reference), points[k].origin.text});
        }
    }
    Classify(report, all, elsewhere, reference);
    return report;
}

void PrintToneReport(const TToneReport& r, std::ostream& out) {
    char line[512];
    std::snprintf(
        line, sizeof line, "analysed %lld frames (%.3f s at %d frames/s); %s\n",
        static_cast<long long>(r.framesAnalysed), static_cast<double>(r.framesAnalysed) / r.rate, r.rate,
        r.wholeCycles ? "every predicted frequency completes whole cycles over them"
                      : "not every predicted frequency completes whole cycles over them: levels approximate");
    out << line;
    if (r.silent) {
        out << "silent: no component at all\n";
        return;
    }
    std::snprintf(line, sizeof line, "components down to %.0f dB below the strongest:\n", -kReportFloorDb);
    out << line;
    for (const TToneComponent& c : r.components) {
        std::snprintf(line, sizeof line, "%8d Hz %7.1f dB  %s\n", c.hertz, c.levelDb, c.origin.c_str());
        out << line;
    }
    if (r.elsewhereDb) {
        std::snprintf(
            line, sizeof line, "%11s %7.1f dB  %s\n", r.noise ? "broadband" : "elsewhere", *r.elsewhereDb,
            r.noise ? "noise, spread over 0 Hz to half the sample rate"
                    : "at none of these frequencies (the envelope's spread around them, or unpredicted)");
        out << line;
    }
    if (r.shapedWaveform) {
        out << "a square, triangle or sawtooth has its extra components by its shape at this rate; "
               "only the sine stays one component\n";
    }
    if (r.noise && r.elsewhereDb) {
        std::snprintf(line, sizeof line, "below %d Hz, where adults hear: broadband noise at %.1f dB\n",
                      kAdultHearingTopHz, *r.elsewhereDb);
    } else if (r.audible) {
        std::snprintf(line, sizeof line, "below %d Hz, where adults hear: %d Hz at %.1f dB (%s)\n",
                      kAdultHearingTopHz, r.audible->hertz, r.audible->levelDb, r.audible->origin.c_str());
    } else {
        std::snprintf(line, sizeof line, "below %d Hz, where adults hear: none above %.0f dB\n",
                      kAdultHearingTopHz, kReportFloorDb);
    }
    out << line;
}

} // namespace quellar
