#include "skin/form/FrameComposer.h"

#include "skin/model/WinSkinData.h"
#include "skin/painter/Raster.h"

#include <algorithm>

namespace quellar {

TBorderRects BorderRectsOf(int width, int height, const TFrameSizes& f) {
    return {{0, 0, f.left, height},
            {width - f.right, 0, width, height},
            {f.left, 0, width - f.right, f.top},
            {f.left, height - f.bottom, width - f.right, height}};
}

namespace {
// A border element as the nine-slice painter reads it: frames of the top and bottom stacked,
// the middle tiled unless the border's Stretch value is 1.
void DrawBorder(TBitmap32& dest, const TSkinRect& rect, const TDataSkinBorder& border, bool stacked,
                bool active) {
    if (rect.Width() < 0 || rect.Height() < 0 || border.Image.Empty()) {
        return;
    }
    const int frames = std::max(1, border.FrameCount);
    const TSkinRect cell =
        FrameCell(border.Image.Width(), border.Image.Height(), frames, BorderFrame(active, frames), stacked);
    // A border wider than the window is composed only as far as the window shows it.
    DrawNineSlice(dest, rect, border.Image, cell,
                  {border.LeftWidth, border.TopHeight, border.RightWidth, border.BottomHeight},
                  border.Tile != 0, border.Trans == 1 ? TTransparency::trMagenta : TTransparency::trOpaque);
}
} // namespace

void ComposeBordersInto(TBitmap32& bitmap, const TSkinData& skin, int width, int height,
                        const TFrameSizes& frame, bool active) {
    width = std::max(0, width);
    height = std::max(0, height);
    if (bitmap.Width() != width || bitmap.Height() != height) {
        bitmap = TBitmap32(width, height, KeyColour);
    } else {
        for (int y = 0; y < height; ++y) {
            std::fill(bitmap.Row(y), bitmap.Row(y) + width, KeyColour);
        }
    }
    const TBorderRects r = BorderRectsOf(width, height, frame);
    DrawBorder(bitmap, r.left, *skin.Model().FrameLeft, false, active);
    DrawBorder(bitmap, r.right, *skin.Model().FrameRight, false, active);
    DrawBorder(bitmap, r.bottom, *skin.Model().FrameBottom, true, active);
    DrawBorder(bitmap, r.top, *skin.Model().FrameTop, true, active);
}

TBitmap32 ComposeBorders(const TSkinData& skin, int width, int height, const TFrameSizes& frame,
                         bool active) {
    TBitmap32 bitmap;
    ComposeBordersInto(bitmap, skin, width, height, frame, active);
    return bitmap;
}

void DrawTitlePlate(TBitmap32& frameBitmap, const TSkinData& skin, const TSkinRect& box, int topHeight,
                    bool active) {
    const TDataSkinTitle& title = *skin.Model().Title;
    if (title.Image.Empty()) {
        return;
    }
    TDataSkinObject plate("TextBack");
    plate.Image = title.Image;
    plate.LeftWidth = title.TXTBackleft;
    plate.RightWidth = title.TXTBackRight;
    plate.Trans = 1;
    DrawFrame(frameBitmap, {box.left, 0, box.right, topHeight}, plate, 2, active ? 1 : 2);
}

namespace {
void DrawButtonFrame(TBitmap32& dest, int x, int y, const TWinSysButton& button, const TBitmap32& icon,
                     int frame) {
    const TBitmap32& image = button.IsIconButton() && button.def->Image.Empty() ? icon : button.def->Image;
    if (image.Empty()) {
        return;
    }
    const int frames = image.SharesPixelsWith(icon) ? 1 : std::max(1, button.def->FrameCount);
    const TSkinRect cell =
        FrameCell(image.Width(), image.Height(), frames, image.SharesPixelsWith(icon) ? 1 : frame);
    const TSkinRect& r = button.rect;
    StretchPixels(dest, {x, y, x + static_cast<int>(r.Width()), y + static_cast<int>(r.Height())}, image,
                  cell, TTransparency::trMagenta);
}
} // namespace

void DrawCaptionButtons(TBitmap32& frameBitmap, const std::vector<std::unique_ptr<TWinSysButton>>& buttons,
                        const TBitmap32& icon, bool active) {
    for (const auto& button : buttons) {
        if (!button->visible || button->def->Visibility == 100 || button->rect.Empty()) {
            continue;
        }
        const int frame = TWinSysButton::TitleBarFrame(active, button->def->FrameCount);
        DrawButtonFrame(frameBitmap, button->rect.left, button->rect.top, *button, icon, frame);
    }
}

void DrawMenuBarButtons(TBitmap32& frameBitmap, const std::vector<std::unique_ptr<TWinSysButton>>& buttons,
                        const TBitmap32& icon) {
    for (const auto& button : buttons) {
        if (button->visible && button->def->Visibility == 100 && !button->rect.Empty()) {
            DrawButtonFrame(frameBitmap, button->rect.left, button->rect.top, *button, icon, 1);
        }
    }
}

TBitmap32 ComposeButtonState(const TWinSysButton& button, const TBitmap32& icon) {
    TBitmap32 bitmap(static_cast<int>(button.rect.Width()), static_cast<int>(button.rect.Height()),
                     KeyColour);
    DrawButtonFrame(bitmap, 0, 0, button, icon, button.StateFrame());
    return bitmap;
}

TRegionPlan PlanRegion(const TSkinData& skin, int width, int height, const TFrameSizes& frame,
                       TBorderKind kind) {
    TRegionPlan plan;
    const bool l = skin.Model().FrameLeft->Trans == 1, r = skin.Model().FrameRight->Trans == 1;
    const bool t = skin.Model().FrameTop->Trans == 1, b = skin.Model().FrameBottom->Trans == 1;
    if (!(l || r || t || b)) {
        plan.whole = true;
        return plan;
    }
    plan.client = {frame.left, frame.top, width - frame.right, height - frame.bottom};
    if (kind == bkPopup) {
        return plan;
    }
    const TBorderRects rects = BorderRectsOf(width, height, frame);
    plan.strips.push_back({rects.left, l && height > 1});
    plan.strips.push_back({rects.right, r && height > 1});
    plan.strips.push_back({rects.top, t && frame.top > 1 && !rects.top.Empty()});
    plan.strips.push_back({rects.bottom, b && frame.bottom >= 2});
    return plan;
}

} // namespace quellar
