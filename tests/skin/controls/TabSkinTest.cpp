// Tab controls and tab sets wearing a hand-made skin whose tab frames and page border are each
// two flat colours, one above the other, so a pixel read back from the window tells which picture
// shows there and which way up: the
// focused tab and the others at the places the tab control reports, on all four sides, the page
// border on the side facing the tabs, the tab set's faces where it places its tabs, and repaints
// when the focus or the selection moves or the tabs change sides.
#include "skin/controls/ControlSkins.h"
#include "skin/controls/SkinTab.h"
#include "skin/controls/SkinTab31.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/form/WinSkinForm.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/PaintSurface.h"
#include "tests/support/SkinFiles.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/Forms.h"
#include "ui/TabCtrls.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

namespace quellar {
namespace {

using test::Pump;
using test::WindowPixel;

constexpr std::uint32_t Face = 0xC8C8C8, Border = 0x3050A0, Inner = 0x202020;
constexpr std::uint32_t Tabs[5] = {0xA00001, 0xA00002, 0xA00003, 0xA00004, 0xA00005};
constexpr std::uint32_t OtherTabs[5] = {0x00B001, 0x00B002, 0x00B003, 0x00B004, 0x00B005};
constexpr std::uint32_t Arrows = 0x0D0001; // every frame of the up-down strip

// Frames of w x h whose upper half is the frame's colour and lower half `lower`: a picture shows
// on screen which way up it was drawn.
std::vector<std::uint8_t> TwoTone(int w, int h, const std::vector<std::uint32_t>& colours,
                                  std::uint32_t lower) {
    TBitmap32 b = test::FlatFrames(w, h, colours);
    for (int x = 0; x < b.Width(); ++x) {
        for (int y = h / 2; y < h; ++y) {
            b.SetPixel(x, y, lower);
        }
    }
    return EncodeBitmapFile(b);
}

// The tab pictures' upper halves are their outer edges (away from the page) and the border's
// upper half is the side facing the tabs: on every side those must show there.
std::vector<std::uint8_t> TabSkinFile(const std::uint32_t (&tabs)[5] = Tabs) {
    const std::string ini = "[Colours]\nButtonFace=200,200,200\n[Tabs]\nImage=tabs.bmp\nBorder=border.bmp\n"
                            "[UpDown.Horz]\nImage=updown.bmp\nGlyphImage=glyph.bmp\n";
    return test::SkinFile(ini, {{"tabs.bmp", TwoTone(12, 12, {std::begin(tabs), std::end(tabs)}, Inner)},
                                {"border.bmp", TwoTone(16, 16, {Border}, Inner)},
                                {"updown.bmp", test::Strip(16, 16, std::vector<std::uint32_t>(8, Arrows))},
                                {"glyph.bmp", test::Strip(4, 4, std::vector<std::uint32_t>(8, 0x101010))}});
}

std::uint32_t Shown(HWND window, int x, int y) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    Pump(50);
    return WindowPixel(window, x, y);
}

// A framework form wearing the skin; foreign tab controls are made on it by hand.
class TabSkin : public ::testing::Test {
protected:
    void SetUp() override {
        app = new TApplication();
        app->Initialize();
        form = new TForm(app);
        form->SetClientSize(420, 320);
        form->Show();
        skin = new TSkinData(nullptr);
        ASSERT_TRUE(skin->LoadSkinBytes(TabSkinFile()));
        frame = new TWinSkinForm(form->Handle(), *skin, form);
        frame->Attach();
        Pump(100);
    }
    void TearDown() override {
        delete frame;
        delete skin;
        delete app;
    }
    // A tab control of the platform with count tabs, given its skin as a foreign window's child.
    HWND TabWindow(DWORD style, int count, int width, int height) {
        HWND tab = CreateWindowExA(0, WC_TABCONTROLA, "", WS_CHILD | WS_VISIBLE | style, 10, 10, width,
                                   height, form->Handle(), nullptr, GetModuleHandleA(nullptr), nullptr);
        for (int i = 0; i < count; ++i) {
            std::string caption = "Tab " + std::to_string(i);
            TCITEMA item{};
            item.mask = TCIF_TEXT;
            item.pszText = caption.data();
            SendMessageA(tab, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        }
        SkinChildWindows(frame->Controls(), form->Handle());
        return tab;
    }
    TApplication* app = nullptr;
    TForm* form = nullptr;
    TSkinData* skin = nullptr;
    TWinSkinForm* frame = nullptr;
};

// A point of tab r on the skinned strip: 3 pixels in from the tab's start and from its outer
// edge, clear of the caption in its middle and of the one-pixel nudge toward the page.
POINT InTab(const RECT& r, TTabSide side) {
    return {side == tsRight ? r.right - 4 : r.left + 3, side == tsBottom ? r.bottom - 4 : r.top + 3};
}

// Two pixels into the page border on the side facing the tabs, halfway along it.
POINT OnBorder(const RECT& p, TTabSide side) {
    const int midX = (p.left + p.right) / 2, midY = (p.top + p.bottom) / 2;
    return {side == tsLeft    ? p.left + 2
            : side == tsRight ? p.right - 3
                              : midX,
            side == tsTop      ? p.top + 2
            : side == tsBottom ? p.bottom - 3
                               : midY};
}

TEST_F(TabSkin, FocusedTabAndPageBorderShowOnEverySide) {
    const struct {
        DWORD style;
        TTabSide side;
    } rows[] = {{0, tsTop},
                {TCS_BOTTOM, tsBottom},
                {TCS_VERTICAL | TCS_MULTILINE, tsLeft},
                {TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE, tsRight}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.side);
        HWND tab = TabWindow(row.style, 3, 260, 200);
        auto* skinned = dynamic_cast<TSkinTab*>(frame->Controls().SkinFor(tab));
        ASSERT_NE(nullptr, skinned) << "a tab control child gets the tab skin";
        EXPECT_EQ(row.side, skinned->Side());
        Shown(tab, 0, 0);
        auto expectFocusOn = [&](int focused) {
            for (int i = 0; i < 3; ++i) {
                RECT r{};
                ASSERT_TRUE(SendMessageA(tab, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r)));
                const POINT p = InTab(r, row.side);
                EXPECT_EQ(i == focused ? Tabs[1] : Tabs[0], WindowPixel(tab, p.x, p.y)) << "tab " << i;
            }
        };
        expectFocusOn(0);

        RECT page{0, 0, 260, 200};
        SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
        InflateRect(&page, 4, 4);
        page.top += row.side == tsTop, page.bottom -= row.side == tsBottom;
        page.left += row.side == tsLeft, page.right -= row.side == tsRight;
        const POINT b = OnBorder(page, row.side);
        EXPECT_EQ(Border, WindowPixel(tab, b.x, b.y)) << "the border faces the tabs";
        EXPECT_NE(Border, WindowPixel(tab, (page.left + page.right) / 2, (page.top + page.bottom) / 2))
            << "the page inside is the control's";

        SetFocus(tab);
        SendMessageA(tab, WM_KEYDOWN, VK_RIGHT, 0);
        Pump(100);
        EXPECT_EQ(1, SendMessageA(tab, TCM_GETCURFOCUS, 0, 0));
        expectFocusOn(1);
        DestroyWindow(tab);
    }
}

// More tabs than fit on one row: the control's scroll arrows appear once it is laid out and
// wear the up-down skin; the strip, painted again on its own, leaves them alone.
TEST_F(TabSkin, ScrollArrowsGetTheUpDownSkin) {
    HWND tab = TabWindow(0, 12, 200, 120);
    Shown(tab, 0, 0);
    HWND arrows = FindWindowExA(tab, nullptr, UPDOWN_CLASSA, nullptr);
    ASSERT_NE(nullptr, arrows) << "the control made its scroll arrows";
    EXPECT_NE(nullptr, dynamic_cast<TSkinUpDown*>(frame->Controls().SkinFor(arrows)));
    RECT a{};
    GetWindowRect(arrows, &a);
    MapWindowPoints(nullptr, tab, reinterpret_cast<POINT*>(&a), 2);
    EXPECT_EQ(Arrows, WindowPixel(tab, a.left + 1, a.top + 1));
    frame->Controls().SkinFor(tab)->Repaint();
    EXPECT_EQ(Arrows, WindowPixel(tab, a.left + 1, a.top + 1));
    DestroyWindow(tab);
}

// On the form: the tab set, in its own look until skinned, gets its skin by its class and the tab control by
// its window; the tab set's faces lie where it places its tabs, a tab that does not fit leaves a gap for
// none, a click moves frame 2 to the clicked tab, and both take the pictures of a new skin.
TEST_F(TabSkin, TabSetFacesFollowItsPlacesAndTheSelection) {
    auto* set = new TTabSet(form);
    set->SetParent(form);
    set->SetBounds(0, 150, 200, 24);
    set->SetTabs({"One", "A caption far too long for what is left of this strip", "Two"});
    set->SetTabIndex(2);
    int changes = 0;
    set->OnChange = [&changes](TComponent*) { ++changes; };
    auto* pages = new TTabControl(form);
    pages->SetParent(form);
    pages->SetBounds(0, 0, 300, 140);
    pages->SetTabs({"First", "Second"});
    pages->SetTabIndex(0);
    pages->SetTabPosition(TTabPosition::tpBottom);
    const std::vector<TTabSetPlace> places = set->Places();
    ASSERT_EQ(2u, places.size());
    EXPECT_EQ(0, places[0].index);
    EXPECT_EQ(2, places[1].index) << "the long caption is skipped";
    HWND strip = set->Handle();
    EXPECT_EQ(PixelOf(GetSysColor(COLOR_WINDOW)), Shown(strip, places[1].left + 2, 12)) << "its own look";

    SkinFormControls(frame->Controls(), *form);
    ASSERT_NE(nullptr, dynamic_cast<TSkinTab31*>(frame->Controls().SkinFor(set->Handle())));
    auto* tabSkin = dynamic_cast<TSkinTab*>(frame->Controls().SkinFor(pages->Handle()));
    ASSERT_NE(nullptr, tabSkin);
    EXPECT_EQ(tsBottom, tabSkin->Side());
    EXPECT_EQ(Tabs[0], Shown(strip, places[0].left + 1, 20));
    EXPECT_EQ(Tabs[1], Shown(strip, places[1].left + 1, 20)) << "the selected tab";
    EXPECT_EQ(Tabs[1], Shown(strip, places[1].right - 2, 20));
    EXPECT_EQ(Face, Shown(strip, places[1].right + 1, 20)) << "nothing after the last shown tab";
    EXPECT_EQ(Face, Shown(strip, places[0].left - 1, 20)) << "the start margin";

    SendMessageA(strip, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(places[0].left + 4, 10));
    SendMessageA(strip, WM_LBUTTONUP, 0, MAKELPARAM(places[0].left + 4, 10));
    Pump(100);
    EXPECT_EQ(0, set->TabIndex());
    EXPECT_EQ(1, changes);
    EXPECT_EQ(Tabs[1], WindowPixel(strip, places[0].left + 1, 20)) << "repainted without being asked";
    EXPECT_EQ(Tabs[0], WindowPixel(strip, places[1].left + 1, 20));

    RECT first{};
    SendMessageA(pages->Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    EXPECT_EQ(Tabs[1], Shown(pages->Handle(), first.left + 3, first.bottom - 4)) << "the tab with the focus";
    ASSERT_TRUE(skin->LoadSkinBytes(TabSkinFile(OtherTabs)));
    frame->ReapplySkin();
    EXPECT_EQ(OtherTabs[1], Shown(pages->Handle(), first.left + 3, first.bottom - 4));
    EXPECT_EQ(OtherTabs[1], Shown(strip, places[0].left + 1, 20));

    // Its tabs moved to the top while skinned: the skin paints them where they are now.
    pages->SetTabPosition(TTabPosition::tpTop);
    SendMessageA(pages->Handle(), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    EXPECT_EQ(OtherTabs[1], Shown(pages->Handle(), first.left + 3, first.top + 3));
    EXPECT_EQ(tsTop, tabSkin->Side());
}

} // namespace
} // namespace quellar
