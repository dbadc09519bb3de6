// Painting a skinned window's frame, its single items and its region.
#include "skin/form/FramePainter.h"

#include "skin/form/CaptionButtons.h"
#include "skin/form/FrameComposer.h"
#include "skin/form/FrameRegion.h"
#include "skin/menu/MenuBar.h"
#include "skin/model/SkinDataPlatform.h"
#include "skin/model/SkinManage.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/Raster.h"

#include <algorithm>

namespace quellar {

std::string WindowCaption(HWND window) {
    char text[1001] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

void TFramePainter::MakeCaptionFont() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        captionFont_.Reset(CreateFontIndirectA(&metrics.lfCaptionFont));
    }
}

TBitmap32 TFramePainter::BorrowedIcon() const {
    if (!host_.Skin().AppIconImage().Empty()) {
        return host_.Skin().AppIconImage();
    }
    if (const TSkinManage* manager = SkinManage(); manager != nullptr) {
        const auto& list = manager->SkinDataList();
        for (auto it = list.rbegin(); it != list.rend(); ++it) {
            if ((*it)->SkinFormtype() == sfMainform && !(*it)->AppIconImage().Empty()) {
                return (*it)->AppIconImage();
            }
        }
    }
    return {};
}

void TFramePainter::ReadWindowIcon() {
    const int cx = GetSystemMetrics(SM_CXSMICON);
    const int cy = GetSystemMetrics(SM_CYSMICON);
    auto icon = reinterpret_cast<HICON>(SendMessageA(host_.Window(), WM_GETICON, ICON_SMALL, 0));
    if (icon == nullptr) {
        icon = reinterpret_cast<HICON>(SendMessageA(host_.Window(), WM_GETICON, ICON_BIG, 0));
    }
    if (icon == nullptr) { // our own forms carry the program's icon on their class
        icon = reinterpret_cast<HICON>(GetClassLongPtrA(host_.Window(), GCLP_HICONSM));
    }
    if (icon == nullptr) {
        icon = reinterpret_cast<HICON>(GetClassLongPtrA(host_.Window(), GCLP_HICON));
    }
    icon_ = TBitmap32();
    if (icon == nullptr) {
        icon_ = BorrowedIcon();
        return;
    }
    const TDibSection dib = CreateTopDownDib(cx, cy);
    if (dib.bits == nullptr) {
        return;
    }
    MemoryDc dc;
    TBitmap32 pixels(cx, cy, 0xFF00FF);
    std::copy(pixels.Pixels().begin(), pixels.Pixels().end(), dib.bits);
    {
        DcSelect selected(dc.Get(), dib.Handle());
        // A copy at small-icon size draws crisper than the big icon squeezed; it is ours to destroy.
        auto small = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, 0));
        DrawIconEx(dc.Get(), 0, 0, small != nullptr ? small : icon, cx, cy, 0, nullptr, DI_NORMAL);
        if (small != nullptr) {
            DestroyIcon(small);
        }
        GdiFlush();
    }
    const std::uint32_t* p = dib.bits;
    for (int y = 0; y < cy; ++y) {
        std::copy(p + static_cast<std::ptrdiff_t>(y) * cx, p + static_cast<std::ptrdiff_t>(y + 1) * cx,
                  pixels.Row(y));
    }
    for (int y = 0; y < cy; ++y) {
        std::uint32_t* row = pixels.Row(y);
        std::transform(row, row + cx, row, [](std::uint32_t c) { return c & 0xFFFFFF; });
    }
    icon_ = pixels;
}

TSkinRect TFramePainter::MeasureTitleBox(int width, int rightAlignedLeft) {
    const TSkinData& skin = host_.Skin();
    if (!skin.SkinLoaded()) {
        return titleBox_;
    }
    const TDataSkinTitle& t = *skin.Model().Title;
    const std::string caption = WindowCaption(host_.Window());
    RECT measured{0, 0, 0, 0};
    HWND window = host_.Window();
    if (HDC dc = GetWindowDC(window); dc != nullptr) {
        DcSelect font(dc, CaptionFont());
        // Measured as it is drawn: an "&" is a character of the caption, not an underline.
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &measured,
                  DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE | DT_NOPREFIX);
        ReleaseDC(window, dc);
    }
    TTitleLayout layout;
    layout.textAlignment = t.TextAlignment;
    layout.textShift = t.LeftWidth;
    layout.textShiftVert = t.TopHeight;
    layout.textRightClip = t.RightWidth;
    layout.backLeft = t.TXTBackleft;
    layout.backRight = t.TXTBackRight;
    layout.rightToLeft = host_.RightToLeft();
    layout.popup = host_.Popup();
    layout.rightAlignedButtonsLeft = rightAlignedLeft;
    const TFrameSizes& frame = host_.Frame();
    titleBox_ = PlaceTitleBox({frame.left, 0, width - frame.right, frame.top}, measured.right,
                              measured.bottom, layout);
    return titleBox_;
}

void TFramePainter::DrawTitleText(HDC dc, bool active) {
    const std::string caption = WindowCaption(host_.Window());
    const TDataSkinTitle& t = *host_.Skin().Model().Title.get();
    RECT box{titleBox_.left + t.TXTBackleft, titleBox_.top, titleBox_.right - t.TXTBackRight,
             titleBox_.bottom};
    SetBkMode(dc, TRANSPARENT);
    const TSkinColours& colours = host_.Skin().Model().Colours;
    SetTextColor(dc, ResolveColour(active ? colours.TitleTextActive : colours.TitleTextNoActive));
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &box,
              DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX | (host_.RightToLeft() ? DT_RIGHT : 0));
}

bool TFramePainter::Paint(HDC given, TCaptionButtons& buttons, TWinSkinMenu* menuBar) {
    if (!host_.Composable()) {
        return false;
    }
    HWND window = host_.Window();
    HDC dc = given != nullptr ? given : GetWindowDC(window);
    if (dc == nullptr) {
        return false;
    }
    bool barButtons = false;
    try {
        const TSkinData& skin = host_.Skin();
        const TFrameSizes& frame = host_.Frame();
        const bool active = host_.Active();
        RECT outer{};
        GetWindowRect(window, &outer);
        const int width = outer.right - outer.left;
        const int height = outer.bottom - outer.top;
        TBitmap32& pixels = framePixels_;
        ComposeBordersInto(pixels, skin, width, height, frame, active);
        buttons.Layout(width);
        DrawTitlePlate(pixels, skin, titleBox_, frame.top, active);
        titleBack_ = pixels.Copy(0, 0, width, frame.top); // what lies under the caption buttons
        const auto& list = buttons.List();
        DrawCaptionButtons(pixels, list, icon_, active);
        const bool bar = menuBar != nullptr && frame.menu > 0;
        if (bar) {
            menuBar->ComposeBar(pixels, {frame.left, frame.top, width - frame.right, frame.top + frame.menu},
                                active);
            // A maximised MDI child's own buttons, in the bar of its frame.
            DrawMenuBarButtons(pixels, list, icon_);
            barButtons = std::any_of(list.begin(), list.end(),
                                     [](const auto& b) { return b->visible && b->def->Visibility == 100; });
        }
        if (HDC memory = canvas_.Load(pixels); memory != nullptr) {
            {
                DcSelect font(memory, CaptionFont());
                DrawTitleText(memory, active);
            }
            if (bar) {
                menuBar->DrawItems(memory);
            }
            const TSkinRect client = ClientRectOf({0, 0, width, height}, frame);
            SavedDc saved(dc);
            ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
            BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
        }
        buttons.ResetStates();
    } catch (...) {
        // A broken skin element must not stop the window's messages.
    }
    if (given == nullptr) {
        ReleaseDC(window, dc);
    }
    return barButtons;
}

void TFramePainter::PaintItem(TNCObject& item, TWinSkinMenu* menuBar) {
    HWND window = host_.Window();
    if (auto* barItem = dynamic_cast<TMenuBtn*>(&item); barItem != nullptr) {
        if (menuBar != nullptr && host_.Composable()) {
            HDC dc = GetWindowDC(window);
            menuBar->PaintButton(dc, *barItem);
            ReleaseDC(window, dc);
        }
        return;
    }
    auto* button = dynamic_cast<TWinSysButton*>(&item);
    if (button == nullptr || !host_.Composable() || button->rect.Empty()) {
        return;
    }
    HDC dc = GetWindowDC(window);
    if (dc == nullptr) {
        return;
    }
    try {
        // The title bar under the button as the last full paint composed it (without buttons),
        // so transparent pixels show what lies behind.
        const TSkinRect& r = button->rect;
        TBitmap32 under =
            button->def->Visibility == 100 && menuBar != nullptr
                ? menuBar->BackgroundUnder(r)
                : titleBack_.Copy(r.left, r.top, static_cast<int>(r.Width()), static_cast<int>(r.Height()));
        if (under.Width() != r.Width() || under.Height() != r.Height()) {
            under = TBitmap32(static_cast<int>(r.Width()), static_cast<int>(r.Height()), KeyColour);
        }
        const TBitmap32 face = ComposeButtonState(*button, icon_);
        CopyPixels(under, 0, 0, face, {0, 0, face.Width(), face.Height()}, TTransparency::trMagenta);
        BlitBitmap32(dc, r.left, r.top, under);
    } catch (...) {
    }
    ReleaseDC(window, dc);
}

void TFramePainter::UpdateRegion(TBorderKind kind, bool always) {
    HWND window = host_.Window();
    const TSkinData& skin = host_.Skin();
    RECT outer{};
    GetWindowRect(window, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    if (width <= 0 || height <= 0 || !skin.SkinLoaded()) {
        return;
    }
    if (width == regionWidth_ && height == regionHeight_ && !always) {
        return;
    }
    regionWidth_ = width;
    regionHeight_ = height;
    const TFrameSizes& frame = host_.Frame();
    const TRegionPlan plan = PlanRegion(skin, width, height, frame, kind);
    GdiObject region(plan.whole ? nullptr
                                : RegionFromPlan(plan, ComposeBorders(skin, width, height, frame, true)));
    if (region.Get() == nullptr) {
        if (hasRegion_) {
            SetWindowRgn(window, nullptr, TRUE);
            hasRegion_ = false;
        }
        return;
    }
    // Once set, the region is the system's: we never touch or delete it again.
    if (SetWindowRgn(window, static_cast<HRGN>(region.Get()), TRUE) != 0) {
        region.Release();
        hasRegion_ = true;
    }
}

void TFramePainter::DropRegion() {
    if (hasRegion_) {
        SetWindowRgn(host_.Window(), nullptr, TRUE);
        hasRegion_ = false;
    }
    ForgetRegionSize();
}

} // namespace quellar
