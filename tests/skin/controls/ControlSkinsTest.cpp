// Real controls wearing a hand-made skin whose every frame is one flat colour, so a pixel read
// back from a control's window tells which frame of the skin's own strip is showing: the skin
// each child window gets, the frame of every state, what the push button lets through to the
// control, a form of the framework with its colours, a skin change and detaching.
#include "skin/controls/ControlSkins.h"
#include "skin/controls/SkinBox.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinCheckBox.h"
#include "skin/controls/SkinComBox.h"
#include "skin/controls/SkinEdit.h"
#include "skin/controls/SkinProgress.h"
#include "skin/controls/SkinSizer.h"
#include "skin/controls/SkinSpeedButton.h"
#include "skin/controls/SkinStatusBar.h"
#include "skin/controls/SkinTrackBar.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/form/WinSkinForm.h"
#include "skin/model/WinSkinData.h"
#include "skin/package/SkinPackageWriter.h"
#include "tests/support/FrameworkBuilders.h"
#include "tests/support/MessageRecorder.h"
#include "tests/support/SkinFiles.h"
#include "tests/support/WindowTestSupport.h"
#include "ui/Buttons.h"
#include "ui/ExtCtrls.h"
#include "ui/Forms.h"
#include "ui/StdCtrls.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <utility>

namespace quellar {
namespace {

using test::ExpectedMessage;
using test::kPosted;
using test::kSent;
using test::Pump;
using test::Role;

// Frame colours (0xRRGGBB) of each strip, frame 1 first.
constexpr std::uint32_t Face = 0xC8C8C8, Shadow = 0x5A5A5A, White = 0xFFFFFF;
constexpr std::uint32_t Buttons[5] = {0xB00001, 0xB00002, 0xB00003, 0xB00004, 0xB00005};
constexpr std::uint32_t Checks[4] = {0xC00001, 0xC00002, 0xC00003, 0xC00004};
constexpr std::uint32_t Radios[4] = {0xD00001, 0xD00002, 0xD00003, 0xD00004};
constexpr std::uint32_t Combos[4] = {0x00A001, 0x00A002, 0x00A003, 0x00A004};
constexpr std::uint32_t Edges[4] = {0x00E001, 0x00E002, 0x00E003, 0x00E004};
constexpr std::uint32_t Panels[3] = {0x5B0001, 0x5B0002, 0x5B0003};
constexpr std::uint32_t Bars[2] = {0x9B0001, 0x9B0002};
constexpr std::uint32_t Arrows[8] = {0x0D0001, 0x0D0002, 0x0D0003, 0x0D0004,
                                     0x0D0005, 0x0D0006, 0x0D0007, 0x0D0008};
constexpr std::uint32_t Thumbs[5] = {0x7B0001, 0x7B0002, 0x7B0003, 0x7B0004, 0x7B0005};

template <std::size_t N> std::vector<std::uint8_t> Strip(int w, int h, const std::uint32_t (&colours)[N]) {
    return test::Strip(w, h, std::vector<std::uint32_t>(colours, colours + N));
}

constexpr std::uint32_t Hilight = 0xFAF0E6, PanelText = 0x148C3C;

// pictureless: the status-bar strip and the vertical thumb name pictures the skin lacks.
std::vector<std::uint8_t> ControlSkin(const char* face = "200,200,200", bool pictureless = false) {
    const std::string ini =
        std::string("[Colours]\nButtonFace=") + face +
        "\nButtonShadow=90,90,90\nButtonHilight=250,240,230\n"
        "[Buttons]\nBitmap=buttons.bmp\nCheckButton=check.bmp\nCheckButtonFrame=4\n"
        "RadioButton=radio.bmp\nRadioButtonFrame=4\n"
        "[ComboButton]\nImage=combo.bmp\n"
        "[SunkEdge]\nImage=sunk.bmp\nLeftWidth=2\nTopHeight=2\nRightWidth=2\nBottomHeight=2\n" +
        (pictureless ? "[StatusBarEdges]\nImage=none.bmp\nNormalColour2=20,140,60\n"
                       "[Trackbar.ThumbVert]\nImage=none.bmp\n"
                     : "[StatusBarEdges]\nImage=status.bmp\n") +
        "[Progress]\nBitmap=progress.bmp\n"
        "[UpDown.Vert]\nImage=updown.bmp\nGlyphImage=glyph.bmp\n"
        "[Trackbar.ThumbHorz]\nImage=thumb.bmp\n";
    return BuildSkinFile(
        {{"skin.ini", std::vector<std::uint8_t>(ini.begin(), ini.end())},
         {"buttons.bmp", Strip(20, 20, Buttons)},
         {"check.bmp", Strip(13, 13, Checks)},
         {"radio.bmp", Strip(13, 13, Radios)},
         {"combo.bmp", Strip(16, 20, Combos)},
         {"sunk.bmp", Strip(10, 10, Edges)},
         {"status.bmp", Strip(10, 10, Panels)},
         {"progress.bmp", Strip(10, 10, Bars)},
         {"updown.bmp", Strip(16, 16, Arrows)},
         {"glyph.bmp",
          Strip(4, 4, {0x101010, 0x101010, 0x101010, 0x101010, 0x101010, 0x101010, 0x101010, 0x101010})},
         {"thumb.bmp", Strip(10, 20, Thumbs)}});
}

// Paints the window now and reads a pixel of it.
std::uint32_t Shown(HWND window, int x, int y) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    Pump(50);
    return test::WindowPixel(window, x, y);
}

std::vector<WPARAM> gCommands; // WM_COMMAND notifications the host received

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        gCommands.push_back(wParam);
        return 0;
    }
    if (message == WM_NOTIFY) { // hands the track bar its custom drawing back, as our forms do
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        return SendMessageA(header->hwndFrom, WM_NOTIFY, wParam, lParam);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

enum ChildId {
    idPush = 1,
    idCheck,
    idRadio,
    idGroup,
    idCombo,
    idEdit,
    idSizer,
    idProgress,
    idUpDown,
    idStatus,
    idTrack,
    idDropDown
};

class ControlSkins : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        INITCOMMONCONTROLSEX init{sizeof(init), ICC_WIN95_CLASSES | ICC_PROGRESS_CLASS | ICC_BAR_CLASSES};
        InitCommonControlsEx(&init);
        test::RegisterWindowClass("ControlSkinHost", &HostProc, 0,
                                  reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    }
    HWND Child(const char* cls, DWORD style, int id, int x, int y, int w, int h, DWORD exStyle = 0,
               const char* text = "") {
        return CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, host,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                               nullptr);
    }
    void SetUp() override {
        // The pointer starts away from every window here: no control is hot until a row says so.
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2);
        gCommands.clear();
        skin = new TSkinData(nullptr);
        ASSERT_TRUE(skin->LoadSkinBytes(ControlSkin()));
        host = CreateWindowExA(0, "ControlSkinHost", "Controls", WS_OVERLAPPEDWINDOW, 30, 30, 420, 300,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        push = Child("button", BS_PUSHBUTTON, idPush, 10, 10, 80, 26, 0, "Go");
        pushProc = GetWindowLongPtrA(push, GWLP_WNDPROC);
        check = Child("button", BS_AUTO3STATE, idCheck, 10, 50, 120, 20, 0, "Check");
        radio = Child("button", BS_AUTORADIOBUTTON, idRadio, 10, 80, 120, 20, 0, "Radio");
        Child("button", BS_GROUPBOX, idGroup, 300, 150, 100, 60, 0, "Group");
        combo = Child("combobox", CBS_DROPDOWNLIST, idCombo, 150, 10, 120, 200);
        edit = Child("edit", 0, idEdit, 150, 50, 100, 22, WS_EX_CLIENTEDGE);
        sizer = Child("scrollbar", SBS_SIZEBOX, idSizer, 260, 50, 16, 16);
        progress = Child(PROGRESS_CLASSA, 0, idProgress, 10, 120, 200, 16);
        upDown = Child(UPDOWN_CLASSA, 0, idUpDown, 230, 120, 20, 30);
        track = Child(TRACKBAR_CLASSA, 0, idTrack, 10, 150, 200, 30);
        status = Child(STATUSCLASSNAMEA, 0, idStatus, 0, 0, 0, 0);
        const int parts[3] = {100, 200, -1};
        SendMessageA(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
        SendMessageA(status, SB_SETTEXTA, 1 | SBT_POPOUT, reinterpret_cast<LPARAM>("raised"));
        frame = new TWinSkinForm(host, *skin, nullptr);
        frame->Attach();
        // Children that only our forms' components get skins for, attached by hand.
        SkinByHandle<TSkinProgress>(progress);
        SkinByHandle<TSkinUpDown>(upDown);
        SkinByHandle<TSkinStatusBar>(status);
        SkinByHandle<TSkinTrackBar>(track);
        ShowWindow(host, SW_SHOW);
        SetForegroundWindow(host);
        Pump();
    }
    template <class TSkin> TSkin* SkinByHandle(HWND window) {
        auto* attached = static_cast<TSkin*>(frame->Controls().Add(std::make_unique<TSkin>()));
        attached->Attach(frame->Controls(), *skin, TSkinTarget::ByHandle(window));
        return attached;
    }
    void TearDown() override {
        delete frame;
        if (IsWindow(host)) {
            DestroyWindow(host);
        }
        delete skin;
    }
    TSkinData* skin = nullptr;
    TWinSkinForm* frame = nullptr;
    HWND host = nullptr, push = nullptr, check = nullptr, radio = nullptr, combo = nullptr, edit = nullptr,
         sizer = nullptr, progress = nullptr, upDown = nullptr, track = nullptr, status = nullptr;
    LONG_PTR pushProc = 0;
};

TEST_F(ControlSkins, ChildWindowsGetTheSkinTheirClassAndStyleCallFor) {
    const struct {
        int id;
        const char* expected;
        std::function<bool(TSkinControl*)> is;
    } rows[] = {
        {idPush, "push button", [](TSkinControl* s) { return dynamic_cast<TSkinButton*>(s) != nullptr; }},
        {idCheck, "check box", [](TSkinControl* s) { return dynamic_cast<TSkinCheckBox*>(s) != nullptr; }},
        {idRadio, "radio button",
         [](TSkinControl* s) { return dynamic_cast<TSkinRadioButton*>(s) != nullptr; }},
        {idGroup, "nothing for a group box", [](TSkinControl* s) { return s == nullptr; }},
        {idCombo, "combo box", [](TSkinControl* s) { return dynamic_cast<TSkinComBox*>(s) != nullptr; }},
        {idEdit, "edit", [](TSkinControl* s) { return dynamic_cast<TSkinEdit*>(s) != nullptr; }},
        {idSizer, "size box", [](TSkinControl* s) { return dynamic_cast<TSkinSizer*>(s) != nullptr; }},
    };
    for (const auto& row : rows) {
        EXPECT_TRUE(row.is(frame->Controls().SkinFor(GetDlgItem(host, row.id)))) << row.expected;
    }
}

TEST_F(ControlSkins, EveryControlShowsTheFrameOfItsState) {
    RECT c{};
    GetWindowRect(combo, &c);
    const int cw = c.right - c.left, ch = c.bottom - c.top;
    const int comboButtonX = cw - (GetSystemMetrics(SM_CXHSCROLL) + 2) / 2;
    RECT thumb{};
    const struct {
        const char* state;
        std::function<void()> act;
        HWND* window;
        int x, y;
        std::uint32_t expected;
    } rows[] = {
        {"button", [] {}, &push, 3, 3, Buttons[0]},
        {"button hot", [&] { SendMessageA(push, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }, &push, 3, 3,
         Buttons[3]},
        {"button pressed", [&] { SendMessageA(push, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)); }, &push,
         3, 3, Buttons[1]},
        {"button released, focused", [&] { SendMessageA(push, WM_LBUTTONUP, 0, MAKELPARAM(5, 5)); }, &push, 3,
         3, Buttons[3]},
        {"button disabled", [&] { EnableWindow(push, FALSE); }, &push, 3, 3, Buttons[2]},
        // A 13-pixel mark sits in the 14-pixel column, centred in the 20-pixel height: (0, 3).
        {"check box", [] {}, &check, 6, 9, Checks[0]},
        {"check box checked", [&] { SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0); }, &check, 6, 9,
         Checks[1]},
        {"check box indeterminate", [&] { SendMessageA(check, BM_SETCHECK, BST_INDETERMINATE, 0); }, &check,
         6, 9, Checks[3]},
        {"check box checked, disabled",
         [&] {
             SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
             EnableWindow(check, FALSE);
         },
         &check, 6, 9, Checks[3]},
        {"radio button", [] {}, &radio, 6, 9, Radios[0]},
        {"radio button checked", [&] { SendMessageA(radio, BM_SETCHECK, BST_CHECKED, 0); }, &radio, 6, 9,
         Radios[1]},
        {"combo box edge", [] {}, &combo, 0, 0, Edges[0]},
        {"combo box button", [] {}, &combo, comboButtonX, ch / 2, Combos[0]},
        {"combo box hot", [&] { SendMessageA(combo, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5)); }, &combo,
         comboButtonX, ch / 2, Combos[3]},
        {"combo box left by the mouse", [&] { SendMessageA(combo, WM_MOUSELEAVE, 0, 0); }, &combo,
         comboButtonX, ch / 2, Combos[0]},
        {"combo box let go over its list, focused",
         [&] {
             // Pressed, the mouse moves onto the list, which takes the release and closes.
             for (const char* item : {"one", "two", "three"}) {
                 SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
             }
             SendMessageA(combo, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(comboButtonX, ch / 2));
             COMBOBOXINFO info{};
             info.cbSize = sizeof(info);
             GetComboBoxInfo(combo, &info);
             SendMessageA(combo, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, ch + 6));
             SendMessageA(info.hwndList, WM_LBUTTONUP, 0, MAKELPARAM(10, 4));
         },
         &combo, comboButtonX, ch / 2, Combos[3]},
        {"combo box focused", [&] { SetFocus(combo); }, &combo, comboButtonX, ch / 2, Combos[3]},
        {"combo box disabled", [&] { EnableWindow(combo, FALSE); }, &combo, comboButtonX, ch / 2, Combos[2]},
        {"edit outer frame", [] {}, &edit, 0, 0, Shadow},
        {"edit inner frame", [] {}, &edit, 1, 1, White},
        {"size box frame", [] {}, &sizer, 0, 0, Shadow},
        {"size box face", [] {}, &sizer, 5, 5, Face},
        {"progress at 30 of 100: bar", [&] { SendMessageA(progress, PBM_SETPOS, 30, 0); }, &progress, 10, 8,
         Bars[1]},
        {"progress at 30 of 100: beyond 60 pixels", [] {}, &progress, 100, 8, Bars[0]},
        {"progress at 0", [&] { SendMessageA(progress, PBM_SETPOS, 0, 0); }, &progress, 10, 8, Bars[0]},
        {"up arrow", [] {}, &upDown, 2, 2, Arrows[0]},
        {"down arrow", [] {}, &upDown, 2, 27, Arrows[4]},
        {"up arrow disabled", [&] { EnableWindow(upDown, FALSE); }, &upDown, 2, 2, Arrows[2]},
        {"down arrow disabled", [] {}, &upDown, 2, 27, Arrows[6]},
        {"lowered panel", [] {}, &status, 2, 2, Panels[0]},
        {"raised panel", [] {}, &status, 102, 2, Panels[1]},
        {"no-bevel panel",
         [&] { SendMessageA(status, SB_SETTEXTA, 1 | SBT_NOBORDERS, reinterpret_cast<LPARAM>("flat")); },
         &status, 102, 2, Panels[2]},
        {"the last panel reaches the bar's end", [] {}, &status, 405, 2, Panels[0]},
        {"track bar thumb",
         [&] { SendMessageA(track, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb)); }, &track, -1, -1,
         Thumbs[1]},
    };
    for (const auto& row : rows) {
        row.act();
        const bool middleOfThumb = row.x < 0;
        const int x = middleOfThumb ? (thumb.left + thumb.right) / 2 : row.x;
        const int y = middleOfThumb ? (thumb.top + thumb.bottom) / 2 : row.y;
        EXPECT_EQ(row.expected, Shown(*row.window, x, y)) << row.state << std::hex << " 0x" << row.expected;
    }
}

// A drop-down combo box of another program, attached later by its handle: only its parent hears
// its list close, and the mouse over its edit is over the combo box. No repaint is forced: the
// pixels are what the control showed by itself.
TEST_F(ControlSkins, ADropDownComboBoxByHandleLetsGoWhenItsListClosesAndStaysHotOverItsEdit) {
    HWND dropDown = Child("combobox", CBS_DROPDOWN, idDropDown, 260, 80, 120, 200);
    for (const char* item : {"one", "two", "three"}) {
        SendMessageA(dropDown, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    auto* comboSkin = SkinByHandle<TSkinComBox>(dropDown);
    SetFocus(push);
    Pump();
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(dropDown, &info));
    ASSERT_NE(info.hwndItem, nullptr);
    const POINT button{(info.rcButton.left + info.rcButton.right) / 2,
                       (info.rcButton.top + info.rcButton.bottom) / 2};
    POINT onButton = button, onEdit{2, 2};
    ClientToScreen(dropDown, &onButton);
    ClientToScreen(info.hwndItem, &onEdit);
    const struct {
        const char* step;
        POINT cursor;
        HWND window;
        UINT message;
        bool hot;
    } moves[] = {
        {"the mouse comes in over the edit", onEdit, info.hwndItem, WM_MOUSEMOVE, true},
        {"it goes on to the button", onButton, info.hwndItem, WM_MOUSELEAVE, true},
        {"it goes away", {1, 1}, dropDown, WM_MOUSELEAVE, false},
    };
    for (const auto& move : moves) {
        SetCursorPos(move.cursor.x, move.cursor.y);
        SendMessageA(move.window, move.message, 0, 0);
        Pump(50);
        EXPECT_EQ(move.hot, comboSkin->Hot()) << move.step;
        EXPECT_EQ(move.hot ? Combos[3] : Combos[0], test::WindowPixel(dropDown, button.x, button.y))
            << move.step;
    }
    // Pressed, the mouse moves onto the list, which takes the release and closes.
    SendMessageA(dropDown, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.x, button.y));
    ASSERT_TRUE(comboSkin->Pressed());
    SendMessageA(dropDown, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 30));
    SendMessageA(info.hwndList, WM_LBUTTONUP, 0, MAKELPARAM(10, 4));
    Pump(50);
    EXPECT_EQ(SendMessageA(dropDown, CB_GETDROPPEDSTATE, 0, 0), 0);
    EXPECT_FALSE(comboSkin->Pressed());
    EXPECT_NE(Combos[1], test::WindowPixel(dropDown, button.x, button.y)) << "the pressed frame stayed";
    DestroyWindow(dropDown);
}

// A skin whose status-bar strip and vertical thumb have no pictures: the panels are bevelled in
// the skin's own shadow and highlight with the strip's text colour, and a vertical track bar
// takes the horizontal thumb.
TEST_F(ControlSkins, ElementsWithoutPicturesFallBackToTheSkinsColoursAndTheOtherThumb) {
    ASSERT_TRUE(skin->LoadSkinBytes(ControlSkin("200,200,200", true)));
    frame->ReapplySkin();
    HWND vertical = Child(TRACKBAR_CLASSA, TBS_VERT, idTrack + 1, 360, 10, 30, 120);
    SkinByHandle<TSkinTrackBar>(vertical);
    SendMessageA(status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>("WWWW"));
    RECT lowered{}, raised{};
    SendMessageA(status, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&lowered));
    SendMessageA(status, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&raised));
    const struct {
        const char* corner;
        int x, y;
        std::uint32_t expected;
    } bevels[] = {{"lowered, top left", lowered.left, lowered.top, Shadow},
                  {"lowered, bottom right", lowered.right - 1, lowered.bottom - 1, Hilight},
                  {"raised, top left", raised.left, raised.top, Hilight},
                  {"raised, bottom right", raised.right - 1, raised.bottom - 1, Shadow}};
    for (const auto& b : bevels) {
        EXPECT_EQ(b.expected, Shown(status, b.x, b.y)) << b.corner;
    }
    int text = 0;
    for (int y = lowered.top; y < lowered.bottom; ++y) {
        for (int x = lowered.left; x < lowered.right; ++x) {
            text += test::WindowPixel(status, x, y) == PanelText ? 1 : 0;
        }
    }
    EXPECT_GT(text, 0) << "the text in the strip's colour";
    RECT thumb{};
    SendMessageA(vertical, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    EXPECT_EQ(Thumbs[1], Shown(vertical, (thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2));
}

// What each class lets through to its control: those that paint themselves keep WM_PAINT and
// WM_ERASEBKGND, the push button keeps the press, the others only watch.
TEST_F(ControlSkins, EachClassConsumesOnlyWhatItPaintsOrTakesOver) {
    constexpr UINT kMessages[] = {WM_ERASEBKGND, WM_PAINT, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_SETTEXT};
    const struct {
        const char* cls;
        DWORD style;
        TSkinClass kind;
        std::vector<UINT> consumed;
        bool pressed = true;   // a press on it is tried too
        bool buffered = false; // it paints into a bitmap, the skin over it, then the window
    } rows[] = {
        {"button", BS_PUSHBUTTON, skButton, {WM_ERASEBKGND, WM_PAINT, WM_LBUTTONDOWN}},
        {"button", BS_AUTOCHECKBOX, skCheckBox, {}},
        {"button", BS_AUTORADIOBUTTON, skRadioButton, {}},
        {"combobox", CBS_DROPDOWNLIST, skComboBox, {}, false, true}, // a press opens the list
        {"edit", WS_BORDER, skEdit, {}},
        {"scrollbar", SBS_SIZEBOX, skSizer, {WM_ERASEBKGND, WM_PAINT}, false}, // a press sizes the window
        {UPDOWN_CLASSA, 0, skUpDown, {WM_ERASEBKGND, WM_PAINT}},
        {PROGRESS_CLASSA, 0, skProgress, {}},
        {STATUSCLASSNAMEA, CCS_NOPARENTALIGN, skStatusBar, {WM_ERASEBKGND, WM_PAINT}},
        {TRACKBAR_CLASSA, 0, skTrackBar, {WM_ERASEBKGND}},
    };
    int id = 100;
    for (const auto& row : rows) {
        HWND control = Child(row.cls, row.style, ++id, 20, 200, 60, 24);
        test::MessageRecorder recorder;
        ASSERT_TRUE(recorder.Watch(control, Role::Control)); // behind the skin
        frame->Controls()
            .Add(MakeControlSkin(row.kind))
            ->Attach(frame->Controls(), *skin, TSkinTarget::ByHandle(control));
        Pump(50);
        for (UINT message : kMessages) {
            if (!row.pressed && (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP)) {
                continue;
            }
            recorder.Clear();
            HDC dc = GetDC(control);
            const WPARAM wParam = message == WM_ERASEBKGND ? reinterpret_cast<WPARAM>(dc) : 0;
            const LPARAM lParam = message == WM_SETTEXT ? reinterpret_cast<LPARAM>("x") : MAKELPARAM(3, 3);
            SendMessageA(control, message, wParam, lParam);
            ReleaseDC(control, dc);
            const auto& seen = recorder.Sequence(Role::Control);
            const auto first = std::find_if(seen.begin(), seen.end(), [&](const test::RecordedMessage& m) {
                return m.message == message;
            });
            const bool reached = first != seen.end();
            if (reached && message == WM_PAINT) {
                EXPECT_EQ(row.buffered, first->wParam != 0) << row.cls << ": painted off screen";
            }
            const bool consumed =
                std::find(row.consumed.begin(), row.consumed.end(), message) != row.consumed.end();
            EXPECT_EQ(!consumed, reached) << row.cls << " " << test::MessageName(message);
        }
        SendMessageA(control, WM_LBUTTONUP, 0, 0);
        DestroyWindow(control);
    }
}

TEST_F(ControlSkins, PushButtonTakesThePressAndClicksOnlyOnReleaseOverIt) {
    HWND button = Child("button", BS_PUSHBUTTON, 40, 100, 200, 80, 26, 0, "Two");
    test::MessageRecorder recorder;
    // The presses the test sends and the commands our skin posts; the platform's painting and
    // capture traffic around them is not ours.
    recorder.SetNoiseFilter([](const test::RecordedMessage& m) {
        return m.message != WM_LBUTTONDOWN && m.message != WM_LBUTTONUP && m.message != WM_COMMAND;
    });
    ASSERT_TRUE(recorder.Watch(button, Role::Control)); // behind the skin: what the control sees
    frame->Controls().SkinNewControls();
    ASSERT_NE(nullptr, frame->Controls().SkinFor(button));
    ASSERT_TRUE(recorder.Watch(host, Role::Parent));

    recorder.Clear();
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    Pump(100);
    // The skin keeps the press from the control; the release reaches it.
    static const ExpectedMessage kRelease[] = {{WM_LBUTTONUP, kSent}};
    recorder.ExpectSequence(Role::Control, kRelease, "only the release reaches the control");
    static const ExpectedMessage kClick[] = {
        {WM_COMMAND, kPosted | test::kWParam, MAKEWPARAM(40, BN_CLICKED)}};
    recorder.ExpectSequence(Role::Parent, kClick, "one click posted to the parent");
    EXPECT_EQ(std::vector<WPARAM>{MAKEWPARAM(40, BN_CLICKED)}, gCommands);

    // Pressed, then the mouse leaves: released outside, nothing is clicked.
    gCommands.clear();
    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageA(button, WM_MOUSELEAVE, 0, 0);
    SendMessageA(button, WM_LBUTTONUP, 0, MAKELPARAM(200, 200));
    Pump(100);
    EXPECT_TRUE(gCommands.empty());
    EXPECT_FALSE(frame->Controls().SkinFor(button)->Pressed());
}

WNDPROC gPrevious = nullptr;
LRESULT CALLBACK LaterSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcA(gPrevious, window, message, wParam, lParam);
}

TEST_F(ControlSkins, DetachGivesProceduresBackUnlessSomeoneCameAfter) {
    const LONG_PTR skinned = GetWindowLongPtrA(push, GWLP_WNDPROC);
    EXPECT_NE(pushProc, skinned);
    // Someone subclasses the check box after us; its own procedure calls ours.
    gPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(check, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterSubclass)));
    const LONG_PTR theirs = GetWindowLongPtrA(check, GWLP_WNDPROC);
    frame->DetachAndRestore();
    EXPECT_TRUE(frame->Controls().Skins().empty());
    EXPECT_EQ(pushProc, GetWindowLongPtrA(push, GWLP_WNDPROC));
    EXPECT_EQ(theirs, GetWindowLongPtrA(check, GWLP_WNDPROC)) << "theirs stays, ours only forwards";
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(BST_CHECKED, SendMessageA(check, BM_GETCHECK, 0, 0));
    EXPECT_NE(Buttons[0], Shown(push, 3, 3)) << "the button draws itself again";
}

// A form of the framework: panels and what sits on them take the skin's face colour, every kind
// of control gets its skin, a skin change colours again, a destroyed control's skin is dropped,
// and detaching gives every colour and handler back.
TEST(ControlSkinsFramework, FormControlsTakeTheFaceColourAndGetEverythingBack) {
    auto* app = new TApplication();
    app->Initialize();
    auto* form = new TForm(app);
    form->SetClientSize(300, 200);
    auto* panel = test::PlaceControl<TPanel>(form, form, 0, 0, 300, 120);
    auto* box = test::PlaceControl<TCheckBox>(form, panel, 10, 10, 100, 20);
    auto* speed = test::PlaceControl<TSpeedButton>(form, panel, 10, 40, 60, 30);
    auto* text = test::PlaceControl<TEdit>(form, form, 10, 140, 100, 22);
    auto* bit = test::PlaceControl<TBitBtn>(form, form, 150, 140, 80, 26);
    bit->SetCaption("Bit");
    int clicks = 0;
    bit->OnClick = [&clicks](TComponent*) { ++clicks; };
    form->Show();
    Pump(100);
    const TColor panelColour = panel->Color();

    auto* skin = new TSkinData(nullptr);
    ASSERT_TRUE(skin->LoadSkinBytes(ControlSkin()));
    auto* frame = new TWinSkinForm(form->Handle(), *skin, form);
    frame->Attach();
    Pump(100);
    EXPECT_EQ(TColor{0xC8C8C8}, panel->Color());
    EXPECT_EQ(TColor{0xC8C8C8}, box->Color()) << "the check box keeps its parent's colour";
    EXPECT_NE(nullptr, frame->Controls().SkinFor(speed));
    EXPECT_NE(nullptr, dynamic_cast<TSkinCheckBox*>(frame->Controls().SkinFor(box->Handle())));
    EXPECT_NE(nullptr, dynamic_cast<TSkinEdit*>(frame->Controls().SkinFor(text->Handle())));
    EXPECT_NE(nullptr, dynamic_cast<TSkinBox*>(frame->Controls().SkinFor(panel->Handle())));
    EXPECT_EQ(Buttons[0], Shown(panel->Handle(), 13, 43)) << "the speed button at its place in the panel";
    EXPECT_EQ(Checks[0], Shown(box->Handle(), 6, 9)) << "the mark, painted into the box's buffer";
    EXPECT_NE(nullptr, dynamic_cast<TSkinBitButton*>(frame->Controls().SkinFor(bit->Handle())));
    EXPECT_EQ(Buttons[0], Shown(bit->Handle(), 3, 3));
    bit->Perform(CM_MOUSEENTER);
    EXPECT_EQ(Buttons[3], Shown(bit->Handle(), 3, 3)) << "the framework's mouse enter shows it hot";
    bit->Perform(CM_MOUSELEAVE);
    EXPECT_EQ(Buttons[0], Shown(bit->Handle(), 3, 3)) << "and its mouse leave normal again";
    SendMessageA(bit->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(Buttons[1], Shown(bit->Handle(), 3, 3));
    SendMessageA(bit->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(1, clicks) << "released over it: one click";

    // Held on the speed button, the skin's face stays pressed while the mouse is dragged off it
    // within the panel (the button's own Pressed follows the mouse), loses it once the mouse
    // leaves for another window and shows hot, not pressed, on the way back; released, one click.
    int speedClicks = 0;
    speed->OnClick = [&speedClicks](TComponent*) { ++speedClicks; };
    const struct {
        const char* step;
        UINT message;
        int x;
        std::uint32_t face;
        bool pressed;
    } presses[] = {
        {"pressed", WM_LBUTTONDOWN, 5, Buttons[1], true},
        {"dragged off", WM_MOUSEMOVE, 100, Buttons[1], false},
        {"dragged back", WM_MOUSEMOVE, 5, Buttons[1], true},
        {"left the window", CM_MOUSELEAVE, 5, Buttons[0], true},
        {"back in, still held", WM_MOUSEMOVE, 6, Buttons[3], true},
        {"released", WM_LBUTTONUP, 6, Buttons[3], false},
    };
    for (const auto& press : presses) {
        speed->Perform(press.message, press.message == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(press.x, 5));
        EXPECT_EQ(press.face, Shown(panel->Handle(), 13, 43)) << press.step;
        EXPECT_EQ(press.pressed, speed->Pressed()) << press.step;
    }
    EXPECT_EQ(1, speedClicks);

    ASSERT_TRUE(skin->LoadSkinBytes(ControlSkin("10,150,200")));
    frame->ReapplySkin();
    EXPECT_EQ(TColor{0xC8960A}, panel->Color()) << "the new face colour";

    const std::size_t before = frame->Controls().Skins().size();
    delete box; // tells its skin first
    frame->Controls().FreeDead();
    EXPECT_EQ(before - 1, frame->Controls().Skins().size());

    frame->DetachAndRestore();
    EXPECT_EQ(panelColour, panel->Color());
    EXPECT_NE(Buttons[0], Shown(panel->Handle(), 13, 43)) << "the speed button paints itself again";
    delete frame;
    delete skin;
    delete app;
}

// Double buffering: the skin switches it on only where it paints into the control's buffer,
// and gives back what each control had, also to a control whose window is made anew.
TEST(ControlSkinsFramework, EachControlGetsItsOwnDoubleBufferingBack) {
    auto* app = new TApplication();
    app->Initialize();
    auto* form = new TForm(app);
    form->SetClientSize(300, 200);
    auto* panel = test::PlaceControl<TPanel>(form, form, 0, 0, 300, 60); // colour only
    panel->SetDoubleBuffered(true);
    auto* text = test::PlaceControl<TEdit>(form, form, 10, 80, 100, 22); // skinned by its window
    text->SetDoubleBuffered(true);
    auto* box = test::PlaceControl<TCheckBox>(form, form, 10, 120, 100, 20); // painted into its buffer
    auto* kept =
        test::PlaceControl<TCheckBox>(form, form, 10, 150, 100, 20); // keeps its window until the skin goes
    form->Show();
    auto* skin = new TSkinData(nullptr);
    ASSERT_TRUE(skin->LoadSkinBytes(ControlSkin()));
    auto* frame = new TWinSkinForm(form->Handle(), *skin, form);
    frame->Attach();
    EXPECT_TRUE(box->DoubleBuffered());
    DestroyWindow(box->Handle()); // the control stays and makes a new window when asked
    EXPECT_FALSE(box->DoubleBuffered());
    frame->DetachAndRestore();
    EXPECT_TRUE(panel->DoubleBuffered());
    EXPECT_TRUE(text->DoubleBuffered());
    EXPECT_FALSE(kept->DoubleBuffered());
    delete frame;
    delete skin;
    delete app;
}

} // namespace
} // namespace quellar
