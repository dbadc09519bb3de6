#include "skin/model/Bitmap32.h"

#include <algorithm>

namespace quellar {

TBitmap32::TBitmap32(int width, int height, std::uint32_t fill) {
    if (width > 0 && height > 0) {
        width_ = width;
        height_ = height;
        pixels_ = std::make_shared<std::vector<std::uint32_t>>(
            static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
    }
}

const std::shared_ptr<std::vector<std::uint32_t>>& TBitmap32::EmptyStore() {
    static const auto empty = std::make_shared<std::vector<std::uint32_t>>();
    return empty;
}

std::vector<std::uint32_t>& TBitmap32::Own() {
    if (pixels_.use_count() > 1) {
        pixels_ = std::make_shared<std::vector<std::uint32_t>>(*pixels_);
    }
    return *pixels_;
}

void TBitmap32::Clear() {
    width_ = 0;
    height_ = 0;
    pixels_ = EmptyStore();
}

TBitmap32 TBitmap32::Copy(int x, int y, int width, int height) const {
    const int x0 = std::clamp(x, 0, width_);
    const int y0 = std::clamp(y, 0, height_);
    const auto x1 =
        static_cast<int>(std::clamp<std::int64_t>(std::int64_t{x} + std::max(width, 0), 0, width_));
    const auto y1 =
        static_cast<int>(std::clamp<std::int64_t>(std::int64_t{y} + std::max(height, 0), 0, height_));
    TBitmap32 out(x1 - x0, y1 - y0);
    for (int row = y0; row < y1; ++row) {
        std::copy(Row(row) + x0, Row(row) + x1, out.Row(row - y0));
    }
    return out;
}

TBitmap32 MirrorBitmap(const TBitmap32& source) {
    TBitmap32 out(source.Width(), source.Height());
    for (int y = 0; y < source.Height(); ++y) {
        std::reverse_copy(source.Row(y), source.Row(y) + source.Width(), out.Row(y));
    }
    return out;
}

} // namespace quellar
