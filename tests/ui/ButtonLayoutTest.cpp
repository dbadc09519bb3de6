#include "ui/ButtonLayout.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

TButtonGeometry Geometry(TButtonLayout layout, int margin, int spacing, bool speed = false) {
    TButtonGeometry g;
    g.clientWidth = 75;
    g.clientHeight = 25;
    g.glyphWidth = 16;
    g.glyphHeight = 16;
    g.textWidth = 40;
    g.textHeight = 13;
    g.layout = layout;
    g.margin = margin;
    g.spacing = spacing;
    g.speedButton = speed;
    return g;
}

TEST(ButtonLayout, CentredGlyphLeftOfCaption) {
    const TButtonPlacement p = PlaceGlyphAndCaption(Geometry(TButtonLayout::blGlyphLeft, -1, 4));
    EXPECT_EQ(p.glyphX, 7); // (75 - (4 + 16 + 40)) / 2
    EXPECT_EQ(p.captionX, 27);
    EXPECT_EQ(p.glyphY, 5);
    EXPECT_EQ(p.captionY, 6);
}

TEST(ButtonLayout, SpeedButtonCentresOnePixelFurther) {
    const TButtonPlacement p = PlaceGlyphAndCaption(Geometry(TButtonLayout::blGlyphLeft, -1, 4, true));
    EXPECT_EQ(p.glyphX, 8);
    EXPECT_EQ(p.captionX, 28);
}

TEST(ButtonLayout, GlyphRightPutsCaptionBeforeIt) {
    const TButtonPlacement p = PlaceGlyphAndCaption(Geometry(TButtonLayout::blGlyphRight, 2, 4));
    EXPECT_EQ(p.glyphX, 75 - 2 - 16);
    EXPECT_EQ(p.captionX, 57 - 4 - 40);
}

TEST(ButtonLayout, GlyphAboveCaptionAsTheCommandButtonsHaveIt) {
    TButtonGeometry g = Geometry(TButtonLayout::blGlyphTop, -1, 4, true);
    g.clientWidth = 69;
    g.clientHeight = 46;
    g.glyphWidth = 20;
    g.glyphHeight = 20;
    const TButtonPlacement p = PlaceGlyphAndCaption(g);
    EXPECT_EQ(p.glyphX, 25);                  // (69 - 20 + 1) / 2
    EXPECT_EQ(p.captionX, 15);                // (69 - 40 + 1) / 2
    EXPECT_EQ(p.glyphY, (46 - 37) / 2 + 1);   // margin of the speed button
    EXPECT_EQ(p.captionY, p.glyphY + 20 + 4); // below the glyph, spacing 4
}

TEST(ButtonLayout, EvenSpreadAndComputedSpacing) {
    const TButtonPlacement spread = PlaceGlyphAndCaption(Geometry(TButtonLayout::blGlyphLeft, -1, -1));
    EXPECT_EQ(spread.glyphX, 6); // (75 - 56) / 3, spacing the same
    EXPECT_EQ(spread.captionX, 6 + 16 + 6);
    const TButtonPlacement fixedMargin = PlaceGlyphAndCaption(Geometry(TButtonLayout::blGlyphLeft, 3, -1));
    EXPECT_EQ(fixedMargin.captionX, 3 + 16 + ((75 - 3 - 16) - 40) / 2);
}

TEST(ButtonLayout, NoSpacingWithoutCaption) {
    TButtonGeometry g = Geometry(TButtonLayout::blGlyphLeft, -1, 4);
    g.textWidth = g.textHeight = 0;
    EXPECT_EQ(PlaceGlyphAndCaption(g).glyphX, (75 - 16) / 2);
}

} // namespace
} // namespace quellar
