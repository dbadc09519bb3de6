// The real main window wearing one of our skins: its frame, its client size, minimising through
// the skin's own button to the notification area and back, and its message boxes.
#include "skin/controls/SkinBox.h"
#include "skin/controls/SkinCheckBox.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/form/SkinMessages.h"
#include "skin/manager/WinSkinManage.h"
#include "skin/menu/MenuItemPaint.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/PaintSurface.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/WindowTestSupport.h"

#include <psapi.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace quellar::test {
namespace {

class MainSkin : public MainWindow {
protected:
    void SetUp() override {
        MainWindow::SetUp();
        // Every slot holds skin3, so whatever number the window draws, it wears that one.
        for (int i = 0; i <= 10; ++i) {
            CopyFileA((std::string(QUELLAR_RUN_DIR) + "/skin3.skn").c_str(),
                      ("skin" + std::to_string(i) + ".skn").c_str(), FALSE);
        }
        InstallWindowsSkinManager();
    }
    void TearDown() override {
        MainWindow::TearDown();
        FreeSkinManage();
        SetSkinManageFactory(nullptr);
        for (int i = 0; i <= 10; ++i) {
            DeleteFileA(("skin" + std::to_string(i) + ".skn").c_str());
        }
    }
    // The middle of the first visible caption button with the given action, in window coordinates.
    POINT ButtonMiddle(int action) const {
        TWinSkinForm* object = WindowsSkinManager()->FindFormObject(form->Handle());
        for (const auto& b : object->Buttons().List()) {
            if (b->visible && b->def->Action == action) {
                return {static_cast<int>((b->rect.left + b->rect.right) / 2),
                        static_cast<int>((b->rect.top + b->rect.bottom) / 2)};
            }
        }
        ADD_FAILURE() << "no visible button with action " << action;
        return {};
    }
    void Click(POINT p) {
        RECT r{};
        GetWindowRect(form->Handle(), &r);
        const LPARAM at = MAKELPARAM(r.left + p.x, r.top + p.y);
        SendMessageA(form->Handle(), WM_NCMOUSEMOVE, HTCAPTION, at);
        SendMessageA(form->Handle(), WM_NCLBUTTONDOWN, HTCAPTION, at);
        SendMessageA(form->Handle(), WM_NCLBUTTONUP, HTCAPTION, at);
    }
    bool Skinned() const { return SendMessageA(form->Handle(), SkinQuery, 0, 0) == 1; }
    // Starts with the saved settings and shows the window once it wears the skin (put on 250 ms
    // after activation).
    void ShowSkinned() {
        StartWithSavedSettings();
        form->Show();
        Pump(600);
        ASSERT_TRUE(Skinned());
    }
    SIZE Client() const {
        RECT c{};
        GetClientRect(form->Handle(), &c);
        return {c.right, c.bottom};
    }
};

TEST_F(MainSkin, MainWindowWearsItsSkinThroughMinimiseToTheTrayAndBack) {
    ASSERT_NO_FATAL_FAILURE(ShowSkinned());
    EXPECT_EQ(449, Client().cx);
    EXPECT_EQ(347, Client().cy);
    const TFrameSizes frame = WindowsSkinManager()->FindFormObject(form->Handle())->Fit().Frame();
    RECT r{};
    GetWindowRect(form->Handle(), &r);
    EXPECT_EQ(449 + frame.left + frame.right, r.right - r.left);

    Click(ButtonMiddle(2)); // the skin's minimise button
    Pump(300);
    EXPECT_FALSE(IsWindowVisible(form->Handle())) << "minimised to the notification area";
    form->ShowForm1Click(form->ShowForm1);
    Pump(300);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(Skinned());
    EXPECT_EQ(449, Client().cx);
    EXPECT_EQ(347, Client().cy);
    GetWindowRect(form->Handle(), &r);
    EXPECT_EQ(449 + frame.left + frame.right, r.right - r.left) << "the frame is still the skin's";
    EXPECT_TRUE(boxes.empty());
}

// Whether a window shows each wanted colour (0xRRGGBB) at its point, in its client area or, with
// `frame`, its whole window, leaving the pictures' magenta out; false when nothing is compared.
bool ShowsPixels(HWND window, const std::vector<std::pair<std::uint32_t, POINT>>& wanted,
                 bool frame = false) {
    HDC dc = frame ? GetWindowDC(window) : GetDC(window);
    int compared = 0, same = 0;
    for (const auto& [want, at] : wanted) {
        if (want != 0xFF00FF) {
            ++compared;
            same += PixelOf(GetPixel(dc, at.x, at.y)) == want ? 1 : 0;
        }
    }
    ReleaseDC(window, dc);
    return compared > 0 && same == compared;
}

template <class Skin> bool Wears(TWinSkinForm& object, HWND window) {
    return dynamic_cast<Skin*>(object.Controls().SkinFor(window)) != nullptr;
}

TEST_F(MainSkin, EveryControlOfTheMainWindowWearsItsSkin) {
    ASSERT_NO_FATAL_FAILURE(ShowSkinned());
    TWinSkinForm& object = *WindowsSkinManager()->FindFormObject(form->Handle());
    for (TSpeedButton* b :
         {form->SpeedButton1, form->btnSetup, form->btnTest, form->btnStop, form->btnStart, form->btnExit}) {
        EXPECT_NE(nullptr, dynamic_cast<TSkinSpeedButton*>(object.Controls().SkinFor(b))) << b->Name();
    }
    const TColor face = static_cast<TColor>(form->SkinData1->Model().Colours.ButtonFace);
    for (TWinControl* box : std::initializer_list<TWinControl*>{
             form->Panel1, form->Panel2, form->Panel3, form->GroupBox1, form->GroupBox2, form->GroupBox3}) {
        EXPECT_TRUE(Wears<TSkinBox>(object, box->Handle())) << box->Name();
        EXPECT_EQ(face, box->Color()) << box->Name();
    }
    for (TCheckBox* c : {form->CheckBox1, form->CheckBox2, form->CheckBox3}) {
        EXPECT_TRUE(Wears<TSkinCheckBox>(object, c->Handle())) << c->Name();
        EXPECT_EQ(face, c->Color()) << c->Name() << " takes its group's colour";
    }
    for (TComboBox* c : {form->ComboBox1, form->ComboBox2, form->ComboBox3}) {
        EXPECT_TRUE(Wears<TSkinComBox>(object, c->Handle())) << c->Name();
    }
    EXPECT_TRUE(Wears<TSkinComBox>(object, GetWindow(form->cmbPest->Handle(), GW_CHILD)))
        << "its inner combo box";
    for (TEdit* e : {form->edtTC, form->edtVC, form->edtDU}) {
        EXPECT_TRUE(Wears<TSkinEdit>(object, e->Handle())) << e->Name();
    }
    EXPECT_TRUE(Wears<TSkinTrackBar>(object, form->TrackBar1->Handle()));
    EXPECT_TRUE(Wears<TSkinTrackBar>(object, form->TrackBar2->Handle()));
    EXPECT_TRUE(Wears<TSkinStatusBar>(object, form->StatusBar1->Handle()));

    // The check mark on screen is the skin's own cell, pixel for pixel (its magenta left out), and
    // a click still reaches the box and shows the next cell.
    const TDataSkinButton& buttons = *form->SkinData1->Model().Buttons;
    const TBitmap32& strip = buttons.CheckImage;
    const int cell = strip.Width() / std::max(buttons.CheckFrameCount, 1);
    HWND box = form->CheckBox1->Handle();
    auto markMatches = [&](int frame) {
        RECT r{};
        GetWindowRect(box, &r);
        const int top = (r.bottom - r.top - strip.Height()) / 2;
        const int left = cell <= 14 ? (14 - cell) / 2 : 0;
        std::vector<std::pair<std::uint32_t, POINT>> wanted;
        for (int y = 0; y < strip.Height(); ++y) {
            for (int x = 0; x < cell; ++x) {
                wanted.push_back({strip.Pixel((frame - 1) * cell + x, y), {left + x, top + y}});
            }
        }
        RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        return ShowsPixels(box, wanted, true);
    };
    const bool wasChecked = form->CheckBox1->Checked();
    EXPECT_TRUE(markMatches(wasChecked ? 2 : 1));
    SendMessageA(box, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(box, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump(100);
    EXPECT_NE(wasChecked, form->CheckBox1->Checked()) << "the click reached the check box";
    EXPECT_TRUE(markMatches(wasChecked ? 1 : 2));
}

// Whether a speed button shows frame `frame` of the skin's button strip on screen: the 5 x 5
// corners top left and bottom right, which the face takes unscaled, pixel for pixel (the middle
// carries the glyph and caption).
bool ShowsButtonFrame(TSpeedButton* button, const TDataSkinButton& buttons, int frame) {
    const TBitmap32& strip = buttons.Image;
    const int cell = strip.Width() / std::max(buttons.FrameCount, 1), left = (frame - 1) * cell;
    std::vector<std::pair<std::uint32_t, POINT>> wanted;
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            wanted.push_back({strip.Pixel(left + x, y), {button->Left() + x, button->Top() + y}});
            wanted.push_back(
                {strip.Pixel(left + cell - 5 + x, strip.Height() - 5 + y),
                 {button->Left() + button->Width() - 5 + x, button->Top() + button->Height() - 5 + y}});
        }
    }
    HWND parent = button->Parent()->Handle();
    UpdateWindow(parent);
    return ShowsPixels(parent, wanted);
}

// Whether a track bar's thumb on screen is frame 2 of 5 of the skin's thumb picture scaled to the
// thumb's rectangle (nearest pixel, magenta left out).
bool ShowsSkinThumb(HWND track, const TDataSkinObject& thumb) {
    RedrawWindow(track, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT r{};
    SendMessageA(track, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
    const int cellW = thumb.Image.Width() / 5, cellH = thumb.Image.Height();
    const int w = r.right - r.left, h = r.bottom - r.top;
    std::vector<std::pair<std::uint32_t, POINT>> wanted;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            wanted.push_back(
                {thumb.Image.Pixel(cellW + x * cellW / w, y * cellH / h), {r.left + x, r.top + y}});
        }
    }
    return ShowsPixels(track, wanted);
}

TEST_F(MainSkin, SpeedButtonsShowTheFrameOfTheirStateAndTrackBarsTheSkinsThumb) {
    ASSERT_NO_FATAL_FAILURE(ShowSkinned());
    const TDataSkinButton& buttons = *form->SkinData1->Model().Buttons;
    for (int frame = 2; frame <= 4; ++frame) {
        ASSERT_NE(
            buttons.Image.Pixel(1, 1),
            buttons.Image.Pixel((frame - 1) * buttons.Image.Width() / std::max(buttons.FrameCount, 1) + 1, 1))
            << "frames the test can tell apart";
    }
    for (TSpeedButton* b :
         {form->SpeedButton1, form->btnSetup, form->btnTest, form->btnStop, form->btnStart, form->btnExit}) {
        EXPECT_TRUE(ShowsButtonFrame(b, buttons, 1)) << b->Name();
    }
    TSpeedButton* b = form->btnStop;
    const struct {
        const char* state;
        void (*enter)(TSpeedButton*);
        void (*leave)(TSpeedButton*);
        int frame;
    } states[] = {
        {"hot", [](TSpeedButton* s) { s->Perform(CM_MOUSEENTER); },
         [](TSpeedButton* s) { s->Perform(CM_MOUSELEAVE); }, 4},
        {"pressed", [](TSpeedButton* s) { s->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3)); },
         // released outside: no click
         [](TSpeedButton* s) { s->Perform(WM_LBUTTONUP, 0, MAKELPARAM(s->Width() + 50, 3)); }, 2},
        {"down", [](TSpeedButton* s) { s->SetDown(true); }, [](TSpeedButton* s) { s->SetDown(false); }, 2},
        {"disabled", [](TSpeedButton* s) { s->SetEnabled(false); },
         [](TSpeedButton* s) { s->SetEnabled(true); }, 3},
        {"down and disabled",
         [](TSpeedButton* s) {
             s->SetEnabled(false);
             s->SetDown(true);
         },
         [](TSpeedButton* s) {
             s->SetDown(false);
             s->SetEnabled(true);
         },
         2},
    };
    for (const auto& state : states) {
        state.enter(b);
        EXPECT_TRUE(ShowsButtonFrame(b, buttons, state.frame)) << state.state;
        state.leave(b);
        EXPECT_TRUE(ShowsButtonFrame(b, buttons, 1)) << "after " << state.state;
    }
    EXPECT_TRUE(boxes.empty()) << "nothing was clicked";

    // The thumbs are painted through the custom drawing the form hands back to each track bar.
    for (TTrackBar* track : {form->TrackBar1, form->TrackBar2}) {
        const bool vertical = (GetWindowLongPtrA(track->Handle(), GWL_STYLE) & TBS_VERT) != 0;
        const TDataSkinObject* thumb = vertical ? form->SkinData1->Model().TrackbarThumbVert.get()
                                                : form->SkinData1->Model().TrackbarThumbHorz.get();
        ASSERT_NE(nullptr, thumb);
        EXPECT_TRUE(ShowsSkinThumb(track->Handle(), *thumb)) << track->Name();
    }
}

// Adds a child window to the list EnumChildWindows was given.
BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

// 20,000 rounds after a warm-up of 500: each repaints a child window of the main window in
// turn, repaints the frame and switches it between active and inactive, the speed buttons going
// hot and cold every 10 rounds and a new caption and icon every 100 (the frame makes its own
// small copy of the icon each time). The process's memory may not grow by more than 2 MB nor
// its GDI objects by more than 8: one bitmap leaked per control repaint would grow the GDI count
// by 20,000, one region leaked every other frame paint the memory by 2.8 MB. The memory is the
// pagefile usage: the private commit on Windows; Wine, which reports no private bytes, gives the
// resident anonymous memory there, where a leaked region shows as about 150 bytes.
TEST_F(MainSkin, TwentyThousandRoundsOfRepaintsLeaveNothingBehind) {
    ASSERT_NO_FATAL_FAILURE(ShowSkinned());
    HWND window = form->Handle();
    std::vector<HWND> children;
    EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&children));
    ASSERT_GT(children.size(), 20u);
    auto round = [&](int i) {
        RedrawWindow(children[static_cast<std::size_t>(i) % children.size()], nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        SendMessageA(window, SkinRepaintFrame, 0, 0);
        SendMessageA(window, WM_NCACTIVATE, i % 2 != 0 ? TRUE : FALSE, 0);
        if (i % 10 == 0) {
            form->btnStart->Perform(i % 20 == 0 ? CM_MOUSEENTER : CM_MOUSELEAVE);
        }
        if (i % 100 == 0) {
            const std::string caption = "Round " + std::to_string(i);
            SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(caption.c_str()));
            SendMessageA(window, WM_SETICON, ICON_SMALL,
                         reinterpret_cast<LPARAM>(LoadIconA(nullptr, IDI_APPLICATION)));
        }
        if (i % 50 == 0) {
            RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                DispatchMessageA(&msg);
            }
        }
    };
    auto usage = [] {
        PROCESS_MEMORY_COUNTERS m{};
        m.cb = sizeof(m);
        GetProcessMemoryInfo(GetCurrentProcess(), &m, sizeof(m));
        return std::pair{m.PagefileUsage, GdiObjectCount()};
    };
    for (int i = 0; i < 500; ++i) {
        round(i); // every surface and cache made once
    }
    const auto [memoryBefore, gdiBefore] = usage();
    for (int i = 0; i < 20000; ++i) {
        round(i);
    }
    const auto [memoryAfter, gdiAfter] = usage();
    std::printf("memory %zu -> %zu bytes, GDI objects %lu -> %lu\n", static_cast<std::size_t>(memoryBefore),
                static_cast<std::size_t>(memoryAfter), static_cast<unsigned long>(gdiBefore),
                static_cast<unsigned long>(gdiAfter));
    EXPECT_GT(memoryBefore, 0u) << "the platform reports the process's memory";
    EXPECT_LE(memoryAfter, memoryBefore + (2u << 20));
    EXPECT_GT(gdiBefore, 0u) << "GDI objects are counted";
    EXPECT_LE(gdiAfter, gdiBefore + 8);
    // The rounds painted the frame: a point of the title bar covered with another colour comes
    // back painted by the skin.
    RECT outer{};
    GetWindowRect(window, &outer);
    const POINT title{(outer.right - outer.left) / 2,
                      WindowsSkinManager()->FindFormObject(window)->Fit().Frame().top / 2};
    HDC dc = GetWindowDC(window);
    SetPixel(dc, title.x, title.y, RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), GetPixel(dc, title.x, title.y));
    SendMessageA(window, SkinRepaintFrame, 0, 0);
    EXPECT_NE(RGB(0x12, 0x34, 0x56), GetPixel(dc, title.x, title.y));
    ReleaseDC(window, dc);
}

// The tray menu while it is open: a pixel 3 before the right end, halfway down, of each item, and
// two of its window's ring; read from the menu's own loop, which then closes it.
struct TTrayMenuSeen {
    HWND keys = nullptr;
    HMENU menu = nullptr;
    std::vector<std::uint32_t> items;
    std::uint32_t ringTopLeft = 0, ringBottomRight = 0;
} gTray;

void CALLBACK ReadTrayMenu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    const std::vector<HWND> popups = WindowsSkinManager()->Popups().Windows();
    if (!popups.empty()) {
        RECT w{};
        GetWindowRect(popups.back(), &w);
        for (int i = 0; i < GetMenuItemCount(gTray.menu); ++i) {
            RECT r{};
            GetMenuItemRect(nullptr, gTray.menu, static_cast<UINT>(i), &r);
            gTray.items.push_back(
                WindowPixel(popups.back(), r.right - 3 - w.left, (r.top + r.bottom) / 2 - w.top));
        }
        gTray.ringTopLeft = WindowPixel(popups.back(), 1, 1);
        gTray.ringBottomRight = WindowPixel(popups.back(), w.right - w.left - 2, w.bottom - w.top - 2);
    }
    PostMessageA(gTray.keys, WM_KEYDOWN, VK_ESCAPE, 0);
}

void CALLBACK SelectFirstTrayItem(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    gTray.menu = TPopupMenu::Showing()->Handle();
    PostMessageA(gTray.keys, WM_KEYDOWN, VK_DOWN, 0);
    SetTimer(nullptr, 0, 300, &ReadTrayMenu);
}

TEST_F(MainSkin, TrayMenuWearsTheSkinsItemFramesAndBackground) {
    ASSERT_NO_FATAL_FAILURE(ShowSkinned());
    ASSERT_TRUE(form->PopupMenu1->OwnerDraw());
    EXPECT_NE(nullptr, form->START1->OnDrawItem.target<TSkinItemPainter>());
    gTray = {};
    gTray.keys = form->Handle();
    SetTimer(nullptr, 0, 300, &SelectFirstTrayItem);
    form->PopupMenu1->Popup(200, 200);
    // The skin's own pictures: item frames of 40 x 20 (4 normal, 1 selected), a 48 x 48 background.
    const TBitmap32& item = form->SkinData1->Model().MenuItem->Image;
    const TBitmap32& back = form->SkinData1->Model().MenuBackground->Image;
    ASSERT_NE(item.Pixel(3 * 40 + 37, 10), item.Pixel(37, 10)) << "frames the test can tell apart";
    ASSERT_EQ(5u, gTray.items.size()) << "START, STOP, SHOW FORM, separator, Exit";
    EXPECT_EQ(item.Pixel(3 * 40 + 37, 10), gTray.items[0]) << "START selected";
    EXPECT_EQ(item.Pixel(37, 10), gTray.items[1]) << "STOP";
    EXPECT_EQ(back.Pixel(1, 1), gTray.ringTopLeft);
    EXPECT_EQ(back.Pixel(46, 46), gTray.ringBottomRight);
}

} // namespace
} // namespace quellar::test
