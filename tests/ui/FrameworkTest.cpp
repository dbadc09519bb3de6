// The framework against Wine's real Win32: windows, messages, timers, painting.
#include "base/Exception.h"
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
namespace {

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

TEST_F(Framework, ClassTreeAnswersTheQueriesTheControlSkinsAsk) {
    auto* ex = new TComboBoxEx(form);
    auto* combo = new TComboBox(form);
    auto* speed = new TSpeedButton(form);
    auto* bit = new TBitBtn(form);
    auto* check = new TCheckBox(form);
    auto* group = new TGroupBox(form);
    auto* panel = new TPanel(form);
    auto* edit = new TEdit(form);
    auto* status = new TStatusBar(form);
    EXPECT_EQ(ex->ClassName(), "TComboBoxEx");
    EXPECT_FALSE(ex->InheritsFrom("TCustomComboBox"));
    EXPECT_TRUE(combo->InheritsFrom("TCustomComboBox"));
    EXPECT_TRUE(speed->InheritsFrom("TGraphicControl"));
    EXPECT_FALSE(speed->InheritsFrom("TWinControl"));
    EXPECT_TRUE(bit->InheritsFrom("TButton"));
    EXPECT_TRUE(check->InheritsFrom("TCustomCheckBox"));
    EXPECT_TRUE(group->InheritsFrom("TCustomGroupBox"));
    EXPECT_TRUE(panel->InheritsFrom("TCustomPanel"));
    EXPECT_FALSE(panel->InheritsFrom("TCustomGroupBox"));
    EXPECT_TRUE(edit->InheritsFrom("TCustomEdit"));
    EXPECT_TRUE(status->InheritsFrom("TStatusBar"));
    EXPECT_TRUE(form->InheritsFrom("TCustomForm"));
}

TEST_F(Framework, ApplicationWindowIsAHiddenTopLevelWindowThatOwnsTheForms) {
    EXPECT_EQ(FindWindowA("TApplication", "KOR Quellar 3.3"), app->Handle());
    EXPECT_FALSE(IsWindowVisible(app->Handle()));
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), app->Handle());
    EXPECT_EQ(app->Forms().size(), 1u);
}

TEST_F(Framework, FixedSizeFormShowsCentredWithTheClientSizeAskedFor) {
    form->Show();
    RECT client = HwndClientRect(form->Handle());
    EXPECT_EQ(client.right, 449);
    EXPECT_EQ(client.bottom, 347);
    const LONG style = GetWindowLongA(form->Handle(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    RECT window{};
    GetWindowRect(form->Handle(), &window);
    EXPECT_NEAR((window.left + window.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
}

TEST_F(Framework, ExceptionInAHandlerShowsTheErrorBoxAndTheProgramGoesOn) {
    auto* box = new TCheckBox(form);
    box->SetParent(form);
    box->SetBounds(10, 10, 100, 20);
    std::string next = "abc";
    box->OnClick = [&](TComponent*) { throw Exception(next); };
    form->Show();
    SendMessageA(box->Handle(), BM_CLICK, 0, 0); // a real click: BN_CLICKED to the form, reflected
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "abc.");
    EXPECT_EQ(boxes[0].caption, "KOR Quellar 3.3");
    EXPECT_EQ(boxes[0].flags, static_cast<unsigned>(MB_OK | MB_ICONSTOP));
    EXPECT_TRUE(box->Checked()); // the state changed before the handler failed
    next = "abc!";
    SendMessageA(box->Handle(), BM_CLICK, 0, 0);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, "abc!");
    EXPECT_FALSE(box->Checked());
    EXPECT_EQ(SendMessageA(box->Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(Framework, CheckBoxClickRunsOnlyOnAChangeOfState) {
    auto* box = new TCheckBox(form);
    box->SetParent(form);
    int clicks = 0;
    box->OnClick = [&](TComponent*) { ++clicks; };
    box->SetChecked(false);
    EXPECT_EQ(clicks, 0);
    box->SetChecked(true);
    box->SetChecked(true);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(SendMessageA(box->Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST_F(Framework, TimerIntervalZeroNeverTicksAndUnchangedSettingsDoNotRestart) {
    auto* timer = new TTimer(form);
    int ticks = 0;
    timer->SetInterval(0);
    timer->SetOnTimer([&](TComponent*) { ++ticks; });
    EXPECT_FALSE(timer->Running());
    Pump(100);
    EXPECT_EQ(ticks, 0);
    timer->SetInterval(30);
    EXPECT_TRUE(timer->Running());
    const int starts = timer->Starts();
    timer->SetEnabled(true);
    timer->SetInterval(30);
    EXPECT_EQ(timer->Starts(), starts);
    timer->SetInterval(25); // a new interval restarts the period
    EXPECT_EQ(timer->Starts(), starts + 1);
    Pump(400);
    EXPECT_GE(ticks, 3);
    timer->SetEnabled(false);
    const int stopped = ticks;
    Pump(150);
    EXPECT_EQ(ticks, stopped);
}

TEST_F(Framework, WindowlessButtonIsClickedThroughItsParentsMouseMessages) {
    auto* button = new TSpeedButton(form);
    button->SetParent(form);
    button->SetBounds(20, 30, 69, 46);
    int clicks = 0;
    button->OnClick = [&](TComponent*) { ++clicks; };
    form->Show();
    HWND hwnd = form->Handle();
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 50));
    EXPECT_TRUE(button->Pressed());
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(41, 51));
    EXPECT_EQ(clicks, 1);
    // Pressed on the button, released outside it: no click.
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 50));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(200, 200));
    EXPECT_EQ(clicks, 1);
    button->SetEnabled(false);
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 50));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(40, 50));
    EXPECT_EQ(clicks, 1);
}

TEST_F(Framework, ReplacedMessageHandlerSeesHoverNotificationsWithTheirNumbers) {
    auto* button = new TSpeedButton(form);
    button->SetParent(form);
    button->SetBounds(20, 30, 69, 46);
    std::vector<UINT> seen;
    TWndMethod saved = button->WindowProc;
    button->WindowProc = [&](TMessage& m) {
        if (m.Msg >= 0xB000 && m.Msg < 0xB100) {
            seen.push_back(m.Msg);
        }
        saved(m);
    };
    form->Show();
    SendMessageA(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 40));
    EXPECT_TRUE(button->MouseInControl());
    SendMessageA(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(300, 300));
    button->SetEnabled(false);
    EXPECT_EQ(seen, (std::vector<UINT>{0xB013, 0xB014, 0xB00C}));
    EXPECT_FALSE(button->MouseInControl());
}

TEST_F(Framework, HintShowsAfterTheMouseRestsOnAControlAndGoesOnAClick) {
    auto* button = new TSpeedButton(form);
    button->SetParent(form);
    button->SetBounds(20, 30, 69, 46);
    button->SetHint("Start Quellar...");
    button->SetShowHint(true);
    form->Show();
    POINT over{30, 40};
    ClientToScreen(form->Handle(), &over);
    SetCursorPos(over.x, over.y); // the mouse really rests there, so no leave notice comes
    SendMessageA(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 40));
    EXPECT_EQ(FindWindowA("THintWindow", "Start Quellar..."), nullptr); // not at once
    Pump(800);
    HWND hint = FindWindowA("THintWindow", "Start Quellar...");
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(IsWindowVisible(hint));
    PostMessageA(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 40));
    PostMessageA(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(30, 40));
    Pump(50);
    EXPECT_FALSE(IsWindowVisible(hint));
}

TEST_F(Framework, AmpersandAcceleratorClicksItsButton) {
    auto* exitButton = new TSpeedButton(form);
    exitButton->SetParent(form);
    exitButton->SetCaption("E&xit");
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetBounds(100, 100, 60, 22);
    int clicks = 0;
    exitButton->OnClick = [&](TComponent*) { ++clicks; };
    form->Show(); // a hidden window's buttons take no accelerators
    EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'e'), 0);
    EXPECT_EQ(form->Perform(CM_DIALOGCHAR, 'X'), 1);
    EXPECT_EQ(clicks, 1);
    // Alt+X typed into the edit goes through the message loop to the form.
    edit->SetFocus();
    PostMessageA(edit->Handle(), WM_SYSCHAR, 'x', 0x20000000);
    Pump(50);
    EXPECT_EQ(clicks, 2);
}

TEST_F(Framework, ParentPaintsItsWindowlessPictureIntoItsDeviceContext) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 100, 100);
    auto* image = new TImage(form);
    image->SetParent(panel);
    image->SetBounds(10, 10, 20, 20);
    image->SetStretch(true);
    TBitmap red(4, 4);
    for (int i = 0; i < 16; ++i) {
        red.Pixels()[i] = 0xFF0000; // 0x00RRGGBB
    }
    image->SetPicture(red);
    TBitmap target(100, 100);
    MemoryDc dc;
    DcSelect sel(dc.Get(), target.Handle());
    panel->PaintControls(dc.Get());
    EXPECT_EQ(target.Pixels()[15 * 100 + 15] & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(target.Pixels()[5 * 100 + 5] & 0xFFFFFF, 0u); // outside the picture: untouched
    image->SetVisible(false);
    target.Pixels()[15 * 100 + 15] = 0;
    panel->PaintControls(dc.Get());
    EXPECT_EQ(target.Pixels()[15 * 100 + 15] & 0xFFFFFF, 0u);
}

TEST_F(Framework, SpeedButtonDrawsTheGlyphCellOfItsStateWithoutTheTransparentColour) {
    auto* button = new TSpeedButton(form);
    button->SetParent(form);
    button->SetBounds(0, 0, 69, 46);
    button->SetLayout(TButtonLayout::blGlyphTop);
    TBitmap glyph(40, 20); // two 20 x 20 cells: red (normal) and grey (disabled)
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x) {
            glyph.Pixels()[y * 40 + x] = x < 20 ? 0xFF0000 : 0x808080;
        }
    }
    for (int x = 0; x < 3; ++x) {
        glyph.Pixels()[19 * 40 + x] = 0xFF00FF; // the bottom-left colour is the transparent one
    }
    button->SetGlyph(glyph);
    button->SetNumGlyphs(2);
    auto paint = [&] {
        TBitmap target(69, 46);
        MemoryDc dc;
        DcSelect sel(dc.Get(), target.Handle());
        form->PaintControls(dc.Get());
        return std::vector<std::uint32_t>(target.Pixels(), target.Pixels() + 69 * 46);
    };
    // No caption: the glyph is centred, (69 - 20 + 1) / 2 across and (46 - 20) / 2 + 1 down.
    const int gx = 25;
    const int gy = 14;
    std::vector<std::uint32_t> enabled = paint();
    EXPECT_EQ(enabled[(gy + 10) * 69 + gx + 10] & 0xFFFFFF, 0xFF0000u);
    EXPECT_NE(enabled[(gy + 19) * 69 + gx] & 0xFFFFFF, 0xFF00FFu);
    button->SetEnabled(false);
    std::vector<std::uint32_t> disabled = paint();
    EXPECT_EQ(disabled[(gy + 10) * 69 + gx + 10] & 0xFFFFFF, 0x808080u);
}

TEST_F(Framework, PictureComboShowsItsItemsWithTheirPictures) {
    auto* images = new TImageList(form);
    images->SetSize(32, 32);
    ASSERT_TRUE(images->AddStrip(TBitmap(64, 32)));
    auto* combo = new TComboBoxEx(form);
    combo->SetParent(form);
    combo->SetImages(images);
    combo->SetItemsEx({{"Larva...", 0}, {"Mosquitoes", 1}});
    combo->SetItemIndex(1);
    HWND hwnd = combo->Handle();
    EXPECT_EQ(SendMessageA(hwnd, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageA(hwnd, CBEM_GETIMAGELIST, 0, 0)), images->Handle());
    char text[32] = {};
    COMBOBOXEXITEMA item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE;
    item.iItem = 1;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    ASSERT_TRUE(SendMessageA(hwnd, CBEM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ(text, "Mosquitoes");
    EXPECT_EQ(item.iImage, 1);
    delete images;
    EXPECT_EQ(combo->Images(), nullptr);
    EXPECT_EQ(SendMessageA(hwnd, CBEM_GETIMAGELIST, 0, 0), 0);
}

TEST_F(Framework, ComboIndexOutsideTheListSelectsNothing) {
    auto* combo = new TComboBox(form);
    combo->SetParent(form);
    combo->SetItems({"Sine", "Square"});
    combo->SetItemIndex(1);
    EXPECT_EQ(combo->ItemIndex(), 1);
    form->Show();
    EXPECT_EQ(SendMessageA(combo->Handle(), CB_GETCURSEL, 0, 0), 1);
    combo->SetItemIndex(7);
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(SendMessageA(combo->Handle(), CB_GETCOUNT, 0, 0), 2);
}

TEST_F(Framework, TerminateBeforeRunEndsWithoutShowingTheMainForm) {
    app->Terminate();
    app->Run();
    EXPECT_TRUE(app->Terminated());
    EXPECT_FALSE(form->HandleAllocated() && IsWindowVisible(form->Handle()));
}

TEST_F(Framework, ClosingTheMainFormEndsTheMessageLoop) {
    form->Show();
    PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
    app->Run(); // returns once the close has told the application to terminate
    EXPECT_TRUE(app->Terminated());
}

TEST_F(Framework, PopupMenuRunsTheChosenItemWithItsPicture) {
    auto* images = new TImageList(form);
    TBitmap strip(32, 16);
    EXPECT_TRUE(images->AddStrip(strip));
    EXPECT_EQ(images->Count(), 2);
    auto* menu = new TPopupMenu(form);
    menu->SetImages(images);
    auto* start = new TMenuItem(form);
    start->SetCaption("START");
    start->SetImageIndex(0);
    auto* line = new TMenuItem(form);
    line->SetCaption("-");
    auto* stop = new TMenuItem(form);
    stop->SetCaption("STOP");
    menu->Items().Add(start);
    menu->Items().Add(line);
    menu->Items().Add(stop);
    int started = 0;
    start->OnClick = [&](TComponent*) { ++started; };
    std::string text;
    bool picture = false;
    TPopupMenu::SetPopupAnswer([&](HMENU m) {
        char buffer[64] = {};
        GetMenuStringA(m, start->Command(), buffer, sizeof(buffer), MF_BYCOMMAND);
        text = buffer;
        MENUITEMINFOA mii{};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_BITMAP;
        GetMenuItemInfoA(m, start->Command(), FALSE, &mii);
        picture = mii.hbmpItem != nullptr;
        return static_cast<int>(start->Command());
    });
    menu->Popup(10, 10);
    TPopupMenu::SetPopupAnswer({});
    EXPECT_EQ(text, "START");
    EXPECT_TRUE(picture);
    EXPECT_EQ(started, 1);
    delete images; // the menu forgets a list that goes
    EXPECT_EQ(menu->Images(), nullptr);
}

TEST_F(Framework, ReplacedHandlerDecidesWhatReachesThePlatformControl) {
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    edit->SetText("before");
    HWND hwnd = edit->Handle();
    TWndMethod saved = edit->WindowProc;
    bool swallow = true;
    edit->WindowProc = [&](TMessage& m) {
        if (swallow && m.Msg == WM_SETTEXT) {
            m.Result = TRUE; // consumed: the platform's edit never sees it
            return;
        }
        saved(m);
    };
    SetWindowTextA(hwnd, "swallowed");
    EXPECT_EQ(HwndGetText(hwnd), "before");
    swallow = false;
    SetWindowTextA(hwnd, "passed on");
    EXPECT_EQ(HwndGetText(hwnd), "passed on");
    EXPECT_EQ(edit->Text(), "passed on");
}

TEST_F(Framework, ControlsForgetWindowsTheirParentDestroyedAndMakeNewOnes) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* edit = new TEdit(form);
    edit->SetParent(panel);
    edit->SetText("kept");
    HWND old = edit->Handle();
    ASSERT_EQ(TWinControl::FromHandle(old), edit);
    DestroyWindow(panel->Handle()); // the platform destroys the child window with it
    EXPECT_FALSE(edit->HandleAllocated());
    EXPECT_FALSE(panel->HandleAllocated());
    EXPECT_EQ(TWinControl::FromHandle(old), nullptr);
    HWND fresh = edit->Handle(); // parent and child are made again on demand
    EXPECT_TRUE(IsWindow(fresh));
    EXPECT_EQ(GetParent(fresh), panel->Handle());
    delete edit; // and a control going destroys its window
    EXPECT_FALSE(IsWindow(fresh));
}

TEST_F(Framework, ErrorBoxesOfOneSourceDoNotStackButOtherSourcesShowTheirOwn) {
    auto* timer = new TTimer(form);
    auto* other = new TTimer(form);
    SetMessageBoxHandler([&](HWND, const std::string& text, const std::string& caption, unsigned flags) {
        boxes.push_back(Box{text, caption, flags});
        if (boxes.size() == 1) {
            // While the timer's box waits for its OK: the timer fails again, then something else.
            app->HandleException(Exception("again"), timer);
            app->HandleException(Exception("other"), other);
            app->HandleException(Exception("no source"));
        }
        return IDOK;
    });
    app->HandleException(Exception("first"), timer);
    app->HandleException(Exception("after OK"), timer);
    std::vector<std::string> texts;
    for (const Box& box : boxes) {
        texts.push_back(box.text);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"first.", "other.", "no source.", "after OK."}));
}

TEST_F(Framework, ClickHandlerRunsWithoutTheMouseCaptured) {
    auto* first = new TSpeedButton(form);
    first->SetParent(form);
    first->SetBounds(20, 30, 69, 46);
    auto* second = new TSpeedButton(form);
    second->SetParent(form);
    second->SetBounds(120, 30, 69, 46);
    form->Show();
    HWND hwnd = form->Handle();
    HWND captureInHandler = hwnd;
    int firstClicks = 0;
    int secondClicks = 0;
    first->OnClick = [&](TComponent*) {
        ++firstClicks;
        captureInHandler = GetCapture();
        // A loop run from here (a message box whose owner stays enabled) gets a click elsewhere.
        SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(140, 50));
        SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(140, 50));
    };
    second->OnClick = [&](TComponent*) { ++secondClicks; };
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 50));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(40, 50));
    EXPECT_EQ(captureInHandler, nullptr);
    EXPECT_EQ(firstClicks, 1);
    EXPECT_EQ(secondClicks, 1); // reached the button under the mouse, not the one still clicked
}

TEST_F(Framework, FontWithACharacterSetNoFontCoversStillDrawsLetters) {
    TFont font;
    font.SetName("Tahoma");
    font.SetHeight(12);
    font.SetCharset(222); // Thai
    HDC dc = GetDC(nullptr);
    WORD glyph = 0xFFFF;
    {
        DcSelect sel(dc, font.Handle());
        GetGlyphIndicesA(dc, "A", 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS);
    }
    ReleaseDC(nullptr, dc);
    EXPECT_NE(glyph, 0xFFFF);
    EXPECT_EQ(font.Charset(), 222); // the stored setting is kept
}

TEST_F(Framework, SliderAndStatusBarKeepTheirStateAcrossWindowCreation) {
    auto* slider = new TTrackBar(form);
    slider->SetParent(form);
    slider->SetRange(15000, 20000);
    slider->SetPosition(30000);
    EXPECT_EQ(slider->Position(), 20000);
    auto* status = new TStatusBar(form);
    status->SetParent(form);
    status->SetPanelWidths({70, 70, 50});
    status->SetPanelText(2, "notice");
    status->SetPanelText(5, "ignored");
    EXPECT_EQ(SendMessageA(slider->Handle(), TBM_GETPOS, 0, 0), 20000);
    slider->SetPosition(-5);
    EXPECT_EQ(SendMessageA(slider->Handle(), TBM_GETPOS, 0, 0), 15000);
    char text[64] = {};
    SendMessageA(status->Handle(), SB_GETTEXTA, 2, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, "notice");
    EXPECT_EQ(SendMessageA(status->Handle(), SB_GETPARTS, 0, 0), 3);
}

TEST_F(Framework, LabelSizesItselfToItsCaption) {
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetCaption("Pest");
    const int shortWidth = label->Width();
    label->SetCaption("Pest Choices and more");
    EXPECT_GT(label->Width(), shortWidth);
    EXPECT_GT(label->Height(), 8);
}

TEST_F(Framework, ImageListTakesOnlyStripsOfItsHeight) {
    auto* list = new TImageList(form);
    list->SetSize(16, 16);
    EXPECT_FALSE(list->AddStrip(TBitmap(32, 8)));
    EXPECT_FALSE(list->AddStrip(TBitmap(20, 16)));
    EXPECT_TRUE(list->AddStrip(TBitmap(48, 16)));
    EXPECT_EQ(list->Count(), 3);
    EXPECT_EQ(list->GetIcon(3), nullptr);
    HICON icon = list->GetIcon(2);
    EXPECT_NE(icon, nullptr);
    DestroyIcon(icon);
}

TEST_F(Framework, TabMovesTheFocusToTheNextControl) {
    auto* first = new TEdit(form);
    first->SetParent(form);
    auto* second = new TEdit(form);
    second->SetParent(form);
    second->SetTop(40);
    form->Show();
    first->SetFocus();
    PostMessageA(first->Handle(), WM_KEYDOWN, VK_TAB, 0);
    Pump(50);
    EXPECT_TRUE(second->Focused());
}

// A scroll bar keeps its position within the range the page leaves, a memo's lines come back as
// given, and a scroll box moves its controls by what its bars scrolled.
TEST_F(Framework, ScrollingControlsStayWithinTheirRange) {
    auto* bar = new TScrollBar(form);
    bar->SetKind(TScrollBarKind::sbVertical);
    bar->SetParent(form);
    bar->SetBounds(10, 10, 17, 120);
    bar->SetPageSize(10);
    bar->SetLargeChange(10);
    int changes = 0;
    bar->OnChange = [&changes](TComponent*) { ++changes; };
    struct Step {
        int code, position;
    } steps[] = {{SB_LINEDOWN, 1}, {SB_PAGEDOWN, 11}, {SB_BOTTOM, 91}, {SB_LINEDOWN, 91},
                 {SB_PAGEUP, 81},  {SB_TOP, 0},       {SB_LINEUP, 0},  {SB_ENDSCROLL, 0}};
    form->Show();
    for (const Step& s : steps) {
        SendMessageA(form->Handle(), WM_VSCROLL, MAKEWPARAM(s.code, 0),
                     reinterpret_cast<LPARAM>(bar->Handle()));
        EXPECT_EQ(s.position, bar->Position()) << "request " << s.code;
        EXPECT_EQ(s.position, GetScrollPos(bar->Handle(), SB_CTL));
    }
    EXPECT_EQ(5, changes) << "only a change of position is reported";

    auto* memo = new TMemo(form);
    memo->SetScrollBars(TScrollStyle::ssBoth);
    memo->SetParent(form);
    memo->SetBounds(40, 10, 150, 80);
    const std::vector<std::string> lines = {"first", "", "third"};
    memo->SetLines(lines);
    EXPECT_EQ(lines, memo->Lines());
    const auto style = GetWindowLongPtrA(memo->Handle(), GWL_STYLE);
    EXPECT_EQ(WS_HSCROLL | WS_VSCROLL | ES_MULTILINE, style & (WS_HSCROLL | WS_VSCROLL | ES_MULTILINE));

    auto* box = new TScrollBox(form);
    box->SetParent(form);
    box->SetBounds(200, 10, 200, 150);
    auto* inside = new TPanel(form);
    inside->SetParent(box);
    inside->SetBounds(0, 300, 100, 50);
    box->UpdateRange();
    RECT client{};
    GetClientRect(box->Handle(), &client);
    SendMessageA(box->Handle(), WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(client.bottom, box->ScrollOffset().y);
    EXPECT_EQ(300 - client.bottom, inside->Top());
    SendMessageA(box->Handle(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(350 - client.bottom, box->ScrollOffset().y) << "the last page shows the panel's bottom";
    EXPECT_EQ(client.bottom - 50, inside->Top());
}

// A stored layout's tab settings reach the tab control's window and the tab set's placing.
TEST_F(Framework, TabControlAndTabSetTakeTheirSettingsFromALayout) {
    TClassRegistry registry;
    RegisterStandardClasses(registry);
    using V = TPropValue;
    const std::vector<TLayoutObject> layout = {
        {"TForm", "Form", "", {}, {}},
        {"TTabControl",
         "Pages",
         "",
         {{"Tabs.Strings", V::Strings({"A", "B"})},
          {"TabIndex", V::Int(1)},
          {"TabPosition", V::Ident("tpRight")}},
         {}},
        {"TTabSet",
         "Strip",
         "",
         {{"Width", V::Int(200)},
          {"Tabs.Strings", V::Strings({"X", "Y", "Z"})},
          {"StartMargin", V::Int(7)},
          {"FirstIndex", V::Int(1)}},
         {}},
    };
    form->HandleNeeded();
    const auto made = LoadLayout(*form, layout, registry, [](const std::string&) { return TLayoutMethod{}; });
    auto* pages = dynamic_cast<TTabControl*>(made.at(0));
    auto* strip = dynamic_cast<TTabSet*>(made.at(1));
    ASSERT_TRUE(pages != nullptr && strip != nullptr);
    EXPECT_EQ(1, SendMessageA(pages->Handle(), TCM_GETCURSEL, 0, 0));
    const auto sides = TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
    EXPECT_EQ(sides, GetWindowLongPtrA(pages->Handle(), GWL_STYLE) & sides);
    const TTabSetPlace first = strip->Places().at(0);
    EXPECT_EQ(1, first.index) << "from the first visible tab";
    EXPECT_EQ(7, first.left) << "after the start margin";
}

} // namespace
} // namespace quellar
