#pragma once
// Speed buttons (windowless, painted by their parent) wear the "Buttons" face: the frame of the
// button's state (a button held down shows the pressed frame, even disabled), its glyph cell
// and caption placed as the button's layout, margin and spacing say.
#include "skin/controls/SkinButton.h"

namespace quellar {

class TSpeedButton;

class TSkinSpeedButton : public TSkinBitButton {
public:
    int Frame() const;

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;

private:
    TSpeedButton* Button() const;
    void Paint(HDC dc);
    void PaintGlyphAndCaption(HDC dc, int width, int height, int frame);
};

} // namespace quellar
