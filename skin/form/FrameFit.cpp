// The fit of a skinned window to the skin's frame: its facts read once, the caption styles taken
// away and given back, its size with the skin's borders and without, and the answers its parts
// ask about it.
#include "skin/form/FrameFit.h"

#include "skin/form/FrameBounds.h"
#include "skin/form/MenuBarOwner.h"
#include "skin/manager/WinSkinManage.h"
#include "skin/model/WinSkinData.h"
#include "skin/painter/Bounds.h"
#include "skin/painter/WorkArea.h"
#include "ui/SubclassChain.h"
#include "ui/WinUtil.h"

#include <algorithm>

namespace quellar {

namespace {
constexpr DWORD kCaptionStyles = WS_CAPTION;
constexpr DWORD kBoxStyles = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
} // namespace

TFrameFit::TFrameFit(HWND window, TSkinData& skin, TFramePainter& painter, TMenuBarOwner& menuBar,
                     const TMdiLink& mdi)
    : skin_(skin), painter_(painter), menuBar_(menuBar), mdi_(mdi) {
    facts_.window = window;
}

HWND TFrameFit::ReadWindow() {
    HWND window = facts_.window;
    facts_.style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
    facts_.exStyle = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
    facts_.rightToLeft = (facts_.exStyle & WS_EX_LEFTSCROLLBAR) != 0;
    facts_.className = HwndClassName(window);
    facts_.owner = GetWindow(window, GW_OWNER);
    RECT client{}, outer{};
    GetClientRect(window, &client);
    GetWindowRect(window, &outer);
    facts_.clientWidth = client.right;
    facts_.clientHeight = client.bottom;
    facts_.initialExtraWidth = (outer.right - outer.left) - client.right;
    facts_.initialExtraHeight = (outer.bottom - outer.top) - client.bottom;
    facts_.captionFlags = CaptionFlagsOf(facts_.style, GetSystemMenu(window, FALSE) != nullptr);
    facts_.borderKind = BorderKindOf(facts_.style, facts_.exStyle);
    HWND mdiClient = FindWindowExA(window, nullptr, "MDIClient", nullptr);
    facts_.mdiKind = (facts_.exStyle & WS_EX_MDICHILD) != 0 ? mkChild
                     : mdiClient != nullptr                 ? mkFrame
                                                            : mkPlain;
    RefreshWindowState();
    return mdiClient;
}

void TFrameFit::SetCaptionStyles(bool show) {
    if (!show && facts_.mdiKind == mkChild) {
        if (const TWinSkinManage* manager = WindowsSkinManager();
            manager != nullptr && manager->MdiMaximized()) {
            return;
        }
    }
    const auto before = static_cast<DWORD>(GetWindowLongPtrA(facts_.window, GWL_STYLE));
    DWORD style = before;
    if (show) {
        style |= ((facts_.captionFlags & cfSystemMenu) != 0 ? WS_SYSMENU : 0) |
                 ((facts_.captionFlags & cfMinimizeBox) != 0 ? WS_MINIMIZEBOX : 0) |
                 ((facts_.captionFlags & cfMaximizeBox) != 0 ? WS_MAXIMIZEBOX : 0) |
                 ((facts_.captionFlags & cfCaptionRemoved) != 0 ? facts_.removedCaptionBits : 0);
        facts_.captionFlags &= ~cfCaptionRemoved;
        facts_.removedCaptionBits = 0;
    } else if (facts_.owner != nullptr) {
        style &= ~kBoxStyles; // an owned window keeps its caption bar style
    } else if ((style & kCaptionStyles) != 0) {
        // WS_CAPTION is two bits (WS_BORDER | WS_DLGFRAME); a window may have either alone, and
        // gets back exactly what it had.
        facts_.removedCaptionBits |= style & kCaptionStyles;
        facts_.captionFlags |= cfCaptionRemoved;
        style &= ~kCaptionStyles;
    }
    if (style != before) {
        SetWindowLongPtrA(facts_.window, GWL_STYLE, static_cast<LONG_PTR>(style));
    }
}

void TFrameFit::RefreshWindowState() {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof(placement);
    if (!GetWindowPlacement(facts_.window, &placement)) {
        return;
    }
    switch (placement.showCmd) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE:
        facts_.windowState = wsMinimized;
        break;
    case SW_SHOWMAXIMIZED:
        facts_.windowState = wsMaximized;
        break;
    default:
        facts_.windowState = wsRestored;
        break;
    }
}

void TFrameFit::FitFrame(bool reapplying) {
    if (facts_.windowState == wsMaximized) {
        SetWindowPos(facts_.window, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    if (reapplying) {
        RECT client{};
        GetClientRect(facts_.window, &client);
        facts_.clientWidth = client.right;
        facts_.clientHeight = client.bottom;
    }
    const TWindowSize asked = WindowSizeFor(facts_.clientWidth, facts_.clientHeight, facts_.frame);
    std::int64_t width = asked.width;
    const TSkinRect work = WorkAreaOf(facts_.window);
    const bool dialog = facts_.className == "TMessageForm" || facts_.className == "#32770";
    if (!reapplying && dialog) {
        // A message box whose caption is longer than the box gets wider, its contents centred.
        HDC dc = GetDC(facts_.window);
        SIZE space{};
        {
            DcSelect font(dc, painter_.CaptionFont());
            GetTextExtentPoint32A(dc, " ", 1, &space);
        }
        ReleaseDC(facts_.window, dc);
        const TDataSkinTitle& t = *skin_.Model().Title;
        // 64-bit: the sum of the skin's numbers may pass the int range.
        const std::int64_t needed =
            (std::int64_t{static_cast<int>(WindowCaption(facts_.window).size())} + 7) * space.cx +
            std::int64_t{facts_.frame.left} + facts_.frame.right + t.LeftWidth + t.RightWidth +
            t.TXTBackleft + t.TXTBackRight;
        // A box is widened at most to the screen's width, so it and its buttons stay on it.
        const int fittedWidth = static_cast<int>(std::min<std::int64_t>(asked.width, work.Width()));
        const TWidening widening = WidenWithin(fittedWidth, needed, static_cast<int>(work.Width()));
        if (widening.width > fittedWidth) {
            const int shift = widening.shift;
            for (HWND child = GetTopWindow(facts_.window); child != nullptr;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                RECT r{};
                GetWindowRect(child, &r);
                MapWindowPoints(nullptr, facts_.window, reinterpret_cast<POINT*>(&r), 2);
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
    GetWindowRect(facts_.window, &outer);
    const TSkinRect fitted = FitWindowToWorkArea(outer.left, outer.top, width, asked.height, work);
    // An MDI child keeps its place inside its frame; only its size is bounded.
    const bool stays =
        (facts_.style & WS_CHILD) != 0 || (fitted.left == outer.left && fitted.top == outer.top);
    SetWindowPos(facts_.window, nullptr, fitted.left, fitted.top, static_cast<int>(fitted.Width()),
                 static_cast<int>(fitted.Height()),
                 SWP_FRAMECHANGED | SWP_NOZORDER | (stays ? SWP_NOMOVE : 0) | SWP_NOACTIVATE);
}

void TFrameFit::RestoreSize() {
    if (facts_.lifeState == lsDetachingAtExit ||
        ((facts_.style & WS_CHILD) != 0 && facts_.mdiKind != mkChild)) {
        return;
    }
    RECT outer{};
    GetWindowRect(facts_.window, &outer);
    const int width =
        (outer.right - outer.left) - facts_.frame.left - facts_.frame.right + facts_.initialExtraWidth;
    const int height = (outer.bottom - outer.top) - facts_.frame.top - facts_.frame.menu -
                       facts_.frame.bottom + facts_.initialExtraHeight;
    SetWindowPos(facts_.window, nullptr, 0, 0, width, height,
                 SWP_FRAMECHANGED | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE);
}

LRESULT TFrameFit::CalcSize(WPARAM wParam, LPARAM lParam) {
    // The proposed window rectangle, before the previous procedure turns it into its client.
    const RECT proposed = *reinterpret_cast<RECT*>(lParam);
    const LRESULT previous = SubclassChain::CallNext(facts_.window, WM_NCCALCSIZE, wParam, lParam);
    if (wParam == 0 && (facts_.borderKind == bkPopup || facts_.MdiChildNotRestored())) {
        return previous;
    }
    if (facts_.borderKind == bkPopup || facts_.MdiChildNotRestored()) {
        auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
        params->rgrc[1] = params->rgrc[0];
        return WVR_VALIDRECTS;
    }
    const TSkinRect c =
        ClientRectOf({proposed.left, proposed.top, proposed.right, proposed.bottom}, facts_.frame);
    const RECT client{c.left, c.top, c.right, c.bottom};
    if (wParam == 0) {
        *reinterpret_cast<RECT*>(lParam) = client;
        return 0;
    }
    auto* params = reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
    params->rgrc[0] = client;
    params->rgrc[1] = client;
    return WVR_VALIDRECTS;
}

TCaptionState TFrameFit::CaptionState() const {
    const bool childMaximized = facts_.mdiKind == mkFrame && mdi_.ChildMaximized();
    return {facts_.borderKind, facts_.captionFlags, facts_.active, facts_.windowState == wsMaximized,
            childMaximized,    facts_.frame.menu};
}

bool TFrameFit::Composable() const {
    return (facts_.lifeState == lsRunning || facts_.lifeState == lsReapplying) &&
           facts_.borderKind != bkPopup && facts_.windowState != wsMinimized &&
           !facts_.MdiChildNotRestored() && skin_.SkinLoaded();
}

TSkinRect TFrameFit::TitleBoxFor(int width, int rightAlignedLeft) {
    return painter_.MeasureTitleBox(width, rightAlignedLeft);
}

HMENU TFrameFit::DropDownMenu() const {
    return menuBar_.DropDownMenu();
}

void TFrameFit::SetDropDownMenu(HMENU menu) {
    menuBar_.SetDropDownMenu(menu);
}

} // namespace quellar
