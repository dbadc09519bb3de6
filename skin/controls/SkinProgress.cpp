#include "skin/controls/SkinProgress.h"

#include "skin/controls/ControlGeometry.h"
#include "skin/controls/ControlPaint.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/Raster.h"

#include <commctrl.h>

namespace quellar {

namespace {
// The chunk picture side by side from the left over width pixels.
TBitmap32 Chunks(const TBitmap32& chunk, int width) {
    TBitmap32 row(width, chunk.Height(), KeyColour);
    for (int x = 0; x < width; x += chunk.Width()) {
        CopyPixels(row, x, 0, chunk, {0, 0, chunk.Width(), chunk.Height()}, TTransparency::trOpaque);
    }
    return row;
}
} // namespace

void TSkinProgress::PaintSkin(HDC dc, const RECT& rect) {
    const TDataSkinBorder* element = Skin().Progress();
    if (element == nullptr || element->Image.Empty()) {
        return;
    }
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    const auto position = static_cast<int>(SendMessageA(Handle(), PBM_GETPOS, 0, 0));
    const auto minimum = static_cast<int>(SendMessageA(Handle(), PBM_GETRANGE, TRUE, 0));
    const auto maximum = static_cast<int>(SendMessageA(Handle(), PBM_GETRANGE, FALSE, 0));
    const int filled = ProgressLength(position, minimum, maximum, width);
    TBitmap32 picture(width, height, PixelOf(FaceColour(Skin())));
    if (element->Style == 1 && !element->Image2.Empty()) {
        DrawFrame(picture, {0, 0, width, height}, *element, 1, 1, TTransparency::trMagenta);
        const int chunkHeight = element->Image2.Height();
        if (filled > 0) {
            const TBitmap32 bar = Chunks(element->Image2, filled);
            CopyPixels(picture, element->LeftWidth, (height - chunkHeight) / 2, bar,
                       {0, 0, filled, chunkHeight}, TTransparency::trMagenta);
        }
    } else {
        DrawFrame(picture, {0, 0, width, height}, *element, 2, 1, TTransparency::trMagenta);
        if (filled > 0) {
            DrawFrame(picture, {0, 0, filled, height}, *element, 2, 2, TTransparency::trMagenta);
        }
    }
    if (SharedPaintSurface().Load(picture) != nullptr) {
        SharedPaintSurface().CopyTo(dc, rect.left, rect.top);
    }
}

void TSkinProgress::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case PBM_SETPOS:
    case PBM_DELTAPOS:
    case PBM_STEPIT:
    case PBM_SETRANGE:
    case PBM_SETRANGE32:
        Repaint(); // the bar paints its new length straight away, over the skin
        break;
    default:
        TSkinControl::AfterMessage(message);
        break;
    }
}

} // namespace quellar
