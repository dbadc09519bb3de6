#pragma once
// The framework's image list and popup menu seen through the small interfaces the
// notification-area icon takes.
#include "tray/TrayPorts.h"
#include "ui/ImgList.h"
#include "ui/Menus.h"

#include <vector>

namespace quellar {

// Hands out the list's pictures as icons; the icons stay owned here until the list changes size
// or the adapter goes.
class TImageListTrayPort : public ITrayIconList {
public:
    explicit TImageListTrayPort(TImageList* list) : list_(list) {}
    ~TImageListTrayPort() override;
    TImageListTrayPort(const TImageListTrayPort&) = delete;
    TImageListTrayPort& operator=(const TImageListTrayPort&) = delete;

    int Count() const override;
    HICON GetIcon(int index) const override;
    TComponent* ListComponent() const override { return list_; }

private:
    TImageList* list_;
    mutable std::vector<HICON> icons_;
};

class TPopupMenuTrayPort : public ITrayPopupMenu {
public:
    explicit TPopupMenuTrayPort(TPopupMenu* menu) : menu_(menu) {}
    bool AutoPopup() const override { return menu_->AutoPopup(); }
    HWND OwnerWindow() const override;
    void SetPopupComponent(TComponent* component) override { menu_->SetPopupComponent(component); }
    void Popup(int x, int y) override { menu_->Popup(x, y); }
    int ItemCount() const override { return menu_->Items().Count(); }
    bool ItemIsDefault(int index) const override { return menu_->Items().Item(index)->Default(); }
    void ClickItem(int index) override;
    TComponent* MenuComponent() const override { return menu_; }

private:
    TPopupMenu* menu_;
};

} // namespace quellar
