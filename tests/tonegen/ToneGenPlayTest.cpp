// Playing, preparing, stopping and exporting: which call renders, the flags handed to the sound
// service, and that an image being played is never freed or rewritten.
#include "RecordingSoundService.h"
#include "ToneGenTestSupport.h"
#include "tonegen/ToneGen.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace quellar::test {
namespace {

using Call = TRecordingSoundService::TCall;

class ToneGenPlay : public ::testing::Test {
protected:
    void SetUp() override { sound.calls.clear(); }
    // Plays and tells whether that rendered: a render stops the sound once more before the
    // stop of the play itself.
    template <class F> bool Rendered(F play) {
        sound.calls.clear();
        play();
        return sound.Count(Call::stop) == 2;
    }
    TRecordingSoundService sound;
    TToneGen tone{nullptr, &sound};
};

TEST_F(ToneGenPlay, FlagsFollowLoopAndAsync) {
    struct Case {
        bool async, loop;
        std::uint32_t flags;
        bool idleAfter;
    };
    for (const Case& c : {Case{true, true, 13, false}, Case{false, true, 13, false},
                          Case{true, false, 5, false}, Case{false, false, 4, true}}) {
        tone.Async = c.async;
        tone.Loop = c.loop;
        sound.calls.clear();
        tone.PlayADSR();
        ASSERT_EQ(sound.calls.back().kind, Call::play);
        EXPECT_EQ(sound.calls.back().value, c.flags) << "async " << c.async << " loop " << c.loop;
        EXPECT_EQ(sound.calls.back().image, tone.GetDataBuffer());
        EXPECT_EQ(tone.Idle(), c.idleAfter);
    }
    tone.Stop();
    EXPECT_TRUE(tone.Idle());
}

TEST_F(ToneGenPlay, PlayStopsThenWritesTheVolumeThenStarts) {
    tone.SetLeftVolume(50);
    tone.Loop = true;
    sound.calls.clear();
    tone.Play();
    EXPECT_EQ(sound.Sequence(), "ssvp") << "render stop, play stop, volume, play";
    EXPECT_EQ(sound.calls[2].value, 0xFFFF7FFFu);
}

TEST_F(ToneGenPlay, RendersOnlyWhatIsStale) {
    EXPECT_TRUE(Rendered([&] { tone.PlayADSR(); }));
    EXPECT_FALSE(Rendered([&] { tone.PlayADSR(); }));
    tone.SetAttack(20);
    EXPECT_TRUE(Rendered([&] { tone.PlayADSR(); })) << "an envelope change renders PlayADSR again";
    EXPECT_TRUE(tone.HasEnvelope());
    EXPECT_TRUE(Rendered([&] { tone.Play(); })) << "Play does not play an image with envelope";
    EXPECT_FALSE(tone.HasEnvelope());
    EXPECT_FALSE(Rendered([&] { tone.Play(); }));
    tone.SetAttack(30);
    EXPECT_FALSE(Rendered([&] { tone.Play(); })) << "an envelope change does not concern Play";
    tone.SetFrequency(1000);
    EXPECT_TRUE(Rendered([&] { tone.Play(); }));
    tone.SetFrequency(2000);
    EXPECT_TRUE(Rendered([&] { tone.PlayADSR(); }));
}

TEST_F(ToneGenPlay, PreparedImagesPlayWithoutRenderingAgain) {
    tone.SetRightVolume(0);
    sound.calls.clear();
    tone.PrepareADSR();
    EXPECT_EQ(sound.Sequence(), "vs") << "volume first, then the render's stop";
    EXPECT_EQ(sound.calls[0].value, 0x0000FFFFu);
    EXPECT_FALSE(Rendered([&] { tone.PlayADSR(); }));
    tone.Prepare();
    EXPECT_FALSE(tone.HasEnvelope());
    EXPECT_FALSE(Rendered([&] { tone.Play(); }));
    sound.calls.clear();
    tone.Prepare();
    EXPECT_EQ(sound.Sequence(), "vs") << "Prepare renders whatever the flags say";
}

TEST_F(ToneGenPlay, TwoPlaysInARowStopTheFirst) {
    tone.Loop = true;
    tone.PlayADSR();
    ASSERT_TRUE(sound.Playing());
    sound.calls.clear();
    tone.PlayADSR();
    EXPECT_EQ(sound.Sequence(), "svp");
}

TEST_F(ToneGenPlay, AnImageThatMayBePlayingIsNeverFreedOrRewritten) {
    tone.Loop = true;
    tone.SetDuration(20);
    tone.PlayADSR();
    for (int i = 0; i < 4; ++i) {
        tone.SetFrequency(static_cast<std::int16_t>(500 + 100 * i));
        i % 2 ? tone.PlayADSR() : tone.Prepare();
        tone.SetWaveform(static_cast<TTGWave>(i));
        tone.Play();
        tone.ResetAM();
        EXPECT_TRUE(tone.RenderWave(true));
    }
    tone.Play();
    EXPECT_FALSE(sound.imageChangedWhilePlaying);
}

TEST_F(ToneGenPlay, DestructionStopsBeforeFreeingTheImage) {
    {
        TToneGen t(nullptr, &sound);
        t.Loop = true;
        t.PlayADSR();
        sound.calls.clear();
    }
    EXPECT_FALSE(sound.Playing());
    EXPECT_EQ(sound.calls.front().kind, Call::stop);
    EXPECT_FALSE(sound.imageChangedWhilePlaying);
}

TEST_F(ToneGenPlay, StopSilencesEvenWithoutAnImage) {
    tone.Stop();
    EXPECT_EQ(sound.Sequence(), "s");
    EXPECT_EQ(tone.GetDataBuffer(), nullptr);
}

class ToneGenExport : public ToneGenPlay {
protected:
    void TearDown() override { std::remove(path.c_str()); }
    std::string path = ::testing::TempDir() + "tonegen_export_test.wav";
};

TEST_F(ToneGenExport, BeforeAnyRenderFailsAndCreatesNoFile) {
    std::remove(path.c_str());
    EXPECT_FALSE(tone.ExportFile(path));
    EXPECT_FALSE(std::ifstream(path).good());
}

TEST_F(ToneGenExport, WritesTheWholeImageIncludingThePadding) {
    tone.Prepare();
    {
        std::ofstream old(path, std::ios::binary);
        old << std::string(50000, 'x');
    }
    ASSERT_TRUE(tone.ExportFile(path));
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_EQ(bytes.size(), 19276u) << "replaces the longer file";
    EXPECT_EQ(0, std::memcmp(bytes.data(), tone.GetDataBuffer(), bytes.size()));
}

TEST_F(ToneGenExport, UnwritablePathFails) {
    tone.Prepare();
    EXPECT_FALSE(tone.ExportFile(::testing::TempDir() + "no-such-dir/x/y.wav"));
}

} // namespace
} // namespace quellar::test
