#include "ui/Menus.h"

#include "ui/Forms.h"
#include "ui/ImgList.h"
#include "ui/MenuMnemonic.h"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

namespace quellar {

namespace {
std::function<int(HMENU)>& PopupAnswer() {
    static std::function<int(HMENU)> answer;
    return answer;
}

TPopupMenu* gShowing = nullptr; // the popup menu inside its TrackPopupMenu

// Commands stay below the system commands (0xF000 and up) and above the small numbers that
// dialogs and hand-made menus use.
constexpr UINT kFirstCommand = 0x100, kLastCommand = 0xEFFF;
UINT NextCommand() {
    static UINT next = kFirstCommand;
    const UINT command = next;
    next = next == kLastCommand ? kFirstCommand : next + 1;
    return command;
}

std::string KeyName(int key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
        return std::string(1, static_cast<char>(key));
    }
    if (key >= VK_F1 && key <= VK_F24) {
        return "F" + std::to_string(key - VK_F1 + 1);
    }
    static const struct {
        int key;
        const char* name;
    } names[] = {{VK_BACK, "BkSp"},   {VK_TAB, "Tab"},    {VK_RETURN, "Enter"}, {VK_ESCAPE, "Esc"},
                 {VK_SPACE, "Space"}, {VK_PRIOR, "PgUp"}, {VK_NEXT, "PgDn"},    {VK_END, "End"},
                 {VK_HOME, "Home"},   {VK_LEFT, "Left"},  {VK_UP, "Up"},        {VK_RIGHT, "Right"},
                 {VK_DOWN, "Down"},   {VK_INSERT, "Ins"}, {VK_DELETE, "Del"}};
    for (const auto& n : names) {
        if (n.key == key) {
            return n.name;
        }
    }
    return {};
}

// The caption's size as a menu shows it (an ampersand marks the accelerator).
SIZE TextSize(HDC dc, const std::string& text) {
    RECT r{0, 0, 0, 0};
    DrawTextA(dc, text.empty() ? " " : text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_NOCLIP);
    return {r.right - r.left, r.bottom - r.top};
}

// The menu font selected into a device context while it lives.
class TMenuFontIn {
public:
    explicit TMenuFontIn(HDC dc) : dc_(dc), old_(SelectObject(dc, ScreenMenuFont())) {}
    ~TMenuFontIn() { SelectObject(dc_, old_); }
    TMenuFontIn(const TMenuFontIn&) = delete;
    TMenuFontIn& operator=(const TMenuFontIn&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

// Runs the item's Click; an exception there goes to the application's error box.
void ClickReportingErrors(TMenuItem& item) {
    try {
        item.Click();
    } catch (const std::exception& error) {
        ApplicationHandleException(error, &item);
    }
}
} // namespace

HFONT ScreenMenuFont() {
    static HFONT font = [] {
        NONCLIENTMETRICSA metrics{};
        metrics.cbSize = sizeof(metrics);
        HFONT made = SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)
                         ? CreateFontIndirectA(&metrics.lfMenuFont)
                         : nullptr;
        return made != nullptr ? made : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    }();
    return font;
}

std::string ShortCutToText(int shortCut) {
    const std::string key = KeyName(shortCut & 0xFF);
    if (key.empty()) {
        return {};
    }
    std::string text;
    if ((shortCut & scShift) != 0) {
        text += "Shift+";
    }
    if ((shortCut & scCtrl) != 0) {
        text += "Ctrl+";
    }
    if ((shortCut & scAlt) != 0) {
        text += "Alt+";
    }
    return text + key;
}

int ShortCutOfKey(WPARAM key, LPARAM keyData) {
    switch (key) {
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_MENU:
    case VK_LWIN:
    case VK_RWIN:
        return 0;
    default:
        break;
    }
    constexpr LPARAM kAltHeld = LPARAM{1} << 29; // the key message's context code
    return static_cast<int>(key & 0xFF) | (GetKeyState(VK_SHIFT) < 0 ? scShift : 0) |
           (GetKeyState(VK_CONTROL) < 0 ? scCtrl : 0) | ((keyData & kAltHeld) != 0 ? scAlt : 0);
}

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), command_(NextCommand()) {}

TMenuItem::~TMenuItem() {
    for (TMenuItem* item : items_) {
        item->parent_ = nullptr;
    }
    items_.clear();
    if (parent_ != nullptr) {
        parent_->Remove(this);
    }
}

void TMenuItem::SetCaption(const std::string& caption) {
    ChangeField(caption_, caption);
}

void TMenuItem::SetEnabled(bool enabled) {
    ChangeField(enabled_, enabled);
}

void TMenuItem::SetChecked(bool checked) {
    ChangeField(checked_, checked);
}

void TMenuItem::SetVisible(bool visible) {
    ChangeField(visible_, visible);
}

void TMenuItem::SetShortCut(int shortCut) {
    ChangeField(shortCut_, shortCut);
}

HMENU TMenuItem::Handle() const {
    if (handle_ == nullptr && !items_.empty()) {
        if (TMenu* menu = ParentMenu(); menu != nullptr && !menu->HandleAllocated()) {
            menu->Handle();
        }
    }
    return handle_;
}

void TMenuItem::Add(TMenuItem* item) {
    if (item->parent_ != nullptr) {
        item->parent_->Remove(item);
    }
    items_.push_back(item);
    item->parent_ = this;
    Changed();
}

void TMenuItem::Remove(TMenuItem* item) {
    items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
    item->parent_ = nullptr;
    Changed();
}

TMenuItem* TMenuItem::Find(UINT command) {
    if (command_ == command) {
        return this;
    }
    for (TMenuItem* item : items_) {
        if (TMenuItem* found = item->Find(command); found != nullptr) {
            return found;
        }
    }
    return nullptr;
}

TMenu* TMenuItem::ParentMenu() const {
    const TMenuItem* root = this;
    while (root->parent_ != nullptr) {
        root = root->parent_;
    }
    return root->menu_;
}

void TMenuItem::Changed() {
    if (TMenu* menu = ParentMenu(); menu != nullptr) {
        menu->MenuChanged();
    }
}

void TMenuItem::ForgetHandles() {
    for (TMenuItem* item : items_) {
        item->handle_ = nullptr;
        item->ForgetHandles();
    }
}

void TMenuItem::Click() {
    if (enabled_ && OnClick) {
        OnClick(this);
    }
}

void TMenuItem::MeasureItem(HDC dc, int& width, int& height) {
    if (IsLine()) {
        width = 0;
        height = 8;
    } else {
        const SIZE text = TextSize(dc, caption_);
        width = text.cx;
        height = text.cy + 4;
        if (const std::string keys = ShortCutToText(shortCut_); !keys.empty()) {
            width += TextSize(dc, keys).cx + 16;
        }
        const TMenu* menu = ParentMenu();
        if (const TImageList* images = menu != nullptr ? menu->Images() : nullptr; images != nullptr) {
            width += images->Width() + 6;
            height = std::max(height, images->Height() + 4);
        }
    }
    if (OnMeasureItem) {
        OnMeasureItem(this, dc, width, height);
    }
}

void TMenuItem::DrawItem(HDC dc, const RECT& rect, bool selected) {
    if (OnDrawItem) {
        OnDrawItem(this, dc, rect, selected);
        return;
    }
    FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
    if (IsLine()) {
        RECT line = rect;
        line.top += (rect.bottom - rect.top) / 2;
        DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
        return;
    }
    const TMenu* menu = ParentMenu();
    const TImageList* images = menu != nullptr ? menu->Images() : nullptr;
    int x = rect.left + 2;
    if (images != nullptr && imageIndex_ >= 0) {
        images->Draw(dc, x, rect.top + (rect.bottom - rect.top - images->Height()) / 2, imageIndex_);
    }
    x += (images != nullptr ? images->Width() : 16) + 6;
    RECT text{x, rect.top, rect.right - 4, rect.bottom};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(!enabled_  ? COLOR_GRAYTEXT
                                 : selected ? COLOR_HIGHLIGHTTEXT
                                            : COLOR_MENUTEXT));
    // Underlines hidden (ODS_NOACCEL): the text as it shows, without prefix processing.
    const bool hidden = (drawState_ & ODS_NOACCEL) != 0;
    const std::string shown = hidden ? WithoutPrefixes(caption_) : caption_;
    DrawTextA(dc, shown.c_str(), -1, &text,
              DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | (hidden ? DT_NOPREFIX : 0));
    if (const std::string keys = ShortCutToText(shortCut_); !keys.empty()) {
        DrawTextA(dc, keys.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
    }
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this)) {
    items_->menu_ = this;
}

TMenu::~TMenu() {
    items_->menu_ = nullptr;
    DestroyHandle();
    SetImages(nullptr);
}

void TMenu::SetImages(TImageList* images) {
    if (images_ != nullptr) {
        RemoveFreeNotification(images_);
    }
    images_ = images;
    if (images_ != nullptr) {
        FreeNotification(images_);
    }
}

void TMenu::SetOwnerDraw(bool ownerDraw) {
    if (ownerDraw != ownerDraw_) {
        ownerDraw_ = ownerDraw;
        MenuChanged();
    }
}

void TMenu::SetRightToLeft(bool rightToLeft) {
    if (rightToLeft != rightToLeft_) {
        rightToLeft_ = rightToLeft;
        MenuChanged();
    }
}

void TMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images_) {
        images_ = nullptr;
    }
}

HMENU TMenu::Handle() {
    if (handle_ == nullptr) {
        handle_ = CreateHandle();
        items_->handle_ = handle_;
        Fill(handle_, *items_);
    }
    return handle_;
}

void TMenu::DestroyHandle() {
    if (handle_ != nullptr) {
        DestroyMenu(handle_); // its submenus go with it
        handle_ = nullptr;
    }
    items_->handle_ = nullptr;
    items_->ForgetHandles();
    pictures_.clear();
}

void TMenu::MenuChanged() {
    if (handle_ == nullptr) {
        return;
    }
    while (GetMenuItemCount(handle_) > 0) {
        DeleteMenu(handle_, 0, MF_BYPOSITION);
    }
    items_->ForgetHandles();
    pictures_.clear();
    Fill(handle_, *items_);
}

bool TMenu::ItemOwnerDrawn(const TMenuItem& item) const {
    return ownerDraw_ || item.OnDrawItem || item.OnMeasureItem;
}

void TMenu::Fill(HMENU menu, TMenuItem& parent) {
    for (TMenuItem* item : parent.items_) {
        if (!item->Visible()) {
            continue;
        }
        MENUITEMINFOA mii{};
        mii.cbSize = sizeof(mii);
        mii.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_DATA;
        mii.wID = item->Command();
        mii.dwItemData = reinterpret_cast<ULONG_PTR>(item);
        mii.fState = (item->Enabled() ? 0 : MFS_GRAYED) | (item->Checked() ? MFS_CHECKED : 0) |
                     (item->Default() ? MFS_DEFAULT : 0);
        mii.fType = (item->IsLine() ? MFT_SEPARATOR : MFT_STRING) |
                    (ItemOwnerDrawn(*item) ? MFT_OWNERDRAW : 0) | (rightToLeft_ ? MFT_RIGHTORDER : 0);
        std::string text = item->Caption();
        if (const std::string keys = ShortCutToText(item->ShortCut()); !keys.empty()) {
            text += "\t" + keys;
        }
        if (!item->IsLine()) {
            mii.fMask |= MIIM_STRING;
            mii.dwTypeData = text.data();
        }
        if (item->Count() > 0) {
            item->handle_ = CreatePopupMenu();
            Fill(item->handle_, *item);
            mii.fMask |= MIIM_SUBMENU;
            mii.hSubMenu = item->handle_;
        }
        auto picture = std::make_unique<TBitmap>();
        if (!ItemOwnerDrawn(*item) && images_ != nullptr &&
            images_->GetBitmap(item->ImageIndex(), 0xFF000000 | COLOR_MENU, *picture)) {
            mii.fMask |= MIIM_BITMAP;
            mii.hbmpItem = picture->Handle();
            pictures_.push_back(std::move(picture));
        }
        InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &mii);
    }
}

TMenuItem* TMenu::FindItemByHandle(HMENU menu) {
    if (menu == nullptr) {
        return nullptr;
    }
    std::vector<TMenuItem*> pending{items_};
    while (!pending.empty()) {
        TMenuItem* item = pending.back();
        pending.pop_back();
        if (item->handle_ == menu) {
            return item;
        }
        pending.insert(pending.end(), item->items_.begin(), item->items_.end());
    }
    return nullptr;
}

bool TMenu::DispatchCommand(UINT command) {
    TMenuItem* item = FindItem(command);
    if (item == nullptr || item == items_) {
        return false;
    }
    ClickReportingErrors(*item);
    return true;
}

TMenuItem* TMenu::FindShortCut(int shortCut) {
    if ((shortCut & 0xFF) == 0) {
        return nullptr;
    }
    // Only through enabled, visible items: a disabled or hidden submenu cannot be opened.
    std::vector<TMenuItem*> pending(items_->items_.begin(), items_->items_.end());
    while (!pending.empty()) {
        TMenuItem* item = pending.back();
        pending.pop_back();
        if (!item->Enabled() || !item->Visible()) {
            continue;
        }
        if (item->ShortCut() == shortCut) {
            return item;
        }
        pending.insert(pending.end(), item->items_.begin(), item->items_.end());
    }
    return nullptr;
}

bool TMenu::DispatchShortCut(int shortCut) {
    TMenuItem* item = FindShortCut(shortCut);
    if (item == nullptr) {
        return false;
    }
    ClickReportingErrors(*item);
    return true;
}

bool TMenu::DispatchMeasureItem(MEASUREITEMSTRUCT& measure) {
    TMenuItem* item = measure.CtlType == ODT_MENU ? FindItem(measure.itemID) : nullptr;
    if (item == nullptr || item == items_) {
        return false;
    }
    HDC dc = GetDC(nullptr);
    int width = static_cast<int>(measure.itemWidth), height = static_cast<int>(measure.itemHeight);
    {
        TMenuFontIn font(dc);
        item->MeasureItem(dc, width, height);
    }
    ReleaseDC(nullptr, dc);
    measure.itemWidth = static_cast<UINT>(std::max(0, width));
    measure.itemHeight = static_cast<UINT>(std::max(0, height));
    return true;
}

bool TMenu::DispatchDrawItem(const DRAWITEMSTRUCT& draw) {
    TMenuItem* item = draw.CtlType == ODT_MENU ? FindItem(draw.itemID) : nullptr;
    if (item == nullptr || item == items_) {
        return false;
    }
    const int saved = SaveDC(draw.hDC);
    item->drawState_ = draw.itemState;
    {
        TMenuFontIn font(draw.hDC);
        item->DrawItem(draw.hDC, draw.rcItem, (draw.itemState & ODS_SELECTED) != 0);
    }
    item->drawState_ = 0;
    RestoreDC(draw.hDC, saved);
    return true;
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

TPopupMenu::~TPopupMenu() {
    if (gShowing == this) {
        gShowing = nullptr;
    }
}

void TPopupMenu::SetPopupAnswer(std::function<int(HMENU)> answer) {
    PopupAnswer() = std::move(answer);
}

TPopupMenu* TPopupMenu::Showing() {
    return gShowing;
}

void TPopupMenu::MenuChanged() {
    if (gShowing != this) {
        TMenu::MenuChanged();
    }
}

void TPopupMenu::Popup(int x, int y) {
    DestroyHandle(); // items and drawing may have changed since the last time
    HMENU menu = Handle();
    for (int i = 0; i < Items().Count(); ++i) {
        if (Items().Item(i)->Default()) {
            SetMenuDefaultItem(menu, Items().Item(i)->Command(), FALSE);
        }
    }
    HWND owner = Application != nullptr ? Application->Handle() : nullptr;
    TPopupMenu* outer = gShowing;
    gShowing = this;
    int command = 0;
    if (PopupAnswer()) {
        command = PopupAnswer()(menu);
    } else {
        command =
            TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
    }
    gShowing = outer;
    TMenuItem* chosen = command > 0 ? FindItem(static_cast<UINT>(command)) : nullptr;
    lastChoice_ = chosen != &Items() ? chosen : nullptr;
    if (lastChoice_ != nullptr) {
        ClickReportingErrors(*lastChoice_);
    }
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner) {}

TMainMenu::~TMainMenu() {
    if (window_ != nullptr && IsWindow(window_) && HandleAllocated() && GetMenu(window_) == Handle()) {
        SetMenu(window_, nullptr);
    }
}

void TMainMenu::MenuChanged() {
    TMenu::MenuChanged();
    if (window_ == nullptr || !IsWindow(window_)) {
        return;
    }
    if (HandleAllocated() && GetMenu(window_) == Handle()) {
        DrawMenuBar(window_);
    }
    SendMessageA(window_, CM_MENUCHANGED, 0, 0);
}

bool DispatchPopupOwnerDraw(UINT message, LPARAM lParam) {
    TPopupMenu* menu = TPopupMenu::Showing();
    if (menu == nullptr || lParam == 0) {
        return false;
    }
    if (message == WM_MEASUREITEM) {
        return menu->DispatchMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
    }
    return message == WM_DRAWITEM && menu->DispatchDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
}

bool AnswerMenuChar(WPARAM wParam, LPARAM lParam, LRESULT& result) {
    auto menu = reinterpret_cast<HMENU>(lParam);
    const WORD typed = LOWORD(wParam);
    const int count = menu != nullptr ? GetMenuItemCount(menu) : -1;
    if (count <= 0 || typed == 0 || typed > 0xFF) {
        return false;
    }
    std::vector<std::string> texts(static_cast<std::size_t>(count));
    std::vector<TMnemonicItem> items(static_cast<std::size_t>(count));
    int selected = -1;
    for (int i = 0; i < count; ++i) {
        std::array<char, 256> text{};
        MENUITEMINFOA info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
        info.dwTypeData = text.data();
        info.cch = static_cast<UINT>(text.size() - 1);
        if (!GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info)) {
            continue;
        }
        const auto at = static_cast<std::size_t>(i);
        texts[at] = (info.fType & MFT_SEPARATOR) != 0 ? std::string() : std::string(text.data());
        items[at] = {texts[at], (info.fState & (MFS_GRAYED | MFS_DISABLED)) == 0};
        selected = (info.fState & MFS_HILITE) != 0 ? i : selected;
    }
    const TMnemonicMatch match = FindMnemonic(items, static_cast<char>(typed), selected);
    if (match.index < 0) {
        return false;
    }
    result = MAKELRESULT(match.index, match.several ? MNC_SELECT : MNC_EXECUTE);
    return true;
}

} // namespace quellar
