#pragma once
// A speaker platform for tests: records every call, keeps port 0x61 as a register, and runs a
// tick count that moves only when the driver sleeps (by a chosen step per sleep).
#include "app/U_Rock1.h"
#include "app/U_Rock1Platform.h"

#include <cstdint>
#include <functional>
#include <ostream>
#include <vector>

namespace quellar::test {

enum class Call { In, Out, Beep, Sleep };

struct Event {
    Call call;
    std::uint32_t a; // port, frequency or sleep length
    std::uint32_t b; // value read or written, or beep duration
    bool operator==(const Event&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Event& e) {
    static const char* const kNames[] = {"In", "Out", "Beep", "Sleep"};
    return os << kNames[static_cast<int>(e.call)] << "(0x" << std::hex << e.a << ", 0x" << e.b << std::dec
              << ")";
}

class FakeSpeakerPlatform final : public ISpeakerPlatform {
public:
    std::uint32_t platformId = 1; // anything but the NT family: the port path
    std::uint8_t port61 = 0x30;   // gate closed, other bits set so a test sees them kept
    std::uint32_t tick = 1000;
    std::uint32_t tickPerSleep = 1;
    std::uint32_t beepTakesMs = 0; // how far a Beep moves the tick count
    std::vector<Event> events;
    // Told of every call as it is recorded: a test puts the speaker in order with other devices.
    std::function<void(const Event&)> onCall;

    std::uint32_t PlatformId() override { return platformId; }
    void Beep(std::uint32_t frequency, std::uint32_t durationMs) override {
        Record({Call::Beep, frequency, durationMs});
        tick += beepTakesMs;
    }
    std::uint8_t InPort(std::uint16_t port) override {
        const std::uint8_t value = port == kPortSpeakerControl ? port61 : 0xFF;
        Record({Call::In, port, value});
        return value;
    }
    void OutPort(std::uint16_t port, std::uint8_t value) override {
        if (port == kPortSpeakerControl) {
            port61 = value;
        }
        Record({Call::Out, port, value});
    }
    std::uint32_t TickCount() override { return tick; }
    void Sleep(std::uint32_t ms) override {
        Record({Call::Sleep, ms, 0});
        tick += tickPerSleep;
    }

    // The recorded calls without the sleeps.
    std::vector<Event> PortAndBeepCalls() const {
        std::vector<Event> calls;
        for (const Event& e : events) {
            if (e.call != Call::Sleep) {
                calls.push_back(e);
            }
        }
        return calls;
    }
    std::size_t SleepCount() const {
        std::size_t n = 0;
        for (const Event& e : events) {
            n += e.call == Call::Sleep ? 1 : 0;
        }
        return n;
    }

private:
    void Record(const Event& e) {
        events.push_back(e);
        if (onCall) {
            onCall(e);
        }
    }
};

} // namespace quellar::test
