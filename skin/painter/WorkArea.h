#pragma once
// The work area (the screen without the taskbar and docked bars) of the monitor a window is on,
// which bounds every size a skin asks for a window.
#include "skin/painter/PaintGeometry.h"

#include <windows.h>

namespace quellar {

// The nearest monitor's work area for a window (the primary monitor's for none), in screen
// coordinates.
TSkinRect WorkAreaOf(HWND window);

} // namespace quellar
