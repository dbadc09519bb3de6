// The viewer's menus: every kind of item a skin draws (nested submenus, disabled, checked,
// separator, shortcut and accelerator items) in the menu bar and in the right-click popup menu.
#include "SkinViewForm.h"
#include "SkinViewMdi.h"

#include "MenuItems.h"
#include "ui/ComCtrls.h"
#include "ui/Dialogs.h"
#include "ui/Menus.h"

namespace quellar {

void TfrmSkinView::BuildMenus() {
    if (mainMenu_ == nullptr) {
        mainMenu_ = new TMainMenu(this);
        TMenuItem& bar = mainMenu_->Items();
        TMenuItem* file = AddItem(this, bar, "&File");
        AddItem(this, *file, "&Open a skin...", [this](TComponent*) {
            OpenWithDialog();
        })->SetShortCut(scCtrl | 'O');
        skinsMenu_ = AddItem(this, *file, "&Skins");
        AddItem(this, *file, "&Next skin", [this](TComponent*) { StepSkin(1); })->SetShortCut(VK_F6);
        AddItem(this, *file, "&Previous skin", [this](TComponent*) {
            StepSkin(-1);
        })->SetShortCut(scShift | VK_F6);
        AddItem(this, *file, "-");
        AddItem(this, *file, "E&xit", [this](TComponent*) { Close(); });
        TMenuItem* view = AddItem(this, bar, "&View");
        TMenuItem* status = AddItem(this, *view, "&Status bar");
        status->SetChecked(true);
        status->OnClick = [this, status](TComponent*) {
            status->SetChecked(!status->Checked());
            statusBar_->SetVisible(status->Checked());
        };
        AddItem(this, *view, "Skin &warnings...", [this](TComponent*) { ShowWarnings(); });
        AddItem(this, *view, "Disabled item")->SetEnabled(false);
        AddItem(this, *view, "-");
        TMenuItem* nested = AddItem(this, *view, "&Nested");
        AddItem(this, *nested, "Level &two item");
        TMenuItem* deeper = AddItem(this, *nested, "&Deeper");
        AddItem(this, *deeper, "Level &three item");
        AddItem(this, *deeper, "Checked at level three")->SetChecked(true);
        BuildWindowMenu(bar);
        TMenuItem* help = AddItem(this, bar, "&Help");
        AddItem(this, *help, "&About...", [this](TComponent*) {
            ShowMessageBox(Handle(),
                           "KOR Quellar skin viewer: wears a skin file and shows every part it draws.",
                           "About", MB_OK | MB_ICONINFORMATION);
        });
        SetMenu(mainMenu_);
    }
    if (popup_ == nullptr) {
        popup_ = new TPopupMenu(this);
        TMenuItem& items = popup_->Items();
        AddItem(this, items, "&Next skin", [this](TComponent*) { StepSkin(1); });
        AddItem(this, items, "&Previous skin", [this](TComponent*) { StepSkin(-1); });
        AddItem(this, items, "-");
        AddItem(this, items, "&Open a skin...", [this](TComponent*) { OpenWithDialog(); });
        AddItem(this, items, "Checked item")->SetChecked(true);
        AddItem(this, items, "Disabled item")->SetEnabled(false);
    }
    // The skins beside the program, the one worn checked.
    while (skinsMenu_->Count() > 0) {
        TMenuItem* old = skinsMenu_->Item(0);
        skinsMenu_->Remove(old);
        delete old;
    }
    if (skinFiles_.empty()) {
        AddItem(this, *skinsMenu_, "(no skinN.skn files beside the viewer)")->SetEnabled(false);
    }
    for (std::size_t i = 0; i < skinFiles_.size(); ++i) {
        AddItem(this, *skinsMenu_, skinFiles_[i], [this, i](TComponent*) { OpenListed(i); });
    }
    CheckWornSkin();
}

// The MDI windows sit in a frame of their own, so this window keeps its controls in place.
void TfrmSkinView::BuildWindowMenu(TMenuItem& bar) {
    TMenuItem* window = AddItem(this, bar, "&Window");
    AddItem(this, *window, "&New child", [this](TComponent*) { OpenMdiWindows().NewChild(); });
    AddItem(this, *window, "&Tile", [this](TComponent*) { OpenMdiWindows().Tile(); });
    AddItem(this, *window, "&Cascade", [this](TComponent*) { OpenMdiWindows().Cascade(); });
    AddItem(this, *window, "C&lose all", [this](TComponent*) { OpenMdiWindows().CloseAll(); });
}

TfrmSkinViewMdi& TfrmSkinView::OpenMdiWindows() {
    if (mdi_ == nullptr) {
        mdi_ = new TfrmSkinViewMdi(Application);
    }
    mdi_->Show();
    return *mdi_;
}

void TfrmSkinView::CheckWornSkin() {
    for (std::size_t i = 0; i < skinFiles_.size() && i < static_cast<std::size_t>(skinsMenu_->Count()); ++i) {
        skinsMenu_->Item(static_cast<int>(i))->SetChecked(CurrentFileIs(i));
    }
}

void TfrmSkinView::ShowPopupAt(POINT screen) {
    popup_->Popup(screen.x, screen.y);
}

} // namespace quellar
