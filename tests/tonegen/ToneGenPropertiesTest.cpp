// TToneGen's properties: defaults, clamping, the flags each setter moves, the table copies that
// AMLevel selects, and the device volume over the component's life.
#include "RecordingSoundService.h"
#include "tonegen/ToneGen.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace quellar::test {
namespace {

using Call = TRecordingSoundService::TCall;

class ToneGenProperties : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(TToneGen::InstanceCount(), 0) << "an earlier test leaked a TToneGen"; }
    TRecordingSoundService sound;
};

TEST_F(ToneGenProperties, ConstructionSetsTheDefaults) {
    TToneGen t(nullptr, &sound);
    EXPECT_EQ(t.Frequency(), 440);
    EXPECT_EQ(t.Duration(), 100);
    EXPECT_EQ(t.Waveform(), tgSine);
    EXPECT_EQ(t.Attack(), 10);
    EXPECT_EQ(t.Hold(), 5);
    EXPECT_EQ(t.Decay(), 20);
    EXPECT_EQ(t.Sustain(), 50);
    EXPECT_EQ(t.Release(), 30);
    EXPECT_EQ(t.Async.Raw(), -1);
    EXPECT_EQ(t.Loop.Raw(), 0);
    EXPECT_EQ(t.Resolution(), tg16Bit);
    EXPECT_EQ(t.Quality(), tgHiQ);
    EXPECT_EQ(t.LeftVolume(), 100);
    EXPECT_EQ(t.RightVolume(), 100);
    EXPECT_FALSE(t.Stereo());
    EXPECT_EQ(t.AMLevel(), tgAMLevel1);
    EXPECT_EQ(t.AMAmplitude(), 0);
    EXPECT_EQ(t.AMWaveform(), tgSine);
    EXPECT_EQ(t.AMFrequency(), 0.5f);
    EXPECT_EQ(t.AMUseMultiplier().Raw(), -1);
    EXPECT_EQ(t.Octave(), 4);
    for (int i = 0; i < 8; ++i) {
        const TAMEntry e = t.AMEntry(static_cast<TTGAMLevel>(i));
        EXPECT_EQ(e.amplitude, 0);
        EXPECT_EQ(e.waveform, tgSine);
        EXPECT_EQ(e.frequency, (i + 1) / 2.0f);
        EXPECT_EQ(e.octave, 4);
    }
    EXPECT_TRUE(t.WaveDirty() && t.EnvelopeDirty() && t.HasEnvelope() && t.Idle());
    EXPECT_EQ(t.GetDataBuffer(), nullptr);
    EXPECT_EQ(t.DataSize(), 0);
    EXPECT_EQ(TToneGen::InstanceCount(), 1);
    EXPECT_TRUE(t.InheritsFrom("TComponent"));
    EXPECT_EQ(t.ClassName(), "TToneGen");
}

TEST_F(ToneGenProperties, SettersClampToTheirRangesWithoutAMessageAtRunTime) {
    std::vector<std::string> alerts;
    TToneGen::SetRangeAlert([&](const std::string& text, const std::string&) { alerts.push_back(text); });
    TToneGen t(nullptr, &sound);
    const struct {
        void (TToneGen::*set)(std::int16_t);
        std::int16_t (TToneGen::*get)() const;
        std::int16_t value, kept;
    } rows[] = {
        {&TToneGen::SetFrequency, &TToneGen::Frequency, 19, 20},
        {&TToneGen::SetFrequency, &TToneGen::Frequency, 20001, 20000},
        {&TToneGen::SetFrequency, &TToneGen::Frequency, -32768, 20},
        {&TToneGen::SetFrequency, &TToneGen::Frequency, 1000, 1000},
        {&TToneGen::SetDuration, &TToneGen::Duration, 0, 10},
        {&TToneGen::SetDuration, &TToneGen::Duration, 32767, 32767},
        {&TToneGen::SetAttack, &TToneGen::Attack, 150, 100},
        {&TToneGen::SetHold, &TToneGen::Hold, -1, 0},
        {&TToneGen::SetDecay, &TToneGen::Decay, 101, 100},
        {&TToneGen::SetSustain, &TToneGen::Sustain, -100, 0},
        {&TToneGen::SetRelease, &TToneGen::Release, 300, 100},
        {&TToneGen::SetLeftVolume, &TToneGen::LeftVolume, -5, 0},
        {&TToneGen::SetRightVolume, &TToneGen::RightVolume, 200, 100},
        {&TToneGen::SetAMAmplitude, &TToneGen::AMAmplitude, 120, 100},
    };
    for (const auto& row : rows) {
        (t.*row.set)(row.value);
        EXPECT_EQ((t.*row.get)(), row.kept) << "row " << &row - rows << ": set to " << row.value;
    }
    EXPECT_TRUE(alerts.empty());
    TToneGen::SetRangeAlert({});
}

TEST_F(ToneGenProperties, InDesignModeClampingShowsTheRangeMessage) {
    std::vector<std::pair<std::string, std::string>> alerts;
    TToneGen::SetRangeAlert(
        [&](const std::string& text, const std::string& caption) { alerts.emplace_back(text, caption); });
    TToneGen t(nullptr, &sound);
    t.SetDesignMode(true);
    t.SetFrequency(25000);
    t.SetAttack(50);
    t.SetDuration(5);
    TToneGen::SetRangeAlert({});
    EXPECT_EQ(t.Frequency(), 20000);
    EXPECT_EQ(t.Duration(), 10);
    ASSERT_EQ(alerts.size(), 2u);
    EXPECT_EQ(alerts[0].first, "Value must be between 20 and 20000");
    EXPECT_EQ(alerts[0].second, "Error");
    EXPECT_EQ(alerts[1].first, "Value must be between 10 and 32767");
}

// Each setter marks only what it invalidates; a render clears what it produced.
TEST_F(ToneGenProperties, SettersAndRendersMoveTheFlags) {
    TToneGen t(nullptr, &sound);
    ASSERT_TRUE(t.RenderWave(true));
    EXPECT_FALSE(t.WaveDirty());
    EXPECT_FALSE(t.EnvelopeDirty());
    EXPECT_TRUE(t.HasEnvelope());

    const std::vector<std::function<void(TToneGen&)>> waveSetters = {
        [](TToneGen& g) { g.SetFrequency(1000); },
        [](TToneGen& g) { g.SetDuration(200); },
        [](TToneGen& g) { g.SetWaveform(tgSquare); },
        [](TToneGen& g) { g.SetResolution(tg8Bit); },
        [](TToneGen& g) { g.SetQuality(tgLoQ); },
        [](TToneGen& g) { g.SetStereo(true); },
        [](TToneGen& g) { g.SetAMLevel(tgAMLevel2); },
        [](TToneGen& g) { g.SetAMAmplitude(5); },
        [](TToneGen& g) { g.SetAMWaveform(tgNoise); },
        [](TToneGen& g) { g.SetAMFrequency(2.5f); },
        [](TToneGen& g) { g.SetAMUseMultiplier(false); },
        [](TToneGen& g) { g.ResetAM(); },
        [](TToneGen& g) { g.SetAMParameter(tgAMLevel4, 1, 1.0f, tgSine); },
        [](TToneGen& g) { g.SetNote("C"); },
        [](TToneGen& g) { g.SetAMNote(tgAMLevel1, "A"); },
    };
    for (std::size_t i = 0; i < waveSetters.size(); ++i) {
        ASSERT_TRUE(t.RenderWave(true));
        waveSetters[i](t);
        EXPECT_TRUE(t.WaveDirty()) << "wave setter " << i;
        EXPECT_FALSE(t.EnvelopeDirty()) << "wave setter " << i;
        EXPECT_TRUE(t.HasEnvelope()) << "wave setter " << i;
    }
    const std::vector<std::function<void(TToneGen&)>> envelopeSetters = {
        [](TToneGen& g) { g.SetAttack(1); },  [](TToneGen& g) { g.SetHold(1); },
        [](TToneGen& g) { g.SetDecay(1); },   [](TToneGen& g) { g.SetSustain(1); },
        [](TToneGen& g) { g.SetRelease(1); },
    };
    for (std::size_t i = 0; i < envelopeSetters.size(); ++i) {
        ASSERT_TRUE(t.RenderWave(true));
        envelopeSetters[i](t);
        EXPECT_FALSE(t.WaveDirty()) << "envelope setter " << i;
        EXPECT_TRUE(t.EnvelopeDirty()) << "envelope setter " << i;
    }
    ASSERT_TRUE(t.RenderWave(false));
    EXPECT_FALSE(t.WaveDirty());
    EXPECT_TRUE(t.EnvelopeDirty());
    EXPECT_FALSE(t.HasEnvelope());

    // A note that is not accepted changes nothing.
    EXPECT_EQ(t.SetNote("H"), 0);
    EXPECT_EQ(t.SetAMNote(tgAMLevel1, "H"), 0.0f);
    EXPECT_FALSE(t.WaveDirty());
    // Async and Loop are plain fields.
    t.Async = false;
    t.Loop = true;
    EXPECT_FALSE(t.WaveDirty());
    EXPECT_TRUE(t.Idle());
}

TEST_F(ToneGenProperties, AMCopiesFollowTheSelectedEntry) {
    TToneGen t(nullptr, &sound);
    t.SetAMParameter(tgAMLevel3, 150, 1.0f, tgSine);
    EXPECT_EQ(t.AMAmplitude(), 0) << "SetAMParameter leaves the copies alone";
    t.SetAMLevel(tgAMLevel3);
    EXPECT_EQ(t.AMAmplitude(), 100);
    EXPECT_EQ(t.AMEntry(tgAMLevel3).amplitude, 100) << "the clamped amplitude is written back";
    EXPECT_EQ(t.AMFrequency(), 1.0f);

    t.SetAMAmplitude(30);
    t.SetAMWaveform(tgTriangle);
    t.SetAMFrequency(7.25f);
    const TAMEntry e = t.AMEntry(tgAMLevel3);
    EXPECT_EQ(e.amplitude, 30);
    EXPECT_EQ(e.waveform, tgTriangle);
    EXPECT_EQ(e.frequency, 7.25f);
    EXPECT_EQ(t.AMEntry(tgAMLevel1).amplitude, 0);

    t.SetAMLevel(tgAMLevel1);
    EXPECT_EQ(t.AMWaveform(), tgSine);
    EXPECT_EQ(t.AMFrequency(), 0.5f);
    t.ResetAM();
    EXPECT_EQ(t.AMEntry(tgAMLevel3).amplitude, 0);
    t.SetAMParameter(tgAMLevel1, 40, 3.0f, tgSquare);
    EXPECT_EQ(t.AMAmplitude(), 0) << "not even for the selected level";
    EXPECT_EQ(t.AMFrequency(), 0.5f);
}

TEST_F(ToneGenProperties, VolumeWordHoldsLeftLowAndRightHigh) {
    TToneGen t(nullptr, &sound);
    sound.calls.clear();
    t.SetLeftVolume(50);
    EXPECT_EQ(sound.deviceVolume, 0xFFFF7FFFu);
    t.SetLeftVolume(0);
    EXPECT_EQ(sound.deviceVolume, 0xFFFF0000u);
    t.SetRightVolume(1);
    EXPECT_EQ(sound.deviceVolume, 655u << 16);
    t.SetLeftVolume(100);
    t.SetRightVolume(0);
    t.PresetVolume();
    EXPECT_EQ(sound.deviceVolume, 0x0000FFFFu);
    for (const Call& c : sound.calls) {
        EXPECT_EQ(c.device, 0u);
    }
}

TEST_F(ToneGenProperties, VolumeChangesWaitForTheNextPlayWhileALoopRuns) {
    TToneGen t(nullptr, &sound);
    t.Loop = true;
    t.PlayADSR();
    ASSERT_FALSE(t.Idle());
    const std::uint32_t before = sound.deviceVolume;
    t.SetLeftVolume(10);
    t.SetRightVolume(20);
    EXPECT_EQ(sound.deviceVolume, before);
    t.BeginLoading();
    t.SetLeftVolume(30);
    EXPECT_EQ(sound.deviceVolume, 30u * 65535 / 100 + (20u * 65535 / 100 << 16)) << "loading applies at once";
    t.Loaded();
    t.SetLeftVolume(10);
    EXPECT_NE(sound.deviceVolume, 10u * 65535 / 100 + (20u * 65535 / 100 << 16));
    t.PlayADSR();
    EXPECT_EQ(sound.deviceVolume, 10u * 65535 / 100 + (20u * 65535 / 100 << 16));
    t.Stop();
    t.SetLeftVolume(100);
    EXPECT_EQ(sound.deviceVolume & 0xFFFF, 0xFFFFu) << "applied at once after Stop";
}

TEST_F(ToneGenProperties, FirstInstanceSavesTheDeviceVolumeAndTheLastRestoresIt) {
    sound.deviceVolume = 0x12345678;
    auto first = std::make_unique<TToneGen>(nullptr, &sound);
    EXPECT_EQ(TToneGen::SavedVolume(), 0x12345678u);
    EXPECT_TRUE(TToneGen::SavedVolumeKnown());
    EXPECT_EQ(sound.deviceVolume, 0xFFFFFFFFu) << "set to 100 % on both channels";
    EXPECT_EQ(sound.Sequence(), "fgv") << "capabilities, volume read, volume write";

    sound.calls.clear();
    sound.deviceVolume = 0x01010101;
    auto second = std::make_unique<TToneGen>(nullptr, &sound);
    EXPECT_TRUE(sound.calls.empty()) << "a second instance neither saves nor sets the volume";
    EXPECT_EQ(TToneGen::InstanceCount(), 2);

    first.reset();
    EXPECT_EQ(sound.deviceVolume, 0x01010101u) << "destroying the first of two leaves the device alone";
    second.reset();
    EXPECT_EQ(sound.deviceVolume, 0x12345678u);
    EXPECT_EQ(TToneGen::InstanceCount(), 0);
}

TEST_F(ToneGenProperties, AMonoDeviceLevelStandsForBothChannels) {
    sound.support = 0;
    sound.deviceVolume = 0x00001234;
    TToneGen t(nullptr, &sound);
    EXPECT_EQ(TToneGen::SavedVolume(), 0x12341234u);
    sound.deviceVolume = 0x00010002; // high bits carried over as the formula says, modulo 2^32
    EXPECT_EQ(t.GetDeviceVolume(), 0x00030002u);
}

TEST_F(ToneGenProperties, UnreadableDeviceVolumeIsNotRestoredAsSilence) {
    sound.volumeReadable = false;
    {
        TToneGen t(nullptr, &sound);
        EXPECT_EQ(TToneGen::SavedVolume(), 0u);
        EXPECT_FALSE(TToneGen::SavedVolumeKnown());
        t.SetLeftVolume(40);
        sound.calls.clear();
    }
    EXPECT_EQ(sound.Count(Call::setVolume), 0);
    EXPECT_EQ(sound.deviceVolume & 0xFFFF, 40u * 65535 / 100);
}

TEST_F(ToneGenProperties, LastInstanceInDesignModeDoesNotRestoreTheVolume) {
    {
        TToneGen t(nullptr, &sound);
        t.SetDesignMode(true);
        sound.calls.clear();
    }
    EXPECT_EQ(sound.Sequence(), "s") << "only the stop of the destructor";
}

} // namespace
} // namespace quellar::test
