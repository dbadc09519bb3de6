// The skin viewer's window: choosing skins wears them at once, a damaged file is reported and
// the skin worn before stays, and stepping through the list wraps around.
#include "SkinViewForm.h"
#include "SkinViewMdi.h"

#include "skin/controls/SkinBox.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckBox.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinScrollBar.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinTab.h"
#include "skin/controls/SkinTab31.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/form/SkinMessages.h"
#include "skin/manager/WinSkinManage.h"
#include "skin/menu/MenuBar.h"
#include "skin/menu/MenuTracking.h"
#include "skin/model/SkinDataPlatform.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/PaintSurface.h"
#include "tests/support/SkinFiles.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/Dialogs.h"
#include "ui/Menus.h"
#include "ui/StdCtrls.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <utility>

namespace quellar::test {
namespace {

class SkinView : public ::testing::Test {
protected:
    void SetUp() override {
        InstallWindowsSkinManager();
        app = new TApplication();
        app->Initialize();
        SetMessageBoxHandler([this](HWND, const std::string& text, const std::string&, unsigned) {
            boxes.push_back(text);
            return IDOK;
        });
        view = app->CreateForm<TfrmSkinView>();
        view->SetSkinList(QUELLAR_RUN_DIR, {"skin0.skn", "skin4.skn", "skin7.skn"});
        view->Show();
        Pump(300);
    }
    void TearDown() override {
        SetMessageBoxHandler({});
        delete app;
        FreeSkinManage();
        SetSkinManageFactory(nullptr);
        Pump(0);
    }
    static std::string FileName(const std::string& path) {
        return std::filesystem::path(path).filename().string();
    }
    static std::string Listed(const char* name) { return std::string(QUELLAR_RUN_DIR) + "/" + name; }
    // Opens a listed skin and lets the window take it on.
    void Wear(const char* name) {
        ASSERT_TRUE(view->OpenSkin(Listed(name))) << name;
        Pump(300);
    }
    // The colour of the form's own background, near its bottom-right corner above the status bar.
    std::uint32_t Background() const {
        RECT window{};
        GetWindowRect(view->Handle(), &window);
        POINT p{view->ClientWidth() - 6, view->ClientHeight() - 26};
        ClientToScreen(view->Handle(), &p);
        return WindowPixel(view->Handle(), p.x - window.left, p.y - window.top);
    }
    std::uint32_t FaceOfWornSkin() const {
        return PixelOf(ResolveColour(view->SkinData()->Model().Colours.ButtonFace));
    }

    TApplication* app = nullptr;
    TfrmSkinView* view = nullptr;
    std::vector<std::string> boxes;
};

TEST_F(SkinView, ANewSkinIsWornAtOnceAndADamagedOneLeavesTheLastInPlace) {
    std::uint32_t faces[2] = {};
    int i = 0;
    for (const char* name : {"skin0.skn", "skin7.skn"}) {
        ASSERT_TRUE(view->OpenSkin(Listed(name))) << name;
        Pump(100); // less than the manager's 250 ms: the skin must not wait for its timer
        faces[i] = FaceOfWornSkin();
        EXPECT_EQ(faces[i], Background()) << name;
        ++i;
    }
    ASSERT_NE(faces[0], faces[1]) << "the two skins must differ for this test to tell them apart";

    const std::string damaged = (std::filesystem::temp_directory_path() / "damaged-skin.skn").string();
    std::ofstream(damaged, std::ios::binary) << "not a skin at all";
    EXPECT_FALSE(view->OpenSkin(damaged));
    ASSERT_EQ(1u, boxes.size());
    EXPECT_NE(std::string::npos, boxes[0].find("damaged-skin.skn"));
    Pump(300);
    EXPECT_TRUE(view->SkinData()->SkinLoaded());
    EXPECT_EQ("skin7.skn", FileName(view->CurrentFile()));
    EXPECT_EQ(faces[1], Background()) << "the skin worn before stays";
    std::remove(damaged.c_str());
}

TEST_F(SkinView, SkinWarningsShowWhatTheCheckFinds) {
    const std::string hostile = (std::filesystem::temp_directory_path() / "hostile-number.skn").string();
    const std::vector<std::uint8_t> file =
        SkinFile("[Personality]\r\nLeft=l.bmp\r\nTextShift=100000\r\n", {{"l.bmp", Bmp(8, 40)}});
    std::ofstream(hostile, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    ASSERT_TRUE(view->OpenSkin(hostile));
    view->ShowWarnings();
    ASSERT_TRUE(view->OpenSkin(Listed("skin0.skn")));
    view->ShowWarnings();
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ("1 warning:\n[Personality] TextShift=100000: outside -4096 .. 4096, 4096 used", boxes[0]);
    EXPECT_EQ("The skin loads without warnings.", boxes[1]);
    std::remove(hostile.c_str());
}

TEST_F(SkinView, SteppingThroughTheListWrapsAround) {
    ASSERT_TRUE(view->OpenSkin(Listed("skin7.skn")));
    const char* expected[] = {"skin0.skn", "skin4.skn", "skin7.skn", "skin0.skn"};
    for (const char* name : expected) {
        view->StepSkin(1);
        EXPECT_EQ(name, FileName(view->CurrentFile()));
    }
    view->StepSkin(-1);
    EXPECT_EQ("skin7.skn", FileName(view->CurrentFile()));
    EXPECT_EQ(2, view->SkinCombo()->ItemIndex()) << "the list shows the skin worn";
}

// The title of the dialog that showed while the timer ran; the dialog is cancelled.
std::string gDialogSeen;
void CALLBACK CancelOpenDialog(HWND, UINT, UINT_PTR id, DWORD) {
    if (HWND dialog = FindWindowA("#32770", "Open a skin"); dialog != nullptr) {
        KillTimer(nullptr, id);
        gDialogSeen = "Open a skin";
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

TEST_F(SkinView, MenuShortcutsActFromTheKeyboard) {
    ASSERT_NO_FATAL_FAILURE(Wear("skin0.skn"));
    auto press = [this](WPARAM key, BYTE shift, BYTE ctrl) {
        BYTE state[256] = {};
        state[VK_SHIFT] = shift;
        state[VK_CONTROL] = ctrl;
        SetKeyboardState(state);
        PostMessageA(view->SkinCombo()->Handle(), WM_KEYDOWN, key, 0);
        app->ProcessMessages();
        BYTE none[256] = {};
        SetKeyboardState(none);
    };
    press(VK_F6, 0, 0);
    EXPECT_EQ("skin4.skn", FileName(view->CurrentFile())) << "F6: the next skin";
    press(VK_F6, 0x80, 0);
    EXPECT_EQ("skin0.skn", FileName(view->CurrentFile())) << "Shift+F6: the previous one";
    gDialogSeen.clear();
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, &CancelOpenDialog);
    press('O', 0, 0x80);
    KillTimer(nullptr, timer);
    EXPECT_EQ("Open a skin", gDialogSeen) << "Ctrl+O: the open dialog";
    EXPECT_EQ("skin0.skn", FileName(view->CurrentFile())) << "cancelled: the skin stays";
}

TEST_F(SkinView, ALetterTypedInAnOpenDropDownChoosesTheItemWithThatMnemonic) {
    ASSERT_NO_FATAL_FAILURE(Wear("skin0.skn"));
    static HWND window = nullptr;
    static HMENU file = nullptr;
    static LRESULT answer = 0;
    window = view->Handle();
    file = view->MainMenu()->Items().Item(0)->Handle();
    After(300, [] {
        // Our items are owner-drawn: Windows asks the window for their mnemonics.
        answer = SendMessageA(window, WM_MENUCHAR, MAKEWPARAM('n', MF_POPUP), reinterpret_cast<LPARAM>(file));
        // Typed into the menu: "&Next skin" runs.
        PostMessageA(window, WM_KEYDOWN, 'N', 0);
    });
    PostMessageA(window, SkinOpenMenuItem, 0, 1); // File, opened from the keyboard
    Pump(800);
    EXPECT_EQ(MAKELRESULT(2, MNC_EXECUTE), answer) << "n: \"&Next skin\", third";
    EXPECT_EQ(nullptr, WindowsSkinManager()->FindFormObject(window)->Menus().DropDownMenu())
        << "the menu closed";
    EXPECT_EQ("skin4.skn", FileName(view->CurrentFile()));
}

template <class Skin> bool Is(const TSkinControl* skin) {
    return dynamic_cast<const Skin*>(skin) != nullptr;
}

TEST_F(SkinView, EveryPartOfTheViewerWearsTheSkin) {
    ASSERT_NO_FATAL_FAILURE(Wear("skin0.skn"));
    TWinSkinForm* object = WindowsSkinManager()->FindFormObject(view->Handle());
    ASSERT_NE(nullptr, object);
    const std::map<std::string, std::function<bool(const TSkinControl*)>> expected = {
        {"TButton", Is<TSkinButton>},
        {"TCheckBox", Is<TSkinCheckBox>},
        {"TRadioButton", Is<TSkinRadioButton>},
        {"TGroupBox", Is<TSkinBox>},
        {"TEdit", Is<TSkinEdit>},
        {"TUpDown", Is<TSkinUpDown>},
        {"TComboBox", Is<TSkinComBox>},
        {"TTrackBar", Is<TSkinTrackBar>},
        {"TProgressBar", Is<TSkinProgress>},
        {"TMemo", Is<TSkinScrollBar>},
        {"TScrollBox", Is<TSkinScrollBar>},
        {"TTabControl", Is<TSkinTab>},
        {"TTabSet", Is<TSkinTab31>},
        {"TStatusBar", Is<TSkinStatusBar>}};
    std::map<std::string, int> seen;
    for (TComponent* component : view->Components()) {
        auto* control = dynamic_cast<TWinControl*>(component);
        const auto rule = expected.find(std::string(component->ClassName()));
        if (control == nullptr || rule == expected.end()) {
            continue;
        }
        ++seen[rule->first];
        EXPECT_TRUE(rule->second(object->Controls().SkinFor(control->Handle()))) << rule->first;
    }
    EXPECT_EQ(expected.size(), seen.size()) << "the viewer shows one of every skinned control";

    // The menu bar is the skin's: the window's own bar is gone and its three items are ours.
    EXPECT_EQ(nullptr, GetMenu(view->Handle()));
    ASSERT_NE(nullptr, object->Menus().MenuBar());
    ASSERT_EQ(4, object->Menus().MenuBar()->Count());
    EXPECT_EQ("&File", object->Menus().MenuBar()->Item(0).caption);
    EXPECT_EQ("&Help", object->Menus().MenuBar()->Item(3).caption);
    // A new skin refills the Skins menu's checks: the bar keeps working with the refilled menu.
    ASSERT_TRUE(view->OpenSkin(Listed("skin4.skn")));
    Pump(100);
    ASSERT_EQ(4, object->Menus().MenuBar()->Count());
    EXPECT_TRUE(IsMenu(object->Menus().MenuBar()->Item(0).submenu));
    EXPECT_EQ(view->MainMenu()->Items().Item(0)->Handle(), object->Menus().MenuBar()->Item(0).submenu);
}

// Runs the Window menu's item of that caption, as a click on it does.
void RunWindowItem(TfrmSkinView& view, const std::string& caption) {
    TMenuItem& window = *view.MainMenu()->Items().Item(2);
    for (int i = 0; i < window.Count(); ++i) {
        if (window.Item(i)->Caption() == caption) {
            window.Item(i)->Click();
        }
    }
    Pump(300);
}

TEST_F(SkinView, TheWindowMenuOpensMdiChildrenThatWearTheSkinAndArrangesThem) {
    ASSERT_NO_FATAL_FAILURE(Wear("skin0.skn"));
    ASSERT_EQ("&Window", view->MainMenu()->Items().Item(2)->Caption());
    RunWindowItem(*view, "&New child");
    RunWindowItem(*view, "&New child");
    TfrmSkinViewMdi* mdi = view->MdiWindows();
    ASSERT_NE(nullptr, mdi);
    const std::vector<TCustomForm*> children = mdi->MdiChildren();
    ASSERT_EQ(2u, children.size());
    TWinSkinManage* manager = WindowsSkinManager();
    for (TCustomForm* child : children) {
        EXPECT_EQ(1, SendMessageA(child->Handle(), SkinQuery, 0, 0)) << "skinned as it opened";
    }

    // Maximised, then tiled: tiling ends the maximised look and sets the two children side by
    // side; closing all leaves none, and the frame's bar is its own menu's again.
    HWND active = mdi->ActiveMdiChild()->Handle();
    SendMessageA(mdi->ClientHandle(), WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(active), 0);
    Pump(300);
    TWinSkinForm* frame = manager->FindFormObject(mdi->Handle());
    ASSERT_NE(nullptr, frame);
    ASSERT_TRUE(manager->MdiMaximized());
    RunWindowItem(*view, "&Tile");
    EXPECT_FALSE(IsZoomed(active));
    EXPECT_FALSE(manager->MdiMaximized());
    RECT a{}, b{};
    GetWindowRect(children[0]->Handle(), &a);
    GetWindowRect(children[1]->Handle(), &b);
    RECT overlap{};
    EXPECT_FALSE(IntersectRect(&overlap, &a, &b)) << "tiled";
    RunWindowItem(*view, "&Cascade");
    GetWindowRect(children[0]->Handle(), &a);
    GetWindowRect(children[1]->Handle(), &b);
    EXPECT_NE(a.left, b.left) << "cascaded";
    EXPECT_NE(a.top, b.top);
    RunWindowItem(*view, "C&lose all");
    EXPECT_TRUE(mdi->MdiChildren().empty());
    EXPECT_EQ(0, manager->CountSkinnedMdiChildren());
    ASSERT_NE(nullptr, frame->Menus().MenuBar());
    EXPECT_EQ("&Window", frame->Menus().MenuBar()->Item(0).caption);
}

} // namespace
} // namespace quellar::test
