// Where a skinned menu item's pieces go, hand-worked for a 120 x 20 item.
#include "skin/menu/MenuItemLayout.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

constexpr TSkinRect kItem{0, 0, 120, 20};

TEST(MenuItemLayout, GlyphAndTextBoxesFollowPicturesCheckMarksAndDirection) {
    const struct {
        const char* what;
        TMenuItemShape shape;
        TSkinRect glyph, text;
    } rows[] = {
        {"no image list: 16-pixel glyph box after the 1-pixel edge", {}, {1, 1, 17, 17}, {20, 0, 119, 20}},
        {"24-pixel pictures, element edge 5", {false, false, true, 24, 5}, {6, 1, 30, 25}, {33, 0, 119, 20}},
        {"12-pixel pictures", {false, false, true, 12}, {1, 1, 13, 13}, {16, 0, 119, 20}},
        {"12-pixel pictures, checked: at least 16",
         {false, true, true, 12},
         {1, 1, 17, 17},
         {20, 0, 119, 20}},
        {"right to left, element edge 5",
         {false, false, false, 16, 5, true},
         {98, 1, 114, 17},
         {1, 0, 95, 20}},
        {"separator: no glyph box", {true, false, false, 16, 5}, {}, {6, 0, 119, 20}},
        {"separator, right to left", {true, false, false, 16, 0, true}, {}, {1, 0, 119, 20}},
    };
    for (const auto& row : rows) {
        const TMenuItemBoxes boxes = LayoutMenuItem(kItem, row.shape);
        EXPECT_EQ(boxes.glyph, row.glyph) << row.what;
        EXPECT_EQ(boxes.text, row.text) << row.what;
        TSkinRect line = row.text;
        line.top += 4;
        EXPECT_EQ(boxes.line, line) << row.what;
    }
}

TEST(MenuItemLayout, CaptionShortCutAndWidths) {
    const TSkinRect text{20, 0, 119, 20};
    EXPECT_EQ(PlaceItemCaption(text, 30, 14, false), (TSkinRect{20, 3, 50, 17}));
    EXPECT_EQ(PlaceItemCaption(text, 30, 14, true), (TSkinRect{89, 3, 119, 17}));
    EXPECT_EQ(PlaceShortCut(text, 30, 14, false), (TSkinRect{79, 3, 109, 17})) << "ends 10 before the box";
    EXPECT_EQ(PlaceShortCut(text, 30, 14, true), (TSkinRect{30, 3, 60, 17})) << "starts 10 into the box";

    const struct {
        int skinned, form;
        int measured, left;
        bool images;
    } widths[] = {{89, 89, 50, 4, false}, {66, 64, 50, 4, true}, {85, 85, 50, -3, false}};
    for (const auto& w : widths) {
        EXPECT_EQ(SkinnedItemWidth(w.measured, w.left, w.images), w.skinned) << w.left << " " << w.images;
        EXPECT_EQ(FormMenuItemWidth(w.measured, w.left, w.images), w.form) << w.left << " " << w.images;
    }
    EXPECT_EQ(TextItemSize(40, 13, false, 4, false), (TItemSize{70, 17}));
    EXPECT_EQ(TextItemSize(3, 13, true, 0, false), (TItemSize{29, 8})) << "an empty text is 8 high";
    EXPECT_EQ(TextItemSize(40, 13, false, 0, true), (TItemSize{66, 21})) << "the older family wants 4 more";
}

TEST(MenuItemLayout, SeparatorCapsMiddleAndBottomAlignment) {
    const TSkinRect cell{10, 0, 20, 6}; // frame 2 of a 50 x 6 strip of five
    const std::vector<TSlicePiece> fits = {
        {{0, 0, 2, 6}, {10, 0, 12, 6}}, {{2, 0, 97, 6}, {12, 0, 17, 6}}, {{97, 0, 100, 6}, {17, 0, 20, 6}}};
    EXPECT_EQ(PlanSeparator(cell, 100, 10, 2, 3), fits);
    const std::vector<TSlicePiece> taller = {{{0, -2, 2, 4}, {10, 0, 12, 6}},
                                             {{2, -2, 97, 4}, {12, 0, 17, 6}},
                                             {{97, -2, 100, 4}, {17, 0, 20, 6}}};
    EXPECT_EQ(PlanSeparator(cell, 100, 4, 2, 3), taller)
        << "a picture taller than the item sits on its bottom";
    const std::vector<TSlicePiece> noCaps = {{{0, 0, 100, 6}, {10, 0, 20, 6}}};
    EXPECT_EQ(PlanSeparator(cell, 100, 10, 6, 5), noCaps) << "caps wider than the picture are dropped";
    EXPECT_TRUE(PlanSeparator(cell, 0, 10, 2, 3).empty());
    EXPECT_TRUE(PlanSeparator({}, 100, 10, 2, 3).empty());
}

} // namespace
} // namespace quellar
