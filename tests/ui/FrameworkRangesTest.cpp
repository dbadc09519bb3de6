// The framework's sliders, status bars, scrolling controls and tabs against Wine's real Win32.
#include "tests/ui/FrameworkFixture.h"

namespace quellar {
namespace {

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

    auto* box = test::PlaceControl<TScrollBox>(form, form, 200, 10, 200, 150);
    auto* inside = test::PlaceControl<TPanel>(form, box, 0, 300, 100, 50);
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
