// The frame of a control's skin image for each state the control can be in.
#include "skin/controls/StateFrames.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

TEST(ControlStateFrames, ButtonAndComboFramesFollowTheState) {
    struct Case {
        bool enabled, pressed, focused, hot;
        int button, combo;
    } cases[] = {
        {true, false, false, false, 1, 1},
        {true, true, false, false, 2, 2},
        {true, true, true, true, 2, 2}, // pressed wins over focus and hover
        {true, false, true, false, 4, 4},
        {true, false, false, true, 4, 4},
        {false, false, false, false, 3, 3},
        {false, true, false, false, 3, 2}, // a disabled button never looks pressed; a combo box does
        {false, false, true, true, 3, 4},
    };
    for (const Case& c : cases) {
        const TControlState state{c.enabled, c.pressed, c.focused, c.hot};
        EXPECT_EQ(c.button, PushButtonFrame(state)) << c.enabled << c.pressed << c.focused << c.hot;
        EXPECT_EQ(c.combo, ComboBoxFrame(state)) << c.enabled << c.pressed << c.focused << c.hot;
    }
}

TEST(ControlStateFrames, CheckFramesFollowTheMarkAndTheEnabledState) {
    struct Case {
        TCheckState check;
        bool enabled, radio;
        int frame;
    } cases[] = {
        {csUnchecked, true, false, 1},     {csChecked, true, false, 2},
        {csUnchecked, false, false, 3},    {csChecked, false, false, 4},
        {csIndeterminate, true, false, 4}, {csIndeterminate, false, false, 4},
        {csUnchecked, true, true, 1},      {csChecked, false, true, 4},
        {csIndeterminate, true, true, 2}, // a radio button's mark is checked or not
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.frame, CheckFrame(c.check, c.enabled, c.radio)) << c.check << c.enabled << c.radio;
    }
}

} // namespace
} // namespace quellar
