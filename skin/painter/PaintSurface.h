#pragma once
// The off-screen surface skinned painting composes on: a 32-bit bitmap with a device context.
// A painter reads what is under a control when its pieces are transparent, composes with the
// portable raster operations, draws text on the surface's device context and copies the result
// to the window in one transfer, so nothing flickers. A skinned frame keeps a surface of its own;
// one shared surface serves every control skin of the process, one paint after the other (all on
// the user-interface thread). A surface grows to the largest picture it held and is not made
// again for smaller ones, so a repaint costs no fresh memory; past the size of a large screen it
// gives the memory back at the next smaller paint (SurfaceSizeFor).
#include "skin/model/Bitmap32.h"
#include "ui/Graphics.h"

#include <windows.h>

namespace quellar {

class TPaintSurface {
public:
    TPaintSurface() = default;
    ~TPaintSurface() { Release(); }
    TPaintSurface(const TPaintSurface&) = delete;
    TPaintSurface& operator=(const TPaintSurface&) = delete;

    // The surface's device context, holding pixels (their size); null when it cannot be made.
    HDC Load(const TBitmap32& pixels);
    // width x height pixels of source from (x, y), as a bitmap; black where the source has none.
    TBitmap32 Read(HDC source, int x, int y, int width, int height);
    // The surface's pixels as they are now (after text was drawn on it).
    TBitmap32 Pixels() const;
    // Copies the loaded surface to dest with its top-left corner at (x, y).
    void CopyTo(HDC dest, int x, int y) const;
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    bool Ensure(int width, int height);
    void Release();
    std::uint32_t* Row(int y) const;

    HDC dc_ = nullptr;
    TDibSection section_;
    HGDIOBJ old_ = nullptr;
    int width_ = 0; // the area in use
    int height_ = 0;
    int stride_ = 0; // the surface as made
    int rows_ = 0;
};

// The surface every control skin shares.
TPaintSurface& SharedPaintSurface();

// A platform colour (0x00BBGGRR) as a pixel of our bitmaps (0x00RRGGBB), and back.
inline std::uint32_t PixelOf(COLORREF colour) {
    return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

} // namespace quellar
