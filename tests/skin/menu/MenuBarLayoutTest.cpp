// The menu bar's geometry and the decisions of its drop-down tracking, with numbers worked out
// by hand.
#include "skin/menu/MenuBarLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace quellar {
namespace {

// Four items of text widths 20, 0 (no caption), 30, 12 in a bar at (6, 24)-(206, 43).
std::vector<TBarItem> Items() {
    std::vector<TBarItem> items(4);
    const int widths[4] = {20, 0, 30, 12};
    for (int i = 0; i < 4; ++i) {
        items[static_cast<std::size_t>(i)].textWidth = widths[i];
        items[static_cast<std::size_t>(i)].dropDown = true;
    }
    items[1].hasCaption = false;
    return items;
}

TEST(MenuBarLayout, ItemsRunFromTheFirstXInEitherDirection) {
    const TSkinRect bar{6, 24, 206, 43};
    const struct {
        const char* what;
        TBarDress dress;
        int firstX;
        std::vector<int> lefts, rights;
    } rows[] = {
        {"element caps: LeftWidth + 4", {true, 5, 7, false}, 9, {15, 45, 45, 85}, {45, 45, 85, 107}},
        {"right to left: RightWidth + 8 from the right",
         {true, 5, 7, true},
         15,
         {161, 161, 121, 99},
         {191, 161, 161, 121}},
        {"no element", {false, 5, 7, false}, 6, {12, 42, 42, 82}, {42, 42, 82, 104}},
        {"caps wider than the bar", {true, 300, 7, false}, 12, {18, 48, 48, 88}, {48, 48, 88, 110}},
    };
    for (const auto& row : rows) {
        std::vector<TBarItem> items = Items();
        const int firstX = FirstItemX(row.dress, 200);
        EXPECT_EQ(row.firstX, firstX) << row.what;
        LayOutBarItems(items, bar, firstX, row.dress.rightToLeft);
        for (std::size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ((TSkinRect{row.lefts[i], 24, row.rights[i], 42}), items[i].rect)
                << row.what << " item " << i;
        }
    }
}

TEST(MenuBarLayout, HitsAcceleratorsAndNeighbours) {
    std::vector<TBarItem> items = Items();
    LayOutBarItems(items, {0, 0, 200, 20}, 6, false); // 6-36, 36-36, 36-76, 76-98
    EXPECT_EQ(0, BarItemAt(items, 6, 5));
    EXPECT_EQ(2, BarItemAt(items, 36, 5)); // the empty item at 36 is never hit
    EXPECT_EQ(-1, BarItemAt(items, 98, 5));
    EXPECT_EQ(-1, BarItemAt(items, 10, 19)); // the last row belongs to no item

    items[0].accelerator = 'f';
    items[2].accelerator = 'e';
    items[3].accelerator = 'e';
    EXPECT_EQ(0, BarAcceleratorItem(items, 'F'));
    EXPECT_EQ(2, BarAcceleratorItem(items, 'e')); // the first of two
    items[2].enabled = false;
    EXPECT_EQ(3, BarAcceleratorItem(items, 'e'));
    EXPECT_EQ(-1, BarAcceleratorItem(items, 'x'));

    // Neighbours skip the empty and the disabled item and wrap at both ends.
    EXPECT_EQ(3, BarNeighbour(items, 0, 1));
    EXPECT_EQ(0, BarNeighbour(items, 3, 1));
    EXPECT_EQ(3, BarNeighbour(items, 0, -1));
    items[3].dropDown = false; // a plain command is no stop either: nothing besides item 0
    EXPECT_EQ(-1, BarNeighbour(items, 0, 1));
}

TEST(MenuBarLayout, TrackingSwitchesOnlyWhereTheMenuHasNoUseForTheKeyOrPointer) {
    std::vector<TBarItem> items = Items();
    LayOutBarItems(items, {0, 0, 200, 20}, 6, false);
    const TTrackDecision none{}, closeHere{-1, true, true};
    const struct {
        const char* what;
        TTrackView view;
        unsigned key;
        TTrackDecision expected;
    } keys[] = {
        {"right from the last wraps to the first", {3, false, false, false}, TrackKeyRight, {0, true, true}},
        {"left from the first wraps to the last", {0, false, false, false}, TrackKeyLeft, {3, true, true}},
        {"right on an item with a submenu opens that", {0, false, true, false}, TrackKeyRight, none},
        {"left inside a nested submenu closes that", {2, true, false, false}, TrackKeyLeft, none},
        {"right to left: left goes to the next", {2, false, false, true}, TrackKeyLeft, {3, true, true}},
        {"other keys are the menu's", {2, false, false, false}, 0x28, none},
    };
    for (const auto& row : keys) {
        EXPECT_EQ(row.expected, DecideTrackKey(items, row.view, row.key)) << row.what;
    }
    items[2].dropDown = false; // a plain command
    const struct {
        const char* what;
        int x;
        bool pressed;
        TTrackDecision expected;
    } pointers[] = {
        {"moving onto another item switches", 80, false, {3, true, false}},
        {"pressing another item switches", 80, true, {3, true, true}},
        {"moving over a plain command keeps the drop-down", 50, false, none},
        {"pressing a plain command switches to it, so it runs", 50, true, {2, true, true}},
        {"moving over the open item", 10, false, none},
        {"pressing the open item closes", 10, true, closeHere},
        {"outside the items", 150, true, none},
    };
    for (const auto& row : pointers) {
        EXPECT_EQ(row.expected, DecideTrackPointer(items, {0, false, false, false}, row.x, 5, row.pressed))
            << row.what;
    }
}

} // namespace
} // namespace quellar
