#include "ui/Buttons.h"

#include <algorithm>

namespace quellar {

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {}

void TSpeedButton::SetGlyph(const TBitmap& glyph) {
    glyph_.CopyFrom(glyph.Handle());
    Invalidate();
}

bool TSpeedButton::LoadGlyphFromResource(const std::string& name) {
    const bool loaded = glyph_.LoadFromResource(name.c_str());
    Invalidate();
    return loaded;
}

void TSpeedButton::SetNumGlyphs(int count) {
    numGlyphs_ = std::clamp(count, 1, 4);
    Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout layout) {
    layout_ = layout;
    Invalidate();
}

void TSpeedButton::SetMargin(int margin) {
    margin_ = margin;
    Invalidate();
}

void TSpeedButton::SetSpacing(int spacing) {
    spacing_ = spacing;
    Invalidate();
}

void TSpeedButton::SetFlat(bool flat) {
    flat_ = flat;
    Invalidate();
}

void TSpeedButton::SetDown(bool down) {
    down_ = down;
    Invalidate();
}

void TSpeedButton::Click() {
    TGraphicControl::Click();
}

int TSpeedButton::GlyphCell() const {
    if (!Enabled() && numGlyphs_ >= 2) {
        return 1;
    }
    if (Sunk()) {
        return numGlyphs_ >= 3 ? 2 : 0;
    }
    return 0;
}

void TSpeedButton::MouseDown(int, int) {
    if (!Enabled()) {
        return;
    }
    held_ = true;
    heldInside_ = true;
    heldOver_ = true;
    Invalidate();
}

void TSpeedButton::MouseMove(int x, int y) {
    if (!held_) {
        return;
    }
    const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
    if (inside != heldInside_) {
        heldInside_ = inside;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(int x, int y) {
    heldOver_ = false;
    if (!held_) {
        return;
    }
    held_ = false;
    Invalidate();
    const bool inside = x >= 0 && y >= 0 && x < Width() && y < Height();
    if (inside && Enabled()) {
        Click();
    }
}

void TSpeedButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CM_MOUSEENTER:
        mouseIn_ = true;
        if (flat_ && Enabled()) {
            Invalidate();
        }
        break;
    case CM_MOUSELEAVE:
        mouseIn_ = false;
        heldOver_ = false;
        if (flat_ && Enabled()) {
            Invalidate();
        }
        break;
    case CM_DIALOGCHAR:
        ClickOnAccelerator(*this, caption_, message);
        break;
    default:
        TGraphicControl::WndProc(message);
        break;
    }
}

void TSpeedButton::PaintFrame(HDC dc, const RECT& r) const {
    RECT frame = r;
    const bool sunk = Sunk();
    if (flat_) {
        if (sunk) {
            DrawEdge(dc, &frame, BDR_SUNKENOUTER, BF_RECT);
        } else if (mouseIn_ && Enabled()) {
            DrawEdge(dc, &frame, BDR_RAISEDINNER, BF_RECT);
        }
        return;
    }
    DrawFrameControl(dc, &frame, DFC_BUTTON, DFCS_BUTTONPUSH | (sunk ? DFCS_PUSHED : 0));
}

void TSpeedButton::Paint(HDC dc) {
    const RECT r{0, 0, Width(), Height()};
    FillRectColor(dc, r, Color());
    PaintFrame(dc, r);
    DcSelect font(dc, Font().Handle());
    RECT textRect{0, 0, 0, 0};
    if (!caption_.empty()) {
        DrawTextA(dc, caption_.c_str(), -1, &textRect, DT_CALCRECT | DT_SINGLELINE);
    }
    TButtonGeometry g;
    g.clientWidth = Width();
    g.clientHeight = Height();
    if (!glyph_.Empty()) {
        g.glyphWidth = glyph_.Width() / numGlyphs_;
        g.glyphHeight = glyph_.Height();
    }
    g.textWidth = textRect.right;
    g.textHeight = textRect.bottom;
    g.layout = layout_;
    g.margin = margin_;
    g.spacing = spacing_;
    g.speedButton = true;
    TButtonPlacement p = PlaceGlyphAndCaption(g);
    const int shift = Sunk() ? 1 : 0; // a pressed face moves down-right
    if (g.glyphWidth > 0) {
        const int cell = GlyphCell();
        const RECT part{cell * g.glyphWidth, 0, (cell + 1) * g.glyphWidth, g.glyphHeight};
        // The strip's bottom-left pixel is its transparent colour.
        const std::uint32_t key =
            glyph_.Pixels()[static_cast<std::size_t>(g.glyphHeight - 1) * glyph_.Width()];
        const COLORREF transparent = RGB((key >> 16) & 0xFF, (key >> 8) & 0xFF, key & 0xFF);
        DrawTransparent(dc, p.glyphX + shift, p.glyphY + shift, glyph_, part, transparent);
    }
    if (!caption_.empty()) {
        SetBkMode(dc, TRANSPARENT);
        RECT tr{p.captionX + shift, p.captionY + shift, p.captionX + shift + g.textWidth,
                p.captionY + shift + g.textHeight};
        if (!Enabled()) {
            OffsetRect(&tr, 1, 1);
            SetTextColor(dc, ColorToRGB(clBtnHighlight));
            DrawTextA(dc, caption_.c_str(), -1, &tr, DT_CENTER | DT_SINGLELINE);
            OffsetRect(&tr, -1, -1);
            SetTextColor(dc, ColorToRGB(clBtnShadow));
        } else {
            SetTextColor(dc, ColorToRGB(Font().Color()));
        }
        DrawTextA(dc, caption_.c_str(), -1, &tr, DT_CENTER | DT_SINGLELINE);
    }
}

} // namespace quellar
