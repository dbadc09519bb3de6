#include "tray/TrayMessageWindow.h"

#include "ui/ExceptionBoundary.h"

#include <utility>

namespace quellar {

namespace {
constexpr char kClassName[] = "QuellarTrayWindow";

bool RegisterOnce() {
    static const bool registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = SubclassChain::OwnClassProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClassName;
        return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}
} // namespace

TTrayMessageWindow::TTrayMessageWindow(Handler handler) : handler_(std::move(handler)) {
    if (!RegisterOnce()) {
        return;
    }
    window_ = CreateWindowExA(0, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleA(nullptr), &link_);
}

TTrayMessageWindow::~TTrayMessageWindow() {
    if (window_ != nullptr) {
        SubclassChain::Detach(window_, &link_); // its last messages go to the default procedure
        DestroyWindow(window_);                 // also ends its timers
    }
}

void TTrayMessageWindow::StartTimer(UINT_PTR id, unsigned milliseconds) {
    if (window_ == nullptr) {
        return;
    }
    if (milliseconds == 0) {
        KillTimer(window_, id);
        return;
    }
    SetTimer(window_, id, milliseconds, nullptr);
}

void TTrayMessageWindow::StopTimer(UINT_PTR id) {
    if (window_ != nullptr) {
        KillTimer(window_, id);
    }
}

bool TTrayMessageWindow::Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    // Messages of the creation itself (before CreateWindowExA returns) go to the default.
    if (window_ != window || !handler_) {
        return false;
    }
    // A failure leaves this one message to the default procedure; the window keeps its link.
    return Guarded([&] { return handler_(message, wParam, lParam, result); }, [] { return false; });
}

} // namespace quellar
