// What the program played in the end-to-end runs (AudioScenario.h), read from the captures that
// audio-e2e.sh recorded: <run>.wav and the driver's <run>.timeline in the working folder. The
// driver's marker tone, the first sound of each capture, puts the driver's times on the
// capture's time line.
#include "tests/e2e/AudioScenario.h"
#include "tests/support/WavAnalysis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace quellar::e2e {
namespace {

using testing::Capture;
using testing::DominantFrequency;
using testing::Stretch;

// Sounding means above 0.05 RMS in 5 ms windows, with no bridging: the tone's envelope falls
// below that for about 10 ms between two repetitions, so every repetition is a stretch.
constexpr double kLoud = 0.05;
// How far an event may lie from where the driver's clock puts it: the marker and the program
// reach the sound server through different processes, and timers tick late by a few ms.
constexpr double kSlack = 0.15;

// One run's capture, its time line and what the marker says about their offset.
struct CapturedRun {
    Capture capture;
    std::map<std::string, double> times;
    double offset = 0;
    std::vector<Stretch> tone;  // what sounds after the marker
    std::vector<double> toneHz; // the dominant frequency of each
    std::string fault;          // why the run cannot be checked; empty when it can

    // Where a driver event lies in the capture, in seconds.
    double At(std::string_view event) const { return times.at(std::string(event)) + offset; }
    // The dominant frequency within the tone's band. A tenth of a second resolves a pure tone to
    // well under a hertz and keeps the scan of the band short.
    double ToneHz(double from, double to) const {
        return DominantFrequency(capture, from, std::min(to, from + 0.1), 14000, 21000);
    }
};

std::string Prepare(const std::string& run, CapturedRun& r) {
    auto capture = testing::ReadWav(run + ".wav");
    if (!capture) {
        return "no capture " + run + ".wav";
    }
    r.capture = std::move(*capture);
    std::ifstream timeline(run + ".timeline");
    std::string name;
    double seconds = 0;
    while (timeline >> name >> seconds) {
        r.times[name] = seconds;
    }
    for (std::string_view event : {kMarker, kStart, kExit, kGone}) {
        if (r.times.count(std::string(event)) == 0) {
            return run + ".timeline lacks " + std::string(event);
        }
    }
    const auto all = testing::SoundingStretches(r.capture, kLoud, 0.0, 0.02);
    if (all.empty()) {
        return "nothing sounds in " + run + ".wav";
    }
    const double markerHz = DominantFrequency(r.capture, all.front().start, all.front().end, 500, 2000);
    if (std::abs(markerHz - kMarkerHz) > 2.0) {
        return "the first sound (" + std::to_string(markerHz) + " Hz) is not the driver's marker";
    }
    r.offset = all.front().start - r.times[std::string(kMarker)];
    r.tone.assign(all.begin() + 1, all.end());
    for (const Stretch& s : r.tone) {
        r.toneHz.push_back(r.ToneHz(s.start + 0.02, s.end));
    }
    if (r.capture.Seconds() < r.At(kGone)) {
        return "the capture ends before the program did";
    }
    return {};
}

void Dump(const std::string& run, const CapturedRun& r) {
    std::printf("%s: start %.3f s, exit %.3f s in the capture; %zu tone stretches:\n", run.c_str(),
                r.At(kStart), r.At(kExit), r.tone.size());
    for (std::size_t i = 0; i < r.tone.size(); ++i) {
        std::printf("  %.3f..%.3f s (%3.0f ms) %.2f Hz\n", r.tone[i].start, r.tone[i].end,
                    r.tone[i].Length() * 1000, r.toneHz[i]);
    }
}

// Each capture is read and measured once for all the checks of its run.
const CapturedRun& Loaded(const std::string& run) {
    static std::map<std::string, CapturedRun> runs;
    auto [it, added] = runs.try_emplace(run);
    if (added) {
        it->second.fault = Prepare(run, it->second);
        if (it->second.fault.empty()) {
            Dump(run, it->second);
        }
    }
    return it->second;
}

// Under load the sound server may run short for a moment, cutting a repetition in two; such
// pieces are too short to measure a frequency on, so the checks of pitch and rhythm look at the
// stretches of at least this length.
constexpr double kMeasurable = 0.08;

struct Heard {
    Stretch stretch;
    double hz = 0;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

class RunTest : public ::testing::Test {
protected:
    void Use(const std::string& run) {
        r_ = &Loaded(run);
        ASSERT_TRUE(r_->fault.empty()) << r_->fault;
    }
    double At(std::string_view event) const { return r_->At(event); }
    const std::vector<Stretch>& Tone() const { return r_->tone; }
    std::vector<Heard> Measurable() const {
        std::vector<Heard> heard;
        for (std::size_t i = 0; i < r_->tone.size(); ++i) {
            if (r_->tone[i].Length() >= kMeasurable) {
                heard.push_back({r_->tone[i], r_->toneHz[i]});
            }
        }
        return heard;
    }

    const CapturedRun* r_ = nullptr;
};

// First start, Sound device on, a fixed 17,000 Hz, 1000 ms interval, 250 ms tone, then STOP.
class SteadyRun : public RunTest {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(Use("steady")); }
    double Interval() const { return kSteady.intervalMs / 1000.0; }
    double Duration() const { return kSteady.durationMs / 1000.0; }
};

TEST_F(SteadyRun, EveryRepetitionSoundsAtTheSliderFrequency) {
    const std::vector<Heard> heard = Measurable();
    ASSERT_GE(heard.size(), 6u);
    for (const Heard& h : heard) {
        EXPECT_NEAR(h.hz, kSteady.frequencyHz, 2.0) << "at " << h.stretch.start << " s";
    }
}

TEST_F(SteadyRun, FirstToneComesOneIntervalAfterStart) {
    ASSERT_FALSE(Tone().empty());
    EXPECT_NEAR(Tone().front().start - At(kStart), Interval(), kSlack);
}

// The looping image repeats once per Duration; each repetition rises and falls with the
// envelope, so it sounds a little shorter than Duration above the threshold.
TEST_F(SteadyRun, ToneRepeatsOncePerDurationAndSoundsForIt) {
    const std::vector<Stretch>& tone = Tone();
    std::vector<double> spacings;
    std::size_t whole = 0;
    for (std::size_t i = 0; i < tone.size(); ++i) {
        EXPECT_LE(tone[i].Length(), Duration() + 0.005) << "at " << tone[i].start << " s";
        if (tone[i].Length() < 0.8 * Duration()) {
            continue;
        }
        ++whole;
        if (i + 1 < tone.size() && tone[i + 1].Length() >= 0.8 * Duration()) {
            spacings.push_back(tone[i + 1].start - tone[i].start);
        }
    }
    EXPECT_GE(2 * whole, tone.size()) << "most repetitions are cut short";
    ASSERT_GE(spacings.size(), 3u);
    EXPECT_NEAR(Median(spacings), Duration(), 0.01);
}

// From the first tick to STOP the tone sounds but for the envelope's quiet ends (and the odd
// short drop-out of the sound server).
TEST_F(SteadyRun, ToneSoundsUntilStop) {
    const std::vector<Stretch>& tone = Tone();
    ASSERT_FALSE(tone.empty());
    double sounding = 0;
    for (const Stretch& s : tone) {
        sounding += s.Length();
    }
    EXPECT_GT(sounding, 0.7 * (At(kStop) - tone.front().start));
    EXPECT_GT(tone.back().end, At(kStop) - Duration() - kSlack) << "the tone ended before STOP";
}

TEST_F(SteadyRun, StopSilencesTheToneAndNoTickRestartsIt) {
    const std::vector<Stretch>& tone = Tone();
    ASSERT_FALSE(tone.empty());
    EXPECT_LT(tone.back().end, At(kStop) + kSlack) << "the tone went on after STOP";
    // Exit comes more than one interval after STOP: a tick still running would have played.
    ASSERT_GT(At(kExit) - At(kStop), Interval());
    for (const Stretch& s : tone) {
        EXPECT_LT(s.start, At(kStop) + kSlack) << "sound at " << s.start << " s after STOP";
    }
}

// Second start with the steady run's settings; Auto on, step 1000 Hz, 500 ms interval, Exit
// while the tone plays.
class SweepRun : public RunTest {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(Use("sweep")); }
    double Interval() const { return kSweep.intervalMs / 1000.0; }

    // One entry per tick: its frequency and where it began (neighbouring stretches of one
    // frequency belong to one tick).
    std::vector<Heard> Ticks() const {
        std::vector<Heard> ticks;
        for (const Heard& h : Measurable()) {
            if (ticks.empty() || std::abs(h.hz - ticks.back().hz) > 3.0) {
                ticks.push_back(h);
            }
        }
        return ticks;
    }
};

TEST_F(SweepRun, EachTickPlaysTheNextStepAndTheTopWrapsToTheBottom) {
    const std::vector<Heard> ticks = Ticks();
    std::string heard;
    for (const Heard& t : ticks) {
        heard += " " + std::to_string(static_cast<int>(std::lround(t.hz)));
    }
    ASSERT_EQ(ticks.size(), kSweepTicksHz.size()) << "ticks heard at (Hz):" << heard;
    for (std::size_t k = 0; k < ticks.size(); ++k) {
        EXPECT_NEAR(ticks[k].hz, kSweepTicksHz[k], 3.0)
            << "tick " << k + 1 << " at " << ticks[k].stretch.start;
    }
}

TEST_F(SweepRun, FrequencyStepsOncePerInterval) {
    const std::vector<Heard> ticks = Ticks();
    ASSERT_GE(ticks.size(), 3u);
    EXPECT_NEAR(ticks.front().stretch.start - At(kStart), Interval(), kSlack);
    const double period =
        (ticks.back().stretch.start - ticks.front().stretch.start) / static_cast<double>(ticks.size() - 1);
    EXPECT_NEAR(period, Interval(), 0.05);
}

TEST_F(SweepRun, ExitEndsTheToneAndTheProgram) {
    const std::vector<Stretch>& tone = Tone();
    ASSERT_FALSE(tone.empty());
    EXPECT_GT(tone.back().end, At(kExit) - kSweep.durationMs / 1000.0 - kSlack) << "silent before Exit";
    EXPECT_LT(tone.back().end, At(kExit) + kSlack) << "the tone went on after Exit";
    EXPECT_LT(At(kGone) - At(kExit), 5.0) << "the program took long to end";
}

} // namespace
} // namespace quellar::e2e
