// Minimise to the notification area with real windows: the application's hidden window (class
// "TApplication", the taskbar entry) and a main window owned by it.
#include "TrayTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace quellar {
namespace {

WNDPROC ProcOf(HWND window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

class TrayMinimize : public ::testing::Test {
protected:
    TrayMinimize() : appProc(ProcOf(windows.app)), mainProc(ProcOf(windows.main)) {
        tray = std::make_unique<TCoolTrayIcon>(nullptr, windows.main);
        tray->SetShell(&shell);
        tray->SetMinimizeToTray(true);
        tray->Loaded();
    }
    void ExpectHidden() {
        test::Pump(0);
        EXPECT_FALSE(IsWindowVisible(windows.main));
        EXPECT_FALSE(IsWindowVisible(windows.app)) << "the taskbar entry is gone";
        EXPECT_TRUE(shell.iconPresent) << "the icon stays in the notification area";
    }
    void ExpectShownInFront() {
        test::Pump(0);
        EXPECT_TRUE(IsWindowVisible(windows.main));
        EXPECT_FALSE(IsIconic(windows.main));
        EXPECT_TRUE(IsWindowVisible(windows.app)) << "the taskbar entry is back";
        EXPECT_EQ(windows.main, GetForegroundWindow());
    }

    test::TTestWindows windows;
    WNDPROC appProc;
    WNDPROC mainProc;
    TTrayShellRecorder shell;
    std::unique_ptr<TCoolTrayIcon> tray;
};

TEST_F(TrayMinimize, FindsTheApplicationWindowAndHooksBothWindows) {
    EXPECT_EQ(windows.app, tray->ApplicationWindow());
    EXPECT_EQ(windows.main, tray->OwnerWindow());
    EXPECT_NE(appProc, ProcOf(windows.app));
    EXPECT_NE(mainProc, ProcOf(windows.main));
}

TEST_F(TrayMinimize, MinimisingTheMainWindowOrTheApplicationHidesTheMainWindowAndItsTaskbarEntry) {
    for (const bool application : {false, true}) {
        SCOPED_TRACE(application ? "the application minimised" : "the main window minimised");
        application ? ShowWindow(windows.app, SW_MINIMIZE)
                    : SendMessageA(windows.main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
        ExpectHidden();
        tray->ShowMainWindow();
        ExpectShownInFront();
    }
}

TEST_F(TrayMinimize, WithoutMinimizeToTrayTheWindowOnlyMinimises) {
    tray->SetMinimizeToTray(false);
    SendMessageA(windows.main, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    test::Pump(0);
    EXPECT_TRUE(IsIconic(windows.main));
    EXPECT_TRUE(IsWindowVisible(windows.main));
    EXPECT_TRUE(IsWindowVisible(windows.app));
}

TEST_F(TrayMinimize, HideAndShowMainWindowLeaveTheIconAlone) {
    shell.calls.clear();
    tray->HideMainWindow();
    EXPECT_FALSE(IsWindowVisible(windows.main));
    EXPECT_FALSE(IsWindowVisible(windows.app));
    tray->ShowMainWindow();
    ExpectShownInFront();
    EXPECT_TRUE(shell.calls.empty());
}

TEST_F(TrayMinimize, ShowingTheMainWindowBringsItToTheFront) {
    HWND other = test::MakeWindow("TestOtherWindow", WS_OVERLAPPEDWINDOW, nullptr, 200, 100);
    ShowWindow(other, SW_SHOWNORMAL);
    SetForegroundWindow(other);
    test::Pump(0);
    ASSERT_EQ(other, GetForegroundWindow());
    ShowWindow(windows.main, SW_HIDE);
    ShowWindow(windows.main, SW_SHOW);
    test::Pump(0);
    EXPECT_EQ(windows.main, GetForegroundWindow());
    DestroyWindow(other);
}

TEST_F(TrayMinimize, DestructionPutsBothWindowProceduresBack) {
    tray.reset();
    EXPECT_EQ(appProc, ProcOf(windows.app));
    EXPECT_EQ(mainProc, ProcOf(windows.main));
    EXPECT_FALSE(shell.iconPresent);
}

TEST_F(TrayMinimize, MainWindowDestroyedFirstIsHarmless) {
    DestroyWindow(windows.main);
    tray.reset();
    EXPECT_EQ(appProc, ProcOf(windows.app));
}

TEST_F(TrayMinimize, StartMinimizedKeepsTheApplicationHidden) {
    bool showMainForm = true;
    TCoolTrayIcon second(nullptr, windows.main);
    second.SetShell(&shell);
    TTrayAppHooks hooks;
    hooks.setShowMainForm = [&](bool show) { showMainForm = show; };
    second.SetAppHooks(hooks);
    second.SetStartMinimized(true);
    second.Loaded();
    EXPECT_FALSE(showMainForm);
    EXPECT_FALSE(IsWindowVisible(windows.app));
}

TEST_F(TrayMinimize, MainWindowHooksReplaceTheDefaultShowAndHide) {
    std::vector<bool> requests;
    TTrayAppHooks hooks;
    hooks.setMainWindowVisible = [&](bool visible) { requests.push_back(visible); };
    tray->SetAppHooks(hooks);
    tray->HideMainWindow();
    tray->ShowMainWindow();
    EXPECT_EQ((std::vector<bool>{false, true}), requests);
    EXPECT_TRUE(IsWindowVisible(windows.main)) << "the hook, not the component, shows and hides";
}

} // namespace
} // namespace quellar
