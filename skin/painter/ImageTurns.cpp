#include "skin/painter/ImageTurns.h"

namespace quellar {

TBitmap32 FlipVertical(const TBitmap32& source) {
    const int w = source.Width(), h = source.Height();
    if (source.Empty()) {
        return {};
    }
    TBitmap32 out(w, h);
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* from = source.Row(h - 1 - y);
        std::uint32_t* to = out.Row(y);
        for (int x = 0; x < w; ++x) {
            to[x] = from[x];
        }
    }
    return out;
}

TBitmap32 RotateLeft(const TBitmap32& source) {
    const int w = source.Width(), h = source.Height();
    if (source.Empty()) {
        return {};
    }
    TBitmap32 out(h, w);
    for (int y = 0; y < w; ++y) {
        std::uint32_t* to = out.Row(y);
        for (int x = 0; x < h; ++x) {
            to[x] = source.Pixel(w - 1 - y, x);
        }
    }
    return out;
}

TBitmap32 RotateRight(const TBitmap32& source) {
    const int w = source.Width(), h = source.Height();
    if (source.Empty()) {
        return {};
    }
    TBitmap32 out(h, w);
    for (int y = 0; y < w; ++y) {
        std::uint32_t* to = out.Row(y);
        for (int x = 0; x < h; ++x) {
            to[x] = source.Pixel(y, h - 1 - x);
        }
    }
    return out;
}

} // namespace quellar
