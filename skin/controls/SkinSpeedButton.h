#pragma once
// Speed buttons (windowless, painted by their parent) wear the "Buttons" face: the frame of the
// button's state (a button held down shows the pressed frame, even disabled), its glyph cell
// and caption placed as the button's layout, margin and spacing say. The button keeps the
// press; the skin reads it when it paints and keeps only its hot look.
#include "skin/controls/SkinButton.h"

namespace quellar {

class TSpeedButton;

class TSkinSpeedButton : public TSkinBitButton {
public:
    int Frame() const;
    // The button's press as its face shows it (see the definition for why not TSpeedButton::Pressed).
    bool Pressed() const override;

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;

private:
    TSpeedButton* Button() const;
    // The state the face is drawn in: the skin's hot and enabled, the button's press.
    TControlState LookState() const;
    void Paint(HDC dc);
    void PaintGlyphAndCaption(HDC dc, int width, int height, int frame);
};

} // namespace quellar
