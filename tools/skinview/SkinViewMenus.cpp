// The viewer's menus: every kind of item a skin draws (nested submenus, disabled, checked,
// separator and accelerator items) in the menu bar and in the right-click popup menu.
#include "SkinViewForm.h"

#include "ui/Menus.h"

#include <filesystem>

namespace quellar {

namespace {

TMenuItem* AddItem(TComponent* owner, TMenuItem& parent, const std::string& caption,
                   TNotifyEvent click = {}) {
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    item->OnClick = std::move(click);
    parent.Add(item);
    return item;
}

} // namespace

void TfrmSkinView::BuildMenus() {
    if (popup_ == nullptr) {
        popup_ = new TPopupMenu(this);
        TMenuItem& items = popup_->Items();
        AddItem(this, items, "&Next skin", [this](TComponent*) { StepSkin(1); });
        AddItem(this, items, "&Previous skin", [this](TComponent*) { StepSkin(-1); });
        AddItem(this, items, "-");
        AddItem(this, items, "&Open a skin...", [this](TComponent*) { OpenWithDialog(); });
        AddItem(this, items, "Disabled item")->SetEnabled(false);
    }
}

void TfrmSkinView::ShowPopupAt(POINT screen) {
    popup_->Popup(screen.x, screen.y);
}

} // namespace quellar
