// The cycle timer: stepping through the image list, OnCycle, and the icon's picture.
#include "TrayTestSupport.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

namespace quellar {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class TrayAnimation : public ::testing::Test {
protected:
    TrayAnimation() : list(16), tray(nullptr) {
        tray.SetShell(&shell);
        tray.OnCycle = [this](TComponent* sender, int next) {
            EXPECT_EQ(&tray, sender);
            cycles.push_back(next);
            indexAtCycle.push_back(tray.IconIndex());
        };
        tray.Loaded();
    }
    // The cycle timer's tick, as the timer delivers it to the hidden window.
    void Tick() { SendMessageA(tray.MessageWindow(), WM_TIMER, 1, 0); }

    TTrayShellRecorder shell;
    test::TTestIconList list;
    TCoolTrayIcon tray;
    std::vector<int> cycles;
    std::vector<int> indexAtCycle;
};

TEST_F(TrayAnimation, EachTickShowsTheNextPictureAndUpdatesTheIcon) {
    tray.SetIconList(&list);
    tray.SetIconIndex(3);
    shell.calls.clear();
    Tick();
    EXPECT_THAT(cycles, ElementsAre(4));
    EXPECT_EQ(4, tray.IconIndex());
    EXPECT_EQ(test::PictureColour(4), test::IconColour(tray.Icon()));
    ASSERT_EQ(2u, shell.calls.size()) << "one update for the tick, one for the new index";
    for (const auto& call : shell.calls) {
        EXPECT_EQ(static_cast<DWORD>(NIM_MODIFY), call.command);
    }
}

// OnCycle announces the next picture before the step; after the last picture comes the first.
TEST_F(TrayAnimation, FullCycleVisitsEveryPictureInOrderAndStartsOverAfterTheLast) {
    tray.SetIconList(&list);
    for (int i = 0; i < 16; ++i) {
        Tick();
    }
    EXPECT_THAT(indexAtCycle, ElementsAre(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15));
    EXPECT_THAT(cycles, ElementsAre(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0));
    EXPECT_EQ(0, tray.IconIndex());
    EXPECT_EQ(test::PictureColour(0), test::IconColour(tray.Icon()));
}

TEST_F(TrayAnimation, CyclingShowsPictureZeroAtOnceAndPictureOneAnIntervalLater) {
    tray.SetIconList(&list);
    tray.SetIconIndex(9);
    tray.SetCycleInterval(300);
    const DWORD start = GetTickCount();
    tray.SetCycleIcons(true);
    EXPECT_TRUE(tray.CycleTimerEnabled());
    EXPECT_EQ(0, tray.IconIndex());
    EXPECT_EQ(test::PictureColour(0), test::IconColour(tray.Icon()));
    ASSERT_TRUE(test::PumpUntil([this] { return !cycles.empty(); }, 3000)) << "the timer never ticked";
    EXPECT_GE(GetTickCount() - start, 250u) << "the first step waits one interval";
    EXPECT_EQ(1, tray.IconIndex());
    EXPECT_EQ(test::PictureColour(1), test::IconColour(tray.Icon()));
    ASSERT_TRUE(test::PumpUntil([this] { return cycles.size() >= 2; }, 3000));
    EXPECT_EQ(2, tray.IconIndex());
}

TEST_F(TrayAnimation, WithoutAListTheRunningTimerDoesNothing) {
    tray.SetIconList(&list);
    tray.SetCycleInterval(400);
    tray.SetCycleIcons(true);
    tray.SetIconList(nullptr);
    EXPECT_TRUE(tray.CycleTimerEnabled()) << "taking the list away does not stop the timer";
    shell.calls.clear();
    Tick();
    EXPECT_THAT(cycles, IsEmpty());
    EXPECT_THAT(shell.calls, IsEmpty());
}

TEST_F(TrayAnimation, HandlerThatTakesTheListAwayEndsTheStepSafely) {
    tray.SetIconList(&list);
    tray.SetIconIndex(6);
    tray.OnCycle = [this](TComponent*, int) { tray.SetIconList(nullptr); };
    Tick();
    EXPECT_EQ(nullptr, tray.IconList());
    EXPECT_EQ(0, tray.IconIndex());
    EXPECT_EQ(test::PictureColour(6), test::IconColour(tray.Icon()));
}

TEST_F(TrayAnimation, ZeroIntervalNeverTicks) {
    tray.SetIconList(&list);
    tray.SetCycleIcons(true);
    EXPECT_FALSE(test::PumpUntil([this] { return !cycles.empty(); }, 300));
}

} // namespace
} // namespace quellar
