#pragma once
// A control's caption as the skinned controls draw it: transparent background, centred
// vertically (and horizontally when centred), tabs expanded, in the button-shadow colour when
// the control is disabled. Windows only.
#include <windows.h>

#include <string>

namespace quellar {

// align is DT_LEFT, DT_CENTER or DT_RIGHT.
void DrawCaption(HDC dc, const RECT& rect, UINT align, bool enabled, const std::string& text);

} // namespace quellar
