#pragma once
// TFormMessages: the message handling of one skinned window (FormMessages.cpp for the frame's
// bookkeeping, painting and hit testing; FrameMouse.cpp for the mouse on the frame and the
// window's commands). It works on its window object's painter, buttons, bar and fit, as that
// object's friend.
#include <windows.h>

namespace quellar {

class TWinSkinForm;

class TFormMessages {
public:
    explicit TFormMessages(TWinSkinForm& window) : win_(window) {}
    TFormMessages(const TFormMessages&) = delete;
    TFormMessages& operator=(const TFormMessages&) = delete;

    // True when the message is consumed (`result` is the window's answer).
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

private:
    bool HandleAlways(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool HandleFrame(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool HandleNonClient(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool HandleMouse(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    bool HandleCommand(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT Previous(UINT message, WPARAM wParam, LPARAM lParam);
    // The previous procedure with the window's WS_VISIBLE bit cleared for the call.
    LRESULT PreviousUnseen(UINT message, WPARAM wParam, LPARAM lParam);
    void Sized(WPARAM wParam);
    void SkinAttachedArrived();

    TWinSkinForm& win_;
};

} // namespace quellar
