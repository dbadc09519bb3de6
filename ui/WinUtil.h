#pragma once
// Stateless helpers over a raw window handle, named noun first.
#include <windows.h>

#include <string>

namespace quellar {

std::string HwndGetText(HWND hwnd);
std::string HwndClassName(HWND hwnd);
RECT HwndClientRect(HWND hwnd);
// The window rectangle in the coordinates of the window's parent (screen for a top-level one).
RECT HwndRectInParent(HWND hwnd);

} // namespace quellar
