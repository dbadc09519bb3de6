// A scrolling child window wearing a hand-made skin whose every frame is one flat colour: the
// pixels of its vertical bar where the geometry puts arrows, track and thumb, and thumb drags fed
// by posted mouse messages, ended every way a drag can end.
#include "skin/controls/ScrollGeometry.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/form/WinSkinForm.h"
#include "skin/model/WinSkinData.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/SkinFiles.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/Forms.h"
#include "ui/ScrollCtrls.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <vector>

namespace quellar::test {
namespace {

constexpr std::uint32_t Tracks[4] = {0x00C001, 0x00C002, 0x00C003, 0x00C004};
constexpr std::uint32_t Thumbs[3] = {0x7B0001, 0x7B0002, 0x7B0003};

// Frame k (from 1) of the 23 arrows.
constexpr std::uint32_t Arrow(int k) {
    return 0x0A0000u + static_cast<std::uint32_t>(k);
}

std::vector<std::uint8_t> ScrollSkin() {
    std::vector<std::uint32_t> arrows;
    for (int k = 1; k <= 23; ++k) {
        arrows.push_back(Arrow(k));
    }
    const std::string ini = "[Colours]\nButtonFace=200,200,200\nScrollbar=48,48,48\n"
                            "[Scrollbar]\nImage=arrows.bmp\n[VertScroll]\nImage=track.bmp\n"
                            "[VertScrollThumb]\nImage=thumb.bmp\n";
    return SkinFile(ini, {{"arrows.bmp", Strip(16, 16, arrows)},
                          {"track.bmp", Strip(16, 16, {Tracks[0], Tracks[1], Tracks[2], Tracks[3]})},
                          {"thumb.bmp", Strip(16, 16, {Thumbs[0], Thumbs[1], Thumbs[2]})}});
}

constexpr UINT kTakeCapture = WM_APP + 1; // the pane lets go of the mouse, as a click elsewhere does
constexpr UINT kDestroy = WM_APP + 2;     // the pane destroys itself
std::vector<int> gPositions;              // the bar's full position whenever the pane heard WM_VSCROLL
std::vector<int> gRequests;               // and the request it carried
TWinSkinForm* gFrame = nullptr;

LRESULT CALLBACK PaneProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_VSCROLL:
        gPositions.push_back(GetScrollPos(window, SB_VERT));
        gRequests.push_back(LOWORD(wParam));
        return 0;
    case kTakeCapture:
        ReleaseCapture();
        return 0;
    case kDestroy:
        DestroyWindow(window);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void CALLBACK FreeSkins(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    delete gFrame; // every control skin of the window goes with it
    gFrame = nullptr;
}

// Where the geometry puts a window's vertical bar, in window coordinates.
TSkinRect VerticalBarOf(HWND window) {
    RECT w{}, c{};
    GetWindowRect(window, &w);
    GetClientRect(window, &c);
    return LayOutBars({static_cast<int>(w.right - w.left), static_cast<int>(w.bottom - w.top),
                       static_cast<int>(c.right), static_cast<int>(c.bottom), false, true, false,
                       GetSystemMetrics(SM_CXHSCROLL), GetSystemMetrics(SM_CXEDGE)})
        .vertical;
}

class ScrollBarSkin : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        RegisterWindowClass("ScrollSkinHost");
        RegisterWindowClass("ScrollSkinPane", &PaneProc, 0, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    }
    void SetUp() override {
        gPositions.clear();
        gRequests.clear();
        skin = new TSkinData(nullptr);
        ASSERT_TRUE(skin->LoadSkinBytes(ScrollSkin()));
        host = CreateWindowExA(0, "ScrollSkinHost", "Scroll", WS_OVERLAPPEDWINDOW, 30, 30, 300, 300, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
        pane = CreateWindowExA(0, "ScrollSkinPane", "", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 20, 20, 120, 200,
                               host, nullptr, GetModuleHandleA(nullptr), nullptr);
        SetRange({0, 99, 10, 45});
        gFrame = new TWinSkinForm(host, *skin, nullptr);
        gFrame->Attach();
        bars = dynamic_cast<TSkinScrollBar*>(gFrame->Controls().SkinFor(pane));
        ShowWindow(host, SW_SHOW);
        Pump(100);
    }
    void TearDown() override {
        delete gFrame;
        gFrame = nullptr;
        DestroyWindow(host);
        delete skin;
    }
    void SetRange(const TScrollValues& v) {
        values = v;
        SCROLLINFO info{sizeof(info), SIF_ALL, v.minimum, v.maximum, static_cast<UINT>(v.page),
                        v.position,   0};
        SetScrollInfo(pane, SB_VERT, &info, TRUE);
    }
    // The vertical bar and its thumb where the geometry puts them, in window coordinates.
    void Measure() {
        RECT w{};
        GetWindowRect(pane, &w);
        arrow = GetSystemMetrics(SM_CXHSCROLL);
        origin = {w.left, w.top};
        bar = VerticalBarOf(pane);
        ASSERT_TRUE(
            ComputeThumb(values, bar.bottom - bar.top, arrow, 8, GetSystemMetrics(SM_CXHTHUMB), thumb));
    }
    std::uint32_t Shown(int y) {
        RedrawWindow(pane, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        Pump(30);
        return WindowPixel(pane, bar.left + arrow / 2, y);
    }
    // Presses the middle of the thumb; moves are pixels down from there, posted as the pane's.
    void PostDrag(const std::vector<int>& moves) {
        const POINT press{origin.x + bar.left + arrow / 2,
                          origin.y + bar.top + arrow + thumb.offset + thumb.length / 2};
        PostMessageA(pane, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(press.x, press.y));
        for (int dy : moves) {
            POINT at{press.x, press.y + dy};
            ScreenToClient(pane, &at);
            PostMessageA(pane, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        }
    }
    int PositionAfter(int dy) const { return DragPosition(thumb.offset + dy, values, thumb).position; }

    TSkinData* skin = nullptr;
    HWND host = nullptr, pane = nullptr;
    TSkinScrollBar* bars = nullptr;
    TScrollValues values;
    TSkinRect bar;
    TThumb thumb;
    POINT origin{};
    int arrow = 0;
};

TEST_F(ScrollBarSkin, ArrowsTrackAndThumbShowTheSkinsFrames) {
    ASSERT_NE(nullptr, bars) << "a child window with a scroll bar wears the scroll bar skin";
    EXPECT_TRUE(bars->OwnThumbDrag());
    Measure();
    ASSERT_GT(thumb.offset, 2);
    const int thumbTop = bar.top + arrow + thumb.offset;
    EXPECT_EQ(Arrow(9), Shown(bar.top + arrow / 2));          // up arrow
    EXPECT_EQ(Arrow(13), Shown(bar.bottom - 1 - arrow / 2));  // down arrow
    EXPECT_EQ(Tracks[0], Shown(bar.top + arrow + 1));         // track above the thumb
    EXPECT_EQ(Thumbs[0], Shown(thumbTop + thumb.length / 2)); // thumb
    EXPECT_EQ(Tracks[0], Shown(thumbTop + thumb.length + 1)); // track below it

    // Emptied after scrolling, as a memo keeps its bar (disabled): nothing to scroll, no thumb,
    // and a press where it was is the platform's.
    SCROLLINFO empty{sizeof(empty), SIF_ALL | SIF_DISABLENOSCROLL, 0, 0, 0, 0, 0};
    SetScrollInfo(pane, SB_VERT, &empty, TRUE);
    ASSERT_NE(0, GetWindowLongPtrA(pane, GWL_STYLE) & WS_VSCROLL);
    gRequests.clear();
    EXPECT_EQ(Tracks[0], Shown(thumbTop + thumb.length / 2));
    PostDrag({20});
    PostMessageA(pane, WM_LBUTTONUP, 0, 0);
    Pump(100);
    EXPECT_EQ(gRequests.end(), std::find(gRequests.begin(), gRequests.end(), SB_THUMBPOSITION))
        << "no drag of the skin's";
}

TEST_F(ScrollBarSkin, DragSendsThePositionsOfTheThumbsPlace) {
    struct Case {
        TScrollValues range;
        std::vector<int> moves;
    } cases[] = {
        {{0, 99, 10, 45}, {10, 30, 30, 200}},
        {{0, 1000000, 1000, 0}, {25, 60}}, // beyond 16 bits: the bar holds the full position
    };
    for (const Case& c : cases) {
        SetRange(c.range);
        Measure();
        MessageRecorder recorder;
        recorder.SetNoiseFilter([](const RecordedMessage& m) { return m.message != WM_VSCROLL; });
        ASSERT_TRUE(recorder.Watch(pane, Role::Control));
        gPositions.clear();
        std::vector<ExpectedMessage> expected;
        std::vector<int> full;
        int last = c.range.position;
        for (int dy : c.moves) {
            if (const int p = PositionAfter(dy); p != last) {
                expected.push_back(
                    {WM_VSCROLL, kSent | kWParam, MAKEWPARAM(SB_THUMBTRACK, static_cast<WORD>(p))});
                full.push_back(p);
                last = p;
            }
        }
        expected.push_back(
            {WM_VSCROLL, kSent | kWParam, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(last))});
        expected.push_back({WM_VSCROLL, kPosted | kWParam, MAKEWPARAM(SB_ENDSCROLL, 0)});
        full.insert(full.end(), {last, last});
        PostDrag(c.moves);
        PostMessageA(pane, WM_LBUTTONUP, 0, 0);
        Pump(100);
        recorder.ExpectSequence(Role::Control, expected, "a thumb dragged and let go");
        EXPECT_EQ(full, gPositions) << c.range.maximum;
        EXPECT_EQ(last, GetScrollPos(pane, SB_VERT));
        EXPECT_FALSE(bars->Tracking());
    }
}

TEST_F(ScrollBarSkin, EveryEndingStopsTheDrag) {
    enum Outcome { ended, windowGone, skinGone };
    // How a drag is ended; the quit comes from the queue like any posted message.
    const struct {
        const char* how;
        void (*end)(HWND);
        Outcome outcome;
        int quitCode = -1; // what the program's own loop sees
    } endings[] = {
        {"released", [](HWND w) { PostMessageA(w, WM_LBUTTONUP, 0, 0); }, ended},
        {"escape", [](HWND w) { PostMessageA(w, WM_KEYDOWN, VK_ESCAPE, 0); }, ended},
        {"capture taken", [](HWND w) { PostMessageA(w, kTakeCapture, 0, 0); }, ended},
        {"quit", [](HWND) { PostThreadMessageA(GetCurrentThreadId(), WM_QUIT, 7, 0); }, ended, 7},
        {"window destroyed", [](HWND w) { PostMessageA(w, kDestroy, 0, 0); }, windowGone},
        {"skins freed", [](HWND) { SetTimer(nullptr, 0, 0, &FreeSkins); }, skinGone},
    };
    for (const auto& e : endings) {
        SCOPED_TRACE(e.how);
        SetRange({0, 99, 10, 45});
        Measure();
        gPositions.clear();
        PostDrag({20});
        e.end(pane);
        // A move after the end: the thumb stays where it was let go.
        POINT at{origin.x + bar.left, origin.y + bar.top + arrow + thumb.offset + thumb.length / 2 + 60};
        ScreenToClient(pane, &at);
        PostMessageA(pane, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        int quitCode = -1;
        MSG msg;
        for (const DWORD until = GetTickCount() + 300; GetTickCount() < until; Sleep(10)) {
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                quitCode = msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : quitCode;
                DispatchMessageA(&msg);
            }
        }
        EXPECT_EQ(e.quitCode, quitCode);
        EXPECT_EQ(nullptr, GetCapture());
        if (e.outcome == ended) {
            EXPECT_FALSE(bars->Tracking());
            const int p = PositionAfter(20); // track, position, end: all at the one move's place
            EXPECT_EQ((std::vector<int>{p, p, p}), gPositions);
            EXPECT_EQ(p, GetScrollPos(pane, SB_VERT));
            continue;
        }
        EXPECT_EQ(e.outcome == windowGone, !IsWindow(pane));
        EXPECT_EQ(e.outcome == skinGone, gFrame == nullptr);
        pane = IsWindow(pane) ? pane : nullptr;
        TearDown(); // a fresh window wearing fresh skins for the next case
        SetUp();
    }
}

// The framework's scrolling controls: those with bars in their frame wear the bars' skin, painted
// through the control's own message handler; a memo without bars stays an edit.
TEST(ScrollBarSkinFramework, ControlsWithFrameBarsWearTheSkin) {
    auto* app = new TApplication();
    app->Initialize();
    auto* form = new TForm(app);
    form->SetClientSize(300, 200);
    auto make = [form](auto* control, int left) {
        control->SetParent(form);
        control->SetBounds(left, 10, 80, 150);
        return control;
    };
    auto* memo = make(new TMemo(form), 10);
    memo->SetScrollBars(TScrollStyle::ssVertical);
    auto* plain = make(new TMemo(form), 100);
    auto* box = make(new TScrollBox(form), 190);
    form->Show();
    memo->SetLines({"one", "two", "three"});
    auto* skin = new TSkinData(nullptr);
    ASSERT_TRUE(skin->LoadSkinBytes(ScrollSkin()));
    auto* frame = new TWinSkinForm(form->Handle(), *skin, form);
    frame->Attach();
    Pump(100);
    auto* bars = dynamic_cast<TSkinScrollBar*>(frame->Controls().SkinFor(memo->Handle()));
    ASSERT_NE(nullptr, bars);
    EXPECT_TRUE(bars->OwnThumbDrag());
    EXPECT_NE(nullptr, dynamic_cast<TSkinScrollBar*>(frame->Controls().SkinFor(box->Handle())));
    EXPECT_NE(nullptr, dynamic_cast<TSkinEdit*>(frame->Controls().SkinFor(plain->Handle())));
    const int arrow = GetSystemMetrics(SM_CXHSCROLL);
    const TSkinRect bar = VerticalBarOf(memo->Handle());
    RedrawWindow(memo->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    Pump(50);
    EXPECT_EQ(Arrow(9), WindowPixel(memo->Handle(), bar.left + arrow / 2, bar.top + arrow / 2));
    EXPECT_EQ(Arrow(13), WindowPixel(memo->Handle(), bar.left + arrow / 2, bar.bottom - 1 - arrow / 2));
    delete frame;
    delete skin;
    delete app;
}

} // namespace
} // namespace quellar::test
