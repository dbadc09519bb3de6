#pragma once
// Which control skin a component of one of our forms wears, decided from what the component is
// (its class chain, tag, window style) and what the skin allows (SkinControls, Skin3rd,
// DisableTag). Pure, so the whole choice is tested without windows; the form object only
// gathers the facts, asks, and attaches what the answer names.
#include "skin/model/WinSkinData.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quellar {

// The control skins of the family.
enum TSkinClass : int {
    skNone,
    skButton,
    skBitButton,
    skSpeedButton,
    skCheckBox,
    skRadioButton,
    skBox,
    skTrackBar,
    skUpDown,
    skProgress,
    skEdit,
    skComboBox,
    skSizer,
    skScrollBar,
    skTab,
    skTab31,
    skStatusBar,
};

// What is known of one component.
struct TComponentFacts {
    // The component's class and every class it derives from, most derived first, as the
    // framework spells them ("TCheckBox", "TCustomCheckBox", "TButtonControl", ...).
    std::vector<std::string> classChain;
    std::intptr_t tag = 0;
    bool windowed = false;    // a TWinControl
    bool scrollStyle = false; // its window has WS_HSCROLL or WS_VSCROLL
    bool spinPicker = false;  // a date-time picker that shows spin buttons
    bool skinHasTabs = false; // the skin has a "Tabs" image
    bool tabControl = false;  // its window is the platform's tab control, not owner-drawn
};

// How the chosen skin is attached and what else is done for the component.
struct TSkinChoice {
    TSkinClass skin = skNone;
    bool colorFlag = false;     // the control's Color becomes the skin's ButtonFace
    bool byHandle = false;      // attached to the component's window, not its message handler
    bool scrollBarFlag = false; // for skScrollBar: the Flag argument (1 = true)
    bool walkChildren = false;  // the component's own components are walked afterwards
    bool childrenSkin = false;  // radiogroup/checkgroup: every child control gets childSkin
    TSkinClass childSkin = skNone;
    bool setTransparent = false; // the component's "Transparent" becomes True
    bool setFlat = false;        // the component's "Flat" becomes True
    bool sizeGripOff = false;    // a status bar's size grip is switched off first
    friend bool operator==(const TSkinChoice&, const TSkinChoice&) = default;
};

// Skip the component (no skin, not walked) when its tag mod 100 is the skin's DisableTag.
bool DisabledByTag(std::intptr_t tag, std::int32_t disableTag);

// The kind Skin3rd gives the class: the text after the first "=" of the first line that starts
// with the class name and "=" (compared in lower case), at most 50 characters, in lower case;
// empty when no line names the class.
std::string Skin3rdKind(const std::vector<std::string>& skin3rd, const std::string& className);

// The choice for one component (the tag test is separate: DisabledByTag). A class that Skin3rd
// names is decided by its kind alone, whether or not that kind's skin is allowed. Otherwise the
// class rows are tried in order; a row whose class matches but whose skin kind SkinControls
// leaves out does not end the search.
TSkinChoice ChooseComponentSkin(const TComponentFacts& facts, TSkinControlTypes allowed,
                                const std::vector<std::string>& skin3rd);

} // namespace quellar
