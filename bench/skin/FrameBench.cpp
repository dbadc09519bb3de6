// Speed of the frame painter's portable half, each case against a fill (std::fill of 32-bit
// pixels) measured in the same run. Composition: the four border pieces of the main window
// (client 449 x 347 plus the skin's border sizes) composed as the skinned frame composes them
// (ComposeBorders, active), for each of our skins, against filling the whole window. Region: the strips
// (magenta key, tolerance 1) of the four pieces of a composed 1280 x 1024 frame and of a
// 2560 x 2048 one, for each skin, and of a whole bitmap of either size with every other pixel
// magenta (the most runs a row can hold), each against filling the pixels it scans. The region
// must grow with the pixels scanned: the large/small ratios are printed at the end.
#include "skin/form/FrameComposer.h"
#include "skin/model/SkinMessage.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/Raster.h"
#include "skin/painter/RegionStrips.h"

#include "bench/tonegen/BenchBaseline.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

using quellar::TBitmap32;
using quellar::TDataSkinBorder;
using quellar::TSkinData;
using quellar::TSkinRect;

constexpr int kClientWidth = 449; // the main window's client area
constexpr int kClientHeight = 347;
constexpr int kRegionTolerance = 1;
constexpr int kSkinCount = 11;

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::unique_ptr<TSkinData> LoadSkin(int i) {
    auto skin = std::make_unique<TSkinData>(nullptr);
    skin->SetSkinStream(ReadFile(std::string(QUELLAR_SKIN_DIR) + "/skin" + std::to_string(i) + ".skn"));
    return skin->LoadSkinStore() ? std::move(skin) : nullptr;
}

int Frames(const TDataSkinBorder& border) {
    return std::max(border.FrameCount, 1);
}

// Frames of the side borders lie side by side, those of the top and bottom borders are stacked.
struct TBorderSizes {
    int left, top, right, bottom;
    explicit TBorderSizes(const TSkinData& skin)
        : left(skin.Model().FrameLeft->Image.Width() / Frames(*skin.Model().FrameLeft)),
          top(skin.Model().FrameTop->Image.Height() / Frames(*skin.Model().FrameTop)),
          right(skin.Model().FrameRight->Image.Width() / Frames(*skin.Model().FrameRight)),
          bottom(skin.Model().FrameBottom->Image.Height() / Frames(*skin.Model().FrameBottom)) {}
};

struct TPiece {
    const TDataSkinBorder* border;
    TSkinRect rect; // in the window
};

// The side pieces run the window's full height, top and bottom run between them.
std::array<TPiece, 4> FramePieces(const TSkinData& skin, int width, int height) {
    const TBorderSizes s(skin);
    return {{{skin.Model().FrameLeft.get(), {0, 0, s.left, height}},
             {skin.Model().FrameRight.get(), {width - s.right, 0, width, height}},
             {skin.Model().FrameTop.get(), {s.left, 0, width - s.right, s.top}},
             {skin.Model().FrameBottom.get(), {s.left, height - s.bottom, width - s.right, height}}}};
}

std::int64_t BorderPixels(const TSkinData& skin, int width, int height) {
    std::int64_t pixels = 0;
    for (const TPiece& p : FramePieces(skin, width, height)) {
        pixels += p.rect.Width() * p.rect.Height();
    }
    return pixels;
}

void Fill(benchmark::State& state, std::int64_t pixels) {
    std::vector<std::uint32_t> buffer(static_cast<std::size_t>(pixels), 1);
    for (auto _ : state) {
        std::fill(buffer.begin(), buffer.end(), 0u);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
}

void Compose(benchmark::State& state, const TSkinData* skin) {
    const TBorderSizes s(*skin);
    const int width = kClientWidth + s.left + s.right;
    const int height = kClientHeight + s.top + s.bottom;
    const quellar::TFrameSizes frame = quellar::FrameSizesOf(*skin, quellar::bkFixed);
    for (auto _ : state) {
        TBitmap32 window = quellar::ComposeBorders(*skin, width, height, frame, true);
        benchmark::DoNotOptimize(window.Row(0));
        benchmark::ClobberMemory();
    }
}

// Bitmaps whose region is built, each with its offset in the window.
struct TRegionCase {
    std::string name;
    std::vector<std::pair<TBitmap32, TSkinRect>> parts;
    std::int64_t pixels = 0;
    std::int64_t rects = 0;
};

std::int64_t CountRects(const TRegionCase& c) {
    std::int64_t rects = 0;
    for (const auto& [bitmap, at] : c.parts) {
        quellar::ForEachRegionChunk(bitmap, at.left, at.top, kRegionTolerance, quellar::KeyColour,
                                    [&](const quellar::TRegionChunk& chunk) { rects += chunk.rects.size(); });
    }
    return rects;
}

void BuildRegion(benchmark::State& state, const TRegionCase* c) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(CountRects(*c));
    }
}

TRegionCase Described(TRegionCase c) {
    for (const auto& part : c.parts) {
        c.pixels += std::int64_t{part.first.Width()} * part.first.Height();
    }
    c.rects = CountRects(c);
    return c;
}

// The window starts all key colour, so that what a transparent border leaves stays a hole.
TRegionCase FrameRegion(const std::string& skinName, const TSkinData& skin, int width, int height) {
    const auto pieces = FramePieces(skin, width, height);
    const TBitmap32 window =
        quellar::ComposeBorders(skin, width, height, quellar::FrameSizesOf(skin, quellar::bkFixed), true);
    TRegionCase c{"region/" + skinName + "/" + std::to_string(width) + "x" + std::to_string(height), {}};
    for (const TPiece& p : pieces) {
        const TSkinRect& r = p.rect;
        c.parts.emplace_back(window.Copy(r.left, r.top, r.right - r.left, r.bottom - r.top), r);
    }
    return Described(std::move(c));
}

TRegionCase Checkerboard(int width, int height) {
    TBitmap32 bitmap(width, height);
    for (int y = 0; y < height; ++y) {
        std::uint32_t* row = bitmap.Row(y);
        for (int x = 0; x < width; ++x) {
            row[x] = (x + y) % 2 == 0 ? quellar::KeyColour : 0x336699u;
        }
    }
    TRegionCase c{"checkerboard/" + std::to_string(width) + "x" + std::to_string(height), {}};
    c.parts.emplace_back(std::move(bitmap), TSkinRect{0, 0, width, height});
    return Described(std::move(c));
}

} // namespace

namespace {

using quellar::bench::MedianReporter;

struct TRatio {
    double wall = 0, cpu = 0;
    bool known = false;
};

TRatio Ratio(const MedianReporter& reporter, const std::string& a, const std::string& b) {
    const auto x = reporter.times.find(a);
    const auto y = reporter.times.find(b);
    if (x == reporter.times.end() || y == reporter.times.end() || y->second.first <= 0 ||
        y->second.second <= 0) {
        return {};
    }
    return {x->second.first / y->second.first, x->second.second / y->second.second, true};
}

double Micros(const MedianReporter& reporter, const std::string& name) {
    const auto t = reporter.times.find(name);
    return t == reporter.times.end() ? 0 : t->second.first;
}

using TSkins = std::vector<std::pair<std::string, std::unique_ptr<TSkinData>>>;

void ReportComposition(const MedianReporter& reporter, const TSkins& skins) {
    std::printf("\nmain window's frame composed (client %d x %d), time / fill of the window's pixels:\n",
                kClientWidth, kClientHeight);
    std::printf("  %-7s %4s %4s %4s %4s %10s %10s %12s %9s %9s\n", "skin", "L", "T", "R", "B", "window",
                "border px", "compose us", "x wall", "x cpu");
    for (const auto& [name, skin] : skins) {
        const TRatio r = Ratio(reporter, "compose/" + name, "fill/compose/" + name);
        if (!r.known) {
            continue;
        }
        const TBorderSizes s(*skin);
        const int width = kClientWidth + s.left + s.right;
        const int height = kClientHeight + s.top + s.bottom;
        const std::string window = std::to_string(width) + "x" + std::to_string(height);
        std::printf("  %-7s %4d %4d %4d %4d %10s %10lld %12.1f %8.2fx %8.2fx\n", name.c_str(), s.left, s.top,
                    s.right, s.bottom, window.c_str(),
                    static_cast<long long>(BorderPixels(*skin, width, height)),
                    Micros(reporter, "compose/" + name), r.wall, r.cpu);
    }
}

void ReportRegions(const MedianReporter& reporter, const std::vector<TRegionCase>& cases) {
    std::printf("\nregion strips, time / fill of the scanned pixels:\n");
    std::printf("  %-30s %9s %9s %12s %9s %9s\n", "case", "pixels", "rects", "us", "x wall", "x cpu");
    for (const TRegionCase& c : cases) {
        const TRatio r = Ratio(reporter, c.name, "fill/" + c.name);
        if (r.known) {
            std::printf("  %-30s %9lld %9lld %12.1f %8.2fx %8.2fx\n", c.name.c_str(),
                        static_cast<long long>(c.pixels), static_cast<long long>(c.rects),
                        Micros(reporter, c.name), r.wall, r.cpu);
        }
    }
    // Cases come in pairs, the small size first.
    std::printf("\nregion strips, large / small (linear: the pixel ratio):\n");
    for (std::size_t i = 0; i + 1 < cases.size(); i += 2) {
        const TRegionCase& small = cases[i];
        const TRegionCase& large = cases[i + 1];
        const TRatio r = Ratio(reporter, large.name, small.name);
        if (r.known) {
            std::printf("  %-30s %6.2fx wall %6.2fx cpu   (pixels %.2fx, rects %.2fx)\n", large.name.c_str(),
                        r.wall, r.cpu, static_cast<double>(large.pixels) / static_cast<double>(small.pixels),
                        static_cast<double>(large.rects) / static_cast<double>(small.rects));
        }
    }
}

void RegisterPair(const std::string& name, auto fn, auto arg, std::int64_t pixels) {
    benchmark::RegisterBenchmark(name.c_str(), fn, arg)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("fill/" + name).c_str(), Fill, pixels)->Unit(benchmark::kMicrosecond);
}

} // namespace

int main(int argc, char** argv) {
    quellar::SetSkinMessageProc([](const std::string&) {});
    static TSkins skins;
    static std::vector<TRegionCase> regions;
    for (int i = 0; i < kSkinCount; ++i) {
        const std::string name = "skin" + std::to_string(i);
        if (auto skin = LoadSkin(i)) {
            skins.emplace_back(name, std::move(skin));
        } else {
            std::fprintf(stderr, "%s did not load; left out\n", name.c_str());
        }
    }
    for (const auto& [name, skin] : skins) {
        const TBorderSizes s(*skin);
        const std::int64_t pixels =
            std::int64_t{kClientWidth + s.left + s.right} * (kClientHeight + s.top + s.bottom);
        RegisterPair("compose/" + name, Compose, skin.get(), pixels);
        regions.push_back(FrameRegion(name, *skin, 1280, 1024));
        regions.push_back(FrameRegion(name, *skin, 2560, 2048));
    }
    regions.push_back(Checkerboard(1280, 1024));
    regions.push_back(Checkerboard(2560, 2048));
    for (const TRegionCase& c : regions) {
        RegisterPair(c.name, BuildRegion, &c, c.pixels);
    }
    benchmark::Initialize(&argc, argv);
    MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    ReportComposition(reporter, skins);
    ReportRegions(reporter, regions);
    benchmark::Shutdown();
    return 0;
}
