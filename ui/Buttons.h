#pragma once
// Speed buttons (windowless, painted by the parent, glyph and caption) and bit buttons.
#include "ui/ButtonLayout.h"
#include "ui/StdCtrls.h"

namespace quellar {

class TSpeedButton : public TGraphicControl {
    QUELLAR_COMPONENT_CLASS(TSpeedButton, TGraphicControl)
public:
    explicit TSpeedButton(TComponent* owner);

    const TBitmap& Glyph() const { return glyph_; }
    void SetGlyph(const TBitmap& glyph);
    // Loads the glyph strip from a bitmap resource of the program.
    bool LoadGlyphFromResource(const std::string& name);
    // Cells in the glyph strip: 1 normal, 2 disabled, 3 pressed, 4 down.
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int count);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout layout);
    int Margin() const { return margin_; }
    void SetMargin(int margin);
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing);
    bool Flat() const { return flat_; }
    void SetFlat(bool flat);
    // Latched down (a grouped or sticky button), whatever the mouse does.
    bool Down() const { return down_; }
    void SetDown(bool down);
    // Held down with the mouse and the cursor over it now: the press a release here would click.
    bool Pressed() const { return held_ && heldInside_; }
    // Held down since a press on it, and the cursor has not left it for another control or window
    // since. While the mouse is held the parent keeps sending it the moves, so a move off the button
    // within the parent is no leave: this stays set until the release or a real leave.
    bool HeldOver() const { return heldOver_; }
    bool MouseInControl() const { return mouseIn_; }
    void Click() override;

protected:
    void WndProc(TMessage& message) override;
    void Paint(HDC dc) override;
    void MouseDown(int x, int y) override;
    void MouseUp(int x, int y) override;
    void MouseMove(int x, int y) override;

private:
    void PaintFrame(HDC dc, const RECT& r) const;
    int GlyphCell() const;
    // Pressed or down: the face is drawn sunk.
    bool Sunk() const { return Pressed() || down_; }
    TBitmap glyph_;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
    int margin_ = -1;
    int spacing_ = 4;
    bool flat_ = false;
    bool down_ = false;
    bool held_ = false;
    bool heldInside_ = false;
    bool heldOver_ = false;
    bool mouseIn_ = false;
};

class TBitBtn : public TButton {
    QUELLAR_COMPONENT_CLASS(TBitBtn, TButton)
public:
    using TButton::TButton;
};

} // namespace quellar
