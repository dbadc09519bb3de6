#include "skin/model/MenuImages.h"

namespace quellar {

namespace {

constexpr std::uint32_t Mask = 0xFFFFFF;
constexpr std::uint32_t Ink = 0x202020;
constexpr std::uint32_t Accent = 0x3060A0;

void Rect(TBitmap32& b, int x0, int y0, int x1, int y1, std::uint32_t c) {
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            b.SetPixel(x, y, c);
        }
    }
}

void Frame(TBitmap32& b, int x0, int y0, int x1, int y1, std::uint32_t c) {
    Rect(b, x0, y0, x1, y0 + 1, c); // a thick top edge like a caption
    Rect(b, x0, y1, x1, y1, c);
    Rect(b, x0, y0, x0, y1, c);
    Rect(b, x1, y0, x1, y1, c);
}

void Arrows(TBitmap32& b, int ox, bool diagonal) {
    for (int i = 2; i <= 13; ++i) {
        if (diagonal) {
            b.SetPixel(ox + i, i, Ink);
            b.SetPixel(ox + 15 - i, i, Accent);
        } else {
            b.SetPixel(ox + i, 7, Ink);
            b.SetPixel(ox + 7, i, Ink);
        }
    }
}

} // namespace

TBitmap32 DrawMenuImages() {
    TBitmap32 strip(MenuImageSize * MenuImageCount, MenuImageSize, Mask);
    Frame(strip, 5, 2, 13, 9, Ink); // restore: two windows
    Frame(strip, 2, 6, 10, 13, Accent);
    Arrows(strip, 16, false);                  // move
    Arrows(strip, 32, true);                   // size
    Rect(strip, 48 + 3, 11, 48 + 12, 12, Ink); // minimise
    Frame(strip, 64 + 2, 2, 64 + 13, 13, Ink); // maximise
    for (int i = 3; i <= 12; ++i) {            // close
        Rect(strip, 80 + i, i, 80 + i + 1, i, Accent);
        Rect(strip, 80 + 15 - i - 1, i, 80 + 15 - i, i, Accent);
    }
    return strip;
}

} // namespace quellar
