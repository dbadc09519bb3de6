#include "skin/controls/ControlDispatch.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace quellar {

namespace {

// Skin3rd kinds are free text typed by a skin's author: only this much of one is read.
constexpr std::size_t kMaxKindLength = 50;
// A tag that asks for a scroll bar skin on any windowed control.
constexpr std::intptr_t kScrollBarTag = 55;

std::string AsciiLower(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return out;
}

std::string AsciiUpper(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
    return out;
}

bool Allows(TSkinControlTypes allowed, TSkinControlType kind) {
    return (allowed & SkinControlBit(kind)) != 0;
}

// A group of radio buttons or check boxes: a box whose buttons all wear the button skin, when
// that skin is allowed too.
TSkinChoice ButtonGroup(TSkinControlTypes allowed, TSkinControlType childKind, TSkinClass childSkin) {
    if (!Allows(allowed, xcPanel)) {
        return {};
    }
    TSkinChoice choice{.skin = skBox, .colorFlag = true};
    if (Allows(allowed, childKind)) {
        choice.childrenSkin = true;
        choice.childSkin = childSkin;
    }
    return choice;
}

// The choice for a class Skin3rd names; an unknown kind, or one whose skin is not allowed,
// leaves the component as it is.
TSkinChoice ChoiceForKind(const std::string& kind, TSkinControlTypes allowed, bool skinHasTabs) {
    struct KindRow {
        const char* kind;
        TSkinControlType needs;
        TSkinChoice choice;
    };
    static const KindRow rows[] = {
        {"combobox", xcCombo, {.skin = skComboBox}},
        {"edit", xcEdit, {.skin = skEdit, .byHandle = true}},
        {"radiobutton", xcRadioButton, {.skin = skRadioButton}},
        {"panel", xcPanel, {.skin = skBox, .colorFlag = true, .setTransparent = true}},
        {"trackbar", xcButton, {.skin = skTrackBar, .setTransparent = true}},
        {"button", xcButton, {.skin = skButton}},
        {"tab", xcTab, {.skin = skTab, .byHandle = true}},
        {"progress", xcProgress, {.skin = skProgress}},
        {"scrollbar", xcScrollbar, {.skin = skScrollBar, .scrollBarFlag = true}},
        {"checkbox", xcCheckBox, {.skin = skCheckBox}},
    };
    if (kind == "radiogroup") {
        return ButtonGroup(allowed, xcRadioButton, skRadioButton);
    }
    if (kind == "checkgroup") {
        return ButtonGroup(allowed, xcCheckBox, skCheckBox);
    }
    for (const KindRow& row : rows) {
        if (kind == row.kind) {
            const bool tabsMissing = row.needs == xcTab && !skinHasTabs;
            return Allows(allowed, row.needs) && !tabsMissing ? row.choice : TSkinChoice{};
        }
    }
    return {};
}

// How a class row recognises its components.
enum class Match {
    name,      // the most-derived class, in upper case, is one of the names
    ancestor,  // the first name appears anywhere in the class chain, as spelled
    scrolled,  // any windowed control with scroll bars, or tagged for a scroll bar skin
    tabWindow, // its window is a tab control of the platform
};

// The table row's kind requirement when the row has none.
constexpr int kNoTest = -1;

struct ClassRow {
    Match match;
    const char* names[3];
    int needs; // a TSkinControlType, or kNoTest
    TSkinChoice choice;
    bool needsTabs = false;
    bool spinEdit = false; // a spin-button picker is an edit, not a combo box
};

bool RowMatches(const ClassRow& row, const TComponentFacts& facts, const std::string& upperName) {
    switch (row.match) {
    case Match::name:
        return std::any_of(std::begin(row.names), std::end(row.names),
                           [&](const char* n) { return n != nullptr && upperName == n; });
    case Match::ancestor:
        return std::find(facts.classChain.begin(), facts.classChain.end(), row.names[0]) !=
               facts.classChain.end();
    case Match::scrolled:
        return facts.windowed && (facts.scrollStyle || facts.tag == kScrollBarTag);
    case Match::tabWindow:
        return facts.windowed && facts.tabControl;
    }
    return false;
}

bool RowAllowed(const ClassRow& row, const TComponentFacts& facts, TSkinControlTypes allowed) {
    if (row.needs == kNoTest) {
        return true;
    }
    return Allows(allowed, static_cast<TSkinControlType>(row.needs)) && (!row.needsTabs || facts.skinHasTabs);
}

// The class rows, in the order they are tried: more specific classes come before the classes
// they derive from.
const ClassRow kClassRows[] = {
    {Match::name, {"TTABSET"}, xcTab, {.skin = skTab31}, true},
    {Match::name, {"TTABBEDNOTEBOOK"}, xcTab, {.skin = skTab, .byHandle = true}, true},
    // Our own tab control, and any other class over the platform's, by its window.
    {Match::tabWindow, {}, xcTab, {.skin = skTab, .byHandle = true}, true},
    {Match::name, {"TMVCPANEL"}, kNoTest, {.walkChildren = true}},
    {Match::ancestor, {"TCustomCheckBox"}, xcCheckBox, {.skin = skCheckBox}},
    {Match::name, {"TTRACKBAR"}, xcButton, {.skin = skTrackBar}},
    {Match::name, {"TUPDOWN"}, xcButton, {.skin = skUpDown}},
    {Match::name, {"TDBNAVIGATOR"}, xcPanel, {.skin = skBox, .colorFlag = true, .setFlat = true}},
    {Match::ancestor, {"TCustomGroupBox"}, xcPanel, {.skin = skBox, .colorFlag = true, .walkChildren = true}},
    {Match::ancestor, {"TStatusBar"}, xcStatusBar, {.skin = skStatusBar, .sizeGripOff = true}},
    {Match::ancestor, {"TCustomComboBox"}, xcCombo, {.skin = skComboBox}},
    {Match::name, {"TDATETIMEPICKER"}, xcEdit, {.skin = skComboBox}, false, true},
    {Match::name,
     {"TRICHEDIT", "TWWDBRICHEDIT", "TDXDBMEMO"},
     xcScrollbar,
     {.skin = skScrollBar, .scrollBarFlag = true}},
    {Match::ancestor, {"TBitBtn"}, xcBitBtn, {.skin = skBitButton}},
    {Match::ancestor, {"TSpeedButton"}, xcSpeedButton, {.skin = skSpeedButton}},
    {Match::ancestor, {"TCustomPanel"}, xcPanel, {.skin = skBox, .colorFlag = true, .walkChildren = true}},
    {Match::name, {"TDXTREELIST", "TDXDBTREELIST", "TDXDBGRID"}, xcScrollbar, {.skin = skScrollBar}},
    {Match::scrolled, {}, xcScrollbar, {.skin = skScrollBar, .scrollBarFlag = true}},
    {Match::ancestor, {"TButton"}, xcButton, {.skin = skButton}},
    {Match::ancestor, {"TCustomEdit"}, xcEdit, {.skin = skEdit, .byHandle = true}},
    {Match::ancestor, {"TCustomForm"}, kNoTest, {.skin = skBox, .colorFlag = true, .walkChildren = true}},
};

// Components left as they are whatever the skin allows: they paint their whole surface
// themselves.
bool NeverSkinned(const std::string& upperName) {
    static const char* const names[] = {"TDBCOMBOBOXEH", "TQRPREVIEW", "TFRDESIGNERPAGE", "TFRPBOX"};
    return std::any_of(std::begin(names), std::end(names), [&](const char* n) { return upperName == n; });
}

} // namespace

bool DisabledByTag(std::intptr_t tag, std::int32_t disableTag) {
    return tag % 100 == disableTag;
}

std::string Skin3rdKind(const std::vector<std::string>& skin3rd, const std::string& className) {
    const std::string prefix = AsciiLower(className) + "=";
    for (const std::string& line : skin3rd) {
        if (line.size() >= prefix.size() &&
            AsciiLower(std::string_view(line).substr(0, prefix.size())) == prefix) {
            return AsciiLower(std::string_view(line).substr(line.find('=') + 1, kMaxKindLength));
        }
    }
    return {};
}

TSkinChoice ChooseComponentSkin(const TComponentFacts& facts, TSkinControlTypes allowed,
                                const std::vector<std::string>& skin3rd) {
    const std::string className = facts.classChain.empty() ? std::string() : facts.classChain.front();
    const std::string upperName = AsciiUpper(className);
    if (NeverSkinned(upperName)) {
        return {};
    }
    // A class Skin3rd names is settled by its kind alone: when that kind's skin is not allowed
    // the component stays bare rather than being tried against the class rows.
    const std::string kind = Skin3rdKind(skin3rd, className);
    if (!kind.empty()) {
        return ChoiceForKind(kind, allowed, facts.skinHasTabs);
    }
    for (const ClassRow& row : kClassRows) {
        if (RowMatches(row, facts, upperName) && RowAllowed(row, facts, allowed)) {
            TSkinChoice choice = row.choice;
            if (row.spinEdit && facts.spinPicker) {
                choice = TSkinChoice{.skin = skEdit, .byHandle = true};
            }
            return choice;
        }
    }
    return {};
}

} // namespace quellar
