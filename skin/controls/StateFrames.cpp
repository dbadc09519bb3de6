#include "skin/controls/StateFrames.h"

namespace quellar {

int PushButtonFrame(const TControlState& state) {
    if (!state.enabled) {
        return 3;
    }
    if (state.pressed) {
        return 2;
    }
    return (state.focused || state.hot) ? 4 : 1;
}

int CheckFrame(TCheckState check, bool enabled, bool radio) {
    if (radio) {
        const int frame = check != csUnchecked ? 2 : 1;
        return enabled ? frame : frame + 2;
    }
    // The indeterminate mark has one look, enabled or not.
    if (check == csIndeterminate) {
        return 4;
    }
    const int frame = check == csChecked ? 2 : 1;
    return enabled ? frame : frame + 2;
}

int ComboBoxFrame(const TControlState& state) {
    if (state.pressed) {
        return 2;
    }
    if (state.focused || state.hot) {
        return 4;
    }
    return state.enabled ? 1 : 3;
}

} // namespace quellar
