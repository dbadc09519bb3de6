// The real speaker platform and the routines on it, on Windows (under Wine in the test runs,
// which reports the NT family and whose Beep returns at once).
#include "app/U_Rock1.h"
#include "app/U_Rock1Platform.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>

namespace quellar {
namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

TEST(SpeakerOnWindows, PlatformFamilyIsTheVersionQuerysAndThe64BitBuildCountsAsNt) {
#if defined(__i386__)
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(DefaultSpeakerPlatform().PlatformId(), info.dwPlatformId);
#else
    EXPECT_EQ(DefaultSpeakerPlatform().PlatformId(), kPlatformNtFamily);
#endif
}

TEST(SpeakerOnWindows, ToneBlocksForItsDurationOnTheNtFamily) {
    ASSERT_EQ(SpeakerPlatform().PlatformId(), kPlatformNtFamily) << "these runs happen on the NT family";
    const auto start = Clock::now();
    SpeakerTone(1000, 100);
    EXPECT_GE(MillisecondsSince(start), 99.0);
}

TEST(SpeakerOnWindows, PortsAreLeftAloneOnTheNtFamily) {
    // The in/out instructions would fault here; the routines must not execute them.
    ASSERT_EQ(SpeakerPlatform().PlatformId(), kPlatformNtFamily);
    SpeakerOff();
    SpeakerOn(15000);
    PortWrite(kPortSpeakerControl, 0xFF);
    EXPECT_EQ(PortRead(kPortSpeakerControl), 0);
}

TEST(SpeakerOnWindows, WaitSleepsAtLeastTheRequestedTime) {
    const auto start = Clock::now();
    WaitMs(50);
    EXPECT_GE(MillisecondsSince(start), 49.0);
    const auto once = Clock::now();
    WaitMs(0);
    EXPECT_LT(MillisecondsSince(once), 1000.0) << "a wait of 0 sleeps once and returns";
}

} // namespace
} // namespace quellar
