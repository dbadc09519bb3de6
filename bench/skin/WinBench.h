#pragma once
// What the benchmarks run under Wine share: timing single calls with the performance counter,
// medians, a message pump that runs outside the timing, and the build's run folder. (Google
// Benchmark is not built with mingw here.)
#include "tests/support/WindowTestSupport.h"
#include "ui/Graphics.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace quellar::bench {

// Microseconds one call of work took.
template <typename F> double MicrosecondsOf(F&& work) {
    static const double ticksPerMicrosecond = [] {
        LARGE_INTEGER frequency{};
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1e6;
    }();
    LARGE_INTEGER before{}, after{};
    QueryPerformanceCounter(&before);
    work();
    QueryPerformanceCounter(&after);
    return static_cast<double>(after.QuadPart - before.QuadPart) / ticksPerMicrosecond;
}

inline double Median(std::vector<double> values) {
    auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// The tests' message pump: handles the thread's messages for ms milliseconds (0: those waiting).
using test::Pump;

// The build's run folder (skins, pictures), next to the bin folder this program lies in.
inline std::string DefaultRunFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.find_last_of("\\/") + 1);
    return folder + "..\\run";
}

// The baseline's source: a window-sized 32-bit section selected into a memory DC.
class TMemoryBitmap {
public:
    TMemoryBitmap(int width, int height) : section_(CreateTopDownDib(width, height)) {
        if (section_.bits != nullptr) {
            std::memset(section_.bits, 0x60,
                        static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
            selected_.emplace(dc_.Get(), section_.Handle());
        }
    }
    HDC Dc() const { return section_.bits != nullptr ? dc_.Get() : nullptr; }

private:
    MemoryDc dc_;
    TDibSection section_;
    std::optional<DcSelect> selected_; // destroyed first: the section leaves the DC before both go
};

} // namespace quellar::bench
