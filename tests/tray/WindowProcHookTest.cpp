// Replacing a window's procedure: messages seen and handed on, chains kept intact whichever
// hook goes first.
#include "TrayTestSupport.h"

#include "tray/WindowProcHook.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace quellar {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr UINT kProbe = WM_APP + 7;
std::vector<std::string> gSeen;

LRESULT CALLBACK BaseProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kProbe) {
        gSeen.push_back("base");
        return 42;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

class WindowProcHookTest : public ::testing::Test {
protected:
    WindowProcHookTest() {
        gSeen.clear();
        window = test::MakeWindow("HookTestWindow", WS_OVERLAPPEDWINDOW, nullptr, 100, 100);
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BaseProc));
        chainsBefore = SubclassChain::ChainedWindowCount();
    }
    ~WindowProcHookTest() override {
        if (IsWindow(window)) {
            DestroyWindow(window);
        }
    }
    static TWindowProcHook::Handler Logger(std::string name) {
        return [name](UINT message, WPARAM, LPARAM) {
            if (message == kProbe) {
                gSeen.push_back(name);
            }
        };
    }
    LRESULT Probe() { return SendMessageA(window, kProbe, 0, 0); }

    HWND window = nullptr;
    int chainsBefore = 0;
};

// Each hook sees the message, the newest first, and hands it on to the previous procedure, which
// answers; removed in either order, the hooks put the window's own procedure back.
TEST_F(WindowProcHookTest, HooksSeeTheMessageNewestFirstAndRemovedInEitherOrderPutBackTheProcedure) {
    for (const bool firstGoesFirst : {false, true}) {
        SCOPED_TRACE(firstGoesFirst ? "the first hook removed first" : "the second hook removed first");
        auto first = std::make_unique<TWindowProcHook>(window, Logger("first"));
        auto second = std::make_unique<TWindowProcHook>(window, Logger("second"));
        ASSERT_TRUE(first->Installed() && second->Installed());
        gSeen.clear();
        EXPECT_EQ(42, Probe());
        EXPECT_THAT(gSeen, ElementsAre("second", "first", "base"));
        (firstGoesFirst ? first : second).reset();
        gSeen.clear();
        EXPECT_EQ(42, Probe());
        EXPECT_THAT(gSeen, ElementsAre(firstGoesFirst ? "second" : "first", "base"));
        first.reset();
        second.reset();
        gSeen.clear();
        EXPECT_EQ(42, Probe());
        EXPECT_THAT(gSeen, ElementsAre("base"));
        EXPECT_EQ(&BaseProc, reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)));
        EXPECT_EQ(chainsBefore, SubclassChain::ChainedWindowCount());
    }
}

TEST_F(WindowProcHookTest, DestroyedWindowReleasesTheHook) {
    TWindowProcHook hook(window, Logger("hook"));
    DestroyWindow(window);
    EXPECT_FALSE(hook.Installed());
    EXPECT_EQ(chainsBefore, SubclassChain::ChainedWindowCount());
}

TEST_F(WindowProcHookTest, NoWindowNoHook) {
    TWindowProcHook none(nullptr, Logger("none"));
    EXPECT_FALSE(none.Installed());
    TWindowProcHook bogus(reinterpret_cast<HWND>(static_cast<LONG_PTR>(0x7654)), Logger("bogus"));
    EXPECT_FALSE(bogus.Installed());
    EXPECT_EQ(chainsBefore, SubclassChain::ChainedWindowCount());
    EXPECT_THAT(gSeen, IsEmpty());
}

} // namespace
} // namespace quellar
