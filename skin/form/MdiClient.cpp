// The MDI client of a skinned MDI frame: its children are skinned once it refreshes its menu
// after creating them, and the frame follows whether a child is shown maximised.
#include "skin/form/SkinMessages.h"
#include "skin/form/WinSkinForm.h"
#include "skin/manager/WinSkinManage.h"
#include "skin/menu/MenuBar.h"
#include "skin/model/WinSkinData.h"
#include "ui/Forms.h"

namespace quellar {

bool MdiActiveChildMaximized(HWND client) {
    BOOL maximized = FALSE;
    const bool active = client != nullptr &&
                        SendMessageA(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)) != 0;
    return active && maximized;
}

void TWinSkinForm::ReloadBarFromMainMenu() {
    if (menuBar_ == nullptr) {
        return;
    }
    if (form_ != nullptr && form_->Menu() != nullptr) {
        menuBar_->LoadFromMainMenu(*form_->Menu());
    } else {
        menuBar_->LoadFromMenu(menuBar_->Menu()); // a foreign frame: the menu it had
    }
    PostMessageA(window_, SkinRepaintFrame, 0, 0);
}

bool TWinSkinForm::HandleMdiClient(HWND client, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const bool framed = (skin_->SkinControls() & SkinControlBit(xcMainMenu)) != 0;
    TWinSkinManage* manager = WindowsSkinManager();
    switch (message) {
    case WM_NCDESTROY:
        mdiClient_ = nullptr; // the chain lets the client go with its window
        return false;
    case WM_NCCALCSIZE:
        if (framed) {
            const auto style = GetWindowLongPtrA(client, GWL_STYLE);
            SetWindowLongPtrA(client, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_HSCROLL | WS_VSCROLL));
        }
        return false;
    case WM_MDICREATE:
        skin_->SetMenuUpdate(false);
        result = SubclassChain::CallNext(client, message, wParam, lParam);
        pendingMdiChild_ = reinterpret_cast<HWND>(result);
        return true;
    case WM_MDIDESTROY:
        result = SubclassChain::CallNext(client, message, wParam, lParam);
        if (framed && manager != nullptr) {
            manager->SetMdiMax(MdiActiveChildMaximized(client));
            if (menuBar_ != nullptr && manager->CountSkinnedMdiChildren() == 0) {
                skin_->SetMenuUpdate(savedMenuUpdate_);
                ReloadBarFromMainMenu();
            }
        }
        return true;
    case WM_MDITILE:
    case WM_MDICASCADE:
        if (framed && manager != nullptr && manager->MdiMaximized()) {
            manager->SetMdiMax(false);
        }
        return false;
    case WM_MDISETMENU:
        // The client puts the new frame menu on the frame: the bar takes it off again.
        result = SubclassChain::CallNext(client, message, wParam, lParam);
        if (framed && wParam != 0) {
            // The same menu again, with no new child to show, leaves the bar as it is.
            const auto asked = static_cast<LONG_PTR>(wParam);
            if (menuBar_ != nullptr && (asked < 0 || reinterpret_cast<HMENU>(wParam) != menuBar_->Menu() ||
                                        pendingMdiChild_ != nullptr)) {
                menuBar_->LoadFromWindowMenu();
                PostMessageA(window_, SkinRepaintFrame, 0, 0);
            }
            if (GetMenu(window_) != nullptr) {
                SetMenu(window_, nullptr);
            }
        }
        return true;
    case WM_MDIREFRESHMENU:
        result = SubclassChain::CallNext(client, message, wParam, lParam);
        if (pendingMdiChild_ != nullptr && manager != nullptr) {
            manager->AttachMdiChild(pendingMdiChild_);
            PostMessageA(window_, SkinRepaintFrame, 0, 0);
        }
        pendingMdiChild_ = nullptr;
        return true;
    default:
        return false;
    }
}

} // namespace quellar
