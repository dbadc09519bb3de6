#include "skin/painter/ImageTurns.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace quellar {
namespace {

TBitmap32 FromRows(const std::vector<std::vector<std::uint32_t>>& rows) {
    TBitmap32 out(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < out.Height(); ++y) {
        for (int x = 0; x < out.Width(); ++x) {
            out.SetPixel(x, y, rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]);
        }
    }
    return out;
}

// A 3 x 2 picture with every pixel distinct, so each turn's result says where each pixel went.
TEST(ImageTurns, EveryPixelLandsWhereTheTurnTakesIt) {
    const TBitmap32 source = FromRows({{1, 2, 3}, {4, 5, 6}});
    const struct {
        const char* name;
        std::function<TBitmap32(const TBitmap32&)> turn;
        TBitmap32 expected;
    } rows[] = {
        {"flip", FlipVertical, FromRows({{4, 5, 6}, {1, 2, 3}})},
        // Counter-clockwise: the top-left pixel is the source's top-right one.
        {"left", RotateLeft, FromRows({{3, 6}, {2, 5}, {1, 4}})},
        // Clockwise: the top-left pixel is the source's bottom-left one.
        {"right", RotateRight, FromRows({{4, 1}, {5, 2}, {6, 3}})},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.turn(source), row.expected) << row.name;
        EXPECT_TRUE(row.turn(TBitmap32()).Empty()) << row.name << " of nothing";
    }
    EXPECT_EQ(RotateRight(RotateLeft(source)), source) << "the two turns undo each other";
}

} // namespace
} // namespace quellar
