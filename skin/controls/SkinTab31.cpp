#include "skin/controls/SkinTab31.h"

#include "skin/controls/ControlPaint.h"
#include "skin/model/SkinDataPlatform.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/DrawCaption.h"
#include "skin/painter/ImageTurns.h"
#include "skin/painter/Raster.h"
#include "ui/TabCtrls.h"

namespace quellar {

void TSkinTab31::AfterAttach() {
    PrepareImage();
}

void TSkinTab31::SkinChanged() {
    PrepareImage();
    TSkinControl::SkinChanged();
}

void TSkinTab31::PrepareImage() {
    const TDataSkinBorder* tabs = Skin().Model().Tabs.get();
    tabFace_ = tabs != nullptr ? TDataSkinObject(*tabs) : TDataSkinObject("Tabs");
    tabFace_.Image = FlipVertical(tabFace_.Image);
}

// The tab set's own painting would only be covered: the skin paints the whole strip.
bool TSkinTab31::BeforeMessage(TMessage& message) {
    if (!tabFace_.Image.Empty() && OwnPaint(message)) {
        return false;
    }
    return TSkinControl::BeforeMessage(message);
}

void TSkinTab31::PaintSkin(HDC dc, const RECT& rect) {
    auto* set = dynamic_cast<TTabSet*>(hold_.Control());
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (set == nullptr || tabFace_.Image.Empty() || width <= 0 || height <= 0) {
        return;
    }
    const std::vector<TTabSetPlace> places = set->Places();
    TBitmap32 picture(width, height, PixelOf(FaceColour(Skin())));
    for (const TTabSetPlace& p : places) {
        DrawFrame(picture, {p.left, 0, p.right, height}, tabFace_, tabFace_.FrameCount,
                  p.index == set->TabIndex() ? 2 : 1);
    }
    HDC canvas = SharedPaintSurface().Load(picture);
    if (canvas == nullptr) {
        return;
    }
    {
        TWindowFont font(canvas, set->Font().Handle());
        for (const TTabSetPlace& p : places) {
            const bool selected = p.index == set->TabIndex();
            SetTextColor(canvas,
                         ResolveColour(selected ? tabFace_.MouseOverColour2 : tabFace_.NormalColour2));
            DrawCaption(canvas, RECT{p.left, 0, p.right, height}, DT_CENTER, true,
                        set->Tabs()[static_cast<std::size_t>(p.index)]);
        }
    }
    SharedPaintSurface().CopyTo(dc, rect.left, rect.top);
}

} // namespace quellar
