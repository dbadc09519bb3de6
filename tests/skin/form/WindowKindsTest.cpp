// Kinds of window under the skin manager: classes the skin refuses and size grips, message boxes,
// destroyed, empty and popup windows, and a plain platform MDI frame with its children.
#include "tests/skin/form/WinSkinFormFixture.h"

namespace quellar {
namespace {

using namespace skinform_test;
using test::Pump;

TEST_F(WinSkinForm, ClassesRefusedByTheSkinAndSizeGripsOnSkinnedWindowsStayUnskinned) {
    skin->OnFormSkin = [](TComponent*, const std::string& name, bool& doSkin) {
        doSkin = name != "SkinFormTestWindow";
    };
    HWND refused = CreateWindowExA(0, "SkinFormTestWindow", "Refused", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                   200, 150, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(refused);
    Pump(100);
    EXPECT_NE(1, SendMessageA(refused, SkinQuery, 0, 0));
    DestroyWindow(refused);
    // The skinned window refuses a size grip; the refused window above would have taken one.
    HWND grip = CreateWindowExA(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, 0, 0, 16, 16,
                                window, nullptr, GetModuleHandleA(nullptr), nullptr);
    EXPECT_EQ(nullptr, grip);
    HWND bar = CreateWindowExA(0, "ScrollBar", "", WS_CHILD | WS_VISIBLE, 0, 0, 100, 16, window, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    EXPECT_NE(nullptr, bar) << "only size grips are refused";
}

TEST_F(WinSkinForm, MessageBoxWithALongCaptionGetsWider) {
    static int width = 0, buttonShift = 0;
    After(700, [] {
        HWND box = FindWindowA("#32770", nullptr);
        RECT r{}, ok{};
        GetWindowRect(box, &r);
        GetWindowRect(GetDlgItem(box, IDOK), &ok);
        width = r.right - r.left;
        buttonShift = (ok.left + ok.right) / 2 - (r.left + r.right) / 2; // the OK button stays centred
        SendMessageA(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    });
    const std::string caption(60, 'W');
    MessageBoxA(window, "x", caption.c_str(), MB_OK);
    const SIZE space = CaptionTextExtent(nullptr, " ");
    EXPECT_GE(width, (60 + 7) * space.cx + 12) << "room for the caption's length in spaces";
    EXPECT_LE(std::abs(buttonShift), 4) << "moved with the widening (unmoved it would be far off)";
}

// The box wears the skin's frame, its OK button the skin's button strip; the skin's own click on
// OK still answers the box.
TEST_F(WinSkinForm, MessageBoxWearsTheSkinAndStillAnswersOk) {
    static bool sawSkinned = false;
    static std::uint32_t boxLeft = 0, okFace = 0;
    sawSkinned = false;
    After(700, [] {
        HWND box = FindWindowA("#32770", "Box title");
        if (box == nullptr) {
            return;
        }
        HWND ok = GetDlgItem(box, IDOK);
        sawSkinned = SendMessageA(box, SkinQuery, 0, 0) == 1;
        boxLeft = test::WindowPixel(box, 2, 40);
        okFace = test::WindowPixel(ok, 3, 3);
        SendMessageA(ok, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageA(ok, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    });
    EXPECT_EQ(IDOK, MessageBoxA(window, "Some text", "Box title", MB_OK | MB_ICONINFORMATION));
    EXPECT_TRUE(sawSkinned);
    EXPECT_EQ(LeftActive, boxLeft);
    EXPECT_EQ(ButtonFrames[3], okFace) << "the default button has the focus: the focused frame";
}

TEST_F(WinSkinForm, DestroyedWindowsAreDroppedEmptyOnesRefusedAndPopupsKeepTheirFrame) {
    DestroyWindow(window);
    EXPECT_EQ(lsDestroyed, manager->FormObjects().front()->LifeState());
    manager->Purge();
    EXPECT_TRUE(manager->FormObjects().empty());
    // A popup without a caption is attached but keeps its own frame; a zero-size window is not.
    HWND popup = CreateWindowExA(0, "SkinFormTestWindow", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND empty = CreateWindowExA(0, "SkinFormTestWindow", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 0, 0,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(popup);
    Pump(100);
    EXPECT_FALSE(manager->AttachWindow(reinterpret_cast<std::uintptr_t>(empty)));
    TWinSkinForm* form = manager->FindFormObject(popup);
    ASSERT_NE(nullptr, form) << "a popup is attached";
    EXPECT_EQ(bkPopup, form->Fit().Facts().borderKind);
    RECT c{};
    GetClientRect(popup, &c);
    EXPECT_EQ(50, c.right) << "a popup keeps its own frame";
    DestroyWindow(popup);
    DestroyWindow(empty);
}

HWND gMdiClient = nullptr;

LRESULT CALLBACK MdiFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefFrameProcA(window, gMdiClient, message, wParam, lParam);
}

// Plain platform MDI windows: a frame with its client and children made by the test.
class WinSkinMdi : public WinSkinForm {
protected:
    void SetUp() override {
        WinSkinForm::SetUp();
        static const bool registered = [] {
            test::RegisterWindowClass("SkinMdiFrame", &MdiFrameProc);
            return test::RegisterWindowClass("SkinMdiChild", &DefMDIChildProcA);
        }();
        ASSERT_TRUE(registered);
        frame = CreateWindowExA(0, "SkinMdiFrame", "MDI frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20,
                                600, 450, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        CLIENTCREATESTRUCT ccs{nullptr, 1000};
        gMdiClient = CreateWindowExA(0, "MDICLIENT", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0,
                                     frame, nullptr, GetModuleHandleA(nullptr), &ccs);
        ShowWindow(frame, SW_SHOW);
        SetForegroundWindow(frame);
        Pump();
    }
    void TearDown() override {
        DestroyWindow(frame);
        WinSkinForm::TearDown();
    }
    HWND NewChild(const char* title) {
        MDICREATESTRUCTA create{"SkinMdiChild", title, GetModuleHandleA(nullptr), 10, 10, 240, 160, 0, 0};
        auto child = reinterpret_cast<HWND>(
            SendMessageA(gMdiClient, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
        Pump(100);
        return child;
    }
    bool Captioned(HWND w) const { return (GetWindowLongPtrA(w, GWL_STYLE) & WS_CAPTION) == WS_CAPTION; }
    HWND frame = nullptr;
};

TEST_F(WinSkinMdi, ChildrenAreSkinnedWhenTheClientRefreshesItsMenu) {
    TWinSkinForm* frameObject = manager->FindFormObject(frame);
    ASSERT_NE(nullptr, frameObject);
    EXPECT_EQ(mkFrame, frameObject->Fit().Facts().mdiKind);
    HWND child = NewChild("Child one");
    RECT before{};
    GetClientRect(child, &before);
    EXPECT_NE(1, SendMessageA(child, SkinQuery, 0, 0)) << "not at its creation or activation";
    SendMessageA(gMdiClient, WM_MDIREFRESHMENU, 0, 0);
    Pump(200);
    ASSERT_EQ(1, SendMessageA(child, SkinQuery, 0, 0));
    EXPECT_EQ(mkChild, manager->FindFormObject(child)->Fit().Facts().mdiKind);
    EXPECT_EQ(1, manager->CountSkinnedMdiChildren());
    RECT after{};
    GetClientRect(child, &after);
    EXPECT_EQ(before.right, after.right) << "its client keeps its size";
    EXPECT_FALSE(Captioned(child));
    EXPECT_EQ(LeftActive, test::WindowPixel(child, 2, 60));

    // Maximised, the child shows the platform's caption; restored, the skin's frame again.
    SendMessageA(gMdiClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(child), 0);
    Pump(100);
    EXPECT_EQ(wsMaximized, manager->FindFormObject(child)->Fit().WindowState());
    EXPECT_TRUE(Captioned(child));
    SendMessageA(gMdiClient, WM_MDIRESTORE, reinterpret_cast<WPARAM>(child), 0);
    Pump(100);
    EXPECT_FALSE(Captioned(child));

    // Closing a child while another is maximised keeps the maximised look; tiling ends it.
    HWND second = NewChild("Child two");
    SendMessageA(gMdiClient, WM_MDIREFRESHMENU, 0, 0);
    Pump(100);
    SendMessageA(gMdiClient, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(second), 0);
    SendMessageA(gMdiClient, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
    Pump(100);
    EXPECT_TRUE(manager->MdiMaximized());
    manager->Purge();
    EXPECT_EQ(1, manager->CountSkinnedMdiChildren());
    SendMessageA(gMdiClient, WM_MDITILE, 0, 0);
    EXPECT_FALSE(manager->MdiMaximized());
}

} // namespace
} // namespace quellar
