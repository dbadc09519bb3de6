#include "skin/painter/DrawCaption.h"

#include "skin/painter/PaintGeometry.h"

namespace quellar {

void DrawCaption(HDC dc, const RECT& rect, UINT align, bool enabled, const std::string& text) {
    RECT measured = rect;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &measured,
              DT_CALCRECT | DT_EXPANDTABS | DT_NOCLIP);
    const TSkinRect placed =
        PlaceCaption({rect.left, rect.top, rect.right, rect.bottom}, measured.right - measured.left,
                     measured.bottom - measured.top, (align & DT_CENTER) != 0);
    RECT target{placed.left, placed.top, placed.right, placed.bottom};
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColour = enabled ? GetTextColor(dc) : SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &target, align | DT_EXPANDTABS | DT_NOCLIP);
    if (!enabled) {
        SetTextColor(dc, oldColour);
    }
    SetBkMode(dc, oldMode);
}

} // namespace quellar
