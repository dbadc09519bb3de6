#pragma once
// Edits keep their own drawing inside; the skin redraws their border as a flat frame (button
// shadow outside, white inside) and skins the spin button an edit carries.
#include "skin/controls/SkinControl.h"

#include <memory>

namespace quellar {

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
public:
    TSkinEdit();
    ~TSkinEdit() override;

protected:
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;

private:
    void FindSpinButton();
    // The two frames; inner null draws the inner one with the device context's brush.
    void PaintFrames(HDC dc, HBRUSH inner);
    std::unique_ptr<TSkinUpDown> spin_;
    bool lookedForSpin_ = false;
};

} // namespace quellar
