#include "tray/TrayMouse.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quellar {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const char* ButtonName(TTrayButton button) {
    switch (button) {
    case TTrayButton::tbLeft:
        return "left";
    case TTrayButton::tbRight:
        return "right";
    case TTrayButton::tbMiddle:
        return "middle";
    }
    return "?";
}

// Records every call of the table as a short line.
class TRecordingTarget : public TTrayMouseTarget {
public:
    std::vector<std::string> log;
    bool leftPopup = false;

    void TrayMouseMove(TTrayShift shift) override { log.push_back("move " + std::to_string(shift)); }
    void TrayMouseDown(TTrayButton button, TTrayShift shift) override {
        log.push_back(std::string("down ") + ButtonName(button) + " " + std::to_string(shift));
    }
    void TrayMouseUp(TTrayButton button, TTrayShift shift) override {
        log.push_back(std::string("up ") + ButtonName(button) + " " + std::to_string(shift));
    }
    void TrayClick() override { log.push_back("click"); }
    void TrayDblClick() override { log.push_back("dblclick"); }
    void TrayPopup() override { log.push_back("popup"); }
    void TrayClickDefaultItem() override { log.push_back("default item"); }
    bool TrayLeftPopup() const override { return leftPopup; }
};

class TrayMouseTable : public ::testing::Test {
protected:
    void Route(unsigned message, TTrayShift keys = 0) { RouteTrayMouse(message, keys, state, target); }
    TRecordingTarget target;
    TTrayClickState state;
};

TEST_F(TrayMouseTable, LeftClickGivesDownClickUpAndNoMenu) {
    Route(traymsg::kLeftDown);
    Route(traymsg::kLeftUp);
    EXPECT_THAT(target.log, ElementsAre("down left 8", "click", "up left 8"));
}

TEST_F(TrayMouseTable, DoubleClickFiresClickOnlyAtTheFirstRelease) {
    Route(traymsg::kLeftDown);
    Route(traymsg::kLeftUp);
    Route(traymsg::kLeftDblClick);
    Route(traymsg::kLeftUp);
    EXPECT_THAT(target.log,
                ElementsAre("down left 8", "click", "up left 8", "dblclick", "default item", "up left 8"));
}

TEST_F(TrayMouseTable, LeftPopupShowsMenuOnPressAndSkipsDefaultItem) {
    target.leftPopup = true;
    Route(traymsg::kLeftDown);
    Route(traymsg::kLeftUp);
    Route(traymsg::kLeftDblClick);
    EXPECT_THAT(target.log, ElementsAre("down left 8", "popup", "click", "up left 8", "dblclick"));
}

TEST_F(TrayMouseTable, RightPressShowsMenuBeforeTheRelease) {
    Route(traymsg::kRightDown);
    Route(traymsg::kRightUp);
    EXPECT_THAT(target.log, ElementsAre("down right 16", "popup", "up right 16"));
}

TEST_F(TrayMouseTable, ReleaseWithoutPressGivesNoClick) {
    Route(traymsg::kLeftUp);
    EXPECT_THAT(target.log, ElementsAre("up left 8"));
    EXPECT_FALSE(state.clickPending);
}

TEST_F(TrayMouseTable, MiddleButtonAndMoveCarryTheirFlags) {
    Route(traymsg::kMiddleDown, ssCtrl);
    Route(traymsg::kMiddleUp, ssCtrl);
    Route(traymsg::kMouseMove, ssShift | ssAlt);
    EXPECT_THAT(target.log, ElementsAre("down middle 36", "up middle 36", "move 3"));
}

TEST_F(TrayMouseTable, ModifierKeysJoinTheButtonFlag) {
    Route(traymsg::kLeftDown, ssShift);
    EXPECT_THAT(target.log, ElementsAre("down left 9"));
}

TEST_F(TrayMouseTable, RightAndMiddleDoubleClicksAndUnknownMessagesAreIgnored) {
    EXPECT_FALSE(RouteTrayMouse(traymsg::kRightDblClick, 0, state, target));
    EXPECT_FALSE(RouteTrayMouse(traymsg::kMiddleDblClick, 0, state, target));
    EXPECT_FALSE(RouteTrayMouse(0x20A, 0, state, target));
    EXPECT_THAT(target.log, IsEmpty());
}

} // namespace
} // namespace quellar
