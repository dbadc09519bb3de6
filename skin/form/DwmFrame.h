#pragma once
// What the desktop window manager is told about our skinned windows: that we paint a window's
// frame ourselves while it wears the skin (and that it paints it again afterwards), and that the
// skinned popup-menu windows keep square corners, so the skin's ring is not cut off by the
// rounding of newer systems. The window manager's library is found at run time: where it is
// missing nothing is told and the program runs all the same.
#include <windows.h>

#include <functional>

namespace quellar {

// The window attributes and values we set (the window manager's own numbers).
inline constexpr DWORD DwmNcRenderingPolicy = 2;       // attribute: who renders the frame
inline constexpr DWORD DwmNcRenderingUseStyle = 0;     // value: as the window's style says
inline constexpr DWORD DwmNcRenderingDisabled = 1;     // value: the window paints it itself
inline constexpr DWORD DwmWindowCornerPreference = 33; // attribute: rounded corners or not
inline constexpr DWORD DwmCornersDoNotRound = 1;       // value: square corners

// Our frame (true, at attach) or the platform's again (false, at detach).
void DwmFrameOurs(HWND window, bool ours);
// A skinned popup-menu window: square corners.
void DwmSquareCorners(HWND window);

// Replaces the platform call for tests (window, attribute, value); an empty one puts it back.
using TDwmAttributeSetter = std::function<void(HWND window, DWORD attribute, DWORD value)>;
void SetDwmAttributeSetter(TDwmAttributeSetter setter);

} // namespace quellar
