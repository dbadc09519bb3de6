// Speed of repainting the whole main window wearing its skin (frame, client area and every
// control, painted at once) against one BitBlt of a window-sized 32-bit bitmap onto the same
// window, timed in turn in the same run; then the same window with the skin taken off, for
// reference. The window is the program's own, made from the run folder (its pictures and skins;
// by default the build's run folder found from this program's path, or the folder given). Google
// Benchmark is not built with mingw here: single calls are timed with QueryPerformanceCounter
// and medians reported. Neither side pumps messages while timed.
#include "app/UMain.h"
#include "skin/controls/SkinControl.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/WinSkinManage.h"
#include "ui/WinUtil.h"

#include "bench/skin/WinBench.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using namespace quellar;
using namespace quellar::bench;

constexpr int kWarmUp = 5;
constexpr int kSamples = 101; // per side; odd, so the median is one sample

struct TTimes {
    double repaintUs = 0, blitUs = 0;
};

// The skin's own painting alone: the frame and every control skin's painter on its control's
// window (a speed button on its panel, at its place), without the platform's repaint around it.
void PaintSkinsOnly(HWND window) {
    SendMessageA(window, SkinRepaintFrame, 0, 0);
    TWinSkinForm* object = WindowsSkinManager()->FindFormObject(window);
    for (const auto& skin : object->Controls().Skins()) {
        if (const TGraphicControl* graphic = skin->Hold().Graphic(); graphic != nullptr) {
            HWND parent = const_cast<TGraphicControl*>(graphic)->Parent()->Handle();
            HDC dc = GetDC(parent);
            SetViewportOrgEx(dc, graphic->Left(), graphic->Top(), nullptr);
            skin->Repaint(dc);
            ReleaseDC(parent, dc);
        } else {
            skin->Repaint();
        }
    }
    GdiFlush();
}

// The skins' painting and a BitBlt, alternately.
TTimes MeasureSkinsOnly(HWND window, double blitUs) {
    std::vector<double> paint;
    for (int i = 0; i < kWarmUp + kSamples; ++i) {
        const double p = MicrosecondsOf([window] { PaintSkinsOnly(window); });
        if (i >= kWarmUp) {
            paint.push_back(p);
        }
        Pump(0);
    }
    return {Median(paint), blitUs};
}

// The whole window repainted now (frame, background, every child) and a BitBlt, alternately.
TTimes Measure(HWND window) {
    RECT outer{};
    GetWindowRect(window, &outer);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    const TMemoryBitmap source(width, height);
    HDC memory = source.Dc();
    HDC dc = GetWindowDC(window);
    std::vector<double> repaint, blit;
    for (int i = 0; i < kWarmUp + kSamples; ++i) {
        const double r = MicrosecondsOf([window] {
            RedrawWindow(window, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
            GdiFlush();
        });
        const double b = MicrosecondsOf([&] {
            BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
            GdiFlush();
        });
        if (i >= kWarmUp) {
            repaint.push_back(r);
            blit.push_back(b);
        }
        Pump(0);
    }
    ReleaseDC(window, dc);
    return {Median(repaint), Median(blit)};
}

// Known settings for the window, put back as they were afterwards.
class TBenchSettings {
public:
    TBenchSettings() {
        std::ifstream in(kIniFileName, std::ios::binary);
        had_ = static_cast<bool>(in);
        saved_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        in.close();
        std::ofstream out(kIniFileName, std::ios::binary | std::ios::trunc);
        out << "[KOR Quellar]\r\nItem=Data\r\nPEST=1\r\nPC_SPK=N\r\nSOUND_DEV=Y\r\nSAMPLE_RATE=2\r\n"
               "TIME_CH=1000\r\nVAL_CH=250\r\nMAST_VOL=60\r\nWAVE_FRM=0\r\nDURATION=800\r\nAUTO=Y\r\n"
               "FREQ=17500\r\n";
    }
    ~TBenchSettings() {
        if (had_) {
            std::ofstream(kIniFileName, std::ios::binary | std::ios::trunc) << saved_;
        } else {
            DeleteFileA(kIniFileName);
        }
    }
    TBenchSettings(const TBenchSettings&) = delete;
    TBenchSettings& operator=(const TBenchSettings&) = delete;

private:
    bool had_ = false;
    std::string saved_;
};

// Adds a child window to the list EnumChildWindows was given.
BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

// Where the time goes: each child window repainted on its own, the slowest first.
void Breakdown(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&children));
    std::vector<std::pair<double, std::string>> times;
    for (HWND child : children) {
        std::vector<double> samples;
        for (int i = 0; i < 21; ++i) {
            samples.push_back(MicrosecondsOf([child] {
                RedrawWindow(child, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
                GdiFlush();
            }));
            Pump(0);
        }
        char text[64] = {};
        GetWindowTextA(child, text, sizeof(text));
        times.emplace_back(Median(samples), HwndClassName(child) + " \"" + text + "\"");
    }
    std::sort(times.rbegin(), times.rend());
    double total = 0;
    for (const auto& [us, what] : times) {
        total += us;
    }
    std::printf("  %zu child windows, %.1f us in all; the slowest:\n", times.size(), total);
    for (std::size_t i = 0; i < std::min<std::size_t>(times.size(), 8); ++i) {
        std::printf("  %10.1f  %s\n", times[i].first, times[i].second.c_str());
    }
}

void Report(const char* what, HWND window, const TTimes& t) {
    RECT outer{};
    GetWindowRect(window, &outer);
    std::printf("%-22s %4ld x %-4ld %12.1f %12.1f %8.2f\n", what, outer.right - outer.left,
                outer.bottom - outer.top, t.repaintUs, t.blitUs, t.repaintUs / t.blitUs);
}

} // namespace

int main(int argc, char** argv) {
    const std::string folder = argc > 1 ? argv[1] : DefaultRunFolder();
    if (!SetCurrentDirectoryA(folder.c_str())) {
        std::fprintf(stderr, "no run folder at %s\n", folder.c_str());
        return 1;
    }
    InstallWindowsSkinManager();
    int status = 0;
    {
        const TBenchSettings settings;
        TApplication app;
        app.Initialize();
        app.SetTitle(kAppTitle);
        TfrmMain* form = app.CreateForm<TfrmMain>();
        form->Show();
        Pump(800); // the skin goes on 250 ms after activation
        HWND window = form->Handle();
        if (SendMessageA(window, SkinQuery, 0, 0) != 1) {
            std::fprintf(stderr, "the main window was not skinned\n");
            status = 1;
        } else {
            std::printf("The whole main window repainted at once (RedrawWindow: frame, background, every\n"
                        "control) against one BitBlt of a window-sized 32-bit bitmap onto the window DC;\n"
                        "medians of %d alternating samples, microseconds. Skin %d.\n",
                        kSamples, form->SkinNumber());
            std::printf("%-22s %-11s %12s %12s %8s\n", "window", "size", "repaint", "BitBlt", "ratio");
            const TTimes skinned = Measure(window);
            Report("skinned", window, skinned);
            Report("the skin's painting only", window, MeasureSkinsOnly(window, skinned.blitUs));
            Breakdown(window);
            form->SkinData1->SetActive(false);
            Pump(800);
            Report("skin taken off", window, Measure(window));
            Breakdown(window);
        }
        form->SkinData1->SetActive(false);
    }
    FreeSkinManage();
    return status;
}
