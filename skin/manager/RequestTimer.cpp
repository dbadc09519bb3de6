#include "skin/manager/RequestTimer.h"

#include <algorithm>
#include <utility>

namespace quellar {

namespace {
constexpr const char* kTimerClass = "QuellarSkinTimer";
}

TRequestTimer::TRequestTimer(std::function<void()> elapsed) : elapsed_(std::move(elapsed)) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = SubclassChain::OwnClassProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kTimerClass;
    RegisterClassA(&wc); // fails harmlessly when a previous timer registered it
    window_ = CreateWindowExA(0, kTimerClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleA(nullptr), static_cast<TSubclassHandler*>(this));
}

TRequestTimer::~TRequestTimer() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

void TRequestTimer::Follow(bool enabled, int intervalMs) {
    if (window_ == nullptr) {
        return;
    }
    if (enabled) {
        running_ = SetTimer(window_, TimerId, static_cast<UINT>(std::max(1, intervalMs)), nullptr) != 0;
    } else if (running_) {
        KillTimer(window_, TimerId);
        running_ = false;
    }
}

bool TRequestTimer::OnMessage(HWND, UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_TIMER || wParam != TimerId) {
        return false;
    }
    elapsed_();
    result = 0;
    return true;
}

} // namespace quellar
