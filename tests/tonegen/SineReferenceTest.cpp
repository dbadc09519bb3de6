// The sine is rendered from a per-oscillator table of one cycle. This compares it, sample for
// sample, with the plain rule computed frame by frame: s = Trunc(sin(pos x 2 pi / first cycle
// length) / 2 x P), pos counting within cycles that end at frames Trunc(k x p).
#include "RecordingSoundService.h"
#include "ToneGenTestSupport.h"
#include "tonegen/ToneGen.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quellar::test {
namespace {

// The mono 16-bit samples of one sine oscillator, computed frame by frame.
std::vector<std::int16_t> ReferenceSine(int frequency, int amplitude, int rate, std::size_t frames) {
    const double p = static_cast<double>(rate) / frequency;
    const double peak = (amplitude * 65534) / 100.0;
    const double step = 6.283185307179586477 / static_cast<double>(static_cast<std::int64_t>(p));
    std::vector<std::int16_t> out(frames);
    std::int64_t cycleEnd = static_cast<std::int64_t>(p), cycle = 1, start = 0;
    for (std::size_t n = 0; n < frames; ++n) {
        if (static_cast<std::int64_t>(n) == cycleEnd) {
            start = cycleEnd;
            ++cycle;
            cycleEnd = static_cast<std::int64_t>(cycle * p); // frame Trunc(k x p) ends cycle k
        }
        const auto pos = static_cast<double>(static_cast<std::int64_t>(n) - start);
        out[n] = static_cast<std::int16_t>(static_cast<std::int64_t>(std::sin(pos * step) / 2 * peak));
    }
    return out;
}

TEST(SineReference, TabulatedCyclesEqualTheFrameByFrameRule) {
    TRecordingSoundService sound;
    TToneGen t(nullptr, &sound);
    t.SetDuration(700);
    t.SetAMUseMultiplier(false);
    for (TTGQuality q : {tgHiQ, tgLoQ}) {
        const int rate = q == tgHiQ ? 96000 : 44100;
        t.SetQuality(q);
        for (int f : {20, 37, 440, 441, 997, 1000, 4410, 9600, 14000, 14699}) {
            t.SetFrequency(static_cast<std::int16_t>(f));
            t.SetAMParameter(tgAMLevel1, 0, 0, tgSine);
            ASSERT_TRUE(t.RenderWave(false));
            const std::size_t frames = DataLength(t) / 2;
            ASSERT_EQ(Samples16(t, frames), ReferenceSine(f, 100, rate, frames)) << f << " Hz at " << rate;
            // Added onto another oscillator: the sum of the two references, at 60 % and 40 %.
            t.SetAMParameter(tgAMLevel1, 40, 3001.0f, tgSine);
            ASSERT_TRUE(t.RenderWave(false));
            const auto main = ReferenceSine(f, 60, rate, frames);
            const auto added = ReferenceSine(3001, 40, rate, frames);
            const auto rendered = Samples16(t, frames);
            for (std::size_t n = 0; n < frames; ++n) {
                ASSERT_EQ(rendered[n], static_cast<std::int16_t>(main[n] + added[n]))
                    << f << " Hz, frame " << n;
            }
        }
    }
}

} // namespace
} // namespace quellar::test
