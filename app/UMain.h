#pragma once
// TfrmMain: the program's one window. It owns every other object of the program (tone
// generator, notification-area icon, skin, timers, popup menu, image lists), is built from its
// stored layout (UMainLayout.cpp) and runs FormCreate once the layout is in.
//
// All window state lives in the controls; the handlers keep no flags of their own.
#include "app/SettingsFilePlace.h"
#include "app/TrayPortAdapters.h"
#include "skin/model/WinSkinData.h"
#include "tonegen/ToneGen.h"
#include "tray/CoolTrayIcon.h"
#include "ui/Buttons.h"
#include "ui/ComCtrls.h"
#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "ui/ImgList.h"
#include "ui/Layout.h"
#include "ui/Menus.h"
#include "ui/StdCtrls.h"

#include <memory>
#include <string>

namespace quellar {

// The application title, the window caption and the texts the window shows.
inline constexpr const char* kAppTitle = "KOR Quellar 3.3";
inline constexpr const char* kMainCaption = "KOR Quellar 3.00c Mistral";
inline constexpr const char* kIniFileName = kFixedSettingsFile;
inline constexpr const char* kIniSection = kSettingsSection;
inline constexpr const char* kIdlePicture = "mos00.jpg";
inline constexpr const char* kRunningPicture = "mos01.jpg";
inline constexpr const char* kMissingPictureText = "ERR:0x01:File for SYS not found !";
inline constexpr const char* kStopText = "Stop KOR Quellar ...";
inline constexpr const char* kSavedText = "Save configulation and Read System back success ...";
inline constexpr const char* kStatusNotice = "Keep the window open while mosquitoes are near";

class TfrmMain : public TForm {
    QUELLAR_COMPONENT_CLASS(TfrmMain, TForm)
public:
    explicit TfrmMain(TComponent* owner);
    ~TfrmMain() override;

    // Controls and components, in the order of the layout.
    TPanel* Panel3 = nullptr;
    TSpeedButton* SpeedButton1 = nullptr;
    TPanel* Panel1 = nullptr;
    TPanel* Panel2 = nullptr;
    TImage* Image1 = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TLabel* Label1 = nullptr;
    TComboBoxEx* cmbPest = nullptr;
    TLabel* Label11 = nullptr;
    TComboBox* ComboBox3 = nullptr;
    TGroupBox* GroupBox2 = nullptr;
    TImage* Image2 = nullptr;
    TImage* Image3 = nullptr;
    TCheckBox* CheckBox1 = nullptr;
    TCheckBox* CheckBox2 = nullptr;
    TLabel* Label2 = nullptr;
    TComboBox* ComboBox1 = nullptr;
    TLabel* Label3 = nullptr;
    TTrackBar* TrackBar1 = nullptr;
    TGroupBox* GroupBox3 = nullptr;
    TLabel* Label4 = nullptr;
    TEdit* edtTC = nullptr;
    TLabel* Label5 = nullptr;
    TEdit* edtVC = nullptr;
    TLabel* Label7 = nullptr;
    TComboBox* ComboBox2 = nullptr;
    TLabel* Label8 = nullptr;
    TEdit* edtDU = nullptr;
    TCheckBox* CheckBox3 = nullptr;
    TLabel* Label6 = nullptr;
    TTrackBar* TrackBar2 = nullptr;
    TSpeedButton* btnSetup = nullptr;
    TSpeedButton* btnTest = nullptr;
    TSpeedButton* btnStop = nullptr;
    TSpeedButton* btnStart = nullptr;
    TSpeedButton* btnExit = nullptr;
    TStatusBar* StatusBar1 = nullptr;
    TPopupMenu* PopupMenu1 = nullptr;
    TMenuItem* START1 = nullptr;
    TMenuItem* STOP1 = nullptr;
    TMenuItem* ShowForm1 = nullptr;
    TMenuItem* N1 = nullptr;
    TMenuItem* Exit1 = nullptr;
    TImageList* ImageList1 = nullptr;
    TImageList* imgrada = nullptr;
    TImageList* imgpest = nullptr;
    TImageList* imgDev = nullptr;
    TTimer* Timer1 = nullptr;
    TTimer* Timer2 = nullptr;
    TTimer* Timer3 = nullptr;
    TCoolTrayIcon* TrayIcon1 = nullptr;
    TToneGen* ToneGen1 = nullptr;
    TSkinData* SkinData1 = nullptr;

    // Handlers.
    void FormCreate(TComponent* sender);
    void btnStartClick(TComponent* sender);
    void btnStopClick(TComponent* sender);
    void btnTestClick(TComponent* sender);
    void btnSetupClick(TComponent* sender);
    void btnExitClick(TComponent* sender);
    void CheckBox2Click(TComponent* sender);
    void Timer1Timer(TComponent* sender);
    void Timer2Timer(TComponent* sender);
    void Timer3Timer(TComponent* sender);
    void START1Click(TComponent* sender);
    void STOP1Click(TComponent* sender);
    void Exit1Click(TComponent* sender);
    void ShowForm1Click(TComponent* sender);
    void TrayIcon1Click(TComponent* sender);

    // Switches the notification-area icon between its running animation and its idle picture.
    void SetIcoAni(bool running);
    // The missing-picture check of start-up; false (after the error box and Terminate) when
    // the idle picture is not there.
    bool KOR_InitFirst();
    // Picks the settings file (SettingsFilePlace.h) and creates it when missing.
    void MakeIni();
    // The settings file MakeIni picked; the fixed file before it runs.
    const std::string& SettingsFile() const { return settingsFile_; }
    void WriteALL();
    void ReadALL();
    // The tone ticks (UMainTicks.cpp).
    void GenSoundByTrack_PCSKP();
    void SetupInitTone();

    // The skin number FormCreate drew (the last of its 1000 draws), -1 before.
    int SkinNumber() const { return skinNumber_; }
    // The handler of that name, guarded so an exception goes to the error box with the sender as
    // its source (one open box per source); empty if none.
    TLayoutMethod Method(const std::string& name);
    // The notification-area icon's view of a popup menu of this window (kept here).
    ITrayPopupMenu* MenuPort(TPopupMenu* menu);

private:
    void BindFields();
    void WireTrayIcon();

    std::unique_ptr<TImageListTrayPort> radaPort_;
    std::unique_ptr<TPopupMenuTrayPort> menuPort_;
    int skinNumber_ = -1;
    std::string settingsFile_ = kIniFileName;
};

} // namespace quellar
