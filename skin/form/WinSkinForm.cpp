// The life of a skinned window: attaching (styles, frame sizes, parts), fitting the window to
// the frame, re-applying a changed skin and the two ways of letting go, and the answers to what
// its parts ask of it.
#include "skin/form/WinSkinForm.h"

#include "skin/controls/SkinControl.h"
#include "skin/form/DwmFrame.h"
#include "skin/form/FrameBounds.h"
#include "skin/form/SkinMessages.h"
#include "skin/manager/WinSkinManage.h"
#include "skin/menu/MenuBar.h"
#include "skin/menu/MenuItemPaint.h"
#include "skin/menu/MenuTracking.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/Bounds.h"
#include "skin/painter/WorkArea.h"
#include "ui/Forms.h"
#include "ui/Menus.h"
#include "ui/Messages.h"
#include "ui/WinUtil.h"

#include <algorithm>

namespace quellar {

TWinSkinForm::TWinSkinForm(HWND window, TSkinData& skin, TCustomForm* form)
    : window_(window), skin_(&skin), form_(form) {}

TWinSkinForm::~TWinSkinForm() {
    EndBarTracking(menuBar_);
    controls_.DropAll();
    if (facts_.lifeState != lsDestroyed && attached_) {
        DetachAtExit();
    }
    if (form_ != nullptr && form_->FrameWatcher() == this) {
        form_->SetFrameWatcher(nullptr);
    }
    buttons_.Drop();
    // The system menu, if it shows now, is its modal loop's to destroy when the loop returns.
}

bool TWinSkinForm::OnMessage(HWND, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    return messages_.Dispatch(message, wParam, lParam, result);
}

void TWinSkinForm::Attach() {
    if (attached_) {
        return;
    }
    painter_.MakeCaptionFont();
    HWND mdiClient = fit_.ReadWindow();
    painter_.ReadWindowIcon();
    if (form_ != nullptr) {
        formColour_ = form_->Color();
        form_->SetColor(static_cast<TColor>(skin_->Model().Colours.ButtonFace));
        form_->SetFrameWatcher(this);
    }
    if (facts_.mdiKind == mkFrame) {
        mdiLink_.Attach(mdiClient);
    }
    if ((skin_->SkinControls() & SkinControlBit(xcMainMenu)) != 0) {
        const TWinSkinManage* manager = WindowsSkinManager();
        const bool mdiMax = facts_.mdiKind == mkChild && manager != nullptr && manager->MdiMaximized();
        if (GetMenu(window_) != nullptr && facts_.mdiKind != mkChild) {
            // Our bar replaces the window's: it takes the items and removes the menu.
            menuBar_.TakeWindowMenu();
        }
        if (facts_.borderKind != bkPopup) {
            // Without this the window manager of Windows Vista on may draw its own frame and
            // caption around ours (a region happens to prevent it; a skin without transparent
            // borders cuts none).
            DwmFrameOurs(window_, true);
            dwmFrameOurs_ = true;
        }
        if (facts_.windowState != wsMinimized && !mdiMax) {
            fit_.SetCaptionStyles(false);
        }
        BuildLayout();
    }
    attached_ = SubclassChain::Attach(window_, this);
    controls_.SkinNewControls();
    if (form_ != nullptr && (skin_->SkinControls() & SkinControlBit(xcMainMenu)) != 0) {
        ConvertPopupMenus(*form_, *skin_, true);
    }
    InvalidateRect(window_, nullptr, TRUE);
}

void TWinSkinForm::BuildLayout() {
    if (!skin_->SkinLoaded()) {
        return;
    }
    if (skin_->AppIconImage().Empty() && !painter_.Icon().Empty()) {
        skin_->SetAppIconImage(painter_.Icon()); // windows without an icon show the program's
    }
    facts_.frame = FrameSizesOf(*skin_, facts_.borderKind);
    if (menuBar_.MenuBar() != nullptr && facts_.borderKind != bkPopup) {
        facts_.frame.menu = GetSystemMetrics(SM_CYMENU);
    }
    const TSkinRect work = WorkAreaOf(window_);
    facts_.frame = FrameWithin(facts_.frame, static_cast<int>(work.Width()), static_cast<int>(work.Height()));
    buttons_.Build(*skin_);
}

void TWinSkinForm::ReapplySkin() {
    if (form_ != nullptr) {
        form_->SetColor(static_cast<TColor>(skin_->Model().Colours.ButtonFace));
    }
    controls_.SkinChanged();
    facts_.lifeState = lsReapplying;
    painter_.ReadWindowIcon();
    if ((skin_->SkinControls() & SkinControlBit(xcMainMenu)) != 0) {
        fit_.FitFrame(true);
        // Still re-applying: the region is cut anew from the new skin's borders even when the
        // window keeps its size (and so would keep the old skin's region).
        UpdateRegion();
        facts_.lifeState = lsRunning;
        RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    facts_.lifeState = lsRunning;
}

void TWinSkinForm::GiveFrameBackToDwm() {
    if (dwmFrameOurs_ && facts_.lifeState != lsDestroyed && IsWindow(window_)) {
        DwmFrameOurs(window_, false);
    }
    dwmFrameOurs_ = false;
}

void TWinSkinForm::ControlDestroying(TControl&) {
    formGoing_ = true;
    DetachAtExit();
    form_ = nullptr;
    controls_.ForgetForm();
    menuBar_.ForgetForm();
    facts_.lifeState = lsDestroyed; // the window goes next; the manager frees this object
}

// What every way of letting go of the window does first: the control skins dropped, the form no
// longer watched, its popup menus and the MDI client given back.
void TWinSkinForm::ReleaseParts() {
    controls_.DropAll();
    if (form_ != nullptr) {
        if (form_->FrameWatcher() == this) {
            form_->SetFrameWatcher(nullptr);
        }
        ConvertPopupMenus(*form_, *skin_, false);
    }
    mdiLink_.Detach();
}

void TWinSkinForm::ReleaseMenuBar() {
    if (menuBar_.MenuBar() != nullptr) {
        menuBar_.Release(formGoing_, facts_.lifeState == lsDestroyed || !IsWindow(window_));
    }
}

void TWinSkinForm::DetachAtExit() {
    buttons_.StartHover(false);
    ReleaseParts();
    if (attached_) {
        SubclassChain::Detach(window_, this);
        attached_ = false;
    }
    GiveFrameBackToDwm();
    ReleaseMenuBar();
}

void TWinSkinForm::DetachAndRestore() {
    const bool framed = (skin_->SkinControls() & SkinControlBit(xcMainMenu)) != 0;
    buttons_.StartHover(false);
    if (!attached_) {
        return;
    }
    SubclassChain::Detach(window_, this);
    attached_ = false;
    ReleaseParts();
    if (form_ != nullptr && facts_.lifeState != lsDetachingAtExit) {
        form_->SetColor(formColour_);
    }
    if (!framed) {
        RedrawWindow(window_, nullptr, nullptr,
                     RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return;
    }
    fit_.SetCaptionStyles(true);
    GiveFrameBackToDwm();
    ReleaseMenuBar();
    fit_.RestoreSize();
    facts_.frame = {};
    painter_.DropRegion();
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TWinSkinForm::RebuildRegion() {
    painter_.ForgetRegionSize();
    UpdateRegion();
}

void TWinSkinForm::FollowMdiMaximized(bool maximized) {
    if (facts_.lifeState == lsDestroyed) {
        return;
    }
    if (facts_.mdiKind == mkFrame) {
        PostMessageA(window_, SkinRepaintFrame, 0, 0);
        return;
    }
    if (facts_.mdiKind != mkChild) {
        return;
    }
    if (maximized) {
        painter_.DropRegion();
        fit_.SetCaptionStyles(true);
    } else if (facts_.windowState == wsMinimized) {
        fit_.SetCaptionStyles(true);
    } else {
        const bool hadRegion = painter_.HasRegion();
        facts_.windowState = wsRestored;
        RebuildRegion();
        fit_.SetCaptionStyles(false);
        if (!hadRegion) {
            SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                         SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

void TWinSkinForm::UpdateRegion() {
    if (facts_.windowState == wsMinimized || facts_.MdiChildNotRestored()) {
        return;
    }
    painter_.UpdateRegion(facts_.borderKind, facts_.lifeState == lsReapplying || facts_.mdiKind == mkChild);
}

void TWinSkinForm::PaintFrame(HDC dc) {
    const bool barButtons = painter_.Paint(dc, buttons_, menuBar_.MenuBar());
    if (TWinSkinManage* manager = WindowsSkinManager();
        barButtons && manager != nullptr && !manager->MdiMaximized()) {
        manager->SetMdiMax(true); // the children show the platform's frame now
    }
}

} // namespace quellar
