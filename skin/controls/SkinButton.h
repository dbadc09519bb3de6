#pragma once
// Push buttons wear the skin's "Buttons" face: normal, pressed, disabled and hot or focused
// frames, the caption in the frame's colour. The skin takes the mouse press itself, so the
// button's own pushed look never shows, and clicks when the button is released over it.
#include "skin/controls/SkinControl.h"

namespace quellar {

class TSkinButton : public TSkinControl {
public:
    // The frame the face shows now.
    int Frame() const;

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
    // How many frames the face strip holds.
    virtual int FaceFrames() const { return 5; }
    // The caption on the composed face.
    virtual void PaintCaption(HDC dc, const RECT& rect, int frame);
    void Click();
    void SetPressed(bool pressed);
    void SetHot(bool hot) override;
};

// Bit buttons: the face of the element's own frame count, the caption placed as a glyph
// button's caption would be.
class TSkinBitButton : public TSkinButton {
protected:
    int FaceFrames() const override;
    void PaintCaption(HDC dc, const RECT& rect, int frame) override;
};

} // namespace quellar
