#pragma once
// Watches a window's messages for as long as the object lives: every message is shown to the
// handler and then handed on to the window's previous procedure. Built on the shared subclass
// chain (ui/SubclassChain.h), so any number of hooks can sit on any number of windows, and the
// previous procedure is put back, or ours left forwarding, by the chain's one rule.
#include "ui/SubclassChain.h"

#include <windows.h>

#include <functional>
#include <utility>

namespace quellar {

class TWindowProcHook {
public:
    using Handler = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;

    // Installs the hook; Installed() is false when window is null or not a window.
    TWindowProcHook(HWND window, Handler handler);
    ~TWindowProcHook();
    TWindowProcHook(const TWindowProcHook&) = delete;
    TWindowProcHook& operator=(const TWindowProcHook&) = delete;

    // False as well once the window has been destroyed.
    bool Installed() const;
    HWND Window() const { return window_; }

private:
    class Observer : public TSubclassHandler {
    public:
        explicit Observer(Handler handler) : handler_(std::move(handler)) {}
        bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    private:
        Handler handler_;
    };

    HWND window_ = nullptr;
    Observer observer_;
};

} // namespace quellar
