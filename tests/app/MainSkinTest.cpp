// The real main window wearing one of our skins: its frame, its client size, minimising through
// the skin's own button to the notification area and back, and its message boxes.
#include "skin/form/SkinMessages.h"
#include "skin/manager/WinSkinManage.h"
#include "skin/model/WinSkinData.h"
#include "tests/app/MainWindowFixture.h"

namespace quellar::test {
namespace {

void Pump(int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    while (GetTickCount() < end) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(10);
    }
}

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
        const TWinSkinForm* object = WindowsSkinManager()->FindFormObject(form->Handle());
        for (const auto& b : object->CaptionButtons()) {
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
    SIZE Client() const {
        RECT c{};
        GetClientRect(form->Handle(), &c);
        return {c.right, c.bottom};
    }
};

TEST_F(MainSkin, MainWindowWearsItsSkinThroughMinimiseToTheTrayAndBack) {
    WriteSettings(kSaved);
    Start();
    form->Show();
    Pump(600); // the skin is put on 250 ms after activation
    ASSERT_TRUE(Skinned());
    EXPECT_EQ(449, Client().cx);
    EXPECT_EQ(347, Client().cy);
    const TFrameSizes frame = WindowsSkinManager()->FindFormObject(form->Handle())->Frame();
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

} // namespace
} // namespace quellar::test
