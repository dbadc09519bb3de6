#include "skin/controls/SkinCheckBox.h"

#include "skin/controls/ControlGeometry.h"
#include "skin/controls/ControlPaint.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/Bounds.h"
#include "skin/painter/Raster.h"
#include "ui/StdCtrls.h"

#include <algorithm>
#include <iterator>

namespace quellar {

int TSkinCheckBox::Frame() const {
    TCheckState check = csUnchecked;
    if (const auto* box = dynamic_cast<const TCustomCheckBox*>(hold_.Control()); box != nullptr) {
        check = box->Checked() ? csChecked : csUnchecked;
    } else if (hold_.Handle() != nullptr) {
        const auto state = SendMessageA(hold_.Handle(), Radio() ? BM_GETCHECK : BM_GETSTATE, 0, 0);
        check = (state & BST_INDETERMINATE) != 0 && !Radio() ? csIndeterminate
                : (state & BST_CHECKED) != 0                 ? csChecked
                                                             : csUnchecked;
    }
    const bool enabled = (GetWindowLongPtrA(hold_.Handle(), GWL_STYLE) & WS_DISABLED) == 0;
    return CheckFrame(check, enabled, Radio());
}

void TSkinCheckBox::PaintSkin(HDC dc, const RECT& rect) {
    const TDataSkinButton* element = Skin().Model().Buttons.get();
    if (element == nullptr) {
        return;
    }
    const TBitmap32& strip = Radio() ? element->RadioImage : element->CheckImage;
    const int frames = std::max(Radio() ? element->RadioFrameCount : element->CheckFrameCount, 1);
    if (strip.Empty()) {
        return;
    }
    const int cellWidth = strip.Width() / frames;
    const bool rightButton = (GetWindowLongPtrA(hold_.Handle(), GWL_STYLE) & BS_RIGHTBUTTON) != 0;
    const TSkinRect box =
        CheckBoxRect({rect.left, rect.top, rect.right, rect.bottom}, cellWidth, strip.Height(), rightButton);
    // A mark larger than the control is painted only where the control shows it.
    const TSkinRect shown = Intersect(box, {rect.left, rect.top, rect.right, rect.bottom});
    if (box.Empty() || shown.Empty()) {
        return;
    }
    TBitmap32 picture(static_cast<int>(shown.Width()), static_cast<int>(shown.Height()),
                      PixelOf(FaceColour(Skin())));
    const TSkinRect cell = FrameCell(strip.Width(), strip.Height(), frames, ClampFrame(frames, Frame()));
    const TSkinRect at{box.left - shown.left, box.top - shown.top, box.right - shown.left,
                       box.bottom - shown.top};
    StretchPixels(picture, at, strip, cell, TTransparency::trMagenta);
    if (SharedPaintSurface().Load(picture) != nullptr) {
        SharedPaintSurface().CopyTo(dc, shown.left, shown.top);
    }
}

void TSkinCheckBox::AfterMessage(TMessage& message) {
    // The control draws its own box when it is checked, pressed or left: the mark goes over it again.
    const UINT redrawn[] = {BM_SETCHECK, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, CM_EXIT};
    if (std::find(std::begin(redrawn), std::end(redrawn), message.Msg) != std::end(redrawn)) {
        Repaint();
        return;
    }
    TSkinControl::AfterMessage(message);
}

} // namespace quellar
