#include "skin/controls/ControlHold.h"

namespace quellar {

void TControlHold::TakeControl(TControl& control, bool linkIn) {
    control_ = dynamic_cast<TWinControl*>(&control);
    graphic_ = dynamic_cast<TGraphicControl*>(&control);
    handle_ = control_ != nullptr ? control_->Handle() : nullptr;
    if (linkIn && control.Links().Attach(&link_)) {
        controlLinks_ = &control.Links();
    }
}

void TControlHold::TakeWindow(HWND window) {
    handle_ = window;
    control_ = TWinControl::FromHandle(window);
}

void TControlHold::LinkWindow() {
    linked_ = SubclassChain::Attach(handle_, &link_);
}

void TControlHold::BufferControl() {
    if (control_ != nullptr) {
        savedBuffering_ = control_->DoubleBuffered();
        bufferingSaved_ = true;
        control_->SetDoubleBuffered(true);
    }
}

void TControlHold::GiveBufferingBack() {
    if (bufferingSaved_ && control_ != nullptr) {
        control_->SetDoubleBuffered(savedBuffering_);
    }
    bufferingSaved_ = false;
}

void TControlHold::Colour(TColor colour) {
    if (control_ == nullptr) {
        return;
    }
    if (!coloured_) {
        savedColour_ = control_->Color();
        savedParentColour_ = control_->ParentColor();
        coloured_ = true;
    }
    control_->SetColor(colour);
}

void TControlHold::GiveColourBack() {
    if (coloured_ && control_ != nullptr) {
        if (savedParentColour_) {
            control_->SetParentColor(true); // follows its parent again, whatever that shows now
        } else {
            control_->SetColor(savedColour_);
        }
    }
    coloured_ = false;
}

void TControlHold::Unlink() {
    if (controlLinks_ != nullptr) {
        controlLinks_->Detach(&link_);
        controlLinks_ = nullptr;
    }
    // The chain puts the window's procedure back only while ours is still its procedure; a
    // window already destroyed has forgotten us (linked_ was cleared at its WM_NCDESTROY).
    if (linked_ && handle_ != nullptr) {
        SubclassChain::Detach(handle_, &link_);
    }
    linked_ = false;
}

void TControlHold::Forget() {
    control_ = nullptr;
    graphic_ = nullptr;
    handle_ = nullptr;
    coloured_ = false;
    bufferingSaved_ = false;
}

void TControlHold::PassOn(TMessage& message) const {
    if (controlLinks_ != nullptr) {
        message.Result = controlLinks_->CallNext(handle_, message.Msg, message.WParam, message.LParam);
    } else if (handle_ != nullptr) {
        message.Result = SubclassChain::CallNext(handle_, message.Msg, message.WParam, message.LParam);
    }
}

RECT TControlHold::LocalRect() const {
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

std::string TControlHold::Text() const {
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

void TControlHold::InvalidateWhole() const {
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

} // namespace quellar
