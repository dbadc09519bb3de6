// quellar-tone --report against rendering the same tone, measured in the same run: a 1000 ms
// tone at 96,000 frames/s, 16-bit mono, without envelope. Two tones: an 18,000 Hz square, whose
// samples repeat every 16 frames (8 frequencies to measure), and an 18,001 Hz sawtooth, whose
// samples repeat only after a second (1,000 harmonics measured, the most the report predicts).
#include "tonegen/NullSoundService.h"
#include "tonegen/ToneGen.h"
#include "tools/tone/ToneReport.h"

#include "bench/tonegen/BenchBaseline.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using quellar::TToneGen;

struct Case {
    std::string name;
    std::int16_t frequency;
    quellar::TTGWave wave;
};

const Case kCases[] = {
    {"square_18000Hz", 18000, quellar::tgSquare},
    {"sawtooth_18001Hz", 18001, quellar::tgSawtooth},
};

void Prepare(TToneGen& tone, const Case& c) {
    tone.SetDuration(1000);
    tone.SetFrequency(c.frequency);
    tone.SetWaveform(c.wave);
}

void Render(benchmark::State& state, const Case& c) {
    quellar::TNullSoundService sound;
    TToneGen tone(nullptr, &sound);
    Prepare(tone, c);
    for (auto _ : state) {
        benchmark::DoNotOptimize(tone.RenderWave(false));
        benchmark::DoNotOptimize(tone.GetDataBuffer());
    }
}

// The report's own work on a rendered tone: predicting, measuring and naming the components.
void Report(benchmark::State& state, const Case& c) {
    quellar::TNullSoundService sound;
    TToneGen tone(nullptr, &sound);
    Prepare(tone, c);
    tone.RenderWave(false);
    const auto list = tone.Oscillators();
    const std::vector<quellar::TOscillator> oscillators(list.begin(), list.end());
    const auto format = quellar::MakeWaveFormat(tone.Resolution(), tone.Quality(), tone.Stereo());
    std::size_t components = 0;
    for (auto _ : state) {
        const auto report =
            quellar::AnalyseTone(tone.GetDataBuffer() + quellar::kWaveHeaderSize,
                                 tone.DataSize() - quellar::kWaveHeaderSize - quellar::kWavePaddingSize,
                                 format, oscillators, false);
        components = report.components.size();
        benchmark::DoNotOptimize(components);
    }
    state.counters["components"] = static_cast<double>(components);
}

} // namespace

int main(int argc, char** argv) {
    for (const Case& c : kCases) {
        benchmark::RegisterBenchmark(("render/" + c.name).c_str(), Render, c)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("report/" + c.name).c_str(), Report, c)->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    quellar::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nreport time / render time of the same 1000 ms tone (wall clock, processor):\n");
    for (const Case& c : kCases) {
        const auto rep = reporter.times.find("report/" + c.name);
        const auto ren = reporter.times.find("render/" + c.name);
        if (rep != reporter.times.end() && ren != reporter.times.end() && ren->second.first > 0 &&
            ren->second.second > 0) {
            std::printf("  %-18s %8.1fx %8.1fx\n", c.name.c_str(), rep->second.first / ren->second.first,
                        rep->second.second / ren->second.second);
        }
    }
    benchmark::Shutdown();
    return 0;
}
