// The sine runs on one continuous phase at every rate and frequency, rendered from a table of the
// phases it takes. This compares it, frame by frame, with the sine computed at wider precision
// straight from the time: Trunc(sin(2 pi x f x n / rate) / 2 x P). The two may part by one unit
// where the product falls within rounding of a whole number, never more; a phase that restarted
// each cycle or drifted would be off by hundreds.
#include "RecordingSoundService.h"
#include "ToneGenTestSupport.h"
#include "tonegen/ToneGen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace quellar::test {
namespace {

// The mono 16-bit samples of one sine oscillator, from the time in long double.
std::vector<std::int32_t> ReferenceSine(int frequency, int amplitude, int rate, std::size_t frames) {
    const long double twoPi = 6.283185307179586476925286766559L;
    const long double peak = (amplitude * 65534) / 100.0L;
    std::vector<std::int32_t> out(frames);
    for (std::size_t n = 0; n < frames; ++n) {
        const long double t = static_cast<long double>(n) / rate;
        out[n] = static_cast<std::int32_t>(std::sin(twoPi * frequency * t) / 2 * peak);
    }
    return out;
}

TEST(SineReference, EveryFrameFollowsTheContinuousPhase) {
    TRecordingSoundService sound;
    TToneGen t(nullptr, &sound);
    t.SetDuration(700);
    t.SetAMUseMultiplier(false);
    for (TTGQuality q : {tgHiQ, tgLoQ}) {
        const int rate = q == tgHiQ ? 96000 : 44100;
        t.SetQuality(q);
        for (int f : {20, 37, 440, 997, 4410, 14699, 15000, 17321, 18000, 19999}) {
            t.SetFrequency(static_cast<std::int16_t>(f));
            t.SetAMParameter(tgAMLevel1, 0, 0, tgSine);
            ASSERT_TRUE(t.RenderWave(false));
            const std::size_t frames = DataLength(t) / 2;
            const auto alone = Samples16(t, frames);
            const auto reference = ReferenceSine(f, 100, rate, frames);
            // Added onto another oscillator: the sum of the two, at 60 % and 40 %.
            t.SetAMParameter(tgAMLevel1, 40, 3001.0f, tgSine);
            ASSERT_TRUE(t.RenderWave(false));
            const auto sum = Samples16(t, frames);
            const auto main = ReferenceSine(f, 60, rate, frames);
            const auto added = ReferenceSine(3001, 40, rate, frames);
            for (std::size_t n = 0; n < frames; ++n) {
                ASSERT_LE(std::abs(alone[n] - reference[n]), 1) << f << " Hz at " << rate << ", frame " << n;
                ASSERT_LE(std::abs(sum[n] - (main[n] + added[n])), 2) << f << " Hz + 3001 Hz, frame " << n;
            }
        }
    }
}

} // namespace
} // namespace quellar::test
