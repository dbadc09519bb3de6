#pragma once
// What the tone benchmarks share: the memset baseline of a byte count and a reporter that keeps
// each benchmark's time per iteration (the median when repetitions are asked for).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace quellar::bench {

// Setting `bytes` bytes of a buffer that already exists.
inline void Memset(benchmark::State& state, std::int64_t bytes) {
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(bytes), 1);
    for (auto _ : state) {
        std::memset(buffer.data(), 0, buffer.size());
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * bytes);
}

class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            const std::string& name = r.run_name.function_name;
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median") {
                times[name] = {r.GetAdjustedRealTime(), r.GetAdjustedCPUTime()};
                medians.insert(name);
            } else if (r.run_type == Run::RT_Iteration && r.iterations > 0 && medians.count(name) == 0) {
                times[name] = {r.GetAdjustedRealTime(), r.GetAdjustedCPUTime()};
            }
        }
    }
    // Wall-clock and processor time per iteration in the benchmark's unit; on a busy machine the
    // processor time is the steadier one.
    std::map<std::string, std::pair<double, double>> times;
    std::set<std::string> medians;
};

} // namespace quellar::bench
