#include "tray/TrayMessageWindow.h"

#include "ui/ExceptionBoundary.h"

#include <utility>

namespace quellar {

namespace {
constexpr char kClassName[] = "QuellarTrayWindow";

bool RegisterOnce(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kClassName;
        return RegisterClassA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}
} // namespace

TTrayMessageWindow::TTrayMessageWindow(Handler handler) : handler_(std::move(handler)) {
    if (!RegisterOnce(&Procedure)) {
        return;
    }
    window_ = CreateWindowExA(0, kClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleA(nullptr), this);
}

TTrayMessageWindow::~TTrayMessageWindow() {
    if (window_ != nullptr) {
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_); // also ends its timers
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

LRESULT CALLBACK TTrayMessageWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<TTrayMessageWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (self == nullptr || self->window_ != window || !self->handler_) {
        return DefWindowProcA(window, message, wParam, lParam);
    }
    return Guarded([&] { return self->handler_(message, wParam, lParam); },
                   [&] { return DefWindowProcA(window, message, wParam, lParam); });
}

} // namespace quellar
