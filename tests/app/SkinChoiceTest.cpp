#include "app/SkinChoice.h"

#include <gtest/gtest.h>

#include <set>

namespace quellar {
namespace {

TEST(SkinChoice, LastOfAThousandDrawsCountsNotTheFirst) {
    const int number = DrawSkinNumber(12345);
    RandSeed = 12345;
    std::uint32_t first = Random(11);
    std::uint32_t last = first;
    for (int i = 1; i < 1000; ++i) {
        last = Random(11);
    }
    EXPECT_EQ(number, static_cast<int>(last));
    EXPECT_EQ(RandSeed, [] {
        std::uint32_t s = 12345;
        for (int i = 0; i < 1000; ++i) {
            s = s * 134775813u + 1u;
        }
        return s;
    }()); // exactly 1000 draws advanced the process-wide state
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
