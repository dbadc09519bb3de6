// The framework's application, forms, timers, error boxes and message handlers against Wine's
// real Win32.
#include "tests/ui/FrameworkFixture.h"

namespace quellar {
namespace {

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
    auto* box = test::PlaceControl<TCheckBox>(form, form, 10, 10, 100, 20);
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

TEST_F(Framework, ReplacedMessageHandlerSeesHoverNotificationsWithTheirNumbers) {
    auto* button = test::PlaceControl<TSpeedButton>(form, form, 20, 30, 69, 46);
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

TEST_F(Framework, ClosingTheMainFormEndsTheMessageLoop) {
    form->Show();
    PostMessageA(form->Handle(), WM_CLOSE, 0, 0);
    app->Run(); // returns once the close has told the application to terminate
    EXPECT_TRUE(app->Terminated());
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

} // namespace
} // namespace quellar
