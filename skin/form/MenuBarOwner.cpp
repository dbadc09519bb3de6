// The menu bar of a skinned window: made from the window's menu, read again when the program
// changes it, and handed back at the end; Alt and a letter on our form reach it first.
#include "skin/form/MenuBarOwner.h"

#include "skin/menu/MenuTracking.h"
#include "ui/Forms.h"
#include "ui/Menus.h"
#include "ui/Messages.h"

namespace quellar {

TMenuBarOwner::~TMenuBarOwner() {
    EndBarTracking(*this);
    HookForm(false);
}

void TMenuBarOwner::TakeWindowMenu() {
    bar_ = std::make_unique<TWinSkinMenu>(skin_, items_, window_);
    bar_->LoadFromWindowMenu();
    HookForm(true);
}

bool TMenuBarOwner::ReadChangedMenu() {
    if (bar_ == nullptr) {
        return false;
    }
    TCustomForm* form = form_;
    if (GetMenu(window_) != nullptr) {
        bar_->LoadFromWindowMenu();
    } else if (form != nullptr && form->Menu() != nullptr) {
        // A main menu of ours filled its native menu again: its submenus are new.
        bar_->LoadFromMenu(form->Menu()->Handle());
    }
    return true;
}

bool TMenuBarOwner::ReloadFromMainMenu() {
    if (bar_ == nullptr) {
        return false;
    }
    if (TCustomForm* form = form_; form != nullptr && form->Menu() != nullptr) {
        bar_->LoadFromMainMenu(*form->Menu());
    } else {
        bar_->LoadFromMenu(bar_->Menu()); // a foreign frame: the menu it had
    }
    return true;
}

const TMenuBtn* TMenuBarOwner::AcceleratorItem(char key) const {
    return dropDown_ == nullptr && bar_ != nullptr ? bar_->AcceleratorItem(key) : nullptr;
}

void TMenuBarOwner::Release(bool formGoing, bool windowGone) {
    if (bar_ == nullptr) {
        return;
    }
    EndBarTracking(*this);
    HookForm(false);
    TCustomForm* form = form_;
    const bool ownedByMainMenu = form != nullptr && form->Menu() != nullptr &&
                                 form->Menu()->HandleAllocated() && form->Menu()->Handle() == bar_->Menu();
    if (ownedByMainMenu && formGoing) {
        bar_->ForgetMenu(); // the window goes with the form, the menu with its main menu
    } else if (!ownedByMainMenu && windowGone) {
        bar_->DropMenu();
    } else {
        bar_->GiveMenuBack();
    }
    bar_.reset();
}

void TMenuBarOwner::HookForm(bool on) {
    if (on && hookedForm_ == nullptr && form_ != nullptr) {
        hookedForm_ = form_;
        hookedForm_->Links().Attach(&formLink_);
    } else if (!on && hookedForm_ != nullptr) {
        hookedForm_->Links().Detach(&formLink_);
        hookedForm_ = nullptr;
    }
}

bool TMenuBarOwner::FormLevel(HWND /*window*/, UINT message, WPARAM wParam, LPARAM /*lParam*/,
                              LRESULT& result) {
    const bool altOnly =
        GetKeyState(VK_MENU) < 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_SHIFT) >= 0;
    if (message == CM_DIALOGCHAR && altOnly) {
        if (const TMenuBtn* item = AcceleratorItem(static_cast<char>(wParam)); item != nullptr) {
            PostMessageA(window_, SkinOpenMenuItem, static_cast<WPARAM>(item->index), 1);
            result = 1;
            return true;
        }
    }
    return false; // the form's own handling and the links before this one
}

} // namespace quellar
