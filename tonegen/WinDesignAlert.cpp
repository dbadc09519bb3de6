#include "tonegen/DesignAlert.h"

#include <windows.h>

namespace quellar {

void ShowDesignAlert(const std::string& text, const std::string& caption) {
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
}

} // namespace quellar
