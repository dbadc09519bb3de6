#pragma once
// What the PC speaker driver needs from the platform, behind one small interface so that tests
// can record port traffic, simulate port 0x61, run a fake tick count and force the platform
// family.
#include <cstdint>

namespace quellar {

class ISpeakerPlatform {
public:
    virtual ~ISpeakerPlatform() = default;
    // The platform identifier of the version query, determined once when the process starts;
    // kPlatformNtFamily (2) selects Beep.
    virtual std::uint32_t PlatformId() = 0;
    // Sounds a tone that ends by itself; returns when it has ended.
    virtual void Beep(std::uint32_t frequency, std::uint32_t durationMs) = 0;
    virtual std::uint8_t InPort(std::uint16_t port) = 0;
    virtual void OutPort(std::uint16_t port, std::uint8_t value) = 0;
    // The millisecond tick count; wraps from 2^32 - 1 to 0.
    virtual std::uint32_t TickCount() = 0;
    virtual void Sleep(std::uint32_t ms) = 0;
};

// The platform the speaker routines use: the one installed by SpeakerPlatformOverride, or else
// the process default.
ISpeakerPlatform& SpeakerPlatform();

// The process default: the real platform on Windows (ports only in the 32-bit build and only
// off the NT family); elsewhere a platform without a speaker that counts as the NT family and
// whose Beep just waits for the duration.
ISpeakerPlatform& DefaultSpeakerPlatform();

// Installs a platform for the lifetime of the guard and puts the previous one back afterwards.
class SpeakerPlatformOverride {
public:
    explicit SpeakerPlatformOverride(ISpeakerPlatform& platform);
    ~SpeakerPlatformOverride();
    SpeakerPlatformOverride(const SpeakerPlatformOverride&) = delete;
    SpeakerPlatformOverride& operator=(const SpeakerPlatformOverride&) = delete;

private:
    ISpeakerPlatform* previous_;
};

} // namespace quellar
