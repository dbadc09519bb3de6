#include "skin/menu/MenuItemLayout.h"

#include <algorithm>

namespace quellar {

namespace {
constexpr int kGlyphGap = 3;     // between the glyph box and the text
constexpr int kShortCutGap = 10; // between a shortcut and the text box's far end
constexpr int kGlyphSide = 16;   // without an image list
} // namespace

TMenuItemBoxes LayoutMenuItem(const TSkinRect& item, const TMenuItemShape& shape) {
    TMenuItemBoxes boxes;
    const int edge = 1 + std::max(0, shape.elementLeft);
    int side = shape.hasImageList ? shape.imageWidth : kGlyphSide;
    if (shape.checked) {
        side = std::max(side, kGlyphSide);
    }
    side = std::max(0, side);
    if (!shape.rightToLeft) {
        const int start = item.left + edge;
        if (!shape.separator) {
            boxes.glyph = {start, item.top + 1, start + side, item.top + 1 + side};
        }
        const int textLeft = shape.separator ? start : boxes.glyph.right + kGlyphGap;
        boxes.text = {textLeft, item.top, item.right - 1, item.bottom};
    } else {
        const int end = item.right - edge;
        if (!shape.separator) {
            boxes.glyph = {end - side, item.top + 1, end, item.top + 1 + side};
        }
        const int textRight = shape.separator ? end : boxes.glyph.left - kGlyphGap;
        boxes.text = {item.left + 1, item.top, textRight, item.bottom};
    }
    boxes.line = boxes.text;
    boxes.line.top += 4;
    return boxes;
}

TSkinRect PlaceItemCaption(const TSkinRect& textBox, int width, int height, bool rightToLeft) {
    const int top = textBox.top + static_cast<int>((textBox.Height() - height) / 2);
    const int left = rightToLeft ? textBox.right - width : textBox.left;
    return {left, top, left + width, top + height};
}

TSkinRect PlaceShortCut(const TSkinRect& textBox, int width, int height, bool rightToLeft) {
    const int top = textBox.top + static_cast<int>((textBox.Height() - height) / 2);
    const int left = rightToLeft ? textBox.left + kShortCutGap : textBox.right - kShortCutGap - width;
    return {left, top, left + width, top + height};
}

int SkinnedItemWidth(int measured, int elementLeft, bool hasImageList) {
    return SaturateInt(std::int64_t{measured} + std::max(0, elementLeft) + (hasImageList ? 0 : 23) + 12);
}

int FormMenuItemWidth(int measured, int elementLeft, bool hasImageList) {
    return SaturateInt(std::int64_t{measured} + std::max(0, elementLeft) + (hasImageList ? 0 : 25) + 10);
}

TItemSize TextItemSize(int textWidth, int textHeight, bool emptyText, int elementLeft, bool olderFamily) {
    TItemSize size{SaturateInt(std::int64_t{textWidth} + 26 + std::max(0, elementLeft)),
                   emptyText ? 8 : SaturateInt(std::int64_t{textHeight} + 4)};
    if (olderFamily) {
        size.height += 4;
    }
    return size;
}

std::vector<TSlicePiece> PlanSeparator(const TSkinRect& cell, int itemWidth, int itemHeight, int leftCap,
                                       int rightCap) {
    const int w = static_cast<int>(cell.Width()), h = static_cast<int>(cell.Height());
    if (w <= 0 || h <= 0 || itemWidth <= 0 || itemHeight <= 0) {
        return {};
    }
    leftCap = std::max(0, leftCap);
    rightCap = std::max(0, rightCap);
    if (leftCap + rightCap >= w || leftCap + rightCap >= itemWidth) {
        leftCap = rightCap = 0;
    }
    const int top = h > itemHeight ? itemHeight - h : 0;
    const int bottom = top + h;
    std::vector<TSlicePiece> pieces;
    if (leftCap > 0) {
        pieces.push_back(
            {{0, top, leftCap, bottom}, {cell.left, cell.top, cell.left + leftCap, cell.bottom}});
    }
    pieces.push_back({{leftCap, top, itemWidth - rightCap, bottom},
                      {cell.left + leftCap, cell.top, cell.right - rightCap, cell.bottom}});
    if (rightCap > 0) {
        pieces.push_back({{itemWidth - rightCap, top, itemWidth, bottom},
                          {cell.right - rightCap, cell.top, cell.right, cell.bottom}});
    }
    return pieces;
}

} // namespace quellar
