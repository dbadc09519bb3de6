#pragma once
// Window regions from composed frame bitmaps: the visible pixels of a bitmap as a region, built
// from the portable run strips a chunk at a time.
#include "skin/form/FrameComposer.h"
#include "skin/model/Bitmap32.h"

#include <windows.h>

namespace quellar {

// The pixels of bitmap outside magenta (tolerance 1), moved by (dx, dy). The caller owns it.
HRGN RegionFromBitmap(const TBitmap32& bitmap, int dx, int dy);

// The region a frame plan describes: the client part, plus each strip shaped from `borders`
// (the composed border pieces of the whole window) or whole. Null when the plan is the whole
// window. The caller owns it.
HRGN RegionFromPlan(const TRegionPlan& plan, const TBitmap32& borders);

// Draws a portable bitmap at (x, y) of a device context in one transfer.
void BlitBitmap32(HDC dc, int x, int y, const TBitmap32& bitmap);

} // namespace quellar
