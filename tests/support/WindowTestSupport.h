#pragma once
// What tests of real windows share: handling the thread's messages for a while, registering a
// window class, running a step later from whatever message loop runs then, and reading the
// colour a window shows.
#include <windows.h>

#include <cstdint>

namespace quellar::test {

// Handles the thread's messages for ms milliseconds (0: those waiting now).
inline void Pump(int ms = 400) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    do {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(ms > 0 ? 10 : 0);
    } while (GetTickCount() < end);
}

// Registers a window class of this program for test windows; false when that fails (a class of
// that name registered before included).
inline bool RegisterWindowClass(const char* name, WNDPROC procedure = &DefWindowProcA, UINT style = 0,
                                HBRUSH background = nullptr) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = name;
    wc.style = style;
    wc.hbrBackground = background;
    return RegisterClassA(&wc) != 0;
}

namespace detail {
inline void (*afterAction)() = nullptr;
inline void CALLBACK AfterTimer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    if (void (*action)() = afterAction; action != nullptr) {
        afterAction = nullptr;
        action();
    }
}
} // namespace detail

// Runs action once, ms from now, from whatever message loop runs then (a menu's or a message
// box's included). A second call before the first has run replaces its action.
inline void After(UINT ms, void (*action)()) {
    detail::afterAction = action;
    SetTimer(nullptr, 0, ms, &detail::AfterTimer);
}

// The colour a window shows at a point of its window rectangle, as 0xRRGGBB.
inline std::uint32_t WindowPixel(HWND window, int x, int y) {
    HDC dc = GetWindowDC(window);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

// The GDI objects this process holds. Windows counts them (GetGuiResources); Wine answers 0
// there, so the live entries of its handle table are counted instead: a handle value that is
// just a table index (no uniqueness bits) names whatever object lives at that index.
inline unsigned long GdiObjectCount() {
    if (const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); counted != 0) {
        return counted;
    }
    unsigned long live = 0;
    for (std::uintptr_t index = 1; index < 0x10000; ++index) {
        live += GetObjectType(reinterpret_cast<HGDIOBJ>(index)) != 0 ? 1 : 0;
    }
    return live;
}

} // namespace quellar::test
