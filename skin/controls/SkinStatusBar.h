#pragma once
// Status bars: every panel framed by its frame of the "StatusBarEdges" strip (lowered, raised,
// none), or by a thin 3D edge in the skin's shadow and highlight colours when the strip has no
// picture, the text in the element's colour (the bar's font colour without one), the last
// panel reaching the bar's right end; the whole bar composed off screen and copied at once.
#include "skin/controls/SkinControl.h"

namespace quellar {

// A panel's bevel as the strip numbers its frames.
enum TPanelEdge : int { peLowered = 1, peRaised = 2, peNone = 3 };

class TSkinStatusBar : public TSkinControl {
protected:
    bool BeforeMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;

private:
    COLORREF TextColour() const;
};

} // namespace quellar
