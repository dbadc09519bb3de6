// The caption buttons at work: the mouse on the frame, the hover timer, the button actions and
// the system menu.
#include "skin/controls/SkinControl.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/WinSkinManage.h"
#include "skin/menu/MenuBar.h"
#include "skin/menu/MenuTracking.h"
#include "skin/model/WinSkinData.h"

#include <windowsx.h>

#include <string>

namespace quellar {

namespace {
enum TSystemMenuItem : UINT { smRestore = 1, smMaximize, smMinimize, smClose };

// An owner-drawn item that keeps its text (read back when it is measured and drawn) and carries
// its picture of the skin's menu images, plus one, as its data.
void AddSystemItem(HMENU menu, UINT id, const char* text, bool enabled, int picture) {
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof(mii);
    mii.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_DATA | (text != nullptr ? MIIM_STRING : 0);
    mii.fType = MFT_OWNERDRAW | (text == nullptr ? MFT_SEPARATOR : MFT_STRING);
    mii.fState = enabled ? MFS_ENABLED : MFS_GRAYED;
    mii.wID = id;
    mii.dwItemData = static_cast<ULONG_PTR>(picture + 1);
    std::string caption = text != nullptr ? text : "";
    mii.dwTypeData = caption.data();
    InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &mii);
}

// Pictures of the skin's menu image strip (restore, move, size, minimise, maximise, close).
enum TSystemPicture : int { spRestore = 0, spMinimize = 3, spMaximize = 4, spClose = 5, spNone = -1 };

HMENU BuildSystemMenu(int windowState, unsigned captionFlags) {
    HMENU menu = CreatePopupMenu();
    AddSystemItem(menu, smRestore, " Restore ", windowState != wsRestored, spRestore);
    if ((captionFlags & cfMaximizeBox) != 0) {
        AddSystemItem(menu, smMaximize, " Maximize ", windowState != wsMaximized, spMaximize);
    }
    if ((captionFlags & cfMinimizeBox) != 0) {
        AddSystemItem(menu, smMinimize, " Minimize ", windowState != wsMinimized, spMinimize);
    }
    AddSystemItem(menu, 0, nullptr, true, spNone);
    AddSystemItem(menu, smClose, " Close \tShift+F4", true, spClose);
    return menu;
}

bool Contains(const TSkinRect& r, POINT p) {
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

void MdiChildCommand(HWND frame, WPARAM command) {
    HWND client = FindWindowExA(frame, nullptr, "MDIClient", nullptr);
    if (client == nullptr) {
        return;
    }
    if (auto child = reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)); child != nullptr) {
        SendMessageA(child, WM_SYSCOMMAND, command, 0);
    }
    if (TWinSkinManage* manager = WindowsSkinManager();
        manager != nullptr && manager->MdiMaximized() && !MdiActiveChildMaximized(client)) {
        manager->SetMdiMax(false);
    }
}
} // namespace

bool TWinSkinForm::HandleMouse(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    TWinSysButton* button = ButtonAt(WindowPoint(screen));
    TMenuBtn* barItem =
        button == nullptr && menuBar_ != nullptr ? menuBar_->ItemAt(WindowPoint(screen)) : nullptr;
    TNCObject* item = button != nullptr ? static_cast<TNCObject*>(button) : barItem;
    result = 0;
    switch (message) {
    case WM_NCMOUSEMOVE:
        if (!active_) {
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
            if (!active_) {
                SetForegroundWindow(window_);
            }
            if (barItem != nullptr) {
                OpenBarItem(*this, barItem->index, false);
            } else {
                item->Press();
            }
            return true;
        }
        if (windowState_ == wsMaximized && active_ && wParam == HTCAPTION) {
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
            RunAction(screen);
        } else if (barItem != nullptr && barItem == hotItem && barItem->state == nsPressed) {
            barItem->Release(); // a plain command, posted when it was pressed
        }
        return true;
    case WM_NCLBUTTONDBLCLK:
        if (windowState_ != wsRestored) {
            Restore();
        } else if ((captionFlags_ & cfMaximizeBox) != 0) {
            ToggleMaximize();
        }
        return true;
    case WM_NCRBUTTONDOWN:
        if (wParam != HTCAPTION || mdiKind_ == mkChild) {
            return false; // an MDI child's menu is the platform's
        }
        ShowSystemMenu(screen);
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
    if (command == SC_KEYMENU && dropDownMenu == nullptr && key != ' ' && key != '-' &&
        GetCapture() == nullptr) {
        // Alt or F10 alone: no menu mode on a window without the platform's caption and bar.
        // Alt and a letter: the bar item with that accelerator opens, first item selected.
        const TMenuBtn* accelerated =
            (key != 0 && menuBar_ != nullptr) ? menuBar_->AcceleratorItem(key) : nullptr;
        if (key == 0 || accelerated != nullptr) {
            if (accelerated != nullptr) {
                PostMessageA(window_, SkinOpenMenuItem, static_cast<WPARAM>(accelerated->index), 1);
            }
            result = 1;
            return true;
        }
    }
    if (command == SC_MINIMIZE) {
        windowState_ = wsMinimized;
        if (mdiKind_ == mkChild) {
            SetCaptionStyles(true);
        }
    } else if (command == SC_MAXIMIZE) {
        windowState_ = wsMaximized;
    } else if (command == SC_RESTORE) {
        windowState_ = wsRestored;
        if (mdiKind_ == mkChild) {
            SetCaptionStyles(false);
        }
    }
    return false;
}

void TWinSkinForm::RunAction(POINT screen) {
    auto* button = dynamic_cast<TWinSysButton*>(hotItem);
    if (button == nullptr) {
        return;
    }
    switch (const int action = button->def->Action) {
    case 0:
        StartHover(false);
        PostMessageA(window_, WM_CLOSE, 0, 0);
        break;
    case 1:
    case 22:
        ToggleMaximize();
        break;
    case 2:
    case 23:
        ToggleMinimize();
        break;
    case 3:
    case 11:
    case 12:
        ShowSystemMenu({screen.x + 1, screen.y + 1});
        break;
    case 7:
    case 60:
        MdiChildCommand(window_, SC_MINIMIZE);
        break;
    case 8:
    case 61:
        MdiChildCommand(window_, SC_RESTORE);
        break;
    case 9:
    case 62:
        MdiChildCommand(window_, SC_CLOSE);
        break;
    default:
        PostMessageA(window_, SkinQuery, static_cast<WPARAM>(action), 0);
        break;
    }
}

void TWinSkinForm::ToggleMaximize() {
    if (windowState_ == wsMaximized) {
        Restore();
        return;
    }
    windowState_ = wsMaximized;
    PostMessageA(window_, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    hotItem = nullptr;
}

void TWinSkinForm::ToggleMinimize() {
    if (windowState_ == wsMinimized) {
        Restore();
        return;
    }
    windowState_ = wsMinimized;
    PostMessageA(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
}

void TWinSkinForm::Restore() {
    windowState_ = wsRestored;
    PostMessageA(window_, WM_SYSCOMMAND, SC_RESTORE, 0);
}

void TWinSkinForm::ShowSystemMenu(POINT screen) {
    const DWORD now = GetTickCount();
    if (lastMenuRequest_ != 0 && now - lastMenuRequest_ <= GetDoubleClickTime()) {
        // A second request within the double-click time closes the window instead.
        lastMenuRequest_ = 0;
        StartHover(false);
        PostMessageA(window_, WM_CLOSE, 0, 0);
        return;
    }
    lastMenuRequest_ = now;
    if ((skin_->SkinControls() & SkinControlBit(xcSystemMenu)) == 0) {
        TrackPopupMenu(GetSystemMenu(window_, FALSE), TPM_RIGHTBUTTON, screen.x, screen.y, 0, window_,
                       nullptr);
        return;
    }
    HMENU menu = BuildSystemMenu(windowState_, captionFlags_);
    systemMenu_ = menu;
    dropDownMenu = menu;
    // The window, and this object with it, may go while the menu shows (a timer closes it):
    // afterwards nothing of it is touched unless it is still there.
    const std::weak_ptr<int> alive = alive_;
    HWND window = window_;
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD, screen.x, screen.y, 0, window, nullptr));
    DestroyMenu(menu);
    if (alive.expired()) {
        return;
    }
    dropDownMenu = nullptr;
    systemMenu_ = nullptr;
    if (!IsWindow(window)) {
        return;
    }
    switch (chosen) {
    case smRestore:
        Restore();
        break;
    case smMaximize:
        ToggleMaximize();
        break;
    case smMinimize:
        ToggleMinimize();
        break;
    case smClose:
        StartHover(false);
        PostMessageA(window_, WM_CLOSE, 0, 0);
        break;
    default:
        break;
    }
}

void TWinSkinForm::StartHover(bool run) {
    if (run && !hoverRunning_) {
        hoverRunning_ = SetTimer(window_, HoverTimerId, HoverIntervalMs, nullptr) != 0;
    } else if (!run && hoverRunning_) {
        KillTimer(window_, HoverTimerId);
        hoverRunning_ = false;
    }
}

void TWinSkinForm::HoverTick() {
    if (hotItem == nullptr || dropDownMenu != nullptr) {
        return;
    }
    POINT cursor{};
    GetCursorPos(&cursor);
    if (!Contains(hotItem->rect, WindowPoint(cursor))) {
        hotItem->Leave();
    }
}

} // namespace quellar
