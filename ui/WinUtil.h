#pragma once
// Stateless helpers over a raw window handle, named noun first.
#include <windows.h>

#include <string>

namespace quellar {

std::string HwndGetText(HWND hwnd);
void HwndSetText(HWND hwnd, const std::string& text);
std::string HwndClassName(HWND hwnd);
RECT HwndClientRect(HWND hwnd);
// The window rectangle in the coordinates of the window's parent (screen for a top-level one).
RECT HwndRectInParent(HWND hwnd);
// Depth-first search among the descendants of `parent` for a window of that class and text.
HWND HwndFindChild(HWND parent, const std::string& className, const std::string& text);

} // namespace quellar
