// One sound-device tick of the running program, measured natively: what the main window's
// Timer3 handler does to the tone generator (loop on, quality tgHiQ for "44,100", sine, both
// volumes, a 1000 ms duration, the next frequency of an Auto sweep) and then PlayADSR, which
// renders the image with its envelope and starts it looping. The sound service only counts what
// it is given, so the figure is the program's own work per tick.
//
// Reported as the share of the tick's 1000 ms interval the tick takes (wall clock and processor
// time), and against a baseline measured in the same run: a memset of the image's byte count.
#include "tonegen/NullSoundService.h"
#include "tonegen/ToneGen.h"
#include "tonegen/WaveHeader.h"

#include "bench/tonegen/BenchBaseline.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

using quellar::ISoundService;
using quellar::TToneGen;

constexpr std::int16_t kIntervalMs = 1000;
constexpr std::int16_t kDurationMs = 1000;

// Counts the plays that start a loop, as the program's ticks do.
class TCountingSoundService : public quellar::TNullSoundService {
public:
    void PlayImage(const std::uint8_t* image, std::uint32_t flags) override {
        plays += 1;
        loops += (flags & ISoundService::kLoop) != 0 && image != nullptr ? 1 : 0;
    }
    long long plays = 0;
    long long loops = 0;
};

TCountingSoundService gSound;

std::int64_t ImageBytes() {
    const auto format = quellar::MakeWaveFormat(quellar::tg16Bit, quellar::tgHiQ, true);
    return quellar::kWaveHeaderSize + quellar::WaveDataLength(format, kDurationMs) +
           quellar::kWavePaddingSize;
}

// The tick: the same calls in the same order as the Timer3 handler, the slider stepping by
// 1000 Hz and wrapping from the top of 15,000..20,000 to the bottom as Auto does.
void Tick(benchmark::State& state) {
    TToneGen tone(nullptr, &gSound);
    tone.SetStereo(true); // as the main window's layout stores it
    std::int16_t slider = 15000;
    for (auto _ : state) {
        tone.Loop = true;
        tone.SetQuality(quellar::tgHiQ);
        tone.SetWaveform(quellar::tgSine);
        tone.SetLeftVolume(100);
        tone.SetRightVolume(100);
        tone.SetDuration(kDurationMs);
        tone.SetFrequency(slider);
        slider = static_cast<std::int16_t>(slider + 1000 >= 20000 ? 15000 : slider + 1000);
        tone.PlayADSR();
        benchmark::DoNotOptimize(tone.GetDataBuffer());
    }
    state.SetBytesProcessed(state.iterations() * ImageBytes());
}

} // namespace

int main(int argc, char** argv) {
    benchmark::RegisterBenchmark("tick/1000ms_hiq_stereo", Tick)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("memset/1000ms_hiq_stereo", quellar::bench::Memset, ImageBytes())
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    quellar::bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto tick = reporter.times.find("tick/1000ms_hiq_stereo");
    const auto base = reporter.times.find("memset/1000ms_hiq_stereo");
    if (tick != reporter.times.end() && base != reporter.times.end() && base->second.first > 0 &&
        base->second.second > 0) {
        const auto [wall, cpu] = tick->second;
        std::printf(
            "\none sound-device tick (%d ms tone, 96,000 frames/s, 16-bit stereo, envelope; %lld bytes):\n",
            kDurationMs, static_cast<long long>(ImageBytes()));
        std::printf("  share of its %d ms interval: %.2f%% wall clock, %.2f%% processor\n", kIntervalMs,
                    100.0 * wall / kIntervalMs, 100.0 * cpu / kIntervalMs);
        std::printf("  against a memset of the same bytes: %.2fx wall clock, %.2fx processor\n",
                    wall / base->second.first, cpu / base->second.second);
        std::printf("  plays started: %lld, of them looping: %lld\n", gSound.plays, gSound.loops);
    }
    benchmark::Shutdown();
    return 0;
}
