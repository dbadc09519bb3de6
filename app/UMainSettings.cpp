// The settings file of the main window: MakeIni, WriteALL and ReadALL over the U_Rock1 routines.
#include "app/UMain.h"
#include "app/U_Rock1.h"
#include "base/StrToInt.h"

namespace quellar {

namespace {
void Write(const char* key, const std::string& value) {
    WriteIniValue(kIniFileName, kIniSection, key, value);
}

void WriteFlag(const char* key, bool value) {
    Write(key, value ? "Y" : "N");
}

std::string Read(const char* key) {
    return ReadIniValue(kIniFileName, kIniSection, key);
}

// Only the exact text "Y" is true.
bool ReadFlag(const char* key) {
    return Read(key) == "Y";
}

int ReadInt(const char* key) {
    return StrToInt(Read(key));
}

// A timer interval from the "Time Change" text: a negative number stops the timer like 0 does.
unsigned IntervalFrom(const std::string& text) {
    const std::int32_t ms = StrToInt(text);
    return ms > 0 ? static_cast<unsigned>(ms) : 0u;
}
} // namespace

void TfrmMain::MakeIni() {
    CreateIniIfMissing(kIniFileName, kIniSection);
}

void TfrmMain::WriteALL() {
    Write("PEST", std::to_string(cmbPest->ItemIndex()));
    WriteFlag("PC_SPK", CheckBox1->Checked());
    WriteFlag("SOUND_DEV", CheckBox2->Checked());
    Write("SAMPLE_RATE", std::to_string(ComboBox1->ItemIndex()));
    Write("TIME_CH", edtTC->Text());
    Write("VAL_CH", edtVC->Text());
    Write("MAST_VOL", std::to_string(TrackBar1->Position()));
    Write("WAVE_FRM", std::to_string(ComboBox2->ItemIndex()));
    Write("DURATION", edtDU->Text());
    WriteFlag("AUTO", CheckBox3->Checked());
    Write("FREQ", std::to_string(TrackBar2->Position()));
}

void TfrmMain::ReadALL() {
    cmbPest->SetItemIndex(ReadInt("Pest"));
    CheckBox1->SetChecked(ReadFlag("PC_SPK"));
    CheckBox2->SetChecked(ReadFlag("SOUND_DEV")); // a change runs CheckBox2Click
    ComboBox1->SetItemIndex(ReadInt("SAMPLE_RATE"));
    edtTC->SetText(Read("TIME_CH"));
    edtVC->SetText(Read("VAL_CH"));
    TrackBar1->SetPosition(ReadInt("MAST_VOL")); // the slider clamps to 0..100
    ComboBox2->SetItemIndex(ReadInt("WAVE_FRM"));
    edtDU->SetText(Read("DURATION"));
    CheckBox3->SetChecked(ReadFlag("AUTO"));
    TrackBar2->SetPosition(ReadInt("FREQ")); // the slider clamps to 15000..20000
    if (CheckBox1->Checked()) {
        Timer2->SetInterval(IntervalFrom(edtTC->Text()));
    }
    if (CheckBox2->Checked()) {
        Timer3->SetInterval(IntervalFrom(edtTC->Text()));
    }
}

} // namespace quellar
