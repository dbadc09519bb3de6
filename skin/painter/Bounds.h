#pragma once
// What a skin asks for, bounded by what it is drawn into. A skin's numbers can pass every range
// check and still ask for a border wider than the window or a box wider than the screen; these
// functions cut such requests down to the destination, so no painter composes pixels nobody
// sees and no window leaves the screen. Pure geometry: the painters and the form only ask.
#include "skin/painter/PaintGeometry.h"

#include <cstdint>

namespace quellar {

// What of a lies in b; an empty rect at b's top-left corner when they do not meet.
TSkinRect Intersect(const TSkinRect& a, const TSkinRect& b);

// The piece of a tiled area whose tiles (tileWidth x tileHeight from area's top-left corner) can
// touch `visible`: its left and top moved forward by whole tiles, its right and bottom cut at
// visible's. Tiling it draws, inside `visible`, exactly what tiling the whole area draws. An
// empty rect when no tile touches or a tile side is not positive.
TSkinRect TileAreaWithin(const TSkinRect& area, int tileWidth, int tileHeight, const TSkinRect& visible);

// A window of width x height (64-bit, so a sum of skin numbers fits) at (x, y), made to fit the
// work area: each side at most the work area's and at least 0, then moved left or up only as
// far as it needs to end inside the work area (never past its left or top edge, and never
// right or down: a window the user put partly off the screen stays where it is).
TSkinRect FitWindowToWorkArea(int x, int y, std::int64_t width, std::int64_t height, const TSkinRect& work);

// A dialog widened from `width` towards `needed` (its caption's length): never wider than the
// work area's width (unless it already was), never narrower than it is. `shift` is how far its
// children move right to stay centred: half the widening, rounded toward zero.
struct TWidening {
    int width = 0;
    int shift = 0;
};
TWidening WidenWithin(int width, std::int64_t needed, int workWidth);

// The size a reusable paint surface is made at. It grows to the largest picture it held (both
// sides), so pictures of different sizes in turn cost no new surface, up to KeptSurfacePixels
// (a maximised window on a large screen, 9 MB at 32 bits). Past that it is made at the picture's
// own size and given back at the next smaller paint: one oversized paint keeps no memory.
// `made` is the surface as it is (0 x 0 when there is none); the result equals it when it is
// kept.
struct TSurfaceSize {
    int width = 0, height = 0;
    friend bool operator==(const TSurfaceSize&, const TSurfaceSize&) = default;
};
inline constexpr std::int64_t KeptSurfacePixels = std::int64_t{2048} * 1152;
TSurfaceSize SurfaceSizeFor(TSurfaceSize made, TSurfaceSize needed);

} // namespace quellar
