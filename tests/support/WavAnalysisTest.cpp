#include "tests/support/WavAnalysis.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace quellar::testing {
namespace {

// A 16-bit stereo WAV image of tone bursts: (frequency, seconds) pairs, frequency 0 = silence.
std::vector<std::uint8_t> MakeWav(int rate, const std::vector<std::pair<double, double>>& parts) {
    std::vector<std::int16_t> frames;
    for (auto [hz, seconds] : parts) {
        const int n = static_cast<int>(seconds * rate);
        for (int i = 0; i < n; ++i) {
            const double v = hz == 0 ? 0 : 0.5 * std::sin(2 * std::numbers::pi * hz * i / rate);
            frames.push_back(static_cast<std::int16_t>(v * 32767));
            frames.push_back(static_cast<std::int16_t>(v * 32767));
        }
    }
    const auto dataLen = static_cast<std::uint32_t>(frames.size() * 2);
    std::vector<std::uint8_t> b;
    auto put32 = [&](std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    auto put16 = [&](std::uint16_t v) {
        b.push_back(static_cast<std::uint8_t>(v));
        b.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    auto tag = [&](const char* t) {
        for (int i = 0; i < 4; ++i)
            b.push_back(static_cast<std::uint8_t>(t[i]));
    };
    tag("RIFF");
    put32(dataLen + 36);
    tag("WAVE");
    tag("fmt ");
    put32(16);
    put16(1);
    put16(2);
    put32(static_cast<std::uint32_t>(rate));
    put32(static_cast<std::uint32_t>(rate * 4));
    put16(4);
    put16(16);
    tag("data");
    put32(dataLen + 1000); // as a recorder cut short leaves it: more than the file holds
    for (std::int16_t s : frames)
        put16(static_cast<std::uint16_t>(s));
    return b;
}

TEST(WavAnalysis, FindsBurstsAndTheirFrequencies) {
    const auto c = ParseWav(MakeWav(96000, {{0, 0.2}, {15000, 0.3}, {0, 0.1}, {17520, 0.25}, {0, 0.1}}));
    ASSERT_TRUE(c);
    EXPECT_EQ(c->rate, 96000);
    EXPECT_NEAR(c->Seconds(), 0.95, 1e-3);
    const auto s = SoundingStretches(*c);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_NEAR(s[0].start, 0.2, 0.006);
    EXPECT_NEAR(s[0].Length(), 0.3, 0.011);
    EXPECT_NEAR(s[1].start, 0.6, 0.006);
    EXPECT_NEAR(DominantFrequency(*c, s[0].start, s[0].end), 15000, 1.0);
    EXPECT_NEAR(DominantFrequency(*c, s[1].start, s[1].end, 14000, 21000), 17520, 1.0);
    EXPECT_GT(PowerAt(*c, 0.25, 0.45, 15000), 100 * PowerAt(*c, 0.25, 0.45, 17520));
}

TEST(WavAnalysis, RejectsWhatIsNotPcmWave) {
    EXPECT_FALSE(ParseWav({}));
    std::vector<std::uint8_t> notWave = MakeWav(44100, {{440, 0.01}});
    notWave[8] = 'X';
    EXPECT_FALSE(ParseWav(notWave));
    std::vector<std::uint8_t> noData = MakeWav(44100, {{440, 0.01}});
    noData.resize(36);
    EXPECT_FALSE(ParseWav(noData));
}

} // namespace
} // namespace quellar::testing
