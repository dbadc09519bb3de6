// Which skin a child window wears, from its class name and style.
#include "skin/controls/ControlKind.h"

#include <gtest/gtest.h>

namespace quellar {
namespace {

TEST(ControlKind, ClassAndStyleChooseTheSkin) {
    // Button types 0 to 15: push buttons (0, 1), check boxes (2, 3, 5, 6), radio buttons (4, 9).
    // Group boxes (7), owner-drawn buttons (11, sharing bits with the check boxes), split buttons
    // (12, 13) and the rest keep their own look.
    const TControlSkinKind byType[16] = {
        ckButton, ckButton,      ckCheckBox, ckCheckBox, ckRadioButton, ckCheckBox, ckCheckBox, ckNone,
        ckNone,   ckRadioButton, ckNone,     ckNone,     ckNone,        ckNone,     ckNone,     ckNone};
    for (std::uint32_t type = 0; type < 16; ++type) {
        // Visible, tab stop, and a text alignment bit above the type: only the type counts.
        EXPECT_EQ(byType[type], ControlSkinKindOf("button", 0x50010000 | 0x100 | type)) << type;
    }
    // A simple combo box (type 1) has no drop-down button; an owner-drawn tab control (0x2000)
    // paints its own tabs; class names arrive in lower case.
    struct Case {
        const char* className;
        std::uint32_t style;
        TControlSkinKind expected;
    } cases[] = {{"combobox", 2, ckComboBox},
                 {"combobox", 3, ckComboBox},
                 {"combobox", 0x41, ckNone},
                 {"comboboxex32", 0, ckComboBoxEx},
                 // Size boxes (8) and grips (0x10) are framed; scroll bars, horizontal (0) or
                 // vertical (1), keep their arrows and thumb.
                 {"scrollbar", 0x08, ckSizer},
                 {"scrollbar", 0x10, ckSizer},
                 {"scrollbar", 0x50000000, ckNone},
                 {"scrollbar", 0x50000001, ckNone},
                 {"systabcontrol32", 0, ckTab},
                 {"systabcontrol32", 0x2000, ckNone},
                 {"edit", 0x80, ckEdit},
                 // A window with a scroll bar in its frame wears the bars' skin, a memo too; a
                 // combo box's scroll style is its list's.
                 {"edit", 0x200004, ckScrollBars},
                 {"listbox", 0x100000, ckScrollBars},
                 {"combobox", 0x200002, ckComboBox},
                 {"button", 0x200000, ckButton},
                 {"listbox", 0, ckNone},
                 {"static", 0, ckNone},
                 {"Button", 0, ckNone},
                 {"", 0, ckNone}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.expected, ControlSkinKindOf(c.className, c.style)) << c.className << " " << c.style;
    }
}

} // namespace
} // namespace quellar
