#include "skin/controls/ControlPaint.h"

#include "skin/model/SkinDataPlatform.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/Raster.h"

namespace quellar {

COLORREF FaceColour(const TSkinData& skin) {
    return ResolveColour(skin.Model().Colours.ButtonFace);
}

HDC ComposeFace(const TSkinData& skin, const TDataSkinObject& element, int frameCount, int frame, int width,
                int height) {
    if (width <= 0 || height <= 0) {
        return nullptr;
    }
    TBitmap32 face(width, height, PixelOf(FaceColour(skin)));
    DrawFrame(face, TSkinRect{0, 0, width, height}, element, frameCount, frame);
    return SharedPaintSurface().Load(face);
}

COLORREF ButtonCaptionColour(const TSkinData& skin, const TDataSkinObject& element, int frame) {
    switch (frame) {
    case 1:
        return ResolveColour(element.NormalColour2);
    case 2:
        return ResolveColour(element.PressedColour2);
    case 4:
        return ResolveColour(element.MouseOverColour2);
    default:
        return ResolveColour(skin.Model().Colours.ButtonText);
    }
}

TWindowFont::TWindowFont(HDC dc, HWND window)
    : TWindowFont(dc, window != nullptr ? reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0))
                                        : nullptr) {}

TWindowFont::TWindowFont(HDC dc, HFONT font)
    : dc_(dc), old_(SelectObject(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT))) {}

TWindowFont::~TWindowFont() {
    SelectObject(dc_, old_);
}

} // namespace quellar
