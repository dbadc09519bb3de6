#pragma once
// Foreign scroll-bar windows (size boxes): the face colour framed in the button shadow.
#include "skin/controls/SkinControl.h"

namespace quellar {

class TSkinSizer : public TSkinControl {
protected:
    bool BeforeMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
};

} // namespace quellar
