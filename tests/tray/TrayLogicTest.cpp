#include "tray/TrayLogic.h"

#include <gtest/gtest.h>

#include <string>

namespace quellar {
namespace {

std::string TipText(const TTrayTip& tip) {
    return std::string(tip.data());
}

bool AllZeroFrom(const TTrayTip& tip, std::size_t first) {
    for (std::size_t i = first; i < tip.size(); ++i) {
        if (tip[i] != 0) {
            return false;
        }
    }
    return true;
}

TEST(TrayTip, ShownHintIsCopiedAndTerminated) {
    const TTrayTip tip = MakeTrayTip("KOR Quellar 3.3", true);
    EXPECT_EQ("KOR Quellar 3.3", TipText(tip));
    EXPECT_TRUE(AllZeroFrom(tip, 15));
}

TEST(TrayTip, LongHintIsCutTo63Characters) {
    const std::string hint(70, 'x');
    const TTrayTip tip = MakeTrayTip(hint + "tail", true);
    EXPECT_EQ(std::string(63, 'x'), TipText(tip));
    EXPECT_EQ(0, tip[63]);
}

TEST(TrayTip, ExactlyFittingHintKeepsEveryCharacter) {
    const std::string hint(63, 'a');
    EXPECT_EQ(hint, TipText(MakeTrayTip(hint, true)));
}

TEST(TrayTip, HiddenOrEmptyHintGivesAllZeroField) {
    EXPECT_TRUE(AllZeroFrom(MakeTrayTip("some text", false), 0));
    EXPECT_TRUE(AllZeroFrom(MakeTrayTip("", true), 0));
}

TEST(TrayIndex, ClampKeepsIndexInsideTheList) {
    EXPECT_EQ(15, ClampIconIndex(20, 16));
    EXPECT_EQ(15, ClampIconIndex(15, 16));
    EXPECT_EQ(7, ClampIconIndex(7, 16));
    EXPECT_EQ(0, ClampIconIndex(-3, 16)) << "negative indexes show the first picture";
    EXPECT_EQ(0, ClampIconIndex(5, 0)) << "an empty list has no picture to point at";
    EXPECT_EQ(0, ClampIconIndex(5, 1));
}

TEST(TrayIndex, CycleStepsOnAndWrapsAfterTheLast) {
    EXPECT_EQ(1, NextCycleIndex(0, 16));
    EXPECT_EQ(15, NextCycleIndex(14, 16));
    EXPECT_EQ(0, NextCycleIndex(15, 16));
    EXPECT_EQ(0, NextCycleIndex(0, 1)) << "a single picture stays";
    EXPECT_EQ(0, NextCycleIndex(40, 16)) << "an index beyond a shrunken list starts over";
}

} // namespace
} // namespace quellar
