// The real main window under Wine: start-up, settings file, handlers and layout.
#include "tests/app/MainWindowFixture.h"

namespace quellar::test {
namespace {

TEST_F(MainWindow, WithoutTheIdlePictureStartUpShowsTheErrorAndEndsTouchingNothing) {
    DeleteFileA("mos00.jpg");
    Start();
    EXPECT_EQ(boxes,
              (std::vector<Box>{{"ERR:0x01:File for SYS not found !", "Error", MB_OK | MB_ICONERROR}}));
    EXPECT_TRUE(app->TerminateRequested());
    EXPECT_EQ(GetFileAttributesA(kIniFileName), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(form->SkinData1->SkinFile(), "");
    EXPECT_FALSE(form->SkinData1->Active());
    app->Run();
    EXPECT_TRUE(app->Terminated());
    EXPECT_FALSE(form->HandleAllocated() && IsWindowVisible(form->Handle()));
}

TEST_F(MainWindow, FirstStartCreatesTheFileAndStopsReadingAtItsFirstKey) {
    Start();
    EXPECT_EQ(IniLines(), (std::vector<std::string>{"[KOR Quellar]", "Item=Data"}));
    EXPECT_EQ(boxes, (std::vector<Box>{
                         {"'' is not a valid integer value.", "KOR Quellar 3.3", MB_OK | MB_ICONSTOP}}));
    // Steps 1 to 11 ran, 14 and 15 did not.
    EXPECT_EQ(form->StatusBar1->PanelText(0), ShortDateText());
    EXPECT_GE(form->SkinNumber(), 0);
    EXPECT_LE(form->SkinNumber(), 10);
    EXPECT_EQ(form->SkinData1->SkinFile(), "skin" + std::to_string(form->SkinNumber()) + ".skn");
    EXPECT_TRUE(form->SkinData1->Active());
    EXPECT_EQ(form->Image1->FileName(), "mos00.jpg");
    EXPECT_EQ(form->Image1->Picture().Width(), 236);
    EXPECT_EQ(form->TrayIcon1->Hint(), "KOR Quellar 3.3");
    EXPECT_FALSE(form->TrayIcon1->CycleIcons());
    EXPECT_FALSE(form->Label2->Enabled());
    EXPECT_FALSE(form->ComboBox1->Enabled());
    EXPECT_EQ(form->cmbPest->ItemIndex(), 1);
    EXPECT_EQ(form->ComboBox1->ItemIndex(), 0);
    EXPECT_EQ(form->ComboBox2->ItemIndex(), 0);
    EXPECT_TRUE(form->ToneGen1->Loop);
    EXPECT_EQ(sound.Count(TRecordingSoundService::TCall::setVolume), 1); // the generator's own, not preset
    EXPECT_FALSE(form->CheckBox1->Checked());
    EXPECT_FALSE(app->TerminateRequested());
}

TEST_F(MainWindow, FirstSaveWritesTheThirteenLinesAndReadsThemBack) {
    Start();
    boxes.clear();
    form->btnSetupClick(form->btnSetup);
    EXPECT_EQ(IniLines(), kFirstSave);
    // The re-read succeeds now: no error box.
    EXPECT_EQ(boxes, (std::vector<Box>{{"Save configulation and Read System back success ...", "Information",
                                        MB_OK | MB_ICONINFORMATION}}));
}

TEST_F(MainWindow, SecondStartAppliesEveryKeyChecksPcSpeakerAndSetsOnlyCheckedTimers) {
    StartWithSavedSettings();
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(form->cmbPest->ItemIndex(), 0);
    EXPECT_TRUE(form->CheckBox1->Checked()); // the file says N; start-up checks it anyway
    EXPECT_TRUE(form->CheckBox2->Checked());
    EXPECT_TRUE(form->Label2->Enabled());
    EXPECT_TRUE(form->ComboBox1->Enabled());
    EXPECT_EQ(form->ComboBox1->ItemIndex(), 3);
    EXPECT_EQ(form->edtTC->Text(), "250");
    EXPECT_EQ(form->edtVC->Text(), "-100");
    EXPECT_EQ(form->TrackBar1->Position(), 70);
    EXPECT_EQ(form->ComboBox2->ItemIndex(), 4);
    EXPECT_EQ(form->edtDU->Text(), "800");
    EXPECT_TRUE(form->CheckBox3->Checked());
    EXPECT_EQ(form->TrackBar2->Position(), 18000);
    EXPECT_EQ(form->Timer2->Interval(), 1000u); // PC SPK was unchecked while reading
    EXPECT_EQ(form->Timer3->Interval(), 250u);
    EXPECT_FALSE(form->Timer2->Enabled());
    EXPECT_FALSE(form->Timer3->Enabled());
    EXPECT_FALSE(form->ToneGen1->Loop);
    // The generator sets the device volume when it is made, and start-up presets it again.
    EXPECT_EQ(sound.Count(TRecordingSoundService::TCall::setVolume), 2);
}

TEST_F(MainWindow, SettingsValuesAreReadStrictlyAndClampedWhereTheControlsClamp) {
    StartWithSavedSettings();
    WriteIni({"[kor quellar]", "pest=99", "PC_SPK=y", "SOUND_DEV=N", "SAMPLE_RATE=1", "TIME_CH=abc",
              "VAL_CH=x", "MAST_VOL=-5", "WAVE_FRM=7", "DURATION=1", "AUTO=", "FREQ=30000"});
    form->ReadALL(); // no box checked after reading: the bad "Time Change" is never converted
    EXPECT_EQ(form->cmbPest->ItemIndex(), -1);
    EXPECT_FALSE(form->CheckBox1->Checked());
    EXPECT_FALSE(form->CheckBox2->Checked());
    EXPECT_FALSE(form->ComboBox1->Enabled());
    EXPECT_EQ(form->edtTC->Text(), "abc");
    EXPECT_EQ(form->TrackBar1->Position(), 0);
    EXPECT_EQ(form->ComboBox2->ItemIndex(), -1);
    EXPECT_FALSE(form->CheckBox3->Checked());
    EXPECT_EQ(form->TrackBar2->Position(), 20000);

    auto withTimeChange = [](const std::string& text) {
        WriteSettings({"PEST=1", "PC_SPK=Y", "SOUND_DEV=N", "SAMPLE_RATE=0", "TIME_CH=" + text, "VAL_CH=0",
                       "MAST_VOL=0", "WAVE_FRM=0", "DURATION=0", "AUTO=N", "FREQ=15000"});
    };
    withTimeChange("abc");
    EXPECT_EQ(ConvertError([&] { form->ReadALL(); }), "'abc' is not a valid integer value");
    for (const auto& [text, ms] : std::vector<std::pair<std::string, unsigned>>{
             {" 250", 250u}, {"$FA", 250u}, {"0x10", 16u}, {"-7", 0u}}) {
        withTimeChange(text);
        form->ReadALL();
        EXPECT_EQ(form->Timer2->Interval(), ms) << text;
    }
    withTimeChange("250ms");
    EXPECT_EQ(ConvertError([&] { form->ReadALL(); }), "'250ms' is not a valid integer value");
    withTimeChange("");
    EXPECT_EQ(ConvertError([&] { form->ReadALL(); }), "'' is not a valid integer value");
    WriteSettings({"PEST=4294967296"});
    EXPECT_EQ(ConvertError([&] { form->ReadALL(); }), "'4294967296' is not a valid integer value");
}

TEST_F(MainWindow, StartShowsRunningStateAndStopPutsItBackWithOneMessage) {
    StartWithSavedSettings();
    form->btnStartClick(form->btnStart);
    form->btnStartClick(form->btnStart);
    EXPECT_EQ(form->Image1->FileName(), "mos01.jpg");
    EXPECT_TRUE(form->Timer2->Enabled());
    EXPECT_TRUE(form->Timer3->Enabled());
    EXPECT_TRUE(form->TrayIcon1->CycleIcons());
    EXPECT_NE(form->TrayIcon1->IconList(), nullptr);
    EXPECT_EQ(form->TrayIcon1->IconList()->Count(), 16);
    EXPECT_TRUE(boxes.empty());
    form->btnStopClick(form->btnStop);
    EXPECT_EQ(form->Image1->FileName(), "mos00.jpg");
    EXPECT_FALSE(form->Timer2->Enabled());
    EXPECT_FALSE(form->Timer3->Enabled());
    EXPECT_FALSE(form->TrayIcon1->CycleIcons());
    EXPECT_EQ(boxes, (std::vector<Box>{{"Stop KOR Quellar ...", "Information", MB_OK | MB_ICONINFORMATION}}));
    // STOP while idle, the tray click and the menu's STOP all show the message again.
    form->TrayIcon1Click(form->TrayIcon1);
    form->STOP1Click(form->STOP1);
    EXPECT_EQ(boxes.size(), 3u);
}

TEST_F(MainWindow, MissingPicturesEndTheHandlersAtTheFailingStep) {
    StartWithSavedSettings();
    DeleteFileA("mos01.jpg");
    form->Method("btnStartClick")(form->btnStart);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Cannot open file \"mos01.jpg\""); // '"' sorts before '.'
    EXPECT_EQ(boxes[0].caption, "KOR Quellar 3.3");
    EXPECT_TRUE(form->TrayIcon1->CycleIcons()); // SetIcoAni(true) ran
    EXPECT_FALSE(form->Timer2->Enabled());
    EXPECT_FALSE(form->Timer3->Enabled());
    form->Timer2->SetEnabled(true);
    DeleteFileA("mos00.jpg");
    form->Method("btnStopClick")(form->btnStop);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, "Cannot open file \"mos00.jpg\"");
    EXPECT_TRUE(form->Timer2->Enabled()); // not silenced, no stop message
    EXPECT_FALSE(form->TrayIcon1->CycleIcons());
}

TEST_F(MainWindow, SoundDeviceBoxEnablesTheSampleRateAndTestSetsTheToneGenerator) {
    StartWithSavedSettings();
    form->CheckBox2->SetChecked(false);
    EXPECT_FALSE(form->Label2->Enabled());
    EXPECT_FALSE(form->ComboBox1->Enabled());
    SendMessageA(form->CheckBox2->Handle(), BM_CLICK, 0, 0); // the user's click
    EXPECT_TRUE(form->CheckBox2->Checked());
    EXPECT_TRUE(form->ComboBox1->Enabled());
    form->CheckBox1->SetChecked(false);
    form->ToneGen1->Loop = true;
    form->btnTestClick(form->btnTest);
    EXPECT_FALSE(form->ToneGen1->Loop);
    EXPECT_EQ(form->ToneGen1->Duration(), 1000);
    EXPECT_EQ(form->ToneGen1->Frequency(), 440);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindow, StatusBarShowsTheTimeEverySecond) {
    StartWithSavedSettings();
    EXPECT_EQ(form->StatusBar1->PanelText(1), "");
    form->Timer1Timer(form->Timer1);
    EXPECT_EQ(form->StatusBar1->PanelText(1), LongTimeText());
    EXPECT_EQ(form->StatusBar1->PanelText(2), kStatusNotice);
    EXPECT_EQ(form->Timer1->Interval(), 1000u);
    EXPECT_TRUE(form->Timer1->Running());
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindow, MinimisingHidesTheWindowAndShowFormBringsItBack) {
    StartWithSavedSettings();
    form->Show();
    ASSERT_TRUE(IsWindowVisible(form->Handle()));
    SendMessageA(form->Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(IsWindowVisible(form->Handle()));
    EXPECT_FALSE(IsWindowVisible(app->Handle())); // no taskbar entry either
    form->ShowForm1Click(form->ShowForm1);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    EXPECT_TRUE(boxes.empty());
}

TEST_F(MainWindow, SavingAfterTheFileWasDeletedWritesTheSectionAndElevenKeys) {
    StartWithSavedSettings();
    DeleteFileA(kIniFileName);
    form->btnSetupClick(form->btnSetup);
    std::vector<std::string> expected = kSaved;
    expected[1] = "PC_SPK=Y"; // checked at start-up
    expected.insert(expected.begin(), "[KOR Quellar]");
    EXPECT_EQ(IniLines(), expected);
}

TEST_F(MainWindow, FailedSaveEndsAtTheFailingKeyWithoutTheSuccessMessage) {
    StartWithSavedSettings();
    DeleteFileA(kIniFileName);
    ASSERT_TRUE(CreateDirectoryA(kIniFileName, nullptr)); // a folder where the file should be
    form->Method("btnSetupClick")(form->btnSetup);
    RemoveDirectoryA(kIniFileName);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Unable to write to c:\\quellar.ini.");
    EXPECT_EQ(boxes[0].flags, static_cast<unsigned>(MB_OK | MB_ICONSTOP));
}

TEST_F(MainWindow, WhereTheFixedFileCannotBeCreatedThePerUserFileIsUsedWithoutAWord) {
    char local[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableA("LOCALAPPDATA", local, sizeof local), 0u);
    const std::string folder = std::string(local) + "\\KOR Quellar";
    const std::string perUser = folder + "\\quellar.ini";
    struct CleanUp {
        const std::string& folder;
        const std::string& file;
        ~CleanUp() {
            RemoveDirectoryA(kIniFileName);
            DeleteFileA(file.c_str());
            RemoveDirectoryA(folder.c_str());
        }
    } cleanUp{folder, perUser};
    DeleteFileA(perUser.c_str());
    ASSERT_TRUE(CreateDirectoryA(kIniFileName, nullptr)); // a folder where the file should be
    Start();
    EXPECT_EQ(form->SettingsFile(), perUser);
    ASSERT_EQ(boxes.size(), 1u); // a fresh file's first read, as at c:\ on a first start
    EXPECT_EQ(boxes[0].text, "'' is not a valid integer value.");
    boxes.clear();
    form->btnSetupClick(form->btnSetup);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Save configulation and Read System back success ...");
    EXPECT_EQ(IniLines(perUser), kFirstSave);

    Restart(); // the next start finds the per-user file and reads it to the end
    Start();
    EXPECT_EQ(form->SettingsFile(), perUser);
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(form->CheckBox1->Checked()); // start-up's last step ran
    EXPECT_FALSE(form->ToneGen1->Loop);
    EXPECT_NE(GetFileAttributesA(kIniFileName) & FILE_ATTRIBUTE_DIRECTORY, 0u)
        << "the blocking folder is untouched";
}

TEST_F(MainWindow, MenuItemsRunTheButtonsHandlers) {
    StartWithSavedSettings();
    TPopupMenu::SetPopupAnswer([this](HMENU) { return static_cast<int>(form->START1->Command()); });
    form->PopupMenu1->Popup(0, 0);
    TPopupMenu::SetPopupAnswer({});
    EXPECT_EQ(form->Image1->FileName(), "mos01.jpg");
    EXPECT_TRUE(form->Timer3->Enabled());
    form->START1->Click();
    form->STOP1->Click();
    EXPECT_FALSE(form->Timer3->Enabled());
    EXPECT_EQ(boxes.size(), 1u);
    form->Exit1->Click();
    EXPECT_TRUE(app->TerminateRequested());
}

struct Place {
    const char* name;
    int left, top, width, height;
};

TEST_F(MainWindow, WindowMatchesItsLayout) {
    StartWithSavedSettings();
    form->Show();
    HWND hwnd = form->Handle();
    EXPECT_EQ(HwndGetText(hwnd).rfind("KOR Quellar 3.00c", 0), 0u);
    EXPECT_EQ(HwndClientRect(hwnd).right, 449);
    EXPECT_EQ(HwndClientRect(hwnd).bottom, 347);
    EXPECT_FALSE(GetWindowLongA(hwnd, GWL_STYLE) & WS_MAXIMIZEBOX);
    EXPECT_FALSE(GetWindowLongA(hwnd, GWL_STYLE) & WS_THICKFRAME) << "bsSingle: not sizeable";
    EXPECT_EQ(HwndGetText(GetWindow(hwnd, GW_OWNER)), "KOR Quellar 3.3");
    // Windowed controls: their real windows, relative to their parents.
    for (const Place& p : {Place{"Panel1", 0, 0, 446, 272}, Place{"Panel2", 7, 46, 118, 126},
                           Place{"GroupBox1", 153, 45, 278, 67}, Place{"GroupBox2", 153, 111, 278, 58},
                           Place{"CheckBox1", 44, 24, 66, 17}, Place{"CheckBox2", 152, 24, 110, 17},
                           Place{"TrackBar1", 0, 230, 126, 22}, Place{"GroupBox3", 139, 169, 292, 49},
                           Place{"edtTC", 92, 17, 54, 22}, Place{"edtVC", 225, 18, 54, 22},
                           Place{"edtDU", 318, 222, 45, 22}, Place{"CheckBox3", 369, 226, 67, 12},
                           Place{"TrackBar2", 155, 245, 276, 24}, Place{"Panel3", 0, 0, 449, 42}}) {
        auto* control = dynamic_cast<TWinControl*>(form->FindComponent(p.name));
        ASSERT_NE(control, nullptr) << p.name;
        const RECT r = HwndRectInParent(control->Handle());
        EXPECT_EQ(r.left, p.left) << p.name;
        EXPECT_EQ(r.top, p.top) << p.name;
        EXPECT_EQ(r.right - r.left, p.width) << p.name;
        EXPECT_EQ(r.bottom - r.top, p.height) << p.name;
    }
    // Windowless controls: the places their parents paint them at.
    for (const Place& p : {Place{"SpeedButton1", 412, 6, 26, 25}, Place{"btnSetup", 11, 278, 69, 46},
                           Place{"btnTest", 90, 279, 69, 46}, Place{"btnStop", 170, 279, 69, 46},
                           Place{"btnStart", 250, 279, 69, 46}, Place{"btnExit", 374, 278, 69, 46},
                           Place{"Image2", 9, 19, 32, 32}, Place{"Image3", 118, 13, 32, 32}}) {
        auto* control = dynamic_cast<TControl*>(form->FindComponent(p.name));
        ASSERT_NE(control, nullptr) << p.name;
        EXPECT_EQ(control->BoundsRect().left, p.left) << p.name;
        EXPECT_EQ(control->BoundsRect().top, p.top) << p.name;
        EXPECT_EQ(control->Width(), p.width) << p.name;
        EXPECT_EQ(control->Height(), p.height) << p.name;
    }
}

TEST_F(MainWindow, TextsItemsFontsAndListsMatchTheLayout) {
    StartWithSavedSettings();
    EXPECT_EQ(form->Label1->Left(), 11);
    EXPECT_EQ(form->Label1->Top(), 28);
    EXPECT_EQ(form->Image1->Width(), 116); // fills its framed parent
    EXPECT_EQ(HwndRectInParent(form->StatusBar1->Handle()).top, 328);
    EXPECT_EQ(HwndGetText(form->CheckBox2->Handle()), "Sound device");
    EXPECT_EQ(HwndGetText(form->GroupBox1->Handle()), "Pest Choices");
    EXPECT_EQ(form->Panel3->Caption(), " * KOR Quellar 3.3*");
    EXPECT_EQ(form->btnStop->Caption(), "ST&OP");
    EXPECT_EQ(form->btnStop->Hint(), "Stop Quellar...");
    EXPECT_EQ(form->Label1->Font().Height(), 15);
    EXPECT_EQ(form->btnExit->Font().Style(), static_cast<unsigned>(fsBold));
    EXPECT_EQ(form->ComboBox1->Items(), (std::vector<std::string>{"8,000", "11,025", "22,050", "44,100"}));
    EXPECT_EQ(form->ComboBox3->ItemIndex(), 0);
    EXPECT_EQ(SendMessageA(form->cmbPest->Handle(), CB_GETCOUNT, 0, 0), 2);
    int edges[3] = {};
    SendMessageA(form->StatusBar1->Handle(), SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    EXPECT_EQ(edges[0], 70);
    EXPECT_EQ(edges[1], 140);
    std::vector<std::string> menu;
    for (int i = 0; i < form->PopupMenu1->Items().Count(); ++i) {
        menu.push_back(form->PopupMenu1->Items().Item(i)->Caption());
    }
    EXPECT_EQ(menu, (std::vector<std::string>{"START", "STOP", "SHOW FORM", "-", "E&xit"}));
    EXPECT_EQ(form->ImageList1->Count(), 4);
    EXPECT_EQ(form->imgrada->Count(), 16);
    EXPECT_EQ(form->imgpest->Count(), 2);
    EXPECT_EQ(form->imgpest->Width(), 32);
    EXPECT_EQ(form->imgDev->Count(), 2);
    EXPECT_EQ(form->TrayIcon1->CycleInterval(), 400u);
    EXPECT_TRUE(form->TrayIcon1->MinimizeToTray());
}

} // namespace
} // namespace quellar::test
