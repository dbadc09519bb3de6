#include "tests/support/MessageRecorder.h"

#include "ui/SubclassChain.h"

#include <algorithm>
#include <utility>

namespace quellar::test {

namespace {

// The last message a queue handed out on this thread (GetMessage, or PeekMessage with
// PM_REMOVE), until the window it is for receives it. Every recorder's hook writes the same
// slot, so any number of recorders agree.
MSG gHandedOut{};
bool gHandedOutPending = false;

LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && (wParam & PM_REMOVE) != 0) {
        gHandedOut = *reinterpret_cast<const MSG*>(lParam);
        gHandedOutPending = true;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// True once for the message the queue handed out: its first arrival is the dispatch; a send of
// the same message from inside its handling is a send.
bool TakeHandedOut(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool same = gHandedOutPending && gHandedOut.hwnd == window && gHandedOut.message == message &&
                      gHandedOut.wParam == wParam && gHandedOut.lParam == lParam;
    gHandedOutPending = gHandedOutPending && !same;
    return same;
}

std::size_t Index(Role role) {
    return static_cast<std::size_t>(role);
}

} // namespace

// Records and hands on: never consumes, so the window answers as it would unwatched.
class MessageRecorder::Tap : public TSubclassHandler {
public:
    Tap(MessageRecorder& owner, HWND window, Role role) : owner_(owner), window_(window), role_(role) {}
    bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) override {
        owner_.Receive(role_, window, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            window_ = nullptr; // the chain lets go of us with this message; the handle may be reused
        }
        return false;
    }
    HWND Window() const { return window_; }

private:
    MessageRecorder& owner_;
    HWND window_;
    Role role_;
};

const char* RoleName(Role role) {
    static const char* const kNames[kRoleCount] = {"form", "control", "parent", "hook"};
    return kNames[Index(role)];
}

bool IsDefaultNoise(const RecordedMessage& entry) {
    switch (entry.message) {
    case WM_TIMER:
    case 0x0118:       // WM_SYSTIMER: where time-driven messages land depends on the machine's speed
    case WM_SETCURSOR: // these two follow the pointer, which may rest over a test window
    case WM_NCHITTEST: // (a test asks a hit test by sending it and reading the answer)
    case WM_GETICON:   // queries the platform makes while painting its own parts
    case WM_GETTEXT:   // or anyone makes to read the caption: they change nothing
    case WM_GETTEXTLENGTH:
    case WM_GETOBJECT:
    case WM_ENTERIDLE:      // repeated while a modal loop waits for input
    case WM_IME_SETCONTEXT: // input method bookkeeping on every focus change
    case WM_IME_NOTIFY:
    case WM_TIMECHANGE: // system-wide broadcasts a test cannot time
    case WM_DISPLAYCHANGE:
    case WM_DEVICECHANGE:
    case WM_SETTINGCHANGE:
    case WM_DWMCOMPOSITIONCHANGED:
    case WM_DWMNCRENDERINGCHANGED:
    case WM_DWMCOLORIZATIONCOLORCHANGED:
        return true;
    default:
        return entry.message >= 0xC000; // registered messages: their numbers differ per session
    }
}

MessageRecorder::MessageRecorder()
    : filter_(&IsDefaultNoise),
      getMessageHook_(SetWindowsHookExA(WH_GETMESSAGE, &GetMessageHook, nullptr, GetCurrentThreadId())) {}

MessageRecorder::~MessageRecorder() {
    for (const std::unique_ptr<Tap>& tap : taps_) {
        if (tap->Window() != nullptr) {
            SubclassChain::Detach(tap->Window(), tap.get());
        }
    }
    if (getMessageHook_ != nullptr) {
        UnhookWindowsHookEx(getMessageHook_);
    }
}

bool MessageRecorder::Watch(HWND window, Role role) {
    const bool watched = std::any_of(taps_.begin(), taps_.end(), [window](const std::unique_ptr<Tap>& tap) {
        return tap->Window() == window;
    });
    if (window == nullptr || watched) {
        return false;
    }
    auto tap = std::make_unique<Tap>(*this, window, role);
    if (!SubclassChain::Attach(window, tap.get())) {
        return false;
    }
    taps_.push_back(std::move(tap));
    return true;
}

void MessageRecorder::Unwatch(HWND window) {
    const auto it = std::find_if(taps_.begin(), taps_.end(), [window](const std::unique_ptr<Tap>& tap) {
        return tap->Window() == window;
    });
    if (window != nullptr && it != taps_.end()) {
        SubclassChain::Detach(window, it->get());
        taps_.erase(it);
    }
}

void MessageRecorder::RecordHook(int code, WPARAM wParam, LPARAM lParam) {
    Record(Role::Hook, {static_cast<UINT>(code), wParam, lParam, kHook, {}});
}

void MessageRecorder::RecordCall(Role role, const char* name, WPARAM wParam, LPARAM lParam) {
    Record(role, {0, wParam, lParam, kCall, name != nullptr ? name : ""});
}

void MessageRecorder::SetNoiseFilter(NoiseFilter filter) {
    filter_ = std::move(filter);
}

const std::vector<RecordedMessage>& MessageRecorder::Sequence(Role role) const {
    return sequences_[Index(role)];
}

void MessageRecorder::Clear(Role role) {
    sequences_[Index(role)].clear();
    dropped_[Index(role)] = 0;
}

void MessageRecorder::Clear() {
    for (std::size_t i = 0; i < kRoleCount; ++i) {
        Clear(static_cast<Role>(i));
    }
}

bool MessageRecorder::ExpectSequence(Role role, std::span<const ExpectedMessage> expected,
                                     const char* description, Match mode, std::source_location where) {
    const std::size_t dropped = dropped_[Index(role)];
    const ::testing::AssertionResult result =
        dropped > 0 ? ::testing::AssertionFailure() << dropped << " entries were not recorded (more than "
                                                    << kMaxEntries << ", or the noise filter threw)"
                    : CompareSequence(Sequence(role), expected, mode);
    Clear(role);
    if (!result) {
        ADD_FAILURE_AT(where.file_name(), static_cast<int>(where.line()))
            << description << " (" << RoleName(role) << " sequence): " << result.message();
    }
    return static_cast<bool>(result);
}

void MessageRecorder::Record(Role role, RecordedMessage entry) {
    std::vector<RecordedMessage>& sequence = sequences_[Index(role)];
    if (sequence.size() >= kMaxEntries) {
        ++dropped_[Index(role)];
        return;
    }
    sequence.push_back(std::move(entry));
}

// Runs inside the window's procedure, called by the platform: nothing may escape it.
void MessageRecorder::Receive(Role role, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        RecordedMessage entry{
            message, wParam, lParam, TakeHandedOut(window, message, wParam, lParam) ? kPosted : kSent, {}};
        if (!filter_ || !filter_(entry)) {
            Record(role, std::move(entry));
        }
    } catch (...) {
        ++dropped_[Index(role)];
    }
}

} // namespace quellar::test
