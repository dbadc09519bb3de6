#include "skin/controls/SkinControl.h"

#include "skin/controls/ControlSkinSet.h"
#include "skin/model/SkinDataPlatform.h"
#include "skin/model/WinSkinData.h"

namespace quellar {

TSkinControl::~TSkinControl() {
    Release();
}

void TSkinControl::Attach(TControlSkinSet& owner, TSkinData& skin, const TSkinTarget& target) {
    if (attached_ || (target.control == nullptr && !IsWindow(target.window))) {
        return;
    }
    owner_ = &owner;
    skin_ = &skin;
    const bool colourOnly = target.control != nullptr && ColourOnly();
    if (target.control != nullptr) {
        AttachToControl(*target.control, target.colorFlag, colourOnly);
    } else {
        AttachToWindow(target.window);
    }
    attached_ = true;
    lifeState_ = slAttached;
    if (colourOnly) {
        return;
    }
    AfterAttach();
    if (target.control != nullptr) {
        target.control->Invalidate();
    } else {
        InvalidateRect(target.window, nullptr, TRUE);
    }
}

void TSkinControl::AttachToControl(TControl& control, bool colorFlag, bool colourOnly) {
    auto* windowed = dynamic_cast<TWinControl*>(&control);
    control_ = windowed;
    graphic_ = dynamic_cast<TGraphicControl*>(&control);
    handle_ = windowed != nullptr ? windowed->Handle() : nullptr;
    colorFlag_ = windowed != nullptr && colorFlag;
    if (!colourOnly) {
        LinkTo(control);
    }
    control.SetWatcher(this);
    if (!colourOnly) {
        if (windowed != nullptr) {
            savedDoubleBuffered_ = windowed->DoubleBuffered();
            doubleBufferedSaved_ = true;
            windowed->SetDoubleBuffered(true);
        }
        RefreshState();
        caption_ = WindowText();
    }
    if (colorFlag_) {
        SaveColour(*windowed);
        windowed->SetColor(static_cast<TColor>(skin_->Model().Colours().ButtonFace));
    }
}

void TSkinControl::AttachToWindow(HWND window) {
    handle_ = window;
    enabled_ = true;
    caption_ = WindowText();
    linked_ = SubclassChain::Attach(window, &link_);
    if (TWinControl* control = TWinControl::FromHandle(window); control != nullptr) {
        control_ = control; // a framework control tells us before it goes
        control->SetWatcher(this);
    }
}

void TSkinControl::Release(bool gone) {
    if (!gone) {
        if (!attached_) {
            return;
        }
        attached_ = false;
    }
    if (owner_ != nullptr) {
        DropHot();
    }
    if (TControl* control = control_ != nullptr ? static_cast<TControl*>(control_) : graphic_;
        control != nullptr) {
        Unlink();
        if (control->Watcher() == this) {
            control->SetWatcher(nullptr);
        }
        if (!gone) {
            RestoreDoubleBuffered();
        }
    }
    // The chain puts the window's procedure back only while ours is still its procedure; a
    // window already destroyed has forgotten us (linked_ was cleared at its WM_NCDESTROY).
    if (linked_ && handle_ != nullptr) {
        SubclassChain::Detach(handle_, &link_);
    }
    linked_ = false;
    if (gone) {
        lifeState_ = slDestroyed;
        control_ = nullptr;
        graphic_ = nullptr;
        handle_ = nullptr;
    }
}

void TSkinControl::RestoreDoubleBuffered() {
    if (doubleBufferedSaved_ && control_ != nullptr) {
        control_->SetDoubleBuffered(savedDoubleBuffered_);
    }
    doubleBufferedSaved_ = false;
}

void TSkinControl::ControlDestroying(TControl& control) {
    (void)control; // going: nothing is written into it any more, not even its colour
    Release(true);
}

void TSkinControl::SaveColour(TWinControl& control) {
    savedColor_ = control.Color();
    savedParentColor_ = control.ParentColor();
}

void TSkinControl::RestoreColor() {
    if (colorFlag_ && control_ != nullptr && lifeState_ != slDestroyed) {
        if (savedParentColor_) {
            control_->SetParentColor(true); // follows its parent again, whatever that shows now
        } else {
            control_->SetColor(savedColor_);
        }
        colorFlag_ = false;
    }
}

void TSkinControl::SkinChanged() {
    if (lifeState_ == slDestroyed) {
        return;
    }
    if (colorFlag_ && control_ != nullptr) {
        control_->SetColor(static_cast<TColor>(skin_->Model().Colours().ButtonFace));
    }
    if (graphic_ != nullptr) {
        graphic_->Invalidate();
    } else if (handle_ != nullptr) {
        RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    }
}

bool TSkinControl::WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    (void)window;
    TMessage m{message, wParam, lParam, 0};
    Dispatch(m);
    result = m.Result;
    return true;
}

void TSkinControl::Dispatch(TMessage& message) {
    bool goOn = true;
    try {
        goOn = BeforeMessage(message);
    } catch (...) {
        goOn = true; // a painter's failure leaves the control working as it would unskinned
    }
    if (!goOn) {
        return;
    }
    PassOn(message);
    if (lifeState_ == slDestroyed) {
        return;
    }
    try {
        AfterMessage(message);
    } catch (...) {
    }
}

void TSkinControl::LinkTo(TControl& control) {
    if (control.Links().Attach(&link_)) {
        controlLinks_ = &control.Links();
    }
}

void TSkinControl::Unlink() {
    if (controlLinks_ != nullptr) {
        controlLinks_->Detach(&link_);
        controlLinks_ = nullptr;
    }
}

void TSkinControl::PassOn(TMessage& message) {
    if (controlLinks_ != nullptr) {
        message.Result = controlLinks_->CallNext(handle_, message.Msg, message.WParam, message.LParam);
    } else if (handle_ != nullptr) {
        message.Result = SubclassChain::CallNext(handle_, message.Msg, message.WParam, message.LParam);
    }
}

bool TSkinControl::BeforeMessage(TMessage& message) {
    if (message.Msg == WM_NCDESTROY) {
        PassOn(message);
        // A framework control outlives its window (it may make a new one): it keeps its own
        // colour and buffering.
        RestoreColor();
        RestoreDoubleBuffered();
        linked_ = false; // the chain forgets the window after WM_NCDESTROY
        Release(true);
        return false;
    }
    return true;
}

void TSkinControl::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_SETTEXT:
        caption_ = WindowText();
        [[fallthrough]];
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
        InvalidateWhole();
        break;
    case WM_COMMAND:
        // A window holding other skinned windows (a group box, a panel of another program)
        // passes their notifications on, as the form does for its own children.
        if (const auto from = reinterpret_cast<HWND>(message.LParam);
            from != nullptr && from != handle_ && owner_ != nullptr) {
            if (TSkinControl* child = owner_->SkinFor(from); child != nullptr) {
                child->ParentNotified(HIWORD(message.WParam));
            }
        }
        break;
    case WM_PAINT:
        // A double-buffered control has had the skin painted into its buffer already.
        if (message.WParam != 0 || controlLinks_ == nullptr || control_ == nullptr ||
            !control_->DoubleBuffered()) {
            Repaint(reinterpret_cast<HDC>(message.WParam));
        }
        break;
    default:
        break;
    }
}

void TSkinControl::InvalidateWhole() {
    if (graphic_ != nullptr) {
        graphic_->Invalidate();
        return;
    }
    if (handle_ != nullptr && GetParent(handle_) != nullptr) {
        RECT r = LocalRect();
        InvalidateRect(handle_, &r, FALSE);
        UpdateWindow(handle_);
    }
}

RECT TSkinControl::LocalRect() const {
    if (graphic_ != nullptr) {
        return RECT{0, 0, graphic_->Width(), graphic_->Height()};
    }
    RECT r{};
    if (handle_ != nullptr) {
        GetWindowRect(handle_, &r);
        OffsetRect(&r, -r.left, -r.top);
    }
    return r;
}

void TSkinControl::Repaint(HDC dc) {
    if (lifeState_ != slAttached) {
        return;
    }
    HDC target = dc;
    const bool own = target == nullptr && handle_ != nullptr;
    if (own) {
        target = GetWindowDC(handle_);
    }
    if (target == nullptr) {
        return;
    }
    try {
        PaintSkin(target, LocalRect());
    } catch (...) {
        // the control keeps its own look where the skin could not be drawn
    }
    if (own) {
        ReleaseDC(handle_, target);
    }
}

void TSkinControl::PaintCycle(const TMessage& message) {
    if (auto given = reinterpret_cast<HDC>(message.WParam); given != nullptr || handle_ == nullptr) {
        Repaint(given);
        return;
    }
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(handle_, &ps);
    if (dc != nullptr) {
        Repaint(dc);
    }
    EndPaint(handle_, &ps);
}

bool TSkinControl::OwnPaint(TMessage& message) {
    if (message.Msg == WM_PAINT) {
        PaintCycle(message);
        return true;
    }
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return true;
    }
    return false;
}

void TSkinControl::RefreshState() {
    if (graphic_ != nullptr) {
        enabled_ = graphic_->Enabled();
        return;
    }
    if (handle_ == nullptr) {
        return;
    }
    enabled_ = (GetWindowLongPtrA(handle_, GWL_STYLE) & WS_DISABLED) == 0;
    focused_ = GetFocus() == handle_;
}

std::string TSkinControl::WindowText() const {
    if (graphic_ != nullptr) {
        return graphic_->Caption();
    }
    if (handle_ == nullptr) {
        return {};
    }
    char text[512] = {};
    GetWindowTextA(handle_, text, sizeof(text));
    return text;
}

void TSkinControl::BecomeHot() {
    TSkinControl* previous = owner_->Hot();
    if (previous == this) {
        return;
    }
    if (previous != nullptr) {
        previous->MouseLeft();
    }
    owner_->SetHot(this);
}

void TSkinControl::DropHot() {
    if (owner_->Hot() == this) {
        owner_->SetHot(nullptr);
    }
}

void TSkinControl::SetHot(bool hot) {
    hot_ = hot;
    if (hot) {
        BecomeHot(); // the control that was hot before is told the mouse left it
    } else {
        DropHot();
    }
    Repaint();
}

bool TSkinControl::FollowHover(const TMessage& message) {
    if (message.Msg != CM_MOUSEENTER && message.Msg != CM_MOUSELEAVE) {
        return false;
    }
    if (enabled_) {
        SetHot(message.Msg == CM_MOUSEENTER);
    }
    return true;
}

void TSkinControl::MouseLeft() {
    TMessage leave{CM_MOUSELEAVE, 0, 0, 0};
    if (control_ != nullptr || graphic_ != nullptr) {
        (graphic_ != nullptr ? static_cast<TControl*>(graphic_) : control_)->Perform(CM_MOUSELEAVE);
    } else if (handle_ != nullptr) {
        Dispatch(leave);
    }
}

} // namespace quellar
