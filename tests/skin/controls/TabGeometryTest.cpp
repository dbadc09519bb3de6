#include "skin/controls/TabGeometry.h"

#include "skin/painter/ImageTurns.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quellar {
namespace {

// Where a painted rectangle of a strip bitmap shows on the window once the bitmap is turned for
// the side and copied onto the strip.
TSkinRect ShownOnWindow(const TSkinRect& inBitmap, TStripSize size, TTabSide side, const TSkinRect& strip) {
    TBitmap32 flat(size.width, size.height); // its corners mark it
    flat.SetPixel(inBitmap.left, inBitmap.top, 1);
    flat.SetPixel(inBitmap.right - 1, inBitmap.bottom - 1, 1);
    const TBitmap32 shown = side == tsLeft ? RotateLeft(flat) : side == tsRight ? RotateRight(flat) : flat;
    TSkinRect box{shown.Width(), shown.Height(), 0, 0};
    for (int y = 0; y < shown.Height(); ++y) {
        for (int x = 0; x < shown.Width(); ++x) {
            if (shown.Pixel(x, y) != 0) {
                box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                       std::max(box.bottom, y + 1)};
            }
        }
    }
    return {box.left + strip.left, box.top + strip.top, box.right + strip.left, box.bottom + strip.top};
}

// A 200 x 150 tab control with tabs 22 pixels deep on each side in turn. A tab is drawn one
// pixel toward the page at the top and bottom, and one pixel up on the right.
TEST(TabGeometry, PageStripAndTabsLineUpForEverySide) {
    const TSkinRect window{0, 0, 200, 150};
    const struct {
        std::uint32_t style; // the bottom (2) and vertical (0x80) bits choose the side
        TTabSide side;
        TSkinRect display, page, strip;
        TStripSize size;
        TSkinRect item, inBitmap, shown;
    } rows[] = {
        {0x50000241,
         tsTop,
         {4, 26, 196, 146},
         {0, 23, 200, 150},
         {0, 0, 200, 23},
         {200, 23},
         {2, 2, 50, 22},
         {2, 3, 50, 23},
         {2, 3, 50, 23}},
        {0x2,
         tsBottom,
         {4, 4, 196, 124},
         {0, 0, 200, 127},
         {0, 127, 200, 150},
         {200, 23},
         {2, 128, 50, 148},
         {2, 0, 50, 20},
         {2, 127, 50, 147}},
        {0x80,
         tsLeft,
         {26, 4, 196, 146},
         {23, 0, 200, 150},
         {0, 0, 23, 150},
         {150, 23},
         {2, 2, 22, 50},
         {100, 2, 148, 22},
         {2, 2, 22, 50}},
        {0x82,
         tsRight,
         {4, 4, 174, 146},
         {0, 0, 177, 150},
         {177, 0, 200, 150},
         {150, 23},
         {178, 2, 198, 50},
         {1, 2, 49, 22},
         {178, 1, 198, 49}},
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
        EXPECT_EQ(row.shown, ShownOnWindow(inBitmap, size, row.side, strip));
    }
    EXPECT_EQ(TStripSize{}, TabStripBitmapSize({0, 30, 200, 20}, tsTop)) << "no strip, no bitmap";
}

} // namespace
} // namespace quellar
