#include "app/TrayPortAdapters.h"

#include "ui/Controls.h"
#include "ui/Forms.h"

namespace quellar {

TImageListTrayPort::~TImageListTrayPort() {
    for (HICON icon : icons_) {
        if (icon != nullptr) {
            DestroyIcon(icon);
        }
    }
}

int TImageListTrayPort::Count() const {
    return list_->Count();
}

HICON TImageListTrayPort::GetIcon(int index) const {
    if (index < 0 || index >= Count()) {
        return nullptr;
    }
    if (icons_.size() != static_cast<std::size_t>(Count())) {
        for (HICON icon : icons_) {
            if (icon != nullptr) {
                DestroyIcon(icon);
            }
        }
        icons_.assign(static_cast<std::size_t>(Count()), nullptr);
    }
    HICON& icon = icons_[static_cast<std::size_t>(index)];
    if (icon == nullptr) {
        icon = list_->GetIcon(index);
    }
    return icon;
}

// TPopupMenu::Popup tracks the menu with the application object's window.
HWND TPopupMenuTrayPort::OwnerWindow() const {
    return Application != nullptr ? Application->Handle() : nullptr;
}

void TPopupMenuTrayPort::ClickItem(int index) {
    TMenuItem* item = nullptr;
    try {
        item = menu_->Items().Item(index);
        item->Click();
    } catch (const std::exception& error) {
        ApplicationHandleException(error, item);
    }
}

} // namespace quellar
