// The PC speaker driver against a recorded platform: port traffic, Beep calls and the wait.
#include "URock1FakeSpeakerPlatform.h"
#include "app/U_Rock1.h"

#include <gtest/gtest.h>

namespace quellar::test {
namespace {

using E = Event;
constexpr auto In = Call::In;
constexpr auto Out = Call::Out;
constexpr auto Beep = Call::Beep;

class Speaker : public ::testing::Test {
protected:
    FakeSpeakerPlatform fake;
    SpeakerPlatformOverride use{fake};
};

// SpeakerTone(15000, 500) with the gate closed (port 0x61 = 0x30): gate opened with the other
// bits kept, mode byte, divisor 79 low byte then high byte.
const std::vector<Event> kTone15000FromSilence = {
    {In, 0x61, 0x30}, {Out, 0x61, 0x33}, {Out, 0x43, 0xB6}, {Out, 0x42, 79}, {Out, 0x42, 0},
};

TEST_F(Speaker, ToneFromSilenceOpensGateLoadsDivisorAndKeepsSounding) {
    const std::uint32_t start = fake.tick;
    SpeakerTone(15000, 500);
    EXPECT_EQ(fake.PortAndBeepCalls(), kTone15000FromSilence);
    EXPECT_EQ(fake.tick - start, 500u) << "waits the duration in 1 ms sleeps, no more";
    EXPECT_EQ(fake.port61, 0x33) << "the speaker is left sounding";
}

// SpeakerTone(15000, 10) then SpeakerTone(16000, 10): the second call finds the gate open and
// only reloads the divisor (74), so the mode byte is written once.
const std::vector<Event> kTwoTonesInARow = {
    {In, 0x61, 0x30}, {Out, 0x61, 0x33}, {Out, 0x43, 0xB6}, {Out, 0x42, 79},
    {Out, 0x42, 0},   {In, 0x61, 0x33},  {Out, 0x42, 74},   {Out, 0x42, 0},
};

TEST_F(Speaker, SecondToneOnlyReloadsTheDivisor) {
    SpeakerTone(15000, 10);
    SpeakerTone(16000, 10);
    EXPECT_EQ(fake.PortAndBeepCalls(), kTwoTonesInARow);
}

TEST_F(Speaker, EitherGateBitSetCountsAsSounding) {
    for (std::uint8_t control : {0x01, 0x02, 0xFF}) {
        fake.events.clear();
        fake.port61 = control;
        SpeakerOn(1000);
        const std::vector<Event> expected = {{In, 0x61, control}, {Out, 0x42, 0xA9}, {Out, 0x42, 0x04}};
        EXPECT_EQ(fake.events, expected) << "port 0x61 = " << int(control);
    }
}

struct DivisorCase {
    std::int32_t frequency;
    std::uint32_t divisor;
};

TEST_F(Speaker, DivisorIsClockDividedByFrequencyRoundedDown) {
    const DivisorCase cases[] = {
        {19, 62799}, {1000, 1193}, {15000, 79}, {16000, 74}, {17500, 68},          {19887, 59},
        {20000, 59}, {20223, 59},  {20224, 58}, {65535, 18}, {65536 + 1000, 1193}, // the frequency is taken
                                                                                   // as a 16-bit number
    };
    for (const auto& c : cases) {
        fake.events.clear();
        fake.port61 = 0;
        SpeakerTone(c.frequency, 0);
        const std::vector<Event> expected = {
            {In, 0x61, 0},
            {Out, 0x61, 3},
            {Out, 0x43, 0xB6},
            {Out, 0x42, c.divisor & 0xFF},
            {Out, 0x42, c.divisor >> 8},
        };
        EXPECT_EQ(fake.PortAndBeepCalls(), expected) << c.frequency << " Hz";
    }
}

TEST_F(Speaker, BelowNineteenHertzTouchesNoPortButStillWaits) {
    for (std::int32_t frequency : {18, 1, 0}) {
        fake.events.clear();
        const std::uint32_t start = fake.tick;
        SpeakerTone(frequency, 100);
        EXPECT_TRUE(fake.PortAndBeepCalls().empty()) << frequency << " Hz";
        EXPECT_EQ(fake.tick - start, 100u) << frequency << " Hz";
    }
    EXPECT_EQ(fake.port61, 0x30);
}

TEST_F(Speaker, OffClearsBitsZeroAndOneAndKeepsTheRest) {
    const struct {
        std::uint8_t before, after;
    } cases[] = {{0x33, 0x30}, {0xFF, 0xFC}, {0x4E, 0x4C}, {0x00, 0x00}};
    for (const auto& c : cases) {
        fake.events.clear();
        fake.port61 = c.before;
        SpeakerOff();
        const std::vector<Event> expected = {{In, 0x61, c.before}, {Out, 0x61, c.after}};
        EXPECT_EQ(fake.events, expected);
    }
}

TEST_F(Speaker, ToneThenOffLeavesTheSpeakerAsFound) {
    fake.port61 = 0xA4;
    SpeakerTone(17500, 20);
    EXPECT_EQ(fake.port61, 0xA7);
    SpeakerOff();
    EXPECT_EQ(fake.port61, 0xA4);
}

TEST_F(Speaker, NtFamilyBeepsAndTouchesNoPort) {
    fake.platformId = kPlatformNtFamily;
    fake.beepTakesMs = 500; // a Beep that lasts its duration
    SpeakerTone(15000, 500);
    SpeakerOff();
    SpeakerTone(18, 100); // handed to Beep unchanged
    const std::vector<Event> expected = {{Beep, 15000, 500}, {Beep, 18, 100}};
    EXPECT_EQ(fake.PortAndBeepCalls(), expected);
    EXPECT_EQ(fake.port61, 0x30);
}

// The tone lasts its duration: a Beep that returns at once is followed by the wait, one that
// took the duration is not, and a negative duration beeps for no time.
TEST_F(Speaker, NtFamilyToneLastsItsDurationWhateverBeepTakes) {
    const struct {
        const char* name;
        std::uint32_t beepTakesMs;
        std::int32_t durationMs;
        std::uint32_t beepMs, sleeps, elapsedMs;
    } cases[] = {
        {"Beep returns at once", 0, 100, 100, 100, 100},
        {"Beep takes longer than the duration", 120, 100, 100, 0, 120},
        {"negative duration", 0, -1, 0, 0, 0},
    };
    fake.platformId = kPlatformNtFamily;
    for (const auto& c : cases) {
        fake.events.clear();
        fake.beepTakesMs = c.beepTakesMs;
        const std::uint32_t start = fake.tick;
        SpeakerTone(1000, c.durationMs);
        const std::vector<Event> beep = {{Beep, 1000, c.beepMs}};
        EXPECT_EQ(fake.PortAndBeepCalls(), beep) << c.name;
        EXPECT_EQ(fake.SleepCount(), c.sleeps) << c.name;
        EXPECT_EQ(fake.tick - start, c.elapsedMs) << c.name;
    }
}

TEST_F(Speaker, WaitOfZeroOrLessSleepsOnce) {
    for (std::int32_t ms : {0, -1, -2147483647 - 1}) {
        fake.events.clear();
        WaitMs(ms);
        const std::vector<Event> expected = {{Call::Sleep, 1, 0}};
        EXPECT_EQ(fake.events, expected) << ms << " ms";
    }
}

TEST_F(Speaker, WaitEndsAtTheFirstTickAtOrPastTheDuration) {
    fake.tickPerSleep = 16; // a coarse tick count, as on many systems
    const std::uint32_t start = fake.tick;
    WaitMs(100);
    EXPECT_EQ(fake.SleepCount(), 7u);
    EXPECT_EQ(fake.tick - start, 112u);
}

TEST_F(Speaker, WaitAcrossTheTickCountWrapEndsOnTime) {
    for (std::uint32_t startTick : {0xFFFFFFFFu, 0xFFFFFFF0u, 0xFFFFFF9Cu /* wraps on the last sleep */}) {
        fake.events.clear();
        fake.tick = startTick;
        WaitMs(100);
        EXPECT_EQ(fake.SleepCount(), 100u) << std::hex << startTick;
        EXPECT_EQ(fake.tick, startTick + 100u);
    }
}

TEST_F(Speaker, PortWriteSendsTheLowByte) {
    PortWrite(0x42, 0x1234);
    PortWrite(0x43, 0x00B6);
    EXPECT_EQ(PortRead(0x61), 0x30);
    const std::vector<Event> expected = {{Out, 0x42, 0x34}, {Out, 0x43, 0xB6}, {In, 0x61, 0x30}};
    EXPECT_EQ(fake.events, expected);
}

TEST(SpeakerPlatform, OverrideIsUndoneWhenItsGuardEnds) {
    ISpeakerPlatform* const before = &SpeakerPlatform();
    {
        FakeSpeakerPlatform fake;
        SpeakerPlatformOverride use(fake);
        EXPECT_EQ(&SpeakerPlatform(), &fake);
    }
    EXPECT_EQ(&SpeakerPlatform(), before);
    EXPECT_EQ(before, &DefaultSpeakerPlatform());
}

} // namespace
} // namespace quellar::test
