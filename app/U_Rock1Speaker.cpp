// The PC speaker driver: Beep on the NT family, the interval timer and speaker gate elsewhere.
#include "app/U_Rock1.h"
#include "app/U_Rock1Platform.h"

#include <algorithm>

namespace quellar {

namespace {

constexpr std::uint8_t kGateBits = 0x03; // bit 0: timer 2 gate, bit 1: speaker connected

// Milliseconds since start on the tick count, correct across its wrap from 2^32 - 1 to 0.
std::uint32_t TicksSince(ISpeakerPlatform& platform, std::uint32_t start) {
    return platform.TickCount() - start;
}

} // namespace

void SpeakerTone(std::int32_t frequency, std::int32_t durationMs) {
    ISpeakerPlatform& platform = SpeakerPlatform();
    if (platform.PlatformId() != kPlatformNtFamily) {
        SpeakerOn(static_cast<std::uint16_t>(frequency));
        WaitMs(durationMs);
        return;
    }
    // A negative duration would reach Beep as about 49 days; it counts as none.
    const std::int32_t duration = std::max(durationMs, 0);
    const std::uint32_t start = platform.TickCount();
    platform.Beep(static_cast<std::uint32_t>(frequency), static_cast<std::uint32_t>(duration));
    // Beep returns early where the system has no beeper or rejects the frequency; the caller
    // still relies on the tone taking its duration.
    if (TicksSince(platform, start) < static_cast<std::uint32_t>(duration)) {
        WaitMs(duration - static_cast<std::int32_t>(TicksSince(platform, start)));
    }
}

void SpeakerOff() {
    if (SpeakerPlatform().PlatformId() == kPlatformNtFamily) {
        return;
    }
    const std::uint8_t control = PortRead(kPortSpeakerControl);
    PortWrite(kPortSpeakerControl, control & ~kGateBits & 0xFF);
}

void SpeakerOn(std::uint16_t frequency) {
    if (frequency < kSpeakerMinPortHz) {
        return; // the divisor would not fit in 16 bits
    }
    const std::uint32_t divisor = static_cast<std::uint32_t>(kSpeakerClockHz) / frequency;
    const std::uint8_t control = PortRead(kPortSpeakerControl);
    if ((control & kGateBits) == 0) {
        // The gate opens before the timer is loaded; while it is open only the divisor changes,
        // so the pitch moves without a break.
        PortWrite(kPortSpeakerControl, control | kGateBits);
        PortWrite(kPortTimerMode, kTimer2SquareWaveMode);
    }
    PortWrite(kPortTimer2Data, divisor & 0xFF);
    PortWrite(kPortTimer2Data, (divisor >> 8) & 0xFF);
}

void WaitMs(std::int32_t ms) {
    ISpeakerPlatform& platform = SpeakerPlatform();
    const std::uint32_t start = platform.TickCount();
    do {
        platform.Sleep(1);
    } while (static_cast<std::int64_t>(TicksSince(platform, start)) < ms);
}

void PortWrite(std::uint16_t port, std::uint16_t value) {
    SpeakerPlatform().OutPort(port, static_cast<std::uint8_t>(value & 0xFF));
}

std::uint8_t PortRead(std::uint16_t port) {
    return SpeakerPlatform().InPort(port);
}

} // namespace quellar
