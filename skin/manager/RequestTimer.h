#pragma once
// TRequestTimer: the skin manager's delay timer, on a message-only window of its own. Each start
// restarts the delay; when it elapses the timer calls back and runs on until it is stopped.
#include "ui/SubclassChain.h"

#include <windows.h>

#include <functional>

namespace quellar {

class TRequestTimer : private TSubclassHandler {
public:
    explicit TRequestTimer(std::function<void()> elapsed);
    ~TRequestTimer() override;
    TRequestTimer(const TRequestTimer&) = delete;
    TRequestTimer& operator=(const TRequestTimer&) = delete;

    // Running with this delay (at least 1 ms) from now, or stopped.
    void Follow(bool enabled, int intervalMs);
    bool Running() const { return running_; }
    HWND Window() const { return window_; }

    static constexpr UINT_PTR TimerId = 1;

private:
    bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    std::function<void()> elapsed_;
    HWND window_ = nullptr;
    bool running_ = false;
};

} // namespace quellar
