#pragma once
// Combo boxes: the control draws itself, then the skin draws the sunken edge round it and the
// drop-down button (left of the text for right-to-left windows) over the control's own, leaving
// the text alone.
#include "skin/controls/SkinControl.h"

namespace quellar {

class TSkinComBox : public TSkinControl {
public:
    ~TSkinComBox() override;
    int Frame() const;
    void ParentNotified(WORD code) override;

protected:
    bool BeforeMessage(TMessage& message) override;
    void AfterMessage(TMessage& message) override;
    void PaintSkin(HDC dc, const RECT& rect) override;
    void AfterAttach() override;

private:
    // The edit of a drop-down combo box reached by its handle: the mouse over it is over the
    // combo box too, so the hot look stays while the mouse goes from one to the other.
    bool EditMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void PaintBuffered();
    // The mouse moved over the combo box or its edit (`over`), or left one of them: the hot look
    // follows, and the window the mouse is on is asked to tell when it leaves.
    void MouseOver(HWND window, bool over);
    void ReleaseEdit();

    TLinkTo<TSkinComBox, &TSkinComBox::EditMessage> editWatch_{*this};
    HWND edit_ = nullptr;
};

} // namespace quellar
