// The envelope applied to a constant signal, so every phase's gain can be read off directly,
// including the frame just past the data that each phase running to the end also shapes.
#include "tonegen/Envelope.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>
#include <vector>

namespace quellar {

bool operator==(const TEnvelopePhase& a, const TEnvelopePhase& b) {
    return a.kind == b.kind && a.first == b.first && a.length == b.length;
}
void PrintTo(const TEnvelopePhase& p, std::ostream* os) {
    *os << "phase " << p.kind << " from frame " << p.first << " for " << p.length;
}

namespace test {
namespace {

constexpr std::int16_t kX = 10000;
constexpr std::int64_t kFrames = 1000;

// 16-bit mono, kFrames frames of kX, then padding whose first frame also holds kX (as a
// rendered tail would) and whose rest holds a marker.
struct TBuffer16 {
    std::vector<std::int16_t> s = std::vector<std::int16_t>(kFrames + 16, 7);
    TBuffer16() { std::fill(s.begin(), s.begin() + kFrames + 1, kX); }
    std::uint8_t* Data() { return reinterpret_cast<std::uint8_t*>(s.data()); }
};

const TWaveFormat kMono16 = MakeWaveFormat(tg16Bit, tgHiQ, false);

std::vector<TEnvelopePhase> Plan(const TEnvelope& e, std::int64_t dataLen, int bpf) {
    TEnvelopePhase phases[5];
    const int n = PlanEnvelope(e, dataLen, bpf, phases);
    return std::vector<TEnvelopePhase>(phases, phases + n);
}

TEST(Envelope, DefaultPhasesFollowEachOtherOneFrameApart) {
    const auto p = Plan(TEnvelope{}, kFrames * 2, 2);
    EXPECT_EQ(p, (std::vector<TEnvelopePhase>{{TEnvelopePhase::attack, 0, 100},
                                              {TEnvelopePhase::hold, 101, 50},
                                              {TEnvelopePhase::decay, 152, 200},
                                              {TEnvelopePhase::sustain, 353, 350},
                                              {TEnvelopePhase::release, 704, 296}}));
}

TEST(Envelope, EveryPhaseShapesAConstantSignalAsItsGainSays) {
    TBuffer16 b;
    ApplyEnvelope(b.Data(), kFrames * 2, kMono16, TEnvelope{});
    const auto& s = b.s;
    EXPECT_EQ(s[0], 0) << "attack starts from silence";
    EXPECT_EQ(s[50], 5000);
    EXPECT_EQ(s[33], 3300) << "a hundredth more a frame";
    EXPECT_EQ(s[100], kX) << "the attack's last frame is at full level";
    EXPECT_EQ(s[101], kX);
    EXPECT_EQ(s[151], kX) << "hold";
    EXPECT_EQ(s[152], kX) << "decay starts at full level";
    EXPECT_EQ(s[252], 7500) << "halfway down to the sustain level";
    EXPECT_EQ(s[352], 5000) << "decay ends at the sustain level";
    EXPECT_EQ(s[353], 5000);
    EXPECT_EQ(s[703], 5000) << "sustain";
    EXPECT_EQ(s[704], 5000) << "release starts at the sustain level";
    EXPECT_EQ(s[852], 2500) << "148 of its 296 frames left";
    EXPECT_EQ(s[999], 16) << "Trunc(10000 x 0.5 / 296), the last frame of the data";
    EXPECT_EQ(s[1000], 0) << "the frame past the data is shaped too";
    EXPECT_EQ(s[1001], 7) << "nothing further";
}

TEST(Envelope, PhasesOverOneHundredAreScaledAndLeaveNoSustain) {
    const auto p = Plan(TEnvelope{60, 0, 60, 50, 30}, kFrames * 2, 2);
    EXPECT_EQ(p, (std::vector<TEnvelopePhase>{{TEnvelopePhase::attack, 0, 400},
                                              {TEnvelopePhase::decay, 401, 400},
                                              {TEnvelopePhase::release, 802, 198}}));
}

TEST(Envelope, WithoutReleaseTheSustainRunsToTheEnd) {
    TBuffer16 b;
    ApplyEnvelope(b.Data(), kFrames * 2, kMono16, TEnvelope{10, 0, 10, 40, 0});
    const auto p = Plan(TEnvelope{10, 0, 10, 40, 0}, kFrames * 2, 2);
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[2].kind, TEnvelopePhase::sustain);
    EXPECT_EQ(p[2].first, 202);
    EXPECT_EQ(p[2].length, 798);
    EXPECT_EQ(b.s[201], 4000);
    EXPECT_EQ(b.s[999], 4000);
    EXPECT_EQ(b.s[1000], 4000) << "up to and including the frame past the data";
    EXPECT_EQ(b.s[1001], 7);
}

TEST(Envelope, WhenEarlierPhasesUseTheWholeBufferTheReleaseDoesNothing) {
    EXPECT_EQ(Plan(TEnvelope{100, 0, 0, 50, 0}, kFrames * 2, 2).size(), 1u);
    // 10 frames: attack 0..5, decay 6..10 (one frame further each); the release would start
    // at frame 11, past the data.
    std::vector<std::int16_t> s(10 + 16, kX);
    ApplyEnvelope(reinterpret_cast<std::uint8_t*>(s.data()), 20, kMono16, TEnvelope{50, 0, 40, 50, 10});
    EXPECT_EQ(s[5], kX);
    EXPECT_EQ(s[10], kX / 2) << "the decay's end, not faded out";
    EXPECT_EQ(s[11], kX);
}

TEST(Envelope, EightBitSamplesAreShapedAroundTheirZeroLine) {
    std::vector<std::uint8_t> b(100 + 8, 128 + 100);
    std::fill(b.begin() + 100, b.end(), 128 - 100);
    ApplyEnvelope(b.data(), 100, MakeWaveFormat(tg8Bit, tgLoQ, false), TEnvelope{0, 0, 0, 50, 0});
    EXPECT_EQ(b[0], 128 + 50);
    EXPECT_EQ(b[99], 128 + 50);
    EXPECT_EQ(b[100], 128 - 50) << "frame N of the padding";
    EXPECT_EQ(b[101], 128 - 100);
    std::fill(b.begin(), b.end(), 128 - 99);
    ApplyEnvelope(b.data(), 100, MakeWaveFormat(tg8Bit, tgLoQ, false), TEnvelope{0, 0, 0, 50, 0});
    EXPECT_EQ(b[0], 128 - 49) << "Trunc(-49.5) goes towards zero";
}

TEST(Envelope, StereoCountsFramesAndWritesBothChannels) {
    std::vector<std::int16_t> s(2 * kFrames + 8, kX);
    for (std::size_t i = 1; i < s.size(); i += 2) {
        s[i] = -1; // a right channel that differs shows whether it is written
    }
    ApplyEnvelope(reinterpret_cast<std::uint8_t*>(s.data()), kFrames * 4,
                  MakeWaveFormat(tg16Bit, tgHiQ, true), TEnvelope{});
    EXPECT_EQ(s[2 * 50], 5000) << "attack of 100 frames, not 100 samples";
    EXPECT_EQ(s[2 * 50 + 1], 5000);
    EXPECT_EQ(s[2 * 500], 5000);
    EXPECT_EQ(s[2 * 500 + 1], 5000);
    EXPECT_EQ(s[2 * 1000], 0);
    EXPECT_EQ(s[2 * 1000 + 1], 0);
    EXPECT_EQ(s[2 * 1001], kX);
}

TEST(Envelope, ZeroLengthPhasesDoNotRun) {
    // 30 frames: 1 % of them rounds to 0 frames, so attack and hold are skipped altogether.
    const auto p = Plan(TEnvelope{1, 1, 50, 50, 30}, 60, 2);
    ASSERT_FALSE(p.empty());
    EXPECT_EQ(p[0].kind, TEnvelopePhase::decay);
    EXPECT_EQ(p[0].first, 0);
}

} // namespace
} // namespace test
} // namespace quellar
