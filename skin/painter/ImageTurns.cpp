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

namespace {

// A quarter turn: the result is the source's height wide and its width tall; from(x, y) names the
// source pixel that lands at (x, y).
template <class From> TBitmap32 QuarterTurn(const TBitmap32& source, From from) {
    if (source.Empty()) {
        return {};
    }
    TBitmap32 out(source.Height(), source.Width());
    for (int y = 0; y < out.Height(); ++y) {
        std::uint32_t* to = out.Row(y);
        for (int x = 0; x < out.Width(); ++x) {
            to[x] = from(x, y);
        }
    }
    return out;
}

} // namespace

TBitmap32 RotateLeft(const TBitmap32& source) {
    const int w = source.Width();
    return QuarterTurn(source, [&](int x, int y) { return source.Pixel(w - 1 - y, x); });
}

TBitmap32 RotateRight(const TBitmap32& source) {
    const int h = source.Height();
    return QuarterTurn(source, [&](int x, int y) { return source.Pixel(y, h - 1 - x); });
}

} // namespace quellar
