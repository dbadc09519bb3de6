#include "base/Random.h"
#include "base/Bool32.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

TEST(Random, DrawAdvancesStateAndScalesByHighWord) {
    RandSeed = 1;
    // First draw from state 1: the state becomes 134775814; 134775814 * 65535 >> 32 = 2056.
    EXPECT_EQ(Random(65535), 2056u);
    EXPECT_EQ(RandSeed, 134775814u);
    // The state wraps modulo 2^32.
    RandSeed = 0xFFFFFFFFu;
    Random(10);
    EXPECT_EQ(RandSeed, static_cast<std::uint32_t>(0xFFFFFFFFull * 134775813ull + 1ull));
}

TEST(Random, DrawsStayBelowTheBound) {
    RandSeed = 12345;
    for (int i = 0; i < 10000; ++i) {
        EXPECT_LT(Random(11), 11u);
    }
    EXPECT_EQ(Random(0), 0u);
}

TEST(Random, GuardRestoresTheCallersSequence) {
    RandSeed = 777;
    {
        RandSeedGuard guard(1);
        EXPECT_EQ(RandSeed, 1u);
        Random(100);
        Random(100);
    }
    EXPECT_EQ(RandSeed, 777u);
}

TEST(Bool32, TrueIsAllBitsAndAnyNonZeroReadsTrue) {
    EXPECT_EQ(Bool32(true).Raw(), -1);
    EXPECT_EQ(Bool32(false).Raw(), 0);
    EXPECT_TRUE(Bool32::FromRaw(2));
    EXPECT_TRUE(Bool32::FromRaw(-7));
    EXPECT_FALSE(Bool32::FromRaw(0));
}

} // namespace
} // namespace quellar
