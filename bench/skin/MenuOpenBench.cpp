// Speed of opening a menu-bar drop-down: from the click on the bar's first item (a posted
// WM_NCLBUTTONDOWN on HTMENU) until the menu loop first has nothing left to do (WM_ENTERIDLE,
// sent once the drop-down is shown and painted), where EndMenu closes it again. The same window
// with its menu is timed with the platform's own menu bar and wearing skin 0 under the Windows
// skin manager (two windows of two classes, the manager told to skin only one), opening in turn
// in the same run; the skinned time is reported as a ratio of the plain one. Google Benchmark is not built
// with mingw here: single openings are timed with QueryPerformanceCounter and medians reported. The skins
// come from the build's run folder (found from this program's path) or the folder given.
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
constexpr const char* kPlainClass = "QuellarMenuOpenPlain";
constexpr const char* kSkinnedClass = "QuellarMenuOpenSkinned";

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

struct TSide {
    HWND window = nullptr;
    LPARAM point = 0; // the first bar item's centre on screen
    std::vector<double> samples;
};

// Openings of both windows' first drop-down in turn, each window brought to the front first
// (outside the timing). False when a drop-down did not open and close.
bool Measure(TSide& plain, TSide& skinned) {
    for (int i = 0; i < kWarmUp + kSamples; ++i) {
        for (TSide* side : {&plain, &skinned}) {
            SetForegroundWindow(side->window);
            Pump(20);
            const double us = OpenOnce(side->window, side->point);
            if (us < 0) {
                return false;
            }
            if (i >= kWarmUp) {
                side->samples.push_back(us);
            }
        }
    }
    return true;
}

HWND MenuWindow(const char* className) {
    RECT r{0, 0, 449, 347};
    AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, TRUE, 0);
    HWND window =
        CreateWindowExA(0, className, "Menu benchmark", WS_OVERLAPPEDWINDOW, 20, 20, r.right - r.left,
                        r.bottom - r.top, nullptr, BenchMenu(), GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    Pump(600); // the skin goes on 250 ms after activation
    return window;
}

LPARAM Centre(HWND window, RECT r) {
    RECT outer{};
    GetWindowRect(window, &outer);
    return MAKELPARAM(outer.left + (r.left + r.right) / 2, outer.top + (r.top + r.bottom) / 2);
}

// The platform's own bar: its first item's rectangle, on screen.
bool PlainSide(TSide& side) {
    side.window = MenuWindow(kPlainClass);
    RECT item{};
    if (!GetMenuItemRect(side.window, GetMenu(side.window), 0, &item)) {
        std::fprintf(stderr, "the plain window has no menu bar\n");
        return false;
    }
    side.point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    return true;
}

// The skin's bar: its first item's rectangle, in window coordinates.
bool SkinnedSide(TSide& side) {
    side.window = MenuWindow(kSkinnedClass);
    auto* manager = dynamic_cast<TWinSkinManage*>(SkinManage());
    TWinSkinForm* form = manager != nullptr ? manager->FindFormObject(side.window) : nullptr;
    if (form == nullptr || form->Menus().MenuBar() == nullptr || form->Menus().MenuBar()->Count() == 0) {
        std::fprintf(stderr, "the window's menu is not on a skinned bar\n");
        return false;
    }
    const TSkinRect& r = form->Menus().MenuBar()->Item(0).rect;
    side.point = Centre(side.window, {r.left, r.top, r.right, r.bottom});
    return true;
}

void SkinOnlyTheSkinnedClass(TComponent*, const std::string& className, bool& doSkin) {
    doSkin = className == kSkinnedClass;
}

} // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : DefaultRunFolder();
    for (const char* name : {kPlainClass, kSkinnedClass}) {
        WNDCLASSA wc{};
        wc.lpfnWndProc = &BenchProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = name;
        RegisterClassA(&wc);
    }
    InstallWindowsSkinManager();
    SetCursorPos(0, 0); // away from the windows and their menus
    std::ifstream in(folder + "\\skin0.skn", std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    auto skin = std::make_unique<TSkinData>(nullptr);
    if (!skin->LoadSkinBytes(bytes)) {
        std::fprintf(stderr, "skin0.skn: not loaded (%s)\n", skin->LoadStats().Failure.c_str());
        return 1;
    }
    skin->OnFormSkin = &SkinOnlyTheSkinnedClass;
    skin->Loaded(); // creates the manager and its hook
    skin->SetActive(true);
    TSide plain, skinned;
    const bool ok = PlainSide(plain) && SkinnedSide(skinned) && Measure(plain, skinned);
    if (ok) {
        const double plainUs = Median(plain.samples), skinnedUs = Median(skinned.samples);
        std::printf("Opening a menu-bar drop-down, from the posted click to the menu loop's first idle\n"
                    "(shown and painted), the two windows in turn; medians of %d openings each,\n"
                    "microseconds.\n",
                    kSamples);
        std::printf("%-28s %12s %8s\n", "bar", "open", "ratio");
        std::printf("%-28s %12.1f %8.2f\n", "the platform's own", plainUs, 1.0);
        std::printf("%-28s %12.1f %8.2f\n", "skin 0", skinnedUs, skinnedUs / plainUs);
    } else {
        std::fprintf(stderr, "a drop-down did not open and close\n");
    }
    for (HWND window : {plain.window, skinned.window}) {
        if (window != nullptr) {
            DestroyWindow(window);
        }
    }
    skin.reset();
    FreeSkinManage();
    return ok ? 0 : 1;
}
