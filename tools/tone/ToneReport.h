#pragma once
// What a rendered tone sends to the sound card: its spectral components, measured from the
// samples at every frequency its oscillators can put there and named after where each comes
// from (a waveform's harmonics folded about half the rate, the rounding of cycles to whole
// frames, two oscillators' sum and difference), and the energy no named frequency explains.
#include "tonegen/WaveHeader.h"
#include "tonegen/WaveRender.h"

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace quellar {

inline constexpr double kReportFloorDb = -60.0; // relative to the strongest line
inline constexpr int kAdultHearingTopHz = 15000;
inline constexpr int kHearingBottomHz = 20;

struct TToneComponent {
    std::int32_t hertz = 0;
    double levelDb = 0; // relative to the strongest line of the report
    std::string origin;
};

struct TToneReport {
    int rate = 0;
    std::int64_t framesAnalysed = 0;
    // Every predicted frequency completes whole cycles over the frames analysed, so each is
    // measured exactly and none leaks into another.
    bool wholeCycles = false;
    bool silent = false;
    // Components at or above the floor, strongest first.
    std::vector<TToneComponent> components;
    // Energy at none of the named frequencies, when at or above the floor: broadband noise when
    // a noise oscillator sounds, otherwise the envelope's spread or something not predicted.
    std::optional<double> elsewhereDb;
    bool noise = false;
    bool shapedWaveform = false; // a square, triangle or sawtooth sounds
    // The strongest component adults hear (20 Hz to below 15,000 Hz) at or above the floor.
    std::optional<TToneComponent> audible;
};

// Analyses dataLen bytes of rendered samples (the left channel) in `format`, made by `oscillators`
// (the silent ones are skipped). Measures at most the first two seconds. With `spread` (the
// tone has an envelope, which widens every component) each component also counts the analysis
// bins beside it; frequencies that do not complete whole cycles are always counted so.
TToneReport AnalyseTone(const std::uint8_t* data, std::int64_t dataLen, const TWaveFormat& format,
                        const std::vector<TOscillator>& oscillators, bool spread);

void PrintToneReport(const TToneReport& report, std::ostream& out);

} // namespace quellar
