// The real speaker platform and the routines on it, on Windows (under Wine in the test runs,
// which reports the NT family and whose Beep returns at once).
#include "app/U_Rock1.h"
#include "app/U_Rock1Platform.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace quellar {
namespace {

// The waits are measured on the platform's tick count, whose steps may be coarser than a
// millisecond; so are these checks.
DWORD TicksSince(DWORD start) {
    return GetTickCount() - start;
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
    const DWORD start = GetTickCount();
    SpeakerTone(1000, 100);
    EXPECT_GE(TicksSince(start), 100u);
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
    const DWORD start = GetTickCount();
    WaitMs(50);
    EXPECT_GE(TicksSince(start), 50u);
    const DWORD once = GetTickCount();
    WaitMs(0);
    EXPECT_LT(TicksSince(once), 1000u) << "a wait of 0 sleeps once and returns";
}

} // namespace
} // namespace quellar
