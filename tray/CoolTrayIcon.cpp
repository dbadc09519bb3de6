#include "tray/CoolTrayIcon.h"

#include "tray/TrayMessageWindow.h"
#include "tray/WindowProcHook.h"
#include "ui/WinUtil.h"

#include <cstring>
#include <utility>

namespace quellar {

namespace {

BOOL CALLBACK FindApplicationWindowProc(HWND window, LPARAM found) {
    if (HwndClassName(window) == "TApplication") {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

// The application object's hidden top-level window of the calling thread, or null.
HWND FindApplicationWindow() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindApplicationWindowProc, reinterpret_cast<LPARAM>(&found));
    return found;
}

} // namespace

TCoolTrayIcon::TCoolTrayIcon(TComponent* owner, HWND ownerWindow) : TComponent(owner) {
    messageWindow_ = std::make_unique<TTrayMessageWindow>(
        [this](UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
            return TrayWindowProc(message, wParam, lParam, result);
        });
    iconData_.cbSize = kTrayRecordSize;
    iconData_.hWnd = messageWindow_->Handle();
    iconData_.uID = kTrayIconId;
    iconData_.uFlags = kTrayIconFlags;
    iconData_.uCallbackMessage = kTrayCallbackMessage;
    if (!DesignMode()) {
        appWindow_ = FindApplicationWindow();
        HookAppWindow();
        ownerWindow_ = ownerWindow;
        HookOwnerWindow();
    }
}

TCoolTrayIcon::~TCoolTrayIcon() {
    SetIconVisible(false);
    if (icon_ != nullptr) {
        DestroyIcon(icon_);
        icon_ = nullptr;
    }
    cycleTimerOn_ = false;
    messageWindow_.reset(); // its timers go with it
    if (!DesignMode()) {
        UnhookAppWindow();
        UnhookOwnerWindow();
    }
}

HWND TCoolTrayIcon::MessageWindow() const {
    return messageWindow_ ? messageWindow_->Handle() : nullptr;
}

bool TCoolTrayIcon::CycleTimerEnabled() const {
    return cycleTimerOn_;
}

void TCoolTrayIcon::SetAppHooks(TTrayAppHooks hooks) {
    hooks_ = std::move(hooks);
}

// ---- Properties ---------------------------------------------------------------------------

void TCoolTrayIcon::SetDesignPreview(bool value) {
    designPreview_ = value;
    previewInProgress_ = true;
    SetIconVisible(value);
    previewInProgress_ = false;
}

void TCoolTrayIcon::SetIconList(ITrayIconList* list) {
    if (iconList_ != nullptr && iconList_->ListComponent() != nullptr) {
        RemoveFreeNotification(iconList_->ListComponent());
    }
    iconList_ = list;
    if (iconList_ != nullptr && iconList_->ListComponent() != nullptr) {
        FreeNotification(iconList_->ListComponent());
    }
    SetIconIndex(0);
}

void TCoolTrayIcon::SetCycleIcons(bool value) {
    cycleIcons_ = value;
    if (value) {
        SetIconIndex(0);
        StartCycleTimer();
    } else {
        StopCycleTimer();
    }
}

void TCoolTrayIcon::SetCycleInterval(unsigned milliseconds) {
    cycleInterval_ = milliseconds;
    if (cycleTimerOn_) {
        StartCycleTimer(); // restarts the period with the new interval
    }
}

void TCoolTrayIcon::SetHint(const std::string& hint) {
    hint_ = hint;
    UpdateTrayIcon();
}

void TCoolTrayIcon::SetShowHint(bool value) {
    showHint_ = value;
    UpdateTrayIcon();
}

void TCoolTrayIcon::SetIcon(HICON icon) {
    HICON copy = icon != nullptr ? CopyIcon(icon) : nullptr;
    if (icon_ != nullptr) {
        DestroyIcon(icon_);
    }
    icon_ = copy;
    UpdateTrayIcon();
}

void TCoolTrayIcon::SetIconVisible(bool value) {
    if (value) {
        AddTrayIcon();
    } else {
        RemoveTrayIcon();
    }
}

void TCoolTrayIcon::SetIconIndex(int index) {
    const int count = iconList_ != nullptr ? iconList_->Count() : 0;
    // An empty list is treated like no list, and a negative index like 0: there is no picture
    // to show for either.
    if (count > 0) {
        iconIndex_ = ClampIconIndex(index, count);
        CopyPicture(iconIndex_);
    } else {
        iconIndex_ = 0;
    }
    UpdateTrayIcon();
}

void TCoolTrayIcon::SetPopupMenu(ITrayPopupMenu* menu) {
    if (popupMenu_ != nullptr && popupMenu_->MenuComponent() != nullptr) {
        RemoveFreeNotification(popupMenu_->MenuComponent());
    }
    popupMenu_ = menu;
    if (popupMenu_ != nullptr && popupMenu_->MenuComponent() != nullptr) {
        FreeNotification(popupMenu_->MenuComponent());
    }
}

void TCoolTrayIcon::CopyPicture(int index) {
    HICON picture = iconList_->GetIcon(index);
    HICON copy = picture != nullptr ? CopyIcon(picture) : nullptr;
    if (icon_ != nullptr) {
        DestroyIcon(icon_);
    }
    icon_ = copy;
}

std::vector<std::string> TCoolTrayIcon::StoredProperties() const {
    const std::pair<const char*, bool> table[] = {
        {"DesignPreview", designPreview_},
        {"IconList", iconList_ != nullptr},
        {"CycleIcons", cycleIcons_},
        {"CycleInterval", true},
        {"Enabled", !enabled_},
        {"Hint", !hint_.empty()},
        {"ShowHint", true},
        {"Icon", icon_ != nullptr},
        {"IconVisible", !iconVisible_},
        {"IconIndex", true},
        {"PopupMenu", popupMenu_ != nullptr},
        {"LeftPopup", leftPopup_},
        {"StartMinimized", startMinimized_},
        {"MinimizeToTray", minimizeToTray_},
        {"OnClick", static_cast<bool>(OnClick)},
        {"OnDblClick", static_cast<bool>(OnDblClick)},
        {"OnMouseDown", static_cast<bool>(OnMouseDown)},
        {"OnMouseUp", static_cast<bool>(OnMouseUp)},
        {"OnMouseMove", static_cast<bool>(OnMouseMove)},
        {"OnCycle", static_cast<bool>(OnCycle)},
    };
    std::vector<std::string> stored;
    for (const auto& [name, store] : table) {
        if (store) {
            stored.emplace_back(name);
        }
    }
    return stored;
}

// ---- The icon record ----------------------------------------------------------------------

bool TCoolTrayIcon::FillIconData() {
    const bool mayShow = DesignMode() && !previewInProgress_ ? designPreview_ : true;
    if (!mayShow) {
        return false;
    }
    iconData_.hIcon = icon_;
    const TTrayTip tip = MakeTrayTip(hint_, showHint_);
    std::memcpy(iconData_.szTip, tip.data(), tip.size());
    return true;
}

bool TCoolTrayIcon::Notify(DWORD command) {
    ITrayShell& shell = shell_ != nullptr ? *shell_ : PlatformTrayShell();
    return shell.NotifyIcon(command, iconData_);
}

bool TCoolTrayIcon::AddTrayIcon() {
    if (!previewInProgress_) {
        iconVisible_ = true;
    }
    if ((!DesignMode() || previewInProgress_) && FillIconData()) {
        return Notify(NIM_ADD);
    }
    return false;
}

bool TCoolTrayIcon::RemoveTrayIcon() {
    if (!previewInProgress_) {
        iconVisible_ = false;
    }
    if ((!DesignMode() || previewInProgress_) && FillIconData()) {
        return Notify(NIM_DELETE);
    }
    return false;
}

bool TCoolTrayIcon::UpdateTrayIcon() {
    return FillIconData() && Notify(NIM_MODIFY);
}

void TCoolTrayIcon::Refresh() {
    UpdateTrayIcon();
}

// ---- Loading and references ---------------------------------------------------------------

void TCoolTrayIcon::Loaded() {
    TComponent::Loaded();
    if (startMinimized_ && !DesignMode()) {
        if (hooks_.setShowMainForm) {
            hooks_.setShowMainForm(false);
        }
        if (appWindow_ != nullptr) {
            ShowWindow(appWindow_, SW_HIDE);
        }
    }
    UpdateTrayIcon();
    SetIconVisible(iconVisible_);
}

void TCoolTrayIcon::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove || component == nullptr) {
        return;
    }
    if (iconList_ != nullptr && iconList_->ListComponent() == component) {
        iconList_ = nullptr;
        SetIconList(nullptr);
    }
    if (popupMenu_ != nullptr && popupMenu_->MenuComponent() == component) {
        popupMenu_ = nullptr;
    }
}

// ---- Animation ----------------------------------------------------------------------------

void TCoolTrayIcon::StartCycleTimer() {
    cycleTimerOn_ = true;
    if (messageWindow_) {
        messageWindow_->StartTimer(kCycleTimerId, cycleInterval_);
    }
}

void TCoolTrayIcon::StopCycleTimer() {
    cycleTimerOn_ = false;
    if (messageWindow_) {
        messageWindow_->StopTimer(kCycleTimerId);
    }
}

void TCoolTrayIcon::CycleTimerTick() {
    if (iconList_ == nullptr || iconList_->Count() <= 0) {
        return; // nothing to step through
    }
    // The list may have shrunk since the index was stored.
    iconIndex_ = ClampIconIndex(iconIndex_, iconList_->Count());
    CopyPicture(iconIndex_);
    DoCycle(NextCycleIndex(iconIndex_, iconList_->Count()));
    UpdateTrayIcon();
    // The handler may have taken the list away; then the picture stays where it is.
    if (iconList_ == nullptr || iconList_->Count() <= 0) {
        return;
    }
    SetIconIndex(NextCycleIndex(iconIndex_, iconList_->Count()));
}

} // namespace quellar
