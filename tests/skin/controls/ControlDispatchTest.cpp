// Which control skin a framework component wears, from its classes and what the skin allows.
#include "skin/controls/ControlDispatch.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

constexpr TSkinControlTypes Without(TSkinControlTypes bits) {
    return DefaultSkinControls & ~bits;
}

TEST(ControlDispatch, TagModuloHundredDisables) {
    EXPECT_TRUE(DisabledByTag(199, 99));
    EXPECT_FALSE(DisabledByTag(98, 99));
    EXPECT_TRUE(DisabledByTag(-101, -1));
}

TEST(ControlDispatch, Skin3rdKindIsTheLowerCaseTextOfTheFirstMatchingLine) {
    const std::vector<std::string> lines = {"TRzCheckBox=Checkbox", "tmine=A=B", "TMINE=panel",
                                            "TLong=" + std::string(60, 'X')};
    EXPECT_EQ("checkbox", Skin3rdKind(lines, "trzcheckbox"));
    EXPECT_EQ("a=b", Skin3rdKind(lines, "TMine"));
    EXPECT_EQ(std::string(50, 'x'), Skin3rdKind(lines, "TLong"));
    EXPECT_EQ("", Skin3rdKind(lines, "TRzCheck")); // a prefix of a listed class is another class
    EXPECT_EQ("", Skin3rdKind(lines, "TEdit"));
}

TEST(ControlDispatch, ClassesAndAllowedKindsChooseTheSkin) {
    const std::vector<std::string> bitBtn = {"TBitBtn", "TButton", "TButtonControl", "TWinControl"};
    const std::vector<std::string> myPanel = {"TMyPanel", "TCustomPanel", "TCustomControl", "TWinControl"};
    const std::vector<std::string> own3rd = {"tmypanel=PANEL"};
    const std::vector<std::string> memo = {"TMemo", "TCustomMemo", "TCustomEdit", "TWinControl"};
    const TSkinChoice box{.skin = skBox, .colorFlag = true, .walkChildren = true};
    struct Case {
        std::vector<std::string> chain;
        TSkinControlTypes allowed;
        TSkinChoice expected;
        const std::vector<std::string>* skin3rd = &DefaultSkin3rd();
        bool scrollStyle = false;
    } cases[] = {
        {{"TSpeedButton", "TGraphicControl", "TControl"}, DefaultSkinControls, {.skin = skSpeedButton}},
        {{"TStatusBar", "TWinControl"}, DefaultSkinControls, {.skin = skStatusBar, .sizeGripOff = true}},
        {{"TPanel", "TCustomPanel", "TCustomControl", "TWinControl"}, DefaultSkinControls, box},
        {{"TGroupBox", "TCustomGroupBox", "TCustomControl", "TWinControl"}, DefaultSkinControls, box},
        {{"TComboBox", "TCustomComboBox", "TCustomCombo", "TWinControl"},
         DefaultSkinControls,
         {.skin = skComboBox}},
        {{"TCheckBox", "TCustomCheckBox", "TButtonControl"}, DefaultSkinControls, {.skin = skCheckBox}},
        {{"TTrackBar", "TWinControl"}, DefaultSkinControls, {.skin = skTrackBar}},
        {{"TEdit", "TCustomEdit", "TWinControl"}, DefaultSkinControls, {.skin = skEdit, .byHandle = true}},
        {{"TLabel", "TCustomLabel", "TGraphicControl"}, DefaultSkinControls, {}},
        {{"TComboBoxEx", "TCustomComboBoxEx", "TCustomCombo", "TWinControl"}, DefaultSkinControls, {}},
        {{"TDBComboBoxEh", "TCustomComboBox", "TWinControl"}, DefaultSkinControls, {}},
        // A row whose kind is left out lets the later rows try.
        {bitBtn, DefaultSkinControls, {.skin = skBitButton}},
        {bitBtn, Without(SkinControlBit(xcBitBtn)), {.skin = skButton}},
        {bitBtn, Without(SkinControlBit(xcBitBtn) | SkinControlBit(xcButton)), {}},
        // A window with scroll bars is skinned as one before its edit row is reached.
        {memo, DefaultSkinControls, {.skin = skScrollBar, .scrollBarFlag = true}, &DefaultSkin3rd(), true},
        {memo,
         Without(SkinControlBit(xcScrollbar)),
         {.skin = skEdit, .byHandle = true},
         &DefaultSkin3rd(),
         true},
        // A class Skin3rd lists is settled by its kind: never by the class rows.
        {myPanel, DefaultSkinControls, {.skin = skBox, .colorFlag = true, .setTransparent = true}, &own3rd},
        {myPanel, Without(SkinControlBit(xcPanel)), {}, &own3rd},
        {{"TRzRadioGroup", "TCustomPanel"},
         DefaultSkinControls,
         {.skin = skBox, .colorFlag = true, .childrenSkin = true, .childSkin = skRadioButton}},
        {{"TRzCheckGroup"}, Without(SkinControlBit(xcCheckBox)), {.skin = skBox, .colorFlag = true}},
    };
    for (const Case& c : cases) {
        TComponentFacts facts{.classChain = c.chain, .windowed = true, .scrollStyle = c.scrollStyle};
        EXPECT_EQ(c.expected, ChooseComponentSkin(facts, c.allowed, *c.skin3rd))
            << c.chain.front() << " allowed " << std::hex << c.allowed;
    }
}

// Tabs are skinned only when the skin has a "Tabs" picture: the tab set by its class, the
// platform's tab control by its window whatever the class over it.
TEST(ControlDispatch, TabsNeedTheSkinsTabsPicture) {
    const TSkinChoice byHandle{.skin = skTab, .byHandle = true};
    const struct {
        const char* name;
        bool tabControl, skinHasTabs;
        TSkinControlTypes allowed;
        TSkinChoice expected;
    } rows[] = {
        {"TTabSet", false, true, DefaultSkinControls, {.skin = skTab31}},
        {"TTabSet", false, false, DefaultSkinControls, {}},
        {"TTabControl", true, true, DefaultSkinControls, byHandle},
        {"TMyPages", true, true, DefaultSkinControls, byHandle},
        {"TTabControl", true, false, DefaultSkinControls, {}},
        {"TTabControl", true, true, Without(SkinControlBit(xcTab)), {}},
        {"TTabControl", false, true, DefaultSkinControls, {}},
    };
    for (const auto& row : rows) {
        TComponentFacts facts{.classChain = {row.name, "TWinControl"},
                              .windowed = true,
                              .skinHasTabs = row.skinHasTabs,
                              .tabControl = row.tabControl};
        EXPECT_EQ(row.expected, ChooseComponentSkin(facts, row.allowed, DefaultSkin3rd()))
            << row.name << " tab control " << row.tabControl << " tabs " << row.skinHasTabs;
    }
}

} // namespace
} // namespace quellar
