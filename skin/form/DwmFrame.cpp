#include "skin/form/DwmFrame.h"

#include <utility>

namespace quellar {

namespace {
using TDwmSetWindowAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);

// Looked up once: the library stays loaded for the process (systems before Vista have none).
TDwmSetWindowAttribute PlatformSetter() {
    static const TDwmSetWindowAttribute setter = []() -> TDwmSetWindowAttribute {
        HMODULE library = LoadLibraryA("dwmapi.dll");
        FARPROC found = library != nullptr ? GetProcAddress(library, "DwmSetWindowAttribute") : nullptr;
        // Through the generic function type, as the compiler asks for casts between function types.
        return reinterpret_cast<TDwmSetWindowAttribute>(reinterpret_cast<void (*)()>(found));
    }();
    return setter;
}

TDwmAttributeSetter& TestSetter() {
    static TDwmAttributeSetter setter;
    return setter;
}

void SetAttribute(HWND window, DWORD attribute, DWORD value) {
    if (window == nullptr) {
        return;
    }
    if (TestSetter()) {
        TestSetter()(window, attribute, value);
        return;
    }
    if (const TDwmSetWindowAttribute setter = PlatformSetter(); setter != nullptr) {
        // Both values are 32-bit integers (an enumeration each); the answer changes nothing:
        // without composition or on an older system the attribute is simply not there.
        setter(window, attribute, &value, sizeof(value));
    }
}
} // namespace

void DwmFrameOurs(HWND window, bool ours) {
    SetAttribute(window, DwmNcRenderingPolicy, ours ? DwmNcRenderingDisabled : DwmNcRenderingUseStyle);
}

void DwmSquareCorners(HWND window) {
    SetAttribute(window, DwmWindowCornerPreference, DwmCornersDoNotRound);
}

void SetDwmAttributeSetter(TDwmAttributeSetter setter) {
    TestSetter() = std::move(setter);
}

} // namespace quellar
