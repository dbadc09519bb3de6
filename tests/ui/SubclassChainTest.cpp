// The shared subclass chain on real windows: who sees a message and in which order, what the
// window answers, and what is left of the chain after handlers, foreign subclasses and the
// window itself go.
#include "ui/SubclassChain.h"

#include "tests/support/WindowTestSupport.h"
#include "ui/ExceptionBoundary.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

namespace quellar {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr UINT kProbe = WM_APP + 11;
constexpr LRESULT kBaseAnswer = 42;
std::vector<std::string> gLog;

// The messages the tests follow, by short name; every other message is left out of the log.
std::string Named(UINT message) {
    switch (message) {
    case kProbe:
        return "probe";
    case WM_NCCREATE:
        return "nccreate";
    case WM_CREATE:
        return "create";
    case WM_DESTROY:
        return "destroy";
    case WM_NCDESTROY:
        return "ncdestroy";
    default:
        return "";
    }
}

void Log(const std::string& who, UINT message) {
    if (const std::string name = Named(message); !name.empty()) {
        gLog.push_back(who + ":" + name);
    }
}

LRESULT CALLBACK BaseProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Log("base", message);
    return message == kProbe ? kBaseAnswer : DefWindowProcA(window, message, wParam, lParam);
}

WNDPROC gBelowForeign = nullptr;
LRESULT CALLBACK ForeignProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Log("foreign", message);
    return CallWindowProcA(gBelowForeign, window, message, wParam, lParam);
}

// Logs, and consumes `consumed` with `answer`; `onMessage` runs first (detaching, deleting).
struct Recorder : TSubclassHandler {
    Recorder(std::string n, UINT c = 0, LRESULT a = 0) : name(std::move(n)), consumed(c), answer(a) {}
    bool OnMessage(HWND, UINT message, WPARAM, LPARAM, LRESULT& result) override {
        Log(name, message);
        if (message == consumed) {
            result = answer;
            return true;
        }
        return false;
    }
    std::string name;
    UINT consumed;
    LRESULT answer;
};

HWND MakeWindow() {
    static const bool registered = test::RegisterWindowClass("SubclassChainTestBase", &BaseProc);
    EXPECT_TRUE(registered);
    return CreateWindowExA(0, "SubclassChainTestBase", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

WNDPROC CurrentProc(HWND window) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

class SubclassChainTest : public ::testing::Test {
protected:
    SubclassChainTest() : chainsBefore(SubclassChain::ChainedWindowCount()) {
        gLog.clear();
        window = MakeWindow();
    }
    ~SubclassChainTest() override {
        if (IsWindow(window)) {
            DestroyWindow(window);
        }
    }
    LRESULT Probe() {
        gLog.clear();
        return SendMessageA(window, kProbe, 0, 0);
    }
    int chainsBefore;
    HWND window;
};

// A attached first, B second: B sees each message first.
struct ConsumeCase {
    UINT consumedByA, consumedByB;
    LRESULT answer;
    std::vector<std::string> seen;
};
const ConsumeCase kConsumeCases[] = {
    {0, 0, kBaseAnswer, {"B:probe", "A:probe", "base:probe"}}, // nobody consumes: the base answers
    {0, kProbe, 7, {"B:probe"}},                               // B consumes: A and the base never see it
    {kProbe, 0, 5, {"B:probe", "A:probe"}},                    // A consumes after B passed it on
};

TEST_F(SubclassChainTest, HandlersSeeMessagesNewestFirstAndConsumedOnesStopThere) {
    for (const ConsumeCase& c : kConsumeCases) {
        Recorder a("A", c.consumedByA, 5), b("B", c.consumedByB, 7);
        ASSERT_TRUE(SubclassChain::Attach(window, &a));
        ASSERT_TRUE(SubclassChain::Attach(window, &b));
        EXPECT_EQ(c.answer, Probe());
        EXPECT_THAT(gLog, ElementsAreArray(c.seen));
        SubclassChain::Detach(window, &a);
        SubclassChain::Detach(window, &b);
    }
}

TEST_F(SubclassChainTest, RemovingInEitherOrderRestoresTheOriginalProcedure) {
    for (const bool aFirst : {true, false}) {
        Recorder a("A"), b("B");
        SubclassChain::Attach(window, &a);
        SubclassChain::Attach(window, &b);
        SubclassChain::Detach(window, aFirst ? &a : &b);
        EXPECT_EQ(kBaseAnswer, Probe());
        EXPECT_THAT(gLog, ElementsAre(aFirst ? "B:probe" : "A:probe", "base:probe"));
        SubclassChain::Detach(window, aFirst ? &b : &a);
        EXPECT_EQ(&BaseProc, CurrentProc(window));
        EXPECT_EQ(chainsBefore, SubclassChain::ChainedWindowCount());
        EXPECT_EQ(kBaseAnswer, Probe());
        EXPECT_THAT(gLog, ElementsAre("base:probe"));
    }
}

TEST_F(SubclassChainTest, ForeignSubclassAfterOursKeepsOursForwarding) {
    Recorder a("A"), b("B");
    SubclassChain::Attach(window, &a);
    gBelowForeign = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
    SubclassChain::Detach(window, &a);
    EXPECT_EQ(&ForeignProc, CurrentProc(window)) << "the foreign procedure is not overwritten";
    EXPECT_EQ(kBaseAnswer, Probe());
    EXPECT_THAT(gLog, ElementsAre("foreign:probe", "base:probe"));
    ASSERT_TRUE(SubclassChain::Attach(window, &b)) << "a new handler joins the forwarding chain";
    EXPECT_EQ(kBaseAnswer, Probe());
    EXPECT_THAT(gLog, ElementsAre("foreign:probe", "B:probe", "base:probe"));
    SubclassChain::Detach(window, &b);
    DestroyWindow(window);
    EXPECT_EQ(chainsBefore, SubclassChain::ChainedWindowCount())
        << "the forwarding state goes with the window";
}

TEST_F(SubclassChainTest, FortyWindowsWithTwoHandlersEach) {
    constexpr int kWindows = 40;
    std::vector<HWND> windows;
    std::vector<std::unique_ptr<Recorder>> handlers;
    for (int i = 0; i < kWindows; ++i) {
        windows.push_back(MakeWindow());
        for (const char* name : {"A", "B"}) {
            handlers.push_back(std::make_unique<Recorder>(name + std::to_string(i)));
            ASSERT_TRUE(SubclassChain::Attach(windows.back(), handlers.back().get()));
        }
    }
    for (int i = 0; i < kWindows; ++i) {
        gLog.clear();
        EXPECT_EQ(kBaseAnswer, SendMessageA(windows[i], kProbe, 0, 0));
        const std::string n = std::to_string(i);
        EXPECT_THAT(gLog, ElementsAre("B" + n + ":probe", "A" + n + ":probe", "base:probe"));
    }
    for (int i = 0; i < kWindows; ++i) {
        SubclassChain::Detach(windows[i], handlers[2 * i].get());
        SubclassChain::Detach(windows[i], handlers[2 * i + 1].get());
        EXPECT_EQ(&BaseProc, CurrentProc(windows[i]));
        DestroyWindow(windows[i]);
    }
    EXPECT_EQ(chainsBefore, SubclassChain::ChainedWindowCount());
}

// Frees itself, or another handler, from inside its own message.
struct Remover : Recorder {
    Remover(std::string n, HWND w, std::unique_ptr<Recorder>& v)
        : Recorder(std::move(n)), window(w), victim(v) {}
    bool OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        const bool ate = Recorder::OnMessage(hwnd, message, wParam, lParam, result);
        if (message == kProbe && victim != nullptr) {
            SubclassChain::Detach(window, victim.get());
            victim.reset(); // may be this object: nothing of it is touched after
        }
        return ate;
    }
    HWND window;
    std::unique_ptr<Recorder>& victim;
};

TEST_F(SubclassChainTest, HandlersDetachedAndFreedDuringDispatchAreNeverCalled) {
    std::unique_ptr<Recorder> a = std::make_unique<Recorder>("A");
    std::unique_ptr<Recorder> b, c;
    b = std::make_unique<Remover>("B", window, b); // removes itself
    c = std::make_unique<Remover>("C", window, a); // removes A, which comes after it
    for (Recorder* r : {a.get(), b.get(), c.get()}) {
        SubclassChain::Attach(window, r);
    }
    EXPECT_EQ(kBaseAnswer, Probe());
    EXPECT_THAT(gLog, ElementsAre("C:probe", "B:probe", "base:probe"));
    EXPECT_EQ(kBaseAnswer, Probe());
    EXPECT_THAT(gLog, ElementsAre("C:probe", "base:probe"));
    SubclassChain::Detach(window, c.get());
    EXPECT_EQ(&BaseProc, CurrentProc(window));
}

TEST_F(SubclassChainTest, DestroyingTheWindowForwardsNcDestroyThenFreesTheState) {
    Recorder a("A"), b("B", WM_NCDESTROY); // B consumes WM_NCDESTROY: the base still sees it
    SubclassChain::Attach(window, &a);
    SubclassChain::Attach(window, &b);
    gLog.clear();
    DestroyWindow(window);
    EXPECT_THAT(gLog, ElementsAre("B:destroy", "A:destroy", "base:destroy", "B:ncdestroy", "base:ncdestroy"));
    EXPECT_EQ(chainsBefore, SubclassChain::ChainedWindowCount());
    EXPECT_FALSE(SubclassChain::IsAttached(window, &a));
}

TEST_F(SubclassChainTest, OwnClassAttachesItsObjectAtNcCreate) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = &SubclassChain::OwnClassProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "SubclassChainTestOwn";
    ASSERT_NE(0, RegisterClassA(&wc));
    Recorder own("own", kProbe, 9);
    gLog.clear();
    HWND hwnd = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                GetModuleHandleA(nullptr), &own);
    ASSERT_NE(nullptr, hwnd);
    EXPECT_THAT(gLog, ElementsAre("own:nccreate", "own:create"));
    EXPECT_EQ(9, SendMessageA(hwnd, kProbe, 0, 0));
    DestroyWindow(hwnd);
    EXPECT_EQ(chainsBefore, SubclassChain::ChainedWindowCount());
    UnregisterClassA(wc.lpszClassName, wc.hInstance);
}

TEST_F(SubclassChainTest, RefusesWhatItCannotHook) {
    Recorder a("A");
    EXPECT_FALSE(SubclassChain::Attach(nullptr, &a));
    EXPECT_FALSE(SubclassChain::Attach(reinterpret_cast<HWND>(static_cast<LONG_PTR>(0x7654)), &a));
    EXPECT_FALSE(SubclassChain::Attach(window, nullptr));
    EXPECT_TRUE(SubclassChain::Attach(window, &a));
    EXPECT_FALSE(SubclassChain::Attach(window, &a)) << "twice on one window";
    SubclassChain::Detach(window, &a);
    EXPECT_EQ(chainsBefore, SubclassChain::ChainedWindowCount());
}

} // namespace
} // namespace quellar

namespace quellar {
namespace {

// Asks the rest of the chain first, then changes its answer: what a frame handler does with
// WM_NCCALCSIZE or WM_SIZE.
struct AfterTheRest : TSubclassHandler {
    bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        Log("after", message);
        if (message != kProbe && message != WM_NCDESTROY) {
            return false;
        }
        result = SubclassChain::CallNext(window, message, wParam, lParam) + 1;
        return true;
    }
};

TEST_F(SubclassChainTest, CallNextRunsOlderHandlersAndThePreviousProcedureOnce) {
    Recorder older("older");
    AfterTheRest after;
    SubclassChain::Attach(window, &older);
    SubclassChain::Attach(window, &after);
    EXPECT_EQ(kBaseAnswer + 1, Probe());
    EXPECT_THAT(gLog, ElementsAre("after:probe", "older:probe", "base:probe"));

    gLog.clear();
    DestroyWindow(window);
    std::erase_if(gLog, [](const std::string& s) { return s.find("ncdestroy") == std::string::npos; });
    // Consumed after CallNext: the base still frees its state exactly once.
    EXPECT_THAT(gLog, ElementsAre("after:ncdestroy", "older:ncdestroy", "base:ncdestroy"));
    EXPECT_EQ(chainsBefore, SubclassChain::ChainedWindowCount());
}

// A skin part that runs out of memory on the probe, before or after passing it on.
struct Thrower : TSubclassHandler {
    explicit Thrower(bool passOnFirst) : passOn(passOnFirst) {}
    bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) override {
        Log("thrower", message);
        if (message == kProbe) {
            if (passOn) {
                SubclassChain::CallNext(window, message, wParam, lParam);
            }
            throw std::bad_alloc();
        }
        return false;
    }
    bool passOn;
};

// No exception gets past the chain: the window answers as if the failing handler were not
// there, the older handler and the base see the probe once, and the failing handler is off.
TEST_F(SubclassChainTest, AThrowingHandlerIsSwitchedOffAndTheMessageGoesOn) {
    for (const bool passOn : {false, true}) {
        Recorder older("older");
        Thrower thrower(passOn);
        SubclassChain::Attach(window, &older);
        SubclassChain::Attach(window, &thrower);
        const int failures = BoundaryFailures();
        EXPECT_EQ(kBaseAnswer, Probe());
        EXPECT_THAT(gLog, ElementsAre("thrower:probe", "older:probe", "base:probe"));
        EXPECT_EQ(failures + 1, BoundaryFailures());
        EXPECT_FALSE(SubclassChain::IsAttached(window, &thrower));
        EXPECT_EQ(kBaseAnswer, Probe());
        EXPECT_THAT(gLog, ElementsAre("older:probe", "base:probe"));
        SubclassChain::Detach(window, &older);
        EXPECT_EQ(&BaseProc, CurrentProc(window));
    }
}

} // namespace
} // namespace quellar
