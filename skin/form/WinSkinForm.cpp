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
    HookFormLevel(false);
    controls_.DropAll();
    if (lifeState_ != lsDestroyed && attached_) {
        DetachAtExit();
    }
    if (form_ != nullptr && form_->FrameWatcher() == this) {
        form_->SetFrameWatcher(nullptr);
    }
    buttons_.clear();
    // The system menu, if it shows now, is its modal loop's to destroy when the loop returns.
}

std::string TWinSkinForm::Caption() const {
    char text[1001] = {};
    GetWindowTextA(window_, text, sizeof(text));
    return text;
}

void TWinSkinForm::Attach() {
    if (attached_) {
        return;
    }
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        captionFont_.Reset(CreateFontIndirectA(&metrics.lfCaptionFont));
    }
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
    ReadWindowIcon();
    if (form_ != nullptr) {
        formColour_ = form_->Color();
        form_->SetColor(static_cast<TColor>(skin_->Model().Colours().ButtonFace));
        form_->SetFrameWatcher(this);
    }
    if (mdiKind_ == mkFrame) {
        mdiClient_ = mdiClient;
        savedMenuUpdate_ = skin_->MenuUpdate();
        SubclassChain::Attach(mdiClient_, &mdiLink_);
        if (TWinSkinManage* manager = WindowsSkinManager(); manager != nullptr) {
            manager->mdiClient = mdiClient_;
        }
    }
    if ((skin_->SkinControls() & SkinControlBit(xcMainMenu)) != 0) {
        const TWinSkinManage* manager = WindowsSkinManager();
        const bool mdiMax = mdiKind_ == mkChild && manager != nullptr && manager->MdiMaximized();
        if (GetMenu(window_) != nullptr && mdiKind_ != mkChild) {
            // Our bar replaces the window's: it takes the items and removes the menu.
            menuBar_ = std::make_unique<TWinSkinMenu>(*skin_, *this, window_);
            menuBar_->LoadFromWindowMenu();
            HookFormLevel(true);
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

TBitmap32 TWinSkinForm::BorrowedIcon() const {
    if (!skin_->AppIconImage().Empty()) {
        return skin_->AppIconImage();
    }
    if (const TSkinManage* manager = SkinManage(); manager != nullptr) {
        const auto& list = manager->SkinDataList();
        for (auto it = list.rbegin(); it != list.rend(); ++it) {
            if ((*it)->SkinFormtype() == sfMainform && !(*it)->AppIconImage().Empty()) {
                return (*it)->AppIconImage();
            }
        }
    }
    return {};
}

void TWinSkinForm::BuildLayout() {
    if (!skin_->SkinLoaded()) {
        return;
    }
    if (skin_->AppIconImage().Empty() && !icon_.Empty()) {
        skin_->SetAppIconImage(icon_); // windows without an icon show the program's
    }
    frame_ = FrameSizesOf(*skin_, borderKind_);
    if (menuBar_ != nullptr && borderKind_ != bkPopup) {
        frame_.menu = GetSystemMetrics(SM_CYMENU);
    }
    const TSkinRect work = WorkAreaOf(window_);
    frame_ = FrameWithin(frame_, static_cast<int>(work.Width()), static_cast<int>(work.Height()));
    DropCaptionButtons();
    for (const auto& definition : skin_->Model().SysButtons()) {
        buttons_.push_back(std::make_unique<TWinSysButton>(*this, *definition));
    }
}

void TWinSkinForm::DropCaptionButtons() {
    hotItem = nullptr;
    buttons_.clear();
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
            DcSelect font(dc, CaptionFont());
            GetTextExtentPoint32A(dc, " ", 1, &space);
        }
        ReleaseDC(window_, dc);
        const TDataSkinTitle& t = *skin_->Model().Title();
        // 64-bit: the sum of the skin's numbers may pass the int range.
        const std::int64_t needed = (std::int64_t{static_cast<int>(Caption().size())} + 7) * space.cx +
                                    std::int64_t{frame_.left} + frame_.right + t.LeftWidth + t.RightWidth +
                                    t.TXTBackleft + t.TXTBackRight;
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
    ReadWindowIcon();
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
    if (mdiClient_ != nullptr) {
        SubclassChain::Detach(mdiClient_, &mdiLink_);
        mdiClient_ = nullptr;
    }
}

// The bar's tracking ended and its menu handed on. A window that is going takes its menu along,
// unless a main menu of ours owns it (it frees its menu itself); one that stays gets it back.
void TWinSkinForm::ReleaseMenuBar() {
    if (menuBar_ == nullptr) {
        return;
    }
    EndBarTracking(*this);
    HookFormLevel(false);
    const bool ownedByMainMenu = form_ != nullptr && form_->Menu() != nullptr &&
                                 form_->Menu()->HandleAllocated() &&
                                 form_->Menu()->Handle() == menuBar_->Menu();
    if (ownedByMainMenu && formGoing_) {
        menuBar_->ForgetMenu(); // the window goes with the form, the menu with its main menu
    } else if (!ownedByMainMenu && (lifeState_ == lsDestroyed || !IsWindow(window_))) {
        menuBar_->DropMenu();
    } else {
        menuBar_->GiveMenuBack();
    }
    menuBar_.reset();
}

void TWinSkinForm::DetachAtExit() {
    StartHover(false);
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
    StartHover(false);
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
    if (hasRegion_) {
        SetWindowRgn(window_, nullptr, TRUE);
        hasRegion_ = false;
    }
    RedrawWindow(window_, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TWinSkinForm::ReadWindowIcon() {
    const int cx = GetSystemMetrics(SM_CXSMICON);
    const int cy = GetSystemMetrics(SM_CYSMICON);
    auto icon = reinterpret_cast<HICON>(SendMessageA(window_, WM_GETICON, ICON_SMALL, 0));
    if (icon == nullptr) {
        icon = reinterpret_cast<HICON>(SendMessageA(window_, WM_GETICON, ICON_BIG, 0));
    }
    if (icon == nullptr) { // our own forms carry the program's icon on their class
        icon = reinterpret_cast<HICON>(GetClassLongPtrA(window_, GCLP_HICONSM));
    }
    if (icon == nullptr) {
        icon = reinterpret_cast<HICON>(GetClassLongPtrA(window_, GCLP_HICON));
    }
    icon_ = TBitmap32();
    if (icon == nullptr) {
        icon_ = BorrowedIcon();
        return;
    }
    const TDibSection dib = CreateTopDownDib(cx, cy);
    if (dib.bits == nullptr) {
        return;
    }
    MemoryDc dc;
    TBitmap32 pixels(cx, cy, 0xFF00FF);
    std::copy(pixels.Pixels().begin(), pixels.Pixels().end(), dib.bits);
    {
        DcSelect selected(dc.Get(), dib.Handle());
        // A copy at small-icon size draws crisper than the big icon squeezed; it is ours to destroy.
        auto small = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, 0));
        DrawIconEx(dc.Get(), 0, 0, small != nullptr ? small : icon, cx, cy, 0, nullptr, DI_NORMAL);
        if (small != nullptr) {
            DestroyIcon(small);
        }
        GdiFlush();
    }
    const std::uint32_t* p = dib.bits;
    for (int y = 0; y < cy; ++y) {
        std::copy(p + static_cast<std::ptrdiff_t>(y) * cx, p + static_cast<std::ptrdiff_t>(y + 1) * cx,
                  pixels.Row(y));
    }
    for (int y = 0; y < cy; ++y) {
        std::uint32_t* row = pixels.Row(y);
        std::transform(row, row + cx, row, [](std::uint32_t c) { return c & 0xFFFFFF; });
    }
    icon_ = pixels;
}

void TWinSkinForm::DropRegion() {
    if (hasRegion_) {
        SetWindowRgn(window_, nullptr, TRUE);
        hasRegion_ = false;
    }
    regionWidth_ = regionHeight_ = -1;
}

void TWinSkinForm::RebuildRegion() {
    regionWidth_ = regionHeight_ = -1;
    UpdateRegion();
}

void TWinSkinForm::HookFormLevel(bool on) {
    if (form_ == nullptr || on == formLevelHooked_) {
        return;
    }
    if (on) {
        savedFormProc_ = form_->WindowProc;
        form_->WindowProc = [this](TMessage& m) { FormLevel(m); };
    } else {
        form_->WindowProc = std::move(savedFormProc_);
        savedFormProc_ = nullptr;
    }
    formLevelHooked_ = on;
}

void TWinSkinForm::FormLevel(TMessage& m) {
    const bool altOnly =
        GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
    if (m.Msg == CM_DIALOGCHAR && altOnly && dropDownMenu == nullptr && menuBar_ != nullptr) {
        if (const TMenuBtn* item = menuBar_->AcceleratorItem(static_cast<char>(m.WParam)); item != nullptr) {
            PostMessageA(window_, SkinOpenMenuItem, static_cast<WPARAM>(item->index), 1);
            m.Result = 1;
            return;
        }
    }
    savedFormProc_(m);
}

POINT TWinSkinForm::WindowPoint(POINT screen) const {
    RECT outer{};
    GetWindowRect(window_, &outer);
    return {screen.x - outer.left, screen.y - outer.top};
}

TWinSysButton* TWinSkinForm::ButtonAt(POINT p) const {
    for (const auto& button : buttons_) {
        const TSkinRect& r = button->rect;
        if (button->visible && button->def->Action >= 0 && p.x >= r.left && p.x < r.right && p.y >= r.top &&
            p.y < r.bottom) {
            return button.get();
        }
    }
    return nullptr;
}

} // namespace quellar
