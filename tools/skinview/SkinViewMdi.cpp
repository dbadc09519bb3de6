#include "SkinViewMdi.h"

#include "MenuItems.h"
#include "ui/Menus.h"
#include "ui/StdCtrls.h"

#include <string>

namespace quellar {

TfrmSkinViewChild::TfrmSkinViewChild(TComponent* owner, int number) : TForm(owner) {
    SetFormStyle(TFormStyle::fsMDIChild);
    SetCaption("Child " + std::to_string(number));
    SetClientSize(260, 120);
    auto* edit = new TEdit(this);
    edit->SetBounds(10, 12, 150, 21);
    edit->SetParent(this);
    edit->SetText("Child " + std::to_string(number));
    auto* close = new TButton(this);
    close->SetBounds(10, 44, 90, 25);
    close->SetParent(this);
    close->SetCaption("&Close");
    close->OnClick = [this](TComponent*) { Close(); };
}

TfrmSkinViewMdi::TfrmSkinViewMdi(TComponent* owner) : TForm(owner) {
    SetFormStyle(TFormStyle::fsMDIForm);
    SetCaption("KOR Quellar skin viewer: MDI windows");
    SetClientSize(560, 380);
    SetLeft(40);
    SetTop(40);
    mainMenu_ = new TMainMenu(this);
    TMenuItem* window = AddItem(this, mainMenu_->Items(), "&Window", {});
    AddItem(this, *window, "&New child", [this](TComponent*) { NewChild(); });
    AddItem(this, *window, "&Tile", [this](TComponent*) { Tile(); });
    AddItem(this, *window, "&Cascade", [this](TComponent*) { Cascade(); });
    AddItem(this, *window, "C&lose all", [this](TComponent*) { CloseAll(); });
    SetMenu(mainMenu_);
    SetWindowMenu(window); // the client lists its children below these
}

TfrmSkinViewChild* TfrmSkinViewMdi::NewChild() {
    Show();
    auto* child = new TfrmSkinViewChild(this, ++childrenMade_);
    child->Show();
    return child;
}

void TfrmSkinViewMdi::CloseAll() {
    for (TCustomForm* child : MdiChildren()) {
        delete child;
    }
}

} // namespace quellar
