#include "skin/controls/SkinButton.h"

#include "skin/controls/ControlGeometry.h"
#include "skin/controls/ControlPaint.h"
#include "skin/controls/ControlSkinSet.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/DrawCaption.h"

namespace quellar {

int TSkinButton::Frame() const {
    return PushButtonFrame(State());
}

void TSkinButton::PaintSkin(HDC dc, const RECT& rect) {
    const TDataSkinButton* element = Skin().Model().Buttons.get();
    if (element == nullptr || element->Image.Empty()) {
        return;
    }
    RefreshState();
    caption_ = hold_.Text();
    const int frame = Frame();
    HDC face =
        ComposeFace(Skin(), *element, FaceFrames(), frame, rect.right - rect.left, rect.bottom - rect.top);
    if (face == nullptr) {
        return;
    }
    const RECT local{0, 0, rect.right - rect.left, rect.bottom - rect.top};
    {
        TWindowFont font(face, hold_.Handle());
        SetTextColor(face, ButtonCaptionColour(Skin(), *element, frame));
        PaintCaption(face, local, frame);
    }
    SharedPaintSurface().CopyTo(dc, rect.left, rect.top);
}

void TSkinButton::PaintCaption(HDC dc, const RECT& rect, int frame) {
    (void)frame;
    DrawCaption(dc, rect, DT_CENTER, enabled_, caption_);
}

void TSkinButton::SetPressed(bool pressed) {
    pressed_ = pressed;
    Repaint();
}

void TSkinButton::SetHot(bool hot) {
    if (!hot) {
        pressed_ = false; // the mouse went: a release now is no click
    }
    TSkinControl::SetHot(hot);
}

bool TSkinButton::BeforeMessage(TMessage& message) {
    if (OwnPaint(message)) {
        return false;
    }
    switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (GetFocus() != hold_.Handle()) {
            SetFocus(hold_.Handle());
        }
        SetPressed(true);
        return false;
    default:
        return TSkinControl::BeforeMessage(message);
    }
}

void TSkinButton::Click() {
    if (hold_.Control() != nullptr) {
        hold_.Control()->Click();
        return;
    }
    HWND parent = GetParent(hold_.Handle());
    const int id = GetDlgCtrlID(hold_.Handle());
    PostMessageA(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(hold_.Handle()));
}

void TSkinButton::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_KEYDOWN:
    case WM_KEYUP:
        if (message.WParam == VK_SPACE) {
            SetPressed(message.Msg == WM_KEYDOWN);
        }
        break;
    case WM_MOUSEMOVE:
        if (!hot_) {
            if (hold_.Control() == nullptr) { // a bare window hears of the mouse leaving only when it asks
                TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hold_.Handle(), 0};
                TrackMouseEvent(&track);
            }
            SetHot(true);
        }
        break;
    case WM_LBUTTONUP:
        if (pressed_) {
            SetPressed(false);
            Click();
        }
        break;
    case WM_MOUSELEAVE:
        if (hold_.Control() == nullptr && enabled_) {
            SetHot(false);
        }
        break;
    default:
        if (!FollowHover(message)) {
            TSkinControl::AfterMessage(message);
        }
        break;
    }
}

int TSkinBitButton::FaceFrames() const {
    const TDataSkinButton* element = Skin().Model().Buttons.get();
    return element != nullptr ? element->FrameCount : 1;
}

void TSkinBitButton::PaintCaption(HDC dc, const RECT& rect, int frame) {
    (void)frame;
    RECT measured{};
    if (!caption_.empty()) {
        DrawTextA(dc, caption_.c_str(), -1, &measured, DT_CALCRECT | DT_SINGLELINE);
    }
    TGlyphCaptionInput in;
    in.clientWidth = rect.right - rect.left;
    in.clientHeight = rect.bottom - rect.top;
    in.textWidth = measured.right;
    in.textHeight = measured.bottom;
    const TGlyphCaptionLayout placed = LayOutGlyphAndCaption(in);
    RECT target{placed.caption.left, placed.caption.top, placed.caption.right, placed.caption.bottom};
    DrawCaption(dc, target, placed.alignment == caRight ? DT_RIGHT : DT_LEFT, enabled_, caption_);
}

} // namespace quellar
