// The messages of a skinned window: what the frame takes over and what goes on to the window.
// The window object keeps its own bookkeeping (activation, window state, styles, sizes) and hands
// the rest to its parts: painting to the frame painter, the hover timer to the caption buttons,
// menu items and the bar to the menu code; the mouse on the frame and the commands are in
// FrameMouse.cpp.
#include "skin/form/FormMessages.h"
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/WinSkinManage.h"
#include "skin/menu/MenuBar.h"
#include "skin/menu/MenuItemPaint.h"
#include "skin/menu/MenuTracking.h"
#include "skin/model/SkinDataPlatform.h"
#include "skin/model/WinSkinData.h"
#include "ui/Forms.h"
#include "ui/Menus.h"
#include "ui/Messages.h"

#include <windowsx.h>

namespace quellar {

LRESULT TFormMessages::Previous(UINT message, WPARAM wParam, LPARAM lParam) {
    return SubclassChain::CallNext(win_.window_, message, wParam, lParam);
}

bool TFormMessages::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (HandleAlways(message, wParam, lParam, result)) {
        return true;
    }
    if ((win_.skin_->SkinControls() & SkinControlBit(xcMainMenu)) == 0 ||
        ((win_.facts_.style & WS_CHILD) != 0 && win_.facts_.mdiKind != mkChild)) {
        return false;
    }
    if (HandleFrame(message, wParam, lParam, result)) {
        return true;
    }
    if (win_.facts_.lifeState == lsCreated || win_.facts_.windowState == wsMinimized ||
        win_.facts_.MdiChildNotRestored()) {
        return false;
    }
    return HandleNonClient(message, wParam, lParam, result);
}

// Whatever the skin covers.
bool TFormMessages::HandleAlways(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const TSkinDataPlatform* platform = win_.skin_->Platform();
    HBRUSH face = platform != nullptr ? platform->ButtonFaceBrush : nullptr;
    switch (message) {
    case SkinQuery:
        result = 1;
        return true;
    case WM_NCDESTROY:
        win_.facts_.lifeState = lsDestroyed;
        win_.DetachAtExit();
        return false;
    case WM_STYLECHANGED:
        if (wParam == static_cast<WPARAM>(GWL_STYLE)) {
            win_.facts_.style = reinterpret_cast<const STYLESTRUCT*>(lParam)->styleNew;
        }
        return false;
    case WM_TIMER:
        if (wParam != TCaptionButtons::HoverTimerId) {
            return false;
        }
        win_.buttons_.HoverTick();
        result = 0;
        return true;
    case WM_MEASUREITEM:
        if (wParam != 0 || !MeasureMenuItem(win_.menuBar_, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) {
            return false;
        }
        result = TRUE;
        return true;
    case WM_DRAWITEM:
        if (wParam != 0 || !DrawMenuItem(win_.menuBar_, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
            return false;
        }
        result = TRUE;
        return true;
    case WM_MENUCHAR:
        // Our drop-downs, popup menus and system menu are owner-drawn: the platform finds their
        // mnemonics only through this answer.
        return AnswerMenuChar(wParam, lParam, result);
    case WM_ERASEBKGND:
        if (win_.form_ != nullptr || face == nullptr) {
            return false;
        }
        Previous(message, wParam, lParam);
        if (RECT client{}; GetClientRect(win_.window_, &client)) {
            FillRect(reinterpret_cast<HDC>(wParam), &client, face);
        }
        result = 1;
        return true;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        if (win_.form_ != nullptr || face == nullptr) {
            return false;
        }
        result = Previous(message, wParam, lParam);
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        if (message == WM_CTLCOLORSTATIC) {
            result = reinterpret_cast<LRESULT>(face);
        }
        return true;
    default:
        return false;
    }
}

namespace {
bool MdiMaximized() {
    const TWinSkinManage* manager = WindowsSkinManager();
    return manager != nullptr && manager->MdiMaximized();
}
} // namespace

void TFormMessages::Sized(WPARAM wParam) {
    // SIZE_MAXSHOW and SIZE_MAXHIDE tell of another window being maximised or restored: this
    // window's own state stays what it was.
    if (wParam == SIZE_MINIMIZED) {
        win_.facts_.windowState = wsMinimized;
    } else if (wParam == SIZE_MAXIMIZED) {
        win_.facts_.windowState = wsMaximized;
    } else if (wParam == SIZE_RESTORED) {
        win_.facts_.windowState = wsRestored;
    }
    if (win_.facts_.mdiKind == mkChild && wParam == SIZE_MAXIMIZED && !MdiMaximized()) {
        // The frame's bar shows a maximised child's buttons: the frame paints them (the platform
        // repaints no frame when an MDI child is maximised).
        if (HWND frame = GetParent(GetParent(win_.window_)); frame != nullptr) {
            PostMessageA(frame, SkinRepaintFrame, 0, 0);
        }
    }
    const bool mdiAside =
        win_.facts_.mdiKind == mkChild && (MdiMaximized() || win_.facts_.windowState != wsRestored);
    if (win_.facts_.windowState != wsMinimized && !mdiAside &&
        (win_.facts_.lifeState == lsRunning || win_.facts_.lifeState == lsReapplying)) {
        win_.UpdateRegion();
    }
}

void TFormMessages::SkinAttachedArrived() {
    if (win_.facts_.lifeState == lsCreated && win_.facts_.mdiKind == mkChild && MdiMaximized()) {
        win_.fit_.SetCaptionStyles(true);
        SetWindowPos(win_.window_, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (win_.facts_.lifeState == lsCreated && win_.facts_.windowState != wsMinimized &&
               win_.facts_.borderKind != bkPopup) {
        win_.facts_.lifeState = lsFitting;
        win_.fit_.FitFrame(false);
        win_.facts_.lifeState = lsRunning;
        win_.UpdateRegion();
    }
    win_.facts_.lifeState = lsRunning;
    win_.buttons_.StartHover(win_.facts_.active);
    win_.controls_.SkinNewControls(); // a dialog's controls may have come after the window
    RedrawWindow(win_.window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

// The frame's own bookkeeping, whatever the window's state.
bool TFormMessages::HandleFrame(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_SIZE:
        // The window's own procedure sees the resize once.
        result = Previous(message, wParam, lParam);
        Sized(wParam);
        return true;
    case WM_ACTIVATE:
        win_.facts_.active = LOWORD(wParam) != WA_INACTIVE;
        return false;
    case WM_NCACTIVATE: // painted below unless minimised
        win_.facts_.active = wParam != 0;
        return false;
    case WM_GETMINMAXINFO: {
        result = Previous(message, wParam, lParam);
        win_.fit_.RefreshWindowState();
        if (win_.facts_.windowState == wsMinimized) {
            win_.fit_.SetCaptionStyles(true);
        } else if (win_.facts_.mdiKind != mkChild) {
            win_.fit_.SetCaptionStyles(false);
        } else if (win_.facts_.windowState == wsRestored) {
            if (TWinSkinManage* manager = WindowsSkinManager();
                manager != nullptr && manager->MdiMaximized()) {
                manager->SetMdiMax(false);
            }
            win_.fit_.SetCaptionStyles(false);
        } else {
            win_.fit_.SetCaptionStyles(true);
        }
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
        return true;
    }
    case WM_WINDOWPOSCHANGED:
        win_.fit_.RefreshWindowState();
        return false;
    case WM_MENUSELECT:
        NoteMenuSelect(win_.menuBar_, wParam, lParam);
        return false;
    case CM_MENUCHANGED:
        result = Previous(message, wParam, lParam);
        if (win_.skin_->MenuUpdate() && win_.menuBar_.ReadChangedMenu()) {
            win_.PaintFrame();
        }
        return true;
    case WM_COMMAND:
    case WM_SYSCOMMAND:
        return HandleCommand(message, wParam, lParam, result);
    case WM_UPDATEUISTATE:
        // The access keys were shown or hidden (the user pressed Alt, or used the mouse): our
        // bar follows the window's state, as the platform's bar does.
        result = Previous(message, wParam, lParam);
        if (win_.menuBar_.MenuBar() != nullptr && (HIWORD(wParam) & UISF_HIDEACCEL) != 0 &&
            win_.facts_.PaintsFrame()) {
            win_.PaintFrame();
        }
        return true;
    case WM_SETTEXT:
    case WM_SETICON:
        result = win_.facts_.PaintsFrame() ? PreviousUnseen(message, wParam, lParam)
                                           : Previous(message, wParam, lParam);
        if (message == WM_SETICON) {
            win_.painter_.ReadWindowIcon();
        }
        win_.PaintFrame();
        return true;
    case SkinAttached:
        SkinAttachedArrived();
        result = 0;
        return true;
    case SkinReapply:
        win_.ReapplySkin();
        result = 0;
        return true;
    default:
        return false;
    }
}

// Windows' default procedure paints the platform's caption inside WM_SETTEXT and WM_SETICON for
// a window that keeps WS_CAPTION (owned windows do), and it paints nothing for a window without
// WS_VISIBLE. The bit alone is cleared (not ShowWindow: nothing is hidden or repainted) while the
// default procedure stores the text or icon, and put back at once. Wine paints nothing there.
LRESULT TFormMessages::PreviousUnseen(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(win_.window_, GWL_STYLE));
    if ((style & WS_VISIBLE) == 0) {
        return Previous(message, wParam, lParam);
    }
    SetWindowLongPtrA(win_.window_, GWL_STYLE,
                      static_cast<LONG_PTR>(style & ~static_cast<DWORD>(WS_VISIBLE)));
    const LRESULT result = Previous(message, wParam, lParam);
    // The previous procedure may have changed other bits meanwhile: only WS_VISIBLE comes back.
    const auto after = static_cast<DWORD>(GetWindowLongPtrA(win_.window_, GWL_STYLE));
    SetWindowLongPtrA(win_.window_, GWL_STYLE, static_cast<LONG_PTR>(after | WS_VISIBLE));
    return result;
}

// The frame's painting and hit testing, once attached and while the window shows.
bool TFormMessages::HandleNonClient(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_NCPAINT: {
        if (win_.facts_.borderKind == bkPopup || win_.facts_.MdiChildNotRestored()) {
            return false;
        }
        HDC dc = nullptr;
        if (wParam > 1) {
            // The system keeps the region handed to GetDCEx: it gets a copy of the update region.
            HRGN copy = CreateRectRgn(0, 0, 0, 0);
            CombineRgn(copy, reinterpret_cast<HRGN>(wParam), nullptr, RGN_COPY);
            dc = GetDCEx(win_.window_, copy, DCX_WINDOW | DCX_INTERSECTRGN | DCX_CACHE);
        }
        if (dc == nullptr) {
            dc = GetWindowDC(win_.window_);
        }
        win_.PaintFrame(dc);
        ReleaseDC(win_.window_, dc);
        result = 0;
        return true;
    }
    case WM_NCACTIVATE:
        win_.facts_.active = wParam != 0;
        win_.buttons_.StartHover(win_.facts_.active);
        win_.PaintFrame();
        result = TRUE; // the platform's caption is never drawn
        return true;
    case WM_NCCALCSIZE:
        result = win_.fit_.CalcSize(wParam, lParam);
        return true;
    case WM_NCHITTEST: {
        const LRESULT previous = Previous(message, wParam, lParam);
        const POINT p = WindowPointOf(win_.window_, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        result = SkinHitTest(static_cast<int>(previous), p.y, win_.facts_.frame.top);
        if ((win_.facts_.style & WS_THICKFRAME) != 0 && win_.facts_.windowState == wsRestored &&
            result != HTCLIENT) {
            RECT outer{};
            GetWindowRect(win_.window_, &outer);
            if (const int sizing = SizingHitTest(p.x, p.y, outer.right - outer.left, outer.bottom - outer.top,
                                                 win_.facts_.frame);
                sizing != HtNowhere) {
                result = sizing;
            }
        }
        return true;
    }
    case PlatformThemedCaptionPaint:
    case PlatformThemedFramePaint:
        // The platform's themed caption would go over ours: never handed on.
        result = 0;
        return true;
    case SkinRepaintFrame:
        win_.PaintFrame();
        result = 0;
        return true;
    case SkinOpenMenuItem:
        OpenBarItem(win_.menuBar_, static_cast<int>(wParam), lParam != 0);
        result = 0;
        return true;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
        return HandleMouse(message, wParam, lParam, result);
    default:
        return false;
    }
}

} // namespace quellar
