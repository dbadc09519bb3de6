#pragma once
// Which frame of a control's skin image shows for the control's state. Frames count from 1; a
// painter clamps the answer to the image's own frame count with ClampFrame (PaintGeometry.h).
namespace quellar {

// What a control looks like right now, as its window reports it.
struct TControlState {
    bool enabled = true;
    bool pressed = false; // the mouse button is down on it, or space is held
    bool focused = false;
    bool hot = false; // the mouse is over it
};

// A push button: 1 normal, 2 pressed, 3 disabled, 4 focused or hot. A disabled button shows
// frame 3 whatever else is true, so it never looks clickable.
int PushButtonFrame(const TControlState& state);

// The check mark of a check box or radio button, as the button reports it.
enum TCheckState : int {
    csUnchecked = 0,
    csChecked = 1,
    csIndeterminate = 2,
};

// A check box or radio button: 1 unchecked, 2 checked, 3 and 4 the same when disabled. A check
// box in the indeterminate state shows frame 4. A radio button knows no third state: any mark
// counts as checked.
int CheckFrame(TCheckState check, bool enabled, bool radio);

// A combo box: 2 pressed, 4 focused or hot, 1 normal, 3 disabled.
int ComboBoxFrame(const TControlState& state);

} // namespace quellar
