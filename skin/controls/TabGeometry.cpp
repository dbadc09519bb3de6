#include "skin/controls/TabGeometry.h"

#include <algorithm>

namespace quellar {

namespace {
constexpr std::uint32_t kTabBottom = 0x2;
constexpr std::uint32_t kTabVertical = 0x80;
constexpr int kPageBorder = 4;
} // namespace

TTabSide TabSideOf(std::uint32_t style) {
    const bool bottom = (style & kTabBottom) != 0;
    if ((style & kTabVertical) != 0) {
        return bottom ? tsRight : tsLeft;
    }
    return bottom ? tsBottom : tsTop;
}

TSkinRect TabPageRect(const TSkinRect& display, TTabSide side) {
    TSkinRect p{display.left - kPageBorder, display.top - kPageBorder, display.right + kPageBorder,
                display.bottom + kPageBorder};
    switch (side) {
    case tsTop:
        ++p.top;
        break;
    case tsBottom:
        --p.bottom;
        break;
    case tsLeft:
        ++p.left;
        break;
    case tsRight:
        --p.right;
        break;
    }
    return p;
}

TSkinRect TabStripRect(const TSkinRect& window, const TSkinRect& page, TTabSide side) {
    switch (side) {
    case tsTop:
        return {window.left, window.top, window.right, page.top};
    case tsBottom:
        return {window.left, page.bottom, window.right, window.bottom};
    case tsLeft:
        return {window.left, window.top, page.left, window.bottom};
    case tsRight:
        return {page.right, window.top, window.right, window.bottom};
    }
    return {};
}

TStripSize TabStripBitmapSize(const TSkinRect& strip, TTabSide side) {
    if (strip.Empty()) {
        return {};
    }
    const auto w = static_cast<int>(std::min<std::int64_t>(strip.Width(), 1 << 15));
    const auto h = static_cast<int>(std::min<std::int64_t>(strip.Height(), 1 << 15));
    return side == tsLeft || side == tsRight ? TStripSize{h, w} : TStripSize{w, h};
}

TSkinRect TabRectInStrip(const TSkinRect& item, TTabSide side, const TSkinRect& page, const TSkinRect& window,
                         int stripWidth) {
    const TSkinRect& r = item;
    switch (side) {
    case tsTop: // one pixel down, so the tab meets the page border
        return {r.left, r.top + 1, r.right, r.bottom + 1};
    case tsBottom: // into the strip, which starts at the page's bottom, and one pixel up
        return {r.left, r.top - page.bottom - 1, r.right, r.bottom - page.bottom - 1};
    case tsLeft: // undone by the quarter turn to the left
        return {stripWidth - r.bottom, r.left, stripWidth - r.top, r.right};
    case tsRight: // undone by the quarter turn to the right
        return {r.top - 1, window.right - r.right, r.bottom - 1, window.right - r.left};
    }
    return {};
}

} // namespace quellar
