#pragma once
// Combo boxes: the control draws itself, then the skin draws the sunken edge round it and the
// drop-down button (left of the text for right-to-left windows) over the control's own, leaving
// the text alone.
#include "skin/controls/SkinControl.h"

namespace quellar {

class TSkinComBox : public TSkinControl {
public:
    int Frame() const;

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;

private:
    void PaintBuffered();
    void SetHot(bool hot);
};

} // namespace quellar
