#include "skin/painter/PaintGeometry.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

TEST(PaintGeometry, FrameCellsCountFromOneAndClamp) {
    struct TCase {
        int width, height, count, frame;
        bool stacked;
        TSkinRect expected;
    };
    const TCase cases[] = {
        {100, 20, 5, 3, false, {40, 0, 60, 20}},  {20, 100, 5, 3, true, {0, 40, 20, 60}},
        {100, 20, 0, 3, false, {0, 0, 100, 20}},  // no frame count: the whole image
        {100, 20, 5, 0, false, {0, 0, 20, 20}},   // below 1: frame 1
        {100, 20, 5, 9, false, {80, 0, 100, 20}}, // beyond the strip: the last frame
        {7, 20, 2, 2, false, {3, 0, 6, 20}},      // cell width 7 div 2
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(FrameCell(c.width, c.height, c.count, c.frame, c.stacked), c.expected)
            << c.width << "x" << c.height << " frame " << c.frame << " of " << c.count;
    }
}

TEST(PaintGeometry, NineSlicePiecesInDrawingOrder) {
    // Cell (10, 0) 30 x 20 to 50 x 40 with L 4, T 3, R 5, B 6.
    const std::vector<TSlicePiece> expected = {
        {{0, 0, 4, 3}, {10, 0, 14, 3}, false},       // top-left
        {{0, 34, 4, 40}, {10, 14, 14, 20}, false},   // bottom-left
        {{45, 0, 50, 3}, {35, 0, 40, 3}, false},     // top-right
        {{0, 3, 4, 34}, {10, 3, 14, 14}, false},     // left edge
        {{4, 0, 45, 3}, {14, 0, 35, 3}, false},      // top edge
        {{4, 3, 45, 34}, {14, 3, 35, 14}, true},     // centre
        {{45, 34, 50, 40}, {35, 14, 40, 20}, false}, // bottom-right
        {{45, 3, 50, 34}, {35, 3, 40, 14}, false},   // right edge
        {{4, 34, 45, 40}, {14, 14, 35, 20}, false},  // bottom edge
    };
    EXPECT_EQ(PlanNineSlice({10, 0, 40, 20}, 50, 40, {4, 3, 5, 6}, true), expected);
}

TEST(PaintGeometry, NineSliceDropsMarginsThatDoNotFit) {
    // 10 < 6 + 6: only the top and bottom margins remain.
    const std::vector<TSlicePiece> narrow = {
        {{0, 0, 10, 2}, {0, 0, 20, 2}, false},
        {{0, 2, 10, 38}, {0, 2, 20, 18}, false},
        {{0, 38, 10, 40}, {0, 18, 20, 20}, false},
    };
    EXPECT_EQ(PlanNineSlice({0, 0, 20, 20}, 10, 40, {6, 2, 6, 2}, false), narrow);
    // 3 < 2 + 2: the left and right margins remain; a negative margin counts as 0.
    const std::vector<TSlicePiece> flat = {
        {{0, 0, 2, 3}, {0, 0, 2, 20}, false},
        {{2, 0, 30, 3}, {2, 0, 20, 20}, false},
    };
    EXPECT_EQ(PlanNineSlice({0, 0, 20, 20}, 30, 3, {2, 2, -4, 2}, false), flat);
}

TEST(PaintGeometry, TilesStartAtTheAreaAndMayOverhang) {
    const TTileGrid grid = TilePositions({3, 5, 23, 9}, 7, 2);
    EXPECT_EQ(grid.xs, (std::vector<int>{3, 10, 17}));
    EXPECT_EQ(grid.ys, (std::vector<int>{5, 7}));
    for (const auto& [width, height] : {std::pair{0, 5}, std::pair{5, 0}, std::pair{-7, 5}}) {
        const TTileGrid none = TilePositions({0, 0, 20, 20}, width, height);
        EXPECT_TRUE(none.xs.empty() || none.ys.empty()) << width << "x" << height;
    }
    EXPECT_TRUE(TilePositions({5, 0, 5, 20}, 7, 7).xs.empty());
}

} // namespace
} // namespace quellar

namespace quellar {
namespace {

TEST(PlaceCaption, CentresVerticallyAndHorizontallyOnlyWhenAsked) {
    const TSkinRect rect{10, 20, 111, 45};                                      // 101 x 25
    EXPECT_EQ((TSkinRect{10, 26, 111, 39}), PlaceCaption(rect, 40, 13, false)); // (25 - 13) / 2 = 6
    EXPECT_EQ((TSkinRect{40, 26, 80, 39}), PlaceCaption(rect, 40, 13, true));   // (101 - 40) / 2 = 30
    EXPECT_EQ((TSkinRect{-4, 26, 126, 39}),
              PlaceCaption(rect, 130, 13, true)); // wider: -29 / 2 = -14, toward zero
}

} // namespace
} // namespace quellar
