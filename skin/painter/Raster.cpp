#include "skin/painter/Raster.h"

#include "skin/model/SkinElements.h"
#include "skin/painter/Bounds.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace quellar {
namespace {

constexpr std::int64_t IntMax = std::numeric_limits<int>::max();

// Index into a source of size sourceSize for step `at` of destSize steps. Both spans are below
// 2^32, so the product fits in 64 unsigned bits.
std::int64_t ScaledIndex(std::int64_t at, std::int64_t destSize, std::int64_t sourceSize) {
    return static_cast<std::int64_t>(static_cast<std::uint64_t>(at) * static_cast<std::uint64_t>(sourceSize) /
                                     static_cast<std::uint64_t>(destSize));
}

// Copies of the tile's whole source rect at every grid position; the last column and row
// overhang the area and are only clipped by the bitmap.
// Only the tiles that reach into dest are placed, so a huge area costs what dest shows.
void DrawTiles(TBitmap32& dest, const TSkinRect& area, const TBitmap32& source, const TSkinRect& tile) {
    const int tileWidth = static_cast<int>(std::min(tile.Width(), IntMax));
    const int tileHeight = static_cast<int>(std::min(tile.Height(), IntMax));
    const TSkinRect reach = TileAreaWithin(area, tileWidth, tileHeight, {0, 0, dest.Width(), dest.Height()});
    const TTileGrid grid = TilePositions(reach, tileWidth, tileHeight);
    for (const int x : grid.xs) {
        for (const int y : grid.ys) {
            CopyPixels(dest, x, y, source, tile, TTransparency::trOpaque);
        }
    }
}

// The source column of each destination column x0 .. x1-1, or -1 where it lies outside the
// source bitmap: one division per column rather than one per pixel.
std::vector<int> SourceColumns(std::int64_t x0, std::int64_t x1, const TSkinRect& destRect,
                               const TSkinRect& sourceRect, int sourceWidth) {
    std::vector<int> columns;
    columns.reserve(static_cast<std::size_t>(std::max<std::int64_t>(x1 - x0, 0)));
    for (std::int64_t x = x0; x < x1; ++x) {
        const std::int64_t sx =
            sourceRect.left + ScaledIndex(x - destRect.left, destRect.Width(), sourceRect.Width());
        columns.push_back(sx < 0 || sx >= sourceWidth ? -1 : static_cast<int>(sx));
    }
    return columns;
}

bool Intersects(const TSkinRect& rect, const TBitmap32& bitmap) {
    return rect.right > 0 && rect.bottom > 0 && rect.left < bitmap.Width() && rect.top < bitmap.Height();
}

} // namespace

void StretchPixels(TBitmap32& dest, const TSkinRect& destRect, const TBitmap32& source,
                   const TSkinRect& sourceRect, TTransparency mode) {
    const std::int64_t dw = destRect.Width();
    const std::int64_t dh = destRect.Height();
    const std::int64_t sw = sourceRect.Width();
    const std::int64_t sh = sourceRect.Height();
    if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) {
        return;
    }
    const std::int64_t x0 = std::max<std::int64_t>(destRect.left, 0);
    const std::int64_t x1 = std::min<std::int64_t>(destRect.right, dest.Width());
    const std::int64_t y0 = std::max<std::int64_t>(destRect.top, 0);
    const std::int64_t y1 = std::min<std::int64_t>(destRect.bottom, dest.Height());
    if (x0 >= x1 || y0 >= y1) {
        return;
    }
    const std::vector<int> columns = SourceColumns(x0, x1, destRect, sourceRect, source.Width());
    for (std::int64_t y = y0; y < y1; ++y) {
        const std::int64_t sy = sourceRect.top + ScaledIndex(y - destRect.top, dh, sh);
        if (sy < 0 || sy >= source.Height()) {
            continue;
        }
        const std::uint32_t* in = source.Row(static_cast<int>(sy));
        std::uint32_t* out = dest.Row(static_cast<int>(y));
        for (std::int64_t x = x0; x < x1; ++x) {
            const int sx = columns[static_cast<std::size_t>(x - x0)];
            if (sx < 0) {
                continue;
            }
            const std::uint32_t pixel = in[sx];
            if (mode == TTransparency::trMagenta && pixel == KeyColour) {
                continue;
            }
            out[x] = pixel;
        }
    }
}

void CopyPixels(TBitmap32& dest, int x, int y, const TBitmap32& source, const TSkinRect& sourceRect,
                TTransparency mode) {
    if (sourceRect.Empty()) {
        return;
    }
    const auto far = [](int start, std::int64_t size) {
        return static_cast<int>(std::min(start + size, IntMax));
    };
    const TSkinRect destRect{x, y, far(x, sourceRect.Width()), far(y, sourceRect.Height())};
    // Where the far edge had to be capped the sizes differ; copy only what still maps one to one.
    TSkinRect from = sourceRect;
    from.right = static_cast<int>(from.left + std::min(destRect.Width(), sourceRect.Width()));
    from.bottom = static_cast<int>(from.top + std::min(destRect.Height(), sourceRect.Height()));
    StretchPixels(dest, destRect, source, from, mode);
}

TBitmap32 ComposeNineSlice(const TBitmap32& image, const TSkinRect& cell, int width, int height,
                           TSliceMargins margins, bool tile) {
    return ComposeNineSlicePart(image, cell, width, height, margins, tile, {0, 0, width, height});
}

namespace {
TSkinRect Moved(const TSkinRect& r, int dx, int dy) {
    // Plan rects lie inside the composed bitmap and part's corner too, so the moves fit an int.
    return {r.left - dx, r.top - dy, r.right - dx, r.bottom - dy};
}
} // namespace

TBitmap32 ComposeNineSlicePart(const TBitmap32& image, const TSkinRect& cell, int width, int height,
                               TSliceMargins margins, bool tile, const TSkinRect& part) {
    if (width <= 0 || height <= 0) {
        return {};
    }
    const TSkinRect shown = Intersect(part, {0, 0, width, height});
    if (shown.Empty()) {
        return {};
    }
    TBitmap32 out(static_cast<int>(shown.Width()), static_cast<int>(shown.Height()));
    for (const TSlicePiece& piece : PlanNineSlice(cell, width, height, margins, tile)) {
        const TSkinRect dest = Moved(piece.dest, shown.left, shown.top);
        if (piece.tiled) {
            DrawTiles(out, dest, image, piece.source);
        } else {
            StretchPixels(out, dest, image, piece.source, TTransparency::trOpaque);
        }
    }
    return out;
}

void DrawNineSlice(TBitmap32& dest, const TSkinRect& rect, const TBitmap32& image, const TSkinRect& cell,
                   TSliceMargins margins, bool tile, TTransparency mode) {
    if (rect.Inverted() || image.Empty() || !Intersects(rect, dest) || rect.Width() > IntMax ||
        rect.Height() > IntMax) {
        return;
    }
    const TSkinRect shown = Intersect(rect, {0, 0, dest.Width(), dest.Height()});
    const TBitmap32 composed =
        ComposeNineSlicePart(image, cell, static_cast<int>(rect.Width()), static_cast<int>(rect.Height()),
                             margins, tile, Moved(shown, rect.left, rect.top));
    CopyPixels(dest, shown.left, shown.top, composed, {0, 0, composed.Width(), composed.Height()}, mode);
}

void DrawFrame(TBitmap32& dest, const TSkinRect& rect, const TDataSkinObject& element, int frameCount,
               int frame) {
    DrawFrame(dest, rect, element, frameCount, frame,
              element.Trans == 1 ? TTransparency::trMagenta : TTransparency::trOpaque);
}

void DrawFrame(TBitmap32& dest, const TSkinRect& rect, const TDataSkinObject& element, int frameCount,
               int frame, TTransparency mode) {
    const TBitmap32& image = element.Image;
    const TSkinRect cell = FrameCell(image.Width(), image.Height(), frameCount, frame);
    const TSliceMargins margins{element.LeftWidth, element.TopHeight, element.RightWidth,
                                element.BottomHeight};
    DrawNineSlice(dest, rect, image, cell, margins, element.Tile != 0, mode);
}

} // namespace quellar
