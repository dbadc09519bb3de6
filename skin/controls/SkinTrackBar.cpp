#include "skin/controls/SkinTrackBar.h"

#include "skin/controls/ControlPaint.h"
#include "skin/model/SkinDataPlatform.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/Raster.h"
#include "ui/Messages.h"

#include <commctrl.h>

namespace quellar {

void TSkinTrackBar::PaintThumb(HDC dc, const RECT& thumb) {
    const int width = thumb.right - thumb.left;
    const int height = thumb.bottom - thumb.top;
    if (width <= 0 || height <= 0) {
        return;
    }
    const bool vertical = (GetWindowLongPtrA(hold_.Handle(), GWL_STYLE) & TBS_VERT) != 0;
    const TDataSkinObject* element = Skin().Model().TrackbarThumbHorz.get();
    // A vertical thumb without a picture leaves the horizontal one in use.
    if (const TDataSkinObject* vert = Skin().Model().TrackbarThumbVert.get();
        vertical && vert != nullptr && !vert->Image.Empty()) {
        element = vert;
    }
    if (element == nullptr || element->Image.Empty()) {
        HBRUSH shadow = CreateSolidBrush(ResolveColour(Skin().Model().Colours.ButtonShadow));
        FrameRect(dc, &thumb, shadow);
        DeleteObject(shadow);
        return;
    }
    TPaintSurface& canvas = SharedPaintSurface();
    TBitmap32 picture = canvas.Read(dc, thumb.left, thumb.top, width, height);
    if (picture.Empty()) {
        return;
    }
    const TBitmap32& image = element->Image;
    StretchPixels(picture, {0, 0, width, height}, image, FrameCell(image.Width(), image.Height(), 5, 2),
                  TTransparency::trMagenta);
    if (canvas.Load(picture) != nullptr) {
        canvas.CopyTo(dc, thumb.left, thumb.top);
    }
}

LRESULT TSkinTrackBar::CustomDraw(LPARAM lParam) {
    const auto* draw = reinterpret_cast<const NMCUSTOMDRAW*>(lParam);
    if (draw->dwDrawStage == CDDS_PREPAINT) {
        return CDRF_NOTIFYITEMDRAW;
    }
    if (draw->dwDrawStage == CDDS_ITEMPREPAINT && draw->dwItemSpec == TBCD_THUMB) {
        RECT thumb{};
        SendMessageA(hold_.Handle(), TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
        PaintThumb(draw->hdc, thumb);
        return CDRF_SKIPDEFAULT;
    }
    return CDRF_DODEFAULT; // channel and tick marks as the control draws them
}

bool TSkinTrackBar::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_ERASEBKGND:
        message.Result = 1;
        return false;
    case WM_NOTIFY:
    case CN_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(message.LParam);
        if (header != nullptr && header->code == static_cast<UINT>(NM_CUSTOMDRAW) &&
            header->hwndFrom == hold_.Handle()) {
            message.Result = CustomDraw(message.LParam);
            return false;
        }
        return true;
    }
    default:
        return TSkinControl::BeforeMessage(message);
    }
}

} // namespace quellar
