#pragma once
// The real main window under Wine for tests: message boxes are answered (and recorded) through
// the framework's seam, the tone generator plays into a recorder and the settings file is the
// test prefix's c:\quellar.ini.
#include "app/LocalTime.h"
#include "app/UMain.h"
#include "base/Exception.h"
#include "tests/tonegen/RecordingSoundService.h"
#include "ui/Dialogs.h"
#include "ui/WinUtil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace quellar {
namespace test {

struct Box {
    std::string text;
    std::string caption;
    unsigned flags;
    bool operator==(const Box&) const = default;
};

inline void PrintTo(const Box& box, std::ostream* os) {
    *os << "\"" << box.caption << "\": \"" << box.text << "\" flags 0x" << std::hex << box.flags << std::dec;
}

const std::vector<std::string> kFirstSave = {
    "[KOR Quellar]", "Item=Data",  "PEST=1",     "PC_SPK=N",   "SOUND_DEV=N", "SAMPLE_RATE=0", "TIME_CH=0",
    "VAL_CH=0",      "MAST_VOL=0", "WAVE_FRM=0", "DURATION=0", "AUTO=N",      "FREQ=15000"};

class MainWindow : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof(temp), temp);
        folder_ = std::string(temp) + "quellar-main-test";
        CreateDirectoryA(folder_.c_str(), nullptr);
        SetCurrentDirectoryA(folder_.c_str());
        for (const char* picture : {"mos00.jpg", "mos01.jpg"}) {
            CopyFileA((std::string(QUELLAR_PICTURES_DIR) + "/" + picture).c_str(), picture, FALSE);
        }
        DeleteFileA(kIniFileName);
        previousSound_ = TToneGen::SetDefaultSoundService(&sound);
        app = new TApplication();
        app->Initialize();
        app->SetTitle(kAppTitle);
        SetMessageBoxHandler(
            [this](HWND, const std::string& text, const std::string& caption, unsigned flags) {
                boxes.push_back(Box{text, caption, flags});
                return IDOK;
            });
    }
    void TearDown() override {
        SetMessageBoxHandler({});
        delete app;
        TToneGen::SetDefaultSoundService(previousSound_);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
        DeleteFileA(kIniFileName);
        DeleteFileA("mos00.jpg");
        DeleteFileA("mos01.jpg");
    }
    // A new application object, as a new start of the program has.
    void Restart() {
        delete app;
        app = new TApplication();
        app->Initialize();
        app->SetTitle(kAppTitle);
        boxes.clear();
    }
    TfrmMain* Start() {
        form = app->CreateForm<TfrmMain>();
        return form;
    }
    // A start that finds the settings of kSaved.
    TfrmMain* StartWithSavedSettings();
    static std::vector<std::string> IniLines(const std::string& path = kIniFileName) {
        std::ifstream file(path);
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line);) {
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            lines.push_back(line);
        }
        return lines;
    }
    static void WriteIni(const std::vector<std::string>& lines) {
        std::ofstream file(kIniFileName, std::ios::binary | std::ios::trunc);
        for (const std::string& line : lines) {
            file << line << "\r\n";
        }
    }
    // A saved file with the given lines after "[KOR Quellar]" and "Item=Data".
    static void WriteSettings(std::vector<std::string> keys) {
        keys.insert(keys.begin(), {"[KOR Quellar]", "Item=Data"});
        WriteIni(keys);
    }
    static std::string ConvertError(const std::function<void()>& action) {
        try {
            action();
        } catch (const EConvertError& error) {
            return error.Message();
        }
        return "no error";
    }

    // Handles the thread's messages (timers included) for `ms` milliseconds.
    static void RunMessagesFor(int ms) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
        while (std::chrono::steady_clock::now() < end) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
            Sleep(2);
        }
    }

    TApplication* app = nullptr;
    TfrmMain* form = nullptr;
    std::vector<Box> boxes;
    TRecordingSoundService sound; // what the window's tone generator plays
    std::string folder_;

private:
    ISoundService* previousSound_ = nullptr;
};

const std::vector<std::string> kSaved = {"PEST=0",       "PC_SPK=N",    "SOUND_DEV=Y", "SAMPLE_RATE=3",
                                         "TIME_CH=250",  "VAL_CH=-100", "MAST_VOL=70", "WAVE_FRM=4",
                                         "DURATION=800", "AUTO=Y",      "FREQ=18000"};

inline TfrmMain* MainWindow::StartWithSavedSettings() {
    WriteSettings(kSaved);
    return Start();
}

} // namespace test
} // namespace quellar
