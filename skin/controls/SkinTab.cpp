#include "skin/controls/SkinTab.h"

#include "skin/controls/ControlPaint.h"
#include "skin/controls/ControlSkinSet.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/model/SkinDataPlatform.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/ImageTurns.h"
#include "skin/painter/Raster.h"

#include <commctrl.h>

#include <memory>

namespace quellar {

namespace {
// The page border keeps this much of each side of the "Border" picture unscaled.
constexpr TSliceMargins kPaneMargins{4, 5, 4, 4};
constexpr int kItemTextLength = 80;

TSkinRect AsSkinRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}
} // namespace

void TSkinTab::AfterAttach() {
    RefreshState();
    caption_ = hold_.Text();
    PrepareImages();
    FindScrollButtons();
}

void TSkinTab::SkinChanged() {
    PrepareImages();
    TSkinControl::SkinChanged();
}

void TSkinTab::PrepareImages() {
    side_ = TabSideOf(static_cast<std::uint32_t>(GetWindowLongPtrA(hold_.Handle(), GWL_STYLE)));
    const TDataSkinBorder* tabs = Skin().Model().Tabs.get();
    tabFace_ = tabs != nullptr ? TDataSkinObject(*tabs) : TDataSkinObject("Tabs");
    paneImage_.Clear();
    if (tabs == nullptr || tabs->Image.Empty() || tabs->Image2.Empty()) {
        return; // without the border the tabs are drawn as they come
    }
    paneImage_ = tabs->Image2;
    switch (side_) {
    case tsTop:
        break;
    case tsBottom:
        tabFace_.Image = FlipVertical(tabs->Image);
        paneImage_ = FlipVertical(paneImage_);
        break;
    case tsLeft:
        paneImage_ = RotateLeft(paneImage_);
        break;
    case tsRight:
        paneImage_ = RotateRight(paneImage_);
        break;
    }
}

void TSkinTab::FindScrollButtons() {
    if (scrollButtons_ != nullptr && IsWindow(scrollButtons_)) {
        return;
    }
    scrollButtons_ = FindWindowExA(hold_.Handle(), nullptr, UPDOWN_CLASSA, nullptr);
    if (scrollButtons_ != nullptr && Owner().SkinFor(scrollButtons_) == nullptr) {
        Owner()
            .Add(std::make_unique<TSkinUpDown>())
            ->Attach(Owner(), Skin(), TSkinTarget::ByHandle(scrollButtons_));
    }
}

void TSkinTab::PaintSkin(HDC dc, const RECT& rect) {
    // The tabs may have moved to another side since (a new style, as a tab control of ours
    // does when its tab position is set): the pictures are turned for the side they show on now.
    if (TabSideOf(static_cast<std::uint32_t>(GetWindowLongPtrA(hold_.Handle(), GWL_STYLE))) != side_) {
        PrepareImages();
    }
    if (tabFace_.Image.Empty()) {
        return; // the control's own tabs stay
    }
    FindScrollButtons();
    const TSkinRect window = AsSkinRect(rect);
    RECT display = rect;
    SendMessageA(hold_.Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    const TSkinRect page = TabPageRect(AsSkinRect(display), side_);
    const TSkinRect strip = TabStripRect(window, page, side_);
    const TStripSize size = TabStripBitmapSize(strip, side_);
    if (size.width > 0) {
        const TBitmap32 picture = DrawStrip(window, page, size);
        if (SharedPaintSurface().Load(picture) != nullptr) {
            const int saved = SaveDC(dc);
            RECT arrows{};
            if (scrollButtons_ != nullptr && IsWindowVisible(scrollButtons_) &&
                GetWindowRect(scrollButtons_, &arrows)) {
                MapWindowPoints(nullptr, hold_.Handle(), reinterpret_cast<POINT*>(&arrows), 2);
                ExcludeClipRect(dc, arrows.left, arrows.top, arrows.right, arrows.bottom);
            }
            SharedPaintSurface().CopyTo(dc, strip.left, strip.top);
            RestoreDC(dc, saved);
        }
    }
    DrawPageBorder(dc, page);
}

TBitmap32 TSkinTab::DrawStrip(const TSkinRect& window, const TSkinRect& page, TStripSize size) {
    TBitmap32 strip(size.width, size.height, PixelOf(FaceColour(Skin())));
    const int count = static_cast<int>(SendMessageA(hold_.Handle(), TCM_GETITEMCOUNT, 0, 0));
    const int focus = static_cast<int>(SendMessageA(hold_.Handle(), TCM_GETCURFOCUS, 0, 0));
    struct TPlaced {
        int index;
        RECT place;
        int frame;
    };
    std::vector<TPlaced> placed;
    for (int i = 0; i < count; ++i) {
        RECT item{};
        if (SendMessageA(hold_.Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&item)) == 0) {
            continue;
        }
        const TSkinRect r = TabRectInStrip(AsSkinRect(item), side_, page, window, size.width);
        const int frame = i == focus ? 2 : 1;
        DrawFrame(strip, r, tabFace_, tabFace_.FrameCount, frame);
        placed.push_back({i, RECT{r.left, r.top, r.right, r.bottom}, frame});
    }
    HDC canvas = SharedPaintSurface().Load(strip);
    if (canvas == nullptr) {
        return strip;
    }
    {
        TWindowFont font(canvas, hold_.Handle());
        SetBkMode(canvas, TRANSPARENT);
        for (const TPlaced& p : placed) {
            DrawTabText(canvas, p.index, p.place, p.frame);
        }
    }
    const TBitmap32 drawn = SharedPaintSurface().Pixels();
    return side_ == tsLeft ? RotateLeft(drawn) : side_ == tsRight ? RotateRight(drawn) : drawn;
}

// The tab's icon and caption as one group centred in place: icon, one pixel, caption.
void TSkinTab::DrawTabText(HDC dc, int index, const RECT& place, int frame) {
    char text[kItemTextLength + 1] = {};
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;
    item.pszText = text;
    item.cchTextMax = kItemTextLength;
    item.iImage = -1;
    if (SendMessageA(hold_.Handle(), TCM_GETITEMA, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&item)) == 0) {
        return;
    }
    auto images = reinterpret_cast<HIMAGELIST>(SendMessageA(hold_.Handle(), TCM_GETIMAGELIST, 0, 0));
    int iconWidth = 0, iconHeight = 0;
    const bool icon =
        images != nullptr && item.iImage >= 0 && ImageList_GetIconSize(images, &iconWidth, &iconHeight);
    SIZE extent{};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
    const int group = extent.cx + (icon ? iconWidth + 1 : 0);
    int x = place.left + (place.right - place.left - group) / 2;
    if (icon) {
        const int y = place.top + (place.bottom - place.top - iconHeight) / 2;
        ImageList_Draw(images, item.iImage, dc, x, y, ILD_TRANSPARENT);
        x += iconWidth + 1;
    }
    SetTextColor(dc, ResolveColour(frame == 2 ? tabFace_.MouseOverColour2 : tabFace_.NormalColour2));
    RECT box{x, place.top, place.right, place.bottom};
    DrawTextA(dc, text, -1, &box, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

// The border around the page from the "Border" picture; the page inside is the control's, so the
// picture's centre is neither scaled (most of the cost) nor copied.
void TSkinTab::DrawPageBorder(HDC dc, const TSkinRect& page) const {
    if (paneImage_.Empty() || page.Empty()) {
        return;
    }
    const auto width = static_cast<int>(page.Width()), height = static_cast<int>(page.Height());
    const TSliceMargins& m = kPaneMargins;
    TBitmap32 border(width, height);
    for (const TSlicePiece& piece :
         PlanNineSlice({0, 0, paneImage_.Width(), paneImage_.Height()}, width, height, m, false)) {
        const TSkinRect& d = piece.dest;
        if (d.left >= m.left && d.top >= m.top && d.right <= width - m.right &&
            d.bottom <= height - m.bottom) {
            continue;
        }
        StretchPixels(border, d, paneImage_, piece.source, TTransparency::trOpaque);
    }
    HDC canvas = SharedPaintSurface().Load(border);
    if (canvas == nullptr) {
        return;
    }
    const RECT bands[] = {{0, 0, width, m.top},
                          {0, height - m.bottom, width, height},
                          {0, m.top, m.left, height - m.bottom},
                          {width - m.right, m.top, width, height - m.bottom}};
    for (const RECT& b : bands) {
        BitBlt(dc, page.left + b.left, page.top + b.top, b.right - b.left, b.bottom - b.top, canvas, b.left,
               b.top, SRCCOPY);
    }
}

} // namespace quellar
