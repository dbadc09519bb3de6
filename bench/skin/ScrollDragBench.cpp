// Speed of dragging a scroll bar's thumb through 100 positions: a window whose vertical bar wears
// a shipped skin (the skin runs the drag and paints the bar at each step) against the same window
// without the skin (the platform runs the drag), timed in turn in the same run. Each drag is a
// press on the thumb, 100 moves and a release, posted first and then handled; the time is the
// handling. The skins come from the build's run folder (or the folder given).
#include "skin/controls/ScrollGeometry.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/form/WinSkinForm.h"
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

constexpr int kWarmUp = 1;
constexpr int kSamples = 7; // per side; odd, so the median is one sample
constexpr int kMoves = 100;
constexpr int kStep = 3; // pixels per move: every move is a new position in 0..999

int gTracks = 0;     // SB_THUMBTRACK requests the pane heard
bool gRedraw = true; // the pane has the platform redraw its bar when it sets the position

// Follows the thumb as a scrolling control does: the bar's position becomes the thumb's.
LRESULT CALLBACK PaneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_VSCROLL) {
        const int code = LOWORD(wParam);
        if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) {
            gTracks += code == SB_THUMBTRACK ? 1 : 0;
            SCROLLINFO info{sizeof(info), SIF_TRACKPOS, 0, 0, 0, 0, 0};
            GetScrollInfo(window, SB_VERT, &info);
            info.fMask = SIF_POS;
            info.nPos = info.nTrackPos;
            SetScrollInfo(window, SB_VERT, &info, gRedraw ? TRUE : FALSE);
        }
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

struct TSide {
    std::vector<double> us;
    int tracks = 0; // of the last drag
};

// One drag from position 0: the thumb pressed in its middle, moved kMoves times, let go.
double Drag(HWND pane) {
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 999, 100, 0, 0};
    SetScrollInfo(pane, SB_VERT, &info, TRUE);
    RECT w{}, c{};
    GetWindowRect(pane, &w);
    GetClientRect(pane, &c);
    const int arrow = GetSystemMetrics(SM_CXHSCROLL);
    const TSkinRect bar = LayOutBars({static_cast<int>(w.right - w.left), static_cast<int>(w.bottom - w.top),
                                      static_cast<int>(c.right), static_cast<int>(c.bottom), false, true,
                                      false, arrow, GetSystemMetrics(SM_CXEDGE)})
                              .vertical;
    TThumb thumb;
    ComputeThumb({0, 999, 100, 0}, bar.bottom - bar.top, arrow, 8, GetSystemMetrics(SM_CXHTHUMB), thumb);
    const POINT press{w.left + bar.left + arrow / 2, w.top + bar.top + arrow + thumb.length / 2};
    PostMessageA(pane, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(press.x, press.y));
    POINT at = press;
    ScreenToClient(pane, &at);
    for (int i = 1; i <= kMoves; ++i) {
        PostMessageA(pane, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y + i * kStep));
    }
    PostMessageA(pane, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y + kMoves * kStep));
    return MicrosecondsOf([] {
        Pump(0);
        GdiFlush();
    });
}

std::vector<std::uint8_t> ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

HWND MakeWindow(const char* cls, const char* title, DWORD style, int x, int y, int w, int h, HWND parent) {
    return CreateWindowExA(0, cls, title, style, x, y, w, h, parent, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

// One drag, wearing skin when it is given (the skin comes off afterwards).
void Sample(HWND host, HWND pane, TSkinData* skin, TSide& side, bool keep) {
    std::unique_ptr<TWinSkinForm> frame;
    if (skin != nullptr) {
        frame = std::make_unique<TWinSkinForm>(host, *skin, nullptr);
        frame->Attach();
        Pump(0);
    }
    gTracks = 0;
    const double us = Drag(pane);
    side.tracks = gTracks;
    if (keep) {
        side.us.push_back(us);
    }
    frame.reset();
    Pump(0);
}

} // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : DefaultRunFolder();
    TSkinData skin(nullptr);
    if (!skin.LoadSkinBytes(ReadFile(folder + "\\skin1.skn")) || skin.Model().Scrollbar == nullptr) {
        std::fprintf(stderr, "no skin with scroll bars in %s\n", folder.c_str());
        return 1;
    }
    const auto face = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    test::RegisterWindowClass("ScrollBenchHost", &DefWindowProcA, 0, face);
    test::RegisterWindowClass("ScrollBenchPane", &PaneProc, 0, face);
    HWND host = MakeWindow("ScrollBenchHost", "Scroll drag", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 30, 30, 300,
                           460, nullptr);
    HWND pane = MakeWindow("ScrollBenchPane", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 10, 10, 200, 400, host);
    Pump(200);
    std::printf("A thumb dragged through %d moves (press, moves, release posted, then handled); medians of\n"
                "%d alternating drags, microseconds per drag.\n",
                kMoves, kSamples);
    std::printf("%-44s %12s %8s %6s\n", "pane sets the position", "skinned", "platform", "ratio");
    bool dragged = true;
    for (bool redraw : {true, false}) {
        gRedraw = redraw;
        TSide skinned, platform;
        for (int i = 0; i < kWarmUp + kSamples; ++i) {
            Sample(host, pane, &skin, skinned, i >= kWarmUp);
            Sample(host, pane, nullptr, platform, i >= kWarmUp);
        }
        std::printf("%-44s %12.1f %8.1f %6.2f\n",
                    redraw ? "and the platform redraws the bar" : "without redrawing the bar",
                    Median(skinned.us), Median(platform.us), Median(skinned.us) / Median(platform.us));
        dragged = dragged && skinned.tracks > 0 && platform.tracks > 0;
        if (skinned.tracks != kMoves || platform.tracks < kMoves) {
            std::printf("  thumb tracks heard in the last drag: skinned %d, platform %d\n", skinned.tracks,
                        platform.tracks);
        }
    }
    DestroyWindow(host);
    return dragged ? 0 : 1;
}
