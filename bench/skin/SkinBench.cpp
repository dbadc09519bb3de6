// Speed of the skin loader. Decoder throughput in bytes of output per second, decoding from
// memory (the program's way) against the same stream decoded through read and write procedures
// called one byte at a time (a stream-driven decoder), on a large package (about 2 MB: the
// eleven skins' members, text and noise) and on each of our skins; and the whole load of a skin
// (decode, index, parse, bitmaps) against its decoding alone. Then the load of each hostile skin
// file (20 million names; one 4096 x 4096 bitmap in every picture key; twenty of them; a million
// sections, and a quarter million) against the load of skin0, and the million sections against
// the quarter million: about 4 to 8 when the index grows linearly, 16 for a search through every
// section for each new one. Ratios are printed at the end.
#include "skin/model/SkinMessage.h"
#include "skin/model/WinSkinData.h"
#include "skin/package/LZH.h"
#include "skin/package/LzhEncoder.h"
#include "skin/package/SkinReader.h"
#include "tests/skin/HostileSkins.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using quellar::TLZH;

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string SkinPath(int i) {
    return std::string(QUELLAR_SKIN_DIR) + "/skin" + std::to_string(i) + ".skn";
}

std::int32_t LengthField(const std::vector<std::uint8_t>& file) {
    return file[0] | file[1] << 8 | file[2] << 16 | file[3] << 24;
}

// About 2 MB: every skin's decompressed package, interleaved with INI-like text and noise.
std::vector<std::uint8_t> LargeFile() {
    std::vector<std::uint8_t> data;
    std::mt19937 rng(5);
    while (data.size() < 2'000'000) {
        for (int i = 0; i <= 10; ++i) {
            const auto file = ReadFile(SkinPath(i));
            TLZH lzh;
            const auto package = lzh.DecodeBuffer(std::span(file).subspan(4), LengthField(file));
            data.insert(data.end(), package.begin(), package.end());
            const std::string text = "[Section" + std::to_string(rng() % 100) + "]\r\nImage=picture" +
                                     std::to_string(rng() % 1000) + ".bmp\r\n";
            data.insert(data.end(), text.begin(), text.end());
            for (int k = 0; k < 2000; ++k) {
                data.push_back(static_cast<std::uint8_t>(rng()));
            }
        }
    }
    return quellar::LzhCompress(data);
}

void DecodeMemory(benchmark::State& state, const std::vector<std::uint8_t>& file) {
    std::size_t produced = 0;
    for (auto _ : state) {
        TLZH lzh;
        const auto out = lzh.DecodeBuffer(std::span(file).subspan(4), LengthField(file));
        produced = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * produced));
}

void DecodeByteCalls(benchmark::State& state, const std::vector<std::uint8_t>& file) {
    std::size_t produced = 0;
    for (auto _ : state) {
        std::vector<std::uint8_t> out;
        std::size_t pos = 4;
        TLZH lzh;
        lzh.Decode(
            LengthField(file),
            [&](const std::uint8_t* b, std::uint16_t n, std::uint16_t& actual) {
                out.insert(out.end(), b, b + n);
                actual = n;
            },
            [&](std::uint8_t* b, std::uint16_t, std::uint16_t& actual) {
                actual = pos < file.size() ? 1 : 0;
                if (actual != 0) {
                    *b = file[pos++];
                }
            });
        produced = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * produced));
}

void LoadSkin(benchmark::State& state, const std::vector<std::uint8_t>& file) {
    for (auto _ : state) {
        quellar::TSkinData skin(nullptr);
        skin.SetSkinStream(file);
        benchmark::DoNotOptimize(skin.LoadSkinStore());
    }
}

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) {
            if (r.run_type == Run::RT_Iteration && r.iterations > 0) {
                // Every case reports in milliseconds.
                seconds[r.benchmark_name()] = r.GetAdjustedRealTime() / 1e3;
            }
        }
    }
    std::map<std::string, double> seconds;
};

} // namespace

int main(int argc, char** argv) {
    quellar::SetSkinMessageProc([](const std::string&) {});
    static std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files;
    files.emplace_back("large", LargeFile());
    for (int i = 0; i <= 10; ++i) {
        files.emplace_back("skin" + std::to_string(i), ReadFile(SkinPath(i)));
    }
    for (const auto& [name, file] : files) {
        benchmark::RegisterBenchmark(("decode_memory/" + name).c_str(), DecodeMemory, file)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(("decode_byte_calls/" + name).c_str(), DecodeByteCalls, file)
            ->Unit(benchmark::kMillisecond);
        if (name != "large") {
            benchmark::RegisterBenchmark(("load_skin/" + name).c_str(), LoadSkin, file)
                ->Unit(benchmark::kMillisecond);
        }
    }
    static const std::vector<std::pair<std::string, std::vector<std::uint8_t>>> hostile = {
        {"names", quellar::LzhCompress(quellar::test::ManyNamesPackage(20'000'000))},
        {"bitmap", quellar::LzhCompress(quellar::test::OneHugeBitmapPackage(4096))},
        {"bitmaps", quellar::LzhCompress(quellar::test::ManyHugeBitmapsPackage(4096, 20))},
        {"sections", quellar::LzhCompress(quellar::test::ManySectionsPackage(1'000'000))},
        {"sections/4", quellar::LzhCompress(quellar::test::ManySectionsPackage(250'000))},
    };
    for (const auto& [name, file] : hostile) {
        benchmark::RegisterBenchmark(("load_hostile/" + name).c_str(), LoadSkin, file)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n%-8s %12s %12s %14s %12s %14s\n", "package", "output", "memory MB/s", "byte-call MB/s",
                "load ms", "load/decode");
    for (const auto& [name, file] : files) {
        const auto mem = reporter.seconds.find("decode_memory/" + name);
        const auto calls = reporter.seconds.find("decode_byte_calls/" + name);
        if (mem == reporter.seconds.end() || calls == reporter.seconds.end()) {
            continue;
        }
        const double mb = LengthField(file) / 1e6;
        const auto load = reporter.seconds.find("load_skin/" + name);
        std::printf("%-8s %12d %12.1f %14.1f", name.c_str(), LengthField(file), mb / mem->second,
                    mb / calls->second);
        if (load != reporter.seconds.end()) {
            std::printf(" %12.3f %13.2fx", load->second * 1e3, load->second / mem->second);
        }
        std::printf("   memory is %.2fx the byte-call speed\n", calls->second / mem->second);
    }
    const auto ours = reporter.seconds.find("load_skin/skin0");
    std::printf("\n%-10s %10s %10s %14s\n", "hostile", "file KB", "load ms", "x skin0 load");
    for (const auto& [name, file] : hostile) {
        const auto load = reporter.seconds.find("load_hostile/" + name);
        if (load == reporter.seconds.end() || ours == reporter.seconds.end()) {
            continue;
        }
        std::printf("%-10s %10zu %10.1f %13.1fx\n", name.c_str(), file.size() / 1024, load->second * 1e3,
                    load->second / ours->second);
    }
    const auto all = reporter.seconds.find("load_hostile/sections");
    const auto quarter = reporter.seconds.find("load_hostile/sections/4");
    if (all != reporter.seconds.end() && quarter != reporter.seconds.end()) {
        std::printf("4x the sections load in %.1fx the time\n", all->second / quarter->second);
    }
    benchmark::Shutdown();
    return 0;
}
