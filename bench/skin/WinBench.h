#pragma once
// What the benchmarks run under Wine share: timing single calls with the performance counter,
// medians, a message pump that runs outside the timing, and the build's run folder. (Google
// Benchmark is not built with mingw here.)
#include <windows.h>

#include <algorithm>
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

// Handles the thread's messages for ms milliseconds (0: those waiting now).
inline void Pump(int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(ms > 0 ? 10 : 0);
    } while (GetTickCount() < end);
}

// The build's run folder (skins, pictures), next to the bin folder this program lies in.
inline std::string DefaultRunFolder() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    folder.resize(folder.find_last_of("\\/") + 1);
    return folder + "..\\run";
}

} // namespace quellar::bench
