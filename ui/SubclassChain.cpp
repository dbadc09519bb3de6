#include "ui/SubclassChain.h"

#include "ui/ExceptionBoundary.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <vector>

namespace quellar::SubclassChain {

// The state of one subclassed window. Handlers are kept oldest first and run newest first; a
// detached handler leaves a null in its place while a dispatch is running, so the running loop's
// positions stay valid and nothing calls the removed object.
// One handler at work on one message: where it sits in the chain, so CallNext knows what
// comes after it, and whether the previous procedure has already answered that message.
struct Running {
    std::size_t index = 0;
    bool previousCalled = false;
    LRESULT previousResult = 0; // the answer CallNext handed the handler
};

struct Chain {
    bool window = true;         // false: a control's link set, with nothing after the links
    WNDPROC previous = nullptr; // null: the default procedure (our own classes)
    std::vector<TSubclassHandler*> handlers;
    int depth = 0;                // dispatches of this window's messages in progress (they nest)
    std::vector<Running> running; // innermost last
};

namespace {

// Keyed by handle rather than kept in a window property: foreign code cannot remove or replace
// an entry, the state is counted without walking windows, and a lookup costs no atom. The price
// is that the entry must be dropped at WM_NCDESTROY, which the shared procedure always sees.
std::unordered_map<HWND, std::shared_ptr<Chain>> gChains;

LRESULT CALLBACK ChainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The one call of the previous or default procedure.
LRESULT CallPrevious(WNDPROC previous, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return previous != nullptr ? CallWindowProcA(previous, window, message, wParam, lParam)
                               : DefWindowProcA(window, message, wParam, lParam);
}

std::shared_ptr<Chain> Find(HWND window) {
    const auto it = gChains.find(window);
    return it == gChains.end() ? nullptr : it->second;
}

WNDPROC CurrentProc(HWND window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

// Once no dispatch runs: drops detached handlers, and with none left puts the previous
// procedure back if ours is still the window's (otherwise ours stays and only forwards).
void Tidy(HWND window, Chain& chain) {
    if (chain.depth > 0) {
        return;
    }
    std::erase(chain.handlers, nullptr);
    if (!chain.handlers.empty() || Find(window).get() != &chain || CurrentProc(window) != &ChainProc) {
        return;
    }
    WNDPROC restored = chain.previous != nullptr ? chain.previous : &DefWindowProcA;
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(restored));
    gChains.erase(window);
}

// One handler's turn, behind the exception boundary. A handler that throws is switched off for
// good (its part of the window stops working, the rest goes on) and the message is treated as
// not consumed, so the next handlers and the previous procedure still answer it; unless the
// handler had already passed it on with CallNext, whose answer then stands.
bool RunHandler(Chain& chain, std::size_t i, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                LRESULT& result, bool& previousCalled) {
    TSubclassHandler* handler = chain.handlers[i];
    const std::size_t depth = chain.running.size();
    const auto run = [&] {
        chain.running.push_back({i, false, 0});
        return handler->OnMessage(window, message, wParam, lParam, result);
    };
    bool failed = false;
    bool consumed = false;
    if (chain.window) {
        consumed = Guarded(run, [&] {
            failed = true;
            return false;
        });
    } else {
        try {
            consumed = run();
        } catch (...) { // a control's caller sees it, as it would without links
            chain.running.resize(std::min(chain.running.size(), depth));
            throw;
        }
    }
    const bool passedOn = chain.running.size() > depth && chain.running.back().previousCalled;
    const LRESULT passedResult = passedOn ? chain.running.back().previousResult : 0;
    chain.running.resize(std::min(chain.running.size(), depth));
    previousCalled = previousCalled || passedOn;
    if (!failed) {
        return consumed;
    }
    std::replace(chain.handlers.begin(), chain.handlers.end(), handler,
                 static_cast<TSubclassHandler*>(nullptr));
    result = passedResult;
    return passedOn;
}

// Shows the message to the handlers below position `end`, newest first, then (unless one
// consumed it) to the previous procedure. `previousCalled` tells whether the previous procedure
// answered, directly or through a handler's CallNext.
LRESULT Dispatch(Chain& chain, HWND window, UINT message, WPARAM wParam, LPARAM lParam, std::size_t end,
                 bool& previousCalled) {
    ++chain.depth;
    LRESULT result = 0;
    bool consumed = false;
    try {
        for (std::size_t i = end; i-- > 0 && !consumed;) {
            if (chain.handlers[i] != nullptr) {
                consumed = RunHandler(chain, i, window, message, wParam, lParam, result, previousCalled);
            }
        }
    } catch (...) { // only a control's link set lets an exception through
        --chain.depth;
        throw;
    }
    --chain.depth;
    if (!chain.window) {
        return result;
    }
    // The previous procedure frees its own state at WM_NCDESTROY: it always sees it, once.
    if (!consumed || (message == WM_NCDESTROY && !previousCalled)) {
        result = CallPrevious(chain.previous, window, message, wParam, lParam);
        previousCalled = true;
    }
    return result;
}

LRESULT CALLBACK ChainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // A copy: a handler may detach everything or destroy the window while we are inside.
    const std::shared_ptr<Chain> chain = Find(window);
    if (chain == nullptr) {
        return CallPrevious(nullptr, window, message, wParam, lParam);
    }
    bool previousCalled = false;
    const LRESULT result =
        Dispatch(*chain, window, message, wParam, lParam, chain->handlers.size(), previousCalled);
    if (message == WM_NCDESTROY) {
        if (Find(window) == chain) {
            gChains.erase(window); // the window is gone; nothing calls us for it again
        }
        std::fill(chain->handlers.begin(), chain->handlers.end(), nullptr);
    } else {
        Tidy(window, *chain);
    }
    return result;
}

bool Install(HWND window, TSubclassHandler* handler, WNDPROC previous) {
    auto chain = std::make_shared<Chain>();
    chain->previous = previous;
    chain->handlers.push_back(handler);
    // In place before the swap, so a message sent during it already finds its way on.
    gChains[window] = chain;
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ChainProc));
    if (CurrentProc(window) != &ChainProc) { // another process's window, for one
        gChains.erase(window);
        return false;
    }
    return true;
}

} // namespace

bool Attach(HWND window, TSubclassHandler* handler) {
    if (window == nullptr || handler == nullptr || !IsWindow(window)) {
        return false;
    }
    if (const std::shared_ptr<Chain> chain = Find(window); chain != nullptr) {
        if (IsAttached(window, handler)) {
            return false;
        }
        chain->handlers.push_back(handler);
        return true;
    }
    return Install(window, handler, CurrentProc(window));
}

void Detach(HWND window, TSubclassHandler* handler) {
    const std::shared_ptr<Chain> chain = Find(window);
    if (chain == nullptr || handler == nullptr) {
        return;
    }
    std::replace(chain->handlers.begin(), chain->handlers.end(), handler,
                 static_cast<TSubclassHandler*>(nullptr));
    Tidy(window, *chain);
}

bool IsAttached(HWND window, const TSubclassHandler* handler) {
    const std::shared_ptr<Chain> chain = Find(window);
    return chain != nullptr && handler != nullptr &&
           std::find(chain->handlers.begin(), chain->handlers.end(), handler) != chain->handlers.end();
}

LRESULT CallNext(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::shared_ptr<Chain> chain = Find(window);
    if (chain == nullptr || chain->running.empty()) {
        return CallPrevious(chain != nullptr ? chain->previous : nullptr, window, message, wParam, lParam);
    }
    bool previousCalled = false;
    const std::size_t below = chain->running.back().index;
    const LRESULT result = Dispatch(*chain, window, message, wParam, lParam, below, previousCalled);
    if (previousCalled && !chain->running.empty()) {
        chain->running.back().previousCalled = true;
        chain->running.back().previousResult = result;
    }
    return result;
}

LRESULT CallDefault(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallPrevious(nullptr, window, message, wParam, lParam);
}

int ChainedWindowCount() {
    return static_cast<int>(gChains.size());
}

LRESULT CALLBACK OwnClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    TSubclassHandler* handler = nullptr;
    if (message == WM_NCCREATE) {
        handler =
            static_cast<TSubclassHandler*>(reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams);
    }
    return OwnClassProcWith(window, message, wParam, lParam, handler, nullptr);
}

LRESULT OwnClassProcWith(HWND window, UINT message, WPARAM wParam, LPARAM lParam, TSubclassHandler* handler,
                         WNDPROC fallback) {
    if (message == WM_NCCREATE && handler != nullptr && Find(window) == nullptr) {
        // Without memory for its state the window is made all the same, with no handler.
        Guarded([&] { return Install(window, handler, fallback); }, [] { return false; });
    }
    if (Find(window) == nullptr) {
        return CallPrevious(fallback, window, message, wParam, lParam);
    }
    return ChainProc(window, message, wParam, lParam);
}

} // namespace quellar::SubclassChain

namespace quellar {

namespace {
void TidyLinks(SubclassChain::Chain& chain) {
    if (chain.depth == 0) {
        std::erase(chain.handlers, nullptr);
    }
}
} // namespace

TLinkSet::TLinkSet() : chain_(std::make_shared<SubclassChain::Chain>()) {
    chain_->window = false;
}

TLinkSet::~TLinkSet() {
    // A delivery still running keeps the state alive; it calls none of the links again.
    std::fill(chain_->handlers.begin(), chain_->handlers.end(), nullptr);
}

bool TLinkSet::Attach(TSubclassHandler* link) {
    if (link == nullptr || IsAttached(link)) {
        return false;
    }
    chain_->handlers.push_back(link);
    return true;
}

void TLinkSet::Detach(TSubclassHandler* link) {
    if (link == nullptr) {
        return;
    }
    std::replace(chain_->handlers.begin(), chain_->handlers.end(), link,
                 static_cast<TSubclassHandler*>(nullptr));
    TidyLinks(*chain_);
}

bool TLinkSet::IsAttached(const TSubclassHandler* link) const {
    return link != nullptr &&
           std::find(chain_->handlers.begin(), chain_->handlers.end(), link) != chain_->handlers.end();
}

LRESULT TLinkSet::Deliver(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::shared_ptr<SubclassChain::Chain> chain = chain_; // the owner may go inside
    bool previousCalled = false;
    struct Tidy {
        SubclassChain::Chain& chain;
        ~Tidy() { TidyLinks(chain); }
    } tidy{*chain};
    return SubclassChain::Dispatch(*chain, window, message, wParam, lParam, chain->handlers.size(),
                                   previousCalled);
}

LRESULT TLinkSet::CallNext(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const std::shared_ptr<SubclassChain::Chain> chain = chain_;
    if (chain->running.empty()) {
        return 0;
    }
    bool previousCalled = false;
    return SubclassChain::Dispatch(*chain, window, message, wParam, lParam, chain->running.back().index,
                                   previousCalled);
}

} // namespace quellar
