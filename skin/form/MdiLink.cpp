// The MDI client of a skinned MDI frame: its children are skinned once it refreshes its menu
// after creating them, and the frame follows whether a child is shown maximised.
#include "skin/form/MdiLink.h"

#include "skin/form/MenuBarOwner.h"
#include "skin/form/SkinMessages.h"
#include "skin/manager/WinSkinManage.h"
#include "skin/model/WinSkinData.h"

namespace quellar {

bool MdiActiveChildMaximized(HWND client) {
    BOOL maximized = FALSE;
    const bool active = client != nullptr &&
                        SendMessageA(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)) != 0;
    return active && maximized;
}

void TMdiLink::Attach(HWND client) {
    if (client_ != nullptr || client == nullptr) {
        return;
    }
    client_ = client;
    savedMenuUpdate_ = host_.Skin().MenuUpdate();
    SubclassChain::Attach(client_, &link_);
}

void TMdiLink::Detach() {
    if (client_ != nullptr) {
        SubclassChain::Detach(client_, &link_);
        client_ = nullptr;
    }
}

bool TMdiLink::ChildMaximized() const {
    return MdiActiveChildMaximized(client_);
}

void TMdiLink::RepaintFrame() const {
    PostMessageA(host_.Window(), SkinRepaintFrame, 0, 0);
}

bool TMdiLink::OnClientMessage(HWND client, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    const bool framed = (host_.Skin().SkinControls() & SkinControlBit(xcMainMenu)) != 0;
    TWinSkinManage* manager = WindowsSkinManager();
    TMenuBarOwner& bar = host_.MenuBarOwner();
    switch (message) {
    case WM_NCDESTROY:
        client_ = nullptr; // the chain lets the client go with its window
        return false;
    case WM_NCCALCSIZE:
        if (framed) {
            const auto style = GetWindowLongPtrA(client, GWL_STYLE);
            SetWindowLongPtrA(client, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_HSCROLL | WS_VSCROLL));
        }
        return false;
    case WM_MDICREATE:
        host_.Skin().SetMenuUpdate(false);
        result = SubclassChain::CallNext(client, message, wParam, lParam);
        pendingChild_ = reinterpret_cast<HWND>(result);
        return true;
    case WM_MDIDESTROY:
        result = SubclassChain::CallNext(client, message, wParam, lParam);
        if (framed && manager != nullptr) {
            manager->SetMdiMax(MdiActiveChildMaximized(client));
            if (bar.MenuBar() != nullptr && manager->CountSkinnedMdiChildren() == 0) {
                host_.Skin().SetMenuUpdate(savedMenuUpdate_);
                bar.ReloadFromMainMenu();
                RepaintFrame();
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
            if (TWinSkinMenu* menu = bar.MenuBar();
                menu != nullptr &&
                (asked < 0 || reinterpret_cast<HMENU>(wParam) != menu->Menu() || pendingChild_ != nullptr)) {
                menu->LoadFromWindowMenu();
                RepaintFrame();
            }
            if (HWND frame = host_.Window(); GetMenu(frame) != nullptr) {
                SetMenu(frame, nullptr);
            }
        }
        return true;
    case WM_MDIREFRESHMENU:
        result = SubclassChain::CallNext(client, message, wParam, lParam);
        if (pendingChild_ != nullptr && manager != nullptr) {
            manager->AttachMdiChild(pendingChild_);
            RepaintFrame();
        }
        pendingChild_ = nullptr;
        return true;
    default:
        return false;
    }
}

} // namespace quellar
