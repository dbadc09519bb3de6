// Every build renders the same bytes: checksums of whole images (header, data, padding) for a
// spread of parameters, recorded from the native build. The Windows builds run this under Wine,
// so a difference in floating-point evaluation or in the math library between the builds shows
// here. When the synthesis changes on purpose, the new sums are printed by the failures. When
// the sine moved onto one continuous phase, the sines at 44,100 frames/s above 14,700 Hz (15 kHz
// stereo, 17321 Hz 8-bit, the hertz entries) kept their sums: they already ran on it.
#include "RecordingSoundService.h"
#include "tonegen/ToneGen.h"

#include <gtest/gtest.h>

#include <cinttypes>
#include <cstdio>
#include <functional>

namespace quellar::test {
namespace {

std::uint64_t Fnv1a(const std::uint8_t* p, std::size_t n) {
    std::uint64_t h = 14695981039346656037ull;
    for (std::size_t i = 0; i < n; ++i) {
        h = (h ^ p[i]) * 1099511628211ull;
    }
    return h;
}

struct GoldenCase {
    const char* name;
    std::function<void(TToneGen&)> setup;
    bool envelope;
    std::uint64_t sum;
};

const GoldenCase kCases[] = {
    {"440 Hz defaults", [](TToneGen&) {}, true, 0xce000574597fff67ull},
    {"15 kHz low rate stereo",
     [](TToneGen& t) {
         t.SetFrequency(15000);
         t.SetQuality(tgLoQ);
         t.SetStereo(true);
         t.SetDuration(1000);
     },
     true, 0x52dfce205942fe62ull},
    {"17321 Hz low rate 8-bit",
     [](TToneGen& t) {
         t.SetFrequency(17321);
         t.SetQuality(tgLoQ);
         t.SetResolution(tg8Bit);
     },
     false, 0xce8cfcce2dc793e0ull},
    {"19999 Hz high rate",
     [](TToneGen& t) {
         t.SetFrequency(19999);
         t.SetDuration(2000);
     },
     true, 0xb2a64007cb72ac14ull},
    {"triangle 1234 Hz",
     [](TToneGen& t) {
         t.SetFrequency(1234);
         t.SetWaveform(tgTriangle);
         t.SetQuality(tgLoQ);
         t.SetDuration(3000);
     },
     true, 0x81def404e27855e8ull},
    {"sawtooth 777 Hz 8-bit stereo",
     [](TToneGen& t) {
         t.SetFrequency(777);
         t.SetWaveform(tgSawtooth);
         t.SetResolution(tg8Bit);
         t.SetStereo(true);
     },
     true, 0x25bc2299494454f3ull},
    {"noise", [](TToneGen& t) { t.SetWaveform(tgNoise); }, true, 0xa8cbb80a7d23e584ull},
    {"square with odd envelope",
     [](TToneGen& t) {
         t.SetFrequency(16000);
         t.SetWaveform(tgSquare);
         t.SetQuality(tgLoQ);
         t.SetAttack(3);
         t.SetHold(7);
         t.SetDecay(11);
         t.SetSustain(33);
         t.SetRelease(17);
         t.SetDuration(1111);
     },
     true, 0xc6957686ecc984a4ull},
    {"five table entries",
     [](TToneGen& t) {
         t.SetFrequency(300);
         t.SetAMParameter(tgAMLevel1, 20, 1.5f, tgSine);
         t.SetAMParameter(tgAMLevel2, 15, 2.25f, tgTriangle);
         t.SetAMParameter(tgAMLevel3, 10, 3.333f, tgSawtooth);
         t.SetAMParameter(tgAMLevel4, 5, 0.5f, tgNoise);
         t.SetAMParameter(tgAMLevel5, 30, 7.77f, tgSquare);
         t.SetDuration(1500);
     },
     true, 0xd712a924a9910e99ull},
    {"hertz entries above a third of the rate",
     [](TToneGen& t) {
         t.SetFrequency(15500);
         t.SetAMUseMultiplier(false);
         t.SetAMParameter(tgAMLevel1, 50, 31000.0f, tgSine);
         t.SetAMParameter(tgAMLevel2, 25, 29000.0f, tgTriangle);
         t.SetQuality(tgLoQ);
         t.SetDuration(777);
     },
     true, 0x0c8cfb0e235d8d06ull},
    {"largest image",
     [](TToneGen& t) {
         t.SetFrequency(18000);
         t.SetDuration(32767);
         t.SetStereo(true);
     },
     true, 0x8ae2337167db755aull},
};

TEST(GoldenImage, EveryBuildRendersTheSameBytes) {
    for (const GoldenCase& c : kCases) {
        TRecordingSoundService sound;
        TToneGen t(nullptr, &sound);
        c.setup(t);
        ASSERT_TRUE(t.RenderWave(c.envelope)) << c.name;
        const std::uint64_t sum = Fnv1a(t.GetDataBuffer(), static_cast<std::size_t>(t.DataSize()));
        char text[32];
        std::snprintf(text, sizeof text, "0x%016" PRIx64 "ull", sum);
        EXPECT_EQ(sum, c.sum) << c.name << ": " << text;
    }
}

} // namespace
} // namespace quellar::test
