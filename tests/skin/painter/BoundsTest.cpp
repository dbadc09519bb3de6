#include "skin/painter/Bounds.h"

#include <gtest/gtest.h>

#include <limits>

namespace quellar {
namespace {

constexpr int Max = std::numeric_limits<int>::max();

TEST(Bounds, IntersectKeepsTheCommonPartOrAnEmptyRectAtTheBound) {
    struct TCase {
        TSkinRect a, b, expected;
    };
    const TCase cases[] = {
        {{-5, -5, 10, 10}, {0, 0, 4, 3}, {0, 0, 4, 3}},   // a covers b
        {{2, 1, 3000000, 2}, {0, 0, 4, 3}, {2, 1, 4, 2}}, // a runs far past b's right
        {{10, 10, 20, 20}, {0, 0, 4, 3}, {0, 0, 0, 0}},   // apart
        {{-Max, 0, Max, 1}, {1, 0, 9, 1}, {1, 0, 9, 1}},  // a spans the int range
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(Intersect(c.a, c.b), c.expected);
    }
}

TEST(Bounds, TileAreaWithinStartsOnAWholeTileAndEndsAtTheVisiblePart) {
    struct TCase {
        TSkinRect area;
        int tileWidth, tileHeight;
        TSkinRect visible, expected;
    };
    const TCase cases[] = {
        // 7-wide tiles from x = -1,000,000: 142,857 whole tiles reach -1, the next one covers 0..6.
        {{-1000000, 0, 1000000, 1}, 7, 1, {0, 0, 5, 1}, {-1, 0, 5, 1}},
        // 1 x 200,000 chunks from y = -99,900: the first tile already reaches row 0.
        {{10, -99900, 30, 100100}, 1, 200000, {0, 0, 200, 20}, {10, -99900, 30, 20}},
        {{0, 0, 100, 10}, 10, 10, {35, 2, 60, 8}, {30, 0, 60, 8}},
        {{50, 0, 100, 10}, 10, 10, {0, 0, 20, 10}, {}}, // no tile touches
        {{0, 0, 100, 10}, 0, 10, {0, 0, 20, 10}, {}},   // a zero-wide tile
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(TileAreaWithin(c.area, c.tileWidth, c.tileHeight, c.visible), c.expected);
    }
}

TEST(Bounds, WindowsFitTheWorkAreaMovingOnlyBackOntoIt) {
    const TSkinRect work{0, 0, 1280, 1000};
    struct TCase {
        int x, y;
        std::int64_t width, height;
        TSkinRect expected;
    };
    const TCase cases[] = {
        {553, 459, 200, 111, {553, 459, 753, 570}},               // fits: unchanged
        {553, 459, 32767, 111, {0, 459, 1280, 570}},              // too wide: the whole width
        {553, 459, 1000, 700, {280, 300, 1280, 1000}},            // moved back by what overhangs
        {-30, 10, 400, 300, {-30, 10, 370, 310}},                 // put off the left edge: stays
        {100, 100, 8000000LL * 2 + 300, -5, {0, 100, 1280, 100}}, // sums past the int range; no negative size
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(FitWindowToWorkArea(c.x, c.y, c.width, c.height, work), c.expected);
    }
}

TEST(Bounds, DialogsWidenUpToTheWorkAreaWithChildrenMovedByHalf) {
    struct TCase {
        int width;
        std::int64_t needed;
        int workWidth;
        TWidening expected;
    };
    const TCase cases[] = {
        {177, 300, 1280, {300, 61}},           // (300 - 177) / 2 rounds toward zero
        {177, 120200044, 1280, {1280, 551}},   // a TXTBack of 60,000,000 each side
        {177, 100, 1280, {177, 0}},            // wide enough already
        {1500, 9000000000LL, 1280, {1500, 0}}, // already wider than the screen: not wider still
    };
    for (const TCase& c : cases) {
        const TWidening w = WidenWithin(c.width, c.needed, c.workWidth);
        EXPECT_EQ(w.width, c.expected.width);
        EXPECT_EQ(w.shift, c.expected.shift);
    }
}

TEST(Bounds, PaintSurfaceGrowsToScreenSizeAndGivesBackAnOversizedPaint) {
    // One surface, paints in turn: each row is (needed, the size it is then made at).
    struct TStep {
        TSurfaceSize needed, made;
    };
    const TStep steps[] = {
        {{100, 20}, {100, 20}},       {{50, 200}, {100, 200}}, // grows on both sides
        {{80, 80}, {100, 200}},                                // kept
        {{4096, 4096}, {4096, 4096}}, // past 2048 x 1152: made at the paint's own size
        {{3000, 3000}, {4096, 4096}}, // still more than half used: kept
        {{100, 20}, {100, 20}},       // given back
        {{2048, 1152}, {2048, 1152}}, {{10, 10}, {2048, 1152}}, // a screen-sized surface is kept
    };
    TSurfaceSize made{};
    for (const TStep& step : steps) {
        made = SurfaceSizeFor(made, step.needed);
        EXPECT_EQ(made, step.made) << step.needed.width << " x " << step.needed.height;
    }
}

} // namespace
} // namespace quellar
