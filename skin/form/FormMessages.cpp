// The messages of a skinned window: what the frame takes over and what goes on to the window.
// The window object keeps its own bookkeeping (activation, window state, styles, sizes) and hands
// the rest to its parts: painting to the frame painter, the hover timer to the caption buttons,
// menu items and the bar to the menu code; the mouse on the frame and the commands are in
// FrameMouse.cpp.
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

LRESULT TWinSkinForm::Previous(UINT message, WPARAM wParam, LPARAM lParam) {
    return SubclassChain::CallNext(window_, message, wParam, lParam);
}

bool TWinSkinForm::OnMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (HandleAlways(message, wParam, lParam, result)) {
        return true;
    }
    if ((skin_->SkinControls() & SkinControlBit(xcMainMenu)) == 0 ||
        ((facts_.style & WS_CHILD) != 0 && facts_.mdiKind != mkChild)) {
        return false;
    }
    if (HandleFrame(message, wParam, lParam, result)) {
        return true;
    }
    if (facts_.lifeState == lsCreated || facts_.windowState == wsMinimized || facts_.MdiChildNotRestored()) {
        return false;
    }
    return HandleNonClient(message, wParam, lParam, result);
}

// Whatever the skin covers.
bool TWinSkinForm::HandleAlways(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const TSkinDataPlatform* platform = skin_->Platform();
    HBRUSH face = platform != nullptr ? platform->ButtonFaceBrush : nullptr;
    switch (message) {
    case SkinQuery:
        result = 1;
        return true;
    case WM_NCDESTROY:
        facts_.lifeState = lsDestroyed;
        DetachAtExit();
        return false;
    case WM_STYLECHANGED:
        if (wParam == static_cast<WPARAM>(GWL_STYLE)) {
            facts_.style = reinterpret_cast<const STYLESTRUCT*>(lParam)->styleNew;
        }
        return false;
    case WM_TIMER:
        if (wParam != TCaptionButtons::HoverTimerId) {
            return false;
        }
        buttons_.HoverTick();
        result = 0;
        return true;
    case WM_MEASUREITEM:
        if (wParam != 0 || !MeasureMenuItem(*this, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) {
            return false;
        }
        result = TRUE;
        return true;
    case WM_DRAWITEM:
        if (wParam != 0 || !DrawMenuItem(*this, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
            return false;
        }
        result = TRUE;
        return true;
    case WM_MENUCHAR:
        // Our drop-downs, popup menus and system menu are owner-drawn: the platform finds their
        // mnemonics only through this answer.
        return AnswerMenuChar(wParam, lParam, result);
    case WM_ERASEBKGND:
        if (form_ != nullptr || face == nullptr) {
            return false;
        }
        Previous(message, wParam, lParam);
        if (RECT client{}; GetClientRect(window_, &client)) {
            FillRect(reinterpret_cast<HDC>(wParam), &client, face);
        }
        result = 1;
        return true;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
        if (form_ != nullptr || face == nullptr) {
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

void TWinSkinForm::Sized(WPARAM wParam) {
    // SIZE_MAXSHOW and SIZE_MAXHIDE tell of another window being maximised or restored: this
    // window's own state stays what it was.
    if (wParam == SIZE_MINIMIZED) {
        facts_.windowState = wsMinimized;
    } else if (wParam == SIZE_MAXIMIZED) {
        facts_.windowState = wsMaximized;
    } else if (wParam == SIZE_RESTORED) {
        facts_.windowState = wsRestored;
    }
    if (facts_.mdiKind == mkChild && wParam == SIZE_MAXIMIZED && !MdiMaximized()) {
        // The frame's bar shows a maximised child's buttons: the frame paints them (the platform
        // repaints no frame when an MDI child is maximised).
        if (HWND frame = GetParent(GetParent(window_)); frame != nullptr) {
            PostMessageA(frame, SkinRepaintFrame, 0, 0);
        }
    }
    const bool mdiAside = facts_.mdiKind == mkChild && (MdiMaximized() || facts_.windowState != wsRestored);
    if (facts_.windowState != wsMinimized && !mdiAside && (facts_.lifeState == lsRunning || facts_.lifeState == lsReapplying)) {
        UpdateRegion();
    }
}

void TWinSkinForm::SkinAttachedArrived() {
    if (facts_.lifeState == lsCreated && facts_.mdiKind == mkChild && MdiMaximized()) {
        fit_.SetCaptionStyles(true);
        SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else if (facts_.lifeState == lsCreated && facts_.windowState != wsMinimized && facts_.borderKind != bkPopup) {
        facts_.lifeState = lsFitting;
        fit_.FitFrame(false);
        facts_.lifeState = lsRunning;
        UpdateRegion();
    }
    facts_.lifeState = lsRunning;
    buttons_.StartHover(facts_.active);
    controls_.SkinNewControls(); // a dialog's controls may have come after the window
    RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

// The frame's own bookkeeping, whatever the window's state.
bool TWinSkinForm::HandleFrame(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_SIZE:
        // The window's own procedure sees the resize once.
        result = Previous(message, wParam, lParam);
        Sized(wParam);
        return true;
    case WM_ACTIVATE:
        facts_.active = LOWORD(wParam) != WA_INACTIVE;
        return false;
    case WM_NCACTIVATE: // painted below unless minimised
        facts_.active = wParam != 0;
        return false;
    case WM_GETMINMAXINFO: {
        result = Previous(message, wParam, lParam);
        fit_.RefreshWindowState();
        if (facts_.windowState == wsMinimized) {
            fit_.SetCaptionStyles(true);
        } else if (facts_.mdiKind != mkChild) {
            fit_.SetCaptionStyles(false);
        } else if (facts_.windowState == wsRestored) {
            if (TWinSkinManage* manager = WindowsSkinManager();
                manager != nullptr && manager->MdiMaximized()) {
                manager->SetMdiMax(false);
            }
            fit_.SetCaptionStyles(false);
        } else {
            fit_.SetCaptionStyles(true);
        }
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        info->ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXIMIZED), GetSystemMetrics(SM_CYMAXIMIZED)};
        return true;
    }
    case WM_WINDOWPOSCHANGED:
        fit_.RefreshWindowState();
        return false;
    case WM_MENUSELECT:
        NoteMenuSelect(*this, wParam, lParam);
        return false;
    case CM_MENUCHANGED:
        result = Previous(message, wParam, lParam);
        if (skin_->MenuUpdate() && menuBar_.ReadChangedMenu()) {
            PaintFrame();
        }
        return true;
    case WM_COMMAND:
    case WM_SYSCOMMAND:
        return HandleCommand(message, wParam, lParam, result);
    case WM_UPDATEUISTATE:
        // The access keys were shown or hidden (the user pressed Alt, or used the mouse): our
        // bar follows the window's state, as the platform's bar does.
        result = Previous(message, wParam, lParam);
        if (menuBar_.Bar() != nullptr && (HIWORD(wParam) & UISF_HIDEACCEL) != 0 && facts_.PaintsFrame()) {
            PaintFrame();
        }
        return true;
    case WM_SETTEXT:
    case WM_SETICON:
        result = facts_.PaintsFrame() ? PreviousUnseen(message, wParam, lParam) : Previous(message, wParam, lParam);
        if (message == WM_SETICON) {
            painter_.ReadWindowIcon();
        }
        PaintFrame();
        return true;
    case SkinAttached:
        SkinAttachedArrived();
        result = 0;
        return true;
    case SkinReapply:
        ReapplySkin();
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
LRESULT TWinSkinForm::PreviousUnseen(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_STYLE));
    if ((style & WS_VISIBLE) == 0) {
        return Previous(message, wParam, lParam);
    }
    SetWindowLongPtrA(window_, GWL_STYLE, static_cast<LONG_PTR>(style & ~static_cast<DWORD>(WS_VISIBLE)));
    const LRESULT result = Previous(message, wParam, lParam);
    // The previous procedure may have changed other bits meanwhile: only WS_VISIBLE comes back.
    const auto after = static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_STYLE));
    SetWindowLongPtrA(window_, GWL_STYLE, static_cast<LONG_PTR>(after | WS_VISIBLE));
    return result;
}

// The frame's painting and hit testing, once attached and while the window shows.
bool TWinSkinForm::HandleNonClient(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
    case WM_NCPAINT: {
        if (facts_.borderKind == bkPopup || facts_.MdiChildNotRestored()) {
            return false;
        }
        HDC dc = nullptr;
        if (wParam > 1) {
            // The system keeps the region handed to GetDCEx: it gets a copy of the update region.
            HRGN copy = CreateRectRgn(0, 0, 0, 0);
            CombineRgn(copy, reinterpret_cast<HRGN>(wParam), nullptr, RGN_COPY);
            dc = GetDCEx(window_, copy, DCX_WINDOW | DCX_INTERSECTRGN | DCX_CACHE);
        }
        if (dc == nullptr) {
            dc = GetWindowDC(window_);
        }
        PaintFrame(dc);
        ReleaseDC(window_, dc);
        result = 0;
        return true;
    }
    case WM_NCACTIVATE:
        facts_.active = wParam != 0;
        buttons_.StartHover(facts_.active);
        PaintFrame();
        result = TRUE; // the platform's caption is never drawn
        return true;
    case WM_NCCALCSIZE:
        result = fit_.CalcSize(wParam, lParam);
        return true;
    case WM_NCHITTEST: {
        const LRESULT previous = Previous(message, wParam, lParam);
        const POINT p = WindowPoint({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        result = SkinHitTest(static_cast<int>(previous), p.y, facts_.frame.top);
        if ((facts_.style & WS_THICKFRAME) != 0 && facts_.windowState == wsRestored && result != HTCLIENT) {
            RECT outer{};
            GetWindowRect(window_, &outer);
            if (const int sizing =
                    SizingHitTest(p.x, p.y, outer.right - outer.left, outer.bottom - outer.top, facts_.frame);
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
        PaintFrame();
        result = 0;
        return true;
    case SkinOpenMenuItem:
        OpenBarItem(*this, static_cast<int>(wParam), lParam != 0);
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
