#pragma once
// Check boxes and radio buttons: the control draws itself, then the skin draws the mark's box
// over it from the "Buttons" element's check or radio strip (unchecked, checked, and the same
// disabled; a check box's third state has a frame of its own).
#include "skin/controls/SkinControl.h"

namespace quellar {

class TSkinCheckBox : public TSkinControl {
public:
    // The frame the mark shows now.
    int Frame() const;

protected:
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
    virtual bool Radio() const { return false; }
};

class TSkinRadioButton : public TSkinCheckBox {
protected:
    bool Radio() const override { return true; }
};

} // namespace quellar
