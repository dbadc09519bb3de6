#pragma once
// Message numbers the framework sends to its controls, beside the platform's own. Control skins
// hook a control's message handler and react to these, so the values are fixed.
#include <cstdint>

namespace quellar {

constexpr std::uint32_t CM_BASE = 0xB000;
constexpr std::uint32_t CM_DIALOGCHAR = CM_BASE + 6;      // 0xB006: an Alt+letter looks for its owner
constexpr std::uint32_t CM_ENABLEDCHANGED = CM_BASE + 12; // 0xB00C: Enabled was changed
constexpr std::uint32_t CM_MOUSEENTER = CM_BASE + 19;     // 0xB013: the cursor came over the control
constexpr std::uint32_t CM_MOUSELEAVE = CM_BASE + 20;     // 0xB014: the cursor left the control
constexpr std::uint32_t CM_MENUCHANGED = CM_BASE + 21;    // 0xB015: a menu's items changed
constexpr std::uint32_t CM_EXIT = CM_BASE + 27;           // 0xB01B: the control lost the focus
constexpr std::uint32_t CM_TEXTCHANGED = CM_BASE + 18;    // 0xB012: Caption or Text was changed
constexpr std::uint32_t CM_RELEASE = CM_BASE + 33;        // 0xB021: free the form in lParam

// Notifications a parent hands back to the child control they concern ("reflected").
constexpr std::uint32_t CN_BASE = 0xBC00;
constexpr std::uint32_t CN_COMMAND = CN_BASE + 0x0111;         // 0xBD11
constexpr std::uint32_t CN_NOTIFY = CN_BASE + 0x004E;          // 0xBC4E
constexpr std::uint32_t CN_HSCROLL = CN_BASE + 0x0114;         // 0xBD14
constexpr std::uint32_t CN_VSCROLL = CN_BASE + 0x0115;         // 0xBD15
constexpr std::uint32_t CN_CTLCOLORBTN = CN_BASE + 0x0135;     // 0xBD35
constexpr std::uint32_t CN_CTLCOLOREDIT = CN_BASE + 0x0133;    // 0xBD33
constexpr std::uint32_t CN_CTLCOLORSTATIC = CN_BASE + 0x0138;  // 0xBD38
constexpr std::uint32_t CN_CTLCOLORLISTBOX = CN_BASE + 0x0134; // 0xBD34

} // namespace quellar
