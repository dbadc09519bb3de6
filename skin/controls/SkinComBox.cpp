#include "skin/controls/SkinComBox.h"

#include "skin/controls/ControlGeometry.h"
#include "skin/controls/ControlPaint.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/Raster.h"
#include "ui/Messages.h"

namespace quellar {

int TSkinComBox::Frame() const {
    return ComboBoxFrame(State());
}

void TSkinComBox::PaintSkin(HDC dc, const RECT& rect) {
    const TDataSkinBorder* button = Skin().ComboButton();
    const TDataSkinObject* edge = Skin().SunkEdge();
    if (button == nullptr || edge == nullptr || button->Image.Empty() || edge->Image.Empty()) {
        return;
    }
    RefreshState();
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    const bool leftButton = (GetWindowLongPtrA(Handle(), GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    const TComboParts parts = ComboParts(width, height, GetSystemMetrics(SM_CXHSCROLL), leftButton);
    const int frame = Frame();
    TPaintSurface& canvas = SharedPaintSurface();
    const TBitmap32 under = canvas.Read(dc, rect.left, rect.top, width, height);
    if (under.Empty()) {
        return;
    }
    TBitmap32 picture = under;
    DrawFrame(picture, {0, 0, width, height}, *edge, edge->FrameCount, frame);
    // The text keeps the control's own pixels.
    CopyPixels(picture, parts.excluded.left, parts.excluded.top, under, parts.excluded,
               TTransparency::trOpaque);
    const TBitmap32& face = leftButton && !button->Image2.Empty() ? button->Image2 : button->Image;
    StretchPixels(picture, parts.button, face,
                  FrameCell(face.Width(), face.Height(), button->FrameCount, frame),
                  TTransparency::trMagenta);
    if (const TDataSkinObject* extra = Skin().ExtraImages(); extra != nullptr && !extra->Image.Empty()) {
        const int frames = std::max(extra->FrameCount, 1);
        const int cellWidth = extra->Image.Width() / frames;
        const int cellHeight = extra->Image.Height();
        const int x = static_cast<int>(parts.glyph.left + (parts.glyph.Width() - cellWidth) / 2);
        const int y = static_cast<int>(parts.glyph.top + (parts.glyph.Height() - cellHeight) / 2);
        StretchPixels(picture, {x, y, x + cellWidth, y + cellHeight}, extra->Image,
                      FrameCell(extra->Image.Width(), cellHeight, frames, frame), TTransparency::trMagenta);
    }
    if (canvas.Load(picture) != nullptr) {
        canvas.CopyTo(dc, rect.left, rect.top);
    }
}

void TSkinComBox::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        pressed_ = true;
        Repaint();
        break;
    case WM_LBUTTONUP:
        pressed_ = false;
        Repaint();
        break;
    case CN_COMMAND:
    case WM_COMMAND:
        if (HIWORD(message.WParam) == CBN_CLOSEUP) { // the list took the button's release
            pressed_ = false;
            Repaint();
        }
        TSkinControl::AfterMessage(message);
        break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
        if (enabled_) {
            hot_ = message.Msg == CM_MOUSEENTER;
            Repaint();
        }
        break;
    default:
        TSkinControl::AfterMessage(message);
        break;
    }
}

} // namespace quellar
