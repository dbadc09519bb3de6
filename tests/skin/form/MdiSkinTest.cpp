// MDI frames and children of our framework wearing a hand-made skin: children skinned as they
// open, a maximised child's buttons in the frame's bar (pixels against the skin's own strip),
// restore and close from them, the bar taken back from the main menu, and the messages of the
// MDI client that change the bar.
#include "skin/form/SkinMessages.h"
#include "skin/manager/WinSkinManage.h"
#include "skin/menu/MenuBar.h"
#include "skin/model/WinSkinData.h"
#include "tests/support/FrameworkBuilders.h"
#include "tests/support/SkinFiles.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/Forms.h"
#include "ui/Menus.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <utility>

namespace quellar {
namespace {

using test::Pump;
using test::WindowPixel;

constexpr std::uint32_t LeftColour = 0x802010, Menubar = 0xB4B4B4;
// The MDI strip: minimise, restore, close; four frames each (normal, pressed, hot, inactive).
constexpr std::uint32_t MdiCells[3][4] = {{0x300000, 0x310000, 0x320000, 0x330000},
                                          {0x003000, 0x003100, 0x003200, 0x003300},
                                          {0x000030, 0x000031, 0x000032, 0x000033}};
constexpr int CellW = 10, CellH = 14;

std::vector<std::uint8_t> MdiButtonsSkin() {
    std::vector<std::uint32_t> cells;
    for (const auto& button : MdiCells) {
        cells.insert(cells.end(), std::begin(button), std::end(button));
    }
    return test::SkinFile("[Personality]\nLeft=l.bmp\nLeftTrans=1\nRight=r.bmp\nTop=t.bmp\nBottom=b.bmp\n"
                          "[Colours]\nButtonFace=200,200,200\nMenubar=180,180,180\n"
                          "[MDICONTROLS]\nImage=mdi.bmp\n",
                          {{"l.bmp", test::Strip(6, 30, {LeftColour}, false, {{0, 0}})},
                           {"r.bmp", test::Bmp(6, 30, LeftColour)},
                           {"t.bmp", test::Bmp(40, 24, 0x2050A0)},
                           {"b.bmp", test::Bmp(40, 5, LeftColour)},
                           {"mdi.bmp", test::Strip(CellW, CellH, cells)}});
}

class TTestMdiFrame : public TForm {
    QUELLAR_COMPONENT_CLASS(TTestMdiFrame, TForm)
public:
    explicit TTestMdiFrame(TComponent* owner) : TForm(owner) {
        SetFormStyle(TFormStyle::fsMDIForm);
        SetCaption("Frame");
        SetClientSize(500, 340);
        menu = new TMainMenu(this);
        window = test::AddMenuItem(this, menu->Items(), "&Window");
        test::AddMenuItem(this, *window, "&Tile");
        test::AddMenuItem(this, menu->Items(), "&Help");
        SetMenu(menu);
        SetWindowMenu(window);
    }
    TMainMenu* menu = nullptr;
    TMenuItem* window = nullptr;
};

// A timer's procedure: whatever menu shows is closed (a lambda is not stdcall on 32-bit).
void CALLBACK CloseMenu(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    EndMenu();
}

class MdiSkin : public ::testing::Test {
protected:
    void SetUp() override {
        InstallWindowsSkinManager();
        app = new TApplication();
        app->Initialize();
        skin = new TSkinData(nullptr);
        ASSERT_TRUE(skin->LoadSkinBytes(MdiButtonsSkin()));
        skin->Loaded();
        manager = WindowsSkinManager();
        skin->SetActive(true);
        frame = new TTestMdiFrame(app);
        frame->Show();
        SetForegroundWindow(frame->Handle());
        Pump(200);
        ASSERT_NE(nullptr, FrameObject());
    }
    void TearDown() override {
        delete app;
        delete skin;
        FreeSkinManage();
        SetSkinManageFactory(nullptr);
    }
    TWinSkinForm* FrameObject() const { return manager->FindFormObject(frame->Handle()); }
    TForm* NewChild(const char* caption) {
        auto* child = new TForm(frame);
        child->SetFormStyle(TFormStyle::fsMDIChild);
        child->SetCaption(caption);
        child->SetClientSize(220, 120);
        child->Show();
        Pump(100);
        return child;
    }
    // The middle of the frame's caption button for MDI button k, in window coordinates.
    POINT BarButton(int k) const {
        const auto& buttons = FrameObject()->Buttons().List();
        const TSkinRect& r = buttons[buttons.size() - 3 + static_cast<std::size_t>(k)]->rect;
        return {static_cast<int>(r.left + r.right) / 2, static_cast<int>(r.top + r.bottom) / 2};
    }
    void Click(HWND window, POINT p) const {
        RECT r{};
        GetWindowRect(window, &r);
        const LPARAM at = MAKELPARAM(r.left + p.x, r.top + p.y);
        SendMessageA(window, WM_NCMOUSEMOVE, HTMENU, at);
        SendMessageA(window, WM_NCLBUTTONDOWN, HTMENU, at);
        SendMessageA(window, WM_NCLBUTTONUP, HTMENU, at);
        Pump(300);
    }
    static bool HasRegion(HWND window) {
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        const bool has = GetWindowRgn(window, region) != ERROR;
        DeleteObject(region);
        return has;
    }
    std::vector<std::string> BarCaptions() const {
        std::vector<std::string> captions;
        const TWinSkinMenu* bar = FrameObject()->Menus().MenuBar();
        for (int i = 0; bar != nullptr && i < bar->Count(); ++i) {
            captions.push_back(bar->Item(i).caption);
        }
        return captions;
    }
    TApplication* app = nullptr;
    TSkinData* skin = nullptr;
    TWinSkinManage* manager = nullptr;
    TTestMdiFrame* frame = nullptr;
};

TEST_F(MdiSkin, AMaximisedChildsButtonsSitInTheFramesBarAndActFromThere) {
    TForm* child = NewChild("One");
    HWND window = child->Handle();
    // Skinned as it opened: the framework's client refreshed its menu after making it.
    ASSERT_EQ(1, SendMessageA(window, SkinQuery, 0, 0));
    EXPECT_EQ(mkChild, manager->FindFormObject(window)->Fit().Facts().mdiKind);
    EXPECT_EQ(LeftColour, WindowPixel(window, 2, 60));
    EXPECT_TRUE(HasRegion(window)) << "its cut corner";
    EXPECT_EQ(0, GetWindowLongPtrA(window, GWL_STYLE) & WS_CAPTION);

    SendMessageA(frame->ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window), 0);
    Pump(300);
    EXPECT_TRUE(manager->MdiMaximized());
    EXPECT_FALSE(HasRegion(window)) << "maximised, the child shows its whole platform frame";
    EXPECT_EQ(WS_CAPTION, GetWindowLongPtrA(window, GWL_STYLE) & WS_CAPTION);
    const int barTop = 24, barBottom = 24 + GetSystemMetrics(SM_CYMENU);
    for (int k = 0; k < 3; ++k) {
        const POINT p = BarButton(k);
        EXPECT_GT(p.y, barTop) << k;
        EXPECT_LT(p.y, barBottom) << k;
        EXPECT_EQ(MdiCells[k][0], WindowPixel(frame->Handle(), p.x, p.y)) << "button " << k << ", frame 1";
    }

    // Its restore button restores it: the bar is plain again and the child's frame the skin's.
    const POINT restore = BarButton(1);
    Click(frame->Handle(), restore);
    EXPECT_FALSE(IsZoomed(window));
    EXPECT_FALSE(manager->MdiMaximized());
    EXPECT_TRUE(HasRegion(window));
    EXPECT_EQ(Menubar, WindowPixel(frame->Handle(), restore.x, restore.y));

    // Maximised again, its close button closes it, and the bar is the main menu's again.
    SendMessageA(frame->ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(window), 0);
    Pump(300);
    Click(frame->Handle(), BarButton(2));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_TRUE(frame->MdiChildren().empty());
    EXPECT_FALSE(manager->MdiMaximized());
    EXPECT_EQ((std::vector<std::string>{"&Window", "&Help"}), BarCaptions());
}

TEST_F(MdiSkin, TheClientsMenuMessagesChangeTheBarOnlyWhenTheMenuDoes) {
    TForm* child = NewChild("One");
    TWinSkinForm* object = FrameObject();
    TWinSkinMenu* bar = object->Menus().MenuBar();
    ASSERT_NE(nullptr, bar);
    // The same menu again keeps the bar as it is (the item under the mouse stays lit).
    SendMessageA(frame->Handle(), WM_NCMOUSEMOVE, HTMENU, [&] {
        RECT r{};
        GetWindowRect(frame->Handle(), &r);
        const TSkinRect& item = bar->Item(0).rect;
        return MAKELPARAM(r.left + (item.left + item.right) / 2, r.top + (item.top + item.bottom) / 2);
    }());
    ASSERT_EQ(&bar->Item(0), object->hotItem);
    SendMessageA(frame->ClientHandle(), WM_MDISETMENU, reinterpret_cast<WPARAM>(bar->Menu()), 0);
    EXPECT_EQ(&bar->Item(0), object->hotItem);
    EXPECT_EQ(nullptr, GetMenu(frame->Handle())) << "the native bar stays away";

    // Another menu: the bar takes its items; the last child closing gives the main menu back.
    HMENU other = CreateMenu();
    AppendMenuA(other, MF_STRING, 1, "&Document");
    SendMessageA(frame->ClientHandle(), WM_MDISETMENU, reinterpret_cast<WPARAM>(other), 0);
    EXPECT_EQ(std::vector<std::string>{"&Document"}, BarCaptions());
    EXPECT_EQ(nullptr, GetMenu(frame->Handle()));
    delete child;
    Pump(100);
    EXPECT_EQ((std::vector<std::string>{"&Window", "&Help"}), BarCaptions());
    DestroyMenu(other);
}

TEST_F(MdiSkin, ChildrenKeepThePlatformsMenuAndComeBackWithTheSkin) {
    TForm* child = NewChild("One");
    HWND window = child->Handle();
    // A right click on a child's caption is the child's own: the skin shows no menu of its own
    // (the timer would close one) and hands the click on.
    SetTimer(nullptr, 0, 300, &CloseMenu);
    TWndMethod own = child->WindowProc;
    int handedOn = 0;
    child->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_NCRBUTTONDOWN) {
            ++handedOn; // not passed further: the platform would wait for the button to come up
            return;
        }
        own(m);
    };
    RECT r{};
    GetWindowRect(window, &r);
    SendMessageA(window, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(r.left + 60, r.top + 10));
    child->WindowProc = own;
    Pump(400);
    EXPECT_EQ(1, handedOn);

    // Switched off and on again, the skin takes the child on with its frame.
    skin->SetActive(false);
    Pump(600);
    EXPECT_NE(1, SendMessageA(window, SkinQuery, 0, 0));
    skin->SetActive(true);
    Pump(600);
    EXPECT_EQ(1, SendMessageA(window, SkinQuery, 0, 0));
    EXPECT_EQ(LeftColour, WindowPixel(window, 2, 60));
}

} // namespace
} // namespace quellar
