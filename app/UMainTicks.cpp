// The two tone ticks of the running state: Timer2 sounds the PC speaker, Timer3 reprograms and
// restarts the tone generator. Each reads the controls afresh; with Auto checked each tick also
// steps the frequency slider and wraps it to the bottom of its range.
#include "app/UMain.h"
#include "app/U_Rock1.h"
#include "base/StrToInt.h"

#include <algorithm>

namespace quellar {

namespace {
// The slider plus the "Val Change" step; reaching or passing the top starts again at the bottom.
void AutoStep(TTrackBar& slider, const std::string& stepText) {
    const std::int64_t next = static_cast<std::int64_t>(slider.Position()) + StrToInt(stepText);
    slider.SetPosition(static_cast<int>(std::clamp<std::int64_t>(next, slider.Min(), slider.Max())));
    if (slider.Position() >= slider.Max()) {
        slider.SetPosition(slider.Min());
    }
}

// The tone generator takes 16-bit values: a larger number arrives as its low 16 bits.
std::int16_t Low16(std::int32_t value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(static_cast<std::uint32_t>(value) & 0xFFFF));
}
} // namespace

void TfrmMain::Timer2Timer(TComponent*) {
    GenSoundByTrack_PCSKP();
}

void TfrmMain::Timer3Timer(TComponent*) {
    SetupInitTone();
}

void TfrmMain::GenSoundByTrack_PCSKP() {
    if (CheckBox3->Checked()) {
        AutoStep(*TrackBar2, edtVC->Text());
    }
    if (CheckBox1->Checked()) {
        SpeakerTone(TrackBar2->Position(), StrToInt(edtTC->Text()));
    }
}

void TfrmMain::SetupInitTone() {
    ToneGen1->Loop = true;
    switch (ComboBox1->ItemIndex()) {
    case 0:
    case 1:
        ToneGen1->SetQuality(tgLoQ);
        break;
    case 2:
    case 3:
        ToneGen1->SetQuality(tgHiQ);
        break;
    default:
        break; // nothing selected: the quality stays
    }
    const int wave = ComboBox2->ItemIndex();
    if (wave >= tgSine && wave <= tgNoise) {
        ToneGen1->SetWaveform(static_cast<TTGWave>(wave));
    }
    ToneGen1->SetLeftVolume(Low16(TrackBar1->Position()));
    ToneGen1->SetRightVolume(Low16(TrackBar1->Position()));
    ToneGen1->SetDuration(Low16(StrToInt(edtDU->Text())));
    ToneGen1->SetFrequency(Low16(TrackBar2->Position()));
    if (CheckBox3->Checked()) {
        AutoStep(*TrackBar2, edtVC->Text());
    }
    if (CheckBox2->Checked()) {
        ToneGen1->PlayADSR();
    }
}

} // namespace quellar
