// Painting a skinned window's frame and shaping its region.
#include "skin/form/FrameComposer.h"
#include "skin/form/FrameRegion.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/WinSkinManage.h"
#include "skin/menu/MenuBar.h"
#include "skin/model/SkinDataPlatform.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/Raster.h"
#include "ui/Graphics.h"

#include <algorithm>

namespace quellar {

bool TWinSkinForm::Composable() const {
    return (lifeState_ == lsRunning || lifeState_ == lsReapplying) && borderKind_ != bkPopup &&
           windowState_ != wsMinimized && !MdiChildNotRestored() && skin_->SkinLoaded();
}

void TWinSkinForm::LayoutTitle(HDC dc, int width) {
    const TDataSkinTitle& t = *skin_->Model().Title();
    const std::string caption = Caption();
    RECT measured{0, 0, 0, 0};
    // Measured as it is drawn: an "&" is a character of the caption, not an underline.
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &measured,
              DT_CALCRECT | DT_NOCLIP | DT_SINGLELINE | DT_NOPREFIX);
    TTitleLayout layout;
    layout.textAlignment = t.TextAlignment;
    layout.textShift = t.LeftWidth;
    layout.textShiftVert = t.TopHeight;
    layout.textRightClip = t.RightWidth;
    layout.backLeft = t.TXTBackleft;
    layout.backRight = t.TXTBackRight;
    layout.rightToLeft = rightToLeft_;
    layout.popup = (style_ & WS_POPUP) != 0;
    int rightmostLeft = 0;
    // Right-aligned buttons first, so a popup's title may reach up to them.
    const bool childMaximized = mdiKind_ == mkFrame && MdiActiveChildMaximized(mdiClient_);
    TCaptionState state{borderKind_,    captionFlags_, active_, windowState_ == wsMaximized,
                        childMaximized, frame_.menu};
    TCaptionPlacement where{width, {}, frame_, 0, rightToLeft_};
    for (const auto& b : buttons_) {
        if (b->def->Align == 1 && CaptionButtonVisible(*b->def, state)) {
            PlaceCaptionButton(*b->def, 0, 0, where, rightmostLeft);
        }
    }
    layout.rightAlignedButtonsLeft = rightmostLeft;
    titleBox_ = PlaceTitleBox({frame_.left, 0, width - frame_.right, frame_.top}, measured.right,
                              measured.bottom, layout);
    where.titleBox = titleBox_;
    if (const TDataSkinObject* bar = skin_->Model().MenuBar(); bar != nullptr) {
        where.menuBarLeftWidth = bar->LeftWidth;
    }
    rightmostLeft = 0;
    for (const auto& b : buttons_) {
        b->visible = CaptionButtonVisible(*b->def, state);
        const TBitmap32& image = b->IsIconButton() && b->def->Image.Empty() ? icon_ : b->def->Image;
        if (!b->visible || image.Empty()) {
            continue;
        }
        const int frames = image.SharesPixelsWith(icon_) ? 1 : std::max(1, b->def->FrameCount);
        b->rect = PlaceCaptionButton(*b->def, image.Width() / frames, image.Height(), where, rightmostLeft);
    }
}

void TWinSkinForm::DrawTitleText(HDC dc, bool active) {
    const std::string caption = Caption();
    const TDataSkinTitle& t = *skin_->Model().Title();
    RECT box{titleBox_.left + t.TXTBackleft, titleBox_.top, titleBox_.right - t.TXTBackRight,
             titleBox_.bottom};
    SetBkMode(dc, TRANSPARENT);
    const TSkinColours& colours = skin_->Model().Colours();
    SetTextColor(dc, ResolveColour(active ? colours.TitleTextActive : colours.TitleTextNoActive));
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &box,
              DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX | (rightToLeft_ ? DT_RIGHT : 0));
}

void TWinSkinForm::PaintFrame(HDC given) {
    if (!Composable()) {
        return;
    }
    HDC dc = given != nullptr ? given : GetWindowDC(window_);
    if (dc == nullptr) {
        return;
    }
    try {
        RECT outer{};
        GetWindowRect(window_, &outer);
        const int width = outer.right - outer.left;
        const int height = outer.bottom - outer.top;
        TBitmap32& pixels = framePixels_;
        ComposeBordersInto(pixels, *skin_, width, height, frame_, active_);
        {
            DcSelect font(dc, CaptionFont());
            LayoutTitle(dc, width);
        }
        DrawTitlePlate(pixels, *skin_, titleBox_, frame_.top, active_);
        titleBack_ = pixels.Copy(0, 0, width, frame_.top); // what lies under the caption buttons
        DrawCaptionButtons(pixels, buttons_, icon_, active_);
        const bool bar = menuBar_ != nullptr && frame_.menu > 0;
        bool barButtons = false;
        if (bar) {
            menuBar_->ComposeBar(
                pixels, {frame_.left, frame_.top, width - frame_.right, frame_.top + frame_.menu}, active_);
            // A maximised MDI child's own buttons, in the bar of its frame.
            DrawMenuBarButtons(pixels, buttons_, icon_);
            barButtons = std::any_of(buttons_.begin(), buttons_.end(),
                                     [](const auto& b) { return b->visible && b->def->Visibility == 100; });
        }
        if (HDC memory = canvas_.Load(pixels); memory != nullptr) {
            {
                DcSelect font(memory, CaptionFont());
                DrawTitleText(memory, active_);
            }
            if (bar) {
                menuBar_->DrawItems(memory);
            }
            const TSkinRect client = ClientRectOf({0, 0, width, height}, frame_);
            SavedDc saved(dc);
            ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
            BitBlt(dc, 0, 0, width, height, memory, 0, 0, SRCCOPY);
        }
        for (const auto& b : buttons_) {
            b->state = nsNormal;
        }
        hotItem = nullptr;
        if (TWinSkinManage* manager = WindowsSkinManager();
            barButtons && manager != nullptr && !manager->MdiMaximized()) {
            manager->SetMdiMax(true); // the children show the platform's frame now
        }
    } catch (...) {
        // A broken skin element must not stop the window's messages.
    }
    if (given == nullptr) {
        ReleaseDC(window_, dc);
    }
}

void TWinSkinForm::PaintItem(TNCObject& item) {
    if (auto* barItem = dynamic_cast<TMenuBtn*>(&item); barItem != nullptr) {
        if (menuBar_ != nullptr && Composable()) {
            HDC dc = GetWindowDC(window_);
            menuBar_->PaintButton(dc, *barItem);
            ReleaseDC(window_, dc);
        }
        return;
    }
    auto* button = dynamic_cast<TWinSysButton*>(&item);
    if (button == nullptr || !Composable() || button->rect.Empty()) {
        return;
    }
    HDC dc = GetWindowDC(window_);
    if (dc == nullptr) {
        return;
    }
    try {
        // The title bar under the button as the last full paint composed it (without buttons),
        // so transparent pixels show what lies behind.
        const TSkinRect& r = button->rect;
        TBitmap32 under =
            button->def->Visibility == 100 && menuBar_ != nullptr
                ? menuBar_->BackgroundUnder(r)
                : titleBack_.Copy(r.left, r.top, static_cast<int>(r.Width()), static_cast<int>(r.Height()));
        if (under.Width() != r.Width() || under.Height() != r.Height()) {
            under = TBitmap32(static_cast<int>(r.Width()), static_cast<int>(r.Height()), KeyColour);
        }
        const TBitmap32 face = ComposeButtonState(*button, icon_);
        CopyPixels(under, 0, 0, face, {0, 0, face.Width(), face.Height()}, TTransparency::trMagenta);
        BlitBitmap32(dc, r.left, r.top, under);
    } catch (...) {
    }
    ReleaseDC(window_, dc);
}

void TWinSkinForm::UpdateRegion() {
    RECT outer{};
    GetWindowRect(window_, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    if (width <= 0 || height <= 0 || windowState_ == wsMinimized || MdiChildNotRestored() ||
        !skin_->SkinLoaded()) {
        return;
    }
    if (width == regionWidth_ && height == regionHeight_ && lifeState_ != lsReapplying &&
        mdiKind_ != mkChild) {
        return;
    }
    regionWidth_ = width;
    regionHeight_ = height;
    const TRegionPlan plan = PlanRegion(*skin_, width, height, frame_, borderKind_);
    GdiObject region(plan.whole ? nullptr
                                : RegionFromPlan(plan, ComposeBorders(*skin_, width, height, frame_, true)));
    if (region.Get() == nullptr) {
        if (hasRegion_) {
            SetWindowRgn(window_, nullptr, TRUE);
            hasRegion_ = false;
        }
        return;
    }
    // Once set, the region is the system's: we never touch or delete it again.
    if (SetWindowRgn(window_, static_cast<HRGN>(region.Get()), TRUE) != 0) {
        region.Release();
        hasRegion_ = true;
    }
}

} // namespace quellar
