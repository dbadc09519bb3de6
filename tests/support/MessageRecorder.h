#pragma once
// Records the messages that reach windows, and the calls and hook events a test writes down, in
// one sequence per role, and compares each with an expected table:
//
//     // SendMessageA(form, WM_SETTEXT, 0, LPARAM("x"))
//     static const ExpectedMessage kSetText[] = {
//         {WM_SETTEXT, kSent},
//         {WM_NCPAINT, kSent | kOptional},
//     };
//     recorder.ExpectSequence(Role::Form, kSetText, "setting the caption", Match::Subsequence);
//
// Messages are recorded by a handler on ui/SubclassChain that records and hands every message on,
// so a watched window answers exactly as before. Handlers attached later see messages first and
// may consume them: watch a window after the code under test has subclassed it. To record a
// window from its very first message, watch it from a CBT hook at HCBT_CREATEWND.
//
// Whether a message was posted is known from a WH_GETMESSAGE hook the recorder keeps while it
// lives: a message the queue handed out for a watched window is recorded as kPosted when that
// window receives it; everything else as kSent. One thread: the one that owns the windows.
#include "tests/support/MessageNames.h"
#include "tests/support/MessageSequence.h"

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <source_location>
#include <span>
#include <vector>

namespace quellar::test {

enum class Role { Form, Control, Parent, Hook };
constexpr std::size_t kRoleCount = 4;
const char* RoleName(Role role);

// The messages a recorder drops unless its filter says otherwise: those the platform sends at
// points that differ between systems, runs and machine speed (timers, cursor and hit-test
// storms while the pointer is over a window, idle notices, system-wide broadcasts, registered
// messages) and pure queries whose answers the skin does not change (icon and text queries).
// Frame, paint, size, activation, style, menu, mouse and key messages are all kept.
bool IsDefaultNoise(const RecordedMessage& entry);

// True drops the message. Applies to received messages only; calls and hook entries are ours.
using NoiseFilter = std::function<bool(const RecordedMessage&)>;

class MessageRecorder {
public:
    // More than this in one role between two Clear() calls fails the next comparison: a runaway
    // message loop must not exhaust memory.
    static constexpr std::size_t kMaxEntries = 10000;

    MessageRecorder();
    ~MessageRecorder(); // unwatches every window still alive
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    // Records every message reaching `window` under `role` until Unwatch or the window's end.
    // False when the window cannot be subclassed or this recorder already watches it.
    bool Watch(HWND window, Role role);
    void Unwatch(HWND window);

    // For a test's own hook procedure: records the hook code and its parameters in Role::Hook.
    void RecordHook(int code, WPARAM wParam, LPARAM lParam);
    // For a test seam: records that our code made the call `name` (kCall) in `role`.
    void RecordCall(Role role, const char* name, WPARAM wParam = 0, LPARAM lParam = 0);

    // Replaces IsDefaultNoise for this recorder; an empty filter keeps everything. Compose with
    // the default to keep one message: [](auto& m) { return m.message != WM_TIMER && IsDefaultNoise(m); }
    void SetNoiseFilter(NoiseFilter filter);

    const std::vector<RecordedMessage>& Sequence(Role role) const;
    void Clear(Role role);
    void Clear();

    // Compares the role's sequence with `expected`; on a difference adds a non-fatal GoogleTest
    // failure at the caller's line, naming `description` and the role, with both columns.
    // Clears the role afterwards either way, so the next step starts from nothing.
    bool ExpectSequence(Role role, std::span<const ExpectedMessage> expected, const char* description,
                        Match mode = Match::Exact,
                        std::source_location where = std::source_location::current());

private:
    class Tap;
    void Record(Role role, RecordedMessage entry);
    void Receive(Role role, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::array<std::vector<RecordedMessage>, kRoleCount> sequences_;
    std::array<std::size_t, kRoleCount> dropped_{};
    std::vector<std::unique_ptr<Tap>> taps_;
    NoiseFilter filter_;
    HHOOK getMessageHook_ = nullptr;
};

} // namespace quellar::test
