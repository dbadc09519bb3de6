// The recorder on real windows: what it records and in which order, what it leaves out, how a
// comparison fails and what the failure shows, and that a watched window answers as before.
#include "tests/support/MessageRecorder.h"
#include "tests/support/WindowTestSupport.h"

#include "ui/Messages.h"
#include "ui/SubclassChain.h"

#include <gmock/gmock.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace quellar::test {
namespace {

using ::testing::HasSubstr;

constexpr UINT kProbe = WM_APP + 1;
constexpr char kClass[] = "MessageRecorderTestWindow";

LRESULT CALLBACK BaseProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kProbe) {
        return static_cast<LRESULT>(wParam) + lParam;
    }
    return message == WM_NCHITTEST ? HTCAPTION : DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeWindow(HWND parent) {
    static const bool registered = RegisterWindowClass(kClass, &BaseProc);
    EXPECT_TRUE(registered);
    return CreateWindowExA(0, kClass, "recorded", parent != nullptr ? WS_CHILD : WS_POPUP, 0, 0, 100, 80,
                           parent, nullptr, GetModuleHandleA(nullptr), nullptr);
}

class MessageRecorderTest : public ::testing::Test {
protected:
    ~MessageRecorderTest() override {
        for (HWND window : windows) {
            if (IsWindow(window)) {
                DestroyWindow(window);
            }
        }
    }
    HWND Make(HWND parent = nullptr) {
        windows.push_back(MakeWindow(parent));
        return windows.back();
    }
    std::vector<HWND> windows;
    MessageRecorder recorder;
};

TEST_F(MessageRecorderTest, RecordsSentPostedAndCalledInOrderPerRole) {
    const HWND parent = Make(), control = Make(parent);
    ASSERT_TRUE(recorder.Watch(parent, Role::Parent));
    ASSERT_TRUE(recorder.Watch(control, Role::Control));
    EXPECT_FALSE(recorder.Watch(control, Role::Form)) << "one role per window";
    SendMessageA(parent, kProbe, 0, 0);
    SendMessageA(control, kProbe, 0, 0);
    recorder.Clear(Role::Parent);
    EXPECT_TRUE(recorder.Sequence(Role::Parent).empty());
    EXPECT_EQ(1u, recorder.Sequence(Role::Control).size()) << "Clear(role) leaves the other roles";
    recorder.Clear();
    EXPECT_TRUE(recorder.Sequence(Role::Control).empty());

    PostMessageA(parent, kProbe, 1, 0);
    SendMessageA(control, CM_MOUSEENTER, 0, 0);
    SendMessageA(parent, kSkinQuery, 2, 0);
    recorder.RecordCall(Role::Control, "SetWindowRgn", 0, 7);
    Pump(0);
    SendMessageA(control, CM_MOUSELEAVE, 0, 0);
    // The post arrives when the queue is pumped, after the send made before that.
    static const ExpectedMessage kParent[] = {
        {kSkinQuery, kSent | kWParam, 2},
        {kProbe, kPosted | kWParam, 1},
    };
    static const ExpectedMessage kControl[] = {
        {CM_MOUSEENTER, kSent},
        ExpectCall("SetWindowRgn", kLParam, 0, 7),
        {CM_MOUSELEAVE, kSent},
    };
    EXPECT_TRUE(recorder.ExpectSequence(Role::Parent, kParent, "parent"));
    EXPECT_TRUE(recorder.ExpectSequence(Role::Control, kControl, "control"));
    EXPECT_TRUE(recorder.Sequence(Role::Parent).empty()) << "a comparison clears its role";
}

MessageRecorder* gHookRecorder = nullptr;

// A class named by atom has no text to compare.
bool IsOurs(const CREATESTRUCTA* create) {
    return !IS_INTRESOURCE(create->lpszClass) && std::string(create->lpszClass) == kClass;
}

LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code >= 0) {
        gHookRecorder->RecordHook(code, wParam, lParam);
        if (code == HCBT_CREATEWND && IsOurs(reinterpret_cast<const CBT_CREATEWNDA*>(lParam)->lpcs)) {
            gHookRecorder->Watch(reinterpret_cast<HWND>(wParam), Role::Form);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(MessageRecorderTest, HookRoleAndAWindowWatchedFromItsCreation) {
    gHookRecorder = &recorder;
    const HHOOK hook = SetWindowsHookExA(WH_CBT, &CbtHook, nullptr, GetCurrentThreadId());
    ASSERT_NE(nullptr, hook);
    const HWND form = Make();
    UnhookWindowsHookEx(hook);
    // CreateWindowExA of a hidden popup, hooked and watched from HCBT_CREATEWND on. The platform
    // may create windows of its own meanwhile (Wine: the thread's input method window).
    const ExpectedMessage hooked[] = {{HCBT_CREATEWND, kHook | kWParam, reinterpret_cast<WPARAM>(form)}};
    static const ExpectedMessage kCreation[] = {
        {WM_NCCREATE, kSent}, {WM_NCCALCSIZE, kSent}, {WM_CREATE, kSent}};
    EXPECT_TRUE(recorder.ExpectSequence(Role::Hook, hooked, "creation hook", Match::Subsequence));
    EXPECT_TRUE(recorder.ExpectSequence(Role::Form, kCreation, "creation", Match::Subsequence));
}

TEST_F(MessageRecorderTest, NoiseFilterDropsTheDefaultNoiseAndCanBeReplaced) {
    const HWND form = Make();
    ASSERT_TRUE(recorder.Watch(form, Role::Form));
    const UINT registered = RegisterWindowMessageA("QuellarRecorderTestNoise");
    const UINT sent[] = {WM_SETCURSOR, WM_ERASEBKGND, WM_NCHITTEST, WM_GETICON,        WM_GETMINMAXINFO,
                         WM_TIMER,     registered,    WM_GETTEXT,   kSkinRepaintFrame, CM_MOUSEENTER};
    const auto sendAll = [&] {
        MINMAXINFO limits{};
        for (const UINT message : sent) {
            SendMessageA(form, message, 0,
                         message == WM_GETMINMAXINFO ? reinterpret_cast<LPARAM>(&limits) : 0);
        }
    };
    sendAll();
    // Only what a frame or our own code acts on stays.
    static const ExpectedMessage kKept[] = {{WM_ERASEBKGND, kSent},
                                            {WM_GETMINMAXINFO, kSent},
                                            {kSkinRepaintFrame, kSent},
                                            {CM_MOUSEENTER, kSent}};
    EXPECT_TRUE(recorder.ExpectSequence(Role::Form, kKept, "default filter"));

    recorder.SetNoiseFilter(
        [](const RecordedMessage& m) { return m.message != WM_TIMER && IsDefaultNoise(m); });
    sendAll();
    static const ExpectedMessage kWithTimer[] = {{WM_ERASEBKGND, kSent},
                                                 {WM_GETMINMAXINFO, kSent},
                                                 {WM_TIMER, kSent},
                                                 {kSkinRepaintFrame, kSent},
                                                 {CM_MOUSEENTER, kSent}};
    EXPECT_TRUE(recorder.ExpectSequence(Role::Form, kWithTimer, "timers kept"));

    recorder.SetNoiseFilter({});
    sendAll();
    EXPECT_EQ(std::size(sent), recorder.Sequence(Role::Form).size()) << "no filter keeps everything";
}

// The two columns of the line marked as the first difference.
std::pair<std::string, std::string> DifferenceLine(const std::string& text) {
    const std::size_t start = text.find("\n > "), bar = text.find('|', start), end = text.find('\n', bar);
    if (start == std::string::npos || bar == std::string::npos) {
        return {};
    }
    return {text.substr(start + 4, bar - start - 4), text.substr(bar + 1, end - bar - 1)};
}

struct CompareCase {
    const char* what;
    Match mode;
    std::vector<ExpectedMessage> rows;
    const char* left = nullptr; // the two columns of the first difference; null: the comparison passes
    const char* right = nullptr;
};

// Against the recorded WM_NCPAINT(1) sent, SkinQuery sent, CM_MOUSEENTER(5) posted.
constexpr ExpectedMessage kNc{WM_NCPAINT}, kQuery{kSkinQuery}, kEnter{CM_MOUSEENTER};
const CompareCase kCompareCases[] = {
    {"optional rows left out, one where a later row needs the entry",
     Match::Exact,
     {{WM_NCPAINT, kOptional}, kNc, {WM_PAINT, kOptional}, kQuery, kEnter}},
    {"entries between rows", Match::Subsequence, {kNc, kEnter}},
    {"another message", Match::Exact, {kNc, kNc, kEnter}, "WM_NCPAINT", "SkinQuery"},
    {"an entry no row accounts for", Match::Exact, {kNc, kQuery}, "(end)", "CM_MOUSEENTER posted"},
    {"a call not made", Match::Exact, {kNc, ExpectCall("SetWindowRgn")}, "SetWindowRgn()", "SkinQuery"},
    {"wParam", Match::Subsequence, {{CM_MOUSEENTER, kWParam, 4}}, "CM_MOUSEENTER w=0x4", "(not found"},
    {"rows out of order", Match::Subsequence, {kQuery, kNc}, "WM_NCPAINT", "(not found"},
    {"sent where posted", Match::Subsequence, {{kSkinQuery, kPosted}}, "SkinQuery posted", "(not found"}};

TEST_F(MessageRecorderTest, ComparisonsFailWithBothColumnsNamed) {
    const HWND form = Make();
    ASSERT_TRUE(recorder.Watch(form, Role::Form));
    for (const CompareCase& c : kCompareCases) {
        SCOPED_TRACE(c.what);
        SendMessageA(form, WM_NCPAINT, 1, 0);
        SendMessageA(form, kSkinQuery, 0, 0);
        PostMessageA(form, CM_MOUSEENTER, 5, 0);
        Pump(0);
        ::testing::TestPartResultArray failures;
        bool passed = false;
        {
            ::testing::ScopedFakeTestPartResultReporter catcher(
                ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
            passed = recorder.ExpectSequence(Role::Form, c.rows, c.what, c.mode);
        }
        EXPECT_EQ(c.left == nullptr, passed);
        ASSERT_EQ(passed ? 0 : 1, failures.size());
        if (!passed) {
            const std::string text = failures.GetTestPartResult(0).message();
            EXPECT_THAT(text, HasSubstr(std::string(c.what) + " (form sequence)"));
            const auto [left, right] = DifferenceLine(text);
            EXPECT_THAT(left, HasSubstr(c.left)) << text;
            EXPECT_THAT(right, HasSubstr(c.right)) << text;
            for (const char* entry :
                 {"| WM_NCPAINT sent w=0x1", "| SkinQuery sent", "| CM_MOUSEENTER posted w=0x5"}) {
                EXPECT_THAT(text, HasSubstr(entry)) << "the whole recording is shown";
            }
        }
    }
    // A runaway loop is cut off, and the comparison says so rather than passing.
    for (std::size_t i = 0; i <= MessageRecorder::kMaxEntries; ++i) {
        recorder.RecordCall(Role::Form, "SetWindowPos");
    }
    EXPECT_EQ(MessageRecorder::kMaxEntries, recorder.Sequence(Role::Form).size());
    EXPECT_NONFATAL_FAILURE(recorder.ExpectSequence(Role::Form, {}, "runaway", Match::Subsequence),
                            "1 entries were not recorded");
}

TEST_F(MessageRecorderTest, WatchedWindowAnswersAsBeforeAndIsLeftAsFound) {
    const HWND form = Make();
    const int chainsBefore = SubclassChain::ChainedWindowCount();
    const auto answers = [form] {
        char text[32] = {};
        const LRESULT length = SendMessageA(form, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        return std::to_string(SendMessageA(form, kProbe, 3, 4)) + " " +
               std::to_string(SendMessageA(form, WM_NCHITTEST, 0, 0)) + " " + std::to_string(length) + " " +
               text;
    };
    EXPECT_EQ("7 2 8 recorded", answers());
    ASSERT_TRUE(recorder.Watch(form, Role::Form));
    EXPECT_EQ("7 2 8 recorded", answers());
    recorder.Unwatch(form);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(&BaseProc), GetWindowLongPtrA(form, GWLP_WNDPROC));
    EXPECT_EQ(chainsBefore, SubclassChain::ChainedWindowCount());

    // A watched window destroyed before the recorder: its last messages are recorded and
    // nothing of the recorder stays on the dead handle.
    ASSERT_TRUE(recorder.Watch(form, Role::Form));
    recorder.Clear();
    DestroyWindow(form);
    static const ExpectedMessage kDestroyed[] = {{WM_DESTROY, kSent}, {WM_NCDESTROY, kSent}};
    EXPECT_TRUE(recorder.ExpectSequence(Role::Form, kDestroyed, "destroyed", Match::Subsequence));
    EXPECT_EQ(chainsBefore, SubclassChain::ChainedWindowCount());
    EXPECT_FALSE(recorder.Watch(form, Role::Form));
}

} // namespace
} // namespace quellar::test
