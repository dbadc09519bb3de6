#include "skin/painter/PaintGeometry.h"

#include <algorithm>
#include <limits>

namespace quellar {
namespace {

// Offsets into the cell come from the skin file; keep hostile values from overflowing.
int Offset(int base, std::int64_t delta) {
    const std::int64_t sum = base + delta;
    return static_cast<int>(
        std::clamp<std::int64_t>(sum, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

// Tile origins start, start + step, ... while below end.
std::vector<int> Steps(int start, int end, int step) {
    std::vector<int> out;
    for (std::int64_t at = start; at < end; at += step) {
        out.push_back(static_cast<int>(at));
    }
    return out;
}

} // namespace

int ClampFrame(int frameCount, int frame) {
    return std::clamp(frame, 1, std::max(frameCount, 1));
}

TSkinRect FrameCell(int imageWidth, int imageHeight, int frameCount, int frame, bool stacked) {
    const int count = std::max(frameCount, 1);
    const int k = ClampFrame(count, frame) - 1;
    if (stacked) {
        const int cellHeight = imageHeight / count;
        return {0, k * cellHeight, imageWidth, (k + 1) * cellHeight};
    }
    const int cellWidth = imageWidth / count;
    return {k * cellWidth, 0, (k + 1) * cellWidth, imageHeight};
}

std::vector<TSlicePiece> PlanNineSlice(const TSkinRect& cell, int width, int height, TSliceMargins margins,
                                       bool tile) {
    const int w = std::max(width, 0);
    const int h = std::max(height, 0);
    int l = std::max(margins.left, 0);
    int t = std::max(margins.top, 0);
    int r = std::max(margins.right, 0);
    int b = std::max(margins.bottom, 0);
    if (w < std::int64_t{l} + r) {
        l = r = 0;
    }
    if (h < std::int64_t{t} + b) {
        t = b = 0;
    }
    // Source columns and rows: cell edge, inner edge after the left/top margin, inner edge
    // before the right/bottom margin, far cell edge; the same for the destination.
    const int sx[4] = {cell.left, Offset(cell.left, l), Offset(cell.right, -std::int64_t{r}), cell.right};
    const int sy[4] = {cell.top, Offset(cell.top, t), Offset(cell.bottom, -std::int64_t{b}), cell.bottom};
    const int dx[4] = {0, l, w - r, w};
    const int dy[4] = {0, t, h - b, h};
    // Column and row index (0 left/top, 1 middle, 2 right/bottom) of each piece, in drawing order.
    struct TStep {
        int col, row;
        bool present;
    };
    const TStep steps[9] = {
        {0, 0, l > 0 && t > 0}, {0, 2, l > 0 && b > 0}, {2, 0, r > 0 && t > 0}, {0, 1, l > 0}, {1, 0, t > 0},
        {1, 1, true},           {2, 2, r > 0 && b > 0}, {2, 1, r > 0},          {1, 2, b > 0},
    };
    std::vector<TSlicePiece> pieces;
    for (const TStep& s : steps) {
        if (s.present) {
            const bool centre = s.col == 1 && s.row == 1;
            pieces.push_back({{dx[s.col], dy[s.row], dx[s.col + 1], dy[s.row + 1]},
                              {sx[s.col], sy[s.row], sx[s.col + 1], sy[s.row + 1]},
                              centre && tile});
        }
    }
    return pieces;
}

TTileGrid TilePositions(const TSkinRect& area, int tileWidth, int tileHeight) {
    if (tileWidth <= 0 || tileHeight <= 0 || area.Empty()) {
        return {};
    }
    return {Steps(area.left, area.right, tileWidth), Steps(area.top, area.bottom, tileHeight)};
}

TSkinRect PlaceCaption(const TSkinRect& rect, int width, int height, bool centre) {
    const std::int64_t top = rect.top + (rect.Height() - height) / 2;
    if (!centre) {
        return {rect.left, SaturateInt(top), rect.right, SaturateInt(top + height)};
    }
    const std::int64_t left = rect.left + (rect.Width() - width) / 2;
    return {SaturateInt(left), SaturateInt(top), SaturateInt(left + width), SaturateInt(top + height)};
}

} // namespace quellar
