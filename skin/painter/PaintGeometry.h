#pragma once
// Where the pieces of a skin element go: frame cells of a multi-frame image, the nine-slice plan
// of a cell and the tile grid over an area. Pure geometry without pixels, so the painters only
// loop over these results and copy.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace quellar {

// A sum of window sizes, skin offsets and measured text taken in 64 bits and brought back into
// the int range at its limits instead of wrapping.
constexpr int SaturateInt(std::int64_t v) {
    return static_cast<int>(
        std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// right and bottom are exclusive; a rect with right < left or bottom < top is inverted.
struct TSkinRect {
    int left = 0, top = 0, right = 0, bottom = 0;

    // 64-bit so that rects spanning most of the int range do not overflow.
    std::int64_t Width() const { return std::int64_t{right} - left; }
    std::int64_t Height() const { return std::int64_t{bottom} - top; }
    bool Inverted() const { return right < left || bottom < top; }
    bool Empty() const { return right <= left || bottom <= top; }
    friend bool operator==(const TSkinRect&, const TSkinRect&) = default;
};

struct TSliceMargins {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The frame a painter uses for wanted frame k (counted from 1) of an image with frameCount
// frames: a frame count below 1 counts as 1, and k is clamped to 1 .. frameCount, so a skin with
// fewer frames than states still paints one of its own.
int ClampFrame(int frameCount, int frame);

// Frame k (counted from 1) of frameCount equal cells side by side, or stacked top to bottom.
// A frame count below 1 counts as 1; k is clamped to 1 .. frameCount.
TSkinRect FrameCell(int imageWidth, int imageHeight, int frameCount, int frame, bool stacked = false);

struct TSlicePiece {
    TSkinRect dest;   // in the composed bitmap
    TSkinRect source; // in the image
    bool tiled = false;
    friend bool operator==(const TSlicePiece&, const TSlicePiece&) = default;
};

// The pieces that compose a width x height bitmap from cell, in drawing order: corners kept,
// edges and centre scaled (the centre tiled when tile is set). Margins that do not fit the
// destination side by side are dropped; negative margins count as 0.
std::vector<TSlicePiece> PlanNineSlice(const TSkinRect& cell, int width, int height, TSliceMargins margins,
                                       bool tile);

// Tile origins over an area: a tile goes at every (x, y) with x in xs and y in ys, columns
// outer. The last column and row are not clipped to the area and may overhang it.
struct TTileGrid {
    std::vector<int> xs;
    std::vector<int> ys;
};

// Nothing for a tile of zero or negative width or height or an empty area.
TTileGrid TilePositions(const TSkinRect& area, int tileWidth, int tileHeight);

// Where a caption of measured width x height goes in rect: centred vertically; centred
// horizontally too when centre is set, else keeping rect's left and right.
TSkinRect PlaceCaption(const TSkinRect& rect, int width, int height, bool centre);

} // namespace quellar
