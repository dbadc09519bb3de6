#include "skin/controls/SkinSizer.h"

#include "skin/controls/ControlPaint.h"
#include "skin/model/SkinDataPlatform.h"
#include "skin/model/WinSkinData.h"

namespace quellar {

void TSkinSizer::PaintSkin(HDC dc, const RECT& rect) {
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    TBitmap32 picture(width, height, PixelOf(FaceColour(Skin())));
    const std::uint32_t shadow = PixelOf(ResolveColour(Skin().Model().Colours.ButtonShadow));
    for (int x = 0; x < width; ++x) {
        picture.SetPixel(x, 0, shadow);
        picture.SetPixel(x, height - 1, shadow);
    }
    for (int y = 0; y < height; ++y) {
        picture.SetPixel(0, y, shadow);
        picture.SetPixel(width - 1, y, shadow);
    }
    if (SharedPaintSurface().Load(picture) != nullptr) {
        SharedPaintSurface().CopyTo(dc, rect.left, rect.top);
    }
}

bool TSkinSizer::BeforeMessage(TMessage& message) {
    return !OwnPaint(message) && TSkinControl::BeforeMessage(message);
}

} // namespace quellar
