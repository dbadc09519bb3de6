#pragma once
// The icon's hidden window: it receives the notification area's callback messages, the
// platform's broadcasts (log-off query, "taskbar created") and the cycle timer's ticks. It is a
// top-level window that is never shown, because a message-only window hears no broadcasts.
#include "ui/SubclassChain.h"

#include <windows.h>

#include <functional>

namespace quellar {

class TTrayMessageWindow {
public:
    // Every message after creation goes to the handler: true when it answered in `result`,
    // false leaves the message to the default procedure.
    using Handler = std::function<bool(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)>;

    explicit TTrayMessageWindow(Handler handler);
    ~TTrayMessageWindow();
    TTrayMessageWindow(const TTrayMessageWindow&) = delete;
    TTrayMessageWindow& operator=(const TTrayMessageWindow&) = delete;

    HWND Handle() const { return window_; }

    // A repeating timer delivered as WM_TIMER with this id; an interval of 0 means no ticks.
    void StartTimer(UINT_PTR id, unsigned milliseconds);
    void StopTimer(UINT_PTR id);

private:
    // The window's link (its class procedure is the chain's).
    bool Message(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    Handler handler_;
    TLinkTo<TTrayMessageWindow, &TTrayMessageWindow::Message> link_{*this};
    HWND window_ = nullptr;
};

} // namespace quellar
