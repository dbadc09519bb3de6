// The mouse on a skinned window's frame (caption buttons and bar items) and the window's
// commands: what the frame takes and what goes on to the window.
#include "skin/controls/SkinControl.h"
#include "skin/form/FormMessages.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/menu/MenuBar.h"
#include "skin/menu/MenuTracking.h"

#include <windowsx.h>

namespace quellar {

bool TFormMessages::HandleMouse(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    TWinSysButton* button = win_.buttons_.ButtonAt(WindowPointOf(win_.window_, screen));
    TWinSkinMenu* bar = win_.menuBar_.MenuBar();
    TMenuBtn* barItem =
        button == nullptr && bar != nullptr ? bar->ItemAt(WindowPointOf(win_.window_, screen)) : nullptr;
    TNCObject* item = button != nullptr ? static_cast<TNCObject*>(button) : barItem;
    result = 0;
    switch (message) {
    case WM_NCMOUSEMOVE:
        if (!win_.facts_.active) {
            return true; // an inactive window's buttons do not light up
        }
        if (item != nullptr) {
            item->Enter();
            return true;
        }
        if (win_.hotItem != nullptr) {
            win_.hotItem->Leave();
        }
        return false;
    case WM_NCLBUTTONDOWN:
        if (item != nullptr) {
            if (!win_.facts_.active) {
                SetForegroundWindow(win_.window_);
            }
            if (barItem != nullptr) {
                OpenBarItem(win_.menuBar_, barItem->index, false);
            } else {
                item->Press();
            }
            return true;
        }
        if (win_.facts_.windowState == wsMaximized && win_.facts_.active && wParam == HTCAPTION) {
            result = Previous(message, HTMENU, lParam); // a maximised window is not dragged
            return true;
        }
        if (wParam == HTCAPTION) {
            // The default procedure runs the drag in a loop of its own and, on Windows, paints
            // the platform's caption as it starts and ends: the frame is repainted from inside
            // that loop and once more after it. Only the handle is used after the call (the
            // window may be gone by then, and this object with it).
            HWND window = win_.window_;
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
        if (button != nullptr && button == win_.hotItem) {
            button->Release();
            win_.buttons_.RunAction(screen);
        } else if (barItem != nullptr && barItem == win_.hotItem && barItem->state == nsPressed) {
            barItem->Release(); // a plain command, posted when it was pressed
        }
        return true;
    case WM_NCLBUTTONDBLCLK:
        if (win_.facts_.windowState != wsRestored) {
            win_.buttons_.Restore();
        } else if ((win_.facts_.captionFlags & cfMaximizeBox) != 0) {
            win_.buttons_.ToggleMaximize();
        }
        return true;
    case WM_NCRBUTTONDOWN:
        if (wParam != HTCAPTION || win_.facts_.mdiKind == mkChild) {
            return false; // an MDI child's menu is the platform's
        }
        win_.buttons_.ShowSystemMenu(screen);
        return true;
    default:
        return false;
    }
}

bool TFormMessages::HandleCommand(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const WPARAM command = wParam & 0xFFF0;
    if (message == WM_COMMAND) {
        if (lParam != 0) {
            if (TSkinControl* from = win_.controls_.SkinFor(reinterpret_cast<HWND>(lParam));
                from != nullptr) {
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
            PostMessageA(win_.window_, WM_SYSCOMMAND, LOWORD(wParam), 0);
            result = 0;
            return true;
        default:
            return false;
        }
    }
    const char key = static_cast<char>(lParam & 0xFF);
    if (command == SC_KEYMENU && win_.menuBar_.DropDownMenu() == nullptr && key != ' ' && key != '-' &&
        GetCapture() == nullptr) {
        // Alt or F10 alone: no menu mode on a window without the platform's caption and bar.
        // Alt and a letter: the bar item with that accelerator opens, first item selected.
        const TMenuBtn* accelerated = key != 0 ? win_.menuBar_.AcceleratorItem(key) : nullptr;
        if (key == 0 || accelerated != nullptr) {
            if (accelerated != nullptr) {
                PostMessageA(win_.window_, SkinOpenMenuItem, static_cast<WPARAM>(accelerated->index), 1);
            }
            result = 1;
            return true;
        }
    }
    if (command == SC_MINIMIZE) {
        win_.facts_.windowState = wsMinimized;
        if (win_.facts_.mdiKind == mkChild) {
            win_.fit_.SetCaptionStyles(true);
        }
    } else if (command == SC_MAXIMIZE) {
        win_.facts_.windowState = wsMaximized;
    } else if (command == SC_RESTORE) {
        win_.facts_.windowState = wsRestored;
        if (win_.facts_.mdiKind == mkChild) {
            win_.fit_.SetCaptionStyles(false);
        }
    }
    return false;
}

} // namespace quellar
