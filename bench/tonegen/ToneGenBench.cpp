// Rendering speed of TToneGen against a memset of the same byte count, measured in the same run.
// Cases: the largest image (32767 ms, 96,000 per second, 16-bit stereo: 12,582,604 bytes) as a
// sine, as noise and as a sine with the envelope, and a typical tick tone (1000 ms, same format).
// Each render case is followed by its baseline; the ratios are printed at the end.
#include "tonegen/NullSoundService.h"
#include "tonegen/ToneGen.h"
#include "tonegen/WaveHeader.h"

#include "bench/tonegen/BenchBaseline.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using quellar::TToneGen;

struct Case {
    std::string name;
    std::int16_t duration;
    quellar::TTGWave wave;
    bool envelope;
};

const Case kCases[] = {
    {"largest_sine", 32767, quellar::tgSine, false},
    {"largest_noise", 32767, quellar::tgNoise, false},
    {"largest_sine_envelope", 32767, quellar::tgSine, true},
    {"tick_1000ms_sine_envelope", 1000, quellar::tgSine, true},
};

std::int64_t ImageBytes(std::int16_t duration) {
    const auto format = quellar::MakeWaveFormat(quellar::tg16Bit, quellar::tgHiQ, true);
    return quellar::kWaveHeaderSize + quellar::WaveDataLength(format, duration) + quellar::kWavePaddingSize;
}

void Render(benchmark::State& state, const Case& c) {
    quellar::TNullSoundService sound;
    TToneGen tone(nullptr, &sound);
    tone.SetDuration(c.duration);
    tone.SetQuality(quellar::tgHiQ);
    tone.SetResolution(quellar::tg16Bit);
    tone.SetStereo(true);
    tone.SetWaveform(c.wave);
    for (auto _ : state) {
        benchmark::DoNotOptimize(tone.RenderWave(c.envelope));
        benchmark::DoNotOptimize(tone.GetDataBuffer());
    }
    state.SetBytesProcessed(state.iterations() * ImageBytes(c.duration));
}

} // namespace

int main(int argc, char** argv) {
    for (const Case& c : kCases) {
        benchmark::RegisterBenchmark(("render/" + c.name).c_str(), Render, c)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("memset/" + c.name).c_str(), quellar::bench::Memset,
                                     ImageBytes(c.duration))
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    quellar::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nrender time / memset time of the same byte count (wall clock, processor):\n");
    for (const Case& c : kCases) {
        const auto r = reporter.times.find("render/" + c.name);
        const auto m = reporter.times.find("memset/" + c.name);
        if (r != reporter.times.end() && m != reporter.times.end() && m->second.first > 0 &&
            m->second.second > 0) {
            std::printf("  %-28s %6.2fx %6.2fx  (%lld bytes)\n", c.name.c_str(),
                        r->second.first / m->second.first, r->second.second / m->second.second,
                        static_cast<long long>(ImageBytes(c.duration)));
        }
    }
    benchmark::Shutdown();
    return 0;
}
