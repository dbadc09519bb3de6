#include "skin/form/FrameRegion.h"

#include "skin/painter/Raster.h"
#include "skin/painter/RegionStrips.h"
#include "ui/Graphics.h"

#include <cstring>
#include <vector>

namespace quellar {

namespace {
HRGN RegionFromChunk(const TRegionChunk& chunk) {
    const std::size_t count = chunk.rects.size();
    std::vector<std::byte> buffer(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(count);
    data->rdh.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
    data->rdh.rcBound = {chunk.bounds.left, chunk.bounds.top, chunk.bounds.right, chunk.bounds.bottom};
    auto* rects = reinterpret_cast<RECT*>(data->Buffer);
    for (std::size_t i = 0; i < count; ++i) {
        const TSkinRect& r = chunk.rects[i];
        rects[i] = {r.left, r.top, r.right, r.bottom};
    }
    return ExtCreateRegion(nullptr, static_cast<DWORD>(buffer.size()), data);
}

void Unite(HRGN& result, HRGN part) {
    if (part == nullptr) {
        return;
    }
    if (result == nullptr) {
        result = part;
        return;
    }
    CombineRgn(result, result, part, RGN_OR);
    DeleteObject(part);
}
} // namespace

HRGN RegionFromBitmap(const TBitmap32& bitmap, int dx, int dy) {
    HRGN result = nullptr;
    ForEachRegionChunk(bitmap, dx, dy, 1, KeyColour,
                       [&result](const TRegionChunk& chunk) { Unite(result, RegionFromChunk(chunk)); });
    return result != nullptr ? result : CreateRectRgn(0, 0, 0, 0);
}

HRGN RegionFromPlan(const TRegionPlan& plan, const TBitmap32& borders) {
    if (plan.whole) {
        return nullptr;
    }
    const TSkinRect& c = plan.client;
    HRGN result = CreateRectRgn(c.left, c.top, std::max(c.left, c.right), std::max(c.top, c.bottom));
    for (const TRegionStrip& strip : plan.strips) {
        const TSkinRect& r = strip.rect;
        if (r.Empty()) {
            continue;
        }
        if (strip.shaped) {
            const TBitmap32 piece =
                borders.Copy(r.left, r.top, static_cast<int>(r.Width()), static_cast<int>(r.Height()));
            Unite(result, RegionFromBitmap(piece, r.left, r.top));
        } else {
            Unite(result, CreateRectRgn(r.left, r.top, r.right, r.bottom));
        }
    }
    return result;
}

void BlitBitmap32(HDC dc, int x, int y, const TBitmap32& bitmap) {
    if (bitmap.Empty()) {
        return;
    }
    const BITMAPINFO info = TopDownDibInfo(bitmap.Width(), bitmap.Height());
    SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(bitmap.Width()), static_cast<DWORD>(bitmap.Height()), 0, 0,
                      0, static_cast<UINT>(bitmap.Height()), bitmap.Pixels().data(), &info, DIB_RGB_COLORS);
}

} // namespace quellar
