#include "skin/model/SkinMessage.h"

#include <windows.h>

namespace quellar {

void DefaultSkinMessage(const std::string& text) {
    char title[MAX_PATH] = {};
    // The box is titled like the program's other messages: after the running module.
    const DWORD n = GetModuleFileNameA(nullptr, title, MAX_PATH);
    const char* name = title;
    for (DWORD i = 0; i < n; ++i) {
        if (title[i] == '\\' || title[i] == '/') {
            name = title + i + 1;
        }
    }
    MessageBoxA(GetActiveWindow(), text.c_str(), name, MB_OK | MB_ICONINFORMATION | MB_TASKMODAL);
}

} // namespace quellar
