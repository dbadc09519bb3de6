#pragma once
// Modal message boxes, behind one seam: a test installs a handler that answers (and records)
// every box the program shows instead of the platform's modal box.
#include <windows.h>

#include <functional>
#include <string>

namespace quellar {

using TMessageBoxHandler =
    std::function<int(HWND owner, const std::string& text, const std::string& caption, unsigned flags)>;

// Installs the handler; an empty one puts the platform's MessageBoxA back.
void SetMessageBoxHandler(TMessageBoxHandler handler);
// Shows a modal message box (MB_* flags) and returns the button that closed it.
int ShowMessageBox(HWND owner, const std::string& text, const std::string& caption, unsigned flags);

} // namespace quellar
