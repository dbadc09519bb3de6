// Where the pieces of a skinned control go. Numbers worked out by hand; "/" rounds toward zero.
#include "skin/controls/ControlGeometry.h"

#include <gtest/gtest.h>

#include <limits>

namespace quellar {
namespace {

TEST(ControlGeometry, CheckMarkBoxProgressAndComboParts) {
    const TSkinRect window{10, 20, 110, 40}; // 100 x 20
    struct Case {
        int w, h;
        bool right;
        TSkinRect expected;
    } cases[] = {
        {13, 13, false, {10, 23, 23, 36}}, // top 20 + (20 - 13) / 2 = 23; left 10 + (14 - 13) / 2 = 10
        {10, 10, false, {12, 25, 22, 35}}, // left 10 + (14 - 10) / 2 = 12
        {16, 16, false, {10, 22, 26, 38}}, // wider than 14: at the left edge
        {10, 10, true, {98, 25, 108, 35}}, // right 110 - (14 - 10) / 2 = 108
        {16, 16, true, {93, 22, 109, 38}}, // wider than 14: right 110 - 1
        {13, 25, false, {10, 18, 23, 43}}, // taller than the window: 20 + (-5 / 2) = 18
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, CheckBoxRect(window, c.w, c.h, c.right)) << c.w << "x" << c.h << c.right;
    }

    constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
    struct Progress {
        int position, minimum, maximum, width, expected;
    } progress[] = {
        {30, 0, 100, 200, 60},
        {-5, 0, 100, 200, 0},
        {150, 0, 100, 200, 200},
        {5, 10, 0, 200, 0},                     // inverted
        {1, 0, 3, 100, 33},                     // 100 / 3
        {5, 5, 5, 200, 0},                      // empty range: no division by zero
        {50, 0, 100, -7, 0},                    // no room
        {0, kMin, kMax, 1000, 500},             // 2^31 * 1000 / (2^32 - 1) = 500.0000001
        {kMax - 1, kMin, kMax, kMax, kMax - 1}, // (2^32 - 2) (2^31 - 1) / (2^32 - 1): just under 2^31 - 1
    };
    for (const Progress& p : progress) {
        EXPECT_EQ(p.expected, ProgressLength(p.position, p.minimum, p.maximum, p.width))
            << p.position << " of " << p.minimum << ".." << p.maximum;
    }

    // A 120 x 21 combo box with a 16-pixel button: 120 - 16 - 2 = 102, 120 - 16 - 4 = 100.
    EXPECT_EQ((TComboParts{{2, 2, 100, 19}, {102, 0, 120, 21}, {102, 0, 118, 21}}),
              ComboParts(120, 21, 16, false));
    // With the button on the left: the text starts at 16 + 4 = 20.
    EXPECT_EQ((TComboParts{{20, 2, 118, 19}, {0, 0, 18, 21}, {2, 0, 18, 21}}), ComboParts(120, 21, 16, true));
}

TEST(ControlGeometry, UpDownHalvesSplitAtTheMiddle) {
    // Vertical, 17 x 31: split at 31 / 2 = 15.
    const TUpDownHalves v = UpDownHalves({0, 0, 17, 31}, false, false);
    EXPECT_EQ((TSkinRect{0, 0, 17, 15}), v.first);
    EXPECT_EQ((TSkinRect{0, 15, 17, 31}), v.second);
    EXPECT_TRUE(InFirstHalf(v, 30, 14));
    EXPECT_FALSE(InFirstHalf(v, 0, 15));
    // Horizontal, inset to (6, 1, 44, 15): split at 6 + 38 / 2 = 25.
    const TUpDownHalves h = UpDownHalves({5, 0, 45, 16}, true, true);
    EXPECT_EQ((TSkinRect{6, 1, 25, 15}), h.first);
    EXPECT_EQ((TSkinRect{25, 1, 44, 15}), h.second);
    EXPECT_TRUE(InFirstHalf(h, 24, 100));
    EXPECT_FALSE(InFirstHalf(h, 25, 0));
}

TEST(ControlGeometry, GlyphAndCaptionLayout) {
    // The places come from the framework's rule (tested with it); the skin's painters take them
    // as rectangles of the glyph's and caption's sizes, and the caption's alignment from the side
    // the glyph is on. Glyph 16 x 16, caption 40 x 13, margin centred, spacing 4.
    const struct {
        TButtonLayout layout;
        TSkinRect glyph, caption;
        TCaptionAlignment alignment;
    } cases[] = {
        {TButtonLayout::blGlyphLeft, {7, 5, 23, 21}, {27, 6, 67, 19}, caLeft},
        {TButtonLayout::blGlyphRight, {52, 5, 68, 21}, {8, 6, 48, 19}, caRight},
        // (50 - 33) / 2 = 8 down; caption at 8 + 16 + 4 = 28.
        {TButtonLayout::blGlyphTop, {30, 8, 46, 24}, {18, 28, 58, 41}, caCentre},
        {TButtonLayout::blGlyphBottom, {30, 26, 46, 42}, {18, 9, 58, 22}, caCentre},
        {static_cast<TButtonLayout>(9), {7, 5, 23, 21}, {27, 6, 67, 19}, caLeft},
    };
    for (const auto& c : cases) {
        TGlyphCaptionInput in;
        const bool vertical =
            c.layout == TButtonLayout::blGlyphTop || c.layout == TButtonLayout::blGlyphBottom;
        in.clientWidth = 75;
        in.clientHeight = vertical ? 50 : 25;
        in.glyphWidth = in.glyphHeight = 16;
        in.textWidth = 40;
        in.textHeight = 13;
        in.layout = c.layout;
        const TGlyphCaptionLayout out = LayOutGlyphAndCaption(in);
        EXPECT_EQ(c.glyph, out.glyph) << static_cast<int>(c.layout);
        EXPECT_EQ(c.caption, out.caption) << static_cast<int>(c.layout);
        EXPECT_EQ(c.alignment, out.alignment) << static_cast<int>(c.layout);
    }

    // A strip of four: normal, disabled, pressed; the hot look is the normal one.
    EXPECT_EQ(1, GlyphCell(4, {true, false, false, true}));
    EXPECT_EQ(2, GlyphCell(4, {false, true, false, false}));
    EXPECT_EQ(3, GlyphCell(4, {true, true, false, false}));
    EXPECT_EQ(1, GlyphCell(2, {false, true, false, false})); // any other strip: its first cell
}

} // namespace
} // namespace quellar
