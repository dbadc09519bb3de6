#include "ui/WinUtil.h"

#include <vector>

namespace quellar {

std::string HwndGetText(HWND hwnd) {
    const int length = GetWindowTextLengthA(hwnd);
    if (length <= 0) {
        return {};
    }
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1);
    const int got = GetWindowTextA(hwnd, buffer.data(), length + 1);
    return std::string(buffer.data(), got > 0 ? static_cast<std::size_t>(got) : 0);
}

std::string HwndClassName(HWND hwnd) {
    char name[256] = {};
    const int got = GetClassNameA(hwnd, name, sizeof(name));
    return std::string(name, got > 0 ? static_cast<std::size_t>(got) : 0);
}

RECT HwndClientRect(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return r;
}

RECT HwndRectInParent(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    HWND parent = GetParent(hwnd);
    if (parent != nullptr && (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD) != 0) {
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    }
    return r;
}

} // namespace quellar
