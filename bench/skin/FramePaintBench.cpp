// Speed of repainting a skinned window's whole frame (SkinRepaintFrame, answered by the form
// object under the Windows skin manager) against one BitBlt of a window-sized 32-bit bitmap onto
// the same window's DC, timed in turn in the same run. Two windows: the main window's size
// (client 449 x 347 inside the skin's frame) and 1280 x 1024. Skin 0 by default, --all for every
// skin; another argument names the folder of the skins (by default the build's run folder, found
// from this program's own path). Google Benchmark is not built with mingw here, so the program
// times single calls with QueryPerformanceCounter and reports medians. Neither side pumps
// messages while timed, so what Wine later copies from the window's surface to the X server is
// left out of both.
#include "skin/form/SkinMessages.h"
#include "skin/manager/WinSkinManage.h"
#include "skin/model/WinSkinData.h"

#include "bench/skin/WinBench.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace quellar;
using namespace quellar::bench;

constexpr int kMainClientWidth = 449, kMainClientHeight = 347;
constexpr int kLargeWidth = 1280, kLargeHeight = 1024;
constexpr int kSkinCount = 11;
constexpr int kWarmUp = 5;
constexpr int kSamples = 101; // per side and window; odd, so the median is one sample
constexpr const char* kClass = "QuellarFramePaintBench";

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct TResult {
    int width = 0, height = 0;
    double repaintUs = 0, blitUs = 0;
};

// Repaint and BitBlt alternately, so both sides see the same load of a shared machine.
bool Measure(HWND window, TResult& result) {
    RECT outer{};
    GetWindowRect(window, &outer);
    result.width = outer.right - outer.left;
    result.height = outer.bottom - outer.top;
    TMemoryBitmap source(result.width, result.height);
    HDC dc = GetWindowDC(window);
    if (source.Dc() == nullptr || dc == nullptr) {
        return false;
    }
    std::vector<double> repaint, blit;
    for (int i = 0; i < kWarmUp + kSamples; ++i) {
        const double r = MicrosecondsOf([window] {
            SendMessageA(window, SkinRepaintFrame, 0, 0);
            GdiFlush();
        });
        const double b = MicrosecondsOf([&] {
            BitBlt(dc, 0, 0, result.width, result.height, source.Dc(), 0, 0, SRCCOPY);
            GdiFlush();
        });
        if (i >= kWarmUp) {
            repaint.push_back(r);
            blit.push_back(b);
        }
        Pump(0); // outside the timing: the hover timer and the surface's flush
    }
    ReleaseDC(window, dc);
    result.repaintUs = Median(repaint);
    result.blitUs = Median(blit);
    return true;
}

// A shown, activated window wearing the skin; resized to the outer size when one is given.
HWND SkinnedWindow(int clientWidth, int clientHeight, int outerWidth, int outerHeight) {
    RECT r{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, FALSE, 0);
    HWND window =
        CreateWindowExA(0, kClass, "Frame paint benchmark", WS_OVERLAPPEDWINDOW, 0, 0, r.right - r.left,
                        r.bottom - r.top, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    Pump(400);
    auto* manager = dynamic_cast<TWinSkinManage*>(SkinManage());
    TWinSkinForm* form = manager != nullptr ? manager->FindFormObject(window) : nullptr;
    if (form == nullptr || form->LifeState() != lsRunning || SendMessageA(window, SkinQuery, 0, 0) != 1) {
        std::fprintf(stderr, "the window was not skinned\n");
        DestroyWindow(window);
        return nullptr;
    }
    if (outerWidth > 0) {
        SetWindowPos(window, nullptr, 0, 0, outerWidth, outerHeight, SWP_NOMOVE | SWP_NOZORDER);
        Pump(100);
    }
    return window;
}

bool BenchSkin(const std::string& folder, int index) {
    const std::string name = "skin" + std::to_string(index) + ".skn";
    auto skin = std::make_unique<TSkinData>(nullptr);
    if (!skin->LoadSkinBytes(ReadFile(folder + "\\" + name))) {
        std::fprintf(stderr, "%s: not loaded (%s)\n", name.c_str(), skin->LoadStats().Failure.c_str());
        return false;
    }
    skin->Loaded(); // creates the manager and its hook
    skin->SetActive(true);
    const int sizes[2][4] = {{kMainClientWidth, kMainClientHeight, 0, 0},
                             {kLargeWidth / 2, kLargeHeight / 2, kLargeWidth, kLargeHeight}};
    bool ok = true;
    for (const auto& s : sizes) {
        HWND window = SkinnedWindow(s[0], s[1], s[2], s[3]);
        TResult r;
        if (window == nullptr || !Measure(window, r)) {
            ok = false;
        } else {
            std::printf("%-11s %4d x %-4d %12.1f %12.1f %8.2f\n", name.c_str(), r.width, r.height,
                        r.repaintUs, r.blitUs, r.repaintUs / r.blitUs);
        }
        if (window != nullptr) {
            DestroyWindow(window);
        }
    }
    skin.reset();
    FreeSkinManage();
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    bool all = false;
    std::string folder = DefaultRunFolder();
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--all") == 0) {
            all = true;
        } else {
            folder = argv[i];
        }
    }
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);
    InstallWindowsSkinManager();

    std::printf("Whole-frame repaint (SkinRepaintFrame) against one BitBlt of a window-sized 32-bit bitmap\n"
                "onto the window DC; medians of %d alternating samples, microseconds.\n",
                kSamples);
    std::printf("%-11s %-11s %12s %12s %8s\n", "skin", "window", "repaint", "BitBlt", "ratio");
    bool ok = true;
    for (int i = 0; i < (all ? kSkinCount : 1); ++i) {
        ok = BenchSkin(folder, i) && ok;
    }
    return ok ? 0 : 1;
}
