#pragma once
// TWinSkinForm: wears the skin on one top-level window (a form of ours or a foreign dialog such
// as a message box). It keeps the window's life: once attached it sits in the window's subclass
// chain, takes away the window's own caption styles, declares a frame as wide as the skin's
// borders and keeps the client area the size it was; on detaching it gives everything back. It
// follows activation and the window state, and its message handling (TFormMessages) dispatches
// the window's messages to its parts, each reaching the window through a small
// interface that the frame fit answers:
//   - the frame fit (TFrameFit): the window's facts (TWindowFacts), its caption styles and its
//     size around the skin's frame;
//   - the frame painter (TFramePainter): the frame, its buffers, title box, icon and region;
//   - the caption buttons (TCaptionButtons): their layout, hover timer, actions, system menu;
//   - the menu bar owner (TMenuBarOwner): the bar, the form-level hook, the shown menu;
//   - the MDI link (TMdiLink): the MDI client of a frame, its pending child;
//   - the control skins (TControlSkinSet).
// The skin manager creates, attaches, re-applies and frees these objects.
#include "skin/controls/ControlSkinSet.h"
#include "skin/form/CaptionButtons.h"
#include "skin/form/FormMessages.h"
#include "skin/form/FrameFit.h"
#include "skin/form/FrameGeometry.h"
#include "skin/form/FramePainter.h"
#include "skin/form/MdiLink.h"
#include "skin/form/MenuBarOwner.h"
#include "skin/form/NCObject.h"
#include "ui/Controls.h"
#include "ui/SubclassChain.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace quellar {

class TSkinData;
class TCustomForm;
class TSkinControl;
class TGraphicControl;
class TWinSkinMenu;

class TWinSkinForm : public TSubclassHandler, public TNCHost, private TControlWatcher {
public:
    // form is our own form object of the window, or null for a foreign window.
    TWinSkinForm(HWND window, TSkinData& skin, TCustomForm* form);
    ~TWinSkinForm() override;
    TWinSkinForm(const TWinSkinForm&) = delete;
    TWinSkinForm& operator=(const TWinSkinForm&) = delete;

    // Takes the window over (once): styles, frame sizes, caption buttons, subclass.
    void Attach();
    // Everything back as it was: procedure, styles, size, region, colour.
    void DetachAndRestore();
    // Only the procedure back (the window is going, or the program ends).
    void DetachAtExit();
    // Frame sizes and caption buttons from the skin.
    void BuildLayout();
    // After the skin changed: new sizes, frame, region and colours.
    void ReapplySkin();

    void PaintFrame(HDC dc = nullptr);
    void UpdateRegion();

    HWND Window() const { return window_; }
    TSkinData& Skin() const { return *skin_; }
    TCustomForm* Form() const { return form_; }
    int LifeState() const { return facts_.lifeState; }
    void SetLifeState(int state) { facts_.lifeState = state; }
    // The skin this object wears is going: everything of the window back as it was.
    bool Wears(const TSkinData& skin) const { return skin_ == &skin; }
    // Whether a skinned MDI frame shows a maximised child changed: a frame repaints its bar (it
    // shows the child's buttons, or no longer does); a maximised child shows the platform's
    // frame, a restored one ours again.
    void FollowMdiMaximized(bool maximized);

    bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void PaintItem(TNCObject& item) override { painter_.PaintItem(item, menuBar_.MenuBar()); }

    // What the window object is made of.
    TFrameFit& Fit() { return fit_; }
    TFramePainter& Painter() { return painter_; }
    TCaptionButtons& Buttons() { return buttons_; }
    // The menu bar, and what the menu code sees of the window.
    TMenuBarOwner& Menus() { return menuBar_; }
    TControlSkinSet& Controls() { return controls_; }

private:
    friend class TFormMessages;

    // What both ways of detaching share: control skins, watcher, popup menus and MDI client given
    // back; then the menu bar.
    void ReleaseParts();
    void ReleaseMenuBar();
    // Our form is being torn down (its window is still there): let go of both now, while the
    // form's menu and components can still be asked.
    void ControlDestroying(TControl& control) override;
    void GiveFrameBackToDwm();
    // The region cut anew whatever the window's size.
    void RebuildRegion();

    HWND window_;
    TSkinData* skin_;
    TCustomForm* form_;
    bool attached_ = false;
    std::uint32_t formColour_ = 0;
    bool dwmFrameOurs_ = false; // the window manager was told we paint the frame
    bool formGoing_ = false;    // our form is in its destructor
    TFrameFit fit_{window_, *skin_, painter_, menuBar_, mdiLink_};
    TWindowFacts& facts_ = fit_.Facts();
    TFramePainter painter_{fit_};
    TCaptionButtons buttons_{fit_, *this};
    TMenuBarOwner menuBar_{window_, *skin_, form_, buttons_, *this};
    TMdiLink mdiLink_{fit_};
    TControlSkinSet controls_{window_, *skin_, form_};
    TFormMessages messages_{*this};
};

} // namespace quellar
