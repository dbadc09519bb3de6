#pragma once
// TSkinControl: paints one control of a skinned window with the skin. It sits in front of the
// control's messages as one link: of a framework control's links (speed buttons, which have no
// window, the same way), of any other window's subclass chain. Each
// message goes through BeforeMessage (false: the control never sees it), then to the control,
// then through AfterMessage. The form object that made it owns it; a framework control tells it
// before the control goes, and from then on it touches nothing of the control.
#include "skin/controls/StateFrames.h"
#include "ui/Controls.h"
#include "ui/SubclassChain.h"

#include <windows.h>

#include <string>

namespace quellar {

class TSkinData;
class TControlSkinSet;

enum TSkinControlLife : int {
    slNew = 0,
    slAttached = 1,
    slDetached = 2,  // a box that gave its colour back
    slDestroyed = 6, // the control or its window is gone: the form frees the skin
};

class TSkinControl : public TControlWatcher {
public:
    TSkinControl() = default;
    virtual ~TSkinControl();
    TSkinControl(const TSkinControl&) = delete;
    TSkinControl& operator=(const TSkinControl&) = delete;

    // A framework control with a window; colorFlag gives it the skin's ButtonFace while skinned.
    virtual void AttachControl(TControlSkinSet& owner, TSkinData& skin, bool colorFlag, TWinControl& control);
    // A framework control without a window (speed buttons).
    virtual void AttachGraphic(TControlSkinSet& owner, TSkinData& skin, TGraphicControl& control);
    // Any window, by its handle.
    virtual void AttachHandle(TControlSkinSet& owner, TSkinData& skin, HWND window);
    // Lets go of the control: its message handler or procedure back, its colour back.
    void Detach();
    // Puts the saved colour back (when the skin had changed it).
    virtual void RestoreColor();
    // The skin was replaced: colours again, and a repaint.
    virtual void SkinChanged();
    // Paints the skin on dc, or on the whole-window device context when dc is null.
    void Repaint(HDC dc = nullptr);

    HWND Handle() const { return handle_; }
    TWinControl* Control() const { return control_; }
    TGraphicControl* GraphicControl() const { return graphic_; }
    int LifeState() const { return lifeState_; }
    bool Hot() const { return hot_; }
    bool Pressed() const { return pressed_; }
    // Mouse left without the control hearing of it (another skinned control became hot).
    void MouseLeft();
    // The control's parent heard a notification from it (WM_COMMAND's code): a window reached by
    // its handle is never told of its own notifications, the way framework controls are.
    virtual void ParentNotified(WORD code) { (void)code; }

protected:
    // Runs before the control's own handling; false finishes the message there.
    virtual bool BeforeMessage(TMessage& message);
    // Runs after the control's own handling.
    virtual void AfterMessage(TMessage& message);
    // The class's painter: rect is the control's rectangle with its top-left at (0, 0).
    virtual void PaintSkin(HDC dc, const RECT& rect) { (void)dc, (void)rect; }
    // Class set-up once attached (images, child windows).
    virtual void AfterAttach() {}
    // Only the colour of a framework control, no messages (panels and group boxes).
    void AttachColourOnly(TControlSkinSet& owner, TSkinData& skin, bool colorFlag, TWinControl& control);
    void SetLifeState(int state) { lifeState_ = state; }
    bool Attached() const { return attached_ && lifeState_ != slDestroyed; }

    // Hands the message to the control (its previous handler or procedure), result in message.
    void PassOn(TMessage& message);
    // A painter that owns WM_PAINT: paints on wParam's DC or in a paint cycle of its own.
    void PaintCycle(const TMessage& message);
    // For a class that paints the whole control itself: WM_PAINT is painted here and
    // WM_ERASEBKGND answered as done; true when the message was one of them (it is finished).
    bool OwnPaint(TMessage& message);
    // Repaints the whole window area at once (no erase), when the window has a parent.
    void InvalidateWhole();
    // Enabled and focused as the window says now.
    void RefreshState();
    std::string WindowText() const;
    TControlState State() const { return {enabled_, pressed_, focused_, hot_}; }
    // The form's hot button: this one becomes it (the previous one is told it lost the mouse).
    void BecomeHot();
    void DropHot();

    TSkinData& Skin() const { return *skin_; }
    TControlSkinSet& Owner() const { return *owner_; }
    // The control's rectangle in its parent's client coordinates (graphic controls) or the
    // window's size at (0, 0).
    RECT LocalRect() const;

    bool hot_ = false;
    bool pressed_ = false;
    bool enabled_ = true;
    bool focused_ = false;
    bool colorFlag_ = false;
    std::string caption_;

private:
    void Dispatch(TMessage& message);
    // In front of a bare window's procedure: every message goes through Dispatch.
    bool WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void ControlDestroying(TControl& control) override;
    // The control or its window is going: everything of it given back, nothing touched again.
    void LetGo();
    void LinkTo(TControl& control);
    void Unlink();
    void SaveColour(TWinControl& control);
    void Prepare(TControlSkinSet& owner, TSkinData& skin);

    TSkinData* skin_ = nullptr;
    TControlSkinSet* owner_ = nullptr;
    HWND handle_ = nullptr;
    TWinControl* control_ = nullptr;
    TGraphicControl* graphic_ = nullptr;
    // In front of a framework control's links, or of a bare window's chain (linked_).
    TLinkTo<TSkinControl, &TSkinControl::WindowMessage> link_{*this};
    TLinkSet* controlLinks_ = nullptr;
    bool linked_ = false;
    bool attached_ = false;
    int lifeState_ = slNew;
    TColor savedColor_ = 0;
    bool savedParentColor_ = false;
    bool savedDoubleBuffered_ = false;
    bool doubleBufferedSaved_ = false; // only AttachControl switches buffering on
    // Puts the control's own buffering back, if this skin changed it.
    void RestoreDoubleBuffered();
};

} // namespace quellar
