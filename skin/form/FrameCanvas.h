#pragma once
// A window-sized 32-bit drawing surface kept by a skinned window between paints: the frame is
// composed into it and copied to the window in one transfer. It is made again only when the
// window's size changes, so a repaint costs no fresh memory.
#include "skin/model/Bitmap32.h"

#include <windows.h>

namespace quellar {

class TFrameCanvas {
public:
    TFrameCanvas() = default;
    ~TFrameCanvas() { Release(); }
    TFrameCanvas(const TFrameCanvas&) = delete;
    TFrameCanvas& operator=(const TFrameCanvas&) = delete;

    // A surface of width x height holding pixels' pixels; null when it cannot be made.
    HDC Load(const TBitmap32& pixels);
    void Release();

private:
    HDC dc_ = nullptr;
    HBITMAP section_ = nullptr;
    HGDIOBJ old_ = nullptr;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace quellar
