#pragma once
// The portable half of shaping a window from a bitmap: the visible pixels as one-pixel-high
// rectangles, handed out in chunks small enough for one region call each. The Windows side
// turns every chunk into a region and unites them.
#include "skin/model/Bitmap32.h"
#include "skin/painter/PaintGeometry.h"

#include <functional>
#include <vector>

namespace quellar {

// The most rectangles handed out at once.
inline constexpr std::size_t RegionChunkSize = 2000;

struct TRegionChunk {
    std::vector<TSkinRect> rects;
    TSkinRect bounds; // of all rects; 0, 0, 0, 0 for an empty chunk
};

// Every maximal run of pixels not in the key range, rows top to bottom, each left to right,
// becomes (x0 + dx, y + dy, x1 + dx, y + dy + 1). A pixel is in the key range when each of its
// channels lies between the key's value and that value plus tolerance (capped at 255). onChunk
// gets each full chunk of RegionChunkSize rects and then the rest, even an empty one.
void ForEachRegionChunk(const TBitmap32& bitmap, int dx, int dy, int tolerance, std::uint32_t key,
                        const std::function<void(const TRegionChunk&)>& onChunk);

} // namespace quellar
