#include "skin/controls/SkinProgress.h"

#include "skin/controls/ControlGeometry.h"
#include "skin/controls/ControlPaint.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/Bounds.h"
#include "skin/painter/Raster.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include <commctrl.h>

namespace quellar {

namespace {
// The chunk picture side by side from (x, y) over `filled` pixels, straight into the bar's
// picture: a chunk taller than the bar costs only the rows the bar shows.
void DrawChunks(TBitmap32& picture, int x, int y, const TBitmap32& chunk, int filled) {
    const auto upTo = [](int start, int size) {
        return static_cast<int>(std::min<std::int64_t>(std::int64_t{start} + size, INT_MAX));
    };
    const int end = upTo(x, filled);
    const TSkinRect reach = TileAreaWithin({x, y, end, upTo(y, chunk.Height())}, chunk.Width(),
                                           chunk.Height(), {0, 0, picture.Width(), picture.Height()});
    for (int at = reach.left; at < reach.right; at += chunk.Width()) {
        const int width = std::min(chunk.Width(), end - at); // the last chunk ends where the bar does
        CopyPixels(picture, at, y, chunk, {0, 0, width, chunk.Height()}, TTransparency::trMagenta);
    }
}
} // namespace

void TSkinProgress::PaintSkin(HDC dc, const RECT& rect) {
    const TDataSkinBorder* element = Skin().Model().Progress.get();
    if (element == nullptr || element->Image.Empty()) {
        return;
    }
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    const auto position = static_cast<int>(SendMessageA(hold_.Handle(), PBM_GETPOS, 0, 0));
    const auto minimum = static_cast<int>(SendMessageA(hold_.Handle(), PBM_GETRANGE, TRUE, 0));
    const auto maximum = static_cast<int>(SendMessageA(hold_.Handle(), PBM_GETRANGE, FALSE, 0));
    const int filled = ProgressLength(position, minimum, maximum, width);
    TBitmap32 picture(width, height, PixelOf(FaceColour(Skin())));
    if (element->Style == 1 && !element->Image2.Empty()) {
        DrawFrame(picture, {0, 0, width, height}, *element, 1, 1, TTransparency::trMagenta);
        const int chunkHeight = element->Image2.Height();
        if (filled > 0) {
            DrawChunks(picture, element->LeftWidth, (height - chunkHeight) / 2, element->Image2, filled);
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
