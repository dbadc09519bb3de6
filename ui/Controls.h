#pragma once
// The control tree: TControl (anything with a place in a window), TGraphicControl (no window of
// its own; its parent paints it and hands it the mouse) and TWinControl (a real window).
//
// Every message a control is given, by its window or by Perform, goes first through the control's
// links (Links(): a control skin sits there, windowless controls alike) and then to WindowProc,
// the control's own handling. TWinControl is the one place that hands what a control does not
// consume on along its window's chain (DefaultHandler).
#include "ui/Component.h"
#include "ui/Graphics.h"
#include "ui/Messages.h"

#include "ui/SubclassChain.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace quellar {

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

using TWndMethod = std::function<void(TMessage&)>;
using TNotifyEvent = std::function<void(TComponent* sender)>;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// True when `caption` marks `ch` as its accelerator with an ampersand ("E&xit" and 'x' or 'X').
bool IsAccel(unsigned ch, const std::string& caption);

class TWinControl;
class TControl;

// Something attached to a control from outside (a control skin) that must let go of it before
// the control is torn down: told once, first thing in the control's destruction.
class TControlWatcher {
public:
    virtual void ControlDestroying(TControl& control) = 0;

protected:
    ~TControlWatcher() = default;
};

class TControl : public TComponent {
    QUELLAR_COMPONENT_CLASS(TControl, TComponent)
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    RECT BoundsRect() const { return RECT{left_, top_, left_ + width_, top_ + height_}; }
    virtual void SetBounds(int left, int top, int width, int height);
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);

    // The caption of buttons, labels and panels, and the text of edits.
    virtual std::string Caption() const { return caption_; }
    void SetCaption(const std::string& text);
    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    // Visible here and in every parent up to a shown window.
    bool Showing() const;

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool show) { showHint_ = show; }

    // The control's font; ParentFont keeps it equal to the parent's until it is set here.
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);
    bool ParentFont() const { return parentFont_; }
    TColor Color() const { return color_; }
    // Setting a colour ends ParentColor; while ParentColor holds the control takes its parent's.
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool parentColor);
    // One watcher at a time; null removes it.
    void SetWatcher(TControlWatcher* watcher) { watcher_ = watcher; }
    TControlWatcher* Watcher() const { return watcher_; }

    // The links in front of the control's own handling; a link passes a message on with
    // Links().CallNext.
    TLinkSet& Links() { return links_; }
    TWndMethod WindowProc;
    // Delivers the message through the links, then WindowProc.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

    TNotifyEvent OnClick;
    virtual void Click();
    virtual void Invalidate();
    // Screen coordinates of a point given in the control's client coordinates.
    POINT ClientToScreen(POINT p) const;

protected:
    // Unpacks the message and reacts; what it does not consume goes to DefaultHandler.
    virtual void WndProc(TMessage& message);
    virtual void DefaultHandler(TMessage& message) { (void)message; }
    virtual void BoundsChanged() {}
    virtual void TextChanged() {}
    virtual void EnabledChanged() {}
    virtual void VisibleChanged() {}
    virtual void FontChanged() {}
    virtual void ColorChanged() {}
    // The parent's font changed: a control that keeps ParentFont takes it.
    void ParentFontChanged(const TFont& font);
    // The parent's colour changed: a control that keeps ParentColor takes it.
    void ParentColorChanged(TColor color);
    // Tells the watcher (once) that this control is going.
    void NotifyWatcher();

    std::string caption_;
    bool parentFont_ = true;

private:
    friend class TWinControl;
    // The last link: the control's own handling through WindowProc.
    bool OwnHandling(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    TLinkSet links_;
    TLinkTo<TControl, &TControl::OwnHandling> ownLink_{*this};
    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    TAlign align_ = TAlign::alNone;
    bool enabled_ = true;
    bool visible_ = true;
    std::string hint_;
    bool showHint_ = false;
    TFont font_;
    TColor color_ = clBtnFace;
    bool parentColor_ = true;
    TControlWatcher* watcher_ = nullptr;
};

// A control without a window of its own, painted by its parent into the parent's device context
// and handed the parent's mouse messages that fall on it (in its own coordinates).
class TGraphicControl : public TControl {
    QUELLAR_COMPONENT_CLASS(TGraphicControl, TControl)
public:
    using TControl::TControl;
    void Invalidate() override;

protected:
    void WndProc(TMessage& message) override;
    // Paints at (0, 0) of `dc`: the parent has moved the origin to the control's place.
    virtual void Paint(HDC dc) { (void)dc; }
    virtual void MouseDown(int x, int y) { (void)x, (void)y; }
    virtual void MouseUp(int x, int y) { (void)x, (void)y; }
    virtual void MouseMove(int x, int y) { (void)x, (void)y; }
    void BoundsChanged() override { Invalidate(); }
    void TextChanged() override { Invalidate(); }
    void EnabledChanged() override { Invalidate(); }
    void VisibleChanged() override;
    void FontChanged() override { Invalidate(); }
    void ColorChanged() override { Invalidate(); }
};

struct TCreateParams {
    std::string className; // a platform control class, or the framework's own when empty
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD exStyle = 0;
    HWND parent = nullptr;
    // The class procedure of the framework's own class (null: SubclassChain::OwnClassProc), and
    // its name when it is not the control's class name (a procedure other than the usual one
    // needs a class of its own).
    WNDPROC classProc = nullptr;
    std::string ownClassName;
};

class TWinControl : public TControl {
    QUELLAR_COMPONENT_CLASS(TWinControl, TControl)
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded();
    // The control that owns a window of the framework, or nullptr.
    static TWinControl* FromHandle(HWND hwnd);

    const std::vector<TControl*>& Controls() const { return controls_; }
    // The visible graphic control at a client point (topmost first), or nullptr.
    TGraphicControl* GraphicControlAt(POINT p) const;
    std::string Caption() const override;
    bool Focused() const;
    void SetFocus();
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool tabStop) { tabStop_ = tabStop; }
    // Paints into an off-screen bitmap first and copies it to the window in one transfer.
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool buffered) { doubleBuffered_ = buffered; }
    void Invalidate() override;
    // Paints the graphic controls that lie in `dc`'s clip area, back to front.
    void PaintControls(HDC dc);
    // Sends a message to every control below this one (depth first) until one answers non-zero.
    LRESULT Broadcast(UINT msg, WPARAM wParam, LPARAM lParam);
    // After loading, a control whose parent already has its window gets its own.
    void Loaded() override;

protected:
    virtual void CreateParams(TCreateParams& params);
    // Creates the window, then applies the state kept while there was none.
    virtual void CreateWnd();
    virtual void InitializeWindow() {}
    // Makes the window; `link` is what an own class's procedure attaches at WM_NCCREATE.
    virtual HWND CreateWindowHandle(const TCreateParams& params, const std::string& className,
                                    TSubclassHandler* link);
    // Lets go of the window without destroying it (a form that destroys it another way).
    HWND TakeHandle();
    // The height the window is made with (a combo box adds its open list).
    virtual int WindowHeight() const { return Height(); }
    void DestroyHandle();
    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;
    // Paints the background of a framework-class window (not of a platform control).
    virtual void PaintWindow(HDC dc);
    void BoundsChanged() override;
    void TextChanged() override;
    void EnabledChanged() override;
    void VisibleChanged() override;
    void FontChanged() override;
    void ColorChanged() override;
    void AlignControls();
    // The portion of the client area aligned controls share (a panel keeps its bevels free).
    virtual void AdjustClientRect(RECT& rect) const { (void)rect; }
    // Text and background colours of a platform control drawing itself.
    LRESULT ControlColor(HDC dc);

private:
    friend class TControl;
    // The control's place in its window's subclass chain: every message goes to its links, and
    // what the control does not consume goes on along the chain (DefaultHandler).
    bool ChainMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    void AttachHandle(HWND hwnd);
    void DetachHandle();
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void RouteMouse(TMessage& message);
    void PaintHandler(TMessage& message);
    // WM_PAINT of a double-buffered control: the whole paint, through the links, into a bitmap.
    void PaintBuffered();
    bool ReflectToChild(TMessage& message);

    HWND handle_ = nullptr;
    TLinkTo<TWinControl, &TWinControl::ChainMessage> link_{*this};
    bool ownClass_ = false;
    bool tabStop_ = false;
    bool doubleBuffered_ = false;
    std::vector<TControl*> controls_;
    TGraphicControl* captureControl_ = nullptr;
    GdiObject brush_;
};

// Shows an exception escaping a handler of `source` in the application's error box, one box per
// source at a time (Forms.cpp).
void ApplicationHandleException(const std::exception& error, const TComponent* source = nullptr);
// Told when a control goes, so nothing keeps pointing at it (Forms.cpp).
void ApplicationControlDestroyed(TControl* control);
// Told of every mouse move over a control, for hover notifications and hints (Forms.cpp).
void ApplicationMouseOver(TControl* control);

} // namespace quellar
