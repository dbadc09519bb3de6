// The viewer's scrolling panes and tab controls.
#include "SkinViewForm.h"

#include "ui/ScrollCtrls.h"
#include "ui/StdCtrls.h"
#include "ui/TabCtrls.h"

namespace quellar {

void TfrmSkinView::BuildScrolling() {
    auto* memo = PlaceControl<TMemo>(this, this, 216, 8, 210, 140);
    memo->SetScrollBars(TScrollStyle::ssBoth);
    std::vector<std::string> lines;
    for (int i = 1; i <= 40; ++i) {
        lines.push_back("Line " + std::to_string(i) +
                        ": a multiline edit with both scroll bars, long enough to scroll sideways too");
    }
    memo->SetLines(lines);
    auto* box = PlaceControl<TScrollBox>(this, this, 216, 156, 210, 200);
    // Controls spread wider and taller than the box, so both of its bars have something to do.
    const struct {
        int left, top;
        const char* caption;
    } buttons[] = {
        {8, 8, "Top left"}, {260, 60, "Far right"}, {40, 300, "Far down"}, {280, 340, "Far corner"}};
    for (const auto& b : buttons) {
        PlaceControl<TButton>(this, box, b.left, b.top, 90, 25)->SetCaption(b.caption);
    }
    box->UpdateRange();
}

void TfrmSkinView::BuildTabs() {
    const struct {
        int left, top;
        TTabPosition position;
        const char* side;
    } tabs[] = {{434, 8, TTabPosition::tpTop, "Top"},
                {548, 8, TTabPosition::tpBottom, "Bottom"},
                {434, 184, TTabPosition::tpLeft, "Left"},
                {548, 184, TTabPosition::tpRight, "Right"}};
    for (const auto& t : tabs) {
        auto* control = PlaceControl<TTabControl>(this, this, t.left, t.top, 108, 172);
        control->SetTabs({t.side, "Two", "Three"});
        control->SetTabPosition(t.position);
        control->SetTabIndex(0);
    }
    auto* set = PlaceControl<TTabSet>(this, this, 8, 364, 648, 24);
    set->SetTabs({"Frames", "Buttons", "Menus", "Scroll bars", "Tabs", "Status bar"});
    set->SetTabIndex(0);
}

} // namespace quellar
