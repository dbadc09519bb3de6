// The rendered image: header and lengths of every format, sample values of each waveform, the
// noise and its generator, the modulation table's shares, and the sines above a third of the
// sample rate.
#include "RecordingSoundService.h"
#include "ToneGenTestSupport.h"
#include "base/Random.h"
#include "tonegen/ToneGen.h"
#include "tonegen/WaveHeader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace quellar::test {
namespace {

class WaveImage : public ::testing::Test {
protected:
    // Renders without envelope and returns the 16-bit samples (all channels) of the data.
    std::vector<std::int16_t> Render16() {
        EXPECT_TRUE(tone.RenderWave(false));
        return Samples16(tone, DataLength(tone) / 2);
    }
    std::vector<std::uint8_t> Render8() {
        EXPECT_TRUE(tone.RenderWave(false));
        const auto bytes = BytesAfterHeader(tone);
        return std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + DataLength(tone));
    }
    TRecordingSoundService sound;
    TToneGen tone{nullptr, &sound};
};

struct FormatCase {
    bool stereo;
    TTGQuality quality;
    TTGResolution resolution;
    std::uint16_t channels;
    std::uint32_t rate, bytesPerSecond;
    std::uint16_t blockAlign, bits;
    std::uint32_t dataLen100ms;
};

TEST_F(WaveImage, HeaderAndLengthsOfAllEightFormats) {
    const FormatCase cases[] = {
        {false, tgHiQ, tg16Bit, 1, 96000, 192000, 2, 16, 19200},
        {false, tgLoQ, tg16Bit, 1, 44100, 88200, 2, 16, 8820},
        {false, tgHiQ, tg8Bit, 1, 96000, 96000, 1, 8, 9600},
        {false, tgLoQ, tg8Bit, 1, 44100, 44100, 1, 8, 4410},
        {true, tgHiQ, tg16Bit, 2, 96000, 384000, 4, 16, 38400},
        {true, tgLoQ, tg16Bit, 2, 44100, 176400, 4, 16, 17640},
        {true, tgHiQ, tg8Bit, 2, 96000, 192000, 2, 8, 19200},
        {true, tgLoQ, tg8Bit, 2, 44100, 88200, 2, 8, 8820},
    };
    for (const FormatCase& c : cases) {
        tone.SetStereo(c.stereo);
        tone.SetQuality(c.quality);
        tone.SetResolution(c.resolution);
        ASSERT_TRUE(tone.RenderWave(false));
        const std::uint8_t* h = tone.GetDataBuffer();
        SCOPED_TRACE(testing::Message() << c.channels << " ch " << c.rate << " " << c.bits << " bit");
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(h), 4), "RIFF");
        EXPECT_EQ(U32At(h + 4), c.dataLen100ms + 36);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(h + 8), 8), "WAVEfmt ");
        EXPECT_EQ(U32At(h + 16), 16u);
        EXPECT_EQ(U16At(h + 20), 1u);
        EXPECT_EQ(U16At(h + 22), c.channels);
        EXPECT_EQ(U32At(h + 24), c.rate);
        EXPECT_EQ(U32At(h + 28), c.bytesPerSecond);
        EXPECT_EQ(U16At(h + 32), c.blockAlign);
        EXPECT_EQ(U16At(h + 34), c.bits);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(h + 36), 4), "data");
        EXPECT_EQ(U32At(h + 40), c.dataLen100ms);
        EXPECT_EQ(tone.DataSize(), static_cast<std::int32_t>(44 + c.dataLen100ms + 32));
    }
}

TEST_F(WaveImage, LengthsTruncateAtTheLowRateAndReachTheLargestImage) {
    EXPECT_EQ(WaveDataLength(MakeWaveFormat(tg16Bit, tgLoQ, false), 15), 1323) << "odd: half a sample";
    EXPECT_EQ(WaveDataLength(MakeWaveFormat(tg16Bit, tgLoQ, true), 15), 2646);
    EXPECT_EQ(WaveDataLength(MakeWaveFormat(tg8Bit, tgLoQ, false), 10), 441);
    EXPECT_EQ(WaveDataLength(MakeWaveFormat(tg16Bit, tgHiQ, true), 32767), 12582528);
    tone.SetDuration(15);
    tone.SetQuality(tgLoQ);
    const auto s = Render16();
    ASSERT_EQ(DataLength(tone), 1323u);
    // The last frame straddles the end of the data and writes its upper byte into the padding.
    const auto bytes = BytesAfterHeader(tone);
    const std::int16_t last = static_cast<std::int16_t>(bytes[1322] | bytes[1323] << 8);
    EXPECT_NE(last, 0);
    EXPECT_TRUE(std::all_of(bytes.begin() + 1324, bytes.end(), [](std::uint8_t b) { return b == 0; }));
}

TEST_F(WaveImage, Sine440RunsOnOnePhaseAndStereoCopiesLeftToRight) {
    const auto mono = Render16();
    ASSERT_EQ(mono.size(), 9600u);
    EXPECT_EQ(mono[0], 0);
    EXPECT_EQ(mono[1], 943) << "Trunc(sin(2 pi 440 / 96000) x 32767)";
    // 2,400 frames hold exactly 11 cycles, and 440 x 1800 = 792,000 = 8.25 x 96,000: the phase
    // is back at 0 there and at a quarter cycle (the exact peak) at frame 1800.
    EXPECT_EQ(mono[1800], 32767);
    for (std::size_t n = 0; n + 2400 < mono.size(); ++n) {
        ASSERT_EQ(mono[n + 2400], mono[n]) << n;
    }
    EXPECT_EQ(*std::min_element(mono.begin(), mono.end()), -32767);
    tone.SetStereo(true);
    const auto stereo = Render16();
    ASSERT_EQ(stereo.size(), 19200u);
    for (std::size_t i = 0; i < mono.size(); ++i) {
        ASSERT_EQ(stereo[2 * i], mono[i]) << i;
        ASSERT_EQ(stereo[2 * i + 1], mono[i]) << i;
    }
}

TEST_F(WaveImage, Sine20kHzAtTheHighRateAdvances75DegreesAFrame) {
    tone.SetFrequency(20000);
    const auto s = Render16();
    // 20,000 / 96,000 of a turn is 75 degrees: 0, 75, 150, 225, 300, 15, 90, 165, 240, 315, 30, 105,
    // 180 degrees, and the pattern repeats every 24 frames (5 cycles).
    const std::vector<std::int16_t> first(s.begin(), s.begin() + 13);
    EXPECT_EQ(first, (std::vector<std::int16_t>{0, 31650, 16383, -23169, -28377, 8480, 32767, 8480, -28377,
                                                -23169, 16383, 31650, 0}));
    for (std::size_t n = 0; n + 24 < s.size(); ++n) {
        ASSERT_EQ(s[n + 24], s[n]) << n;
    }
}

TEST_F(WaveImage, LowRate8BitMonoOf10msHas441BytesAndSilentPadding) {
    tone.SetDuration(10);
    tone.SetQuality(tgLoQ);
    tone.SetResolution(tg8Bit);
    ASSERT_TRUE(tone.RenderWave(false));
    EXPECT_EQ(DataLength(tone), 441u);
    const auto bytes = BytesAfterHeader(tone);
    ASSERT_EQ(bytes.size(), 441u + 32);
    EXPECT_EQ(bytes[0], 128);
    EXPECT_TRUE(std::all_of(bytes.begin() + 441, bytes.end(), [](std::uint8_t b) { return b == 128; }));
    // 440 Hz takes 2,205 phases a turn at 44,100 frames/s, none of them a quarter turn, so 127 x sin
    // stays below 127: the extremes are 128 + 126 and 128 - 126.
    EXPECT_EQ(*std::max_element(bytes.begin(), bytes.end()), 254);
    EXPECT_EQ(*std::min_element(bytes.begin(), bytes.end()), 2);
}

TEST_F(WaveImage, SquareAt20kHzIsTwoTroughFramesThenTheHalvedPeak) {
    tone.SetFrequency(20000);
    tone.SetWaveform(tgSquare);
    const auto s = Render16();
    const std::vector<std::int16_t> first(s.begin(), s.begin() + 9);
    EXPECT_EQ(first,
              (std::vector<std::int16_t>{-32767, -32767, 32767, 32767, -32767, -32767, 32767, 32767, 32767}));
}

// Half amplitude: the trough -63.5 (8-bit) rounds downwards, -16383.5 (16-bit) towards zero.
TEST_F(WaveImage, NegativeValuesRoundDownIn8BitAndTowardZeroIn16Bit) {
    tone.SetWaveform(tgSquare);
    tone.SetAMParameter(tgAMLevel1, 50, 0.0f, tgSine); // takes half the share, sounds nothing (0 Hz)
    tone.SetAMUseMultiplier(false);
    tone.SetResolution(tg8Bit);
    const auto b = Render8();
    EXPECT_EQ(b[0], 64);
    EXPECT_EQ(b[120], 128 + 63);
    tone.SetResolution(tg16Bit);
    const auto s = Render16();
    EXPECT_EQ(s[0], -16383);
    EXPECT_EQ(s[120], 16383);
}

TEST_F(WaveImage, TriangleAndSawtoothRampWithinEachCycle) {
    tone.SetFrequency(1000); // 96 frames per cycle, 48 up and 48 down
    tone.SetWaveform(tgTriangle);
    auto s = Render16();
    EXPECT_EQ(s[0], -32767);
    EXPECT_EQ(s[1], -31401) << "Trunc(-32767 + 65534 / 48)";
    EXPECT_TRUE(std::is_sorted(s.begin(), s.begin() + 49));
    EXPECT_GE(s[48], 32766);
    EXPECT_TRUE(std::is_sorted(s.begin() + 48, s.begin() + 96, std::greater<>()));
    EXPECT_EQ(s[96], -32767) << "each cycle starts again at the trough";
    tone.SetWaveform(tgSawtooth);
    s = Render16();
    EXPECT_EQ(s[0], -32767);
    EXPECT_EQ(s[1], -32084) << "Trunc(-32767 + 65534 / 96)";
    EXPECT_TRUE(std::is_sorted(s.begin(), s.begin() + 96));
    EXPECT_GE(s[95], 32767 - 683);
    EXPECT_EQ(s[96], -32767);
}

TEST_F(WaveImage, NoiseIsTheSeededGeneratorAndLeavesTheProgramsSequenceAlone) {
    tone.SetWaveform(tgNoise);
    RandSeed = 0xDEADBEEF;
    const auto first = Render16();
    EXPECT_EQ(RandSeed, 0xDEADBEEFu);
    std::uint32_t state = 1;
    for (std::size_t i = 0; i < 50; ++i) {
        state = state * 134775813u + 1u;
        const auto draw = static_cast<std::int32_t>((static_cast<std::uint64_t>(state) * 65535u) >> 32);
        ASSERT_EQ(first[i], draw - 32767) << i;
    }
    EXPECT_EQ(Render16(), first);
    tone.SetFrequency(20);
    EXPECT_EQ(Render16(), first) << "noise does not depend on the frequency";
}

TEST_F(WaveImage, TableEntriesShareTheFullScale) {
    tone.SetWaveform(tgSquare);
    tone.SetFrequency(1000);
    tone.SetAMParameter(tgAMLevel2, 25, 1.0f, tgSquare); // same frequency: the shares add
    auto s = Render16();
    EXPECT_EQ(s[0], static_cast<std::int16_t>(-32767 * 75 / 100.0) +
                        static_cast<std::int16_t>(-32767 * 25 / 100.0));
    // Shares summing to 150: the main oscillator is silent, entries scaled by 100/150.
    tone.SetAMParameter(tgAMLevel2, 100, 1.0f, tgSquare);
    tone.SetAMParameter(tgAMLevel3, 50, 1.0f, tgSquare);
    tone.SetWaveform(tgNoise); // would show if it sounded
    s = Render16();
    const int a66 = 100 * 100 / 150, a33 = 50 * 100 / 150;
    EXPECT_EQ(s[0], static_cast<std::int16_t>(-32767.0 * a66 / 100) +
                        static_cast<std::int16_t>(-32767.0 * a33 / 100));
    EXPECT_EQ(s[0], s[1]);
}

TEST_F(WaveImage, TableFrequenciesAreMultiplesOrHertz) {
    tone.SetWaveform(tgSquare);
    tone.SetAMParameter(tgAMLevel1, 100, 100.0f, tgSquare); // 440 x 100 is held at 20000 Hz
    auto s = Render16();
    EXPECT_EQ(std::vector<std::int16_t>(s.begin(), s.begin() + 5),
              (std::vector<std::int16_t>{-32767, -32767, 32767, 32767, -32767}));
    tone.SetAMUseMultiplier(false);
    tone.SetAMParameter(tgAMLevel1, 100, 20000.9f, tgSquare); // hertz, truncated
    EXPECT_EQ(Render16(), s);
    tone.SetAMParameter(tgAMLevel1, 100, 40000.0f, tgSquare); // beyond a 16-bit frequency: skipped
    s = Render16();
    EXPECT_TRUE(std::all_of(s.begin(), s.end(), [](std::int16_t v) { return v == 0; }));
    tone.SetAMParameter(tgAMLevel1, 100, 0.5f, tgSquare); // below 1 Hz: skipped
    s = Render16();
    EXPECT_TRUE(std::all_of(s.begin(), s.end(), [](std::int16_t v) { return v == 0; }));
}

TEST_F(WaveImage, TriangleWithoutAHalfPeriodIsSkipped) {
    tone.SetQuality(tgLoQ);
    tone.SetAMUseMultiplier(false);
    tone.SetAMParameter(tgAMLevel1, 60, 30000.0f, tgTriangle); // p = 1.47 frames: no half period
    tone.SetAMParameter(tgAMLevel2, 40, 1000.0f, tgSquare);
    const auto s = Render16();
    EXPECT_EQ(s[0], static_cast<std::int16_t>(-32767 * 40 / 100.0));
}

TEST_F(WaveImage, TableAmplitudesOutsideThePercentRangeAreRenderedClamped) {
    tone.SetWaveform(tgSquare);
    tone.SetAMParameter(tgAMLevel1, 150, 1.0f, tgSquare);
    const auto over = Render16();
    EXPECT_EQ(over[0], -32767) << "150 takes the full scale and no more";
    tone.SetAMParameter(tgAMLevel1, -50, 1.0f, tgSquare);
    const auto under = Render16();
    EXPECT_EQ(under[0], -32767) << "a negative entry is silent and does not raise the main share";
    EXPECT_EQ(tone.AMEntry(tgAMLevel1).amplitude, -50) << "the stored value stays";
}

// Above a third of the rate a sine's first cycle has fewer than 3 frames; taken from the step
// of that cycle every sample would be 0. Such sines are rendered from their exact phase.
TEST_F(WaveImage, SinesAboveAThirdOfTheRateSoundFromTheirExactPhase) {
    tone.SetQuality(tgLoQ);
    for (int f : {14701, 15000, 17000, 20000}) {
        tone.SetFrequency(static_cast<std::int16_t>(f));
        const auto s = Render16();
        for (std::size_t n = 0; n < s.size(); n += 97) {
            const double exact =
                std::sin(2 * std::numbers::pi *
                         static_cast<double>((f * static_cast<std::int64_t>(n)) % 44100) / 44100);
            ASSERT_NEAR(s[n], exact * 32767, 1.0) << f << " Hz, frame " << n;
        }
        EXPECT_GT(*std::max_element(s.begin(), s.end()), 28000) << f << " Hz is not silent";
    }
    tone.SetFrequency(14700); // exactly 3 frames per cycle: the step rule still applies
    const auto s = Render16();
    EXPECT_EQ(s[0], 0);
    EXPECT_EQ(s[1], static_cast<std::int16_t>(std::sin(2 * std::numbers::pi / 3) / 2 * 65534));
    EXPECT_EQ(s[3], 0);
}

TEST_F(WaveImage, WithoutASoundingOscillatorTheImageIsSilent) {
    tone.SetAMParameter(tgAMLevel1, 100, 0.0f, tgSine); // takes the whole share, sounds nothing
    tone.SetAMUseMultiplier(false);
    tone.SetResolution(tg8Bit);
    tone.SetStereo(true);
    ASSERT_TRUE(tone.RenderWave(true));
    const auto bytes = BytesAfterHeader(tone);
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](std::uint8_t b) { return b == 128; }));
}

TEST_F(WaveImage, EightBitStereoCopiesEveryByte) {
    tone.SetResolution(tg8Bit);
    tone.SetStereo(true);
    tone.SetWaveform(tgNoise);
    const auto b = Render8();
    ASSERT_EQ(b.size(), 19200u);
    for (std::size_t i = 0; i < b.size(); i += 2) {
        ASSERT_EQ(b[i], b[i + 1]) << i;
    }
}

} // namespace
} // namespace quellar::test
