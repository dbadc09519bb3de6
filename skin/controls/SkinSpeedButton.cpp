#include "skin/controls/SkinSpeedButton.h"

#include "skin/controls/ControlGeometry.h"
#include "skin/controls/ControlPaint.h"
#include "skin/controls/ControlSkinSet.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/DrawCaption.h"
#include "ui/Buttons.h"

namespace quellar {

TSpeedButton* TSkinSpeedButton::Button() const {
    return dynamic_cast<TSpeedButton*>(hold_.Graphic());
}

// The face shows the press from the button down until the release, or until the mouse leaves
// for another control or window: dragged off the button within its parent (which keeps sending
// it the moves) it still looks pressed, and once it has left it does not look pressed again
// when the mouse comes back while held. That is how the skinned button has always looked, so
// it reads HeldOver, not Pressed (held and over it now), which the framework's own face follows.
bool TSkinSpeedButton::Pressed() const {
    const TSpeedButton* button = Button();
    return button != nullptr && button->HeldOver();
}

TControlState TSkinSpeedButton::LookState() const {
    TControlState state = State();
    state.pressed = Pressed();
    return state;
}

int TSkinSpeedButton::Frame() const {
    const TSpeedButton* button = Button();
    if (button != nullptr && button->Down()) {
        return 2;
    }
    return PushButtonFrame(LookState());
}

void TSkinSpeedButton::PaintSkin(HDC dc, const RECT& rect) {
    (void)rect; // the parent has moved its origin and clip to the button: it is painted at (0, 0)
    Paint(dc);
}

void TSkinSpeedButton::Paint(HDC dc) {
    const TSpeedButton* button = Button();
    const TDataSkinButton* element = Skin().Model().Buttons.get();
    if (button == nullptr || element == nullptr || element->Image.Empty() || dc == nullptr) {
        return;
    }
    enabled_ = button->Enabled();
    caption_ = button->Caption();
    const int frame = Frame();
    HDC face = ComposeFace(Skin(), *element, FaceFrames(), frame, button->Width(), button->Height());
    if (face == nullptr) {
        return;
    }
    PaintGlyphAndCaption(face, button->Width(), button->Height(), frame);
    SharedPaintSurface().CopyTo(dc, 0, 0);
}

void TSkinSpeedButton::PaintGlyphAndCaption(HDC dc, int width, int height, int frame) {
    const TSpeedButton* button = Button();
    const TDataSkinButton* element = Skin().Model().Buttons.get();
    TWindowFont font(dc, button->Font().Handle());
    SetTextColor(dc, ButtonCaptionColour(Skin(), *element, frame));
    const TBitmap& glyph = button->Glyph();
    if (glyph.Empty()) {
        DrawCaption(dc, RECT{0, 0, width, height}, DT_CENTER, enabled_, caption_);
        return;
    }
    RECT measured{};
    if (!caption_.empty()) {
        DrawTextA(dc, caption_.c_str(), -1, &measured, DT_CALCRECT | DT_SINGLELINE);
    }
    const int glyphs = std::max(button->NumGlyphs(), 1);
    TGlyphCaptionInput in;
    in.clientWidth = width;
    in.clientHeight = height;
    in.glyphWidth = glyph.Width() / glyphs;
    in.glyphHeight = glyph.Height();
    in.textWidth = measured.right;
    in.textHeight = measured.bottom;
    in.layout = button->Layout();
    in.margin = button->Margin();
    in.spacing = button->Spacing();
    in.speedButton = true;
    const TGlyphCaptionLayout placed = LayOutGlyphAndCaption(in);
    TControlState state = LookState();
    state.pressed = state.pressed || button->Down();
    const int cell = GlyphCell(glyphs, state) - 1;
    const RECT part{cell * in.glyphWidth, 0, (cell + 1) * in.glyphWidth, in.glyphHeight};
    const std::uint32_t key = glyph.Pixels() != nullptr ? glyph.Pixels()[part.left] & 0xFFFFFF : 0;
    DrawTransparent(dc, placed.glyph.left, placed.glyph.top, glyph, part,
                    RGB((key >> 16) & 0xFF, (key >> 8) & 0xFF, key & 0xFF));
    if (!caption_.empty()) {
        RECT target{placed.caption.left, placed.caption.top, placed.caption.right, placed.caption.bottom};
        DrawCaption(dc, target, placed.alignment == caRight ? DT_RIGHT : DT_LEFT, enabled_, caption_);
    }
}

bool TSkinSpeedButton::BeforeMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_PAINT:
        Paint(reinterpret_cast<HDC>(message.WParam));
        message.Result = 1;
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        hold_.PassOn(message); // the button takes the press
        if (enabled_) {
            hold_.InvalidateWhole();
        }
        return false;
    default:
        return true;
    }
}

void TSkinSpeedButton::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_LBUTTONUP:
        hold_.InvalidateWhole();
        break;
    case WM_MOUSEMOVE:
    case CM_MOUSEENTER:
        if (!hot_ && enabled_) {
            hot_ = true;
            Owner().MakeHot(*this);
            hold_.InvalidateWhole();
        }
        break;
    case CM_MOUSELEAVE:
        hot_ = false; // the button has let go of the press it shows (HeldOver)
        Owner().DropHot(*this);
        if (hold_.Graphic()->Visible()) {
            hold_.InvalidateWhole();
        }
        break;
    case CM_ENABLEDCHANGED:
        enabled_ = hold_.Graphic()->Enabled();
        hold_.InvalidateWhole();
        break;
    default:
        break;
    }
}

} // namespace quellar
