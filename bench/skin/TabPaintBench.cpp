// Speed of the tab control's skin: the strip of six tabs and the page border painted over a
// 400 x 300 tab control (TSkinTab's repaint), for tabs on each side, against one BitBlt of a
// window-sized 32-bit bitmap onto the same control's DC, timed in turn in the same run. The
// skin is made here: a 5-frame tab strip 24 x 20 per frame with 4-pixel margins and a border
// picture, so no skin files are needed. Google Benchmark is not built with mingw here, so the
// program times single calls with QueryPerformanceCounter and reports medians.
#include "skin/controls/SkinTab.h"
#include "skin/form/WinSkinForm.h"
#include "skin/model/BitmapFile.h"
#include "skin/model/WinSkinData.h"
#include "skin/package/SkinPackageWriter.h"

#include "bench/skin/WinBench.h"

#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

using namespace quellar;
using namespace quellar::bench;

constexpr int kWidth = 400, kHeight = 300;
constexpr int kWarmUp = 5;
constexpr int kSamples = 101; // per side; odd, so the median is one sample

std::vector<std::uint8_t> Picture(int width, int height) {
    TBitmap32 b(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            b.SetPixel(x, y,
                       Rgb32(static_cast<std::uint32_t>(x * 7), static_cast<std::uint32_t>(y * 11), 90));
        }
    }
    return EncodeBitmapFile(b);
}

std::vector<std::uint8_t> BenchSkin() {
    const std::string ini = "[Tabs]\nImage=tabs.bmp\nBorder=border.bmp\nLeftWidth=4\nTopHeight=4\n"
                            "RightWidth=4\nBottomHeight=4\n";
    return BuildSkinFile({{"skin.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())},
                          {"tabs.bmp", Picture(5 * 24, 20)},
                          {"border.bmp", Picture(16, 16)}});
}

HWND TabControl(HWND parent, DWORD style) {
    HWND tab = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | style, 0, 0, kWidth, kHeight,
                               parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    for (int i = 0; i < 6; ++i) {
        std::string caption = "Page " + std::to_string(i + 1);
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageA(tab, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    return tab;
}

// Repaint and BitBlt alternately, so both see the same load of a shared machine.
void Measure(const char* side, HWND tab, TSkinControl& skin) {
    TMemoryBitmap source(kWidth, kHeight);
    HDC dc = GetWindowDC(tab);
    std::vector<double> repaint, blit;
    for (int i = 0; i < kWarmUp + kSamples && source.Dc() != nullptr; ++i) {
        const double r = MicrosecondsOf([&] {
            skin.Repaint(dc);
            GdiFlush();
        });
        const double b = MicrosecondsOf([&] {
            BitBlt(dc, 0, 0, kWidth, kHeight, source.Dc(), 0, 0, SRCCOPY);
            GdiFlush();
        });
        if (i >= kWarmUp) {
            repaint.push_back(r);
            blit.push_back(b);
        }
        Pump(0);
    }
    ReleaseDC(tab, dc);
    if (!repaint.empty()) {
        std::printf("%-7s skinned strip and border %8.1f us   one BitBlt %7.1f us   ratio %5.2f\n", side,
                    Median(repaint), Median(blit), Median(repaint) / Median(blit));
    }
}

} // namespace

int main() {
    INITCOMMONCONTROLSEX init{sizeof(init), ICC_TAB_CLASSES};
    InitCommonControlsEx(&init);
    TSkinData skin(nullptr);
    if (!skin.LoadSkinBytes(BenchSkin())) {
        std::printf("the bench skin did not load\n");
        return 1;
    }
    HWND host = CreateWindowExA(0, "STATIC", "Tabs", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, kWidth + 40,
                                kHeight + 60, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    TWinSkinForm frame(host, skin, nullptr);
    frame.Attach();
    const struct {
        const char* name;
        DWORD style;
    } sides[] = {{"top", 0},
                 {"bottom", TCS_BOTTOM},
                 {"left", TCS_VERTICAL | TCS_MULTILINE},
                 {"right", TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE}};
    for (const auto& side : sides) {
        HWND tab = TabControl(host, side.style);
        TSkinControl* skinned = frame.Controls().Add(std::make_unique<TSkinTab>());
        skinned->Attach(frame.Controls(), skin, TSkinTarget::ByHandle(tab));
        Pump(50);
        Measure(side.name, tab, *skinned);
        DestroyWindow(tab);
        frame.Controls().FreeDead();
    }
    frame.DetachAndRestore();
    DestroyWindow(host);
    return 0;
}
