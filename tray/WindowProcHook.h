#pragma once
// Replaces a window's message procedure for as long as the object lives. Every message is
// first shown to the handler and then handed to the procedure that was there before, in one
// place (Forward in the .cpp). On destruction the previous procedure is put back when ours is
// still the window's; when someone has replaced it after us, ours stays in their chain and only
// forwards from then on, so neither chain is broken.
//
// Procedures are a fixed pool of distinct functions (no executable thunks), so a window can be
// hooked more than once and each hook knows which one it is.
#include <windows.h>

#include <functional>

namespace quellar {

class TWindowProcHook {
public:
    using Handler = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;

    // Installs the hook; Installed() is false when window is null or not a window, or when
    // every procedure of the pool is in use.
    TWindowProcHook(HWND window, Handler handler);
    ~TWindowProcHook();
    TWindowProcHook(const TWindowProcHook&) = delete;
    TWindowProcHook& operator=(const TWindowProcHook&) = delete;

    bool Installed() const;
    HWND Window() const { return window_; }

    // How many procedures of the pool are free (for tests).
    static int FreeSlots();

private:
    HWND window_ = nullptr;
    int slot_ = -1;
    unsigned generation_ = 0;
};

} // namespace quellar
