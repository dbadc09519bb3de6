#pragma once
// Where the pieces of a skinned menu item go: the glyph box (picture or check mark), the text
// box with the caption and the shortcut, the separator's line, the pieces of the separator frame,
// and the widths the skin adds to an item's measured size. Pure geometry, left-to-right and
// right-to-left, so the painter only draws into these boxes.
#include "skin/painter/PaintGeometry.h"

#include <vector>

namespace quellar {

struct TMenuItemShape {
    bool separator = false;
    bool checked = false;
    bool hasImageList = false;
    int imageWidth = 16; // the image list's picture width
    int elementLeft = 0; // LeftWidth of the skin's item element, 0 without one
    bool rightToLeft = false;
};

struct TMenuItemBoxes {
    TSkinRect glyph; // empty for a separator
    TSkinRect text;
    TSkinRect line; // a separator's etched line runs along its top
};

// The boxes of an item drawn into item (usually 0, 0, width, height).
TMenuItemBoxes LayoutMenuItem(const TSkinRect& item, const TMenuItemShape& shape);

// A caption of width x height in the text box: centred vertically, against the reading side.
TSkinRect PlaceItemCaption(const TSkinRect& textBox, int width, int height, bool rightToLeft);
// A shortcut text: ending 10 pixels before the text box's right end, or for right-to-left
// starting 10 pixels into it.
TSkinRect PlaceShortCut(const TSkinRect& textBox, int width, int height, bool rightToLeft);

// Room the skin adds to an item measured by the framework: the element's left edge, 23 more
// for the 16-pixel glyph box when the menu has no image list (the framework leaves room only for
// pictures it has), and 12 for the gaps around the glyph and text boxes.
int SkinnedItemWidth(int measured, int elementLeft, bool hasImageList);
// The same for an item of a form's menu bar drop-down: 25 without an image list, 10 always.
int FormMenuItemWidth(int measured, int elementLeft, bool hasImageList);

struct TItemSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const TItemSize&, const TItemSize&) = default;
};
// An item known only by its text (a window that is not one of our forms): the text's width and
// 26 pixels (and the element's left edge), the text's height and 4, or 8 for an empty text; the
// older platform family wants 4 more in height.
TItemSize TextItemSize(int textWidth, int textHeight, bool emptyText, int elementLeft, bool olderFamily);

// Frame cell of the separator picture laid over an item of width x height: left cap, stretched
// middle, right cap, at the picture's own height, against the item's bottom when the picture is
// taller than the item. Caps that do not fit side by side are dropped.
std::vector<TSlicePiece> PlanSeparator(const TSkinRect& cell, int itemWidth, int itemHeight, int leftCap,
                                       int rightCap);

} // namespace quellar
