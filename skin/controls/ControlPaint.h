#pragma once
// What the control painters share: the skin's face colour, a face composed from one frame of an
// element, the caption colour of a button frame, and a window's font selected for text.
#include "skin/model/SkinElements.h"
#include "skin/painter/PaintSurface.h"

#include <windows.h>

namespace quellar {

class TSkinData;

// The skin's ButtonFace as the platform draws it.
COLORREF FaceColour(const TSkinData& skin);

// A width x height picture over the face colour with frame of frameCount of element on it (its
// transparency honoured), loaded on the shared canvas; null when there is nothing to draw.
HDC ComposeFace(const TSkinData& skin, const TDataSkinObject& element, int frameCount, int frame, int width,
                int height);

// The caption colour of a button face: the element's colour for normal (1), hot or focused (4)
// and pressed (2) frames, the skin's ButtonText for any other.
COLORREF ButtonCaptionColour(const TSkinData& skin, const TDataSkinObject& element, int frame);

// Selects the window's font (WM_GETFONT, or the GUI font) into dc while it lives.
class TWindowFont {
public:
    TWindowFont(HDC dc, HWND window);
    TWindowFont(HDC dc, HFONT font);
    ~TWindowFont();
    TWindowFont(const TWindowFont&) = delete;
    TWindowFont& operator=(const TWindowFont&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

} // namespace quellar
