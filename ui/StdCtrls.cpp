#include "ui/StdCtrls.h"

namespace quellar {

namespace {
constexpr UINT kLabelFormat = DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS;
} // namespace

bool ClickOnAccelerator(TControl& control, const std::string& caption, TMessage& message) {
    if (!IsAccel(static_cast<unsigned>(message.WParam), caption) || !control.Enabled() ||
        !control.Showing()) {
        return false;
    }
    control.Click();
    message.Result = 1;
    return true;
}

// ---- TCustomLabel ----

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {}

void TCustomLabel::SetAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    AdjustBounds();
}

void TCustomLabel::TextChanged() {
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::FontChanged() {
    AdjustBounds();
    Invalidate();
}

void TCustomLabel::AdjustBounds() {
    if (!autoSize_) {
        return;
    }
    HDC dc = GetDC(nullptr);
    RECT r{0, 0, 0, 0};
    {
        DcSelect font(dc, Font().Handle());
        const std::string text = caption_.empty() ? std::string(" ") : caption_;
        DrawTextA(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_LEFT | DT_EXPANDTABS);
    }
    ReleaseDC(nullptr, dc);
    SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

void TCustomLabel::Paint(HDC dc) {
    RECT r{0, 0, Width(), Height()};
    DcSelect font(dc, Font().Handle());
    SetBkMode(dc, TRANSPARENT);
    if (Enabled()) {
        SetTextColor(dc, ColorToRGB(Font().Color()));
        DrawTextA(dc, caption_.c_str(), -1, &r, kLabelFormat);
        return;
    }
    // Disabled: the engraved look, a light copy one pixel down and right under a shadow copy.
    OffsetRect(&r, 1, 1);
    SetTextColor(dc, ColorToRGB(clBtnHighlight));
    DrawTextA(dc, caption_.c_str(), -1, &r, kLabelFormat);
    OffsetRect(&r, -1, -1);
    SetTextColor(dc, ColorToRGB(clBtnShadow));
    DrawTextA(dc, caption_.c_str(), -1, &r, kLabelFormat);
}

// ---- TCustomEdit ----

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetColor(clWindow);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = "EDIT";
    params.style |= ES_AUTOHSCROLL;
    params.exStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::WndProc(TMessage& message) {
    if (message.Msg == CN_COMMAND && HIWORD(message.WParam) == EN_CHANGE) {
        if (OnChange && !Loading()) {
            OnChange(this);
        }
        return;
    }
    TWinControl::WndProc(message);
}

// ---- TCustomCombo ----

TCustomCombo::TCustomCombo(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
    SetColor(clWindow);
}

void TCustomCombo::SetItems(const std::vector<std::string>& items) {
    items_ = items;
    if (HandleAllocated()) {
        SendMessageA(Handle(), CB_RESETCONTENT, 0, 0);
        for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
            AddItemToWindow(i);
        }
        SetItemIndex(itemIndex_);
    }
}

int TCustomCombo::ItemIndex() const {
    if (HandleAllocated()) {
        return static_cast<int>(SendMessageA(const_cast<TCustomCombo*>(this)->Handle(), CB_GETCURSEL, 0, 0));
    }
    return itemIndex_;
}

void TCustomCombo::SetItemIndex(int index) {
    if (index < 0 || index >= static_cast<int>(items_.size())) {
        index = -1;
    }
    itemIndex_ = index;
    if (HandleAllocated()) {
        SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
}

void TCustomCombo::AddItemToWindow(int index) {
    SendMessageA(Handle(), CB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(items_[static_cast<std::size_t>(index)].c_str()));
}

int TCustomCombo::DroppedHeight() const {
    constexpr int kRowHeight = 16; // pixels per row of the open list at the window's font
    return Height() + dropDownCount_ * kRowHeight + 2;
}

void TCustomCombo::InitializeWindow() {
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
        AddItemToWindow(i);
    }
    SetItemIndex(itemIndex_);
}

void TCustomCombo::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_COMMAND:
        if (HIWORD(message.WParam) == CBN_SELCHANGE) {
            itemIndex_ = static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
            if (OnChange) {
                OnChange(this);
            }
        }
        break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        message.Result = ControlColor(reinterpret_cast<HDC>(message.WParam));
        break;
    default:
        TWinControl::WndProc(message);
        break;
    }
}

void TCustomComboBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = "COMBOBOX";
    params.style |= WS_VSCROLL | CBS_AUTOHSCROLL |
                    (style_ == TComboBoxStyle::csDropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
}

// ---- buttons ----

TButtonControl::TButtonControl(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
}

void TCustomCheckBox::SetChecked(bool checked) {
    if (checked == checked_) {
        return;
    }
    checked_ = checked;
    if (HandleAllocated()) {
        SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    if (!Loading()) {
        Click();
    }
}

void TCustomCheckBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = "BUTTON";
    params.style |= BS_CHECKBOX; // not automatic: the state changes only through SetChecked
}

void TCustomCheckBox::InitializeWindow() {
    SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCustomCheckBox::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_COMMAND:
        if (HIWORD(message.WParam) == BN_CLICKED) {
            Toggle();
        }
        break;
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<unsigned>(message.WParam), caption_) && Enabled() && Showing()) {
            SetFocus();
            Toggle();
            message.Result = 1;
        }
        break;
    default:
        TWinControl::WndProc(message);
        break;
    }
}

void TRadioButton::SetChecked(bool checked) {
    if (checked == checked_) {
        return;
    }
    checked_ = checked;
    if (HandleAllocated()) {
        SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    if (!checked_) {
        return;
    }
    if (Parent() != nullptr) {
        for (TControl* sibling : Parent()->Controls()) {
            if (auto* radio = dynamic_cast<TRadioButton*>(sibling); radio != nullptr && radio != this) {
                radio->SetChecked(false);
            }
        }
    }
    if (!Loading()) {
        Click();
    }
}

void TRadioButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = "BUTTON";
    params.style |= BS_RADIOBUTTON; // not automatic: the group is kept by SetChecked
}

void TRadioButton::InitializeWindow() {
    SendMessageA(Handle(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_COMMAND:
        if (HIWORD(message.WParam) == BN_CLICKED) {
            SetChecked(true);
        }
        break;
    case CM_DIALOGCHAR:
        if (IsAccel(static_cast<unsigned>(message.WParam), caption_) && Enabled() && Showing()) {
            SetFocus();
            SetChecked(true);
            message.Result = 1;
        }
        break;
    default:
        TWinControl::WndProc(message);
        break;
    }
}

void TButton::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = "BUTTON";
    params.style |= BS_PUSHBUTTON;
}

void TButton::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_COMMAND:
        if (HIWORD(message.WParam) == BN_CLICKED) {
            Click();
        }
        break;
    case CM_DIALOGCHAR:
        ClickOnAccelerator(*this, caption_, message);
        break;
    default:
        TWinControl::WndProc(message);
        break;
    }
}

// ---- TCustomGroupBox ----

void TCustomGroupBox::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = "BUTTON";
    params.style |= BS_GROUPBOX;
}

void TCustomGroupBox::WndProc(TMessage& message) {
    switch (message.Msg) {
    case WM_ERASEBKGND: {
        // The platform's group box leaves its inside to the parent; ours is filled with Color.
        RECT r{};
        GetClientRect(Handle(), &r);
        FillRectColor(reinterpret_cast<HDC>(message.WParam), r, Color());
        message.Result = 1;
        break;
    }
    case WM_NCHITTEST:
        message.Result = HTCLIENT; // the platform's answer lets the mouse through to the parent
        break;
    default:
        TWinControl::WndProc(message);
        break;
    }
}

} // namespace quellar
