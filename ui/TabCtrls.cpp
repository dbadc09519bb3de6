#include "ui/TabCtrls.h"

#include <commctrl.h>

#include <algorithm>

namespace quellar {

namespace {
void FrameRectColor(HDC dc, const RECT& rect, TColor color) {
    HBRUSH brush = CreateSolidBrush(ColorToRGB(color));
    FrameRect(dc, &rect, brush);
    DeleteObject(brush);
}
} // namespace

DWORD TabPositionStyle(TTabPosition position) {
    switch (position) {
    case TTabPosition::tpTop:
        return 0;
    case TTabPosition::tpBottom:
        return TCS_BOTTOM;
    case TTabPosition::tpLeft:
        return TCS_VERTICAL | TCS_MULTILINE;
    case TTabPosition::tpRight:
        return TCS_VERTICAL | TCS_RIGHT | TCS_MULTILINE;
    }
    return 0;
}

// ---- TTabControl ----

TTabControl::TTabControl(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
}

void TTabControl::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = WC_TABCONTROLA;
    params.style |= WS_CLIPCHILDREN | TabPositionStyle(position_);
}

void TTabControl::InitializeWindow() {
    FillTabs();
}

void TTabControl::FillTabs() {
    SendMessageA(Handle(), TCM_DELETEALLITEMS, 0, 0);
    for (std::size_t i = 0; i < tabs_.size(); ++i) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(tabs_[i].c_str());
        SendMessageA(Handle(), TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_), 0);
}

void TTabControl::SetTabs(const std::vector<std::string>& tabs) {
    tabs_ = tabs;
    if (tabIndex_ >= static_cast<int>(tabs_.size())) {
        tabIndex_ = -1;
    }
    if (HandleAllocated()) {
        FillTabs();
    }
}

int TTabControl::TabIndex() const {
    if (HandleAllocated()) {
        return static_cast<int>(SendMessageA(const_cast<TTabControl*>(this)->Handle(), TCM_GETCURSEL, 0, 0));
    }
    return tabIndex_;
}

void TTabControl::SetTabIndex(int index) {
    tabIndex_ = index >= 0 && index < static_cast<int>(tabs_.size()) ? index : -1;
    if (HandleAllocated()) {
        SendMessageA(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(tabIndex_), 0);
    }
}

void TTabControl::SetTabPosition(TTabPosition position) {
    position_ = position;
    if (!HandleAllocated()) {
        return;
    }
    constexpr LONG_PTR sides = TCS_BOTTOM | TCS_VERTICAL | TCS_MULTILINE;
    const LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE);
    SetWindowLongPtrA(Handle(), GWL_STYLE,
                      (style & ~sides) | static_cast<LONG_PTR>(TabPositionStyle(position)));
    SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    FillTabs(); // the tabs are measured again for the new side
    Invalidate();
}

void TTabControl::WndProc(TMessage& message) {
    if (message.Msg == CN_NOTIFY && reinterpret_cast<const NMHDR*>(message.LParam)->code == TCN_SELCHANGE) {
        tabIndex_ = static_cast<int>(SendMessageA(Handle(), TCM_GETCURSEL, 0, 0));
        if (OnChange) {
            OnChange(this);
        }
        return;
    }
    TWinControl::WndProc(message);
}

// ---- TTabSet ----

TTabSet::TTabSet(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
}

void TTabSet::SetTabs(const std::vector<std::string>& tabs) {
    tabs_ = tabs;
    if (tabIndex_ >= static_cast<int>(tabs_.size())) {
        tabIndex_ = -1;
    }
    Invalidate();
}

void TTabSet::SetTabIndex(int index) {
    tabIndex_ = index >= 0 && index < static_cast<int>(tabs_.size()) ? index : -1;
    Invalidate();
}

void TTabSet::SetStartMargin(int pixels) {
    startMargin_ = pixels;
    Invalidate();
}

void TTabSet::SetEndMargin(int pixels) {
    endMargin_ = pixels;
    Invalidate();
}

void TTabSet::SetFirstIndex(int index) {
    firstIndex_ = std::max(index, 0);
    Invalidate();
}

std::vector<int> TTabSet::CaptionWidths() const {
    std::vector<int> widths;
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) {
        return std::vector<int>(tabs_.size(), 0);
    }
    {
        DcSelect font(dc, Font().Handle());
        for (const std::string& caption : tabs_) {
            SIZE size{};
            GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
            widths.push_back(size.cx);
        }
    }
    DeleteDC(dc);
    return widths;
}

std::vector<TTabSetPlace> TTabSet::Places() const {
    return PlaceTabSetTabs(CaptionWidths(),
                           TTabSetMetrics{Width(), startMargin_, endMargin_, firstIndex_, false});
}

// Unskinned: a line along the top edge, each tab a box hanging from it, the selected one in the
// window colour and joined to the line, as if in front of the others.
void TTabSet::PaintWindow(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    FillRectColor(dc, client, Color());
    FillRectColor(dc, RECT{client.left, 0, client.right, 1}, clBtnShadow);
    DcSelect font(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(Font().Color()));
    for (const TTabSetPlace& place : Places()) {
        RECT tab{place.left, 0, place.right, client.bottom - 2};
        const bool selected = place.index == tabIndex_;
        FillRectColor(dc, tab, selected ? clWindow : Color());
        FrameRectColor(dc, tab, clBtnShadow);
        if (selected) {
            FillRectColor(dc, RECT{tab.left + 1, 0, tab.right - 1, 1}, clWindow);
        }
        const std::string& caption = tabs_[static_cast<std::size_t>(place.index)];
        DrawTextA(dc, caption.c_str(), -1, &tab, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

void TTabSet::WndProc(TMessage& message) {
    if (message.Msg == WM_LBUTTONDOWN) {
        const int x = static_cast<short>(LOWORD(message.LParam));
        const int tab = TabSetTabAt(Places(), x);
        if (tab >= 0 && tab != tabIndex_) {
            SetTabIndex(tab);
            if (OnChange) {
                OnChange(this);
            }
        }
    }
    TWinControl::WndProc(message);
}

} // namespace quellar
