#include "app/UMain.h"

#include "app/LocalTime.h"
#include "app/SkinChoice.h"
#include "app/UMainLayout.h"
#include "app/UMainRegistry.h"
#include "app/U_Rock1.h"
#include "base/Exception.h"
#include "ui/Dialogs.h"

#include <map>

namespace quellar {

namespace {
using THandler = void (TfrmMain::*)(TComponent*);

const std::map<std::string, THandler>& Handlers() {
    static const std::map<std::string, THandler> handlers = {
        {"FormCreate", &TfrmMain::FormCreate},         {"btnStartClick", &TfrmMain::btnStartClick},
        {"btnStopClick", &TfrmMain::btnStopClick},     {"btnTestClick", &TfrmMain::btnTestClick},
        {"btnSetupClick", &TfrmMain::btnSetupClick},   {"btnExitClick", &TfrmMain::btnExitClick},
        {"CheckBox2Click", &TfrmMain::CheckBox2Click}, {"Timer1Timer", &TfrmMain::Timer1Timer},
        {"Timer2Timer", &TfrmMain::Timer2Timer},       {"Timer3Timer", &TfrmMain::Timer3Timer},
        {"START1Click", &TfrmMain::START1Click},       {"STOP1Click", &TfrmMain::STOP1Click},
        {"Exit1Click", &TfrmMain::Exit1Click},         {"ShowForm1Click", &TfrmMain::ShowForm1Click},
        {"TrayIcon1Click", &TfrmMain::TrayIcon1Click}};
    return handlers;
}

bool FileExists(const char* name) {
    const DWORD attributes = GetFileAttributesA(name);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// The low 32 bits of the high-resolution counter, or the millisecond tick count without one.
std::uint32_t ClockSeed() {
    LARGE_INTEGER counter{};
    if (QueryPerformanceCounter(&counter)) {
        return static_cast<std::uint32_t>(counter.QuadPart & 0xFFFFFFFFu);
    }
    return GetTickCount();
}

template <class T> void Bind(TfrmMain& form, T*& field, const char* name) {
    field = dynamic_cast<T*>(form.FindComponent(name));
    if (field == nullptr) {
        throw EReadError(std::string("The layout has no ") + name);
    }
}
} // namespace

TfrmMain::TfrmMain(TComponent* owner) : TForm(owner) {
    TClassRegistry registry;
    RegisterMainFormClasses(registry);
    LoadLayout(*this, MainFormLayout(), registry, [this](const std::string& name) { return Method(name); });
    BindFields();
    WireTrayIcon();
    DoCreate();
}

TfrmMain::~TfrmMain() {
    // The icon goes before the adapters it was given.
    delete TrayIcon1;
    TrayIcon1 = nullptr;
}

TLayoutMethod TfrmMain::Method(const std::string& name) {
    auto it = Handlers().find(name);
    if (it == Handlers().end()) {
        return {};
    }
    const THandler handler = it->second;
    return [this, handler](TComponent* sender) {
        try {
            (this->*handler)(sender);
        } catch (const std::exception& error) {
            ApplicationHandleException(error, sender);
        }
    };
}

ITrayPopupMenu* TfrmMain::MenuPort(TPopupMenu* menu) {
    menuPort_ = std::make_unique<TPopupMenuTrayPort>(menu);
    return menuPort_.get();
}

void TfrmMain::BindFields() {
    Bind(*this, Panel3, "Panel3");
    Bind(*this, SpeedButton1, "SpeedButton1");
    Bind(*this, Panel1, "Panel1");
    Bind(*this, Panel2, "Panel2");
    Bind(*this, Image1, "Image1");
    Bind(*this, GroupBox1, "GroupBox1");
    Bind(*this, Label1, "Label1");
    Bind(*this, cmbPest, "cmbPest");
    Bind(*this, Label11, "Label11");
    Bind(*this, ComboBox3, "ComboBox3");
    Bind(*this, GroupBox2, "GroupBox2");
    Bind(*this, Image2, "Image2");
    Bind(*this, Image3, "Image3");
    Bind(*this, CheckBox1, "CheckBox1");
    Bind(*this, CheckBox2, "CheckBox2");
    Bind(*this, Label2, "Label2");
    Bind(*this, ComboBox1, "ComboBox1");
    Bind(*this, Label3, "Label3");
    Bind(*this, TrackBar1, "TrackBar1");
    Bind(*this, GroupBox3, "GroupBox3");
    Bind(*this, Label4, "Label4");
    Bind(*this, edtTC, "edtTC");
    Bind(*this, Label5, "Label5");
    Bind(*this, edtVC, "edtVC");
    Bind(*this, Label7, "Label7");
    Bind(*this, ComboBox2, "ComboBox2");
    Bind(*this, Label8, "Label8");
    Bind(*this, edtDU, "edtDU");
    Bind(*this, CheckBox3, "CheckBox3");
    Bind(*this, Label6, "Label6");
    Bind(*this, TrackBar2, "TrackBar2");
    Bind(*this, btnSetup, "btnSetup");
    Bind(*this, btnTest, "btnTest");
    Bind(*this, btnStop, "btnStop");
    Bind(*this, btnStart, "btnStart");
    Bind(*this, btnExit, "btnExit");
    Bind(*this, StatusBar1, "StatusBar1");
    Bind(*this, PopupMenu1, "PopupMenu1");
    Bind(*this, START1, "START1");
    Bind(*this, STOP1, "STOP1");
    Bind(*this, ShowForm1, "ShowForm1");
    Bind(*this, N1, "N1");
    Bind(*this, Exit1, "Exit1");
    Bind(*this, ImageList1, "ImageList1");
    Bind(*this, imgrada, "imgrada");
    Bind(*this, imgpest, "imgpest");
    Bind(*this, imgDev, "imgDev");
    Bind(*this, Timer1, "Timer1");
    Bind(*this, Timer2, "Timer2");
    Bind(*this, Timer3, "Timer3");
    Bind(*this, TrayIcon1, "TrayIcon1");
    Bind(*this, ToneGen1, "ToneGen1");
    Bind(*this, SkinData1, "SkinData1");
}

void TfrmMain::WireTrayIcon() {
    radaPort_ = std::make_unique<TImageListTrayPort>(imgrada);
    TTrayAppHooks hooks;
    hooks.processMessages = [] {
        if (Application != nullptr) {
            Application->ProcessMessages();
        }
    };
    hooks.setShowMainForm = [](bool show) {
        if (Application != nullptr) {
            Application->ShowMainForm = show;
        }
    };
    hooks.setMainWindowVisible = [this](bool visible) {
        if (visible) {
            Show();
        } else {
            Hide();
        }
    };
    TrayIcon1->SetAppHooks(hooks);
}

// ---- start-up ----

bool TfrmMain::KOR_InitFirst() {
    if (FileExists(kIdlePicture)) {
        return true;
    }
    ShowMessageBox(Application != nullptr ? Application->Handle() : nullptr, kMissingPictureText, "Error",
                   MB_OK | MB_ICONERROR);
    if (Application != nullptr) {
        Application->Terminate();
    }
    return false;
}

void TfrmMain::FormCreate(TComponent*) {
    if (!KOR_InitFirst()) {
        return;
    }
    StatusBar1->SetPanelText(0, ShortDateText());
    skinNumber_ = DrawSkinNumber(ClockSeed());
    CheckBox2Click(this);
    SkinData1->SetSkinFile(SkinFileName(skinNumber_));
    Image1->LoadFromFile(kIdlePicture);
    SetIcoAni(false);
    TrayIcon1->SetHint(Application != nullptr ? Application->Title() : std::string(kAppTitle));
    SkinData1->SetActive(true);
    TrayIcon1->Refresh();
    cmbPest->SetItemIndex(1);
    ComboBox1->SetItemIndex(0);
    ComboBox2->SetItemIndex(0);
    MakeIni();
    ReadALL();
    ToneGen1->Loop = false;
    ToneGen1->PresetVolume();
    CheckBox1->SetChecked(true);
}

void TfrmMain::SetIcoAni(bool running) {
    TrayIcon1->SetIconList(running ? radaPort_.get() : nullptr);
    TrayIcon1->Refresh();
    TrayIcon1->SetCycleIcons(running);
}

// ---- handlers ----

void TfrmMain::btnStartClick(TComponent*) {
    SetIcoAni(true);
    Image1->LoadFromFile(kRunningPicture);
    if (CheckBox1->Checked()) {
        Timer2->SetEnabled(true);
    }
    if (CheckBox2->Checked()) {
        Timer3->SetEnabled(true);
    }
}

void TfrmMain::btnStopClick(TComponent*) {
    SetIcoAni(false);
    Image1->LoadFromFile(kIdlePicture);
    if (CheckBox1->Checked()) {
        SpeakerOff();
        Timer2->SetEnabled(false);
    }
    if (CheckBox2->Checked()) {
        ToneGen1->Stop();
        Timer3->SetEnabled(false);
    }
    ShowMessageBox(Handle(), kStopText, "Information", MB_OK | MB_ICONINFORMATION);
}

void TfrmMain::btnTestClick(TComponent*) {
    if (CheckBox1->Checked()) {
        SpeakerTone(1000, 100);
    }
    if (CheckBox2->Checked()) {
        ToneGen1->Loop = false;
        ToneGen1->SetDuration(1000);
        ToneGen1->SetFrequency(440);
        ToneGen1->PlayADSR();
    }
}

void TfrmMain::btnSetupClick(TComponent*) {
    WriteALL();
    ShowMessageBox(Handle(), kSavedText, "Information", MB_OK | MB_ICONINFORMATION);
    ReadALL();
}

void TfrmMain::btnExitClick(TComponent*) {
    if (CheckBox1->Checked()) {
        SpeakerOff();
    }
    if (CheckBox2->Checked()) {
        ToneGen1->Stop();
    }
    Close();
}

void TfrmMain::CheckBox2Click(TComponent*) {
    Label2->SetEnabled(CheckBox2->Checked());
    ComboBox1->SetEnabled(CheckBox2->Checked());
}

void TfrmMain::Timer1Timer(TComponent*) {
    StatusBar1->SetPanelText(1, LongTimeText());
}

void TfrmMain::START1Click(TComponent* sender) {
    btnStartClick(sender);
}

void TfrmMain::STOP1Click(TComponent* sender) {
    btnStopClick(sender);
}

void TfrmMain::Exit1Click(TComponent* sender) {
    btnExitClick(sender);
}

void TfrmMain::ShowForm1Click(TComponent*) {
    TrayIcon1->ShowMainWindow();
}

void TfrmMain::TrayIcon1Click(TComponent* sender) {
    btnStopClick(sender);
}

} // namespace quellar
