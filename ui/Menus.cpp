#include "ui/Menus.h"

#include "ui/Forms.h"
#include "ui/ImgList.h"

#include <algorithm>
#include <memory>

namespace quellar {

namespace {
std::function<int(HMENU)>& PopupAnswer() {
    static std::function<int(HMENU)> answer;
    return answer;
}
} // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner) {}

TMenuItem::~TMenuItem() {
    for (TMenuItem* item : items_) {
        item->parent_ = nullptr;
    }
    if (parent_ != nullptr) {
        parent_->Remove(this);
    }
}

void TMenuItem::Add(TMenuItem* item) {
    if (item->parent_ != nullptr) {
        item->parent_->Remove(item);
    }
    items_.push_back(item);
    item->parent_ = this;
}

void TMenuItem::Remove(TMenuItem* item) {
    items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
    item->parent_ = nullptr;
}

void TMenuItem::Click() {
    if (enabled_ && OnClick) {
        OnClick(this);
    }
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(this)) {}

TMenu::~TMenu() {
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

void TMenu::Notification(TComponent* component, TOperation operation) {
    TComponent::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images_) {
        images_ = nullptr;
    }
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner) {}

void TPopupMenu::SetPopupAnswer(std::function<int(HMENU)> answer) {
    PopupAnswer() = std::move(answer);
}

void TPopupMenu::Popup(int x, int y) {
    HMENU menu = CreatePopupMenu();
    std::vector<std::unique_ptr<TBitmap>> pictures; // alive while the menu shows them
    for (int i = 0; i < Items().Count(); ++i) {
        TMenuItem* item = Items().Item(i);
        if (item->IsLine()) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        AppendMenuA(menu, MF_STRING | (item->Enabled() ? 0 : MF_GRAYED), static_cast<UINT_PTR>(i + 1),
                    item->Caption().c_str());
        auto picture = std::make_unique<TBitmap>();
        if (Images() != nullptr &&
            Images()->GetBitmap(item->ImageIndex(), 0xFF000000 | COLOR_MENU, *picture)) {
            MENUITEMINFOA mii{};
            mii.cbSize = sizeof(mii);
            mii.fMask = MIIM_BITMAP;
            mii.hbmpItem = picture->Handle();
            SetMenuItemInfoA(menu, static_cast<UINT>(i + 1), FALSE, &mii);
            pictures.push_back(std::move(picture));
        }
        if (item->Default()) {
            SetMenuDefaultItem(menu, static_cast<UINT>(i + 1), FALSE);
        }
    }
    HWND owner = Application != nullptr ? Application->Handle() : nullptr;
    int command = 0;
    if (PopupAnswer()) {
        command = PopupAnswer()(menu);
    } else {
        command =
            TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, owner, nullptr);
    }
    DestroyMenu(menu);
    lastChoice_ = command > 0 && command <= Items().Count() ? Items().Item(command - 1) : nullptr;
    if (lastChoice_ != nullptr) {
        try {
            lastChoice_->Click();
        } catch (const std::exception& error) {
            ApplicationHandleException(error, lastChoice_);
        }
    }
}

} // namespace quellar
