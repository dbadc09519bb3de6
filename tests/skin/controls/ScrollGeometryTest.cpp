// Scroll bar geometry, numbers worked out by hand: "÷" rounds to the nearest, halves away from zero.
#include "skin/controls/ScrollGeometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace quellar {
namespace {

constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();

TEST(ScrollGeometry, BarsAndThumbs) {
    const TSkinRect none{};
    struct Bars {
        int w, h, cw, ch;
        bool horz, vert, left;
        TBarLayout expected;
    } bars[] = {
        // b = (200 - 179 - 17) div 2 = 2
        {200, 100, 179, 100, false, true, false, {none, {181, 2, 198, 98}, none}},
        {200, 100, 179, 100, false, true, true, {none, {2, 2, 19, 98}, none}},
        // b = (100 - 79 - 17) div 2 = 2; the left-bar style does not move a horizontal bar
        {200, 100, 196, 79, true, false, false, {{2, 81, 198, 98}, none, none}},
        {200, 100, 196, 79, true, false, true, {{2, 81, 198, 98}, none, none}},
        {200, 100, 179, 79, true, true, false, {{2, 81, 181, 98}, {181, 2, 198, 81}, {181, 81, 198, 98}}},
        {200, 100, 179, 79, true, true, true, {{19, 81, 198, 98}, {2, 2, 19, 81}, {2, 81, 19, 98}}},
        {200, 100, 196, 96, false, false, false, {none, none, none}},
    };
    for (const Bars& c : bars) {
        const TScrollFrame frame{c.w, c.h, c.cw, c.ch, c.horz, c.vert, c.left, 17, 2};
        EXPECT_EQ(c.expected, LayOutBars(frame)) << c.horz << c.vert << c.left;
    }

    struct Thumb {
        TScrollValues values;
        int length; // the bar's; arrows of 17, minimum thumb 8, platform thumb 17
        TThumb expected;
    } thumbs[] = {
        {{0, 99, 10, 45}, 134, {100, 10, 46}},       // t = 10 x 100 ÷ 99; f = 45 x 90 ÷ 89 = 45.5
        {{0, 100, 0, 50}, 44, {10, 10, 0}},          // no page: the platform's 17, at most the track
        {{0, 50, 50, 20}, 134, {100, 99, 0}},        // page = range: one shorter, at the start
        {{0, 1000, 1, 500}, 134, {100, 8, 46}},      // at least 8; f = 500 x 92 ÷ 999 = 46.05
        {{0, 50, 60, 20}, 134, {100, 100, 0}},       // page beyond the range: the whole track
        {{0, 100, 10, -30}, 134, {100, 10, 0}},      // below the minimum: at the start
        {{0, 100, 10, 500}, 134, {100, 10, 90}},     // beyond the maximum: at the end
        {{kMin, kMax, 0, kMax}, 134, {100, 17, 83}}, // the whole int range, no overflow
        {{kMin, kMax, 0, 0}, 134, {100, 17, 42}},    // 2^31 x 83 ÷ (2^32 - 1) = 41.500000001
        // half the range as page: t = (2^31 - 1) x 100 ÷ (2^32 - 1) = 49.99..., f = 2^31 x 50 ÷ 2^31
        {{kMin, kMax, kMax, 0}, 134, {100, 50, 50}},
    };
    for (const Thumb& c : thumbs) {
        TThumb thumb;
        ASSERT_TRUE(ComputeThumb(c.values, c.length, 17, 8, 17, thumb)) << c.values.position;
        EXPECT_EQ(c.expected, thumb) << c.values.minimum << ".." << c.values.maximum << " page "
                                     << c.values.page << " at " << c.values.position;
    }
    // An empty or inverted range keeps the thumb as it was.
    TThumb kept{1, 2, 3};
    EXPECT_FALSE(ComputeThumb({5, 5, 0, 5}, 134, 17, 8, 17, kept));
    EXPECT_FALSE(ComputeThumb({9, 2, 1, 5}, 134, 17, 8, 17, kept));
    EXPECT_EQ((TThumb{1, 2, 3}), kept);
    EXPECT_EQ(-46, MulDivRound(-91, 1, 2)); // -45.5 away from zero
    EXPECT_EQ(0, MulDivRound(7, 3, 0));
}

TEST(ScrollGeometry, PressesAndDrags) {
    const TThumb thumb{100, 20, 30}; // arrows of 17
    struct Hit {
        int p;
        TScrollHit expected;
    } hits[] = {
        {-5, shLineUp},    {10, shLineUp},    {16, shLineUp},    {17, shPageUp},   {40, shPageUp},
        {47, shThumb},     {60, shThumb},     {66, shThumb},     {67, shPageDown}, {100, shPageDown},
        {117, shLineDown}, {125, shLineDown}, {133, shLineDown}, {134, shNone},    {140, shNone},
    };
    for (const Hit& c : hits) {
        EXPECT_EQ(c.expected, HitTestBar(c.p, 17, thumb)) << "p " << c.p;
    }

    struct Drag {
        int offset;
        TScrollValues values;
        TThumb thumb;
        TDragStep expected;
    } drags[] = {
        {100, {0, 100, 10, 0}, {100, 10, 0}, {100, 91}}, // 100 reaches 100 - 10: 91
        {150, {0, 100, 10, 0}, {100, 10, 0}, {100, 91}}, // at most the track
        {-20, {0, 100, 10, 0}, {100, 10, 0}, {0, 0}},    // at least 0
        {89, {0, 100, 10, 0}, {100, 10, 0}, {89, 89}},
        {90, {0, 100, 10, 0}, {100, 10, 0}, {90, 91}},
        {0, {10, 110, 10, 0}, {100, 10, 0}, {0, 10}},
        {33, {0, 10, 2, 0}, {100, 10, 0}, {33, 3}},     // 33 x 10 ÷ 100 = 3.3
        {5, {0, 100, 10, 0}, {0, 0, 0}, {0, 0}},        // no track: the minimum
        {83, {0, 100, 0, 0}, {100, 17, 0}, {83, 100}},  // no page: over T - t = 83
        {41, {0, 100, 0, 0}, {100, 17, 0}, {41, 49}},   // 41 x 100 ÷ 83 = 49.4
        {200, {0, 100, 0, 0}, {100, 17, 0}, {83, 100}}, // at most T - t
        {5, {20, 100, 0, 0}, {10, 10, 0}, {0, 20}},     // no room to move: the minimum, no division
        {5, {20, 100, 0, 0}, {10, 17, 0}, {0, 20}},     // a thumb longer than the track likewise
        {83, {kMin, kMax, 0, 0}, {100, 17, 0}, {83, kMax}},
        {100, {kMin, kMax, 1, 0}, {100, 8, 0}, {100, kMax}}, // max - page + 1 without overflow
    };
    for (const Drag& c : drags) {
        EXPECT_EQ(c.expected, DragPosition(c.offset, c.values, c.thumb))
            << "offset " << c.offset << " in " << c.values.minimum << ".." << c.values.maximum << " page "
            << c.values.page;
    }
}

} // namespace
} // namespace quellar
