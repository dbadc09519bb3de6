// The real speaker platform. Built only for Windows. The I/O ports are reached with the x86
// in/out instructions, which only the systems outside the NT family let a program execute; on
// the NT family (and in the 64-bit build, which never runs anywhere else) the port calls do
// nothing, so a stray call cannot fault.
#include "app/U_Rock1.h"
#include "app/U_Rock1Platform.h"

#include <windows.h>

namespace quellar {

namespace {

std::uint32_t QueryPlatformId() {
#if defined(__i386__)
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (GetVersionExA(&info)) {
        return info.dwPlatformId;
    }
#endif
    return kPlatformNtFamily;
}

// Determined once, while the program starts.
const std::uint32_t gPlatformId = QueryPlatformId();

class Win32SpeakerPlatform final : public ISpeakerPlatform {
public:
    std::uint32_t PlatformId() override { return gPlatformId; }

    void Beep(std::uint32_t frequency, std::uint32_t durationMs) override {
        ::Beep(frequency, durationMs); // a frequency Beep does not support is accepted silently
    }

    std::uint8_t InPort(std::uint16_t port) override {
        std::uint8_t value = 0;
#if defined(__i386__)
        if (gPlatformId != kPlatformNtFamily) {
            __asm__ __volatile__("inb %w1, %b0" : "=a"(value) : "Nd"(port));
        }
#else
        (void)port;
#endif
        return value;
    }

    void OutPort(std::uint16_t port, std::uint8_t value) override {
#if defined(__i386__)
        if (gPlatformId != kPlatformNtFamily) {
            __asm__ __volatile__("outb %b0, %w1" : : "a"(value), "Nd"(port));
        }
#else
        (void)port;
        (void)value;
#endif
    }

    std::uint32_t TickCount() override {
        return GetTickCount();
    }

    void Sleep(std::uint32_t ms) override {
        ::Sleep(ms);
    }
};

} // namespace

ISpeakerPlatform& DefaultSpeakerPlatform() {
    static Win32SpeakerPlatform platform;
    return platform;
}

} // namespace quellar
