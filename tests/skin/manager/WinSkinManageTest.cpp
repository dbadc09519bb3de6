// The Windows skin manager's choices on real windows: which windows it refuses to skin, and
// which skin definition a window gets when several are registered.
#include "skin/manager/WinSkinManage.h"
#include "skin/model/WinSkinData.h"
#include "tests/support/SkinFiles.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/Forms.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace quellar {
namespace {

using test::Pump;

class WinSkinManageTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InstallWindowsSkinManager(); }
    void SetUp() override {
        app = new TApplication();
        app->Initialize();
        mainData = Loaded(new TSkinData(nullptr), sfMainform);
        manager = WindowsSkinManager();
        ASSERT_NE(nullptr, manager);
    }
    void TearDown() override {
        FreeSkinManage(); // first: its form objects still use the skin data a form owns
        delete app;
        delete mainData;
        delete dialog;
    }
    TSkinData* Loaded(TSkinData* data, TSkinFormType type) {
        data->SetSkinFormtype(type);
        EXPECT_TRUE(data->LoadSkinBytes(test::SkinFile("[Colours]\nButtonFace=200,200,200\n")));
        data->Loaded();
        return data;
    }
    TForm* NewForm(std::intptr_t tag = 0) {
        auto* form = new TForm(app);
        form->SetTag(tag);
        form->SetClientSize(200, 100);
        form->HandleNeeded();
        return form;
    }
    const TSkinData* SkinOf(HWND window) const {
        TWinSkinForm* object = manager->FindFormObject(window);
        return object != nullptr ? &object->Skin() : nullptr;
    }
    TApplication* app = nullptr;
    TSkinData *mainData = nullptr, *dialog = nullptr, *only = nullptr;
    TWinSkinManage* manager = nullptr;
};

TEST_F(WinSkinManageTest, ActivatingSkinsEveryFormButTagNinetyNineHiddenAndChildFormsOrTheAppWindow) {
    mainData->SetDisableTag(7); // the form rule is the literal 99, whatever the controls' tag
    TForm* plain = NewForm(98);
    TForm* tagged = NewForm(99);
    TForm* hidden = NewForm();
    TForm* child = NewForm();
    plain->Show();
    tagged->Show();
    child->Show();
    // A form turned into a child window of a visible window: visible, with a size, not MDI.
    SetWindowLongPtrA(child->Handle(), GWL_STYLE,
                      (GetWindowLongPtrA(child->Handle(), GWL_STYLE) & ~WS_POPUP) | WS_CHILD);
    SetParent(child->Handle(), tagged->Handle());
    // The application's hidden window has no size: given one, only its class keeps it unskinned.
    SetWindowPos(app->Handle(), nullptr, 0, 0, 120, 80, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump(100);
    ASSERT_EQ(nullptr, SkinOf(plain->Handle())) << "nothing is skinned before the request runs";
    manager->started = 1; // a window was activated: the request waits for the timer
    mainData->SetActive(true);
    manager->ExecutePendingAction(); // what the timer runs: every form, last to first
    const struct {
        const char* what;
        HWND window;
        bool skinned;
    } rows[] = {
        {"plain form, tag 98", plain->Handle(), true},
        {"tag 99", tagged->Handle(), false},
        {"hidden form", hidden->Handle(), false},
        {"child form", child->Handle(), false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.skinned, SkinOf(row.window) != nullptr) << row.what;
    }
    EXPECT_FALSE(manager->AttachWindow(reinterpret_cast<std::uintptr_t>(app->Handle())));
    EXPECT_EQ(nullptr, SkinOf(app->Handle()));
    EXPECT_TRUE(manager->AttachWindow(reinterpret_cast<std::uintptr_t>(hidden->Handle())))
        << "the hidden form is refused by the form rule alone";
}

TEST_F(WinSkinManageTest, OwnFormAndDialogSkinDataGoToTheirWindowsAndTheMainOneToTheRest) {
    TForm* owner = NewForm();
    only = new TSkinData(owner);
    Loaded(only, sfOnlyThisForm); // skins its owner at once, shown or not
    dialog = Loaded(new TSkinData(nullptr), sfDialog);
    TForm* plain = NewForm(); // the manager is on since the other kinds loaded
    plain->Show();
    SetForegroundWindow(plain->Handle());
    HWND box = CreateWindowExA(0, "#32770", "Dialog", WS_OVERLAPPEDWINDOW, 0, 0, 200, 120, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, box);
    EXPECT_TRUE(manager->AttachWindow(reinterpret_cast<std::uintptr_t>(box)));
    Pump(100);
    EXPECT_EQ(only, SkinOf(owner->Handle()));
    EXPECT_EQ(dialog, SkinOf(box));
    EXPECT_EQ(mainData, SkinOf(plain->Handle()));
    DestroyWindow(box);
}

} // namespace
} // namespace quellar
