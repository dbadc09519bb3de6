// A real window with a menu, wearing a hand-made skin whose frames are flat colours: the bar
// that replaces the window's menu bar (its items where worked out by hand, its pixels the skin's
// own), its drop-downs opened by a click, the arrow keys and Alt with a letter, and the menu
// given back with every item's own type when the skin comes off.
#include "skin/menu/MenuBar.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/menu/MenuTracking.h"
#include "skin/model/WinSkinData.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/SkinFiles.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/Forms.h"
#include "ui/Messages.h"
#include "ui/StdCtrls.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace quellar {
namespace {

using test::Pump;
using test::Role;

constexpr std::uint32_t Border = 0x404080, BarActive = 0x20A040, BarInactive = 0x607060, BarColour = 0x3070B0,
                        Hilight = 0xF0E010;
constexpr int ClientW = 320, ClientH = 200, Left = 6, Top = 24, BarCap = 5;

// Borders 6 / 24 / 6 / 5; with a MenuBar element (caps of 5, active and inactive frames) or
// only the Menubar colour.
std::vector<std::uint8_t> BarSkin(bool element) {
    std::string ini = "[Personality]\nLeft=s.bmp\nRight=s.bmp\nTop=t.bmp\nBottom=b.bmp\n";
    if (element) {
        ini += "menuBar=bar.bmp\nTileLeftMenu=5\nTileRightMenu=5\n";
    }
    ini += "[Colours]\nButtonFace=200,200,200\nMenubar=48,112,176\nMenuBarText=0,0,0\n"
           "ButtonHilight=240,224,16\n";
    return test::SkinFile(ini, {{"s.bmp", test::Bmp(6, 30, Border)},
                                {"t.bmp", test::Bmp(40, 24, Border)},
                                {"b.bmp", test::Bmp(40, 5, Border)},
                                {"bar.bmp", test::Strip(40, 20, {BarActive, BarInactive}, true)}});
}

HMENU Popup(const std::vector<std::pair<const char*, UINT>>& items) {
    HMENU menu = CreatePopupMenu();
    for (const auto& [text, flags] : items) {
        static UINT id = 100;
        AppendMenuA(menu, flags, (flags & MF_SEPARATOR) != 0 ? 0 : ++id, text);
    }
    return menu;
}

// &File (New, a separator, Recent with its own submenu, a disabled Exit), &Edit (a checked
// Undo, a greyed Cut), &View, &Help.
HMENU WindowMenu() {
    HMENU recent = Popup({{"One", MF_STRING}, {"Two", MF_STRING}});
    HMENU file = Popup({{"&New", MF_STRING}, {nullptr, MF_SEPARATOR}});
    AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "&Recent");
    AppendMenuA(file, MF_STRING | MF_DISABLED, 190, "E&xit");
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AppendMenuA(bar, MF_POPUP,
                reinterpret_cast<UINT_PTR>(Popup({{"&Undo", MF_STRING | MF_CHECKED}, {"Cu&t", MF_GRAYED}})),
                "&Edit");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Popup({{"&Status bar", MF_CHECKED}})), "&View");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Popup({{"&About", MF_STRING}})), "&Help");
    return bar;
}

// Every item's type and text, nested submenus included, in order.
void ReadTypes(HMENU menu, std::vector<std::pair<UINT, std::string>>& out) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[81] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_SUBMENU;
        info.dwTypeData = text;
        info.cch = 80;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        out.emplace_back(info.fType, text);
        if (info.hSubMenu != nullptr) {
            ReadTypes(info.hSubMenu, out);
        }
    }
}

// A script run from a thread timer, so it goes on inside the menu's own message loop: at each
// tick the drop-down open then is noted, then the next key is posted; after the last, whatever
// is still open is ended.
struct TScript {
    HWND window = nullptr;
    TWinSkinForm* form = nullptr;
    std::vector<WPARAM> keys; // kDetach takes the skin off instead
    std::size_t next = 0;
    std::vector<HMENU> seen; // the drop-down open at each tick
    std::vector<int> hooks;  // the bar's filter hooks installed at each tick
    bool done = false;
};
TScript gScript;
constexpr WPARAM kDetach = 0;
constexpr WPARAM kSlideTo = 0x1000;     // + i: the pointer moves onto bar item i
constexpr WPARAM kClickOn = 0x2000;     // + i: a left click on bar item i
constexpr WPARAM kRightChoose = 0x3000; // + i: a right click on item i of the open drop-down

// A click of the button (down and up) at p on screen, as the menu loop reads it.
void PostClick(HWND window, POINT p, UINT down, UINT up) {
    SetCursorPos(p.x, p.y);
    PostMessageA(window, down, 0, MAKELPARAM(p.x, p.y));
    PostMessageA(window, up, 0, MAKELPARAM(p.x, p.y));
}

// The centre of bar item i on screen.
POINT ItemCentre(HWND window, TWinSkinForm& form, int i) {
    RECT outer{};
    GetWindowRect(window, &outer);
    const TSkinRect& r = form.Menus().MenuBar()->Item(i).rect;
    return {outer.left + (r.left + r.right) / 2, outer.top + (r.top + r.bottom) / 2};
}

void CALLBACK ScriptTick(HWND, UINT, UINT_PTR id, DWORD) {
    gScript.seen.push_back(gScript.form->Menus().DropDownMenu());
    gScript.hooks.push_back(MenuFilterHookCount());
    if (gScript.next < gScript.keys.size()) {
        if (const WPARAM key = gScript.keys[gScript.next++]; key == kDetach) {
            gScript.form->DetachAndRestore();
        } else if (key >= kRightChoose) {
            RECT r{};
            GetMenuItemRect(nullptr, gScript.form->Menus().DropDownMenu(),
                            static_cast<UINT>(key - kRightChoose), &r);
            PostClick(gScript.window, {(r.left + r.right) / 2, (r.top + r.bottom) / 2}, WM_RBUTTONDOWN,
                      WM_RBUTTONUP);
        } else if (key >= kClickOn) {
            PostClick(gScript.window,
                      ItemCentre(gScript.window, *gScript.form, static_cast<int>(key - kClickOn)),
                      WM_LBUTTONDOWN, WM_LBUTTONUP);
        } else if (key >= kSlideTo) {
            const POINT p = ItemCentre(gScript.window, *gScript.form, static_cast<int>(key - kSlideTo));
            SetCursorPos(p.x, p.y);
            PostMessageA(gScript.window, WM_MOUSEMOVE, 0, 0);
        } else {
            PostMessageA(gScript.window, WM_KEYDOWN, key, 0);
        }
        return;
    }
    KillTimer(nullptr, id);
    EndMenu();
    gScript.done = true;
}

class MenuBar : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::RegisterWindowClass("MenuBarTestWindow"); }
    void Open(bool element) {
        skin = new TSkinData(nullptr);
        ASSERT_TRUE(skin->LoadSkinBytes(BarSkin(element)));
        menu = WindowMenu();
        types.clear();
        ReadTypes(menu, types);
        RECT r{0, 0, ClientW, ClientH};
        AdjustWindowRectEx(&r, WS_OVERLAPPEDWINDOW, TRUE, 0);
        window =
            CreateWindowExA(0, "MenuBarTestWindow", "Menu bar", WS_OVERLAPPEDWINDOW, 40, 40, r.right - r.left,
                            r.bottom - r.top, nullptr, menu, GetModuleHandleA(nullptr), nullptr);
        client = ClientSize();
        form = new TWinSkinForm(window, *skin, nullptr);
        form->Attach();
        SendMessageA(window, SkinAttached, 0, 0);
        SetCursorPos(790, 590); // away from the window and its menus
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
        Pump(300);
        recorder.Watch(window, Role::Form);
    }
    void TearDown() override {
        recorder.Unwatch(window);
        delete form;
        if (IsWindow(window)) {
            DestroyWindow(window);
        }
        delete skin;
    }
    SIZE ClientSize() const {
        RECT c{};
        GetClientRect(window, &c);
        return {c.right, c.bottom};
    }
    // Posts `start` (unless it is 0), then runs the keys from the timer until the script has ended.
    void Run(UINT message, WPARAM wParam, LPARAM lParam, std::vector<WPARAM> keys) {
        gScript = TScript{};
        gScript.window = window;
        gScript.form = form;
        gScript.keys = std::move(keys);
        recorder.Clear();
        SetTimer(nullptr, 0, 120, &ScriptTick);
        if (message != 0) {
            PostMessageA(window, message, wParam, lParam);
        }
        if (message == WM_NCLBUTTONDOWN) {
            PostMessageA(window, WM_NCLBUTTONUP, wParam, lParam);
        }
        for (int i = 0; i < 100 && !gScript.done; ++i) {
            Pump(50);
        }
        SetCursorPos(790, 590);
        ASSERT_TRUE(gScript.done);
    }
    // The centre of bar item i in screen coordinates, as a mouse message carries it.
    LPARAM ItemPoint(int i) const {
        const POINT p = ItemCentre(window, *form, i);
        return MAKELPARAM(p.x, p.y);
    }
    // How often the window was posted the command id since the last Run.
    int Commands(UINT id) {
        int n = 0;
        for (const auto& m : recorder.Sequence(Role::Form)) {
            n += m.message == WM_COMMAND && LOWORD(m.wParam) == id && (m.flags & test::kPosted) != 0 ? 1 : 0;
        }
        return n;
    }
    std::vector<HMENU> Popups() {
        std::vector<HMENU> shown;
        for (const auto& m : recorder.Sequence(Role::Form)) {
            if (m.message == WM_INITMENUPOPUP) {
                shown.push_back(reinterpret_cast<HMENU>(m.wParam));
            }
        }
        return shown;
    }

    TSkinData* skin = nullptr;
    TWinSkinForm* form = nullptr;
    HWND window = nullptr;
    HMENU menu = nullptr;
    SIZE client{};
    std::vector<std::pair<UINT, std::string>> types;
    test::MessageRecorder recorder;
};

TEST_F(MenuBar, ItemsSitWhereWorkedOutOnTheSkinsBar) {
    for (const bool element : {true, false}) {
        SCOPED_TRACE(element ? "MenuBar element" : "Menubar colour only");
        Open(element);
        EXPECT_EQ(nullptr, GetMenu(window)) << "the window's own bar is gone";
        EXPECT_EQ(client.cx, ClientSize().cx);
        EXPECT_EQ(client.cy, ClientSize().cy);
        ASSERT_NE(nullptr, form->Menus().MenuBar());
        ASSERT_EQ(4, form->Menus().MenuBar()->Count());
        // Widths from the captions in the menu font, + 10 each, from the first x on.
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        HFONT font = CreateFontIndirectA(&metrics.lfMenuFont);
        HDC dc = GetDC(window);
        HGDIOBJ old = SelectObject(dc, font);
        int x = Left + (element ? BarCap + 4 : 6);
        const int bottom = Top + GetSystemMetrics(SM_CYMENU) - 1;
        const char* captions[] = {"&File", "&Edit", "&View", "&Help"};
        for (int i = 0; i < 4; ++i) {
            RECT text{0, 0, 0, 0};
            DrawTextA(dc, captions[i], -1, &text, DT_CALCRECT | DT_SINGLELINE);
            EXPECT_EQ((TSkinRect{x, Top, x + text.right + 10, bottom}), form->Menus().MenuBar()->Item(i).rect)
                << captions[i];
            x += text.right + 10;
        }
        SelectObject(dc, old);
        ReleaseDC(window, dc);
        DeleteObject(font);
        // The bar's pixels right of the last item: the element's frame, or the colour.
        const int px = Left + ClientW - 2, py = Top + 2;
        EXPECT_EQ(element ? BarActive : BarColour, test::WindowPixel(window, px, py));
        // The item under the mouse gets a frame in ButtonHilight; its inside stays the bar's.
        const TSkinRect& edit = form->Menus().MenuBar()->Item(1).rect;
        const std::uint32_t inside = test::WindowPixel(window, edit.left + 1, edit.top + 1);
        SendMessageA(window, WM_NCMOUSEMOVE, HTMENU, ItemPoint(1));
        EXPECT_EQ(Hilight, test::WindowPixel(window, edit.left, edit.top + 3));
        EXPECT_EQ(inside, test::WindowPixel(window, edit.left + 1, edit.top + 1));
        SendMessageA(window, WM_NCACTIVATE, FALSE, 0);
        EXPECT_EQ(element ? BarInactive : BarColour, test::WindowPixel(window, px, py));
        TearDown();
    }
    form = nullptr;
    window = nullptr;
    skin = nullptr;
}

// Answers WM_QUERYUISTATE in front of the skin: this Wine reports the access keys shown whatever
// it is told, so the test plays the state that Windows keeps per window.
struct TKeyboardCues : TSubclassHandler {
    LRESULT state = 0;
    bool OnMessage(HWND, UINT message, WPARAM, LPARAM, LRESULT& result) override {
        if (message != WM_QUERYUISTATE) {
            return false;
        }
        result = state;
        return true;
    }
};

TEST_F(MenuBar, TheBarsUnderlinesFollowTheWindowsKeyboardCues) {
    Open(true);
    TKeyboardCues cues;
    SubclassChain::Attach(window, &cues);
    const TSkinRect box = form->Menus().MenuBar()->Item(0).rect; // "&File", in MenuBarText (black)
    const auto blackPixels = [this, &box] {
        int count = 0;
        for (int y = box.top; y < box.bottom; ++y) {
            for (int x = box.left; x < box.right; ++x) {
                count += test::WindowPixel(window, x, y) == 0 ? 1 : 0;
            }
        }
        return count;
    };
    // What a top-level window is sent when its keyboard cues change.
    SendMessageA(window, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0);
    const int shown = blackPixels();
    cues.state = UISF_HIDEACCEL;
    SendMessageA(window, WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEACCEL), 0);
    const int hidden = blackPixels();
    SubclassChain::Detach(window, &cues);
    // Under this platform the underline runs under the letter's advance less its last pixel.
    HDC dc = GetDC(window);
    HGDIOBJ old = SelectObject(dc, form->Menus().MenuBar()->Font());
    SIZE letter{};
    GetTextExtentPoint32A(dc, "F", 1, &letter);
    SelectObject(dc, old);
    ReleaseDC(window, dc);
    EXPECT_EQ(letter.cx - 1, shown - hidden);
}

TEST_F(MenuBar, ClickArrowsAndAltLetterOpenTheRightDropDownsAndEscCloses) {
    Open(true);
    const auto sub = [this](int i) { return i < 0 ? nullptr : GetSubMenu(menu, i); };
    const struct {
        const char* what;
        UINT message;
        int item; // clicked, or -1 for a key message
        WPARAM key;
        std::vector<WPARAM> keys;
        std::vector<int> seen, popups;
    } rows[] = {
        {"click on the last, right wraps to the first, left back, Esc",
         WM_NCLBUTTONDOWN,
         3,
         0,
         {VK_RIGHT, VK_LEFT, VK_ESCAPE},
         {3, 0, 3, -1},
         {3, 0, 3}},
        {"click on Edit, Esc", WM_NCLBUTTONDOWN, 1, 0, {VK_ESCAPE}, {1, -1}, {1}},
        {"Alt+V", WM_SYSCHAR, -1, 'v', {VK_ESCAPE}, {2, -1}, {2}},
        {"Alt+H, then left from a selected item",
         WM_SYSCHAR,
         -1,
         'h',
         {VK_LEFT, VK_ESCAPE},
         {3, 2, -1},
         {3, 2}},
        {"Alt and a letter no item has", WM_SYSCHAR, -1, 'q', {}, {-1}, {}},
        {"click on File, the pointer slides to View, Esc",
         WM_NCLBUTTONDOWN,
         0,
         0,
         {kSlideTo + 2, VK_ESCAPE},
         {0, 2, -1},
         {0, 2}},
    };
    for (const auto& row : rows) {
        const LPARAM where = row.item >= 0 ? ItemPoint(row.item) : LPARAM{1} << 29; // Alt held
        Run(row.message, row.item >= 0 ? HTMENU : row.key, where, row.keys);
        std::vector<HMENU> seen, popups;
        for (int i : row.seen) {
            seen.push_back(sub(i));
        }
        for (int i : row.popups) {
            popups.push_back(sub(i));
        }
        EXPECT_EQ(seen, gScript.seen) << row.what;
        EXPECT_EQ(popups, Popups()) << row.what;
        for (std::size_t t = 0; t < row.seen.size(); ++t) {
            EXPECT_EQ(row.seen[t] >= 0 ? 1 : 0, gScript.hooks[t]) << row.what << ", tick " << t;
        }
        EXPECT_EQ(0, MenuFilterHookCount()) << row.what;
        EXPECT_FALSE(MenuBarTracking()) << row.what;
    }
}

// A plain command on the bar shows pressed under the button and runs when clicked, also while
// another item's drop-down is open; in a drop-down the right button chooses an item too.
TEST_F(MenuBar, PlainCommandsRunWhenClickedAndEitherButtonChoosesFromADropDown) {
    Open(true);
    constexpr UINT kGo = 300;
    AppendMenuA(menu, MF_STRING, kGo, "&Go");
    form->Menus().MenuBar()->LoadFromMenu(menu);
    form->PaintFrame();
    ASSERT_EQ(5, form->Menus().MenuBar()->Count());
    const TSkinRect go = form->Menus().MenuBar()->Item(4).rect;
    recorder.Clear();
    SendMessageA(window, WM_NCLBUTTONDOWN, HTMENU, ItemPoint(4));
    EXPECT_EQ(Hilight, test::WindowPixel(window, go.left, go.top + 3)) << "pressed";
    SendMessageA(window, WM_NCLBUTTONUP, HTMENU, ItemPoint(4));
    Pump(50);
    EXPECT_EQ(1, Commands(kGo));

    Run(WM_NCLBUTTONDOWN, HTMENU, ItemPoint(0), {kClickOn + 4});
    EXPECT_EQ((std::vector<HMENU>{GetSubMenu(menu, 0), nullptr}), gScript.seen);
    EXPECT_EQ(1, Commands(kGo)) << "clicked while File was open";

    Run(WM_NCLBUTTONDOWN, HTMENU, ItemPoint(0), {kRightChoose + 0});
    EXPECT_EQ(1, Commands(GetMenuItemID(GetSubMenu(menu, 0), 0))) << "New, chosen with the right button";
}

TEST_F(MenuBar, DetachGivesTheMenuBackWithItsOwnTypesAndTheClientSize) {
    Open(true);
    Run(WM_NCLBUTTONDOWN, HTMENU, ItemPoint(0), {VK_ESCAPE});
    // While skinned, the opened drop-down and its nested submenu are ours to draw.
    std::vector<std::pair<UINT, std::string>> skinned;
    ReadTypes(GetSubMenu(menu, 0), skinned);
    ASSERT_EQ(6u, skinned.size());
    for (const auto& [type, text] : skinned) {
        EXPECT_NE(0u, type & MFT_OWNERDRAW) << text;
    }
    // Taken off while Edit's drop-down is open: the menu closes and no hook stays behind.
    Run(WM_NCLBUTTONDOWN, HTMENU, ItemPoint(1), {kDetach});
    EXPECT_EQ((std::vector<HMENU>{GetSubMenu(menu, 1), nullptr}), gScript.seen);
    EXPECT_EQ((std::vector<int>{1, 0}), gScript.hooks);
    EXPECT_EQ(menu, GetMenu(window));
    std::vector<std::pair<UINT, std::string>> after;
    ReadTypes(menu, after);
    EXPECT_EQ(types, after);
    EXPECT_EQ(client.cx, ClientSize().cx);
    EXPECT_EQ(client.cy, ClientSize().cy);
}

// On a form of ours, Alt and a letter reach the bar before a button with the same accelerator.
TEST_F(MenuBar, OnOurFormAltAndALetterGoToTheBarBeforeTheControls) {
    auto* app = new TApplication();
    app->Initialize();
    auto* ours = new TForm(app);
    ours->SetClientSize(300, 120);
    auto* button = new TButton(ours);
    button->SetParent(ours);
    button->SetCaption("&Edit");
    int clicks = 0;
    button->OnClick = [&clicks](TComponent*) { ++clicks; };
    ours->Show();
    skin = new TSkinData(nullptr);
    ASSERT_TRUE(skin->LoadSkinBytes(BarSkin(true)));
    menu = WindowMenu();
    window = ours->Handle();
    SetMenu(window, menu);
    form = new TWinSkinForm(window, *skin, ours);
    form->Attach();
    SendMessageA(window, SkinAttached, 0, 0);
    Pump(200);
    recorder.Watch(window, Role::Form);
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_MENU] = 0x80;
    SetKeyboardState(keys);
    const LRESULT taken = ours->Perform(CM_DIALOGCHAR, 'e', LPARAM{1} << 29);
    keys[VK_MENU] = 0;
    SetKeyboardState(keys);
    EXPECT_EQ(1, taken);
    Run(0, 0, 0, {VK_ESCAPE});
    EXPECT_EQ((std::vector<HMENU>{GetSubMenu(menu, 1), nullptr}), gScript.seen);
    EXPECT_EQ(0, clicks);
    recorder.Unwatch(window);
    delete std::exchange(form, nullptr);
    delete app;
    window = nullptr;
}

TEST_F(MenuBar, AWindowDestroyedWhileSkinnedTakesItsMenuAlong) {
    Open(true);
    HMENU file = GetSubMenu(menu, 0);
    ASSERT_TRUE(IsMenu(menu));
    DestroyWindow(window);
    EXPECT_FALSE(IsMenu(menu));
    EXPECT_FALSE(IsMenu(file));
}

} // namespace
} // namespace quellar
