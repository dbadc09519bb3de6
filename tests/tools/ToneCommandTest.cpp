// quellar-tone: bad command lines write nothing and exit with 2; good ones write exactly what
// TToneGen's ExportFile writes for the same settings applied in the same order.
#include "tools/tone/ToneCommand.h"
#include "tests/tonegen/RecordingSoundService.h"
#include "tonegen/ToneGen.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>

namespace quellar::test {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) {
    return std::ifstream(path).good();
}

class ToneCommand : public ::testing::Test {
protected:
    void TearDown() override {
        std::remove(out.c_str());
        std::remove(expected.c_str());
    }
    int Run(std::vector<std::string> args) {
        std::ostringstream o, e;
        const int rc = RunToneCommand(args, o, e);
        errorText = e.str();
        return rc;
    }
    // What ExportFile writes for a component prepared by `setup`.
    std::string Exported(const std::function<void(TToneGen&)>& setup, bool envelope = true) {
        TRecordingSoundService sound;
        TToneGen t(nullptr, &sound);
        setup(t);
        EXPECT_TRUE(t.RenderWave(envelope));
        EXPECT_TRUE(t.ExportFile(expected));
        return ReadFile(expected);
    }
    std::string out = ::testing::TempDir() + "quellar_tone_out.wav";
    std::string expected = ::testing::TempDir() + "quellar_tone_expected.wav";
    std::string errorText;
};

TEST_F(ToneCommand, BadCommandLinesExitWith2AndWriteNothing) {
    const std::vector<std::vector<std::string>> bad = {
        {"--frequency", "1.5"},
        {"--frequency", "40000"},
        {"--duration", "-32769"},
        {"--attack", ""},
        {"--hold", "5x"},
        {"--decay"},
        {"--waveform", "pulse"},
        {"--resolution", "12"},
        {"--quality", "HI"},
        {"--am", "0:50:sine:2"},
        {"--am", "9:50:sine:2"},
        {"--am", "1:50:sine"},
        {"--am", "1:50:saw:2"},
        {"--am", "1:50:sine:2e3"},
        {"--am", "1:50:sine:nan"},
        {"--am", "1:x:sine:2"},
        {"--am-note", "1"},
        {"--am-note", "0:A"},
        {"--note", "H"},
        {"--am-note", "2:E#"},
        {"--bogus"},
        {"-x"},
        {"--sustain", "+5"},
        {"--release", " 5"},
    };
    for (const auto& options : bad) {
        std::vector<std::string> args = options;
        args.push_back(out);
        std::remove(out.c_str());
        EXPECT_EQ(Run(args), kToneExitUsage) << options[0];
        EXPECT_FALSE(Exists(out)) << options[0];
        EXPECT_NE(errorText.find(options[0]), std::string::npos) << "names the option: " << errorText;
        EXPECT_EQ(errorText.find('\n'), errorText.size() - 1) << "one line: " << errorText;
    }
    EXPECT_EQ(Run({"--frequency", "1000"}), kToneExitUsage) << "no output name";
    EXPECT_NE(errorText.find("output"), std::string::npos);
    EXPECT_EQ(Run({out, out + "2"}), kToneExitUsage) << "two output names";
    EXPECT_FALSE(Exists(out));
}

TEST_F(ToneCommand, PlayExistsOnlyWhereTheBuildCanPlay) {
    if (ToneToolCanPlay()) {
        GTEST_SKIP() << "covered by the Windows tests";
    }
    EXPECT_EQ(Run({"--play", out}), kToneExitUsage);
    EXPECT_FALSE(Exists(out));
}

TEST_F(ToneCommand, PlayAlsoPlaysTheWrittenToneSynchronously) {
    if (!ToneToolCanPlay()) {
        GTEST_SKIP() << "--play exists only in the Windows build";
    }
    TRecordingSoundService sound;
    ISoundService* previous = TToneGen::SetDefaultSoundService(&sound);
    const int rc = Run({"--frequency", "1000", "--play", out});
    TToneGen::SetDefaultSoundService(previous);
    ASSERT_EQ(rc, kToneExitOk) << errorText;
    EXPECT_EQ(ReadFile(out), Exported([](TToneGen& t) { t.SetFrequency(1000); }));
    ASSERT_EQ(sound.Count(TRecordingSoundService::TCall::play), 1);
    for (const auto& call : sound.calls) {
        if (call.kind == TRecordingSoundService::TCall::play) {
            EXPECT_EQ(call.value, ISoundService::kMemory) << "synchronous: neither async nor loop";
        }
    }
    EXPECT_EQ(sound.deviceVolume, 0x40002000u) << "the volume found is put back at the end";
}

TEST_F(ToneCommand, DefaultsRenderAsPlayADSRDoes) {
    ASSERT_EQ(Run({out}), kToneExitOk);
    EXPECT_EQ(ReadFile(out), Exported([](TToneGen&) {}));
    ASSERT_EQ(Run({"--no-envelope", out}), kToneExitOk);
    const std::string plain = ReadFile(out);
    EXPECT_EQ(plain, Exported([](TToneGen&) {}, false));
    EXPECT_EQ(plain.size(), 19276u);
    EXPECT_EQ(static_cast<std::uint8_t>(plain[46]), 943 & 0xFF) << "440 Hz: the second sample is 943";
}

TEST_F(ToneCommand, EveryOptionReachesItsSetterInOrder) {
    ASSERT_EQ(Run({"--frequency",     "30000", "--duration", "250",  "--waveform",      "triangle",
                   "--attack",        "150",   "--hold",     "0",    "--decay",         "30",
                   "--sustain",       "70",    "--release",  "10",   "--resolution",    "8",
                   "--quality",       "lo",    "--stereo",   "--am", "2:30:square:1.5", "--am",
                   "8:10:noise:0.25", out}),
              kToneExitOk)
        << errorText;
    EXPECT_EQ(ReadFile(out), Exported([](TToneGen& t) {
                  t.SetFrequency(20000); // clamped like the setter does
                  t.SetDuration(250);
                  t.SetWaveform(tgTriangle);
                  t.SetAttack(100);
                  t.SetHold(0);
                  t.SetDecay(30);
                  t.SetSustain(70);
                  t.SetRelease(10);
                  t.SetResolution(tg8Bit);
                  t.SetQuality(tgLoQ);
                  t.SetStereo(true);
                  t.SetAMParameter(tgAMLevel2, 30, 1.5f, tgSquare);
                  t.SetAMParameter(tgAMLevel8, 10, 0.25f, tgNoise);
              }));
}

TEST_F(ToneCommand, NotesAndHertzTableEntries) {
    ASSERT_EQ(Run({"--note", "O5C", "--no-multiplier", "--am", "1:20:sawtooth:15000.75", "--am-note", "3:>A",
                   "--am", "4:200:sine:-2", "--waveform", "sine", "--quality", "lo", out}),
              kToneExitOk)
        << errorText;
    EXPECT_EQ(ReadFile(out), Exported([](TToneGen& t) {
                  t.SetNote("O5C");
                  t.SetAMUseMultiplier(false);
                  t.SetAMParameter(tgAMLevel1, 20, 15000.75f, tgSawtooth);
                  t.SetAMNote(tgAMLevel3, ">A");
                  t.SetAMParameter(tgAMLevel4, 200, -2.0f, tgSine);
                  t.SetQuality(tgLoQ);
              }));
    // The order matters: a note after --frequency wins, a frequency after a note wins.
    ASSERT_EQ(Run({"--frequency", "1000", "--note", "A", "--no-envelope", out}), kToneExitOk);
    EXPECT_EQ(ReadFile(out), Exported([](TToneGen& t) { t.SetFrequency(440); }, false));
    ASSERT_EQ(Run({"--note", "A", "--frequency", "1000", "--no-envelope", out}), kToneExitOk);
    EXPECT_EQ(ReadFile(out), Exported([](TToneGen& t) { t.SetFrequency(1000); }, false));
}

TEST_F(ToneCommand, ReportPrintsTheComponentsAndWritesTheFileOnlyWhenNamed) {
    std::ostringstream o, e;
    const std::vector<std::string> args = {"--report", "--frequency", "18000", "--waveform",
                                           "square",   "--duration",  "1000",  "--no-envelope"};
    ASSERT_EQ(RunToneCommand(args, o, e), kToneExitOk) << e.str();
    EXPECT_FALSE(Exists(out));
    const std::string text = o.str();
    EXPECT_NE(text.find("square 18000 Hz, 96000 frames/s, 16-bit mono, 1000 ms, no envelope\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(
        text.substr(text.rfind("below")),
        "below 15000 Hz, where adults hear: 12000 Hz at -15.8 dB (product of the cycle-length pattern (6 "
        "x f folded))\n");
    std::vector<std::string> withFile = args;
    withFile.push_back(out);
    ASSERT_EQ(Run(withFile), kToneExitOk) << errorText;
    EXPECT_EQ(ReadFile(out), Exported(
                                 [](TToneGen& t) {
                                     t.SetFrequency(18000);
                                     t.SetWaveform(tgSquare);
                                     t.SetDuration(1000);
                                 },
                                 false));
}

TEST_F(ToneCommand, UnwritableOutputExitsWith1) {
    EXPECT_EQ(Run({::testing::TempDir() + "no-such-dir/x/out.wav"}), kToneExitFailed);
    EXPECT_NE(errorText.find("cannot write"), std::string::npos);
}

#if defined(QUELLAR_TONE_EXE) && !defined(_WIN32)
// The installed program itself, for its exit status.
TEST_F(ToneCommand, TheProgramExitsWith2OnABadOption) {
    const std::string command = std::string(QUELLAR_TONE_EXE) + " --frequency 1e3 " + out + " 2>/dev/null";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << status;
    EXPECT_FALSE(Exists(out));
    ASSERT_EQ(std::system((std::string(QUELLAR_TONE_EXE) + " " + out).c_str()), 0);
    EXPECT_EQ(ReadFile(out), Exported([](TToneGen&) {}));
}
#endif

} // namespace
} // namespace quellar::test
