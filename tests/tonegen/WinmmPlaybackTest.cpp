// The winmm sound service for real: images played from memory reach the audio device, a loop
// keeps sounding until Stop, a second play stops the first, and the device volume is written,
// saved and restored. Under Wine the device's output lands in a capture file (an ALSA file sink
// set up by the test's environment); where there is no capture file the audio checks skip.
#include "RecordingSoundService.h"
#include "tonegen/ToneGen.h"
#include "tonegen/WinmmSoundService.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <mmsystem.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <numbers>
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

// 16-bit samples of the first channel of a captured WAV file.
struct TCapture {
    std::uint32_t rate = 0;
    std::uint16_t channels = 0;
    std::vector<std::int16_t> samples;
};

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

bool ReadCapture(const std::filesystem::path& path, TCapture& capture) {
    std::ifstream in(path, std::ios::binary);
    const std::string b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (b.size() < 44 || b.compare(0, 4, "RIFF") != 0) {
        return false;
    }
    const auto u16 = [&](std::size_t at) {
        return static_cast<std::uint16_t>(std::uint8_t(b[at]) | std::uint8_t(b[at + 1]) << 8);
    };
    capture.channels = u16(22);
    capture.rate = u16(24) | static_cast<std::uint32_t>(u16(26)) << 16;
    if (u16(34) != 16 || capture.channels == 0 || capture.rate == 0) {
        return false;
    }
    // The data chunk's size is final only after the device was closed: take what is there.
    const std::size_t frames = (b.size() - 44) / (2u * capture.channels);
    capture.samples.resize(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        capture.samples[i] = static_cast<std::int16_t>(u16(44 + i * 2 * capture.channels));
    }
    return true;
}

// Relative power of frequency f in samples[from, from + n) (Goertzel), about 1 for a
// full-scale sine.
double PowerAt(const TCapture& c, std::size_t from, std::size_t n, double f) {
    const double w = 2 * std::numbers::pi * f / c.rate, k = 2 * std::cos(w);
    double s1 = 0, s2 = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double s0 = c.samples[from + i] / 32768.0 + k * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return (s1 * s1 + s2 * s2 - k * s1 * s2) / (n * n / 4.0);
}

// Whether every 10 ms window of the capture holds f and none holds other. The device may pad
// the end of a stream with silence: windows after the last one holding f must be silent.
void ExpectOnly(const TCapture& c, double f, double other) {
    const std::size_t window = c.rate / 100;
    std::vector<double> powers;
    for (std::size_t from = 0; from + window <= c.samples.size(); from += window) {
        ASSERT_LT(PowerAt(c, from, window, other), 0.01) << other << " Hz heard at sample " << from;
        powers.push_back(PowerAt(c, from, window, f));
    }
    while (!powers.empty() && powers.back() < 0.01) {
        powers.pop_back();
    }
    ASSERT_FALSE(powers.empty()) << f << " Hz never heard";
    for (std::size_t i = 0; i < powers.size(); ++i) {
        ASSERT_GT(powers[i], 0.5) << f << " Hz missing at sample " << i * window;
    }
}

// A loop is fed by the platform image after image; on a starved machine the device fills the
// moments it waits for the next one with silence. What the program owes is a loop of its tone
// and nothing else: no window holds `other`, and f sounds in at least `windows` 10 ms windows.
void ExpectLoopOf(const TCapture& c, double f, double other, std::size_t windows) {
    const std::size_t window = c.rate / 100;
    std::size_t heard = 0, silent = 0;
    for (std::size_t from = 0; from + window <= c.samples.size(); from += window) {
        ASSERT_LT(PowerAt(c, from, window, other), 0.01) << other << " Hz heard at sample " << from;
        const double power = PowerAt(c, from, window, f);
        heard += power > 0.5 ? 1 : 0;
        silent += power < 0.01 ? 1 : 0;
    }
    EXPECT_GE(heard, windows) << f << " Hz heard in " << heard << " windows (" << silent << " silent)";
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
    static TCapture Captured(std::size_t n) {
        TCapture c;
        const auto files = CaptureFiles();
        if (files.size() <= n || !ReadCapture(files[n], c)) {
            ADD_FAILURE() << "no capture number " << n << " in " << CaptureDir().string();
        }
        return c;
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
    TCapture c = Captured(0);
    EXPECT_EQ(c.rate, 96000u);
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
    const TCapture stopped = Captured(0);
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
    const TCapture a = Captured(0);
    EXPECT_EQ(a.samples.size(), firstLength) << "the first tone ended when the second began";
    ExpectLoopOf(a, 1000, 3000, 30);
    ExpectLoopOf(Captured(1), 3000, 1000, 30);
}

TEST(WinmmVolume, TheVolumeWordCarriesLeftLowAndRightHigh) {
    TRecordingWinmm sound;
    TToneGen t(nullptr, &sound);
    t.SetLeftVolume(50);
    EXPECT_EQ(sound.calls.back().kind, TRecordingSoundService::TCall::setVolume);
    EXPECT_EQ(sound.calls.back().value, 0xFFFF7FFFu);
    t.SetLeftVolume(0);
    EXPECT_EQ(sound.calls.back().value, 0xFFFF0000u);
    DWORD device = 0;
    if (waveOutGetVolume(nullptr, &device) != MMSYSERR_NOERROR) {
        GTEST_SKIP() << "the device does not report its volume";
    }
    EXPECT_EQ(device, 0xFFFF0000u);
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
