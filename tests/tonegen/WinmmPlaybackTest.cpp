// The winmm sound service for real: images played from memory reach the audio device, a loop
// keeps sounding until Stop, a second play stops the first, and the device volume is written,
// saved and restored. Under Wine the device's output lands in a capture file (an ALSA file sink
// set up by the test's environment); where there is no capture file the audio checks skip.
#include "RecordingSoundService.h"
#include "tests/support/WavAnalysis.h"
#include "tonegen/ToneGen.h"
#include "tonegen/WinmmSoundService.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <mmsystem.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace quellar::test {
namespace {

using namespace std::chrono_literals;

// Forwards to winmm and records what passes, so the test sees the calls the device got.
class TRecordingWinmm : public TRecordingSoundService {
public:
    void PlayImage(const std::uint8_t* image, std::uint32_t flags) override {
        TRecordingSoundService::PlayImage(image, flags);
        winmm.PlayImage(image, flags);
    }
    void StopAll() override {
        TRecordingSoundService::StopAll();
        winmm.StopAll();
    }
    void SetVolume(std::uint32_t device, std::uint32_t volume) override {
        TRecordingSoundService::SetVolume(device, volume);
        winmm.SetVolume(device, volume);
    }
    bool GetVolume(std::uint32_t device, std::uint32_t& volume) override {
        TRecordingSoundService::GetVolume(device, volume);
        return winmm.GetVolume(device, volume);
    }
    std::uint32_t SupportFlags(std::uint32_t device) override {
        TRecordingSoundService::SupportFlags(device);
        return winmm.SupportFlags(device);
    }
    TWinmmSoundService winmm;
};

using quellar::testing::Capture;

// The sink writes one file per opening of the device: capture.wav, then capture.wav.0001, ...
std::filesystem::path CaptureDir() {
#ifdef QUELLAR_CAPTURE_DIR
    return QUELLAR_CAPTURE_DIR;
#else
    return {};
#endif
}

std::vector<std::filesystem::path> CaptureFiles() {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(CaptureDir(), ec)) {
        if (entry.path().filename().string().rfind("capture.wav", 0) == 0) {
            files.push_back(entry.path());
        }
    }
    // "capture.wav" sorts before "capture.wav.0001", and the numbers have fixed width.
    std::sort(files.begin(), files.end());
    return files;
}

// A full-scale sine has a power of 1/4: a tone is heard in a window above 1/8 and absent below
// 1/400.
constexpr double kHeard = 0.125, kAbsent = 0.0025;

// The power of f in each 10 ms window of the capture.
std::vector<double> WindowPowers(const Capture& c, double f) {
    std::vector<double> powers;
    for (std::size_t i = 0; (i + 1) * static_cast<std::size_t>(c.rate / 100) <= c.samples.size(); ++i) {
        powers.push_back(quellar::testing::PowerAt(c, i / 100.0, (i + 1) / 100.0, f));
    }
    return powers;
}

// Whether every 10 ms window of the capture holds f and none holds other. The device may pad
// the end of a stream with silence: windows after the last one holding f must be silent.
void ExpectOnly(const Capture& c, double f, double other) {
    const std::vector<double> others = WindowPowers(c, other);
    for (std::size_t i = 0; i < others.size(); ++i) {
        ASSERT_LT(others[i], kAbsent) << other << " Hz heard at " << i * 10 << " ms";
    }
    std::vector<double> powers = WindowPowers(c, f);
    while (!powers.empty() && powers.back() < kAbsent) {
        powers.pop_back();
    }
    ASSERT_FALSE(powers.empty()) << f << " Hz never heard";
    for (std::size_t i = 0; i < powers.size(); ++i) {
        ASSERT_GT(powers[i], kHeard) << f << " Hz missing at " << i * 10 << " ms";
    }
}

// A loop is fed by the platform image after image; on a starved machine the device fills the
// moments it waits for the next one with silence. What the program owes is a loop of its tone
// and nothing else: no window holds `other`, and f sounds in at least `windows` 10 ms windows.
void ExpectLoopOf(const Capture& c, double f, double other, std::size_t windows) {
    const std::vector<double> others = WindowPowers(c, other), powers = WindowPowers(c, f);
    for (std::size_t i = 0; i < others.size(); ++i) {
        ASSERT_LT(others[i], kAbsent) << other << " Hz heard at " << i * 10 << " ms";
    }
    const auto heard = std::count_if(powers.begin(), powers.end(), [](double p) { return p > kHeard; });
    EXPECT_GE(static_cast<std::size_t>(heard), windows) << f << " Hz heard in " << heard << " windows";
}

class WinmmPlayback : public ::testing::Test {
protected:
    void SetUp() override {
        std::error_code ec;
        if (CaptureDir().empty() || !std::filesystem::is_directory(CaptureDir(), ec)) {
            GTEST_SKIP() << "no audio capture here (the capture sink exists only under Wine)";
        }
        for (const auto& f : CaptureFiles()) {
            std::filesystem::remove(f);
        }
    }
    // The capture of the n-th opening of the device.
    static Capture Captured(std::size_t n) {
        const auto files = CaptureFiles();
        auto c = files.size() > n ? quellar::testing::ReadWav(files[n].string()) : std::nullopt;
        if (!c) {
            ADD_FAILURE() << "no capture number " << n << " in " << CaptureDir().string();
        }
        return c.value_or(Capture{});
    }
    static void Configure(TToneGen& t, int frequency, int durationMs) {
        t.SetFrequency(static_cast<std::int16_t>(frequency));
        t.SetDuration(static_cast<std::int16_t>(durationMs));
        t.SetQuality(tgHiQ);
    }
};

TEST_F(WinmmPlayback, ASynchronousPlayFromMemoryReachesTheDevice) {
    TToneGen t(nullptr);
    Configure(t, 1000, 300);
    t.Async = false;
    t.Loop = false;
    t.Play();
    EXPECT_TRUE(t.Idle());
    Capture c = Captured(0);
    EXPECT_EQ(c.rate, 96000);
    ASSERT_GE(c.samples.size(), 28800u) << "the whole tone";
    c.samples.resize(28800);
    ExpectOnly(c, 1000, 3000);
}

TEST_F(WinmmPlayback, ALoopKeepsSoundingUntilStop) {
    TToneGen t(nullptr);
    Configure(t, 2000, 100);
    t.Loop = true;
    t.Play();
    EXPECT_FALSE(t.Idle());
    std::this_thread::sleep_for(600ms);
    t.Stop();
    const Capture stopped = Captured(0);
    // The 100 ms image sounded several times over (the sink runs without a clock, so only a
    // lower bound holds), the same tone throughout.
    EXPECT_GT(stopped.samples.size(), 3 * 9600u);
    ExpectLoopOf(stopped, 2000, 1000, 30);
    std::this_thread::sleep_for(500ms);
    EXPECT_EQ(Captured(0).samples.size(), stopped.samples.size()) << "nothing more after Stop";
    EXPECT_EQ(CaptureFiles().size(), 1u);
}

TEST_F(WinmmPlayback, ASecondPlayStopsTheFirst) {
    TToneGen first(nullptr);
    TToneGen second(nullptr);
    Configure(first, 1000, 100);
    Configure(second, 3000, 100);
    first.Loop = true;
    second.Loop = true;
    first.Play();
    std::this_thread::sleep_for(400ms);
    second.Play();
    const std::size_t firstLength = Captured(0).samples.size();
    std::this_thread::sleep_for(400ms);
    second.Stop();
    ASSERT_EQ(CaptureFiles().size(), 2u);
    const Capture a = Captured(0);
    EXPECT_EQ(a.samples.size(), firstLength) << "the first tone ended when the second began";
    ExpectLoopOf(a, 1000, 3000, 30);
    ExpectLoopOf(Captured(1), 3000, 1000, 30);
}

TEST(WinmmVolume, FirstInstanceSavesAndLastRestoresWhereTheDeviceReportsIt) {
    DWORD before = 0;
    const bool readable = waveOutGetVolume(nullptr, &before) == MMSYSERR_NOERROR;
    {
        TRecordingWinmm sound;
        auto first = std::make_unique<TToneGen>(nullptr, &sound);
        EXPECT_EQ(TToneGen::SavedVolumeKnown(), readable);
        auto second = std::make_unique<TToneGen>(nullptr, &sound);
        first.reset();
        sound.calls.clear();
        second->SetRightVolume(10);
        second.reset();
        const int restores = sound.Count(TRecordingSoundService::TCall::setVolume) - 1;
        EXPECT_EQ(restores, readable ? 1 : 0) << "no silence written back when nothing was read";
    }
    if (!readable) {
        GTEST_SKIP() << "the device does not report its volume";
    }
    waveOutSetVolume(nullptr, 0x40002000);
    {
        TToneGen t(nullptr);
        EXPECT_EQ(TToneGen::SavedVolume(), 0x40002000u);
        DWORD now = 0;
        waveOutGetVolume(nullptr, &now);
        EXPECT_EQ(now, 0xFFFFFFFFu);
    }
    DWORD after = 0;
    waveOutGetVolume(nullptr, &after);
    EXPECT_EQ(after, 0x40002000u);
    waveOutSetVolume(nullptr, before);
}

} // namespace
} // namespace quellar::test
