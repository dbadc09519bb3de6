// Speed of opening a menu-bar drop-down: from the click on the bar's first item (a posted
// WM_NCLBUTTONDOWN on HTMENU) until the menu loop first has nothing left to do (WM_ENTERIDLE,
// sent once the drop-down is shown and painted), where EndMenu closes it again. The same window
// with its menu is timed first with the platform's own menu bar, then wearing skin 0 under the
// Windows skin manager, in the same run; the skinned time is reported as a ratio of the plain
// one. Google Benchmark is not built with mingw here: single openings are timed with
// QueryPerformanceCounter and medians reported. The skins come from the build's run folder
// (found from this program's path) or the folder given.
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/WinSkinManage.h"
#include "skin/menu/MenuBar.h"
#include "skin/model/WinSkinData.h"

#include "bench/skin/WinBench.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace quellar;
using namespace quellar::bench;

constexpr int kWarmUp = 5;
constexpr int kSamples = 51; // per side; odd, so the median is one sample
constexpr const char* kClass = "QuellarMenuOpenBench";

LARGE_INTEGER gIdleAt{};
bool gClosed = false;

LRESULT CALLBACK BenchProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_ENTERIDLE && wParam == MSGF_MENU && gIdleAt.QuadPart == 0) {
        QueryPerformanceCounter(&gIdleAt);
        EndMenu();
        return 0;
    }
    if (message == WM_EXITMENULOOP) {
        gClosed = true;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HMENU BenchMenu() {
    HMENU bar = CreateMenu();
    const char* tops[] = {"&File", "&Edit", "&View", "&Help"};
    UINT id = 100;
    for (const char* top : tops) {
        HMENU popup = CreatePopupMenu();
        for (const char* item : {"&New", "&Open...", "&Save", "", "&Recent", "E&xit"}) {
            AppendMenuA(popup, *item == 0 ? MF_SEPARATOR : MF_STRING, ++id, item);
        }
        AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), top);
    }
    return bar;
}

// One opening, in microseconds; negative when the menu never went idle or never closed.
double OpenOnce(HWND window, LPARAM point) {
    gIdleAt.QuadPart = 0;
    gClosed = false;
    LARGE_INTEGER start{}, frequency{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    PostMessageA(window, WM_NCLBUTTONDOWN, HTMENU, point);
    const DWORD deadline = GetTickCount() + 3000;
    MSG msg;
    while (!gClosed && GetTickCount() < deadline) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    if (!gClosed || gIdleAt.QuadPart == 0) {
        return -1;
    }
    return static_cast<double>(gIdleAt.QuadPart - start.QuadPart) * 1e6 /
           static_cast<double>(frequency.QuadPart);
}

// The median opening of the drop-down under the click point, or a negative value on failure.
double Measure(HWND window, LPARAM point) {
    std::vector<double> samples;
    for (int i = 0; i < kWarmUp + kSamples; ++i) {
        const double us = OpenOnce(window, point);
        if (us < 0) {
            return -1;
        }
        if (i >= kWarmUp) {
            samples.push_back(us);
        }
        Pump(0);
    }
    return Median(samples);
}

HWND MenuWindow() {
    RECT r{0, 0, 449, 347};
    AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, TRUE, 0);
    HWND window = CreateWindowExA(0, kClass, "Menu benchmark", WS_OVERLAPPEDWINDOW, 20, 20, r.right - r.left,
                                  r.bottom - r.top, nullptr, BenchMenu(), GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    Pump(400);
    return window;
}

LPARAM Centre(const RECT& r) {
    return MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

// The platform's own bar: its first item's centre on screen.
double MeasurePlain() {
    HWND window = MenuWindow();
    RECT item{};
    const bool found = GetMenuItemRect(window, GetMenu(window), 0, &item) != FALSE;
    const double us = found ? Measure(window, Centre(item)) : -1;
    DestroyWindow(window);
    return us;
}

// The skin's bar: its first item's centre on screen.
double MeasureSkinned(const std::string& folder) {
    std::ifstream in(folder + "\\skin0.skn", std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    auto skin = std::make_unique<TSkinData>(nullptr);
    if (!skin->LoadSkinBytes(bytes)) {
        std::fprintf(stderr, "skin0.skn: not loaded (%s)\n", skin->LoadStats().Failure.c_str());
        return -1;
    }
    skin->Loaded(); // creates the manager and its hook
    skin->SetActive(true);
    HWND window = MenuWindow();
    Pump(400); // the skin goes on 250 ms after activation
    double us = -1;
    auto* manager = dynamic_cast<TWinSkinManage*>(SkinManage());
    const TWinSkinForm* form = manager != nullptr ? manager->FindFormObject(window) : nullptr;
    if (form == nullptr || form->MenuBar() == nullptr || form->MenuBar()->Count() == 0) {
        std::fprintf(stderr, "the window's menu is not on a skinned bar\n");
    } else {
        RECT outer{};
        GetWindowRect(window, &outer);
        const TSkinRect& r = form->MenuBar()->Item(0).rect;
        us = Measure(window, Centre({outer.left + r.left, outer.top + r.top, outer.left + r.right,
                                     outer.top + r.bottom}));
    }
    DestroyWindow(window);
    skin.reset();
    FreeSkinManage();
    return us;
}

} // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : DefaultRunFolder();
    WNDCLASSA wc{};
    wc.lpfnWndProc = &BenchProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kClass;
    RegisterClassA(&wc);
    InstallWindowsSkinManager();
    SetCursorPos(0, 0); // away from the window and its menus

    const double plain = MeasurePlain();
    const double skinned = MeasureSkinned(folder);
    std::printf("Opening a menu-bar drop-down, from the posted click to the menu loop's first idle\n"
                "(shown and painted); medians of %d openings, microseconds.\n",
                kSamples);
    std::printf("%-28s %12s %8s\n", "bar", "open", "ratio");
    if (plain < 0 || skinned < 0) {
        std::fprintf(stderr, "a drop-down did not open and close (plain %.1f, skinned %.1f)\n", plain,
                     skinned);
        return 1;
    }
    std::printf("%-28s %12.1f %8.2f\n", "the platform's own", plain, 1.0);
    std::printf("%-28s %12.1f %8.2f\n", "skin 0", skinned, skinned / plain);
    return 0;
}
