#include "skin/controls/ControlKind.h"

namespace quellar {

namespace {
// Style bits of the platform, kept here so this file builds anywhere.
constexpr std::uint32_t kButtonTypeMask = 0xF;
constexpr std::uint32_t kComboTypeMask = 0x3, kComboSimple = 0x1;
constexpr std::uint32_t kTabOwnerDrawFixed = 0x2000;
constexpr std::uint32_t kScrollStyles = 0x100000 | 0x200000; // horizontal, vertical bar
constexpr std::uint32_t kSizeBoxStyles = 0x08 | 0x10;        // size box, size grip
} // namespace

TButtonKind ButtonKindOf(std::uint32_t style) {
    // The type is a value, not a set of flags: 11 (owner-drawn) shares bits with 2 and 3 but is
    // no check box, so each value is listed.
    switch (style & kButtonTypeMask) {
    case 0: // push button
    case 1: // default push button
        return btPush;
    case 2: // check box
    case 3: // automatic check box
    case 5: // three-state
    case 6: // automatic three-state
        return btCheckBox;
    case 4: // radio button
    case 9: // automatic radio button
        return btRadioButton;
    default:
        return btNone;
    }
}

TControlSkinKind ControlSkinKindOf(std::string_view lowerClassName, std::uint32_t style) {
    if (lowerClassName == "button") {
        switch (ButtonKindOf(style)) {
        case btPush:
            return ckButton;
        case btCheckBox:
            return ckCheckBox;
        case btRadioButton:
            return ckRadioButton;
        case btNone:
            break;
        }
        return ckNone;
    }
    if (lowerClassName == "combobox") {
        // A simple combo box shows its list all the time and has no button to paint.
        return (style & kComboTypeMask) == kComboSimple ? ckNone : ckComboBox;
    }
    if (lowerClassName == "comboboxex32") {
        return ckComboBoxEx;
    }
    if (lowerClassName == "scrollbar") {
        // Only a size box or grip is framed as a sizer; a real scroll bar keeps its own arrows
        // and thumb (they are its client area, not bars of a frame the scroll bar skin paints).
        return (style & kSizeBoxStyles) != 0 ? ckSizer : ckNone;
    }
    if (lowerClassName == "systabcontrol32") {
        // An owner-drawn tab control paints its own tabs.
        return (style & kTabOwnerDrawFixed) != 0 ? ckNone : ckTab;
    }
    if ((style & kScrollStyles) != 0) {
        return ckScrollBars;
    }
    if (lowerClassName == "edit") {
        return ckEdit;
    }
    return ckNone;
}

} // namespace quellar
