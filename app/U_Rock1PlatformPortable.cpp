// The speaker platform of systems other than Windows: there is no speaker to reach, so it
// counts as the NT family (a tone that ends by itself) and its Beep only waits.
#include "app/U_Rock1.h"
#include "app/U_Rock1Platform.h"

#include <chrono>
#include <thread>

namespace quellar {

namespace {

class PortableSpeakerPlatform final : public ISpeakerPlatform {
public:
    std::uint32_t PlatformId() override { return kPlatformNtFamily; }

    void Beep(std::uint32_t, std::uint32_t durationMs) override { Sleep(durationMs); }

    std::uint8_t InPort(std::uint16_t) override { return 0; }

    void OutPort(std::uint16_t, std::uint8_t) override {}

    std::uint32_t TickCount() override {
        const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
        // Wraps modulo 2^32 like the platform's tick count.
        return static_cast<std::uint32_t>(
            std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
    }

    void Sleep(std::uint32_t ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

} // namespace

ISpeakerPlatform& DefaultSpeakerPlatform() {
    static PortableSpeakerPlatform platform;
    return platform;
}

} // namespace quellar
