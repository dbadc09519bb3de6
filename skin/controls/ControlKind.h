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
};

// What a window of class "button" draws, from the type in the low four style bits.
enum TButtonKind : int {
    btNone, // group boxes, owner-drawn and split buttons keep their own drawing
    btPush,
    btCheckBox,
    btRadioButton,
};
TButtonKind ButtonKindOf(std::uint32_t style);

// lowerClassName is the window's class name in lower case.
TControlSkinKind ControlSkinKindOf(std::string_view lowerClassName, std::uint32_t style);

} // namespace quellar
