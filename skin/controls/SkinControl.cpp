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
    if (TControl* control = target.control; control != nullptr) {
        hold_.TakeControl(*control, !colourOnly);
        control->SetWatcher(this);
        if (!colourOnly) {
            hold_.BufferControl();
            RefreshState();
            caption_ = hold_.Text();
        }
        if (target.colorFlag) {
            hold_.Colour(static_cast<TColor>(skin_->Model().Colours.ButtonFace));
        }
    } else {
        hold_.TakeWindow(target.window);
        enabled_ = true;
        caption_ = hold_.Text();
        hold_.LinkWindow();
        if (TWinControl* windowed = hold_.Control(); windowed != nullptr) {
            windowed->SetWatcher(this); // a framework control tells us before it goes
        }
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

void TSkinControl::Release(bool gone) {
    if (!gone) {
        if (!attached_) {
            return;
        }
        attached_ = false;
    }
    if (owner_ != nullptr) {
        owner_->DropHot(*this);
    }
    if (TControl* control = hold_.Framework(); control != nullptr) {
        if (control->Watcher() == this) {
            control->SetWatcher(nullptr);
        }
        if (!gone) {
            hold_.GiveBufferingBack();
        }
    }
    hold_.Unlink();
    if (gone) {
        lifeState_ = slDestroyed;
        hold_.Forget();
    }
}

void TSkinControl::ControlDestroying(TControl& control) {
    (void)control; // going: nothing is written into it any more, not even its colour
    Release(true);
}

void TSkinControl::RestoreColor() {
    if (lifeState_ != slDestroyed) {
        hold_.GiveColourBack();
    }
}

void TSkinControl::SkinChanged() {
    if (lifeState_ == slDestroyed) {
        return;
    }
    if (hold_.Coloured()) {
        hold_.Colour(static_cast<TColor>(skin_->Model().Colours.ButtonFace));
    }
    if (TGraphicControl* graphic = hold_.Graphic(); graphic != nullptr) {
        graphic->Invalidate();
    } else if (hold_.Handle() != nullptr) {
        RedrawWindow(hold_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
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
    hold_.PassOn(message);
    if (lifeState_ == slDestroyed) {
        return;
    }
    try {
        AfterMessage(message);
    } catch (...) {
    }
}

bool TSkinControl::BeforeMessage(TMessage& message) {
    if (message.Msg == WM_NCDESTROY) {
        hold_.PassOn(message);
        // A framework control outlives its window (it may make a new one): it keeps its own
        // colour and buffering.
        RestoreColor();
        hold_.GiveBufferingBack();
        hold_.WindowGone(); // the chain forgets the window after WM_NCDESTROY
        Release(true);
        return false;
    }
    return true;
}

void TSkinControl::AfterMessage(TMessage& message) {
    switch (message.Msg) {
    case WM_SETTEXT:
        caption_ = hold_.Text();
        [[fallthrough]];
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
    case CM_ENABLEDCHANGED:
        hold_.InvalidateWhole();
        break;
    case WM_COMMAND:
        // A window holding other skinned windows (a group box, a panel of another program)
        // passes their notifications on, as the form does for its own children.
        if (const auto from = reinterpret_cast<HWND>(message.LParam);
            from != nullptr && from != hold_.Handle() && owner_ != nullptr) {
            if (TSkinControl* child = owner_->SkinFor(from); child != nullptr) {
                child->ParentNotified(HIWORD(message.WParam));
            }
        }
        break;
    case WM_PAINT:
        // A double-buffered control has had the skin painted into its buffer already.
        if (message.WParam != 0 || !hold_.InControlLinks() || hold_.Control() == nullptr ||
            !hold_.Control()->DoubleBuffered()) {
            Repaint(reinterpret_cast<HDC>(message.WParam));
        }
        break;
    default:
        break;
    }
}

void TSkinControl::Repaint(HDC dc) {
    if (lifeState_ != slAttached) {
        return;
    }
    HDC target = dc;
    HWND window = hold_.Handle();
    const bool own = target == nullptr && window != nullptr;
    if (own) {
        target = GetWindowDC(window);
    }
    if (target == nullptr) {
        return;
    }
    try {
        PaintSkin(target, hold_.LocalRect());
    } catch (...) {
        // the control keeps its own look where the skin could not be drawn
    }
    if (own) {
        ReleaseDC(window, target);
    }
}

bool TSkinControl::OwnPaint(TMessage& message) {
    if (message.Msg == WM_PAINT) {
        HWND window = hold_.Handle();
        if (auto given = reinterpret_cast<HDC>(message.WParam); given != nullptr || window == nullptr) {
            Repaint(given);
            return true;
        }
        PAINTSTRUCT ps{};
        if (HDC dc = BeginPaint(window, &ps); dc != nullptr) {
            Repaint(dc);
        }
        EndPaint(window, &ps);
        return true;
    }
    if (message.Msg == WM_ERASEBKGND) {
        message.Result = 1;
        return true;
    }
    return false;
}

void TSkinControl::RefreshState() {
    if (TGraphicControl* graphic = hold_.Graphic(); graphic != nullptr) {
        enabled_ = graphic->Enabled();
        return;
    }
    HWND window = hold_.Handle();
    if (window == nullptr) {
        return;
    }
    enabled_ = (GetWindowLongPtrA(window, GWL_STYLE) & WS_DISABLED) == 0;
    focused_ = GetFocus() == window;
}

void TSkinControl::SetHot(bool hot) {
    hot_ = hot;
    if (hot) {
        owner_->MakeHot(*this); // the control that was hot before is told the mouse left it
    } else {
        owner_->DropHot(*this);
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
    if (TControl* control = hold_.Framework(); control != nullptr) {
        control->Perform(CM_MOUSELEAVE);
    } else if (hold_.Handle() != nullptr) {
        Dispatch(leave);
    }
}

} // namespace quellar
