#pragma once
// TControlHold: a control skin's hold on what it skins: the framework control (with a window or
// without) or the bare window, the skin's link in front of its messages, and what the skin
// changed in it (its colour, its buffering), kept to be given back.
#include "ui/Controls.h"
#include "ui/SubclassChain.h"

#include <windows.h>

#include <string>

namespace quellar {

class TControlHold {
public:
    explicit TControlHold(TSubclassHandler& link) : link_(link) {}
    TControlHold(const TControlHold&) = delete;
    TControlHold& operator=(const TControlHold&) = delete;

    // Holds a framework control; with linkIn, the link goes in front of its messages.
    void TakeControl(TControl& control, bool linkIn);
    // Holds a window by its handle, and the framework control of that window if there is one.
    void TakeWindow(HWND window);
    // The link goes into the held window's subclass chain.
    void LinkWindow();
    // A windowed control is drawn double-buffered while held (the setting it had is kept).
    void BufferControl();
    void GiveBufferingBack();
    // A windowed control wears colour (the first call keeps the colour it had).
    void Colour(TColor colour);
    bool Coloured() const { return coloured_; }
    void GiveColourBack();
    // The link out of the control's links and the window's chain.
    void Unlink();
    // The window was destroyed: its chain has forgotten the link.
    void WindowGone() { linked_ = false; }
    // Nothing of the control is touched again.
    void Forget();

    // Hands the message on to the control (the next link or its procedure), result in message.
    void PassOn(TMessage& message) const;
    HWND Handle() const { return handle_; }
    TWinControl* Control() const { return control_; }
    TGraphicControl* Graphic() const { return graphic_; }
    // The framework control, windowed or not; null for a bare window.
    TControl* Framework() const { return control_ != nullptr ? static_cast<TControl*>(control_) : graphic_; }
    // True when the link sits in the framework control's links rather than the window's chain.
    bool InControlLinks() const { return controlLinks_ != nullptr; }

    // The control's rectangle in its parent's client coordinates (graphic controls) or the
    // window's size at (0, 0).
    RECT LocalRect() const;
    std::string Text() const;
    // Repaints the whole window area at once (no erase), when the window has a parent.
    void InvalidateWhole() const;

private:
    TSubclassHandler& link_;
    HWND handle_ = nullptr;
    TWinControl* control_ = nullptr;
    TGraphicControl* graphic_ = nullptr;
    TLinkSet* controlLinks_ = nullptr;
    bool linked_ = false; // in the window's chain
    bool coloured_ = false;
    TColor savedColour_ = 0;
    bool savedParentColour_ = false;
    bool bufferingSaved_ = false;
    bool savedBuffering_ = false;
};

} // namespace quellar
