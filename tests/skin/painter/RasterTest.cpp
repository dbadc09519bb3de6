#include "skin/painter/Raster.h"

#include "skin/model/SkinElements.h"

#include <gtest/gtest.h>

#include <limits>

namespace quellar {
namespace {

constexpr int Min = std::numeric_limits<int>::min();
constexpr int Max = std::numeric_limits<int>::max();

TBitmap32 FromRows(const std::vector<std::vector<std::uint32_t>>& rows) {
    TBitmap32 out(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < out.Height(); ++y) {
        for (int x = 0; x < out.Width(); ++x) {
            out.SetPixel(x, y, rows[y][x]);
        }
    }
    return out;
}

TEST(Raster, StretchPicksNearestPixelsWithoutBlending) {
    TBitmap32 blocks(4, 4);
    StretchPixels(blocks, {0, 0, 4, 4}, FromRows({{1, 2}, {3, 4}}), {0, 0, 2, 2}, TTransparency::trOpaque);
    EXPECT_EQ(blocks, FromRows({{1, 1, 2, 2}, {1, 1, 2, 2}, {3, 3, 4, 4}, {3, 3, 4, 4}}));

    struct TCase {
        TSkinRect sourceRect;
        int destWidth;
        std::vector<std::uint32_t> expected;
    };
    const TCase cases[] = {
        {{0, 0, 4, 1}, 2, {1, 3}},          // x * 4 / 2
        {{1, 0, 4, 1}, 5, {2, 2, 3, 3, 4}}, // 1 + x * 3 / 5
        {{2, 0, 2, 1}, 3, {0, 0, 0}},       // empty source: nothing
    };
    const TBitmap32 source = FromRows({{1, 2, 3, 4}});
    for (const TCase& c : cases) {
        TBitmap32 dest(c.destWidth, 1);
        StretchPixels(dest, {0, 0, c.destWidth, 1}, source, c.sourceRect, TTransparency::trOpaque);
        EXPECT_EQ(dest, FromRows({c.expected}))
            << "from " << c.sourceRect.left << " to width " << c.destWidth;
    }
}

TEST(Raster, ClipsEveryReadAndWrite) {
    const TBitmap32 source = FromRows({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    struct TCase {
        const char* name;
        TSkinRect destRect, sourceRect;
        std::vector<std::vector<std::uint32_t>> expected;
    };
    const TCase cases[] = {
        {"dest past top-left", {-1, -1, 2, 2}, {0, 0, 3, 3}, {{5, 6, 0}, {8, 9, 0}, {0, 0, 0}}},
        {"source past top-left", {0, 0, 3, 3}, {-1, -1, 2, 2}, {{0, 0, 0}, {0, 1, 2}, {0, 4, 5}}},
        {"dest outside", {3, 0, 6, 3}, {0, 0, 3, 3}, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}},
        {"source outside", {0, 0, 3, 3}, {3, 3, 6, 6}, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}},
        // Column 0 of the bitmap is 2^31 into a 2^32 - 1 wide rect: source column 3 * 2^31 / (2^32 - 1).
        {"dest spans the int range", {Min, Min, Max, Max}, {0, 0, 3, 3}, {{5, 5, 5}, {5, 5, 5}, {5, 5, 5}}},
        {"source spans the int range", {0, 0, 3, 3}, {Min, Min, Max, Max}, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}},
        {"inverted dest", {3, 3, 0, 0}, {0, 0, 3, 3}, {{0, 0, 0}, {0, 0, 0}, {0, 0, 0}}},
    };
    for (const TCase& c : cases) {
        TBitmap32 dest(3, 3);
        StretchPixels(dest, c.destRect, source, c.sourceRect, TTransparency::trOpaque);
        EXPECT_EQ(dest, FromRows(c.expected)) << c.name;
    }
    TBitmap32 edge(3, 3);
    CopyPixels(edge, Max - 1, Max - 1, source, {Min, Min, Max, Max}, TTransparency::trOpaque);
    EXPECT_EQ(edge, TBitmap32(3, 3));
}

TEST(Raster, NineSliceKeepsCornersAndStretchesTheRest) {
    const TBitmap32 image = FromRows({{0, 1, 2, 3}, {0, 4, 5, 6}, {0, 7, 8, 9}});
    EXPECT_EQ(ComposeNineSlice(image, {1, 0, 4, 3}, 5, 4, {1, 1, 1, 1}, false),
              FromRows({{1, 2, 2, 2, 3}, {4, 5, 5, 5, 6}, {4, 5, 5, 5, 6}, {7, 8, 8, 8, 9}}));
    EXPECT_TRUE(ComposeNineSlice(image, {1, 0, 4, 3}, 0, 4, {1, 1, 1, 1}, false).Empty());
}

TEST(Raster, NineSliceTilesTheCentreUnderTheRightEdge) {
    // Left margin 1, a 7-pixel centre tile, right margin 1, composed 20 pixels wide inside.
    const TBitmap32 image = FromRows({{100, 101, 102, 103, 104, 105, 106, 107, 108}});
    const TBitmap32 composed = ComposeNineSlice(image, {0, 0, 9, 1}, 22, 1, {1, 0, 1, 0}, true);
    ASSERT_EQ(composed.Width(), 22);
    EXPECT_EQ(composed.Pixel(0, 0), 100u);
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(composed.Pixel(1 + i, 0), image.Pixel(1 + i % 7, 0)) << "centre column " << i;
    }
    EXPECT_EQ(composed.Pixel(21, 0), 108u); // the third tile overhangs here
    // A 0-wide centre tile draws nothing.
    EXPECT_EQ(ComposeNineSlice(FromRows({{100, 108}}), {0, 0, 2, 1}, 5, 1, {1, 0, 1, 0}, true),
              FromRows({{100, 0, 0, 0, 108}}));
}

TEST(Raster, DrawFramePaintsTheChosenFrame) {
    constexpr std::uint32_t A = 0xA, B = 0xB, D = 0xD;
    TDataSkinObject element("Test");
    element.Image = FromRows({{A, A, KeyColour, B}, {A, A, B, B}});
    element.Trans = 1;
    TBitmap32 dest(4, 3, D);
    DrawFrame(dest, {1, 1, 3, 3}, element, 2, 2);
    EXPECT_EQ(dest, FromRows({{D, D, D, D}, {D, D, B, D}, {D, B, B, D}})); // D kept under magenta

    element.Trans = 0;
    DrawFrame(dest, {-1, -1, 1, 1}, element, 2, 2);
    EXPECT_EQ(dest.Pixel(0, 0), B); // bottom-right of frame 2
    DrawFrame(dest, {0, 0, 2, 2}, element, 2, 2);
    EXPECT_EQ(dest.Pixel(0, 0), KeyColour); // opaque: magenta is drawn

    const TBitmap32 before = dest;
    DrawFrame(dest, {3, 0, 1, 2}, element, 2, 1);
    element.Image = TBitmap32();
    DrawFrame(dest, {0, 0, 4, 3}, element, 2, 1);
    EXPECT_EQ(dest, before);
}

// A piece a million pixels on each side drawn into a 5 x 2 bitmap: only what the bitmap shows
// is composed (the whole would be four terabytes), and those pixels are the tiling's own.
TEST(Raster, AHugeRectIsComposedOnlyWhereTheDestinationShowsIt) {
    TDataSkinObject element("Huge");
    element.Image = FromRows({{100, 101, 102, 103, 104, 105, 106, 107, 108}});
    element.LeftWidth = 1;
    element.RightWidth = 1;
    element.Tile = 1;
    TBitmap32 dest(5, 2, 0xD);
    DrawFrame(dest, {-1000000, -1000000, 1000000, 1000000}, element, 1, 1);
    // The centre tile (101 .. 107) repeats every 7 pixels from x = -999,999; 999,999 is a
    // multiple of 7, so x = 0 starts a tile. The one-row image stretched over 2,000,000 rows
    // shows its only row.
    EXPECT_EQ(dest, FromRows({{101, 102, 103, 104, 105}, {101, 102, 103, 104, 105}}));
    // Cut from a stretched middle: the piece's own first column maps to source column
    // 1 + (999,999 - 1) * 7 / 1,999,998 = 4.
    element.Tile = 0;
    DrawFrame(dest, {-999999, 0, 1000001, 2}, element, 1, 1);
    EXPECT_EQ(dest.Pixel(0, 0), 104u);
}

} // namespace
} // namespace quellar
