#pragma once
// TSkinControl: paints one control of a skinned window with the skin. It sits in front of the
// control's messages as one link: of a framework control's links (speed buttons, which have no
// window, the same way), of any other window's subclass chain. Each
// message goes through BeforeMessage (false: the control never sees it), then to the control,
// then through AfterMessage. The form object that made it owns it; a framework control tells it
// before the control goes, and from then on it touches nothing of the control.
#include "skin/controls/ControlHold.h"
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

// What a control skin is put in front of: a framework control (with a window or without, such as
// a speed button), or any window by its handle.
struct TSkinTarget {
    TControl* control = nullptr;
    HWND window = nullptr;  // when control is null
    bool colorFlag = false; // a windowed framework control wears the skin's ButtonFace while skinned

    static TSkinTarget Of(TControl& control, bool colorFlag = false) {
        return {&control, nullptr, colorFlag};
    }
    static TSkinTarget ByHandle(HWND window) { return {nullptr, window, false}; }
};

class TSkinControl : public TControlWatcher {
public:
    TSkinControl() = default;
    virtual ~TSkinControl();
    TSkinControl(const TSkinControl&) = delete;
    TSkinControl& operator=(const TSkinControl&) = delete;

    // Puts the skin in front of the target's messages (a class that only colours, in front of
    // none). No effect when already attached or the window is gone.
    virtual void Attach(TControlSkinSet& owner, TSkinData& skin, const TSkinTarget& target);
    // Lets go of the control: its link off, its watcher and buffering back (the colour goes back
    // with RestoreColor). `gone`: the control or its window is going, so nothing is written into
    // it and nothing of it is touched again.
    void Release(bool gone = false);
    // Puts the saved colour back (when the skin had changed it).
    virtual void RestoreColor();
    // The skin was replaced: colours again, and a repaint.
    virtual void SkinChanged();
    // Paints the skin on dc, or on the whole-window device context when dc is null.
    void Repaint(HDC dc = nullptr);

    // The control or window this skin is in front of.
    const TControlHold& Hold() const { return hold_; }
    int LifeState() const { return lifeState_; }
    bool Hot() const { return hot_; }
    // Shows the pressed look (a class whose control keeps the press itself answers from it).
    virtual bool Pressed() const { return pressed_; }
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
    // True for a class that only gives a framework control its colour (panels, group boxes): it
    // takes none of its messages. A window reached by its handle is skinned in full all the same.
    virtual bool ColourOnly() const { return false; }
    void SetLifeState(int state) { lifeState_ = state; }
    bool Attached() const { return attached_ && lifeState_ != slDestroyed; }

    // For a class that paints the whole control itself: WM_PAINT is painted here (on wParam's
    // DC or in a paint cycle of its own) and WM_ERASEBKGND answered as done; true when the
    // message was one of them (it is finished).
    bool OwnPaint(TMessage& message);
    // Enabled and focused as the window says now.
    void RefreshState();
    TControlState State() const { return {enabled_, pressed_, focused_, hot_}; }
    // The hot look on or off: the form's hot control becomes this one or loses it, and a repaint.
    virtual void SetHot(bool hot);
    // An enabled control's hot look follows the framework's CM_MOUSEENTER and CM_MOUSELEAVE;
    // true when the message was one of them.
    bool FollowHover(const TMessage& message);

    TSkinData& Skin() const { return *skin_; }
    TControlSkinSet& Owner() const { return *owner_; }

    bool hot_ = false;
    bool pressed_ = false;
    bool enabled_ = true;
    bool focused_ = false;
    std::string caption_;

private:
    void Dispatch(TMessage& message);
    // In front of a bare window's procedure: every message goes through Dispatch.
    bool WindowMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void ControlDestroying(TControl& control) override;

    // In front of a framework control's links, or of a bare window's chain.
    TLinkTo<TSkinControl, &TSkinControl::WindowMessage> link_{*this};
    TSkinData* skin_ = nullptr;
    TControlSkinSet* owner_ = nullptr;
    bool attached_ = false;
    int lifeState_ = slNew;

protected:
    // The control or window, what the skin changed in it, the way on to its own handling.
    TControlHold hold_{link_};
};

} // namespace quellar
