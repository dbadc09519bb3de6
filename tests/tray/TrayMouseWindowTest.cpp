// The mouse table through the hidden window: the callback message as the notification area
// sends it, the events in order with the keys held, and a real popup menu cancelled from the test.
#include "TrayTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace quellar {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const char* Name(TTrayButton button) {
    return button == TTrayButton::tbLeft ? "left" : button == TTrayButton::tbRight ? "right" : "middle";
}

// The test's timer cancels the real menu that is open.
void CALLBACK CancelMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    EndMenu();
}

// Shows a real two-item menu at the point, cancelled from the test, and returns the chosen
// command (0 when cancelled).
int TrackRealMenu(HWND owner, int x, int y) {
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 101, "START");
    AppendMenuA(menu, MF_STRING, 102, "STOP");
    SetTimer(nullptr, 0, 150, &CancelMenu);
    const int command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
    DestroyMenu(menu);
    return command;
}

class TrayMouseWindow : public ::testing::Test {
protected:
    TrayMouseWindow() : menu(&log), tray(nullptr, windows.main) {
        tray.SetShell(&shell);
        tray.Loaded();
        tray.SetPopupMenu(&menu);
        tray.OnMouseDown = [this](TComponent* sender, TTrayButton button, TTrayShift shift, int x, int y) {
            senders.push_back(sender);
            log.push_back(std::string("down ") + Name(button) + " " + std::to_string(shift));
            points.push_back({x, y});
        };
        tray.OnMouseUp = [this](TComponent* sender, TTrayButton button, TTrayShift shift, int, int) {
            senders.push_back(sender);
            log.push_back(std::string("up ") + Name(button) + " " + std::to_string(shift));
        };
        tray.OnMouseMove = [this](TComponent* sender, TTrayShift shift, int x, int y) {
            senders.push_back(sender);
            log.push_back("move " + std::to_string(shift));
            points.push_back({x, y});
        };
        tray.OnClick = [this](TComponent* sender) {
            senders.push_back(sender);
            log.push_back("click");
        };
        tray.OnDblClick = [this](TComponent* sender) {
            senders.push_back(sender);
            log.push_back("dblclick");
        };
    }

    // The notification area's callback for one mouse message.
    void Mouse(UINT message) { SendMessageA(tray.MessageWindow(), 0x800, 1, message); }

    test::TTestWindows windows;
    std::vector<std::string> log;
    std::vector<TComponent*> senders;
    std::vector<POINT> points;
    TTrayShellRecorder shell;
    test::TTestPopupMenu menu;
    TCoolTrayIcon tray;
};

TEST_F(TrayMouseWindow, LeftClickGivesDownClickUpInOrderAndNoMenu) {
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    EXPECT_THAT(log, ElementsAre("down left 8", "click", "up left 8"));
    for (TComponent* sender : senders) {
        EXPECT_EQ(&tray, sender);
    }
}

TEST_F(TrayMouseWindow, EventsCarryTheCursorPosition) {
    ASSERT_TRUE(SetCursorPos(57, 63));
    POINT expected{};
    GetCursorPos(&expected);
    Mouse(WM_MOUSEMOVE);
    Mouse(WM_LBUTTONDOWN);
    ASSERT_EQ(2u, points.size());
    EXPECT_EQ(expected.x, points[0].x);
    EXPECT_EQ(expected.y, points[0].y);
    EXPECT_EQ(expected.x, points[1].x);
    EXPECT_EQ(expected.y, points[1].y);
}

TEST_F(TrayMouseWindow, RightPressShowsTheMenuBeforeTheRelease) {
    int chosen = -1;
    menu.onPopup = [&](int x, int y) { chosen = TrackRealMenu(windows.main, x, y); };
    Mouse(WM_RBUTTONDOWN);
    Mouse(WM_RBUTTONUP);
    EXPECT_THAT(log, ElementsAre("down right 16", "popup", "up right 16"));
    EXPECT_EQ(0, chosen) << "the test cancelled the menu";
    EXPECT_EQ(&tray, menu.popupComponent);
}

// The platform calls around the menu, recorded through the icon's hooks.
TTrayAppHooks RecordingWindowCalls(std::vector<std::string>& log, const test::TTestWindows& windows) {
    auto name = [&windows](HWND window) {
        return window == windows.app ? "app" : window == windows.main ? "main" : "other";
    };
    TTrayAppHooks hooks;
    hooks.setForegroundWindow = [&log, name](HWND window) {
        log.push_back(std::string("foreground ") + name(window));
    };
    hooks.postEmptyMessage = [&log, name](HWND window) {
        log.push_back(std::string("post-null ") + name(window));
    };
    return hooks;
}

TEST_F(TrayMouseWindow, MenuOwnerComesForwardBeforeTheMenuWithOrWithoutFocusAndTheEmptyMessageFollows) {
    tray.SetAppHooks(RecordingWindowCalls(log, windows));
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 0, 0, 80, 20, windows.main, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    // (the focus before the click, the window the menu says it is tracked with)
    const struct {
        HWND focus;
        HWND menuOwner;
        const char* expectedForeground;
    } cases[] = {
        {nullptr, windows.app, "foreground app"}, // just after a click on the notification area
        {edit, windows.app, "foreground app"},    // not the focused control's form
        {nullptr, nullptr, "foreground app"},     // a menu that does not say: the application window
    };
    for (const auto& c : cases) {
        SetFocus(c.focus);
        ASSERT_EQ(c.focus, GetFocus());
        menu.ownerWindow = c.menuOwner;
        log.clear();
        Mouse(WM_RBUTTONDOWN);
        EXPECT_THAT(log, ElementsAre("down right 16", c.expectedForeground, "popup", "post-null main"));
    }
}

TEST_F(TrayMouseWindow, LeftPopupShowsTheMenuOnTheLeftPressAndADoubleClickClicksNoItem) {
    tray.SetLeftPopup(true);
    menu.defaults = {true};
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    Mouse(WM_LBUTTONDBLCLK);
    EXPECT_THAT(log, ElementsAre("down left 8", "popup", "click", "up left 8", "dblclick"));
}

// The keys held at the callback, as the platform reports them, join the button's own flag.
TEST_F(TrayMouseWindow, ModifierKeysJoinTheButtonFlags) {
    const auto hold = [](std::initializer_list<int> held) {
        BYTE keys[256] = {};
        for (int key : held) {
            keys[key] = 0x80;
        }
        SetKeyboardState(keys);
    };
    hold({VK_CONTROL});
    Mouse(WM_MBUTTONDOWN);
    Mouse(WM_MBUTTONUP);
    hold({VK_SHIFT, VK_MENU});
    Mouse(WM_MOUSEMOVE);
    hold({VK_SHIFT});
    Mouse(WM_LBUTTONDOWN);
    hold({});
    EXPECT_THAT(log, ElementsAre("down middle 36", "up middle 36", "move 3", "down left 9"));
}

TEST_F(TrayMouseWindow, MenuThatDoesNotPopUpByItselfIsNotShown) {
    menu.autoPopup = false;
    Mouse(WM_RBUTTONDOWN);
    tray.SetPopupMenu(nullptr);
    Mouse(WM_RBUTTONDOWN);
    EXPECT_THAT(log, ElementsAre("down right 16", "down right 16"));
}

TEST_F(TrayMouseWindow, DoubleClickClicksTheFirstDefaultItem) {
    menu.defaults = {false, true, true};
    Mouse(WM_LBUTTONDOWN);
    Mouse(WM_LBUTTONUP);
    Mouse(WM_LBUTTONDBLCLK);
    Mouse(WM_LBUTTONUP);
    EXPECT_THAT(log, ElementsAre("down left 8", "click", "up left 8", "dblclick", "item 1", "up left 8"));
}

TEST_F(TrayMouseWindow, DoubleClickWithoutDefaultItemClicksNothing) {
    menu.defaults = {false, false, false, false, false}; // the main window's menu
    Mouse(WM_LBUTTONDBLCLK);
    menu.defaults = {true};
    menu.autoPopup = false;
    Mouse(WM_LBUTTONDBLCLK);
    EXPECT_THAT(log, ElementsAre("dblclick", "dblclick"));
}

TEST_F(TrayMouseWindow, DisabledIconFiresNothingAndShowsNoMenu) {
    tray.SetEnabled(false);
    menu.defaults = {true};
    for (UINT message : {WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN,
                         WM_RBUTTONUP, WM_MBUTTONDOWN, WM_MBUTTONUP}) {
        Mouse(message);
    }
    EXPECT_THAT(log, IsEmpty());
    tray.SetEnabled(true);
    Mouse(WM_LBUTTONUP);
    EXPECT_THAT(log, ElementsAre("up left 8")) << "a press while disabled leaves no click pending";
}

TEST_F(TrayMouseWindow, RightAndMiddleDoubleClicksAndUnknownMessagesFireNothing) {
    Mouse(WM_RBUTTONDBLCLK);
    Mouse(WM_MBUTTONDBLCLK);
    Mouse(WM_MOUSEWHEEL);
    Mouse(WM_MBUTTONDOWN);
    EXPECT_THAT(log, ElementsAre("down middle 32"));
}

} // namespace
} // namespace quellar
