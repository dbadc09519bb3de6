// The main window's notification-area icon: it turns while the tone runs, keeps its last picture
// after STOP, and a left click on it runs STOP. The shell call is recorded instead of made.
#include "tests/app/MainWindowFixture.h"
#include "tray/CoolTrayIcon.h"
#include "tray/TrayShell.h"

#include <cstddef>
#include <cstring>
#include <set>

namespace quellar::test {
namespace {

class MainTray : public MainWindow {
protected:
    void StartWithRecordedShell() {
        StartWithSavedSettings();
        shell.iconPresent = true; // the window's load already added the real icon
        form->TrayIcon1->SetShell(&shell);
    }
    // The icon handed to the notification area by each modify call, in order.
    std::vector<std::uintptr_t> ShownIcons() const {
        std::vector<std::uintptr_t> icons;
        for (const auto& call : shell.calls) {
            if (call.command != NIM_MODIFY ||
                call.bytes.size() < offsetof(NOTIFYICONDATAA, hIcon) + sizeof(HICON)) {
                continue;
            }
            HICON icon = nullptr;
            std::memcpy(&icon, call.bytes.data() + offsetof(NOTIFYICONDATAA, hIcon), sizeof icon);
            icons.push_back(reinterpret_cast<std::uintptr_t>(icon));
        }
        return icons;
    }
    TTrayShellRecorder shell;
};

TEST_F(MainTray, StartTurnsTheIconAndStopKeepsItsLastPicture) {
    StartWithRecordedShell();
    const HICON idle = form->TrayIcon1->Icon();
    form->btnStartClick(form->btnStart);
    RunMessagesFor(1000); // two or three turns of 400 ms
    form->btnStopClick(form->btnStop);
    const auto running = ShownIcons();
    ASSERT_GE(running.size(), 3u);
    EXPECT_GE(std::set<std::uintptr_t>(running.begin(), running.end()).size(), 3u);
    const HICON last = form->TrayIcon1->Icon();
    EXPECT_NE(last, idle);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(last), running.back());

    const auto callsAtStop = shell.calls.size();
    RunMessagesFor(600);
    EXPECT_EQ(shell.calls.size(), callsAtStop); // no more turns
    EXPECT_EQ(form->TrayIcon1->Icon(), last);
    EXPECT_FALSE(form->TrayIcon1->CycleIcons());
    EXPECT_FALSE(form->TrayIcon1->CycleTimerEnabled());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Stop KOR Quellar ...");
}

TEST_F(MainTray, LeftClickOnTheIconRunsStop) {
    StartWithRecordedShell();
    form->btnStartClick(form->btnStart);
    ASSERT_TRUE(form->Timer3->Enabled());
    const HWND tray = form->TrayIcon1->MessageWindow();
    ASSERT_NE(tray, nullptr);
    SendMessageA(tray, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONDOWN);
    SendMessageA(tray, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONUP);
    EXPECT_FALSE(form->Timer3->Enabled());
    EXPECT_FALSE(form->TrayIcon1->CycleIcons());
    EXPECT_EQ(form->Image1->FileName(), "mos00.jpg");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Stop KOR Quellar ...");
}

} // namespace
} // namespace quellar::test
