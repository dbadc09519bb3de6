// The settings file of the main window: MakeIni, WriteALL and ReadALL over the U_Rock1 routines.
#include "app/UMain.h"
#include "app/U_Rock1.h"
#include "base/StrToInt.h"

namespace quellar {

namespace {
// The keys of the settings file the window picked at start-up, one read or write per call.
class SettingsKeys {
public:
    explicit SettingsKeys(const std::string& path) : path_(path) {}
    void Write(const char* key, const std::string& value) const {
        WriteIniValue(path_, kIniSection, key, value);
    }
    void WriteFlag(const char* key, bool value) const { Write(key, value ? "Y" : "N"); }
    std::string Read(const char* key) const { return ReadIniValue(path_, kIniSection, key); }
    // Only the exact text "Y" is true.
    bool ReadFlag(const char* key) const { return Read(key) == "Y"; }
    int ReadInt(const char* key) const { return StrToInt(Read(key)); }

private:
    const std::string& path_;
};

// A timer interval from the "Time Change" text: a negative number stops the timer like 0 does.
unsigned IntervalFrom(const std::string& text) {
    const std::int32_t ms = StrToInt(text);
    return ms > 0 ? static_cast<unsigned>(ms) : 0u;
}
} // namespace

void TfrmMain::MakeIni() {
    settingsFile_ = ChooseSettingsFile(PlatformSettingsFileSystem());
    CreateIniIfMissing(settingsFile_, kIniSection);
}

void TfrmMain::WriteALL() {
    const SettingsKeys keys(settingsFile_);
    keys.Write("PEST", std::to_string(cmbPest->ItemIndex()));
    keys.WriteFlag("PC_SPK", CheckBox1->Checked());
    keys.WriteFlag("SOUND_DEV", CheckBox2->Checked());
    keys.Write("SAMPLE_RATE", std::to_string(ComboBox1->ItemIndex()));
    keys.Write("TIME_CH", edtTC->Text());
    keys.Write("VAL_CH", edtVC->Text());
    keys.Write("MAST_VOL", std::to_string(TrackBar1->Position()));
    keys.Write("WAVE_FRM", std::to_string(ComboBox2->ItemIndex()));
    keys.Write("DURATION", edtDU->Text());
    keys.WriteFlag("AUTO", CheckBox3->Checked());
    keys.Write("FREQ", std::to_string(TrackBar2->Position()));
}

void TfrmMain::ReadALL() {
    const SettingsKeys keys(settingsFile_);
    cmbPest->SetItemIndex(keys.ReadInt("Pest"));
    CheckBox1->SetChecked(keys.ReadFlag("PC_SPK"));
    CheckBox2->SetChecked(keys.ReadFlag("SOUND_DEV")); // a change runs CheckBox2Click
    ComboBox1->SetItemIndex(keys.ReadInt("SAMPLE_RATE"));
    edtTC->SetText(keys.Read("TIME_CH"));
    edtVC->SetText(keys.Read("VAL_CH"));
    TrackBar1->SetPosition(keys.ReadInt("MAST_VOL")); // the slider clamps to 0..100
    ComboBox2->SetItemIndex(keys.ReadInt("WAVE_FRM"));
    edtDU->SetText(keys.Read("DURATION"));
    CheckBox3->SetChecked(keys.ReadFlag("AUTO"));
    TrackBar2->SetPosition(keys.ReadInt("FREQ")); // the slider clamps to 15000..20000
    if (CheckBox1->Checked()) {
        Timer2->SetInterval(IntervalFrom(edtTC->Text()));
    }
    if (CheckBox2->Checked()) {
        Timer3->SetInterval(IntervalFrom(edtTC->Text()));
    }
}

} // namespace quellar
