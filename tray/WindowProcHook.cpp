#include "tray/WindowProcHook.h"

#include <utility>

namespace quellar {

bool TWindowProcHook::Observer::OnMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
    // A copy: the handler may destroy the hook, and this object with it.
    const Handler handler = handler_;
    if (handler) {
        handler(message, wParam, lParam);
    }
    return false; // the hook only watches; the previous procedure answers
}

TWindowProcHook::TWindowProcHook(HWND window, Handler handler) : observer_(std::move(handler)) {
    if (SubclassChain::Attach(window, &observer_)) {
        window_ = window;
    }
}

TWindowProcHook::~TWindowProcHook() {
    SubclassChain::Detach(window_, &observer_);
}

bool TWindowProcHook::Installed() const {
    return window_ != nullptr && SubclassChain::IsAttached(window_, &observer_);
}

} // namespace quellar
