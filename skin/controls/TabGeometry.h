#pragma once
// Where a skinned tab control draws: the side its tabs are on (from its style), the page area and
// the strip of tabs around it, and where each tab lands in the strip bitmap. Tabs on the left or
// right are drawn lying flat, as if along the top, and the strip bitmap is turned afterwards, so
// their rectangles are turned the other way on the way in. Pure arithmetic, no windows.
#include "skin/painter/PaintGeometry.h"

#include <cstdint>

namespace quellar {

enum TTabSide : int { tsTop = 0, tsBottom = 1, tsLeft = 2, tsRight = 3 };

// From the tab control's style: the bottom bit (2) alone puts the tabs at the bottom, the
// vertical bit (0x80) alone on the left, both on the right.
TTabSide TabSideOf(std::uint32_t style);

// The page area with its border, from the control's display rectangle: 4 pixels larger on each
// side, and 1 pixel smaller on the side of the tabs so the border meets them.
TSkinRect TabPageRect(const TSkinRect& display, TTabSide side);

// The strip of the window between the page area and the window's edge on the side of the tabs.
TSkinRect TabStripRect(const TSkinRect& window, const TSkinRect& page, TTabSide side);

struct TStripSize {
    int width = 0, height = 0;
    friend bool operator==(const TStripSize&, const TStripSize&) = default;
};
// The strip bitmap: the strip itself for tabs at the top or bottom, laid flat (turned a quarter)
// for tabs on the left or right; empty when the strip is.
TStripSize TabStripBitmapSize(const TSkinRect& strip, TTabSide side);

// The tab rectangle item (window coordinates, as the control reports it) in the strip bitmap of
// width stripWidth.
TSkinRect TabRectInStrip(const TSkinRect& item, TTabSide side, const TSkinRect& page, const TSkinRect& window,
                         int stripWidth);

} // namespace quellar
