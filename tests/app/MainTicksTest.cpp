// The running state's two ticks on the real main window under Wine: what the speaker and the
// sound device are given, the Auto sweep, failing texts and the timers themselves.
#include "app/U_Rock1.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/app/URock1FakeSpeakerPlatform.h"
#include "tests/support/WavAnalysis.h"

#include <algorithm>
#include <map>

namespace quellar::test {
namespace {

class MainTicks : public MainWindow {
protected:
    void SetUp() override {
        MainWindow::SetUp();
        speaker.platformId = kPlatformNtFamily;
        speaker.beepTakesMs = 1000000; // Beep takes its whole duration: no extra waits recorded
    }
    // Starts with Sound device and PC SPK checked, Auto on with the given step.
    void StartAt(int frequency, const std::string& step) {
        StartWithSavedSettings();
        form->CheckBox1->SetChecked(true);
        form->CheckBox2->SetChecked(true);
        form->CheckBox3->SetChecked(true);
        form->TrackBar2->SetPosition(frequency);
        form->edtVC->SetText(step);
        form->edtTC->SetText("30");
        form->ComboBox2->SetItemIndex(0); // sine
    }
    std::vector<std::uint32_t> BeepedFrequencies() const {
        std::vector<std::uint32_t> hz;
        for (const Event& e : speaker.events) {
            if (e.call == Call::Beep) {
                hz.push_back(e.a);
            }
        }
        return hz;
    }
    // The frequency the sound device is looping, measured from the image it was handed.
    double PlayingFrequency() const {
        const auto capture = quellar::testing::ParseWav(sound.PlayingImage());
        if (!capture || capture->Seconds() < 0.05) {
            return 0;
        }
        return quellar::testing::DominantFrequency(*capture, 0.0, std::min(capture->Seconds(), 0.1), 10000,
                                                   24000);
    }
    FakeSpeakerPlatform speaker;
    SpeakerPlatformOverride speakerOverride{speaker};
};

TEST_F(MainTicks, NearTheTopTheSoundDevicePlaysBeforeTheStepAndTheSpeakerAfterIt) {
    StartAt(19900, "100");
    form->ComboBox1->SetItemIndex(3);
    form->SetupInitTone();
    EXPECT_EQ(form->ToneGen1->Frequency(), 19900);
    EXPECT_NEAR(PlayingFrequency(), 19900, 3);
    EXPECT_EQ(form->TrackBar2->Position(), 15000); // 20000 wraps to the bottom at once
    EXPECT_EQ(sound.Count(TRecordingSoundService::TCall::play), 1);
    EXPECT_EQ(sound.calls.back().value,
              ISoundService::kAsync | ISoundService::kMemory | ISoundService::kLoop);
    EXPECT_TRUE(form->ToneGen1->Loop);

    form->TrackBar2->SetPosition(19900);
    form->GenSoundByTrack_PCSKP();
    EXPECT_EQ(BeepedFrequencies(), (std::vector<std::uint32_t>{15000}));
    EXPECT_EQ(speaker.events.front(), (Event{Call::Beep, 15000, 30}));
}

TEST_F(MainTicks, SweepClimbsByTheStepWrapsAtTheTopAndStopsAtTheBottomGoingDown) {
    StartAt(15000, "2500");
    form->GenSoundByTrack_PCSKP();
    form->GenSoundByTrack_PCSKP();
    form->GenSoundByTrack_PCSKP();
    EXPECT_EQ(BeepedFrequencies(), (std::vector<std::uint32_t>{17500, 15000, 17500}));

    // A step of 0 only takes a slider standing at the top back to the bottom.
    form->edtVC->SetText("0");
    form->TrackBar2->SetPosition(20000);
    form->SetupInitTone();
    EXPECT_EQ(form->ToneGen1->Frequency(), 20000);
    EXPECT_EQ(form->TrackBar2->Position(), 15000);
    form->SetupInitTone();
    EXPECT_EQ(form->TrackBar2->Position(), 15000);

    form->edtVC->SetText("-300");
    form->TrackBar2->SetPosition(15500);
    form->SetupInitTone();
    form->SetupInitTone();
    form->SetupInitTone();
    EXPECT_EQ(form->TrackBar2->Position(), 15000);
    EXPECT_EQ(form->ToneGen1->Frequency(), 15000);

    // Without Auto the slider stays and the step text is not even read.
    form->CheckBox3->SetChecked(false);
    form->edtVC->SetText("not a number");
    form->TrackBar2->SetPosition(16000);
    form->GenSoundByTrack_PCSKP();
    form->SetupInitTone();
    EXPECT_EQ(form->TrackBar2->Position(), 16000);
    EXPECT_EQ(BeepedFrequencies().back(), 16000u);
    EXPECT_NEAR(PlayingFrequency(), 16000, 3);
}

TEST_F(MainTicks, SoundDeviceTickMapsTheListsAndTheSlidersOntoTheToneGenerator) {
    StartAt(17000, "0");
    const std::pair<int, TTGQuality> rates[] = {{0, tgLoQ}, {2, tgHiQ}, {1, tgLoQ}, {3, tgHiQ}};
    for (const auto& [index, quality] : rates) {
        form->ComboBox1->SetItemIndex(index);
        form->SetupInitTone();
        EXPECT_EQ(form->ToneGen1->Quality(), quality) << "sample rate item " << index;
    }
    form->ComboBox1->SetItemIndex(-1);
    form->SetupInitTone();
    EXPECT_EQ(form->ToneGen1->Quality(), tgHiQ); // nothing selected: unchanged

    form->ComboBox2->SetItemIndex(2);
    form->SetupInitTone();
    EXPECT_EQ(form->ToneGen1->Waveform(), tgTriangle);
    form->ComboBox2->SetItemIndex(-1); // text typed by hand
    form->SetupInitTone();
    EXPECT_EQ(form->ToneGen1->Waveform(), tgTriangle);

    form->TrackBar1->SetPosition(0);
    form->SetupInitTone();
    EXPECT_EQ(form->ToneGen1->LeftVolume(), 0);
    EXPECT_EQ(form->ToneGen1->RightVolume(), 0);
    form->TrackBar1->SetPosition(64);
    form->SetupInitTone();
    EXPECT_EQ(form->ToneGen1->LeftVolume(), 64);
    EXPECT_EQ(form->ToneGen1->RightVolume(), 64);

    // Durations reach the generator as 16-bit numbers before it clamps them.
    const std::pair<const char*, int> durations[] = {{"70000", 4464}, {"40000", 10}, {"5", 10}, {"250", 250}};
    for (const auto& [text, duration] : durations) {
        form->edtDU->SetText(text);
        form->SetupInitTone();
        EXPECT_EQ(form->ToneGen1->Duration(), duration) << text;
    }
}

TEST_F(MainTicks, UncheckedSoundDeviceStillStepsButLeavesTheLastToneLooping) {
    StartAt(18000, "100");
    form->edtDU->SetText("200");
    form->SetupInitTone();
    ASSERT_TRUE(sound.Playing());
    const int plays = sound.Count(TRecordingSoundService::TCall::play);
    form->CheckBox2->SetChecked(false);
    form->SetupInitTone();
    EXPECT_EQ(form->TrackBar2->Position(), 18200);
    EXPECT_EQ(form->ToneGen1->Frequency(), 18100);
    EXPECT_EQ(sound.Count(TRecordingSoundService::TCall::play), plays);
    EXPECT_NEAR(PlayingFrequency(), 18000, 3);
    EXPECT_FALSE(sound.imageChangedWhilePlaying);

    form->btnStopClick(form->btnStop);
    EXPECT_TRUE(sound.Playing()); // STOP with the box unchecked leaves it looping
    delete app;                   // Exit: the window goes, and its tone generator with it
    app = nullptr;
    form = nullptr;
    EXPECT_FALSE(sound.Playing());
    EXPECT_FALSE(sound.imageChangedWhilePlaying);
}

TEST_F(MainTicks, FailingTextsEndTheTickAtTheConversion) {
    StartAt(18000, "100");
    form->edtDU->SetText("1000");
    form->SetupInitTone();
    const int plays = sound.Count(TRecordingSoundService::TCall::play);

    form->edtDU->SetText("abc");
    EXPECT_EQ(ConvertError([&] { form->SetupInitTone(); }), "'abc' is not a valid integer value");
    EXPECT_EQ(form->ToneGen1->Frequency(), 18000); // frequency, step and play undone
    EXPECT_EQ(form->TrackBar2->Position(), 18100);
    EXPECT_EQ(sound.Count(TRecordingSoundService::TCall::play), plays);
    EXPECT_TRUE(sound.Playing());

    form->edtDU->SetText("1000");
    form->edtVC->SetText("1e3");
    EXPECT_EQ(ConvertError([&] { form->SetupInitTone(); }), "'1e3' is not a valid integer value");
    EXPECT_EQ(form->ToneGen1->Frequency(), 18100); // set before the failing step
    EXPECT_EQ(sound.Count(TRecordingSoundService::TCall::play), plays);

    // Speaker: a bad step sounds nothing; a bad "Time Change" still steps.
    EXPECT_EQ(ConvertError([&] { form->GenSoundByTrack_PCSKP(); }), "'1e3' is not a valid integer value");
    EXPECT_TRUE(BeepedFrequencies().empty());
    form->edtVC->SetText("100");
    form->edtTC->SetText("");
    EXPECT_EQ(ConvertError([&] { form->GenSoundByTrack_PCSKP(); }), "'' is not a valid integer value");
    EXPECT_EQ(form->TrackBar2->Position(), 18200);
    EXPECT_TRUE(BeepedFrequencies().empty());
}

TEST_F(MainTicks, RunningTimersBothMoveTheSameSlider) {
    WriteSettings({"PEST=0", "PC_SPK=Y", "SOUND_DEV=Y", "SAMPLE_RATE=0", "TIME_CH=40", "VAL_CH=100",
                   "MAST_VOL=50", "WAVE_FRM=0", "DURATION=100", "AUTO=Y", "FREQ=15000"});
    Start();
    ASSERT_EQ(form->Timer2->Interval(), 40u);
    ASSERT_EQ(form->Timer3->Interval(), 40u);
    form->CheckBox2->SetChecked(true); // start-up checks PC SPK only
    form->btnStartClick(form->btnStart);
    RunMessagesFor(400);
    form->btnStopClick(form->btnStop);
    const auto beeps = BeepedFrequencies().size();
    const auto plays = static_cast<std::size_t>(sound.Count(TRecordingSoundService::TCall::play));
    EXPECT_GE(beeps, 2u);
    EXPECT_GE(plays, 2u);
    EXPECT_EQ(form->TrackBar2->Position(), 15000 + 100 * static_cast<int>(beeps + plays));
    EXPECT_FALSE(sound.Playing()); // STOP with Sound device checked ends the tone
}

TEST_F(MainTicks, ZeroTimeChangeSavedWithBothDevicesCheckedNeverTicks) {
    WriteSettings({"PEST=0", "PC_SPK=Y", "SOUND_DEV=Y", "SAMPLE_RATE=0", "TIME_CH=0", "VAL_CH=100",
                   "MAST_VOL=50", "WAVE_FRM=0", "DURATION=100", "AUTO=Y", "FREQ=15000"});
    Start();
    form->CheckBox2->SetChecked(true);
    form->btnStartClick(form->btnStart);
    EXPECT_EQ(form->Image1->FileName(), "mos01.jpg");
    EXPECT_TRUE(form->TrayIcon1->CycleIcons());
    RunMessagesFor(300);
    EXPECT_TRUE(BeepedFrequencies().empty());
    EXPECT_EQ(sound.Count(TRecordingSoundService::TCall::play), 0);
    EXPECT_EQ(form->TrackBar2->Position(), 15000);
}

TEST_F(MainTicks, AFailingTickHoldsOneBoxWhileEveryOtherErrorShowsItsOwn) {
    StartAt(18000, "100");
    const std::string tick3 = "'abc' is not a valid integer value.";
    const std::string tick2 = "'t2' is not a valid integer value.";
    form->edtDU->SetText("abc"); // fails the sound-device tick
    form->edtTC->SetText("t2");  // fails the speaker tick after its step
    form->Timer2->SetInterval(20);
    form->Timer3->SetInterval(20);
    int timer3Ticks = 0;
    const TNotifyEvent tick = form->Timer3->OnTimer;
    form->Timer3->SetOnTimer([&](TComponent* sender) {
        ++timer3Ticks;
        tick(sender);
    });
    std::map<std::string, int> open, mostOpen;
    int ticksWhileFirstOpen = 0;
    std::size_t firstClosed = 0; // boxes shown until the first one's OK
    SetMessageBoxHandler([&](HWND, const std::string& text, const std::string&, unsigned) {
        boxes.push_back(Box{text, "", 0});
        if (text != tick2 && text != tick3) {
            return IDOK;
        }
        mostOpen[text] = std::max(mostOpen[text], ++open[text]);
        if (boxes.size() == 1) {
            // The first box waits for its OK while its loop keeps the timers ticking; meanwhile the
            // speaker tick starts failing too, the user saves into a folder where the settings file
            // should be and starts without the running picture.
            form->Timer2->SetEnabled(true);
            const int before = timer3Ticks;
            RunMessagesFor(300);
            ticksWhileFirstOpen = timer3Ticks - before;
            DeleteFileA(kIniFileName);
            CreateDirectoryA(kIniFileName, nullptr);
            const RECT save = form->btnSetup->BoundsRect();
            const LPARAM at = MAKELPARAM((save.left + save.right) / 2, (save.top + save.bottom) / 2);
            SendMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
            SendMessageA(form->Handle(), WM_LBUTTONUP, 0, at);
            RemoveDirectoryA(kIniFileName);
            DeleteFileA("mos01.jpg");
            form->START1->Click();
            firstClosed = boxes.size();
        } else if (open[text] == 1) {
            // Later tick boxes stay open a little too; a stacked one closes at once, so that a
            // pile cannot nest without end.
            RunMessagesFor(60);
        }
        --open[text];
        return IDOK;
    });
    form->Timer3->SetEnabled(true);
    RunMessagesFor(100); // until the first box's OK
    RunMessagesFor(150);
    form->Timer2->SetEnabled(false);
    form->Timer3->SetEnabled(false);

    ASSERT_GE(firstClosed, 4u);
    EXPECT_EQ(boxes[0].text, tick3);
    EXPECT_GE(ticksWhileFirstOpen, 3);
    EXPECT_EQ(mostOpen[tick3], 1); // further failures of a tick add no box while its box is open
    EXPECT_EQ(mostOpen[tick2], 1);
    std::vector<std::string> whileFirstOpen;
    for (std::size_t i = 1; i < firstClosed; ++i) {
        if (whileFirstOpen.empty() || whileFirstOpen.back() != boxes[i].text) {
            whileFirstOpen.push_back(boxes[i].text);
        }
    }
    EXPECT_EQ(whileFirstOpen, (std::vector<std::string>{tick2, "Unable to write to c:\\quellar.ini.",
                                                        "Cannot open file \"mos01.jpg\""}));
    const auto again = std::count_if(boxes.begin() + static_cast<std::ptrdiff_t>(firstClosed), boxes.end(),
                                     [&](const Box& b) { return b.text == tick3; });
    EXPECT_GE(again, 1); // after its OK the tick's next failure shows a box again
}

} // namespace
} // namespace quellar::test
