// TEST, START, STOP and Exit on the two output devices of the real main window under Wine. The
// speaker is driven through the timer ports (recorded, port 0x61 kept as a register), where a
// tone goes on sounding until it is silenced; the sound device plays into the recorder.
#include "app/U_Rock1.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/app/URock1FakeSpeakerPlatform.h"

namespace quellar::test {
namespace {

class MainDevices : public MainWindow {
protected:
    void SetUp() override {
        MainWindow::SetUp();
        StartWithSavedSettings();
    }
    void Check(bool speakerBox, bool soundDeviceBox) {
        form->CheckBox1->SetChecked(speakerBox);
        form->CheckBox2->SetChecked(soundDeviceBox);
    }
    bool SpeakerSounding() const { return (speaker.port61 & 0x03) == 0x03; }

    FakeSpeakerPlatform speaker; // the port path
    SpeakerPlatformOverride speakerOverride{speaker};
};

TEST_F(MainDevices, TestSoundsTheSpeakerFirstAndLeavesItSoundingThenPlaysOnTheSoundDevice) {
    Check(true, true);
    const std::size_t soundCallsBefore = sound.calls.size();
    std::size_t soundCallsAtLastSpeakerCall = 0;
    speaker.onCall = [&](const Event&) { soundCallsAtLastSpeakerCall = sound.calls.size(); };
    form->btnTestClick(form->btnTest);
    // 1000 Hz: divisor 1193 (0x04A9), the gate opened first; then its 100 ms wait.
    EXPECT_EQ(speaker.PortAndBeepCalls(), (std::vector<Event>{{Call::In, 0x61, 0x30},
                                                              {Call::Out, 0x61, 0x33},
                                                              {Call::Out, 0x43, 0xB6},
                                                              {Call::Out, 0x42, 0xA9},
                                                              {Call::Out, 0x42, 0x04}}));
    EXPECT_GE(speaker.SleepCount(), 100u);
    EXPECT_EQ(soundCallsAtLastSpeakerCall, soundCallsBefore); // the whole tone came before the sound device
    EXPECT_TRUE(SpeakerSounding());
    ASSERT_EQ(sound.Count(TRecordingSoundService::TCall::play), 1);
    EXPECT_EQ(sound.calls.back().value, ISoundService::kAsync | ISoundService::kMemory); // once, no loop
    EXPECT_TRUE(sound.Playing());
}

TEST_F(MainDevices, StartStopAndExitActOnTheDevicesCheckedAtThatMoment) {
    struct Boxes {
        bool speaker, soundDevice;
    };
    for (const Boxes b : {Boxes{true, true}, Boxes{true, false}, Boxes{false, true}, Boxes{false, false}}) {
        SCOPED_TRACE(::testing::Message() << "PC SPK " << b.speaker << ", Sound device " << b.soundDevice);
        form->Timer2->SetEnabled(false);
        form->Timer3->SetEnabled(false);
        Check(b.speaker, b.soundDevice);
        form->btnStartClick(form->btnStart);
        EXPECT_EQ(form->Timer2->Enabled(), b.speaker);
        EXPECT_EQ(form->Timer3->Enabled(), b.soundDevice);

        // Running and sounding on both devices; a box unchecked before STOP leaves its device
        // sounding and its timer running.
        Check(true, true);
        form->btnStartClick(form->btnStart);
        form->btnTestClick(form->btnTest);
        ASSERT_TRUE(SpeakerSounding());
        ASSERT_TRUE(sound.Playing());
        Check(b.speaker, b.soundDevice);
        form->btnStopClick(form->btnStop);
        EXPECT_EQ(form->Timer2->Enabled(), !b.speaker);
        EXPECT_EQ(form->Timer3->Enabled(), !b.soundDevice);
        EXPECT_EQ(SpeakerSounding(), !b.speaker);
        EXPECT_EQ(sound.Playing(), !b.soundDevice);

        // Exit silences the checked devices itself, before the window and its generator go.
        Check(true, true);
        form->btnTestClick(form->btnTest);
        Check(b.speaker, b.soundDevice);
        form->btnExitClick(form->btnExit);
        EXPECT_TRUE(app->TerminateRequested());
        EXPECT_EQ(SpeakerSounding(), !b.speaker);
        EXPECT_EQ(sound.Playing(), !b.soundDevice);
    }
}

} // namespace
} // namespace quellar::test
