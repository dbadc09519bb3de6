// What a skinned window's object lives through: its form, its skin and its window going while it
// works, the size messages that tell of other windows, and windows whose caption style is only
// half of WS_CAPTION. Freed memory is kept and checked, so a write after the free shows.
#include "skin/form/SkinMessages.h"
#include "skin/manager/WinSkinManage.h"
#include "skin/model/WinSkinData.h"
#include "tests/skin/FreedBlocks.h"
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

std::vector<std::uint8_t> FrameSkin() {
    return test::SkinFile("[Personality]\nLeft=l.bmp\nRight=r.bmp\nTop=t.bmp\nBottom=b.bmp\n",
                          {{"l.bmp", test::Bmp(6, 30, 0x802010)},
                           {"r.bmp", test::Bmp(6, 30, 0x802010)},
                           {"t.bmp", test::Bmp(40, 24, 0x2050A0)},
                           {"b.bmp", test::Bmp(40, 5, 0x802010)}});
}

HWND gWindow = nullptr;

class FormLifetime : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        test::RegisterWindowClass("SkinLifetimeWindow");
        InstallWindowsSkinManager();
    }
    void SetUp() override {
        skin = new TSkinData(nullptr);
        ASSERT_TRUE(skin->LoadSkinBytes(FrameSkin()));
        skin->Loaded();
        manager = WindowsSkinManager();
        ASSERT_NE(nullptr, manager);
        skin->SetActive(true);
        window = NewWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        gWindow = window;
        ASSERT_NE(nullptr, manager->FindFormObject(window));
    }
    void TearDown() override {
        if (IsWindow(window)) {
            DestroyWindow(window);
        }
        delete skin;
        FreeSkinManage();
    }
    HWND NewWindow(DWORD style) const {
        HWND w = CreateWindowExA(0, "SkinLifetimeWindow", "Lifetime", style, 40, 40, 320, 240, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
        SetForegroundWindow(w);
        Pump(100);
        return w;
    }
    TSkinData* skin = nullptr;
    TWinSkinManage* manager = nullptr;
    HWND window = nullptr;
};

TEST_F(FormLifetime, AFormBeingTornDownIsLetGoOfBeforeItsOwnPartsGo) {
    auto* app = new TApplication();
    app->Initialize();
    auto* form = new TForm(app);
    form->SetClientSize(200, 100);
    auto* menu = new TMainMenu(form);
    test::AddMenuItem(form, menu->Items(), "&File");
    form->SetMenu(menu);
    new TPopupMenu(form);
    form->Show();
    SetForegroundWindow(form->Handle());
    Pump(100);
    ASSERT_NE(nullptr, manager->FindFormObject(form->Handle()));
    // The form's own destroy handler runs in its destructor: by then no skin object may still
    // hold the form (after it, the skin's WM_NCDESTROY would ask a form that is gone).
    int holding = -1;
    form->OnDestroy = [this, form, &holding](TComponent*) {
        holding = 0;
        for (const auto& object : manager->FormObjects()) {
            holding += object->Form() == form ? 1 : 0;
        }
    };
    delete form;
    EXPECT_EQ(0, holding);
    delete app;
}

TEST_F(FormLifetime, ASkinThatGoesLeavesNoWindowWearingIt) {
    delete skin;
    skin = nullptr;
    EXPECT_TRUE(manager->FormObjects().empty());
    EXPECT_NE(1, SendMessageA(window, SkinQuery, 0, 0));
    EXPECT_EQ(WS_CAPTION, GetWindowLongPtrA(window, GWL_STYLE) & WS_CAPTION) << "its own caption back";
}

TEST_F(FormLifetime, AWindowDestroyedWhileItsSystemMenuShowsIsNotWrittenToAfterwards) {
    After(300, [] {
        DestroyWindow(gWindow);
        WindowsSkinManager()->Purge(); // the next activation would do it: the object is freed
        EndMenu();
    });
    RECT r{};
    GetWindowRect(window, &r);
    test::KeepFreedBlocks(true);
    SendMessageA(window, WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(r.left + 150, r.top + 10));
    const bool untouched = test::FreedBlocksUntouched();
    test::KeepFreedBlocks(false);
    EXPECT_FALSE(IsWindow(window)) << "the menu showed and the window went meanwhile";
    EXPECT_TRUE(untouched);
}

TEST_F(FormLifetime, TheManagerForgetsWindowsThatAreGone) {
    for (int i = 0; i < 3; ++i) {
        HWND other = NewWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        ASSERT_NE(nullptr, manager->FindFormObject(other));
        DestroyWindow(other);
    }
    manager->Purge();
    EXPECT_EQ(std::vector<std::uintptr_t>{reinterpret_cast<std::uintptr_t>(window)},
              manager->attachedWindows);
}

TEST_F(FormLifetime, SizeMessagesAboutOtherWindowsLeaveTheStateAsItIs) {
    TWinSkinForm* object = manager->FindFormObject(window);
    const struct {
        int show;
        int state;
    } states[] = {{SW_SHOWNORMAL, wsRestored}, {SW_MAXIMIZE, wsMaximized}, {SW_MINIMIZE, wsMinimized}};
    for (const auto& s : states) {
        ShowWindow(window, s.show);
        Pump(100);
        for (WPARAM other : {SIZE_MAXSHOW, SIZE_MAXHIDE}) {
            SendMessageA(window, WM_SIZE, other, 0);
            EXPECT_EQ(s.state, object->Fit().WindowState()) << "shown " << s.show << ", told " << other;
        }
    }
}

TEST_F(FormLifetime, HalfACaptionStyleComesBackAsItWas) {
    for (DWORD half : {DWORD{WS_BORDER}, DWORD{WS_DLGFRAME}}) {
        HWND popup = NewWindow(WS_POPUP | WS_VISIBLE | half);
        ASSERT_NE(nullptr, manager->FindFormObject(popup));
        EXPECT_EQ(0, GetWindowLongPtrA(popup, GWL_STYLE) & WS_CAPTION) << "taken while skinned";
        manager->FindFormObject(popup)->DetachAndRestore();
        EXPECT_EQ(half, GetWindowLongPtrA(popup, GWL_STYLE) & WS_CAPTION);
        DestroyWindow(popup);
    }
}

} // namespace
} // namespace quellar
