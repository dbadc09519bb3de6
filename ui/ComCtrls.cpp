#include "ui/ComCtrls.h"

#include "ui/ImgList.h"

#include <commctrl.h>

#include <algorithm>

namespace quellar {

// ---- TTrackBar ----

TTrackBar::TTrackBar(TComponent* owner) : TWinControl(owner) {
    SetTabStop(true);
}

void TTrackBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = TRACKBAR_CLASSA;
    params.style |= TBS_HORZ | TBS_FIXEDLENGTH | TBS_BOTH | (frequency_ > 0 ? TBS_AUTOTICKS : TBS_NOTICKS);
}

void TTrackBar::InitializeWindow() {
    SendMessageA(Handle(), TBM_SETRANGEMIN, FALSE, min_);
    SendMessageA(Handle(), TBM_SETRANGEMAX, FALSE, max_);
    SendMessageA(Handle(), TBM_SETTHUMBLENGTH, static_cast<WPARAM>(thumbLength_), 0);
    if (frequency_ > 0) {
        SendMessageA(Handle(), TBM_SETTICFREQ, static_cast<WPARAM>(frequency_), 0);
    }
    SendMessageA(Handle(), TBM_SETPOS, TRUE, position_);
}

void TTrackBar::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
    if (HandleAllocated()) {
        SendMessageA(Handle(), TBM_SETRANGEMIN, FALSE, min_);
        SendMessageA(Handle(), TBM_SETRANGEMAX, TRUE, max_);
        SendMessageA(Handle(), TBM_SETPOS, TRUE, position_);
    }
}

int TTrackBar::Position() const {
    if (HandleAllocated()) {
        return static_cast<int>(SendMessageA(const_cast<TTrackBar*>(this)->Handle(), TBM_GETPOS, 0, 0));
    }
    return position_;
}

void TTrackBar::SetPosition(int position) {
    position_ = std::clamp(position, min_, max_);
    if (HandleAllocated()) {
        SendMessageA(Handle(), TBM_SETPOS, TRUE, position_);
    }
}

void TTrackBar::SetThumbLength(int pixels) {
    thumbLength_ = pixels;
    if (HandleAllocated()) {
        SendMessageA(Handle(), TBM_SETTHUMBLENGTH, static_cast<WPARAM>(pixels), 0);
    }
}

void TTrackBar::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_HSCROLL:
    case CN_VSCROLL:
        position_ = static_cast<int>(SendMessageA(Handle(), TBM_GETPOS, 0, 0));
        if (OnChange) {
            OnChange(this);
        }
        break;
    case CN_NOTIFY:
        message.Result = CDRF_DODEFAULT; // custom drawing is the control skins' business
        break;
    default:
        TWinControl::WndProc(message);
        break;
    }
}

// ---- TUpDown ----

TUpDown::TUpDown(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 17, 21);
}

TUpDown::~TUpDown() {
    SetAssociate(nullptr);
}

void TUpDown::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = UPDOWN_CLASSA;
    params.style |= UDS_ARROWKEYS | UDS_SETBUDDYINT | UDS_NOTHOUSANDS |
                    (associate_ != nullptr ? UDS_ALIGNRIGHT : 0) |
                    (orientation_ == TUDOrientation::udHorizontal ? UDS_HORZ : 0);
}

void TUpDown::InitializeWindow() {
    SendMessageA(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
    if (associate_ != nullptr) {
        SendMessageA(Handle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(associate_->Handle()), 0);
    }
    SendMessageA(Handle(), UDM_SETPOS32, 0, position_);
}

void TUpDown::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    SetPosition(position_);
    if (HandleAllocated()) {
        SendMessageA(Handle(), UDM_SETRANGE32, static_cast<WPARAM>(min_), max_);
    }
}

int TUpDown::Position() const {
    if (HandleAllocated()) {
        BOOL failed = FALSE;
        const auto pos = static_cast<int>(SendMessageA(const_cast<TUpDown*>(this)->Handle(), UDM_GETPOS32, 0,
                                                       reinterpret_cast<LPARAM>(&failed)));
        return failed ? position_ : pos;
    }
    return position_;
}

void TUpDown::SetPosition(int position) {
    position_ = std::clamp(position, min_, max_);
    if (HandleAllocated()) {
        SendMessageA(Handle(), UDM_SETPOS32, 0, position_);
    }
}

void TUpDown::SetAssociate(TWinControl* edit) {
    if (associate_ != nullptr) {
        RemoveFreeNotification(associate_);
    }
    associate_ = edit;
    if (associate_ != nullptr) {
        FreeNotification(associate_);
    }
    if (HandleAllocated()) {
        SendMessageA(Handle(), UDM_SETBUDDY,
                     reinterpret_cast<WPARAM>(associate_ != nullptr ? associate_->Handle() : nullptr), 0);
    }
}

void TUpDown::Notification(TComponent* component, TOperation operation) {
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == associate_) {
        associate_ = nullptr;
    }
}

void TUpDown::WndProc(TMessage& message) {
    switch (message.Msg) {
    case CN_VSCROLL:
    case CN_HSCROLL:
        position_ = Position();
        if (OnChanging) {
            OnChanging(this);
        }
        break;
    default:
        TWinControl::WndProc(message);
        break;
    }
}

// ---- TProgressBar ----

TProgressBar::TProgressBar(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 150, 16);
}

void TProgressBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = PROGRESS_CLASSA;
    params.style |= smooth_ ? PBS_SMOOTH : 0;
}

void TProgressBar::InitializeWindow() {
    SendMessageA(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
    SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
}

void TProgressBar::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
    if (HandleAllocated()) {
        SendMessageA(Handle(), PBM_SETRANGE32, static_cast<WPARAM>(min_), max_);
        SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
    }
}

void TProgressBar::SetPosition(int position) {
    position_ = std::clamp(position, min_, max_);
    if (HandleAllocated()) {
        SendMessageA(Handle(), PBM_SETPOS, static_cast<WPARAM>(position_), 0);
    }
}

// ---- TStatusBar ----

TStatusBar::TStatusBar(TComponent* owner) : TWinControl(owner) {
    SetAlign(TAlign::alBottom);
}

void TStatusBar::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = STATUSCLASSNAMEA;
    params.style |= CCS_NOPARENTALIGN | CCS_NORESIZE | (sizeGrip_ ? SBARS_SIZEGRIP : 0);
}

void TStatusBar::InitializeWindow() {
    UpdateParts();
}

void TStatusBar::SetPanelWidths(const std::vector<int>& widths) {
    panels_.resize(widths.size());
    for (std::size_t i = 0; i < widths.size(); ++i) {
        panels_[i].width = widths[i];
    }
    if (HandleAllocated()) {
        UpdateParts();
    }
}

void TStatusBar::UpdateParts() {
    std::vector<int> edges;
    int right = 0;
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        right += panels_[i].width;
        // The last panel reaches to the bar's end.
        edges.push_back(i + 1 == panels_.size() ? -1 : right);
    }
    SendMessageA(Handle(), SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        SendMessageA(Handle(), SB_SETTEXTA, i, reinterpret_cast<LPARAM>(panels_[i].text.c_str()));
    }
}

std::string TStatusBar::PanelText(int index) const {
    if (index < 0 || index >= PanelCount()) {
        return {};
    }
    return panels_[static_cast<std::size_t>(index)].text;
}

void TStatusBar::SetPanelText(int index, const std::string& text) {
    if (index < 0 || index >= PanelCount()) {
        return;
    }
    panels_[static_cast<std::size_t>(index)].text = text;
    if (HandleAllocated()) {
        SendMessageA(Handle(), SB_SETTEXTA, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(text.c_str()));
    }
}

// ---- TCustomComboBoxEx ----

TCustomComboBoxEx::TCustomComboBoxEx(TComponent* owner) : TCustomCombo(owner) {}

TCustomComboBoxEx::~TCustomComboBoxEx() {
    SetImages(nullptr);
}

void TCustomComboBoxEx::CreateParams(TCreateParams& params) {
    TWinControl::CreateParams(params);
    params.className = WC_COMBOBOXEXA;
    params.style |= CBS_DROPDOWNLIST | WS_VSCROLL;
}

void TCustomComboBoxEx::SetItemsEx(const std::vector<TComboExItem>& items) {
    itemsEx_ = items;
    std::vector<std::string> captions;
    for (const TComboExItem& item : items) {
        captions.push_back(item.caption);
    }
    SetItems(captions);
}

void TCustomComboBoxEx::SetImages(TImageList* images) {
    if (images_ != nullptr) {
        RemoveFreeNotification(images_);
    }
    images_ = images;
    if (images_ != nullptr) {
        FreeNotification(images_);
    }
    if (HandleAllocated()) {
        SendMessageA(Handle(), CBEM_SETIMAGELIST, 0,
                     reinterpret_cast<LPARAM>(images_ != nullptr ? images_->Handle() : nullptr));
    }
}

void TCustomComboBoxEx::Notification(TComponent* component, TOperation operation) {
    TCustomCombo::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images_) {
        images_ = nullptr;
        if (HandleAllocated()) {
            SendMessageA(Handle(), CBEM_SETIMAGELIST, 0, 0);
        }
    }
}

void TCustomComboBoxEx::InitializeWindow() {
    if (images_ != nullptr) {
        SendMessageA(Handle(), CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_->Handle()));
    }
    TCustomCombo::InitializeWindow();
}

void TCustomComboBoxEx::AddItemToWindow(int index) {
    const auto i = static_cast<std::size_t>(index);
    const int image = i < itemsEx_.size() ? itemsEx_[i].imageIndex : -1;
    COMBOBOXEXITEMA item{};
    item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
    item.iItem = index;
    item.pszText = const_cast<char*>(items_[i].c_str());
    item.iImage = image;
    item.iSelectedImage = image;
    SendMessageA(Handle(), CBEM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
}

int TCustomComboBoxEx::DroppedHeight() const {
    const int row = images_ != nullptr ? images_->Height() + 2 : 16;
    return Height() + DropDownCount() * row + 2;
}

} // namespace quellar
