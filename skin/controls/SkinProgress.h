#pragma once
// Progress bars: the "Progress" element's empty frame over the whole bar and its full frame
// over the filled length, or, for a skin in chunk style, the chunk picture repeated.
#include "skin/controls/SkinControl.h"

namespace quellar {

class TSkinProgress : public TSkinControl {
protected:
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
};

} // namespace quellar
