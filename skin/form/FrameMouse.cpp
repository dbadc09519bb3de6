// The mouse on a skinned window's frame (caption buttons and bar items) and the window's
// commands: what the frame takes and what goes on to the window.
#include "skin/controls/SkinControl.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/menu/MenuBar.h"
#include "skin/menu/MenuTracking.h"

#include <windowsx.h>

namespace quellar {

bool TWinSkinForm::HandleMouse(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    TWinSysButton* button = buttons_.ButtonAt(WindowPoint(screen));
    TWinSkinMenu* bar = menuBar_.Bar();
    TMenuBtn* barItem = button == nullptr && bar != nullptr ? bar->ItemAt(WindowPoint(screen)) : nullptr;
    TNCObject* item = button != nullptr ? static_cast<TNCObject*>(button) : barItem;
    result = 0;
    switch (message) {
    case WM_NCMOUSEMOVE:
        if (!facts_.active) {
            return true; // an inactive window's buttons do not light up
        }
        if (item != nullptr) {
            item->Enter();
            return true;
        }
        if (hotItem != nullptr) {
            hotItem->Leave();
        }
        return false;
    case WM_NCLBUTTONDOWN:
        if (item != nullptr) {
            if (!facts_.active) {
                SetForegroundWindow(window_);
            }
            if (barItem != nullptr) {
                OpenBarItem(*this, barItem->index, false);
            } else {
                item->Press();
            }
            return true;
        }
        if (facts_.windowState == wsMaximized && facts_.active && wParam == HTCAPTION) {
            result = Previous(message, HTMENU, lParam); // a maximised window is not dragged
            return true;
        }
        if (wParam == HTCAPTION) {
            // The default procedure runs the drag in a loop of its own and, on Windows, paints
            // the platform's caption as it starts and ends: the frame is repainted from inside
            // that loop and once more after it. Only the handle is used after the call (the
            // window may be gone by then, and this object with it).
            HWND window = window_;
            PostMessageA(window, SkinRepaintFrame, 0, 0);
            result = Previous(message, wParam, lParam);
            PostMessageA(window, SkinRepaintFrame, 0, 0);
            return true;
        }
        return false;
    case WM_NCLBUTTONUP:
        if (item == nullptr) {
            return false;
        }
        if (button != nullptr && button == hotItem) {
            button->Release();
            buttons_.RunAction(screen);
        } else if (barItem != nullptr && barItem == hotItem && barItem->state == nsPressed) {
            barItem->Release(); // a plain command, posted when it was pressed
        }
        return true;
    case WM_NCLBUTTONDBLCLK:
        if (facts_.windowState != wsRestored) {
            buttons_.Restore();
        } else if ((facts_.captionFlags & cfMaximizeBox) != 0) {
            buttons_.ToggleMaximize();
        }
        return true;
    case WM_NCRBUTTONDOWN:
        if (wParam != HTCAPTION || facts_.mdiKind == mkChild) {
            return false; // an MDI child's menu is the platform's
        }
        buttons_.ShowSystemMenu(screen);
        return true;
    default:
        return false;
    }
}

bool TWinSkinForm::HandleCommand(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const WPARAM command = wParam & 0xFFF0;
    if (message == WM_COMMAND) {
        if (lParam != 0) {
            if (TSkinControl* from = controls_.SkinFor(reinterpret_cast<HWND>(lParam)); from != nullptr) {
                from->ParentNotified(HIWORD(wParam));
            }
        }
        switch (LOWORD(wParam) & 0xFFF0) {
        case SC_SIZE:
        case SC_MOVE:
        case SC_MINIMIZE:
        case SC_MAXIMIZE:
        case SC_NEXTWINDOW:
        case SC_PREVWINDOW:
        case SC_CLOSE:
        case SC_RESTORE:
            PostMessageA(window_, WM_SYSCOMMAND, LOWORD(wParam), 0);
            result = 0;
            return true;
        default:
            return false;
        }
    }
    const char key = static_cast<char>(lParam & 0xFF);
    if (command == SC_KEYMENU && menuBar_.DropDown() == nullptr && key != ' ' && key != '-' &&
        GetCapture() == nullptr) {
        // Alt or F10 alone: no menu mode on a window without the platform's caption and bar.
        // Alt and a letter: the bar item with that accelerator opens, first item selected.
        const TMenuBtn* accelerated = key != 0 ? menuBar_.AcceleratorItem(key) : nullptr;
        if (key == 0 || accelerated != nullptr) {
            if (accelerated != nullptr) {
                PostMessageA(window_, SkinOpenMenuItem, static_cast<WPARAM>(accelerated->index), 1);
            }
            result = 1;
            return true;
        }
    }
    if (command == SC_MINIMIZE) {
        facts_.windowState = wsMinimized;
        if (facts_.mdiKind == mkChild) {
            fit_.SetCaptionStyles(true);
        }
    } else if (command == SC_MAXIMIZE) {
        facts_.windowState = wsMaximized;
    } else if (command == SC_RESTORE) {
        facts_.windowState = wsRestored;
        if (facts_.mdiKind == mkChild) {
            fit_.SetCaptionStyles(false);
        }
    }
    return false;
}

} // namespace quellar
