#include "ui/TabSetLayout.h"

#include <gtest/gtest.h>

#include <climits>

namespace quellar {
namespace {

TEST(TabSetLayout, TabsThatDoNotFitAreSkippedAndTheNextTriedInTheirPlace) {
    using P = std::vector<TTabSetPlace>;
    const struct {
        const char* name;
        std::vector<int> widths;
        TTabSetMetrics metrics;
        P expected;
    } rows[] = {
        // 74 + 120 + 9 = 203 passes the limit of 195: the third tab takes the second's place.
        {"skipped", {60, 120, 20}, {200, 5, 5, 0, false}, P{{0, 5, 74}, {2, 74, 103}}},
        {"reaching the limit exactly", {60, 112}, {200, 5, 5, 0, false}, P{{0, 5, 74}, {1, 74, 195}}},
        {"scroll buttons need 12 more", {60, 112, 101}, {200, 5, 5, 0, true}, P{{0, 5, 74}}},
        {"from the first visible tab", {60, 120, 20}, {200, 5, 5, 1, false}, P{{1, 5, 134}, {2, 134, 163}}},
        {"first index past the end", {60}, {200, 0, 0, 3, false}, P{}},
        {"negative first index", {10}, {200, 0, 0, -2, false}, P{{0, 0, 19}}},
        {"no room at all", {1, 1}, {20, 10, 10, 0, false}, P{}},
        {"huge widths", {INT_MAX, 1}, {INT_MAX, 0, 0, 0, false}, P{{1, 0, 10}}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.expected, PlaceTabSetTabs(row.widths, row.metrics)) << row.name;
    }
}

TEST(TabSetLayout, ClicksFindThePlacedTab) {
    const std::vector<TTabSetPlace> places{{0, 5, 74}, {2, 74, 103}};
    const struct { int x, tab; } rows[] = {{4, -1}, {5, 0}, {73, 0}, {74, 2}, {102, 2}, {103, -1}};
    for (const auto& row : rows) {
        EXPECT_EQ(row.tab, TabSetTabAt(places, row.x)) << row.x;
    }
}

} // namespace
} // namespace quellar
