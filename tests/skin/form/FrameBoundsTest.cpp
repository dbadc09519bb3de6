#include "skin/form/FrameBounds.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

TEST(FrameBounds, EachBorderIsAtMostAQuarterOfTheScreenAcrossIt) {
    struct TCase {
        TFrameSizes frame;
        int workWidth, workHeight;
        TFrameSizes expected;
    };
    const TCase cases[] = {
        {{5, 26, 5, 16, 19}, 1280, 1000, {5, 26, 5, 16, 19}},       // a real skin: unchanged
        {{4000000, 32, 5, 16, 0}, 1280, 1000, {320, 32, 5, 16, 0}}, // an 8,000,000-pixel Left of 2 frames
        {{5, 700, 5, -3, 0}, 801, 601, {5, 150, 5, 0, 0}},          // 601 / 4 rounds down; no negative
        {{5, 5, 5, 5, 5}, 0, 0, {0, 0, 0, 0, 0}},                   // no work area at all
    };
    for (const TCase& c : cases) {
        EXPECT_EQ(FrameWithin(c.frame, c.workWidth, c.workHeight), c.expected);
    }
}

} // namespace
} // namespace quellar
