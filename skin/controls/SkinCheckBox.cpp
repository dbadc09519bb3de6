#include "skin/controls/SkinCheckBox.h"

#include "skin/controls/ControlGeometry.h"
#include "skin/controls/ControlPaint.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/Raster.h"
#include "ui/StdCtrls.h"

namespace quellar {

int TSkinCheckBox::Frame() const {
    TCheckState check = csUnchecked;
    if (const auto* box = dynamic_cast<const TCustomCheckBox*>(Control()); box != nullptr) {
        check = box->Checked() ? csChecked : csUnchecked;
    } else if (Handle() != nullptr) {
        const auto state = SendMessageA(Handle(), Radio() ? BM_GETCHECK : BM_GETSTATE, 0, 0);
        check = (state & BST_INDETERMINATE) != 0 && !Radio() ? csIndeterminate
                : (state & BST_CHECKED) != 0                 ? csChecked
                                                             : csUnchecked;
    }
    const bool enabled = (GetWindowLongPtrA(Handle(), GWL_STYLE) & WS_DISABLED) == 0;
    return CheckFrame(check, enabled, Radio());
}

void TSkinCheckBox::PaintSkin(HDC dc, const RECT& rect) {
    const TDataSkinButton* element = Skin().Buttons();
    if (element == nullptr) {
        return;
    }
    const TBitmap32& strip = Radio() ? element->RadioImage : element->CheckImage;
    const int frames = std::max(Radio() ? element->RadioFrameCount : element->CheckFrameCount, 1);
    if (strip.Empty()) {
        return;
    }
    const int cellWidth = strip.Width() / frames;
    const bool rightButton = (GetWindowLongPtrA(Handle(), GWL_STYLE) & BS_RIGHTBUTTON) != 0;
    const TSkinRect box =
        CheckBoxRect({rect.left, rect.top, rect.right, rect.bottom}, cellWidth, strip.Height(), rightButton);
    if (box.Empty()) {
        return;
    }
    const int width = static_cast<int>(box.Width());
    const int height = static_cast<int>(box.Height());
    TBitmap32 picture(width, height, PixelOf(FaceColour(Skin())));
    const TSkinRect cell = FrameCell(strip.Width(), strip.Height(), frames, ClampFrame(frames, Frame()));
    StretchPixels(picture, {0, 0, width, height}, strip, cell, TTransparency::trMagenta);
    if (SharedPaintSurface().Load(picture) != nullptr) {
        SharedPaintSurface().CopyTo(dc, box.left, box.top);
    }
}

void TSkinCheckBox::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case BM_SETCHECK:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case CM_EXIT:
        Repaint();
        break;
    default:
        TSkinControl::AfterMessage(message);
        break;
    }
}

} // namespace quellar
