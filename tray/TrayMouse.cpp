#include "tray/TrayMouse.h"

namespace quellar {

bool RouteTrayMouse(unsigned mouseMessage, TTrayShift keys, TTrayClickState& state,
                    TTrayMouseTarget& target) {
    switch (mouseMessage) {
    case traymsg::kMouseMove:
        target.TrayMouseMove(keys);
        return true;
    case traymsg::kLeftDown:
        target.TrayMouseDown(TTrayButton::tbLeft, keys | ssLeft);
        state.clickPending = true;
        if (target.TrayLeftPopup()) {
            target.TrayPopup();
        }
        return true;
    case traymsg::kLeftUp:
        if (state.clickPending) {
            state.clickPending = false;
            target.TrayClick();
        }
        target.TrayMouseUp(TTrayButton::tbLeft, keys | ssLeft);
        return true;
    case traymsg::kLeftDblClick:
        target.TrayDblClick();
        if (!target.TrayLeftPopup()) {
            target.TrayClickDefaultItem();
        }
        return true;
    case traymsg::kRightDown:
        target.TrayMouseDown(TTrayButton::tbRight, keys | ssRight);
        target.TrayPopup();
        return true;
    case traymsg::kRightUp:
        target.TrayMouseUp(TTrayButton::tbRight, keys | ssRight);
        return true;
    case traymsg::kMiddleDown:
        target.TrayMouseDown(TTrayButton::tbMiddle, keys | ssMiddle);
        return true;
    case traymsg::kMiddleUp:
        target.TrayMouseUp(TTrayButton::tbMiddle, keys | ssMiddle);
        return true;
    default:
        return false;
    }
}

} // namespace quellar
