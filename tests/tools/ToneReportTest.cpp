// What the report finds in rendered tones, against components worked out from each waveform's
// definition: the frames a cycle pattern gives, and their discrete Fourier series by hand.
#include "tools/tone/ToneReport.h"
#include "tests/tonegen/RecordingSoundService.h"
#include "tonegen/ToneGen.h"
#include "tools/tone/FrequencyProbe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <numbers>

namespace quellar::test {
namespace {

TEST(FrequencyProbe, WholeCycleSinusoidsMeasureTheirEnergyAndAddUpToTheTotal) {
    // 3 + 4 cos(2 pi 1000 t) + 2 cos(pi n) over one second at 8000 frames/s: energies 9 N, 16 N / 2
    // and 4 N (the cross terms vanish over whole cycles), 21 N in all.
    constexpr int kRate = 8000;
    std::vector<double> x(kRate);
    for (int n = 0; n < kRate; ++n) {
        x[n] = 3 + 4 * std::cos(2 * std::numbers::pi * 1000 * n / kRate) + (n % 2 == 0 ? 2 : -2);
    }
    const TFrequencyProbe probe(x, kRate);
    const auto e = probe.EnergiesAt({0, 1000, 2000, 3999, 4000});
    const double n = kRate;
    EXPECT_NEAR(e[0], 9 * n, 1e-6 * n);
    EXPECT_NEAR(e[1], 8 * n, 1e-6 * n);
    EXPECT_NEAR(e[2], 0, 1e-6 * n);
    EXPECT_NEAR(e[3], 0, 1e-6 * n);
    EXPECT_NEAR(e[4], 4 * n, 1e-6 * n);
    EXPECT_NEAR(probe.TotalEnergy(), 21 * n, 1e-6 * n);
}

struct ReportCase {
    const char* name;
    std::function<void(TToneGen&)> setup;
    bool envelope;
    // Every component at or above -60 dB: hertz, level in dB, and the start of its origin.
    std::map<std::int32_t, std::pair<double, std::string>> components;
    std::int32_t audibleHz; // 0: nothing adults hear
};

// Levels worked out by hand from the frames each definition gives (one period each):
// - square 16,000 Hz at 96,000: 6 frames, 3 at -A then 3 at +A. X(k) = -2A / sin(pi k / 6) for odd
//   k, 0 for even: |X1| = 4A, |X3| = 2A at half the rate, whose energy counts once: 4 / 32, -9.03 dB.
// - triangle 16,000 Hz at 96,000: -32767, -10922, 10922, 32767, 10922, -10922 (the ramp in steps of
//   65534 / 3); X1 = -87378, X3 = -21846 at half the rate: -15.05 dB.
// - square 18,000 Hz at 96,000: cycles end at frames 5, 10, 16 (Trunc(k x 5.333)), halfLen
//   Trunc(5.833) div 2 = 2, so the 16-frame pattern is LLHHH LLHHH LLHHHH; its series gives the
//   levels below at multiples of 6,000 Hz. The 36,000, 24,000 and 12,000 Hz terms (2, 4, 6 x f
//   folded) are not in a square's own series: the short and long cycles make them.
// - a sine of 70 % beside one of 30 %: (30 / 70)^2, -7.36 dB; two of 50 %: 0 dB each.
const ReportCase kCases[] = {
    {"sine 18 kHz at 96,000",
     [](TToneGen& t) { t.SetFrequency(18000); },
     false,
     {{18000, {0.0, "fundamental"}}},
     0},
    {"sine 18 kHz at 44,100",
     [](TToneGen& t) {
         t.SetFrequency(18000);
         t.SetQuality(tgLoQ);
     },
     false,
     {{18000, {0.0, "fundamental"}}},
     0},
    {"sine 18 kHz at 96,000 under the envelope, 100 ms",
     [](TToneGen& t) {
         t.SetFrequency(18000);
         t.SetDuration(100);
     },
     true,
     {{18000, {0.0, "fundamental"}}},
     0},
    {"square 16 kHz at 96,000",
     [](TToneGen& t) {
         t.SetFrequency(16000);
         t.SetWaveform(tgSquare);
     },
     false,
     {{16000, {0.0, "fundamental"}}, {48000, {-9.03, "alias of harmonic 3"}}},
     0},
    {"triangle 16 kHz at 96,000",
     [](TToneGen& t) {
         t.SetFrequency(16000);
         t.SetWaveform(tgTriangle);
     },
     false,
     {{16000, {0.0, "fundamental"}}, {48000, {-15.05, "alias of harmonic 3"}}},
     0},
    {"square 18 kHz at 96,000",
     [](TToneGen& t) {
         t.SetFrequency(18000);
         t.SetWaveform(tgSquare);
     },
     false,
     {{18000, {0.0, "fundamental"}},
      {36000, {-8.17, "product of the cycle-length pattern (2 x f"}},
      {0, {-10.50, "offset"}},
      {24000, {-10.50, "product of the cycle-length pattern (4 x f"}},
      {30000, {-14.03, "alias of harmonic 7"}},
      {12000, {-15.83, "product of the cycle-length pattern (6 x f"}},
      {42000, {-16.75, "alias of harmonic 3"}},
      {6000, {-20.25, "alias of harmonic 5"}}},
     12000},
    {"sine 16 kHz with a table entry at half of it",
     [](TToneGen& t) {
         t.SetFrequency(16000);
         t.SetAMParameter(tgAMLevel1, 30, 0.5f, tgSine);
     },
     false,
     {{16000, {0.0, "main oscillator: fundamental"}}, {8000, {-7.36, "table entry 1: fundamental"}}},
     8000},
    {"a table entry in hertz above half the rate folds: 44,100 - 30,000",
     [](TToneGen& t) {
         t.SetFrequency(16000);
         t.SetQuality(tgLoQ);
         t.SetAMUseMultiplier(false);
         t.SetAMParameter(tgAMLevel1, 50, 30000.0f, tgSine);
     },
     false,
     {{16000, {0.0, "main oscillator: fundamental"}},
      {14100, {0.0, "table entry 1: alias of the fundamental"}}},
     14100},
};

TEST(ToneReport, FindsTheComponentsEachWaveformIsMadeOf) {
    for (const ReportCase& c : kCases) {
        SCOPED_TRACE(c.name);
        TRecordingSoundService sound;
        TToneGen t(nullptr, &sound);
        t.SetDuration(1000);
        c.setup(t);
        ASSERT_TRUE(t.RenderWave(c.envelope));
        const auto oscillators = t.Oscillators();
        const TWaveFormat format = MakeWaveFormat(t.Resolution(), t.Quality(), t.Stereo());
        const TToneReport r = AnalyseTone(t.GetDataBuffer() + 44, t.DataSize() - 76, format,
                                          {oscillators.begin(), oscillators.end()}, c.envelope);
        EXPECT_TRUE(r.wholeCycles);
        std::map<std::int32_t, std::pair<double, std::string>> found;
        for (const TToneComponent& k : r.components) {
            found[k.hertz] = {k.levelDb, k.origin};
        }
        ASSERT_EQ(found.size(), c.components.size());
        for (const auto& [hz, expected] : c.components) {
            ASSERT_EQ(found.count(hz), 1u) << hz << " Hz";
            EXPECT_NEAR(found[hz].first, expected.first, 0.05) << hz << " Hz";
            EXPECT_EQ(found[hz].second.rfind(expected.second, 0), 0u) << hz << " Hz: " << found[hz].second;
        }
        EXPECT_EQ(r.audible ? r.audible->hertz : 0, c.audibleHz);
    }
}

TEST(ToneReport, NoiseIsBroadbandAndHeard) {
    TRecordingSoundService sound;
    TToneGen t(nullptr, &sound);
    t.SetWaveform(tgNoise);
    t.SetDuration(1000);
    ASSERT_TRUE(t.RenderWave(false));
    const auto oscillators = t.Oscillators();
    const TToneReport r =
        AnalyseTone(t.GetDataBuffer() + 44, t.DataSize() - 76, MakeWaveFormat(tg16Bit, tgHiQ, false),
                    {oscillators.begin(), oscillators.end()}, false);
    EXPECT_TRUE(r.noise);
    ASSERT_TRUE(r.elsewhereDb.has_value());
    EXPECT_NEAR(*r.elsewhereDb, 0.0, 0.01) << "the noise is the strongest line";
    EXPECT_TRUE(r.components.empty()) << "no single frequency stands out of it";
}

} // namespace
} // namespace quellar::test
