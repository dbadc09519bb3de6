#pragma once
// The small window that shows a control's hint near the cursor after the mouse rests on it.
#include "ui/SubclassChain.h"

#include <windows.h>

#include <string>

namespace quellar {

class THintWindow {
public:
    THintWindow() = default;
    ~THintWindow();
    THintWindow(const THintWindow&) = delete;
    THintWindow& operator=(const THintWindow&) = delete;

    // Shows `text` with its top-left corner at the screen point (x, y).
    void ActivateHint(int x, int y, const std::string& text);
    void ReleaseHandle();
    bool Showing() const { return handle_ != nullptr && IsWindowVisible(handle_); }
    std::string Text() const { return text_; }
    HWND Handle() const { return handle_; }

private:
    // The hint window's link (its class procedure is the chain's): paints and lets the mouse through.
    bool HintMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
    TLinkTo<THintWindow, &THintWindow::HintMessage> link_{*this};
    HWND handle_ = nullptr;
    std::string text_;
};

} // namespace quellar
