#include "ui/ButtonLayout.h"

#include <gtest/gtest.h>

#include <limits>

namespace quellar {
namespace {

// Places worked out by hand; the glyph is 16 x 16 and the caption 40 x 13 unless a row says
// otherwise. Along the axis: margin (room - (spacing + glyph + caption)) / 2 when centred;
// across it (room - size + 1) / 2.
TEST(ButtonLayout, GlyphAndCaptionGoWhereTheLayoutMarginAndSpacingPutThem) {
    constexpr int kHuge = std::numeric_limits<int>::max();
    const struct {
        const char* what;
        int layout, clientW, clientH, glyphW, glyphH, textW, textH, margin, spacing;
        bool speed;
        TButtonPlacement expected;
    } rows[] = {
        // (75 - 60) / 2 = 7, caption at 7 + 16 + 4 = 27; across (25 - 16 + 1) / 2, (25 - 13 + 1) / 2.
        {"centred, glyph left", 0, 75, 25, 16, 16, 40, 13, -1, 4, false, {7, 5, 27, 6}},
        {"a speed button one pixel further", 0, 75, 25, 16, 16, 40, 13, -1, 4, true, {8, 5, 28, 6}},
        // Glyph at 75 - 7 - 16 = 52, caption at 52 - 4 - 40 = 8; with margin 2: 57 and 13.
        {"centred, glyph right", 1, 75, 25, 16, 16, 40, 13, -1, 4, false, {52, 5, 8, 6}},
        {"margin 2, glyph right", 1, 75, 25, 16, 16, 40, 13, 2, 4, false, {57, 5, 13, 6}},
        // The main window's command buttons: (46 - 37) / 2 + 1 = 5 down, caption at 5 + 20 + 4.
        {"glyph above, speed button", 2, 69, 46, 20, 20, 40, 13, -1, 4, true, {25, 5, 15, 29}},
        // Even shares (50 - 29) / 3 = 7: glyph at 7, caption at 7 + 16 + 7 = 30.
        {"even shares, glyph above", 2, 75, 50, 16, 16, 40, 13, -1, -1, false, {30, 7, 18, 30}},
        // Spacing ((50 - 2 - 16) - 13) / 2 = 9: glyph at 50 - 2 - 16 = 32, caption at 32 - 9 - 13.
        {"margin 2, spacing shared, glyph below", 3, 75, 50, 16, 16, 40, 13, 2, -1, false, {30, 32, 18, 10}},
        {"even shares, glyph left", 0, 75, 25, 16, 16, 40, 13, -1, -1, false, {6, 5, 28, 6}},
        // Spacing ((75 - 3 - 16) - 40) / 2 = 8: caption at 3 + 16 + 8 = 27.
        {"margin 3, spacing shared", 0, 75, 25, 16, 16, 40, 13, 3, -1, false, {3, 5, 27, 6}},
        // No caption, so no spacing: (75 - 16) / 2 + 1 = 30.
        {"no caption", 0, 75, 25, 16, 16, 0, 0, -1, 4, true, {30, 5, 46, 13}},
        // (75 - 120) / 2 rounds toward zero: -22, caption at -22 + 20 = -2.
        {"a caption wider than the button", 0, 75, 25, 16, 16, 100, 13, -1, 4, false, {-22, 5, -2, 6}},
        {"an unknown layout is glyph left", 9, 75, 25, 16, 16, 40, 13, -1, 4, false, {7, 5, 27, 6}},
        // (kHuge - (20 + kHuge)) / 2 = -10 without overflowing on the way.
        {"sizes at the int limit", 0, kHuge, 25, 16, 16, kHuge, 13, -1, 4, false, {-10, 5, 10, 6}},
    };
    for (const auto& row : rows) {
        TButtonGeometry g;
        g.layout = static_cast<TButtonLayout>(row.layout);
        g.clientWidth = row.clientW;
        g.clientHeight = row.clientH;
        g.glyphWidth = row.glyphW;
        g.glyphHeight = row.glyphH;
        g.textWidth = row.textW;
        g.textHeight = row.textH;
        g.margin = row.margin;
        g.spacing = row.spacing;
        g.speedButton = row.speed;
        const TButtonPlacement p = PlaceGlyphAndCaption(g);
        EXPECT_EQ(row.expected.glyphX, p.glyphX) << row.what;
        EXPECT_EQ(row.expected.glyphY, p.glyphY) << row.what;
        EXPECT_EQ(row.expected.captionX, p.captionX) << row.what;
        EXPECT_EQ(row.expected.captionY, p.captionY) << row.what;
    }
}

} // namespace
} // namespace quellar
