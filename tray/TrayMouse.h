#pragma once
// The portable half of the icon's mouse handling: the kinds of button and modifier the events
// carry, and the table that turns one mouse message from the notification area into the
// ordered sequence of notifications. No platform calls here, so the table is tested natively.
#include <cstdint>

namespace quellar {

// Which button a press or release concerns.
enum class TTrayButton : std::uint8_t { tbLeft, tbRight, tbMiddle };

// A set of modifier keys and buttons held, as bit flags.
using TTrayShift = std::uint8_t;
inline constexpr TTrayShift ssShift = 0x01;
inline constexpr TTrayShift ssAlt = 0x02;
inline constexpr TTrayShift ssCtrl = 0x04;
inline constexpr TTrayShift ssLeft = 0x08;
inline constexpr TTrayShift ssRight = 0x10;
inline constexpr TTrayShift ssMiddle = 0x20;

// The mouse messages the notification area forwards in the callback's second parameter.
namespace traymsg {
inline constexpr unsigned kMouseMove = 0x200;
inline constexpr unsigned kLeftDown = 0x201;
inline constexpr unsigned kLeftUp = 0x202;
inline constexpr unsigned kLeftDblClick = 0x203;
inline constexpr unsigned kRightDown = 0x204;
inline constexpr unsigned kRightUp = 0x205;
inline constexpr unsigned kRightDblClick = 0x206;
inline constexpr unsigned kMiddleDown = 0x207;
inline constexpr unsigned kMiddleUp = 0x208;
inline constexpr unsigned kMiddleDblClick = 0x209;
} // namespace traymsg

// What the table calls, in the order the table gives. The icon component implements it.
class TTrayMouseTarget {
public:
    virtual ~TTrayMouseTarget() = default;
    virtual void TrayMouseMove(TTrayShift shift) = 0;
    virtual void TrayMouseDown(TTrayButton button, TTrayShift shift) = 0;
    virtual void TrayMouseUp(TTrayButton button, TTrayShift shift) = 0;
    virtual void TrayClick() = 0;
    virtual void TrayDblClick() = 0;
    // Shows the popup menu at the cursor when there is one to show.
    virtual void TrayPopup() = 0;
    // Clicks the popup menu's default item, if there is a menu that pops up by itself and it
    // has one.
    virtual void TrayClickDefaultItem() = 0;
    // Read at the moment the table needs it, so a handler that changes it takes effect.
    virtual bool TrayLeftPopup() const = 0;
};

// Carries "a left press was seen and its release has not come yet" between messages.
struct TTrayClickState {
    bool clickPending = false;
};

// Routes one mouse message. `keys` holds the modifier keys at the moment of handling; the
// button's own flag is added for presses and releases. Returns false for messages the table
// ignores (right and middle double clicks, anything unknown).
bool RouteTrayMouse(unsigned mouseMessage, TTrayShift keys, TTrayClickState& state, TTrayMouseTarget& target);

} // namespace quellar
