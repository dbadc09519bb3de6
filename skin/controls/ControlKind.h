#pragma once
// Which control skin a child window wears, decided from its class name and style alone, so the
// manager only asks before it subclasses a window.
#include <cstdint>
#include <string_view>

namespace quellar {

enum TControlSkinKind : int {
    ckNone,
    ckButton,
    ckCheckBox,
    ckRadioButton,
    ckComboBox,
    ckComboBoxEx, // the skin goes on its first child, the combo box inside it
    ckSizer,
    ckTab,
    ckEdit,
    ckScrollBars, // a window that scrolls with the bars of its frame
};

// What a window of class "button" draws, from the type in the low four style bits.
enum TButtonKind : int {
    btNone, // group boxes, owner-drawn and split buttons keep their own drawing
    btPush,
    btCheckBox,
    btRadioButton,
};
TButtonKind ButtonKindOf(std::uint32_t style);

// lowerClassName is the window's class name in lower case. Buttons, combo boxes (whose scroll
// style is their list's) and tab controls keep their own kind; any other window with a scroll
// bar in its frame wears the scroll bar skin, an edit too, as a memo of our forms does.
TControlSkinKind ControlSkinKindOf(std::string_view lowerClassName, std::uint32_t style);

} // namespace quellar
