// TCoolTrayIcon's message side: the hidden window's procedure and its mouse table, the popup
// menu, the notifications, and the application and owner window procedures that hide the main
// window on minimise and bring it back.
#include "tray/CoolTrayIcon.h"

#include "tray/WindowProcHook.h"

namespace quellar {

namespace {

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}

TTrayShift CurrentKeys() {
    TTrayShift keys = 0;
    if (GetKeyState(VK_SHIFT) < 0) {
        keys |= ssShift;
    }
    if (GetKeyState(VK_CONTROL) < 0) {
        keys |= ssCtrl;
    }
    if (GetKeyState(VK_MENU) < 0) {
        keys |= ssAlt;
    }
    return keys;
}

POINT CursorPosition() {
    POINT point{};
    GetCursorPos(&point);
    return point;
}

void ProcessWaitingMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam)); // left for the main loop
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

} // namespace

// ---- The hidden window --------------------------------------------------------------------

bool TCoolTrayIcon::TrayWindowProc(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == kTrayCallbackMessage) {
        if (enabled_) {
            RouteTrayMouse(LOWORD(lParam), CurrentKeys(), clickState_, *this);
        }
        result = 0;
        return true;
    }
    if (message == WM_QUERYENDSESSION) {
        result = 1; // the icon never stands in the way of logging off
        return true;
    }
    if (message == WM_TIMER && wParam == kCycleTimerId) {
        CycleTimerTick();
        result = 0;
        return true;
    }
    if (message == TaskbarCreatedMessage() && message != 0) {
        // The notification area was re-created (its process restarted): put the icon back.
        if (iconVisible_) {
            AddTrayIcon();
        }
        result = 0;
        return true;
    }
    return false;
}

void TCoolTrayIcon::TrayMouseMove(TTrayShift shift) {
    const POINT at = CursorPosition();
    DoMouseMove(shift, at.x, at.y);
}

void TCoolTrayIcon::TrayMouseDown(TTrayButton button, TTrayShift shift) {
    const POINT at = CursorPosition();
    DoMouseDown(button, shift, at.x, at.y);
}

void TCoolTrayIcon::TrayMouseUp(TTrayButton button, TTrayShift shift) {
    const POINT at = CursorPosition();
    DoMouseUp(button, shift, at.x, at.y);
}

void TCoolTrayIcon::TrayClick() {
    DoClick();
}

void TCoolTrayIcon::TrayDblClick() {
    DoDblClick();
}

void TCoolTrayIcon::TrayPopup() {
    PopupAtCursor();
}

void TCoolTrayIcon::TrayClickDefaultItem() {
    if (popupMenu_ == nullptr || !popupMenu_->AutoPopup()) {
        return;
    }
    const int count = popupMenu_->ItemCount();
    for (int i = 0; i < count; ++i) {
        if (popupMenu_->ItemIsDefault(i)) {
            popupMenu_->ClickItem(i);
            return;
        }
    }
}

// ---- Notifications ------------------------------------------------------------------------

void TCoolTrayIcon::DoClick() {
    if (OnClick) {
        OnClick(this);
    }
}

void TCoolTrayIcon::DoDblClick() {
    if (OnDblClick) {
        OnDblClick(this);
    }
}

void TCoolTrayIcon::DoCycle(int nextIndex) {
    if (OnCycle) {
        OnCycle(this, nextIndex);
    }
}

void TCoolTrayIcon::DoMouseDown(TTrayButton button, TTrayShift shift, int x, int y) {
    if (OnMouseDown) {
        OnMouseDown(this, button, shift, x, y);
    }
}

void TCoolTrayIcon::DoMouseUp(TTrayButton button, TTrayShift shift, int x, int y) {
    if (OnMouseUp) {
        OnMouseUp(this, button, shift, x, y);
    }
}

void TCoolTrayIcon::DoMouseMove(TTrayShift shift, int x, int y) {
    if (OnMouseMove) {
        OnMouseMove(this, shift, x, y);
    }
}

void TCoolTrayIcon::DoMinimizeToTray() {
    HideMainWindow();
    SetIconVisible(true);
}

// ---- Menu and main window -----------------------------------------------------------------

void TCoolTrayIcon::PopupAtCursor() {
    POINT at{};
    if (popupMenu_ == nullptr || !popupMenu_->AutoPopup() || !GetCursorPos(&at)) {
        return;
    }
    if (hooks_.processMessages) {
        hooks_.processMessages();
    } else {
        ProcessWaitingMessages();
    }
    // A handler that ran just now may have taken the menu away.
    if (popupMenu_ == nullptr) {
        return;
    }
    // Windows closes a notification-icon menu on a click elsewhere, and sends it the keys, only
    // when the window that tracks it is the foreground window. Right after a click on the
    // notification area our thread is in the background and nothing of ours has the focus, so
    // the owner is brought forward every time (Wine closes the menu either way).
    HWND menuOwner = popupMenu_->OwnerWindow();
    if (menuOwner == nullptr) {
        menuOwner = appWindow_ != nullptr ? appWindow_ : ownerWindow_;
    }
    if (menuOwner != nullptr) {
        if (hooks_.setForegroundWindow) {
            hooks_.setForegroundWindow(menuOwner);
        } else {
            SetForegroundWindow(menuOwner);
        }
    }
    popupMenu_->SetPopupComponent(this);
    popupMenu_->Popup(at.x, at.y);
    // The empty message makes the platform switch tasks properly once the menu is gone, so the
    // next click on the icon shows the menu again instead of only closing it.
    if (ownerWindow_ != nullptr) {
        if (hooks_.postEmptyMessage) {
            hooks_.postEmptyMessage(ownerWindow_);
        } else {
            PostMessageA(ownerWindow_, WM_NULL, 0, 0);
        }
    }
}

void TCoolTrayIcon::ShowMainWindow() {
    if (appWindow_ != nullptr) {
        ShowWindow(appWindow_, SW_RESTORE);
    }
    if (hooks_.setMainWindowVisible) {
        hooks_.setMainWindowVisible(true);
    } else if (ownerWindow_ != nullptr) {
        ShowWindow(ownerWindow_, IsIconic(ownerWindow_) ? SW_RESTORE : SW_SHOW);
    }
}

void TCoolTrayIcon::HideMainWindow() {
    if (hooks_.setMainWindowVisible) {
        hooks_.setMainWindowVisible(false);
    } else if (ownerWindow_ != nullptr) {
        ShowWindow(ownerWindow_, SW_HIDE);
    }
    if (appWindow_ != nullptr) {
        ShowWindow(appWindow_, SW_HIDE);
    }
}

// ---- The application and owner windows ----------------------------------------------------

void TCoolTrayIcon::SetApplicationWindow(HWND window) {
    UnhookAppWindow();
    appWindow_ = window;
    if (!DesignMode()) {
        HookAppWindow();
    }
}

void TCoolTrayIcon::SetOwnerWindow(HWND window) {
    UnhookOwnerWindow();
    ownerWindow_ = window;
    if (!DesignMode()) {
        HookOwnerWindow();
    }
}

void TCoolTrayIcon::HookAppWindow() {
    if (appWindow_ != nullptr) {
        appHook_ =
            std::make_unique<TWindowProcHook>(appWindow_, [this](UINT message, WPARAM wParam, LPARAM lParam) {
                AppWindowProc(message, wParam, lParam);
            });
    }
}

void TCoolTrayIcon::UnhookAppWindow() {
    appHook_.reset();
}

void TCoolTrayIcon::HookOwnerWindow() {
    if (ownerWindow_ != nullptr) {
        ownerHook_ = std::make_unique<TWindowProcHook>(
            ownerWindow_,
            [this](UINT message, WPARAM wParam, LPARAM lParam) { OwnerWindowProc(message, wParam, lParam); });
    }
}

void TCoolTrayIcon::UnhookOwnerWindow() {
    ownerHook_.reset();
}

void TCoolTrayIcon::AppWindowProc(UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_SIZE && wParam == SIZE_MINIMIZED && minimizeToTray_) {
        DoMinimizeToTray();
    }
}

void TCoolTrayIcon::OwnerWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SHOWWINDOW:
        // Shown by a ShowWindow call (lParam 0), not because a parent was shown.
        if (wParam != FALSE && lParam == 0) {
            if (appWindow_ != nullptr) {
                ShowWindow(appWindow_, SW_RESTORE);
                SetForegroundWindow(appWindow_);
            }
            SetForegroundWindow(ownerWindow_);
        }
        break;
    case WM_WINDOWPOSCHANGED: {
        HWND control = hooks_.focusedControl ? hooks_.focusedControl() : GetFocus();
        if (control != nullptr) {
            SetFocus(control);
        }
        break;
    }
    case WM_SIZE:
        // A framework that minimises the main window itself (rather than the application
        // window) still hides it to the notification area.
        if (wParam == SIZE_MINIMIZED && minimizeToTray_) {
            DoMinimizeToTray();
        }
        break;
    default:
        break;
    }
}

} // namespace quellar
