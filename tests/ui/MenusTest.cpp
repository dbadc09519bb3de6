// The framework's menus: shortcut texts, a form's menu bar built into a native menu that follows
// its items, commands running the items' Click, and drawing and measuring requests reaching the
// items of the menu bar and of the popup menu showing.
#include "ui/Menus.h"
#include "tests/support/FrameworkBuilders.h"
#include "ui/Forms.h"

#include <gtest/gtest.h>

#include <string>

namespace quellar {
namespace {

TEST(ShortCutText, ModifiersThenKeyName) {
    const struct {
        int shortCut;
        const char* text;
    } rows[] = {{'S' | scCtrl, "Ctrl+S"},
                {VK_F4 | scShift, "Shift+F4"},
                {VK_DELETE | scCtrl | scAlt, "Ctrl+Alt+Del"},
                {'7' | scShift | scCtrl | scAlt, "Shift+Ctrl+Alt+7"},
                {VK_F12, "F12"},
                {0, ""},
                {0xE8 | scCtrl, ""}}; // a key without a name
    for (const auto& row : rows) {
        EXPECT_EQ(row.text, ShortCutToText(row.shortCut)) << std::hex << row.shortCut;
    }
}

// Counts CM_MENUCHANGED reaching a window.
struct TMenuChangedCounter : TSubclassHandler {
    int count = 0;
    bool OnMessage(HWND, UINT message, WPARAM, LPARAM, LRESULT&) override {
        count += message == CM_MENUCHANGED ? 1 : 0;
        return false;
    }
};

std::string NativeText(HMENU menu, UINT command) {
    char text[80] = {};
    GetMenuStringA(menu, command, text, sizeof(text), MF_BYCOMMAND);
    return text;
}

class Menus : public ::testing::Test {
protected:
    void SetUp() override {
        app = new TApplication();
        app->Initialize();
        form = new TForm(app);
        form->SetClientSize(200, 100);
        bar = new TMainMenu(form);
        file = Add(bar->Items(), "&File");
        open = Add(*file, "Open");
        save = Add(*file, "Save");
        form->SetMenu(bar);
        form->Show();
        SubclassChain::Attach(form->Handle(), &changes);
    }
    void TearDown() override {
        SubclassChain::Detach(form->Handle(), &changes);
        delete app;
    }
    TMenuItem* Add(TMenuItem& parent, const char* caption) {
        return test::AddMenuItem(form, parent, caption);
    }
    TApplication* app = nullptr;
    TForm* form = nullptr;
    TMainMenu* bar = nullptr;
    TMenuItem *file = nullptr, *open = nullptr, *save = nullptr;
    TMenuChangedCounter changes;
};

TEST_F(Menus, MenuBarFollowsItsItemsAndRunsTheirCommands) {
    ASSERT_EQ(bar->Handle(), GetMenu(form->Handle()));
    EXPECT_EQ(file->Handle(), GetSubMenu(bar->Handle(), 0));
    EXPECT_EQ(file, bar->FindItemByHandle(file->Handle()));
    EXPECT_EQ(save, bar->FindItem(save->Command()));
    EXPECT_NE(open->Command(), save->Command());
    EXPECT_EQ("Open", NativeText(file->Handle(), open->Command()));

    int opened = 0;
    open->OnClick = [&opened](TComponent*) { ++opened; };
    SendMessageA(form->Handle(), WM_COMMAND, open->Command(), 0);
    EXPECT_EQ(1, opened);

    const struct {
        const char* what;
        void (*change)(TMenuItem& item);
        bool (*shows)(HMENU menu, UINT command);
    } rows[] = {
        {"caption", [](TMenuItem& i) { i.SetCaption("Open..."); },
         [](HMENU m, UINT c) { return NativeText(m, c) == "Open..."; }},
        {"shortcut", [](TMenuItem& i) { i.SetShortCut('O' | scCtrl); },
         [](HMENU m, UINT c) { return NativeText(m, c) == "Open...\tCtrl+O"; }},
        {"check mark", [](TMenuItem& i) { i.SetChecked(true); },
         [](HMENU m, UINT c) { return (GetMenuState(m, c, MF_BYCOMMAND) & MF_CHECKED) != 0; }},
        {"disabled", [](TMenuItem& i) { i.SetEnabled(false); },
         [](HMENU m, UINT c) { return (GetMenuState(m, c, MF_BYCOMMAND) & MF_GRAYED) != 0; }},
        {"hidden", [](TMenuItem& i) { i.SetVisible(false); },
         [](HMENU m, UINT c) { return GetMenuState(m, c, MF_BYCOMMAND) == static_cast<UINT>(-1); }},
    };
    for (const auto& row : rows) {
        const int before = changes.count;
        row.change(*open);
        EXPECT_TRUE(row.shows(file->Handle(), open->Command())) << row.what;
        EXPECT_EQ(before + 1, changes.count) << row.what << ": the form is told";
        EXPECT_EQ(bar->Handle(), GetMenu(form->Handle())) << row.what << ": the same menu, refilled";
    }
    SendMessageA(form->Handle(), WM_COMMAND, open->Command(), 0);
    EXPECT_EQ(1, opened) << "a disabled item's command does nothing";
}

TEST_F(Menus, DrawingAndMeasuringReachTheItems) {
    int measuredWidth = -1;
    bool drawnSelected = false;
    save->OnMeasureItem = [&measuredWidth](TMenuItem*, HDC, int& width, int& height) {
        measuredWidth = width; // the framework's own size comes first
        width = 77;
        height = 19;
    };
    save->OnDrawItem = [&drawnSelected](TMenuItem*, HDC, const RECT&, bool selected) {
        drawnSelected = selected;
    };
    bar->SetOwnerDraw(true);
    MENUITEMINFOA info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(file->Handle(), save->Command(), FALSE, &info);
    EXPECT_NE(0u, info.fType & MFT_OWNERDRAW);

    MEASUREITEMSTRUCT measure{ODT_MENU, 0, save->Command(), 0, 0, 0};
    EXPECT_EQ(TRUE, SendMessageA(form->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)));
    EXPECT_GT(measuredWidth, 0);
    EXPECT_EQ(77u, measure.itemWidth);
    EXPECT_EQ(19u, measure.itemHeight);
    HDC dc = GetDC(form->Handle());
    DRAWITEMSTRUCT draw{ODT_MENU,       0, save->Command(), ODA_DRAWENTIRE, ODS_SELECTED, nullptr, dc,
                        {0, 0, 50, 20}, 0};
    SendMessageA(form->Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
    ReleaseDC(form->Handle(), dc);
    EXPECT_TRUE(drawnSelected);

    // A popup menu's items are asked through the window that owns the menu while it shows.
    auto* popup = new TPopupMenu(form);
    TMenuItem* start = Add(popup->Items(), "START");
    start->OnMeasureItem = [](TMenuItem*, HDC, int& width, int&) { width = 55; };
    static MEASUREITEMSTRUCT popupMeasure;
    popupMeasure = {ODT_MENU, 0, start->Command(), 0, 0, 0};
    TPopupMenu::SetPopupAnswer([](HMENU) {
        SendMessageA(Application->Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&popupMeasure));
        return 0;
    });
    popup->Popup(10, 10);
    TPopupMenu::SetPopupAnswer({});
    EXPECT_EQ(55u, popupMeasure.itemWidth);
    EXPECT_EQ(nullptr, TPopupMenu::Showing()) << "only while it shows";
}

TEST_F(Menus, ShortcutsOfReachableItemsRunBeforeTheWindowSeesTheKey) {
    std::string ran; // the captions of the items that ran, then "key" when the window saw it
    auto withShortCut = [&ran](TMenuItem* item, int shortCut) {
        item->SetShortCut(shortCut);
        item->OnClick = [&ran, item](TComponent*) { ran += item->Caption(); };
        return item;
    };
    withShortCut(open, 'O' | scCtrl);
    withShortCut(save, 'S' | scCtrl)->SetEnabled(false);
    withShortCut(Add(*file, "Hidden"), VK_F2)->SetVisible(false);
    TMenuItem* closed = Add(*file, "Closed submenu");
    closed->SetEnabled(false);
    withShortCut(Add(*closed, "Inside"), VK_F3);
    withShortCut(Add((new TPopupMenu(form))->Items(), "Next"), VK_F6 | scShift);
    struct TKeySeen : TSubclassHandler {
        std::string* ran;
        bool OnMessage(HWND, UINT message, WPARAM, LPARAM, LRESULT&) override {
            *ran += message == WM_KEYDOWN || message == WM_SYSKEYDOWN ? "key" : "";
            return false;
        }
    } seen;
    seen.ran = &ran;
    SubclassChain::Attach(form->Handle(), &seen);
    const struct {
        WPARAM key;
        BYTE shift, ctrl, alt;
        const char* ran;
    } rows[] = {
        {'O', 0, 0x80, 0, "Open"},     // Ctrl+O
        {'O', 0, 0, 0, "key"},         // O alone
        {'O', 0x80, 0x80, 0, "key"},   // Shift+Ctrl+O: another shortcut
        {'S', 0, 0x80, 0, "key"},      // a disabled item
        {VK_F2, 0, 0, 0, "key"},       // an invisible item
        {VK_F3, 0, 0, 0, "key"},       // inside a disabled submenu
        {VK_F6, 0x80, 0, 0, "Next"},   // Shift+F6 of the popup menu
        {VK_F6, 0x80, 0, 0x80, "key"}, // Alt+Shift+F6
    };
    for (const auto& row : rows) {
        BYTE state[256] = {};
        state[VK_SHIFT] = row.shift;
        state[VK_CONTROL] = row.ctrl;
        state[VK_MENU] = row.alt;
        SetKeyboardState(state);
        ran.clear();
        PostMessageA(form->Handle(), row.alt != 0 ? WM_SYSKEYDOWN : WM_KEYDOWN, row.key,
                     row.alt != 0 ? 1 << 29 : 0);
        app->ProcessMessages();
        EXPECT_EQ(row.ran, ran) << "key " << row.key;
    }
    BYTE none[256] = {};
    SetKeyboardState(none);
    SubclassChain::Detach(form->Handle(), &seen);
}

} // namespace
} // namespace quellar
