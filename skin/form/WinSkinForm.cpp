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

namespace {
constexpr DWORD kCaptionStyles = WS_CAPTION;
constexpr DWORD kBoxStyles = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
} // namespace

TWinSkinForm::TWinSkinForm(HWND window, TSkinData& skin, TCustomForm* form)
    : window_(window), skin_(&skin), form_(form) {}

TWinSkinForm::~TWinSkinForm() {
    EndBarTracking(*this);
    controls_.DropAll();
    if (lifeState_ != lsDestroyed && attached_) {
        DetachAtExit();
    }
    if (form_ != nullptr && form_->FrameWatcher() == this) {
        form_->SetFrameWatcher(nullptr);
    }
    buttons_.Drop();
    // The system menu, if it shows now, is its modal loop's to destroy when the loop returns.
}

void TWinSkinForm::Attach() {
    if (attached_) {
        return;
    }
    painter_.MakeCaptionFont();
    style_ = static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_STYLE));
    exStyle_ = static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_EXSTYLE));
    rightToLeft_ = (exStyle_ & WS_EX_LEFTSCROLLBAR) != 0;
    className_ = HwndClassName(window_);
    owner_ = GetWindow(window_, GW_OWNER);
    RECT client{}, outer{};
    GetClientRect(window_, &client);
    GetWindowRect(window_, &outer);
    clientWidth_ = client.right;
    clientHeight_ = client.bottom;
    initialExtraWidth_ = (outer.right - outer.left) - client.right;
    initialExtraHeight_ = (outer.bottom - outer.top) - client.bottom;
    captionFlags_ = CaptionFlagsOf(style_, GetSystemMenu(window_, FALSE) != nullptr);
    borderKind_ = BorderKindOf(style_, exStyle_);
    HWND mdiClient = FindWindowExA(window_, nullptr, "MDIClient", nullptr);
    mdiKind_ = (exStyle_ & WS_EX_MDICHILD) != 0 ? mkChild : mdiClient != nullptr ? mkFrame : mkPlain;
    RefreshWindowState();
    painter_.ReadWindowIcon();
    if (form_ != nullptr) {
        formColour_ = form_->Color();
        form_->SetColor(static_cast<TColor>(skin_->Model().Colours().ButtonFace));
        form_->SetFrameWatcher(this);
    }
    if (mdiKind_ == mkFrame) {
        mdiLink_.Attach(mdiClient);
    }
    if ((skin_->SkinControls() & SkinControlBit(xcMainMenu)) != 0) {
        const TWinSkinManage* manager = WindowsSkinManager();
        const bool mdiMax = mdiKind_ == mkChild && manager != nullptr && manager->MdiMaximized();
        if (GetMenu(window_) != nullptr && mdiKind_ != mkChild) {
            // Our bar replaces the window's: it takes the items and removes the menu.
            menuBar_.TakeWindowMenu();
        }
        if (borderKind_ != bkPopup) {
            // Without this the window manager of Windows Vista on may draw its own frame and
            // caption around ours (a region happens to prevent it; a skin without transparent
            // borders cuts none).
            DwmFrameOurs(window_, true);
            dwmFrameOurs_ = true;
        }
        if (windowState_ != wsMinimized && !mdiMax) {
            SetCaptionStyles(false);
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
    frame_ = FrameSizesOf(*skin_, borderKind_);
    if (menuBar_.Bar() != nullptr && borderKind_ != bkPopup) {
        frame_.menu = GetSystemMetrics(SM_CYMENU);
    }
    const TSkinRect work = WorkAreaOf(window_);
    frame_ = FrameWithin(frame_, static_cast<int>(work.Width()), static_cast<int>(work.Height()));
    buttons_.Build(*skin_);
}

void TWinSkinForm::DropCaptionButtons() {
    buttons_.Drop();
}

void TWinSkinForm::SetCaptionStyles(bool show) {
    if (!show && mdiKind_ == mkChild) {
        if (const TWinSkinManage* manager = WindowsSkinManager();
            manager != nullptr && manager->MdiMaximized()) {
            return;
        }
    }
    const auto before = static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_STYLE));
    DWORD style = before;
    if (show) {
        style |= ((captionFlags_ & cfSystemMenu) != 0 ? WS_SYSMENU : 0) |
                 ((captionFlags_ & cfMinimizeBox) != 0 ? WS_MINIMIZEBOX : 0) |
                 ((captionFlags_ & cfMaximizeBox) != 0 ? WS_MAXIMIZEBOX : 0) |
                 ((captionFlags_ & cfCaptionRemoved) != 0 ? removedCaptionBits_ : 0);
        captionFlags_ &= ~cfCaptionRemoved;
        removedCaptionBits_ = 0;
    } else if (owner_ != nullptr) {
        style &= ~kBoxStyles; // an owned window keeps its caption bar style
    } else if ((style & kCaptionStyles) != 0) {
        // WS_CAPTION is two bits (WS_BORDER | WS_DLGFRAME); a window may have either alone, and
        // gets back exactly what it had.
        removedCaptionBits_ |= style & kCaptionStyles;
        captionFlags_ |= cfCaptionRemoved;
        style &= ~kCaptionStyles;
    }
    if (style != before) {
        SetWindowLongPtrA(window_, GWL_STYLE, static_cast<LONG_PTR>(style));
    }
}

void TWinSkinForm::RefreshWindowState() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(window_, &placement)) {
        return;
    }
    switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        windowState_ = wsMinimized;
        break;
    case SW_SHOWMAXIMIZED:
        windowState_ = wsMaximized;
        break;
    default:
        windowState_ = wsRestored;
        break;
    }
}

void TWinSkinForm::FitFrame(bool reapplying) {
    if (windowState_ == wsMaximized) {
        SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    if (reapplying) {
        RECT client{};
        GetClientRect(window_, &client);
        clientWidth_ = client.right;
        clientHeight_ = client.bottom;
    }
    const TWindowSize asked = WindowSizeFor(clientWidth_, clientHeight_, frame_);
    std::int64_t width = asked.width;
    const TSkinRect work = WorkAreaOf(window_);
    const bool dialog = className_ == "TMessageForm" || className_ == "#32770";
    if (!reapplying && dialog) {
        // A message box whose caption is longer than the box gets wider, its contents centred.
        HDC dc = GetDC(window_);
        SIZE space{};
        {
            DcSelect font(dc, painter_.CaptionFont());
            GetTextExtentPoint32A(dc, " ", 1, &space);
        }
        ReleaseDC(window_, dc);
        const TDataSkinTitle& t = *skin_->Model().Title();
        // 64-bit: the sum of the skin's numbers may pass the int range.
        const std::int64_t needed =
            (std::int64_t{static_cast<int>(WindowCaption(window_).size())} + 7) * space.cx +
            std::int64_t{frame_.left} + frame_.right + t.LeftWidth + t.RightWidth + t.TXTBackleft +
            t.TXTBackRight;
        // A box is widened at most to the screen's width, so it and its buttons stay on it.
        const int fittedWidth = static_cast<int>(std::min<std::int64_t>(asked.width, work.Width()));
        const TWidening widening = WidenWithin(fittedWidth, needed, static_cast<int>(work.Width()));
        if (widening.width > fittedWidth) {
            const int shift = widening.shift;
            for (HWND child = GetTopWindow(window_); child != nullptr;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                RECT r{};
                GetWindowRect(child, &r);
                MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
                SetWindowPos(child, nullptr, r.left + shift, r.top, 0, 0,
                             SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSENDCHANGING |
                                 SWP_NOOWNERZORDER);
            }
            width = widening.width;
        }
    }
    // No window the skin sizes is larger than the work area of its monitor, and one that grew
    // past its edge moves back onto it (Windows leaves a window wherever it is told to be).
    RECT outer{};
    GetWindowRect(window_, &outer);
    const TSkinRect fitted = FitWindowToWorkArea(outer.left, outer.top, width, asked.height, work);
    // An MDI child keeps its place inside its frame; only its size is bounded.
    const bool stays = (style_ & WS_CHILD) != 0 || (fitted.left == outer.left && fitted.top == outer.top);
    SetWindowPos(window_, nullptr, fitted.left, fitted.top, static_cast<int>(fitted.Width()),
                 static_cast<int>(fitted.Height()),
                 SWP_FRAMECHANGED | SWP_NOZORDER | (stays ? SWP_NOMOVE : 0) | SWP_NOACTIVATE);
}

void TWinSkinForm::ReapplySkin() {
    if (form_ != nullptr) {
        form_->SetColor(static_cast<TColor>(skin_->Model().Colours().ButtonFace));
    }
    controls_.SkinChanged();
    lifeState_ = lsReapplying;
    painter_.ReadWindowIcon();
    if ((skin_->SkinControls() & SkinControlBit(xcMainMenu)) != 0) {
        FitFrame(true);
        // Still re-applying: the region is cut anew from the new skin's borders even when the
        // window keeps its size (and so would keep the old skin's region).
        UpdateRegion();
        lifeState_ = lsRunning;
        RedrawWindow(window_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    lifeState_ = lsRunning;
}

void TWinSkinForm::RestoreSize() {
    if (lifeState_ == lsDetachingAtExit || ((style_ & WS_CHILD) != 0 && mdiKind_ != mkChild)) {
        return;
    }
    RECT outer{};
    GetWindowRect(window_, &outer);
    const int width = (outer.right - outer.left) - frame_.left - frame_.right + initialExtraWidth_;
    const int height =
        (outer.bottom - outer.top) - frame_.top - frame_.menu - frame_.bottom + initialExtraHeight_;
    SetWindowPos(window_, nullptr, 0, 0, width, height,
                 SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
}

void TWinSkinForm::GiveFrameBackToDwm() {
    if (dwmFrameOurs_ && lifeState_ != lsDestroyed && IsWindow(window_)) {
        DwmFrameOurs(window_, false);
    }
    dwmFrameOurs_ = false;
}

void TWinSkinForm::ControlDestroying(TControl&) {
    formGoing_ = true;
    DetachAtExit();
    form_ = nullptr;
    controls_.ForgetForm();
    lifeState_ = lsDestroyed; // the window goes next; the manager frees this object
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
    if (menuBar_.Bar() != nullptr) {
        menuBar_.Release(formGoing_, lifeState_ == lsDestroyed || !IsWindow(window_));
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
    if (form_ != nullptr && lifeState_ != lsDetachingAtExit) {
        form_->SetColor(formColour_);
    }
    if (!framed) {
        RedrawWindow(window_, nullptr, nullptr,
                     RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return;
    }
    SetCaptionStyles(true);
    GiveFrameBackToDwm();
    ReleaseMenuBar();
    RestoreSize();
    frame_ = {};
    painter_.DropRegion();
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TWinSkinForm::RebuildRegion() {
    painter_.ForgetRegionSize();
    UpdateRegion();
}

void TWinSkinForm::FollowMdiMaximized(bool maximized) {
    if (lifeState_ == lsDestroyed) {
        return;
    }
    if (mdiKind_ == mkFrame) {
        PostMessageA(window_, SkinRepaintFrame, 0, 0);
        return;
    }
    if (mdiKind_ != mkChild) {
        return;
    }
    if (maximized) {
        painter_.DropRegion();
        SetCaptionStyles(true);
    } else if (windowState_ == wsMinimized) {
        SetCaptionStyles(true);
    } else {
        const bool hadRegion = painter_.HasRegion();
        windowState_ = wsRestored;
        RebuildRegion();
        SetCaptionStyles(false);
        if (!hadRegion) {
            SetWindowPos(window_, nullptr, 0, 0, 0, 0,
                         SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
}

void TWinSkinForm::UpdateRegion() {
    if (windowState_ == wsMinimized || MdiChildNotRestored()) {
        return;
    }
    painter_.UpdateRegion(borderKind_, lifeState_ == lsReapplying || mdiKind_ == mkChild);
}

TCaptionState TWinSkinForm::CaptionState() const {
    const bool childMaximized = mdiKind_ == mkFrame && mdiLink_.ChildMaximized();
    return {borderKind_, captionFlags_, active_, windowState_ == wsMaximized, childMaximized, frame_.menu};
}

bool TWinSkinForm::Composable() const {
    return (lifeState_ == lsRunning || lifeState_ == lsReapplying) && borderKind_ != bkPopup &&
           windowState_ != wsMinimized && !MdiChildNotRestored() && skin_->SkinLoaded();
}

void TWinSkinForm::PaintFrame(HDC dc) {
    const bool barButtons = painter_.Paint(dc, buttons_, menuBar_.Bar());
    if (TWinSkinManage* manager = WindowsSkinManager();
        barButtons && manager != nullptr && !manager->MdiMaximized()) {
        manager->SetMdiMax(true); // the children show the platform's frame now
    }
}

} // namespace quellar
