#pragma once
// The skinned-window tests' fixture: a real window of a test class wearing a hand-made skin
// under the Windows skin manager, the skin's colours, and what reached the window's own
// procedure.
#include "skin/form/DwmFrame.h"
#include "skin/form/SkinMessages.h"
#include "skin/manager/WinSkinManage.h"
#include "skin/model/WinSkinData.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/SkinFiles.h"
#include "tests/support/WindowTestSupport.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>

namespace quellar::skinform_test {

using test::After;
using test::ExpectedMessage;
using test::kPosted;
using test::kSent;
using test::kWParam;
using test::Match;
using test::Pump;
using test::Role;

constexpr std::uint32_t Magenta = 0xFF00FF;
// Border colours (0xRRGGBB) of the active and inactive frames.
constexpr std::uint32_t LeftActive = 0x802010, LeftInactive = 0x404040, TopActive = 0x2050A0,
                        TopInactive = 0x606060;
// The close button's strip: normal, pressed, hot, inactive.
constexpr std::uint32_t CloseFrames[4] = {0xC00000, 0x00C000, 0x0000C0, 0x808080};
// The push buttons' strip: normal, pressed, disabled, focused, default.
constexpr std::uint32_t ButtonFrames[5] = {0xB00001, 0xB00002, 0xB00003, 0xB00004, 0xB00005};
constexpr int ClientW = 300, ClientH = 200;

using TCuts = std::vector<test::TFramePixel>; // magenta pixels of every frame
using test::Strip;

// Frame: left and right 6, top 24, bottom 5, each with two fixed pixels at its start; a close
// button of 16 x 14 at 22 from the right. The sides' top-left pixel is cut away; otherCuts cuts
// the same frame sizes elsewhere: the left's two top-left pixels, the right's top-right ones, the
// top's first and the bottom's bottom-left pixel.
inline std::vector<std::uint8_t> HandMadeSkin(std::uint32_t leftActive = LeftActive, bool otherCuts = false) {
    const TCuts corner{{0, 0}};
    const std::string ini =
        "[Personality]\nLeft=l.bmp\nLeftFrame=2\nLeftTopHeight=2\nRight=r.bmp\nRightFrame=2\n"
        "RightTopHeight=2\nTop=t.bmp\nTopFrame=2\nTopTopHeight=2\nBottom=b.bmp\nBottomFrame=2\n"
        "BottomTopHeight=2\n"
        "[Colours]\nButtonFace=200,200,200\n[Buttons]\nBitmap=buttons.bmp\n"
        "[ButtonClose]\nAction=0\nAlign=1\nXcoord=22\nYcoord=5\nVisibility=0\nVisibility1=0\n"
        "frame=4\nButtonImage=close.bmp\n"
        "[ButtonMin]\nAction=2\nAlign=1\nXcoord=40\nYcoord=5\nVisibility=0\nVisibility1=0\n"
        "frame=4\nButtonImage=close.bmp\n";
    return test::SkinFile(
        ini, {{"l.bmp",
               Strip(6, 30, {leftActive, LeftInactive}, false, otherCuts ? TCuts{{0, 0}, {0, 1}} : corner)},
              {"r.bmp",
               Strip(6, 30, {LeftActive, LeftInactive}, false, otherCuts ? TCuts{{5, 0}, {5, 1}} : corner)},
              {"t.bmp", Strip(40, 24, {TopActive, TopInactive}, true, otherCuts ? corner : TCuts{})},
              {"b.bmp", Strip(40, 5, {LeftActive, LeftInactive}, true, otherCuts ? TCuts{{0, 4}} : TCuts{})},
              {"close.bmp", Strip(16, 14, {CloseFrames[0], CloseFrames[1], CloseFrames[2], CloseFrames[3]})},
              {"buttons.bmp", Strip(20, 20, std::vector<std::uint32_t>(ButtonFrames, ButtonFrames + 5))}});
}

// The size of text in the screen's caption font, measured on the window's device context (the
// screen's for null).
inline SIZE CaptionTextExtent(HWND window, const char* text) {
    HDC dc = GetDC(window);
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    HFONT font = CreateFontIndirectA(&metrics.lfCaptionFont);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(window, dc);
    return extent;
}

// Keeps what our code sends or posts to a form (the skin's own messages and the caption buttons'
// actions) and, of the messages in `sent`, those that arrive by a send: the test's own, or the
// platform's answer to a call of ours. The rest is the platform's traffic (painting, capture,
// activation, sizing), which differs between systems and runs.
inline test::NoiseFilter OnlyOursAnd(std::vector<UINT> sent) {
    return [sent = std::move(sent)](const test::RecordedMessage& m) {
        switch (m.message) {
        case SkinQuery:
        case SkinAttached:
        case SkinRepaintFrame:
        case SkinReapply:
        case WM_CLOSE:
        case WM_SYSCOMMAND:
            return false;
        default:
            return (m.flags & kSent) == 0 || std::find(sent.begin(), sent.end(), m.message) == sent.end();
        }
    };
}

inline std::vector<UINT> gBaseMessages; // what reached the window's own procedure
inline int gBaseSizes = 0;              // the WM_SIZE messages among them
// The caption messages that reached it, wParam 1 when the window was visible at that moment.
inline std::vector<test::RecordedMessage> gBaseCaption;

inline LRESULT CALLBACK BaseProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETTEXT:
    case WM_SETICON:
    case WM_NCLBUTTONDOWN:
    case PlatformThemedCaptionPaint:
    case PlatformThemedFramePaint:
        gBaseCaption.push_back({message, IsWindowVisible(window) ? 1u : 0u, 0, kSent, {}});
        break;
    default:
        break;
    }
    gBaseSizes += message == WM_SIZE ? 1 : 0;
    if (message == WM_CLOSE) {
        gBaseMessages.push_back(message);
        return 0; // the test closes it
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class WinSkinForm : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        test::RegisterWindowClass("SkinFormTestWindow", &BaseProc, CS_DBLCLKS);
        InstallWindowsSkinManager();
    }
    void SetUp() override {
        gBaseMessages.clear();
        skin = new TSkinData(nullptr);
        ASSERT_TRUE(skin->LoadSkinBytes(HandMadeSkin()));
        skin->Loaded(); // creates the manager, registers, installs the hook
        manager = dynamic_cast<TWinSkinManage*>(SkinManage());
        ASSERT_NE(nullptr, manager);
        skin->SetActive(true);
        RECT r{0, 0, ClientW, ClientH};
        AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, FALSE, 0);
        window = CreateWindowExA(0, "SkinFormTestWindow", "Skinned test window", WS_OVERLAPPEDWINDOW, 40, 40,
                                 r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        originalProc = GetWindowLongPtrA(window, GWLP_WNDPROC);
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
        Pump();
    }
    void TearDown() override {
        if (IsWindow(window)) {
            DestroyWindow(window);
        }
        delete skin;
        FreeSkinManage();
    }
    SIZE ClientSize() const {
        RECT c{};
        GetClientRect(window, &c);
        return {c.right, c.bottom};
    }
    // A point of the window in screen coordinates, packed as the non-client messages carry it.
    LPARAM ScreenPoint(int x, int y) const {
        RECT r{};
        GetWindowRect(window, &r);
        return MAKELPARAM(r.left + x, r.top + y);
    }
    // Paints a marker colour over a point of the frame, straight onto the screen.
    void CoverWithMarker(int x, int y) const {
        HDC dc = GetWindowDC(window);
        SetPixel(dc, x, y, RGB(0x12, 0x34, 0x56));
        ReleaseDC(window, dc);
        ASSERT_EQ(0x123456u, test::WindowPixel(window, x, y));
    }
    TSkinData* skin = nullptr;
    TWinSkinManage* manager = nullptr;
    HWND window = nullptr;
    LONG_PTR originalProc = 0;
};

} // namespace quellar::skinform_test
