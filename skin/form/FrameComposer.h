#pragma once
// Composes a skinned window's frame in memory: the four border pieces, the title plate and the
// caption buttons, all into one window-sized bitmap that the window then gets in one transfer.
// Also says which strips of the frame shape the window region. Portable; the Windows side adds
// the caption text and the transfer.
#include "skin/form/FrameGeometry.h"
#include "skin/form/NCObject.h"
#include "skin/model/Bitmap32.h"

#include <memory>
#include <vector>

namespace quellar {

class TSkinData;

// Where the four border pieces go in a W x H window: the sides run the full height, the top
// and bottom run between them.
struct TBorderRects {
    TSkinRect left, right, top, bottom;
};
TBorderRects BorderRectsOf(int width, int height, const TFrameSizes& frame);

// The border pieces of a W x H window, frame 1 when active (or single-frame) else 2, middles
// stretched when the border's Stretch value is 1 and tiled otherwise. Pixels outside the
// pieces, and transparent pixels of transparent borders, are the key colour.
TBitmap32 ComposeBorders(const TSkinData& skin, int width, int height, const TFrameSizes& frame, bool active);
// The same into a bitmap kept between paints: its memory is reused while the size stays.
void ComposeBordersInto(TBitmap32& bitmap, const TSkinData& skin, int width, int height,
                        const TFrameSizes& frame, bool active);

// The title plate ("TextBack", two frames: active, inactive) over the box's width and the
// title strip's full height, drawn with the key colour transparent.
void DrawTitlePlate(TBitmap32& frameBitmap, const TSkinData& skin, const TSkinRect& box, int topHeight,
                    bool active);

// The visible caption buttons that belong in the title bar (not the menu-bar ones), each in its
// rectangle with the key colour transparent. icon is the window's icon for the icon button.
void DrawCaptionButtons(TBitmap32& frameBitmap, const std::vector<std::unique_ptr<TWinSysButton>>& buttons,
                        const TBitmap32& icon, bool active);

// The buttons of a maximised MDI child that sit in the menu bar (visibility 100), frame 1, the
// key colour transparent; drawn after the bar.
void DrawMenuBarButtons(TBitmap32& frameBitmap, const std::vector<std::unique_ptr<TWinSysButton>>& buttons,
                        const TBitmap32& icon);

// One button in its current state (after a hover or press), into a bitmap of its own size.
TBitmap32 ComposeButtonState(const TWinSysButton& button, const TBitmap32& icon);

// The strips that make the window region besides the client part: shaped from the composed
// border pieces where the border is transparent, whole rectangles otherwise. `whole` is set when
// no border is transparent: the region is then the full window.
struct TRegionStrip {
    TSkinRect rect;
    bool shaped = false;
};
struct TRegionPlan {
    bool whole = false;
    TSkinRect client;
    std::vector<TRegionStrip> strips;
};
TRegionPlan PlanRegion(const TSkinData& skin, int width, int height, const TFrameSizes& frame,
                       TBorderKind kind);

} // namespace quellar
