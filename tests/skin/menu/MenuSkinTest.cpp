// Menus wearing a hand-made skin whose item frames and menu background are flat colours of their
// own, so a pixel read from an open popup-menu window tells which frame of the skin's own strip
// shows there: a form's popup menu, the system menu, the sizes items are measured at, and what
// is given back when the skin goes.
#include "skin/form/WinSkinForm.h"
#include "skin/manager/WinSkinManage.h"
#include "skin/menu/MenuItemPaint.h"
#include "skin/menu/WinSkinPopMenu.h"
#include "skin/model/WinSkinData.h"
#include "tests/support/FrameworkBuilders.h"
#include "tests/support/SkinFiles.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/Forms.h"
#include "ui/Menus.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <utility>

namespace quellar {
namespace {

using test::After;
using test::Pump;

constexpr std::uint32_t Magenta = 0xFF00FF, Own = 0x00C000, Back = 0x3050B0, BackInside = 0x305070;
constexpr std::uint32_t Items[5] = {0xA00001, 0xA00002, 0xA00003, 0xA00004, 0xA00005};
constexpr int ItemW = 20, ItemH = 20;

// Five 20 x 20 item frames; the separator frame's upper 16 rows are magenta, so the menu's
// background shows above its bottom 4 rows.
std::vector<std::uint8_t> ItemStrip() {
    TBitmap32 b = test::FlatFrames(ItemW, ItemH, {std::begin(Items), std::end(Items)});
    for (int y = 0; y < 16; ++y) {
        for (int x = ItemW; x < 2 * ItemW; ++x) {
            b.SetPixel(x, y, Magenta);
        }
    }
    return EncodeBitmapFile(b);
}

// The menu background: a 3-pixel ring of Back around BackInside.
std::vector<std::uint8_t> BackgroundPicture() {
    TBitmap32 b(12, 12, Back);
    for (int y = 3; y < 9; ++y) {
        for (int x = 3; x < 9; ++x) {
            b.SetPixel(x, y, BackInside);
        }
    }
    return EncodeBitmapFile(b);
}

std::vector<std::uint8_t> MenuSkinFile() {
    const std::string ini =
        "[Colours]\nMenu=16,32,48\nMenuText=0,0,0\nButtonShadow=90,90,90\n"
        "[MenuItem]\nImage=item.bmp\nLeftWidth=2\nTopHeight=2\nRightWidth=2\nBottomHeight=2\n"
        "[MenuBackground]\nImage=back.bmp\nLeftWidth=3\nTopHeight=3\nRightWidth=3\n"
        "BottomHeight=3\n";
    return test::SkinFile(ini, {{"item.bmp", ItemStrip()}, {"back.bmp", BackgroundPicture()}});
}

// What the open menu showed: pixels at item middles and on its ring, in its window's coordinates.
struct TSeen {
    HWND popup = nullptr;
    HMENU menu = nullptr;
    HWND keys = nullptr;                  // where the test's key presses go
    std::vector<std::uint32_t> itemRight; // 3 pixels before each item's right end, halfway down
    std::vector<std::uint32_t> itemTop;   // 1 pixel below each item's top, same column
    std::uint32_t ringTopLeft = 0, ringBottomRight = 0;
} gSeen;

void ReadOpenMenu() {
    const TWinSkinManage* manager = WindowsSkinManager();
    const std::vector<HWND> popups = manager->Popups().Windows();
    gSeen.popup = popups.empty() ? nullptr : popups.back();
    RECT w{};
    GetWindowRect(gSeen.popup, &w);
    for (int i = 0; i < GetMenuItemCount(gSeen.menu); ++i) {
        RECT r{};
        GetMenuItemRect(nullptr, gSeen.menu, static_cast<UINT>(i), &r);
        const int x = r.right - 3 - w.left;
        gSeen.itemRight.push_back(test::WindowPixel(gSeen.popup, x, (r.top + r.bottom) / 2 - w.top));
        gSeen.itemTop.push_back(test::WindowPixel(gSeen.popup, x, r.top + 1 - w.top));
    }
    gSeen.ringTopLeft = test::WindowPixel(gSeen.popup, 1, 1);
    gSeen.ringBottomRight = test::WindowPixel(gSeen.popup, w.right - w.left - 2, w.bottom - w.top - 2);
}

// Selects the first item, reads the menu, closes it.
void DriveOpenMenu() {
    PostMessageA(gSeen.keys, WM_KEYDOWN, VK_DOWN, 0);
    After(300, [] {
        ReadOpenMenu();
        PostMessageA(gSeen.keys, WM_KEYDOWN, VK_ESCAPE, 0);
    });
}

class MenuSkin : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InstallWindowsSkinManager(); }
    void SetUp() override {
        gSeen = {};
        app = new TApplication();
        app->Initialize();
        skin = new TSkinData(nullptr);
        ASSERT_TRUE(skin->LoadSkinBytes(MenuSkinFile()));
        skin->Loaded();
        skin->SetActive(true);
        form = new TForm(app);
        form->SetClientSize(300, 200);
        popup = new TPopupMenu(form);
        for (const char* caption : {"First", "-", "Second", "Own"}) {
            test::AddMenuItem(form, popup->Items(), caption);
        }
        own = popup->Items().Item(3);
        own->OnDrawItem = [](TMenuItem*, HDC dc, const RECT& r, bool) {
            HBRUSH brush = CreateSolidBrush(RGB(0x00, 0xC0, 0x00));
            FillRect(dc, &r, brush);
            DeleteObject(brush);
        };
        plain = new TPopupMenu(form);
        plain->SetTag(skin->DisableTag() + 100); // left to the system
        plain->Items().Add(new TMenuItem(form));
        form->Show();
        SetForegroundWindow(form->Handle());
        Pump(600); // skinned 250 ms after activation
        frame = WindowsSkinManager()->FindFormObject(form->Handle());
        ASSERT_NE(nullptr, frame);
        gSeen.keys = form->Handle();
    }
    void TearDown() override {
        delete app;
        delete skin;
        FreeSkinManage();
    }
    // The width and height the window answers for an item of that command.
    static SIZE Measured(HWND window, UINT command) {
        MEASUREITEMSTRUCT m{ODT_MENU, 0, command, 0, 0, 0};
        SendMessageA(window, WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&m));
        return {static_cast<LONG>(m.itemWidth), static_cast<LONG>(m.itemHeight)};
    }
    static SIZE TextSize(const char* text) {
        HDC dc = GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, ScreenMenuFont());
        SIZE size{};
        GetTextExtentPoint32A(dc, text, lstrlenA(text), &size);
        SelectObject(dc, old);
        ReleaseDC(nullptr, dc);
        return size;
    }
    TApplication* app = nullptr;
    TSkinData* skin = nullptr;
    TForm* form = nullptr;
    TPopupMenu* popup = nullptr;
    TPopupMenu* plain = nullptr;
    TMenuItem* own = nullptr;
    TWinSkinForm* frame = nullptr;
};

TEST_F(MenuSkin, PopupMenuShowsTheItemFramesOverTheBackgroundInsideItsRing) {
    ASSERT_TRUE(popup->OwnerDraw());
    EXPECT_FALSE(plain->OwnerDraw()) << "its Tag names the skin's DisableTag";
    After(300, [] {
        gSeen.menu = TPopupMenu::Showing()->Handle();
        DriveOpenMenu();
    });
    popup->Popup(120, 120);
    ASSERT_NE(nullptr, gSeen.popup);
    const std::vector<std::uint32_t> right{Items[3], Items[1], Items[0], Own};
    EXPECT_EQ(right, gSeen.itemRight) << "selected, separator, normal, the item's own drawing";
    // The separator's right end lies 3 pixels inside the ring: the background at that very place.
    EXPECT_EQ(BackInside, gSeen.itemTop[1]) << "the background shows through the separator's magenta";
    EXPECT_EQ(Back, gSeen.ringTopLeft);
    EXPECT_EQ(Back, gSeen.ringBottomRight);
    EXPECT_TRUE(WindowsSkinManager()->Popups().Windows().empty()) << "the skinner goes with its window";
}

TEST_F(MenuSkin, SystemMenuItemsWearTheSkin) {
    After(300, [] {
        gSeen.menu = WindowsSkinManager()->FormObjects().back()->Menus().SystemMenu();
        DriveOpenMenu();
    });
    frame->Buttons().ShowSystemMenu({140, 140});
    ASSERT_NE(nullptr, gSeen.popup);
    ASSERT_EQ(5u, gSeen.itemRight.size()) << "restore, maximise, minimise, separator, close";
    EXPECT_EQ(Items[3], gSeen.itemRight[0]) << "the first item is selected, even disabled";
    EXPECT_EQ(Items[0], gSeen.itemRight[1]);
    EXPECT_EQ(Items[1], gSeen.itemRight[3]);
    EXPECT_EQ(Back, gSeen.ringTopLeft);
    EXPECT_EQ(nullptr, frame->Menus().DropDownMenu()) << "forgotten once the menu closed";
}

TEST_F(MenuSkin, MeasuredItemsGetTheSkinsRoom) {
    // A raw item of the menu shown from the window: its text, 26 and the item's left edge (2).
    HMENU raw = CreatePopupMenu();
    AppendMenuA(raw, MF_STRING, 7, "Raw text");
    AppendMenuA(raw, MF_SEPARATOR, 8, nullptr);
    char drawnText[] = "Drawn text"; // owner-drawn, its text kept beside
    MENUITEMINFOA drawn{};
    drawn.cbSize = sizeof(drawn);
    drawn.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
    drawn.fType = MFT_OWNERDRAW;
    drawn.wID = 9;
    drawn.dwTypeData = drawnText;
    InsertMenuItemA(raw, 2, TRUE, &drawn);
    frame->Menus().SetDropDownMenu(raw);
    // A menu-bar item of the form: its own size (the caption's width), 25, 10 and the edge.
    auto* bar = new TMainMenu(form);
    TMenuItem* file = test::AddMenuItem(form, bar->Items(), "File");
    form->SetMenu(bar);
    // A converted popup item: the caption's width, 23, 12 and the edge.
    MEASUREITEMSTRUCT converted{ODT_MENU, 0, popup->Items().Item(0)->Command(), 0, 0, 0};
    ASSERT_TRUE(popup->DispatchMeasureItem(converted));

    const SIZE rawText = TextSize("Raw text"), drawnSize = TextSize(drawnText), fileText = TextSize("File"),
               firstText = TextSize("First");
    const struct {
        const char* what;
        SIZE got, expected;
    } rows[] = {
        {"raw item", Measured(form->Handle(), 7), {rawText.cx + 28, rawText.cy + 4}},
        {"raw item without text", Measured(form->Handle(), 8), {TextSize(" ").cx + 28, 8}},
        {"raw owner-drawn item", Measured(form->Handle(), 9), {drawnSize.cx + 28, drawnSize.cy + 4}},
        {"menu-bar item", Measured(form->Handle(), file->Command()), {fileText.cx + 37, fileText.cy + 4}},
        {"converted popup item",
         {static_cast<LONG>(converted.itemWidth), static_cast<LONG>(converted.itemHeight)},
         {firstText.cx + 37, firstText.cy + 4}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.expected.cx, row.got.cx) << row.what;
        EXPECT_EQ(row.expected.cy, row.got.cy) << row.what;
    }
    // A drawing request larger than any menu item (8192 pixels a side) gets no picture; one at
    // that size is drawn, and only inside its rectangle. Read from a 64 x 32 bitmap of a marker.
    constexpr COLORREF marker = RGB(0x12, 0x34, 0x56);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bits = CreateCompatibleBitmap(screen, 64, 32);
    HGDIOBJ old = SelectObject(memory, bits);
    const struct {
        RECT rect;
        bool drawn;
    } requests[] = {{{-8128, 4, 64, 24}, true}, {{-8129, 4, 64, 24}, false}, {{4, -8161, 24, 32}, false}};
    for (const auto& request : requests) {
        HBRUSH brush = CreateSolidBrush(marker);
        const RECT all{0, 0, 64, 32};
        FillRect(memory, &all, brush);
        DeleteObject(brush);
        DRAWITEMSTRUCT draw{ODT_MENU,     0, 7, ODA_DRAWENTIRE, 0, reinterpret_cast<HWND>(raw), memory,
                            request.rect, 0};
        EXPECT_EQ(TRUE, SendMessageA(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)));
        const LONG w = request.rect.right - request.rect.left, h = request.rect.bottom - request.rect.top;
        if (request.drawn) {
            EXPECT_EQ(RGB(0xA0, 0x00, 0x01), GetPixel(memory, 60, 14)) << "the item's normal frame";
            EXPECT_EQ(marker, GetPixel(memory, 60, 2)) << "above the item";
            EXPECT_EQ(marker, GetPixel(memory, 60, 28)) << "below the item";
        } else {
            EXPECT_EQ(marker, GetPixel(memory, 14, 14)) << w << " x " << h;
            EXPECT_EQ(marker, GetPixel(memory, 60, 14)) << w << " x " << h;
        }
    }
    SelectObject(memory, old);
    DeleteObject(bits);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    frame->Menus().SetDropDownMenu(nullptr);
    DestroyMenu(raw);
}

// Black (the skin's MenuText) pixels an item of "&Hum" shows when drawn with that state, through
// the window that owns its menu.
int gBlackPixels = -1;
void CountBlackOfDrawnItem(HWND owner, HMENU menu, UINT command, UINT state) {
    constexpr int w = 80, h = 20;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bits = CreateCompatibleBitmap(screen, w, h);
    HGDIOBJ old = SelectObject(memory, bits);
    DRAWITEMSTRUCT draw{ODT_MENU,     0, command, ODA_DRAWENTIRE, state, reinterpret_cast<HWND>(menu), memory,
                        {0, 0, w, h}, 0};
    SendMessageA(owner, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    gBlackPixels = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            gBlackPixels += GetPixel(memory, x, y) == RGB(0, 0, 0) ? 1 : 0;
        }
    }
    SelectObject(memory, old);
    DeleteObject(bits);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

TEST_F(MenuSkin, HiddenAccessKeysLeaveNoUnderline) {
    // Under this platform the underline runs under the letter's advance less its last pixel,
    // on a row of its own below the letters (no letter of "Hum" reaches below the baseline).
    const int underline = TextSize("H").cx - 1;
    ASSERT_GT(underline, 0);
    HMENU raw = CreatePopupMenu();
    AppendMenuA(raw, MF_STRING, 7, "&Hum");
    CountBlackOfDrawnItem(form->Handle(), raw, 7, 0);
    const int rawShown = gBlackPixels;
    CountBlackOfDrawnItem(form->Handle(), raw, 7, ODS_NOACCEL);
    EXPECT_EQ(underline, rawShown - gBlackPixels) << "an item of the window's own menu";
    DestroyMenu(raw);

    // A converted item of a popup menu, asked through the window that shows the menu.
    static int popupShown = -1, popupHidden = -1;
    popup->Items().Item(0)->SetCaption("&Hum");
    static UINT command = 0;
    command = popup->Items().Item(0)->Command();
    TPopupMenu::SetPopupAnswer([](HMENU menu) {
        CountBlackOfDrawnItem(Application->Handle(), menu, command, 0);
        popupShown = gBlackPixels;
        CountBlackOfDrawnItem(Application->Handle(), menu, command, ODS_NOACCEL);
        popupHidden = gBlackPixels;
        return 0;
    });
    popup->Popup(10, 10);
    TPopupMenu::SetPopupAnswer({});
    EXPECT_EQ(underline, popupShown - popupHidden) << "an item of a popup menu";
}

TEST_F(MenuSkin, DetachingGivesTheItemsBackAndAFreedSkinnerIsNotWaitedFor) {
    EXPECT_NE(nullptr, popup->Items().Item(0)->OnDrawItem.target<TSkinItemPainter>());
    skin->SetActive(false);
    Pump(600);
    ASSERT_EQ(nullptr, WindowsSkinManager()->FindFormObject(form->Handle()));
    EXPECT_FALSE(popup->OwnerDraw());
    EXPECT_FALSE(popup->Items().Item(0)->OnDrawItem);
    EXPECT_FALSE(popup->Items().Item(0)->OnMeasureItem);
    EXPECT_TRUE(own->OnDrawItem) << "the program's own drawing stays";

    // A skinner that painted before any item told it its menu waits; freed, it no longer does.
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP | WS_VISIBLE, 10, 10, 50, 40,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    auto* skinner = new TWinSkinPopMenu(window, *skin);
    ASSERT_TRUE(skinner->Attach());
    skin->SetActive(true);
    Pump(600);
    SendMessageA(window, WM_NCPAINT, 1, 0);
    EXPECT_EQ(skinner, TWinSkinPopMenu::Waiting());
    // Printed (as the platform does to animate a menu): the background first, the window inside.
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bits = CreateCompatibleBitmap(screen, 50, 40);
    HGDIOBJ old = SelectObject(memory, bits);
    SendMessageA(window, WM_PRINT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_NONCLIENT);
    const auto printed = [memory](int x, int y) {
        const COLORREF c = GetPixel(memory, x, y);
        return (std::uint32_t{GetRValue(c)} << 16) | (GetGValue(c) << 8) | GetBValue(c);
    };
    EXPECT_EQ(Back, printed(1, 1));
    EXPECT_EQ(Back, printed(48, 38));
    const RECT blank{0, 0, 50, 40};
    FillRect(memory, &blank, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    EXPECT_EQ(Back, printed(1, 1)) << "the client area printed: the ring over it";
    SelectObject(memory, old);
    DeleteObject(bits);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    delete skinner;
    EXPECT_EQ(nullptr, TWinSkinPopMenu::Waiting());
    TWinSkinPopMenu::LinkWaiting(reinterpret_cast<HMENU>(1)); // nothing to link, nothing touched
    DestroyWindow(window);
}

} // namespace
} // namespace quellar
