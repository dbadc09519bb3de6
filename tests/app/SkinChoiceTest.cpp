#include "app/SkinChoice.h"

#include <gtest/gtest.h>

#include <set>

namespace quellar {
namespace {

// Worked out apart from the program (state * 134775813 + 1 modulo 2^32, a draw the high half of
// state * 11): the first draw, the thousandth and the state the thousand draws leave.
TEST(SkinChoice, LastOfAThousandDrawsCountsNotTheFirst) {
    const struct {
        std::uint32_t seed;
        int first, last;
        std::uint32_t state;
    } rows[] = {{12345, 4, 2, 0x36AE9531}, {0, 0, 5, 0x76F3B998}, {0xFFFFFFFF, 10, 4, 0x62B27337}};
    for (const auto& row : rows) {
        EXPECT_EQ(row.last, DrawSkinNumber(row.seed)) << row.seed;
        EXPECT_EQ(row.state, RandSeed) << row.seed << ": exactly a thousand draws";
        RandSeed = row.seed;
        EXPECT_EQ(static_cast<std::uint32_t>(row.first), Random(kSkinCount)) << row.seed;
    }
}

TEST(SkinChoice, EveryNumberFromZeroToTenOccursOverManyStarts) {
    std::set<int> seen;
    for (std::uint32_t seed = 0; seed < 2000; seed += 7) {
        const int n = DrawSkinNumber(seed * 2654435761u);
        ASSERT_GE(n, 0);
        ASSERT_LE(n, 10);
        seen.insert(n);
    }
    EXPECT_EQ(seen.size(), 11u);
    EXPECT_EQ(SkinFileName(7), "skin7.skn");
    EXPECT_EQ(SkinFileName(10), "skin10.skn");
}

} // namespace
} // namespace quellar
