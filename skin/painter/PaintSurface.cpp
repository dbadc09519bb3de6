#include "skin/painter/PaintSurface.h"

#include "skin/painter/Bounds.h"

#include <algorithm>

namespace quellar {

TPaintSurface& SharedPaintSurface() {
    static TPaintSurface canvas;
    return canvas;
}

void TPaintSurface::Release() {
    if (dc_ != nullptr) {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
    }
    section_ = TDibSection();
    dc_ = nullptr;
    old_ = nullptr;
    width_ = height_ = stride_ = rows_ = 0;
}

bool TPaintSurface::Ensure(int width, int height) {
    if (width <= 0 || height <= 0) {
        return false;
    }
    const TSurfaceSize made = SurfaceSizeFor({stride_, rows_}, {width, height});
    if (dc_ != nullptr && made == TSurfaceSize{stride_, rows_}) {
        GdiFlush(); // drawing on the surface has finished before its memory is touched
        width_ = width;
        height_ = height;
        return true;
    }
    const int wanted = width, wantedRows = height;
    width = made.width;
    height = made.height;
    Release();
    section_ = CreateTopDownDib(width, height);
    dc_ = section_.bits != nullptr ? CreateCompatibleDC(nullptr) : nullptr;
    if (dc_ == nullptr) {
        Release();
        return false;
    }
    old_ = SelectObject(dc_, section_.Handle());
    stride_ = width;
    rows_ = height;
    width_ = wanted;
    height_ = wantedRows;
    return true;
}

std::uint32_t* TPaintSurface::Row(int y) const {
    return section_.bits + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride_);
}

HDC TPaintSurface::Load(const TBitmap32& pixels) {
    if (!Ensure(pixels.Width(), pixels.Height())) {
        return nullptr;
    }
    for (int y = 0; y < height_; ++y) {
        std::copy(pixels.Row(y), pixels.Row(y) + width_, Row(y));
    }
    // Text and lines drawn on the surface stay inside the loaded part.
    SelectClipRgn(dc_, nullptr);
    IntersectClipRect(dc_, 0, 0, width_, height_);
    return dc_;
}

TBitmap32 TPaintSurface::Read(HDC source, int x, int y, int width, int height) {
    if (!Ensure(width, height)) {
        return {};
    }
    for (int row = 0; row < height; ++row) {
        std::fill(Row(row), Row(row) + width, 0u);
    }
    SelectClipRgn(dc_, nullptr);
    BitBlt(dc_, 0, 0, width, height, source, x, y, SRCCOPY);
    return Pixels();
}

TBitmap32 TPaintSurface::Pixels() const {
    if (dc_ == nullptr) {
        return {};
    }
    GdiFlush();
    TBitmap32 copy(width_, height_);
    for (int row = 0; row < height_; ++row) {
        const std::uint32_t* from = Row(row);
        std::transform(from, from + width_, copy.Row(row), [](std::uint32_t p) { return p & 0xFFFFFF; });
    }
    return copy;
}

void TPaintSurface::CopyTo(HDC dest, int x, int y) const {
    if (dc_ != nullptr) {
        BitBlt(dest, x, y, width_, height_, dc_, 0, 0, SRCCOPY);
    }
}

} // namespace quellar
