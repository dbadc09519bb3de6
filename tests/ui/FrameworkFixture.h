#pragma once
// The fixture of the framework's tests against Wine's real Win32: an application with one
// fixed-size main form, and the message boxes it showed.
#include "base/Exception.h"
#include "tests/support/FrameworkBuilders.h"
#include "ui/Buttons.h"
#include "ui/ComCtrls.h"
#include "ui/Dialogs.h"
#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "ui/ImgList.h"
#include "ui/Menus.h"
#include "ui/ScrollCtrls.h"
#include "ui/StdCtrls.h"
#include "ui/StdRegistry.h"
#include "ui/TabCtrls.h"
#include "ui/WinUtil.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

namespace quellar {

struct Box {
    std::string text;
    std::string caption;
    unsigned flags;
};

class Framework : public ::testing::Test {
protected:
    void SetUp() override {
        app = new TApplication();
        app->Initialize();
        app->SetTitle("KOR Quellar 3.3");
        SetMessageBoxHandler(
            [this](HWND, const std::string& text, const std::string& caption, unsigned flags) {
                boxes.push_back(Box{text, caption, flags});
                return IDOK;
            });
        form = new TForm(app);
        form->SetBorderStyle(TBorderStyle::bsSingle);
        form->SetBorderIcons(biSystemMenu | biMinimize);
        form->SetClientSize(449, 347);
        form->SetPosition(TPosition::poDesktopCenter);
        app->SetMainForm(form);
    }
    void TearDown() override {
        SetMessageBoxHandler({});
        delete app;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    void Pump(int ms) {
        const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
        while (static_cast<int>(end - GetTickCount()) > 0) {
            app->ProcessMessages();
            Sleep(5);
        }
    }
    TApplication* app = nullptr;
    TForm* form = nullptr;
    std::vector<Box> boxes;
};

} // namespace quellar
