#include "skin/controls/TabGeometry.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

// A 200 x 150 tab control with tabs 22 pixels deep on each side in turn. A tab is drawn one
// pixel toward the page at the top and bottom; on the left and right the strip is laid flat
// (turned back by a quarter turn when shown), and on the right one pixel up.
TEST(TabGeometry, PageStripAndTabsLineUpForEverySide) {
    const TSkinRect window{0, 0, 200, 150};
    const struct {
        std::uint32_t style; // the bottom (2) and vertical (0x80) bits choose the side
        TTabSide side;
        TSkinRect display, page, strip;
        TStripSize size;
        TSkinRect item, inBitmap;
    } rows[] = {
        {0x50000241,
         tsTop,
         {4, 26, 196, 146},
         {0, 23, 200, 150},
         {0, 0, 200, 23},
         {200, 23},
         {2, 2, 50, 22},
         {2, 3, 50, 23}},
        {0x2,
         tsBottom,
         {4, 4, 196, 124},
         {0, 0, 200, 127},
         {0, 127, 200, 150},
         {200, 23},
         {2, 128, 50, 148},
         {2, 0, 50, 20}},
        {0x80,
         tsLeft,
         {26, 4, 196, 146},
         {23, 0, 200, 150},
         {0, 0, 23, 150},
         {150, 23},
         {2, 2, 22, 50},
         {100, 2, 148, 22}},
        {0x82,
         tsRight,
         {4, 4, 174, 146},
         {0, 0, 177, 150},
         {177, 0, 200, 150},
         {150, 23},
         {178, 2, 198, 50},
         {1, 2, 49, 22}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.side);
        EXPECT_EQ(row.side, TabSideOf(row.style));
        const TSkinRect page = TabPageRect(row.display, row.side);
        EXPECT_EQ(row.page, page);
        const TSkinRect strip = TabStripRect(window, page, row.side);
        EXPECT_EQ(row.strip, strip);
        const TStripSize size = TabStripBitmapSize(strip, row.side);
        EXPECT_EQ(row.size, size);
        const TSkinRect inBitmap = TabRectInStrip(row.item, row.side, page, window, size.width);
        EXPECT_EQ(row.inBitmap, inBitmap);
    }
    EXPECT_EQ(TStripSize{}, TabStripBitmapSize({0, 30, 200, 20}, tsTop)) << "no strip, no bitmap";
}

} // namespace
} // namespace quellar
