#include "skin/painter/Bounds.h"

#include <algorithm>

namespace quellar {

TSkinRect Intersect(const TSkinRect& a, const TSkinRect& b) {
    const TSkinRect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                      std::min(a.bottom, b.bottom)};
    return r.Empty() ? TSkinRect{b.left, b.top, b.left, b.top} : r;
}

namespace {
// The start of the first tile of a row beginning at `start` that reaches past `from`.
std::int64_t FirstTileReaching(std::int64_t start, std::int64_t from, std::int64_t tile) {
    return from <= start ? start : start + (from - start) / tile * tile;
}
} // namespace

TSkinRect TileAreaWithin(const TSkinRect& area, int tileWidth, int tileHeight, const TSkinRect& visible) {
    if (tileWidth <= 0 || tileHeight <= 0 || area.Empty() || visible.Empty()) {
        return {};
    }
    // Each result lies between area's edges, so it fits an int.
    const auto left = static_cast<int>(FirstTileReaching(area.left, visible.left, tileWidth));
    const auto top = static_cast<int>(FirstTileReaching(area.top, visible.top, tileHeight));
    const TSkinRect r{left, top, std::min(area.right, visible.right), std::min(area.bottom, visible.bottom)};
    return r.Empty() ? TSkinRect{} : r;
}

namespace {
// One axis of FitWindowToWorkArea: the start and the size.
std::pair<int, int> FitAxis(int start, std::int64_t size, int workStart, int workEnd) {
    const std::int64_t room = std::max(0, workEnd - workStart);
    const std::int64_t fitted = std::clamp<std::int64_t>(size, 0, room);
    std::int64_t at = start;
    if (at + fitted > workEnd) {
        at = std::max<std::int64_t>(workStart, workEnd - fitted);
        at = std::min<std::int64_t>(at, start);
    }
    return {static_cast<int>(at), static_cast<int>(fitted)};
}
} // namespace

TSkinRect FitWindowToWorkArea(int x, int y, std::int64_t width, std::int64_t height, const TSkinRect& work) {
    const auto [left, w] = FitAxis(x, width, work.left, work.right);
    const auto [top, h] = FitAxis(y, height, work.top, work.bottom);
    return {left, top, left + w, top + h};
}

TWidening WidenWithin(int width, std::int64_t needed, int workWidth) {
    const std::int64_t limit = std::max(width, workWidth);
    const auto wide = static_cast<int>(std::clamp<std::int64_t>(needed, width, limit));
    return {wide, (wide - width) / 2};
}

namespace {
std::int64_t Area(TSurfaceSize s) {
    return std::int64_t{s.width} * s.height;
}
} // namespace

TSurfaceSize SurfaceSizeFor(TSurfaceSize made, TSurfaceSize needed) {
    const bool fits = needed.width <= made.width && needed.height <= made.height;
    if (fits && (Area(made) <= KeptSurfacePixels || Area(made) <= 2 * Area(needed))) {
        return made;
    }
    const TSurfaceSize grown{std::max(made.width, needed.width), std::max(made.height, needed.height)};
    return Area(grown) <= KeptSurfacePixels ? grown : needed;
}

} // namespace quellar
