#pragma once
// Track bars: the control draws its channel and tick marks, the skin draws the thumb (frame 2 of
// the thumb strip, or a plain outline when the skin has none) through the control's custom-draw
// notifications.
#include "skin/controls/SkinControl.h"

namespace quellar {

class TSkinTrackBar : public TSkinControl {
protected:
    bool BeforeMessage(TMessage& message) override;

private:
    // The answer to one custom-draw notification.
    LRESULT CustomDraw(LPARAM lParam);
    void PaintThumb(HDC dc, const RECT& thumb);
};

} // namespace quellar
