#pragma once
// One way to take over any window's message procedure: a framework control, a foreign window
// such as a message box, or a window of one of our own classes. Any number of handlers can sit
// on any number of windows; the handler attached last sees each message first.
//
// The window's procedure is replaced by one shared procedure that keeps the previous one per
// window. A message no handler consumes goes on to the previous procedure, and that call is made
// in exactly one place (CallPrevious in the .cpp). When the last handler of a window goes, the
// previous procedure is put back if ours is still the window's; if someone replaced it after us,
// ours stays in their chain and only forwards. WM_NCDESTROY always reaches the previous
// procedure; after it the window's state is freed and nothing of ours touches the window again.
//
// All calls come from the thread that owns the windows (window procedures run on it anyway).
#include <windows.h>

#include <memory>

namespace quellar {

class TSubclassHandler {
public:
    virtual ~TSubclassHandler() = default;
    // True consumes the message: `result` is then the window's answer and no later handler nor
    // the previous procedure sees it. An exception stops at the chain (the caller is the
    // platform): the handler is detached for good and the message goes on as not consumed
    // (if the handler had passed it on with CallNext, that answer stands).
    virtual bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;
};

// A link that hands every message to one member function of its owner, for an object that sits
// in front of more than one window (or of a window besides its own) with a method for each:
//     TLinkTo<TSkinComBox, &TSkinComBox::EditMessage> editLink_{*this};
template <class Owner, bool (Owner::*Method)(HWND, UINT, WPARAM, LPARAM, LRESULT&)>
class TLinkTo final : public TSubclassHandler {
public:
    explicit TLinkTo(Owner& owner) : owner_(owner) {}
    bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        return (owner_.*Method)(window, message, wParam, lParam, result);
    }

private:
    Owner& owner_;
};

namespace SubclassChain {
struct Chain;
}

// The same chain in front of a message handler that is not a window procedure: every message a
// framework control is given (by its window or by Perform, windowless controls too) goes through
// its link set (ui/Controls.h). The rules are the window chain's: the link attached last sees each
// message first, links detach in any order, also inside their own message, and CallNext shows the
// message to the links attached before. What no link consumes is answered 0. Unlike a window's
// chain, an exception thrown by a link goes on to the caller, as it would from a direct call.
class TLinkSet {
public:
    TLinkSet();
    ~TLinkSet();
    TLinkSet(const TLinkSet&) = delete;
    TLinkSet& operator=(const TLinkSet&) = delete;

    // False when the link is null or already attached. The link must stay alive until it is
    // detached or the set is gone.
    bool Attach(TSubclassHandler* link);
    void Detach(TSubclassHandler* link);
    bool IsAttached(const TSubclassHandler* link) const;
    // Shows the message to the links, newest first; `window` is what they are handed (may be null).
    LRESULT Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // From inside a link's OnMessage: the links attached before it answer. Outside a delivery: 0.
    LRESULT CallNext(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

private:
    std::shared_ptr<SubclassChain::Chain> chain_;
};

namespace SubclassChain {

// Puts `handler` in front of the window's messages. False when the window is null, not a window
// we may subclass, or the handler is already attached to it. The handler must stay alive until
// it is detached or the window is destroyed.
bool Attach(HWND window, TSubclassHandler* handler);
// Takes the handler off the window; safe while that handler's own message is being handled
// (it is skipped from then on and erased once the dispatch unwinds). No effect when not attached.
void Detach(HWND window, TSubclassHandler* handler);
bool IsAttached(HWND window, const TSubclassHandler* handler);
// From inside a handler's OnMessage: shows the message to the handlers attached before it and then
// to the previous procedure, and returns their answer; the handler may then adjust it and consume
// the message ("previous procedure first"). Outside a dispatch it calls the previous procedure.
LRESULT CallNext(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The default procedure (DefWindowProcA), for a fallback of OwnClassProcWith that answers only
// some messages itself.
LRESULT CallDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// How many windows carry our procedure's state (for leak checks).
int ChainedWindowCount();

// The class procedure for our own window classes: at WM_NCCREATE it attaches the
// TSubclassHandler passed as CreateWindowEx's last argument (nullptr attaches none), so the
// object sees every message from WM_NCCREATE on, and the default procedure answers the rest.
LRESULT CALLBACK OwnClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// The same for a class whose default processing is not DefWindowProcA (MDI frames and children):
// at WM_NCCREATE `handler` is attached (it is ignored at other messages) and what no handler
// consumes goes to `fallback`.
LRESULT OwnClassProcWith(HWND window, UINT message, WPARAM wParam, LPARAM lParam, TSubclassHandler* handler,
                         WNDPROC fallback);

} // namespace SubclassChain

} // namespace quellar
