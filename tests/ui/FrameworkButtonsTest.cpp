// The framework's buttons, check boxes, labels and hints against Wine's real Win32: clicks,
// accelerators, painting.
#include "tests/ui/FrameworkFixture.h"

namespace quellar {
namespace {

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

TEST_F(Framework, WindowlessButtonIsClickedThroughItsParentsMouseMessages) {
    auto* button = test::PlaceControl<TSpeedButton>(form, form, 20, 30, 69, 46);
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

// A link in front of a windowless control: notes the button press, may take itself off inside
// it, and passes it on to the older links and the control.
struct PressLink : TSubclassHandler {
    PressLink(TControl& c, std::vector<std::string>& l, std::string n)
        : control(c), log(l), name(std::move(n)) {}
    bool OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override {
        if (message == WM_LBUTTONDOWN) {
            log.push_back(name);
            if (leaveInside) {
                control.Links().Detach(this);
            }
        }
        result = control.Links().CallNext(window, message, wParam, lParam);
        return true;
    }
    TControl& control;
    std::vector<std::string>& log;
    std::string name;
    bool leaveInside = false;
};

TEST_F(Framework, LinksOfAWindowlessControlSeeItsMouseNewestFirstAndLeaveInAnyOrder) {
    auto* button = test::PlaceControl<TSpeedButton>(form, form, 20, 30, 69, 46);
    form->Show();
    HWND hwnd = form->Handle();
    std::vector<std::string> log;
    const auto press = [&] {
        log.clear();
        SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(40, 50));
        const bool pressed = button->Pressed();
        SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(40, 50));
        return pressed;
    };
    for (const bool newerFirst : {true, false}) {
        for (const bool inside : {false, true}) {
            PressLink older(*button, log, "older"), newer(*button, log, "newer");
            ASSERT_TRUE(button->Links().Attach(&older));
            ASSERT_TRUE(button->Links().Attach(&newer));
            PressLink& first = newerFirst ? newer : older;
            PressLink& second = newerFirst ? older : newer;
            first.leaveInside = inside;
            EXPECT_TRUE(press());
            EXPECT_EQ(log, (std::vector<std::string>{"newer", "older"}));
            button->Links().Detach(&first); // already gone when it left inside its message
            EXPECT_TRUE(press());
            EXPECT_EQ(log, std::vector<std::string>{second.name});
            button->Links().Detach(&second);
            EXPECT_TRUE(press()); // the button itself still answers
            EXPECT_TRUE(log.empty());
        }
    }
}

TEST_F(Framework, HintShowsAfterTheMouseRestsOnAControlAndGoesOnAClick) {
    auto* button = test::PlaceControl<TSpeedButton>(form, form, 20, 30, 69, 46);
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
    auto* edit = test::PlaceControl<TEdit>(form, form, 100, 100, 60, 22);
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
    auto* panel = test::PlaceControl<TPanel>(form, form, 0, 0, 100, 100);
    auto* image = test::PlaceControl<TImage>(form, panel, 10, 10, 20, 20);
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
    auto* button = test::PlaceControl<TSpeedButton>(form, form, 0, 0, 69, 46);
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

TEST_F(Framework, ClickHandlerRunsWithoutTheMouseCaptured) {
    auto* first = test::PlaceControl<TSpeedButton>(form, form, 20, 30, 69, 46);
    auto* second = test::PlaceControl<TSpeedButton>(form, form, 120, 30, 69, 46);
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

TEST_F(Framework, LabelSizesItselfToItsCaption) {
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetCaption("Pest");
    const int shortWidth = label->Width();
    label->SetCaption("Pest Choices and more");
    EXPECT_GT(label->Width(), shortWidth);
    EXPECT_GT(label->Height(), 8);
}

} // namespace
} // namespace quellar
