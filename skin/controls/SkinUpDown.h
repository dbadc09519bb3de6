#pragma once
// Up-down buttons: each arrow half wears its frame of the "UpDownVert" or "UpDownHorz" strip
// with the arrow glyph over it; the half under the mouse shows hot or pressed. The spin button
// of an edit is painted one pixel inside its client area.
#include "skin/controls/SkinControl.h"

namespace quellar {

class TSkinUpDown : public TSkinControl {
public:
    void SetInset(bool inset) { inset_ = inset; }
    void SetHorizontal(bool horizontal) { horizontal_ = horizontal; }
    // The frame of the element's strip a half shows: arrow 0 up, 1 down, 2 left, 3 right.
    static int ArrowFrame(int state, int arrow);

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;

private:
    bool Horizontal() const;
    bool inset_ = false;
    bool horizontal_ = false;
};

} // namespace quellar
